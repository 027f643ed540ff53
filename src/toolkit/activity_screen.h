// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A screen of one of the activities: it carries a return label, which asks for the main menu,
// and an exit label, which ends the program.

#include "toolkit/label.h"
#include "toolkit/screen.h"

namespace tk {

struct NavigationDesign {
    QString returnName;
    core::TwipsRect returnBox;
    QString exitName;
    core::TwipsRect exitBox;
    FontDesign exitFont;
    core::ColourValue exitColour = 0;
    bool exitAutoSize = false;
};

class ActivityScreen : public Screen {
    Q_OBJECT
public:
    ActivityScreen(const ScreenDesign& screen, const NavigationDesign& navigation);

    Label* returnLabel() const { return returnLabel_; }
    Label* exitLabel() const { return exitLabel_; }

Q_SIGNALS:
    // The return label was clicked: the shell switches to the main menu.
    void menuRequested();

protected:
    // Esc ends the program on the screens that listen to the keyboard.
    static bool isEscape(int characterCode) { return characterCode == kEscKey; }

private:
    Label* returnLabel_;
    Label* exitLabel_;
};

} // namespace tk
