// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_random.h"

namespace sheets {

namespace {

// Fixed for every activity, whatever the order of the enumeration: printed sheets depend on it.
std::uint64_t activitySeed(Activity activity)
{
    switch (activity) {
    case Activity::Write:
        return 1;
    case Activity::Choose:
        return 2;
    case Activity::Read:
        return 3;
    }
    return 0;
}

} // namespace

// The generator starts from a fixed state; mixing the sheet number and the activity in is its
// only seed. The mixing and the draws are integer arithmetic, the same on every machine.
SheetRandom::SheetRandom(std::uint64_t sheetNumber, Activity activity)
{
    stream_.mixIn(sheetNumber);
    stream_.mixIn(activitySeed(activity));
}

} // namespace sheets
