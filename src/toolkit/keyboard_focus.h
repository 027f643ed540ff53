// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The keyboard's words, shared by the screen and its controls: the character code of a key
// press, the arrow keys' steps through a screen's focus order, and the focus rings.

class QKeyEvent;
class QPainter;
class QRect;

namespace tk {

// The character code a key press carries, or -1 for keys that carry none (arrows, shift ...).
// Control combinations carry the control characters of a Windows keyboard: Ctrl+A to Ctrl+Z
// are 1 to 26, Ctrl+[ is 27 (Esc), Ctrl+M is 13 (Enter), Ctrl+Enter is 10.
int keyCharacterCode(const QKeyEvent& event);

// The step an arrow key takes through a screen's focus order: forward (1) for Left and Down,
// back (-1) for Right and Up, as the screens read from right to left; 0 for any other key, or an
// arrow with a modifier.
int focusStepOf(const QKeyEvent& event);

// Focus rings are shown from the first key press that moves the focus (Tab, Shift+Tab, an arrow)
// until the next press of a mouse button: a pupil who works with the mouse never sees one.
bool focusRingsShown();
// Shows or hides them, and redraws the focused label's.
void setFocusRingsShown(bool shown);

// A focus ring around a box (in the painter's coordinates), within Label::kFocusRingRoom of it
// and one pixel clear of it: two pixels of white around one of black, so that it stands out on
// the black screens and on the light ovals alike.
void paintFocusRing(QPainter& painter, const QRect& around);

} // namespace tk
