// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Twips: 1/1440 inch, 15 to a logical pixel at 96 dots per inch. Every position and size of
// the screens is designed in twips from the top-left corner of a window's client area.

#include <cmath>

namespace core {

inline constexpr int kTwipsPerPixel = 15;

// Nearest logical pixel (halves away from zero).
inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// A designed box in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    // Twice the centre, so that odd sums stay exact.
    constexpr int doubleCentreX() const { return 2 * left + width; }
};

} // namespace core
