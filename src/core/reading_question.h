// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The reading practice's question: two whole numbers joined by the letter waw, the way the
// whole and the fractional part of a decimal number are joined when it is read aloud.

#include "core/number_writing.h"

#include <QString>
#include <QtGlobal>

namespace core {

class RandomSource;

// The five numbers a question is drawn from; all five are drawn again for every question.
struct ReadingNumbers {
    qint16 OneDigit = 0;     // 0 to 9
    qint16 TwoDigitA = 0;    // 0 to 98
    qint16 ThreeDigit = 0;   // 0 to 998
    qint16 TwoDigitB = 0;    // 0 to 98
    qint16 QuestionKind = 0; // 0 to 9, picks the row of the table
};

// The question made when the screen is loaded, and every question made by Enter after it.
enum class ReadingOccasion { Opening, Enter };

// text(P), the letter waw, text(Q): plain digits, no spaces, no leading zeros, in the writing
// given or else the regional settings'.
QString readingCaption(int first, int second,
                       const core::NumberWriting& writing = core::regionalWriting());

// Reseeds, draws the five numbers (QuestionKind first) and builds the caption by the occasion's
// table, in the writing given or else the regional settings'. Kind 8 on Enter draws a sixth,
// unstored number.
QString poseReadingQuestion(ReadingNumbers& numbers, ReadingOccasion occasion,
                            core::RandomSource& random,
                            const core::NumberWriting& writing = core::regionalWriting());

} // namespace core
