// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/place_value_question.h"

#include "core/number_text.h"
#include "core/random_source.h"

namespace core {

namespace {

float drawBelow(core::RandomSource& random, int n)
{
    return static_cast<float>(core::numberBelow(random.draw(), n));
}

} // namespace

QString wholePartCaption(float wholePart, const core::NumberWriting& writing)
{
    return QStringLiteral(u" و") + FormatNumber(wholePart, writing);
}

void GenerateQuestion(QuestionBoard& board, PlaceValueQuestion& question,
                      core::RandomSource& random, const core::NumberWriting& writing)
{
    random.reseedFromClock();
    for (;;) {
        board.setNumberColour(NumberLabel::Label1, kDigitColour);
        board.setNumberColour(NumberLabel::Label2, kDigitColour);
        board.setNumberColour(NumberLabel::Label3, kDigitColour);

        question.ThousandthsDigit = drawBelow(random, 10);
        question.HundredthsDigit = drawBelow(random, 10);
        question.TenthsDigit = drawBelow(random, 10);
        question.WholePart = drawBelow(random, 1000);
        const int place = core::numberBelow(random.draw(), 3);

        board.setNumberCaption(NumberLabel::Label1,
                               FormatNumber(question.ThousandthsDigit, writing));
        board.setNumberCaption(NumberLabel::Label2,
                               FormatNumber(question.HundredthsDigit, writing));
        board.setNumberCaption(NumberLabel::Label3, FormatNumber(question.TenthsDigit, writing));
        board.setNumberCaption(NumberLabel::Label4, wholePartCaption(question.WholePart, writing));

        float digit = 0;
        float divisor = 0;
        NumberLabel label = NumberLabel::Label1;
        switch (place) {
        case 0:
            digit = question.ThousandthsDigit;
            divisor = kThousandthsDivisor;
            label = NumberLabel::Label1;
            break;
        case 1:
            digit = question.HundredthsDigit;
            divisor = kHundredthsDivisor;
            label = NumberLabel::Label2;
            break;
        default:
            digit = question.TenthsDigit;
            divisor = kTenthsDivisor;
            label = NumberLabel::Label3;
            break;
        }
        if (digit == 0) {
            continue;
        }
        board.setNumberColour(label, kChosenDigitColour);
        question.ChosenDigit = digit;
        question.CorrectAnswer = placeValue(digit, divisor);
        return;
    }
}

} // namespace core
