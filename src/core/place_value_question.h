// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A place-value question: a number with a whole part and three decimal digits, one decimal
// digit chosen (shown red), and the value that digit has because of its place.

#include "core/colour_value.h"
#include "core/number_writing.h"

#include <QString>

#include <array>

namespace core {

class RandomSource;

// The three decimal places, numbered as GenerateQuestion draws them.
enum class DecimalPlace { Thousandths = 0, Hundredths = 1, Tenths = 2 };

struct PlaceValueQuestion {
    float ThousandthsDigit = 0; // shown in Label1
    float HundredthsDigit = 0;  // shown in Label2
    float TenthsDigit = 0;      // shown in Label3
    float WholePart = 0;        // shown in Label4
    float ChosenDigit = 0;      // copy of the digit at the chosen place, 1 to 9
    float CorrectAnswer = 0;    // ChosenDigit / the place's divisor, at single precision
    DecimalPlace Place = DecimalPlace::Thousandths; // where ChosenDigit stands (the red label)
};

// The four number labels of an exercise screen; Label1 to Label3 hold the thousandths,
// hundredths and tenths digit, Label4 the whole part.
enum class NumberLabel { Label1 = 1, Label2 = 2, Label3 = 3, Label4 = 4 };

// Where GenerateQuestion paints the question.
class QuestionBoard {
public:
    QuestionBoard() = default;
    QuestionBoard(const QuestionBoard&) = delete;
    QuestionBoard& operator=(const QuestionBoard&) = delete;
    virtual ~QuestionBoard() = default;

    virtual void setNumberCaption(NumberLabel label, const QString& caption) = 0;
    virtual void setNumberColour(NumberLabel label, core::ColourValue colour) = 0;
};

inline constexpr core::ColourValue kDigitColour = core::kSystemHighlightedTextColour;
inline constexpr core::ColourValue kChosenDigitColour = core::rgb(255, 0, 0);

// Divisors of the three decimal places, by the clicked candidate or the drawn place.
inline constexpr float kThousandthsDivisor = 1000;
inline constexpr float kHundredthsDivisor = 100;
inline constexpr float kTenthsDivisor = 10;

// A digit's value at the place with this divisor, computed at single precision.
inline float placeValue(float digit, float divisor)
{
    return digit / divisor;
}

// The label that shows a place's digit: Label1 the thousandths, Label3 the tenths.
NumberLabel digitLabel(DecimalPlace place);

// The divisors of the three values the choose exercise offers, in the order of its Label6,
// Label7 and Label8: the chosen digit as thousandths, as hundredths and as tenths.
inline constexpr std::array<float, 3> kChoiceDivisors = {kThousandthsDivisor, kHundredthsDivisor,
                                                         kTenthsDivisor};

// The three values offered for a chosen digit, in the order of kChoiceDivisors; exactly one of
// them is the question's CorrectAnswer.
std::array<float, 3> choiceValues(float chosenDigit);

// The caption of the whole-part label: a blank, the letter waw, then the whole part.
QString wholePartCaption(float wholePart,
                         const core::NumberWriting& writing = core::regionalWriting());

// Reseeds the generator, draws until the chosen digit is not 0 (each attempt redraws all five
// numbers and repaints all four labels), then colours the chosen digit red and stores the answer.
// The captions are written in the writing given, or else the regional settings'.
void GenerateQuestion(QuestionBoard& board, PlaceValueQuestion& question,
                      core::RandomSource& random,
                      const core::NumberWriting& writing = core::regionalWriting());

} // namespace core
