# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader sees of a running program through AT-SPI: its accessible tree, the
events it raises, and keys pressed as a real keyboard presses them (XTest, through the AT-SPI
registry). Every wait polls the events with a time limit; nothing sleeps for a fixed time."""

import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# X key symbols of the keys the tour presses.
KEYS = {"Tab": 0xFF09, "Shift+Tab": 0xFE20, "Return": 0xFF0D, "KP_Enter": 0xFF8D,
        "space": 0x20, "Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54,
        "Escape": 0xFF1B}
LISTENED = ("object:state-changed:showing", "object:state-changed:focused", "window:activate")


class TourFailure(Exception):
    pass


class Seen:
    """One event as it came: its type, its source's role and name, and its detail."""

    def __init__(self, event):
        self.type = event.type
        self.detail = event.detail1
        self.source = event.source
        try:
            self.role = event.source.get_role_name()
            self.name = event.source.get_name()
        except GLib.Error:
            self.role, self.name = None, None

    def __str__(self):
        return f"{self.type}({self.detail}) {self.role} {self.name!r}"


class Session:
    def __init__(self, timeout, pace=0.0):
        Atspi.init()
        self.timeout = timeout
        self.pace = pace  # seconds a person takes before each key (none in the check)
        self.events = []
        self.read = 0  # events before this one have been waited past
        self.started = time.monotonic()
        self.listener = Atspi.EventListener.new(lambda event: self.events.append(Seen(event)))
        for kind in LISTENED:
            self.listener.register(kind)

    def say(self, text):
        print(f"{time.monotonic() - self.started:6.2f} s  {text}", flush=True)

    def pump(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def poll(self, what, found):
        """Polls until found() gives something other than None, and returns it."""
        deadline = time.monotonic() + self.timeout
        while True:
            self.pump()
            result = found()
            if result is not None:
                return result
            if time.monotonic() > deadline:
                recent = "\n    ".join(str(e) for e in self.events[self.read:][-12:])
                raise TourFailure(f"no {what} within {self.timeout} s; events since:\n    "
                                  f"{recent}")
            time.sleep(0.02)

    def wait_for(self, what, matches):
        """The first event not yet waited past that matches; later waits start after it."""
        def found():
            for index in range(self.read, len(self.events)):
                if matches(self.events[index]):
                    self.read = index + 1
                    return self.events[index]
            return None
        return self.poll(what, found)

    def at_human_pace(self):
        if self.pace > 0:
            deadline = time.monotonic() + self.pace
            while time.monotonic() < deadline:
                self.pump()
                time.sleep(0.02)

    def press(self, key):
        self.at_human_pace()
        Atspi.generate_keyboard_event(KEYS[key], None, Atspi.KeySynthType.SYM)

    def type_text(self, text):
        self.at_human_pace()
        Atspi.generate_keyboard_event(0, text, Atspi.KeySynthType.STRING)

    def application(self, name):
        def found():
            desktop = Atspi.get_desktop(0)
            for index in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(index)
                if app is not None and app.get_name() == name:
                    return app
            return None
        return self.poll(f"application {name}", found)

    def focused(self, role, name=None, description=None):
        """Waits until the focus comes to a control of this role (and name, and description)."""
        what = f"focus on {role} {name or ''}"
        seen = self.wait_for(what, lambda e: e.type == "object:state-changed:focused"
                             and e.detail == 1 and e.role == role
                             and (name is None or e.name == name))
        if description is not None and seen.source.get_description() != description:
            raise TourFailure(f"{what}: described as {seen.source.get_description()!r}, "
                              f"not {description!r}")
        self.say(f"focus: {role} {seen.name!r}")
        return seen.source

    def announced(self, matches, what):
        seen = self.wait_for(what, lambda e: e.type == "object:state-changed:showing"
                             and e.detail == 1 and e.role == "notification"
                             and matches(e.name or ""))
        self.say(f"announced: {seen.name!r}")
        return seen.name

    def activated(self, name):
        seen = self.wait_for(f"window {name!r}", lambda e: e.type == "window:activate"
                             and e.name == name)
        self.say(f"window: {seen.role} {name!r}")
        if seen.role != "frame":
            raise TourFailure(f"window {name!r} is a {seen.role}, not a frame")
        return seen.source


def children(accessible):
    return [accessible.get_child_at_index(i) for i in range(accessible.get_child_count())]


def states(accessible):
    return accessible.get_state_set()


def left_edge(accessible):
    return accessible.get_extents(Atspi.CoordType.WINDOW).x


def action_names(accessible):
    action = accessible.get_action_iface()
    if action is None:
        return []
    return [action.get_action_name(i) for i in range(action.get_n_actions())]
