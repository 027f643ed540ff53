// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the keys of a keypad stand in the room it is given: plain arithmetic over sizes, with no
// widget and no font.

#include <QList>
#include <QRect>
#include <QSize>

#include <algorithm>

namespace tk {

struct KeypadFrame {
    QSize room;       // logical pixels
    int keys = 0;     // how many keys
    QSize largestKey; // no key grows larger
    int gap = 0;      // between two keys
};

struct KeypadGrid {
    int columns = 0;
    int rows = 0;
    QSize key; // one cell's key
    // Each key's box in the room, in the keys' order, row by row, left to right; the last key
    // spans what its row leaves.
    QList<QRect> boxes;

    // How large the keys come out: their shorter side (0 without keys).
    int keySide() const { return std::min(key.width(), key.height()); }
};

// The grid whose keys come out largest (by their shorter side) in the room, the one with fewer
// columns of two alike, standing centred in the room. No keys, or no room for a key of a pixel:
// an empty grid.
KeypadGrid layOutKeypad(const KeypadFrame& frame);

} // namespace tk
