// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How numbers become text on the exercise screens, and how a typed answer becomes a number.

#include <QString>
#include <QStringView>

// The decimal separator of the user's regional settings, "." where they give none.
QString decimalSeparator();

// Shortest decimal text with at most seven significant digits: digits 0 to 9, no grouping, no
// trailing zeros, a zero before the separator below 1 ("0.07", "305", "0.007").
QString FormatNumber(double value, const QString& decimalSeparator);
QString FormatNumber(double value);

// The number at the start of a typed text: blanks are skipped anywhere, then an optional sign,
// digits with at most one "." and an optional exponent (E or D, either case). The rest is
// ignored; a text without such a start reads as 0. Too large a number reads as an infinity and
// too small a one as 0; never undefined.
double ReadTypedNumber(QStringView text);

// Whether a typed number, rounded to single precision, equals the stored answer. A number out
// of single-precision range never does.
bool matchesAnswer(double typed, float correctAnswer);

// The verdict shown in the feedback label.
QString FeedbackText(bool right, float correctAnswer);
