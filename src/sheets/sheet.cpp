// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet.h"

#include "core/number_text.h"
#include "core/reading_question.h"
#include "sheets/sheet_random.h"

namespace sheets {

namespace {

// Keeps what GenerateQuestion paints: the four captions and which digit ended up red.
class SheetBoard final : public QuestionBoard {
public:
    explicit SheetBoard(SheetQuestion& target)
        : target_(target)
    {}

    void setNumberCaption(NumberLabel label, const QString& caption) override
    {
        if (label == NumberLabel::Label4) {
            target_.wholePart = caption;
        } else {
            target_.decimalDigits.at(digitIndex(label)) = caption;
        }
    }
    void setNumberColour(NumberLabel label, core::ColourValue colour) override
    {
        if (label != NumberLabel::Label4 && colour == kChosenDigitColour) {
            target_.markedDigit = digitIndex(label);
        }
    }

private:
    // Label3 holds the tenths, the first digit after the waw; Label1 the thousandths, the last.
    static int digitIndex(NumberLabel label) { return 3 - static_cast<int>(label); }

    SheetQuestion& target_;
};

} // namespace

Sheet makeSheet(const SheetOptions& options)
{
    Sheet sheet{options, {}};
    SheetRandom random(options.sheetNumber);
    sheet.questions.reserve(options.questions);
    for (int i = 0; i < options.questions; ++i) {
        SheetQuestion item;
        if (options.activity == Activity::Read) {
            ReadingNumbers numbers;
            item.reading =
                poseReadingQuestion(numbers, ReadingOccasion::Enter, random, options.writing);
        } else {
            SheetBoard board(item);
            GenerateQuestion(board, item.question, random, options.writing);
            const float digit = item.question.ChosenDigit;
            item.candidates = {
                FormatNumber(placeValue(digit, kThousandthsDivisor), options.writing),
                FormatNumber(placeValue(digit, kHundredthsDivisor), options.writing),
                FormatNumber(placeValue(digit, kTenthsDivisor), options.writing)};
            item.answer = FormatNumber(item.question.CorrectAnswer, options.writing);
        }
        sheet.questions.append(item);
    }
    return sheet;
}

QString answerText(const SheetQuestion& question)
{
    return question.answer;
}

bool hasAnswers(Activity activity)
{
    return activity != Activity::Read;
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

QString questionNumberText(int number, const core::NumberWriting& writing)
{
    const QString digits = writing.writeWhole(number);
    return writing.zeroDigit() == U'0' ? digits + u'.' : u'(' + digits + u')';
}

} // namespace sheets
