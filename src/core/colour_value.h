// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Colour values as the screens are designed with them: 0x00BBGGRR with red in the lowest byte,
// or 0x800000nn for the operating system's colour number nn.

#include <cstdint>

namespace core {

using ColourValue = std::uint32_t;

constexpr ColourValue rgb(int red, int green, int blue)
{
    return static_cast<ColourValue>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}

inline constexpr ColourValue kSystemColourFlag = 0x80000000U;
inline constexpr ColourValue kSystemWindowColour = kSystemColourFlag | 5U;
inline constexpr ColourValue kSystemHighlightedTextColour = kSystemColourFlag | 14U;

constexpr bool isSystemColour(ColourValue value)
{
    return (value & kSystemColourFlag) != 0;
}

} // namespace core
