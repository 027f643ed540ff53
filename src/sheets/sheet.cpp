// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet.h"

#include "core/number_text.h"
#include "core/reading_question.h"
#include "sheets/sheet_random.h"

#include <QSet>

namespace sheets {

namespace {

// The index into SheetQuestion::decimalDigits of the digit a number label shows: Label3, the
// tenths, is the first digit after the waw; Label1, the thousandths, the last.
int digitIndex(core::NumberLabel label)
{
    return 3 - static_cast<int>(label);
}

// Keeps the four captions GenerateQuestion paints; the place it marks is in the question.
class SheetBoard final : public core::QuestionBoard {
public:
    explicit SheetBoard(SheetQuestion& target)
        : target_(target)
    {}

    void setNumberCaption(core::NumberLabel label, const QString& caption) override
    {
        if (label == core::NumberLabel::Label4) {
            target_.wholePart = caption;
        } else {
            target_.decimalDigits.at(digitIndex(label)) = caption;
        }
    }
    void setNumberColour(core::NumberLabel, core::ColourValue) override {}

private:
    SheetQuestion& target_;
};

// The place each question marks: every three questions mark the three places, in an order
// drawn from the sheet's own stream, so no place has more than one question more than another
// and no place is marked more than twice in a row.
class PlaceTurns {
public:
    int next(core::RandomSource& random)
    {
        static constexpr std::array<std::array<int, 3>, 6> kOrders = {
            {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
        if (taken_ == 3) {
            order_ = kOrders.at(core::numberBelow(random.draw(), 6));
            taken_ = 0;
        }
        return order_.at(taken_++);
    }

private:
    std::array<int, 3> order_{};
    int taken_ = 3;
};

// A place-value question marking the given place whose number is not on the sheet yet: the
// drill's own questions, drawn until one fits. The writing changes the texts alone, never which
// questions fit.
SheetQuestion placeValueQuestion(core::RandomSource& random, int place, QSet<QString>& numbers,
                                 const core::NumberWriting& writing)
{
    for (;;) {
        SheetQuestion item;
        SheetBoard board(item);
        core::GenerateQuestion(board, item.question, random, writing);
        if (markedDigit(item) != place) {
            continue;
        }
        const QString number = item.wholePart + item.decimalDigits.at(0) +
                               item.decimalDigits.at(1) + item.decimalDigits.at(2);
        if (numbers.contains(number)) {
            continue;
        }
        numbers.insert(number);
        const std::array<float, 3> values = core::choiceValues(item.question.ChosenDigit);
        for (std::size_t i = 0; i < values.size(); ++i) {
            item.candidates.at(i) = core::FormatNumber(values.at(i), writing);
        }
        item.answer = core::FormatNumber(item.question.CorrectAnswer, writing);
        return item;
    }
}

// A reading number of the reading practice's Enter table that is not on the sheet yet and has
// something after its waw.
SheetQuestion readingQuestion(core::RandomSource& random, QSet<QString>& numbers,
                              const core::NumberWriting& writing)
{
    const QString wawAndZero = u'و' + writing.writeWhole(0);
    for (;;) {
        core::ReadingNumbers drawn;
        SheetQuestion item;
        item.reading =
            core::poseReadingQuestion(drawn, core::ReadingOccasion::Enter, random, writing);
        const bool nothingAfterWaw = item.reading.endsWith(wawAndZero);
        if (nothingAfterWaw || numbers.contains(item.reading)) {
            continue;
        }
        numbers.insert(item.reading);
        return item;
    }
}

} // namespace

int markedDigit(const SheetQuestion& item)
{
    return digitIndex(core::digitLabel(item.question.Place));
}

Sheet makeSheet(const SheetOptions& options)
{
    Sheet sheet{options, {}};
    sheet.options.pupils = 1;
    SheetRandom random(options.sheetNumber, options.activity);
    QSet<QString> numbers;
    PlaceTurns places;
    sheet.questions.reserve(options.questions);
    for (int i = 0; i < options.questions; ++i) {
        sheet.questions.append(
            options.activity == Activity::Read
                ? readingQuestion(random, numbers, options.writing)
                : placeValueQuestion(random, places.next(random), numbers, options.writing));
    }
    return sheet;
}

QList<Sheet> makeClassSet(const SheetOptions& options)
{
    QList<Sheet> set;
    set.reserve(options.pupils);
    for (int pupil = 0; pupil < options.pupils; ++pupil) {
        SheetOptions own = options;
        own.sheetNumber += static_cast<std::uint64_t>(pupil);
        set.append(makeSheet(own));
    }
    return set;
}

std::uint64_t maxFirstSheetNumber(int pupils)
{
    return kMaxSheetNumber - static_cast<std::uint64_t>(std::max(pupils, 1) - 1);
}

QString answerText(const SheetQuestion& question)
{
    return question.answer;
}

bool hasAnswers(Activity activity)
{
    return activity != Activity::Read;
}

bool wantsAnswerKey(const SheetOptions& options)
{
    return options.answerKey && hasAnswers(options.activity);
}

QString instructionText(Activity activity, DigitMark mark)
{
    const QString marked = mark == DigitMark::Red ? QStringLiteral(u"للرقم الملون باللون الاحمر")
                                                  : QStringLiteral(u"للرقم الذي تحته خط");
    switch (activity) {
    case Activity::Write:
        return QStringLiteral(u"اكتب البلمزية ") + marked + QStringLiteral(u" في كل عدد");
    case Activity::Choose:
        return QStringLiteral(u"ضع دائرة حول البلمزية ") + marked + QStringLiteral(u" في كل عدد");
    case Activity::Read:
        return QStringLiteral(u"اقرأ كل عدد بصوت عال");
    }
    return {};
}

QString answerKeyTitle()
{
    return QStringLiteral(u"الاجابات الصحيحة");
}

QString sheetNumberText(std::uint64_t sheetNumber, const core::NumberWriting& writing)
{
    return QStringLiteral(u"ورقة رقم ") + writing.writeWhole(static_cast<long long>(sheetNumber));
}

} // namespace sheets
