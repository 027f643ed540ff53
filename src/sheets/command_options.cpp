// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/command_options.h"

#include <QStringList>

#include <array>

namespace sheets {

using namespace Qt::Literals::StringLiterals;

namespace {

// A word an option takes, and what it means.
template <typename Value> struct Word {
    QLatin1StringView word;
    Value value;
};

// "--activity must be write, choose or read, not 'draw'"
template <typename Value, std::size_t count>
QString readWord(const OptionRule& rule, const QString& text,
                 const std::array<Word<Value>, count>& words, Value& into)
{
    QStringList names;
    for (const Word<Value>& word : words) {
        if (text == word.word) {
            into = word.value;
            return {};
        }
        names.append(word.word);
    }
    const QString last = names.takeLast();
    return QStringLiteral("--%1 must be %2 or %3, not %4")
        .arg(rule.name, names.join(QStringLiteral(", ")), last, quoted(text));
}

// The words, as the help writes them: write|choose|read.
template <const auto& words> QString wordChoices()
{
    QStringList names;
    for (const auto& word : words) {
        names.append(word.word);
    }
    return names.join(u'|');
}

// A whole number in the rule's range, written in the digits 0 to 9 alone.
QString readWholeNumber(const OptionRule& rule, const QString& text, std::uint64_t& into)
{
    std::uint64_t value = 0;
    bool digits = !text.isEmpty() && text.size() <= 10;
    for (const QChar c : text) {
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        value = value * 10 + (c.unicode() - u'0');
    }
    if (!digits || value < rule.range.lowest || value > rule.range.highest) {
        return QStringLiteral("--%1 must be a whole number from %2 to %3, not %4")
            .arg(rule.name)
            .arg(rule.range.lowest)
            .arg(rule.range.highest)
            .arg(quoted(text));
    }
    into = value;
    return {};
}

QString readInt(const OptionRule& rule, const QString& text, int& into)
{
    std::uint64_t value = 0;
    QString error = readWholeNumber(rule, text, value);
    into = static_cast<int>(value);
    return error;
}

QString readHeaderText(const OptionRule& rule, const QString& text, QString& into)
{
    into = text.simplified();
    if (static_cast<std::uint64_t>(into.size()) > rule.range.highest) {
        return QStringLiteral("--%1 may have at most %2 characters, not %3")
            .arg(rule.name)
            .arg(rule.range.highest)
            .arg(into.size());
    }
    return {};
}

QString readFileName(const OptionRule& rule, const QString& text, QString& into)
{
    into = text;
    return text.isEmpty() ? QStringLiteral("--%1 needs a file name").arg(rule.name) : QString();
}

constexpr std::array<Word<Activity>, 3> kActivities = {
    {{QLatin1StringView("write"), Activity::Write},
     {QLatin1StringView("choose"), Activity::Choose},
     {QLatin1StringView("read"), Activity::Read}}};
constexpr std::array<Word<DigitMark>, 2> kMarks = {
    {{QLatin1StringView("red"), DigitMark::Red},
     {QLatin1StringView("underline"), DigitMark::Underline}}};
constexpr std::array<Word<core::DigitSet>, 2> kDigitSets = {
    {{QLatin1StringView("western"), core::DigitSet::Western},
     {QLatin1StringView("arabic"), core::DigitSet::ArabicIndic}}};
constexpr std::array<Word<core::SeparatorKind>, 3> kSeparators = {
    {{QLatin1StringView("point"), core::SeparatorKind::Point},
     {QLatin1StringView("comma"), core::SeparatorKind::Comma},
     {QLatin1StringView("arabic"), core::SeparatorKind::ArabicDecimal}}};

constexpr ValueRange kHeaderText = {0, kMaxHeaderText};

// Adding an option is adding a row here.
constexpr auto kOptions = std::to_array<OptionRule>({
    {.name = "help"_L1, .shortName = "h"_L1, .instead = CommandLine::Action::Help},
    {.name = "version"_L1, .instead = CommandLine::Action::Version},
    {.name = "activity"_L1,
     .words = wordChoices<kActivities>,
     .required = true,
     .read =
         [](const OptionRule& rule, const QString& value, CommandLine& into) {
             return readWord(rule, value, kActivities, into.options.activity);
         },
     .help = "write: write the value of the marked digit; choose: circle it among three "
             "values; read: numbers to read aloud"_L1},
    {.name = "questions"_L1,
     .value = "N"_L1,
     .range = {kMinQuestions, kMaxQuestions},
     .required = true,
     .read = [](const OptionRule& rule, const QString& value,
                CommandLine& into) { return readInt(rule, value, into.options.questions); },
     .help = "how many questions on each sheet, %1 to %2"_L1},
    {.name = "seed"_L1,
     .value = "S"_L1,
     .range = {0, kMaxSheetNumber},
     .required = true,
     .read =
         [](const OptionRule& rule, const QString& value, CommandLine& into) {
             return readWholeNumber(rule, value, into.options.sheetNumber);
         },
     .help = "the sheet number, %1 to %2: the same number and activity give the same sheet"_L1},
    {.name = "pupils"_L1,
     .value = "N"_L1,
     .range = {kMinPupils, kMaxPupils},
     .read = [](const OptionRule& rule, const QString& value,
                CommandLine& into) { return readInt(rule, value, into.options.pupils); },
     .help = "a class set: N different sheets (%1 to %2), numbered S, S+1, ..."_L1},
    {.name = "answers"_L1,
     .appliesTo = hasAnswers,
     .read =
         [](const OptionRule&, const QString&, CommandLine& into) {
             into.options.answerKey = true;
             return QString();
         },
     .help = "add the answer keys, together after the sheets"_L1},
    {.name = "key-output"_L1,
     .value = "FILE.pdf"_L1,
     .appliesTo = hasAnswers,
     .read =
         [](const OptionRule& rule, const QString& value, CommandLine& into) {
             into.options.answerKey = true;
             return readFileName(rule, value, into.keyOutput);
         },
     .help = "write the answer keys to a file of their own"_L1},
    {.name = "mark"_L1,
     .words = wordChoices<kMarks>,
     .appliesTo = hasAnswers,
     .read = [](const OptionRule& rule, const QString& value,
                CommandLine& into) { return readWord(rule, value, kMarks, into.options.mark); },
     .help = "how the chosen digit stands out: red (the default) or underline, bold and "
             "underlined for black-and-white printers"_L1},
    {.name = "school"_L1,
     .value = "TEXT"_L1,
     .range = kHeaderText,
     .read = [](const OptionRule& rule, const QString& value,
                CommandLine& into) { return readHeaderText(rule, value, into.options.school); },
     .help = "the school's name, a header line of at most %2 characters"_L1},
    {.name = "class"_L1,
     .value = "TEXT"_L1,
     .range = kHeaderText,
     .read = [](const OptionRule& rule, const QString& value,
                CommandLine& into) { return readHeaderText(rule, value, into.options.className); },
     .help = "the class, a header line of at most %2 characters"_L1},
    {.name = "name-line"_L1,
     .read =
         [](const OptionRule&, const QString&, CommandLine& into) {
             into.options.nameAndDateLine = true;
             return QString();
         },
     .help = "a line for the pupil's name and the date (and the score) on every page"_L1},
    // The regional settings' writing, but for what is named.
    {.name = "digits"_L1,
     .words = wordChoices<kDigitSets>,
     .read =
         [](const OptionRule& rule, const QString& value, CommandLine& into) {
             core::DigitSet digits{};
             QString error = readWord(rule, value, kDigitSets, digits);
             into.options.writing = into.options.writing.withDigits(digits);
             return error;
         },
     .help = "the digits of every number: western (0123456789) or arabic (Arabic-Indic, as in "
             "Egypt and the Gulf); unless given, as the regional settings write them"_L1},
    // The numbers to read are whole numbers: they have no decimal separator.
    {.name = "separator"_L1,
     .words = wordChoices<kSeparators>,
     .appliesTo = hasAnswers,
     .read =
         [](const OptionRule& rule, const QString& value, CommandLine& into) {
             core::SeparatorKind separator{};
             QString error = readWord(rule, value, kSeparators, separator);
             into.options.writing = into.options.writing.withSeparator(separator);
             return error;
         },
     .help = "the decimal separator: point (0.5), comma (0,5) or arabic (U+066B); unless "
             "given, the regional settings' one"_L1},
    {.name = "output"_L1,
     .value = "FILE.pdf|-"_L1,
     .required = true,
     .read = [](const OptionRule& rule, const QString& value,
                CommandLine& into) { return readFileName(rule, value, into.output); },
     .help = "the PDF file to write, or - for standard output; a file is replaced only when "
             "the sheets are complete"_L1},
});

} // namespace

bool takesValue(const OptionRule& rule)
{
    return !rule.value.isEmpty() || rule.words != nullptr;
}

QString valueText(const OptionRule& rule)
{
    return rule.words != nullptr ? rule.words() : QString(rule.value);
}

std::span<const OptionRule> commandLineOptions()
{
    return kOptions;
}

const OptionRule* findOption(QStringView name)
{
    for (const OptionRule& rule : kOptions) {
        if (name == rule.name || (!rule.shortName.isEmpty() && name == rule.shortName)) {
            return &rule;
        }
    }
    return nullptr;
}

QLatin1StringView activityName(Activity activity)
{
    for (const Word<Activity>& word : kActivities) {
        if (word.value == activity) {
            return word.word;
        }
    }
    return {};
}

QString quoted(const QString& text)
{
    return u'\'' + text + u'\'';
}

} // namespace sheets
