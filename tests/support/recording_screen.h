// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A screen that records what its handlers saw.

#include "toolkit/label.h"
#include "toolkit/screen.h"

#include <QList>

// A screen that records what its handlers saw.
class RecordingScreen : public tk::Screen {
public:
    RecordingScreen()
        : tk::Screen({.name = QStringLiteral("Recording"),
                      .clientWidth = 6000,
                      .clientHeight = 4500,
                      .background = core::rgb(0, 0, 0)})
    {}
    QList<int> keys;
    int loads = 0;
    bool visibleDuringLoad = true;
    int backgroundMoves = 0;

protected:
    void load() override
    {
        ++loads;
        visibleDuringLoad = isVisible();
    }
    void keyPress(int characterCode) override { keys.append(characterCode); }
    void backgroundMouseMove() override { ++backgroundMoves; }
};

// A red probe label on a 100 x 40 pixel designed box at (100, 40), captioned with the letter waw.
inline tk::LabelDesign labelDesign(tk::Alignment alignment, bool autoSize = true)
{
    return {.name = QStringLiteral("Probe"),
            .caption = QStringLiteral(u"و"),
            .box = {1500, 600, 1500, 600},
            .font = {tk::Face::ArabicTransparent, 20, true},
            .colour = core::rgb(255, 0, 0),
            .alignment = alignment,
            .autoSize = autoSize};
}
