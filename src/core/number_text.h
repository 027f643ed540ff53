// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How numbers become text on the exercise screens, and how a typed answer becomes a number.

#include "core/number_writing.h"

#include <QString>
#include <QStringView>

namespace core {

// Shortest decimal text with at most seven significant digits, no grouping, no trailing zeros,
// a zero before the separator below 1 ("0.07", "305", "0.007"), in the writing given or else
// the regional settings' ("٠٫٠٧" under Egyptian Arabic, "0,07" under French).
QString FormatNumber(double value, const core::NumberWriting& writing = core::regionalWriting());

// The number at the start of a typed text: blanks are skipped anywhere, then an optional sign,
// digits with at most one decimal point and an optional exponent (E or D, either case). Digits
// are the universal ones (0 to 9, ٠ to ٩, ۰ to ۹) or the writing's own, mixed freely; the
// decimal point is "." or "٫" or the writing's separator (so a comma only where the writing
// writes one). The rest is ignored; a text without such a start reads as 0. Too large a number
// reads as an infinity and too small a one as 0; never undefined. Without a writing given, the
// regional settings' is read.
double ReadTypedNumber(QStringView text, const core::NumberWriting& writing);
double ReadTypedNumber(QStringView text);

// Whether a typed number, rounded to single precision, equals the stored answer. A number out
// of single-precision range never does.
bool matchesAnswer(double typed, float correctAnswer);

// The verdict shown in the feedback label, its right answer in the regional settings' writing.
QString FeedbackText(bool right, float correctAnswer);

} // namespace core
