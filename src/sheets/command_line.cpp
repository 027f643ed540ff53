// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/command_line.h"

#include "sheets/command_options.h"
#include "sheets/sheet_writer.h"

#include <QList>

#include <algorithm>
#include <cstdio>

namespace sheets {

namespace {

CommandLine failure(const QString& message)
{
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = message;
    return result;
}

void printLine(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    struct Given {
        const OptionRule* rule;
        QString value;
    };
    QList<Given> given;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(u'-') || argument == kStandardOutput) {
            return failure(
                QStringLiteral("unexpected argument %1 (see --help)").arg(quoted(argument)));
        }
        const QStringView written = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = written.indexOf(u'=');
        const OptionRule* rule = findOption(written.left(equals));
        if (rule == nullptr) {
            return failure(QStringLiteral("unknown option %1 (see --help)")
                               .arg(quoted(argument.left(argument.indexOf(u'=')))));
        }
        const QString name = QStringLiteral("--") + rule->name;
        for (const Given& earlier : given) {
            if (earlier.rule == rule) {
                return failure(QStringLiteral("%1 is given more than once").arg(name));
            }
        }
        QString value;
        if (equals >= 0) {
            if (!takesValue(*rule)) {
                return failure(QStringLiteral("%1 takes no value").arg(name));
            }
            value = written.mid(equals + 1).toString();
        } else if (takesValue(*rule)) {
            if (i + 1 == arguments.size()) {
                return failure(QStringLiteral("%1 needs a value (see --help)").arg(name));
            }
            value = arguments.at(++i);
        }
        given.append({rule, value});
    }

    CommandLine result;
    const auto isGiven = [&](const OptionRule& rule) {
        return std::any_of(given.begin(), given.end(),
                           [&](const Given& g) { return g.rule == &rule; });
    };
    for (const OptionRule& rule : commandLineOptions()) {
        if (rule.instead != CommandLine::Action::WriteSheets && isGiven(rule)) {
            result.action = rule.instead;
            return result;
        }
    }
    for (const OptionRule& rule : commandLineOptions()) {
        if (rule.required && !isGiven(rule)) {
            return failure(QStringLiteral("--%1 is missing (see --help)").arg(rule.name));
        }
    }
    for (const OptionRule& rule : commandLineOptions()) {
        for (const Given& g : given) {
            if (g.rule != &rule) {
                continue;
            }
            const QString error =
                rule.read != nullptr ? rule.read(rule, g.value, result) : QString();
            if (!error.isEmpty()) {
                return failure(error);
            }
        }
    }
    SheetOptions& options = result.options;
    for (const Given& g : given) {
        if (g.rule->appliesTo != nullptr && !g.rule->appliesTo(options.activity)) {
            return failure(QStringLiteral("--%1 does not apply to the %2 activity")
                               .arg(g.rule->name, activityName(options.activity)));
        }
    }
    if (options.sheetNumber > maxFirstSheetNumber(options.pupils)) {
        return failure(QStringLiteral("--seed %1 with --pupils %2 would pass the last sheet "
                                      "number, %3")
                           .arg(options.sheetNumber)
                           .arg(options.pupils)
                           .arg(kMaxSheetNumber));
    }
    if (!result.keyOutput.isEmpty() && result.keyOutput == result.output) {
        return failure(QStringLiteral("--key-output must name another file than --output"));
    }
    result.action = CommandLine::Action::WriteSheets;
    return result;
}

QString versionText()
{
    return QStringLiteral("placevalue-sheets " PLACEVALUE_VERSION);
}

int runCommandLine(const CommandLine& commandLine)
{
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        printLine(stdout, usageText());
        return kExitDone;
    case CommandLine::Action::Version:
        printLine(stdout, versionText());
        return kExitDone;
    case CommandLine::Action::Error:
        printLine(stderr, QStringLiteral("placevalue-sheets: ") + commandLine.error);
        return kExitUsage;
    case CommandLine::Action::WriteSheets:
        break;
    }
    const QString error = writeSheetsPdf(makeClassSet(commandLine.options), commandLine.output,
                                         commandLine.keyOutput);
    if (!error.isEmpty()) {
        printLine(stderr, QStringLiteral("placevalue-sheets: ") + error);
        return kExitUsage;
    }
    return kExitDone;
}

} // namespace sheets
