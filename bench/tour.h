// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program driven as a pupil drives it, at the designed places of its controls (the tests'
// design table): from one screen to the next, and the whole tour of a run.

#include "x_watcher.h"

class WatchedProcess;

inline constexpr double kTimeoutMs = 10000;

// A point of a screen in window pixels: the centre of a control's designed box.
struct ScreenPoint {
    int x;
    int y;
};
ScreenPoint centreOf(const char* screen, const char* control);
// The centre of the control on the screen whose click does that (opens "Form2", "end" ...).
ScreenPoint clickFor(const char* screen, const char* click);

// Waits for the next screen to be mapped and drawn, checks that its width is the named screen's
// designed width and gives it the focus.
Window nextScreen(XWatcher& display, const char* screen);
// Clicks the control of fromScreen that opens the named screen and waits for that screen.
Window openFrom(XWatcher& display, Window from, const char* fromScreen, const char* screen);

// From the splash screen: the menu, the write exercise with two answers and the choose exercise
// with two (each waiting out its three-second feedback), the reading practice with five Enters,
// and back to the menu; the process's peak memory is logged after each stage.
void tour(XWatcher& display, const WatchedProcess& process);
