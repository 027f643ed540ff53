// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/command_line.h"

#include "sheets/sheet_writer.h"

#include <QCommandLineParser>

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <utility>

namespace sheets {

namespace {

// A whole number written in the digits 0 to 9 alone, at most nine of them.
std::optional<std::uint64_t> readWholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 9) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// What a name among the allowed ones stands for; none for any other name.
template <typename Value>
std::optional<Value> named(const QString& name,
                           std::initializer_list<std::pair<const char*, Value>> allowed)
{
    for (const auto& [text, value] : allowed) {
        if (name == QLatin1String(text)) {
            return value;
        }
    }
    return std::nullopt;
}

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
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption activity(QStringLiteral("activity"), {}, QStringLiteral("ACTIVITY"));
    const QCommandLineOption questions(QStringLiteral("questions"), {}, QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("S"));
    const QCommandLineOption answers(QStringLiteral("answers"));
    const QCommandLineOption mark(QStringLiteral("mark"), {}, QStringLiteral("MARK"));
    const QCommandLineOption school(QStringLiteral("school"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption className(QStringLiteral("class"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption nameLine(QStringLiteral("name-line"));
    const QCommandLineOption digits(QStringLiteral("digits"), {}, QStringLiteral("DIGITS"));
    const QCommandLineOption separator(QStringLiteral("separator"), {}, QStringLiteral("SEP"));
    const QCommandLineOption output(QStringLiteral("output"), {}, QStringLiteral("FILE"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({activity, questions, seed, answers, mark, school, className, nameLine,
                       digits, separator, output, help, version});

    if (!parser.parse(QStringList{QStringLiteral("placevalue-sheets")} + arguments)) {
        return failure(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(QStringLiteral("unexpected argument '%1' (see --help)")
                           .arg(parser.positionalArguments().constFirst()));
    }
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1) {
            return failure(QStringLiteral("--%1 is given more than once").arg(name));
        }
    }
    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    for (const QCommandLineOption* required : {&activity, &questions, &seed, &output}) {
        if (!parser.isSet(*required)) {
            return failure(
                QStringLiteral("--%1 is missing (see --help)").arg(required->names().constFirst()));
        }
    }

    SheetOptions& options = result.options;
    const QString activityName = parser.value(activity);
    if (activityName == QLatin1String("write")) {
        options.activity = Activity::Write;
    } else if (activityName == QLatin1String("choose")) {
        options.activity = Activity::Choose;
    } else if (activityName == QLatin1String("read")) {
        options.activity = Activity::Read;
    } else {
        return failure(
            QStringLiteral("--activity must be write, choose or read, not '%1'").arg(activityName));
    }
    const auto count = readWholeNumber(parser.value(questions));
    if (!count || *count < kMinQuestions || *count > kMaxQuestions) {
        return failure(QStringLiteral("--questions must be a whole number from %1 to %2, not '%3'")
                           .arg(kMinQuestions)
                           .arg(kMaxQuestions)
                           .arg(parser.value(questions)));
    }
    options.questions = static_cast<int>(*count);
    const auto number = readWholeNumber(parser.value(seed));
    if (!number) {
        return failure(QStringLiteral("--seed must be a whole number from 0 to %1, not '%2'")
                           .arg(kMaxSheetNumber)
                           .arg(parser.value(seed)));
    }
    options.sheetNumber = *number;
    if (parser.isSet(mark)) {
        const QString markName = parser.value(mark);
        if (markName == QLatin1String("red")) {
            options.mark = DigitMark::Red;
        } else if (markName == QLatin1String("underline")) {
            options.mark = DigitMark::Underline;
        } else {
            return failure(
                QStringLiteral("--mark must be red or underline, not '%1'").arg(markName));
        }
    }
    options.answerKey = parser.isSet(answers);
    if (options.answerKey && !hasAnswers(options.activity)) {
        return failure(QStringLiteral("--answers: the read activity has no answers to list"));
    }
    options.school = parser.value(school).simplified();
    options.className = parser.value(className).simplified();
    options.nameAndDateLine = parser.isSet(nameLine);
    // The regional settings' writing, but for what is named.
    if (parser.isSet(digits)) {
        const auto set =
            named<core::DigitSet>(parser.value(digits), {{"western", core::DigitSet::Western},
                                                         {"arabic", core::DigitSet::ArabicIndic}});
        if (!set) {
            return failure(QStringLiteral("--digits must be western or arabic, not '%1'")
                               .arg(parser.value(digits)));
        }
        options.writing = options.writing.withDigits(*set);
    }
    if (parser.isSet(separator)) {
        const auto kind = named<core::SeparatorKind>(
            parser.value(separator), {{"point", core::SeparatorKind::Point},
                                      {"comma", core::SeparatorKind::Comma},
                                      {"arabic", core::SeparatorKind::ArabicDecimal}});
        if (!kind) {
            return failure(QStringLiteral("--separator must be point, comma or arabic, not '%1'")
                               .arg(parser.value(separator)));
        }
        options.writing = options.writing.withSeparator(*kind);
    }
    result.output = parser.value(output);
    if (result.output.isEmpty()) {
        return failure(QStringLiteral("--output needs a file name"));
    }
    result.action = CommandLine::Action::WriteSheet;
    return result;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: placevalue-sheets --activity write|choose|read --questions N --seed S\n"
        "                         [--answers] [--mark red|underline] [--school TEXT]\n"
        "                         [--class TEXT] [--name-line] [--digits western|arabic]\n"
        "                         [--separator point|comma|arabic] --output FILE.pdf\n"
        "       placevalue-sheets --help | --version\n"
        "Makes a place-value worksheet as an A4 PDF. Without arguments it opens its window.\n"
        "\n"
        "  --activity   write: write the value of the marked digit; choose: circle it among\n"
        "               three values; read: numbers to read aloud\n"
        "  --questions  how many questions, 10 to 60\n"
        "  --seed       the sheet number, 0 to 999999999: the same number gives the same sheet\n"
        "  --answers    add the answer key on a page of its own (not with read)\n"
        "  --mark       how the chosen digit stands out: red (the default) or underline\n"
        "               (bold and underlined, for black-and-white printers)\n"
        "  --school, --class  header lines; --name-line  a line for the pupil's name and date\n"
        "  --digits     the digits of every number: western (0123456789) or arabic\n"
        "               (Arabic-Indic, as in Egypt and the Gulf); --separator  the decimal\n"
        "               separator: point (0.5), comma (0,5) or arabic (U+066B); both as the\n"
        "               regional settings write numbers unless given\n"
        "  --output     the PDF file to write; it is replaced only when the sheet is complete\n"
        "\n"
        "Exit status: 0 when the sheet is written, 2 for a wrong option or an output that\n"
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
    case CommandLine::Action::WriteSheet:
        break;
    }
    const QString error = writeSheetPdf(makeSheet(commandLine.options), commandLine.output);
    if (!error.isEmpty()) {
        printLine(stderr, QStringLiteral("placevalue-sheets: ") + error);
        return kExitUsage;
    }
    return kExitDone;
}

} // namespace sheets
