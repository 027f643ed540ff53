// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The generator a worksheet is drawn from: seeded from the sheet number and the activity alone,
// never from the clock, so the same sheet number gives the same questions on any machine and in
// any year, and the write, choose and read sheets of one number differ.

#include "core/random_source.h"
#include "sheets/sheet.h"

#include <cstdint>

namespace sheets {

class SheetRandom final : public core::RandomSource {
public:
    SheetRandom(std::uint64_t sheetNumber, Activity activity);

    // The question makers reseed before every question; a sheet's stream must not change.
    void reseedFromClock() override {}
    float draw() override { return stream_.draw(); }

private:
    core::ClockSeededRandom stream_;
};

} // namespace sheets
