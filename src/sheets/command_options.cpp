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
QString readWord(QLatin1StringView option, const QString& text,
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
        .arg(option, names.join(QStringLiteral(", ")), last, quoted(text));
}

// A whole number written in the digits 0 to 9 alone, from lowest to highest.
QString readWholeNumber(QLatin1StringView option, const QString& text, std::uint64_t lowest,
                        std::uint64_t highest, std::uint64_t& into)
{
    std::uint64_t value = 0;
    bool digits = !text.isEmpty() && text.size() <= 10;
    for (const QChar c : text) {
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        value = value * 10 + (c.unicode() - u'0');
    }
    if (!digits || value < lowest || value > highest) {
        return QStringLiteral("--%1 must be a whole number from %2 to %3, not %4")
            .arg(option)
            .arg(lowest)
            .arg(highest)
            .arg(quoted(text));
    }
    into = value;
    return {};
}

QString readInt(QLatin1StringView option, const QString& text, int lowest, int highest, int& into)
{
    std::uint64_t value = 0;
    QString error = readWholeNumber(option, text, static_cast<std::uint64_t>(lowest),
                                    static_cast<std::uint64_t>(highest), value);
    into = static_cast<int>(value);
    return error;
}

QString readHeaderText(QLatin1StringView option, const QString& text, QString& into)
{
    into = text.simplified();
    if (into.size() > kMaxHeaderText) {
        return QStringLiteral("--%1 may have at most %2 characters, not %3")
            .arg(option)
            .arg(kMaxHeaderText)
            .arg(into.size());
    }
    return {};
}

QString readFileName(QLatin1StringView option, const QString& text, QString& into)
{
    into = text;
    return text.isEmpty() ? QStringLiteral("--%1 needs a file name").arg(option) : QString();
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

// Adding an option is adding a row here.
constexpr auto kOptions = std::to_array<OptionRule>({
    {.name = "help"_L1, .shortName = "h"_L1, .instead = CommandLine::Action::Help},
    {.name = "version"_L1, .instead = CommandLine::Action::Version},
    {.name = "activity"_L1,
     .takesValue = true,
     .required = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readWord("activity"_L1, value, kActivities, into.options.activity);
         }},
    {.name = "questions"_L1,
     .takesValue = true,
     .required = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readInt("questions"_L1, value, kMinQuestions, kMaxQuestions,
                            into.options.questions);
         }},
    {.name = "seed"_L1,
     .takesValue = true,
     .required = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readWholeNumber("seed"_L1, value, 0, kMaxSheetNumber, into.options.sheetNumber);
         }},
    {.name = "pupils"_L1,
     .takesValue = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readInt("pupils"_L1, value, kMinPupils, kMaxPupils, into.options.pupils);
         }},
    {.name = "answers"_L1,
     .appliesTo = hasAnswers,
     .read =
         [](const QString&, CommandLine& into) {
             into.options.answerKey = true;
             return QString();
         }},
    {.name = "key-output"_L1,
     .takesValue = true,
     .appliesTo = hasAnswers,
     .read =
         [](const QString& value, CommandLine& into) {
             into.options.answerKey = true;
             return readFileName("key-output"_L1, value, into.keyOutput);
         }},
    {.name = "mark"_L1,
     .takesValue = true,
     .appliesTo = hasAnswers,
     .read =
         [](const QString& value, CommandLine& into) {
             return readWord("mark"_L1, value, kMarks, into.options.mark);
         }},
    {.name = "school"_L1,
     .takesValue = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readHeaderText("school"_L1, value, into.options.school);
         }},
    {.name = "class"_L1,
     .takesValue = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readHeaderText("class"_L1, value, into.options.className);
         }},
    {.name = "name-line"_L1,
     .read =
         [](const QString&, CommandLine& into) {
             into.options.nameAndDateLine = true;
             return QString();
         }},
    // The regional settings' writing, but for what is named.
    {.name = "digits"_L1,
     .takesValue = true,
     .read =
         [](const QString& value, CommandLine& into) {
             core::DigitSet digits{};
             QString error = readWord("digits"_L1, value, kDigitSets, digits);
             into.options.writing = into.options.writing.withDigits(digits);
             return error;
         }},
    // The numbers to read are whole numbers: they have no decimal separator.
    {.name = "separator"_L1,
     .takesValue = true,
     .appliesTo = hasAnswers,
     .read =
         [](const QString& value, CommandLine& into) {
             core::SeparatorKind separator{};
             QString error = readWord("separator"_L1, value, kSeparators, separator);
             into.options.writing = into.options.writing.withSeparator(separator);
             return error;
         }},
    {.name = "output"_L1,
     .takesValue = true,
     .required = true,
     .read =
         [](const QString& value, CommandLine& into) {
             return readFileName("output"_L1, value, into.output);
         }},
});

} // namespace

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
