// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What stands above and below a sheet's questions: the school and the class, each set into its
// own part of the line (smaller, or on more lines, when it is long), the line for the pupil's
// name and the date with the score box, the instruction, and the footer naming the sheet.

#include "sheets/sheet_placer.h"

namespace sheets {

// Right-to-left text may reach this far past its last letter's advance.
inline constexpr double kOverhang = 1;     // mm
inline constexpr double kFooterHeight = 9; // mm at the foot of every page

// Places the header of a sheet's first page; returns where the questions may start.
double placeHeader(Placer& placer, const SheetOptions& options, int page);

// Where the questions may start on a sheet's later pages, and what stands above them there:
// the name line again, when the sheet has one.
double laterPageTop(const SheetOptions& options);
void placeLaterPageTop(Placer& placer, const SheetOptions& options, int page);

// The footer: one quiet line in the middle of the foot of the page.
void placeFooter(Placer& placer, const QString& text, int page);

// "ورقة رقم 17، صفحة 1 من 2", the page numbers in the writing given.
QString pageOfText(const QString& what, int page, int pages, const core::NumberWriting& writing);

} // namespace sheets
