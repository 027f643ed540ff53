// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The write exercise: the pupil types the place value of the red digit into the answer box
// and presses the button.

#include "exercises/exercise_screen.h"
#include "toolkit/controls.h"
#include "toolkit/keypad.h"

class Form2 : public ExerciseScreen {
    Q_OBJECT
public:
    Form2();

    tk::TextBox* Text1;   // the answer box
    tk::Button* Command1; // checks the answer
    tk::Keypad* keypad;   // the answer's keys, for touch: digits, separator, delete, Command1

protected:
    void load() override;
    void keyPress(int characterCode) override;

private:
    void CheckTypedAnswer();
    void NextQuestion();
};
