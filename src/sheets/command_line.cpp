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
            if (!rule->takesValue) {
                return failure(QStringLiteral("%1 takes no value").arg(name));
            }
            value = written.mid(equals + 1).toString();
        } else if (rule->takesValue) {
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
            const QString error = rule.read != nullptr ? rule.read(g.value, result) : QString();
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

QString usageText()
{
    return QStringLiteral(
        "Usage: placevalue-sheets --activity write|choose|read --questions N --seed S\n"
        "                         [--pupils N] [--answers] [--key-output FILE.pdf]\n"
        "                         [--mark red|underline] [--school TEXT] [--class TEXT]\n"
        "                         [--name-line] [--digits western|arabic]\n"
        "                         [--separator point|comma|arabic] --output FILE.pdf|-\n"
        "       placevalue-sheets --help | -h | --version\n"
        "Makes place-value worksheets as an A4 PDF. Without arguments it opens its window.\n"
        "\n"
        "  --activity    write: write the value of the marked digit; choose: circle it among\n"
        "                three values; read: numbers to read aloud\n"
        "  --questions   how many questions on each sheet, 10 to 60\n"
        "  --seed        the sheet number, 0 to 999999999: the same number and activity give\n"
        "                the same sheet\n"
        "  --pupils      a class set: N different sheets (1 to 60), numbered S, S+1, ...\n"
        "  --answers     add the answer keys, together after the sheets (not with read)\n"
        "  --key-output  write the answer keys to a file of their own (not with read)\n"
        "  --mark        how the chosen digit stands out: red (the default) or underline\n"
        "                (bold and underlined, for black-and-white printers; not with read)\n"
        "  --school, --class  header lines, at most 200 characters each\n"
        "  --name-line   a line for the pupil's name and the date (and the score) on every page\n"
        "  --digits      the digits of every number: western (0123456789) or arabic\n"
        "                (Arabic-Indic, as in Egypt and the Gulf)\n"
        "  --separator   the decimal separator: point (0.5), comma (0,5) or arabic (U+066B)\n"
        "                (not with read); unless given, both follow the regional settings\n"
        "  --output      the PDF file to write, or - for standard output; a file is replaced\n"
        "                only when the sheets are complete\n"
        "\n"
        "Exit status: 0 when the sheets are written, 2 for a wrong option or an output that\n"
        "cannot be written (nothing is written then).");
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
