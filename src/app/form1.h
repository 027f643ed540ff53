// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The splash screen: the program's title, grade, term and credits, for three seconds.

#include "toolkit/label.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

class Form1 : public tk::Screen {
    Q_OBJECT
public:
    Form1();

    tk::Timer* Timer1;

private:
    void timer1Tick();
};
