// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole run of the program, from the check for a display to the end of the event loop.
// Returns the process's exit status.
int runPlaceValueProgram(int argc, char** argv);

// Gives the application its name and its version, 1.00 (the CMake project's version, which the
// package, the desktop install files and the Windows version record carry too).
void setProgramIdentity();

// The application-wide settings of a run, made once the application exists: its identity, its
// name and icon for the taskbar, screens that only hide (the end of the program is the one way
// out) and a steady caret.
void setUpApplication();
