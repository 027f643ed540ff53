// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of the worksheet maker: its options are the rows of one table
// (command_options.cpp), from which the help is written. Without any argument the teachers'
// window opens instead.

#include "sheets/sheet.h"

#include <QString>
#include <QStringList>

namespace sheets {

// Exit statuses of a command-line run.
inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 2;

struct CommandLine {
    enum class Action { WriteSheets, Help, Version, Error };
    Action action = Action::Error;
    SheetOptions options;
    QString output;    // a file, or "-" for standard output
    QString keyOutput; // the answer keys' own file; empty: after the sheets
    QString error;     // one line, for Action::Error
};

// Reads the arguments that follow the program's name. Options are written --name VALUE,
// --name=VALUE or -name VALUE.
CommandLine parseCommandLine(const QStringList& arguments);

// The help (--help): the ways to run the program and every option, from the table of options.
QString usageText();
QString versionText();

// Carries out a parsed command line: writes the sheets, or prints the help, the version or the
// error ("placevalue-sheets: " and one line). Writing needs a QGuiApplication. Returns the exit
// status.
int runCommandLine(const CommandLine& commandLine);

} // namespace sheets
