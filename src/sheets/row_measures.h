// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every question row of a sheet shares: its type sizes, its question numbers, and the
// widths and depths measured once per sheet, in the sheet's writing of numbers.

#include "sheets/sheet_placer.h"

#include <array>

namespace sheets {

// The number before each question, "(7)" or "(٧)" in the writing's digits: a form Arabic
// worksheets use, the same in either direction, and not to be taken for a minus sign or a
// decimal point beside a number (nor a full stop for the Arabic-Indic zero, a dot).
QString questionLabel(int number, const core::NumberWriting& writing);

// The type sizes of a sheet's rows, all scaled together from those of a full page (the values
// to circle only up, never below their full size).
struct RowType {
    explicit RowType(double scale);
    double scale;
    double labelPoints;
    double writeNumberPoints;
    double chooseNumberPoints;
    double valuePoints; // the values to circle: never below 14 points
    double readingPoints;
};

// The widths every row of a sheet shares, measured once.
struct RowMeasures {
    double labelBox = 0;                // the question's number and the gap after it
    double numberWidth = 0;             // the widest number
    std::array<double, 3> valueSlots{}; // the widest value of each place to circle
    double underlineDrop = 0;           // from a marked digit's baseline to its underline
};
RowMeasures measureRows(const Placer& placer, const SheetOptions& options, const RowType& type);

// The type size of the numbers of the activity's rows.
double numberPoints(const SheetOptions& options, const RowType& type);
// Between the digits of a number, so that a mark covers one digit alone.
double digitGap(double points);
// The texts a row's height and baseline are measured by: the whole part of the widest number
// and the widest reading number.
QString wholePartSample(const core::NumberWriting& writing);
QString readingSample(const core::NumberWriting& writing);

} // namespace sheets
