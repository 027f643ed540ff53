// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program under test: its end recorded instead of leaving the event loop, a scripted
// generator in the place of the shared one, and the program's screens, made at their first use.

#include "app/screen_directory.h"
#include "support/program_end_recorder.h"
#include "support/scripted_random.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace tk {
class Screen;
}
class Form4;

class TestProgram {
public:
    // randomSeed seeds the stream the generator gives once its script is used up.
    explicit TestProgram(std::uint64_t randomSeed = 1);

    ProgramEndRecorder recorder;
    ScriptedRandom random;

private:
    SharedRandomOverride randomOverride_;

public:
    ScreenDirectory screens;

    // The run up to the menu, as the splash timer leaves it.
    Form4& reachMenu();
    // The screen with this name (the menu too), shown from the menu as a pupil reaches it.
    tk::Screen& reachScreen(const QString& name);
    // All the program's screens, made if they were not yet.
    QList<tk::Screen*> allScreens();
    // The names of the program's screens (their classes' names), the splash screen first.
    static QStringList screenNames();
    // Those but the splash screen and the menu: the screens a menu entry opens.
    static QStringList activityNames();
    // The screen with this name (its class's name), made if it was not yet; nullptr for an
    // unknown name.
    tk::Screen* screenNamed(const QString& name);
};
