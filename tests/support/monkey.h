// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Random input for the visible screen, from its own seeded generator: clicks at random points
// and on the controls, pointer moves, keys, typed text and timer ticks. The exit controls are
// never clicked, so a storm does not end the run.

#include <QPoint>
#include <QString>

#include <cstdint>
#include <random>
#include <vector>

class QWidget;
class ScreenDirectory;
namespace tk {
class Screen;
}

class Monkey {
public:
    Monkey(ScreenDirectory& screens, std::uint32_t seed);

    // One random event; returns what it was, for the failure message.
    QString act();

    // Every exit control of the screen: the ones the storm leaves alone.
    static std::vector<const QWidget*> exitControls(const tk::Screen& screen);

private:
    int below(int n);
    QPoint randomPoint(const QWidget& screen);
    QString clickAnywhere(tk::Screen& screen);
    QString clickControl(tk::Screen& screen);
    QString pressKey(tk::Screen& screen);
    QChar randomCharacter(int kind);
    QString typeText(tk::Screen& screen);
    QString tick();

    ScreenDirectory& screens_;
    std::mt19937 random_;
};
