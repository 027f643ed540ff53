// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main menu: the three activities and the exit.

#include "toolkit/label.h"
#include "toolkit/screen.h"

class Form4 : public tk::Screen {
    Q_OBJECT
public:
    Form4();

    tk::Label* Label1; // exit
    tk::Label* Label2; // write exercise
    tk::Label* Label3; // choose exercise
    tk::Label* Label4; // reading practice
};
