// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The questions of one sheet: how they are arranged on its pages (one column or two, the right
// one first) and at which type size, and where each question's number, marked digit, answer
// line or values to circle stand.

#include "sheets/row_measures.h"

namespace sheets {

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
