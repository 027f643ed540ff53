// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options of the worksheet maker's command line, one row each: how each is written, whether
// it takes a value and must be given, which activities it applies to, and how its value is read.

#include "sheets/command_line.h"

#include <QLatin1StringView>
#include <QStringView>

#include <cstdint>
#include <span>

namespace sheets {

struct OptionRule;

// Reads an option's value (empty for an option without one) into the command line; returns why
// it cannot, or an empty string.
using OptionReader = QString (*)(const OptionRule& rule, const QString& value, CommandLine& into);

// What an option's value may be: a whole number from lowest to highest, or a text of at most
// highest characters; both 0 for an option without such a limit.
struct ValueRange {
    std::uint64_t lowest = 0;
    std::uint64_t highest = 0;
};

struct OptionRule {
    QLatin1StringView name = {};      // written --name (or -name)
    QLatin1StringView shortName = {}; // written -x; empty for none
    // The value as the help writes it (N, FILE.pdf), or the words it may be (write|choose|read);
    // neither for an option that takes none.
    QLatin1StringView value = {};
    QString (*words)() = nullptr;
    ValueRange range = {};
    bool required = false;
    // The activities the option applies to; nullptr for every one. Given with another
    // activity, the option is refused.
    bool (*appliesTo)(Activity) = nullptr;
    OptionReader read = nullptr;
    // What an option such as --help asks for instead of sheets, whatever else is given.
    CommandLine::Action instead = CommandLine::Action::WriteSheets;
    // What the help says of it; %1 and %2 stand for the ends of its range.
    QLatin1StringView help = {};
};

// Whether the option is followed by a value.
bool takesValue(const OptionRule& rule);

// Its value as the help and the manual write it: N, or write|choose|read; empty for none.
QString valueText(const OptionRule& rule);

// Every option, in the order they are checked: the first wrong one is reported.
std::span<const OptionRule> commandLineOptions();

// The option written with this name (without its dashes), or nullptr.
const OptionRule* findOption(QStringView name);

// The activity's name on the command line.
QLatin1StringView activityName(Activity activity);

// 'text', as error messages quote what was given.
QString quoted(const QString& text);

} // namespace sheets
