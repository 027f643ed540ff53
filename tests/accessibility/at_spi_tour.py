# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The drill as a screen reader meets it, from the keyboard alone: the accessible tree of every
screen against the design table (names and roles, decoration hidden), then the write exercise,
the choose exercise and the reading practice from the menu to a verdict or a new number, each
with the event that carries it, and the exit.
    at_spi_tour.py PROGRAM DESIGN_JSON"""

import json
import os
import re
import subprocess
import sys

from at_spi_session import Session, TourFailure, action_names, children, left_edge

# A keypad for touch is a named panel of buttons, there but hidden until the program is touched.
ROLES = {"label": "label", "text box": "text", "button": "push button", "keypad": "filler"}
POSITIONS = {"الأول": 1, "الثاني": 2, "الثالث": 3}  # the digit's place after the waw
READING = re.compile(r"\d+و\d+")


class Design:
    def __init__(self, path):
        with open(path, encoding="utf-8") as file:
            table = json.load(file)
        self.names = {w["screen"]: w["spokenName"] for w in table["windows"]}
        self.controls = table["controls"]

    def on(self, screen):
        return [c for c in self.controls if c["screen"] == screen and c["kind"] != "shape"]

    def caption(self, screen, name):
        return next(c["caption"] for c in self.on(screen) if c["name"] == name)

    def clicked(self, screen, click):
        """The caption of the control on the screen whose click does that."""
        return next(c["caption"] for c in self.on(screen) if c["click"] == click)


def check(condition, message):
    if not condition:
        raise TourFailure(message)


def check_tree(session, design, frame, screen):
    """Every control of the design is there once, with its role and name, but the shapes; a
    clickable label is a focusable button with a press action; then one notification."""
    pool = children(frame)
    notes = [c for c in pool if c.get_role_name() == "notification"]
    check(len(notes) == 1, f"{screen}: {len(notes)} notifications")
    pool.remove(notes[0])
    expected = design.on(screen)
    check(len(pool) == len(expected), f"{screen}: {len(pool)} controls, {len(expected)} designed")
    headings = [c["caption"] for c in expected if c["name"] == "Label5"]
    for control in sorted(expected, key=lambda c: c["standIn"]):  # stand-ins take what is left
        role = "push button" if control["click"] else ROLES[control["kind"]]
        role = "heading" if control["heading"] else role
        name = headings[0] if control["kind"] == "text box" else control["caption"]
        match = next((a for a in pool if a.get_role_name() == role
                      and (control["standIn"] or a.get_name() == name)), None)
        check(match is not None, f"{screen}: no {role} for {control['name']} ({name!r})")
        check(match.get_name(), f"{screen}: {control['name']} has no name")
        if role == "push button":
            check("press" in [n.lower() for n in action_names(match)],
                  f"{screen}: {name!r} cannot be pressed")
        pool.remove(match)
    session.say(f"tree of {screen} ({design.names[screen]!r}): {len(expected)} controls, "
                "names and roles as designed, no decoration")


def read_number(frame):
    """The number as the screen shows it, the red digit's place after the waw from its
    description, and what a screen reader should hear: (right answer, spoken question)."""
    labels = [a for a in children(frame) if a.get_role_name() == "label"]
    digits = sorted((a for a in labels if re.fullmatch(r"\d", a.get_name())), key=left_edge)
    whole = next(a for a in labels if re.fullmatch(r" ?و\d+", a.get_name()))
    red = [i for i, a in enumerate(digits) if a.get_description()]
    check(len(digits) == 3 and len(red) == 1, "not three digits with one described")
    described = digits[red[0]].get_description()
    place = [p for word, p in POSITIONS.items() if described.endswith(f"{word} بعد الواو")]
    check(place == [red[0] + 1], f"the red digit is digit {red[0] + 1}, described {described!r}")
    number = " ".join(a.get_name() for a in digits)
    spoken = f"العدد {re.search(r'[0-9]+', whole.get_name()).group()} و {number}، {described}"
    return "0." + "0" * red[0] + digits[red[0]].get_name(), spoken


def verdict(session, frame, answer, right):
    """The verdict announced is the feedback shown, right or naming the right answer."""
    told = session.announced(lambda name: name.startswith("الاجابة"), "verdict")
    shown = [a.get_name() for a in children(frame) if a.get_role_name() == "label"]
    check(told in shown, f"the verdict {told!r} is not what the screen shows")
    check(told.endswith(answer) != right, f"{told!r} for the answer {answer}")


def step(session, key, role, name=None, description=None):
    """A key, and where the focus goes."""
    session.press(key)
    return session.focused(role, name, description)


def open_exercise(session, design, screen, role):
    """Enter on a menu entry: the exercise's window, its first focus (named by the heading and
    described by the question), its tree; gives the frame and the right answer."""
    session.press("Return")
    frame = session.activated(design.names[screen])
    first = session.focused(role, design.caption(screen, "Label5"))
    check_tree(session, design, frame, screen)
    answer, spoken = read_number(frame)
    check(first.get_description() == spoken, f"{role} says {first.get_description()!r}")
    return frame, answer


def back_to_menu(session, design, entry):
    """Enter on a return label: the menu, with the focus on the entry that was left."""
    session.press("Return")
    session.activated(design.names["Form4"])
    session.focused("push button", design.clicked("Form4", entry))


def write_exercise(session, design):
    step(session, "Tab", "push button", design.clicked("Form4", "Form5"))
    step(session, "Tab", "push button", design.clicked("Form4", "Form2"))
    frame, answer = open_exercise(session, design, "Form2", "text")
    button = design.caption("Form2", "Command1")
    session.type_text("9")
    step(session, "Tab", "push button", button)
    session.press("space")
    verdict(session, frame, answer, right=False)
    told = session.announced(lambda name: name.startswith("العدد"), "next question")
    answer, spoken = read_number(frame)
    check(told == spoken, f"announced {told!r}, the screen shows {spoken!r}")
    step(session, "Shift+Tab", "text", description=spoken)
    session.type_text(answer)
    step(session, "Tab", "push button", button)
    session.press("Return")
    verdict(session, frame, answer, right=True)
    step(session, "Tab", "push button", design.clicked("Form2", "Form4"))
    back_to_menu(session, design, "Form2")


def choose_exercise(session, design):
    step(session, "Left", "push button", design.clicked("Form4", "Form3"))
    frame, answer = open_exercise(session, design, "Form3", "heading")
    value = step(session, "Tab", "push button")
    for _ in range(2):
        if value.get_name() == answer:
            break
        value = step(session, "Left", "push button")
    check(value.get_name() == answer, f"no value {answer} among the three")
    session.press("space")
    verdict(session, frame, answer, right=True)
    back = design.clicked("Form3", "Form4")
    while value.get_name() != back:
        value = step(session, "Tab", "push button")
    back_to_menu(session, design, "Form3")


def reading_practice(session, design, process):
    for entry in ("Form2", "Form5"):
        step(session, "Right", "push button", design.clicked("Form4", entry))
    session.press("Return")
    frame = session.activated(design.names["Form5"])
    question = session.focused("label")
    check(READING.fullmatch(question.get_name()), f"the question is {question.get_name()!r}")
    check_tree(session, design, frame, "Form5")
    session.press("Return")  # (the keypad's Enter is Orca's own "where am I")
    told = session.announced(lambda name: READING.fullmatch(name) is not None, "new number")
    check(question.get_name() == told, f"announced {told!r}, shown {question.get_name()!r}")
    step(session, "Tab", "push button", design.clicked("Form5", "Form4"))
    step(session, "Tab", "push button", design.clicked("Form5", "end"))
    session.press("Return")
    session.poll("end of the program", lambda: process.poll())
    check(process.returncode == 0, f"the program ended with status {process.returncode}")
    session.say("exit pressed: the program ended with status 0")


def main():
    program, design_path = sys.argv[1:3]
    design = Design(design_path)
    names = design.names
    # A screen reader that listens is given a person's pace (TOUR_PACE seconds before each key).
    session = Session(timeout=15, pace=float(os.environ.get("TOUR_PACE", "0")))
    if "TOUR_AFTER" in os.environ:  # a screen reader that must be listening first
        session.application(os.environ["TOUR_AFTER"])
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=environment)
    try:
        session.application("placevalue")
        splash = session.activated(names["Form1"])
        check_tree(session, design, splash, "Form1")
        menu = session.activated(names["Form4"])
        check_tree(session, design, menu, "Form4")
        write_exercise(session, design)
        choose_exercise(session, design)
        reading_practice(session, design, process)
    except TourFailure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    session.say("the whole tour passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
