// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The end of the program and the program-wide input gate.

#include <functional>

namespace tk {

// Ends the run at once, inside the running handler: stops every timer, hides every screen,
// lets no further input through and leaves the event loop with status 0 (in a browser, the
// page: platform::leaveProgram). No screen is asked to close; nothing is saved or confirmed.
void EndProgram();

// Whether EndProgram has run.
bool programHasEnded();

// Test seam: replaces leaving the event loop (the last step of EndProgram); an empty function
// restores it. Also clears the ended state, so a test can start afresh.
void setProgramExitForTests(std::function<void()> exit);

// Installs, once, the application-wide filter that drops all input after the end. Every screen
// calls it when it is made.
void installProgramEventFilter();

} // namespace tk
