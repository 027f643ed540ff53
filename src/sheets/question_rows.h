// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The questions of one sheet: how they are arranged on its pages (one column or two, the right
// one first) and at which type size, and where each question's number, marked digit, answer
// line or values to circle stand.

#include "sheets/sheet_placer.h"

#include <array>

namespace sheets {

// The number before each question, "(7)": a form Arabic worksheets use, the same in either
// direction, and not to be taken for a minus sign or a decimal point beside a number.
QString questionLabel(int number);

// The type sizes of a sheet's rows, all scaled together from those of a full page.
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
};

struct QuestionGrid {
    int pages = 1;
    int perPage = 1;
    int columns = 2;
    int rowsPerColumn = 1;
    double columnWidth = 0;
    double pitch = 0; // from one row's top to the next
    RowType type{1};
    RowMeasures measures;
};

// The arrangement with the largest type at which every row fits its column and its height:
// rows from firstTop on the first page and from laterTop on the others, down to bottom.
QuestionGrid arrangeQuestions(const Placer& placer, const SheetOptions& options, double firstTop,
                              double laterTop, double bottom);

// Where a question stands: its number, its page (counted from its sheet's first) and the top
// right corner of its row.
struct RowPlace {
    int number = 1;
    int page = 0;
    QPointF topRight;
};
RowPlace rowPlace(const QuestionGrid& grid, int index, double firstTop, double laterTop);

void placeQuestion(Placer& placer, const QuestionGrid& grid, const SheetOptions& options,
                   const SheetQuestion& question, const RowPlace& place);

} // namespace sheets
