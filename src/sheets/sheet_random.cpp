// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_random.h"

namespace sheets {

// The generator starts from a fixed state; mixing the sheet number in is its only seed. The
// mixing and the draws are integer arithmetic, the same on every machine.
SheetRandom::SheetRandom(std::uint64_t sheetNumber)
{
    stream_.mixIn(sheetNumber);
}

} // namespace sheets
