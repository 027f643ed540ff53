// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole run of the worksheet maker: without arguments its window, with arguments the
// command line, which opens no window. Returns the process's exit status.
int runSheetsProgram(int argc, char** argv);
