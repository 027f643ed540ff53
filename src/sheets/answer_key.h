// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answer keys of a class set, together on their own pages: for each sheet its number and
// its answers in rows of ten, as many sheets to a page as fit.

#include "sheets/sheet_placer.h"

namespace sheets {

// Places the keys of the sheets that have answers on pages from firstPage on; returns how many
// pages they take (0 when no sheet has answers).
int placeAnswerKeys(Placer& placer, const QList<Sheet>& sheets, int firstPage);

} // namespace sheets
