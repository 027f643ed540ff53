// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/keypad_layout.h"

#include <algorithm>

namespace tk {

namespace {

// The key of a cell, for that many columns and rows in the room.
QSize keyOf(const KeypadFrame& frame, int columns, int rows)
{
    const int width = (frame.room.width() - (columns - 1) * frame.gap) / columns;
    const int height = (frame.room.height() - (rows - 1) * frame.gap) / rows;
    return {std::min(width, frame.largestKey.width()), std::min(height, frame.largestKey.height())};
}

} // namespace

KeypadGrid layOutKeypad(const KeypadFrame& frame)
{
    KeypadGrid best;
    for (int columns = 1; columns <= frame.keys; ++columns) {
        const int rows = (frame.keys + columns - 1) / columns;
        const QSize key = keyOf(frame, columns, rows);
        if (key.width() >= 1 && key.height() >= 1 &&
            std::min(key.width(), key.height()) > best.keySide()) {
            best = {.columns = columns, .rows = rows, .key = key, .boxes = {}};
        }
    }
    if (best.columns == 0) {
        return {};
    }
    const int step = best.key.width() + frame.gap;
    const QSize grid(best.columns * step - frame.gap,
                     best.rows * (best.key.height() + frame.gap) - frame.gap);
    const QPoint corner((frame.room.width() - grid.width()) / 2,
                        (frame.room.height() - grid.height()) / 2);
    for (int i = 0; i < frame.keys; ++i) {
        const int column = i % best.columns;
        const int row = i / best.columns;
        const bool last = i == frame.keys - 1;
        const int span = last ? best.columns - column : 1;
        best.boxes.append(
            QRect(corner + QPoint(column * step, row * (best.key.height() + frame.gap)),
                  QSize(span * step - frame.gap, best.key.height())));
    }
    return best;
}

} // namespace tk
