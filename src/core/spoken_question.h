// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader says of a place-value question: what a seeing pupil is shown and no more.
// The number as it stands, the red digit in words and where it stands after the waw (the first,
// second or third digit), never the name of its place (tenths ...), which is what is asked.

#include "core/number_writing.h"
#include "core/place_value_question.h"

#include <QString>

namespace core {

// Where the chosen digit stands after the waw: 1 (tenths), 2 (hundredths) or 3 (thousandths);
// 0 before a question is made.
int chosenDigitPosition(const PlaceValueQuestion& question);

// The chosen digit, in words, and where it stands, e.g. "الرقم الملون باللون الاحمر هو ستة، الرقم
// الثاني بعد الواو"; empty before a question is made.
QString chosenDigitDescription(const PlaceValueQuestion& question);

// The whole question: "العدد", the number as the screen shows it (the whole part, the waw, then
// the decimal digits one by one, in the writing given), then the chosen digit's description.
QString spokenQuestion(const PlaceValueQuestion& question,
                       const NumberWriting& writing = regionalWriting());

} // namespace core
