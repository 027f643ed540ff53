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

// Each place's digit, divisor and label, in the order of DecimalPlace.
struct PlaceRow {
    float PlaceValueQuestion::*digit;
    float divisor;
    NumberLabel label;
};
constexpr std::array<PlaceRow, 3> kPlaces = {
    {{&PlaceValueQuestion::ThousandthsDigit, kThousandthsDivisor, NumberLabel::Label1},
     {&PlaceValueQuestion::HundredthsDigit, kHundredthsDivisor, NumberLabel::Label2},
     {&PlaceValueQuestion::TenthsDigit, kTenthsDivisor, NumberLabel::Label3}}};

const PlaceRow& rowOf(DecimalPlace place)
{
    return kPlaces.at(static_cast<std::size_t>(place));
}

} // namespace

NumberLabel digitLabel(DecimalPlace place)
{
    return rowOf(place).label;
}

std::array<float, 3> choiceValues(float chosenDigit)
{
    std::array<float, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values.at(i) = placeValue(chosenDigit, kChoiceDivisors.at(i));
    }
    return values;
}

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
        const auto place = static_cast<DecimalPlace>(core::numberBelow(random.draw(), 3));

        board.setNumberCaption(NumberLabel::Label1,
                               FormatNumber(question.ThousandthsDigit, writing));
        board.setNumberCaption(NumberLabel::Label2,
                               FormatNumber(question.HundredthsDigit, writing));
        board.setNumberCaption(NumberLabel::Label3, FormatNumber(question.TenthsDigit, writing));
        board.setNumberCaption(NumberLabel::Label4, wholePartCaption(question.WholePart, writing));

        const float digit = question.*rowOf(place).digit;
        if (digit == 0) {
            continue;
        }
        board.setNumberColour(digitLabel(place), kChosenDigitColour);
        question.ChosenDigit = digit;
        question.CorrectAnswer = placeValue(digit, rowOf(place).divisor);
        question.Place = place;
        return;
    }
}

} // namespace core
