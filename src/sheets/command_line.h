// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of the worksheet maker:
//   placevalue-sheets --activity write|choose|read --questions N --seed S [--pupils N]
//                     [--answers] [--key-output FILE] [--mark red|underline] [--school TEXT]
//                     [--class TEXT] [--name-line] [--digits western|arabic]
//                     [--separator point|comma|arabic] --output FILE.pdf|-
// and --help (-h), --version. Without any argument the teachers' window opens instead.

#include "sheets/sheet.h"

#include <QString>
#include <QStringList>

namespace sheets {

// Exit statuses of a command-line run.
inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 2;

// The longest school or class name the command line takes.
inline constexpr int kMaxHeaderText = 200;

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

QString usageText();
QString versionText();

// Carries out a parsed command line: writes the sheets, or prints the help, the version or the
// error ("placevalue-sheets: " and one line). Writing needs a QGuiApplication. Returns the exit
// status.
int runCommandLine(const CommandLine& commandLine);

} // namespace sheets
