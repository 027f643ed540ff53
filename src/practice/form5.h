// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The reading practice: a big number to read aloud, written as two whole numbers joined by
// the letter waw; a new one on every press of Enter, and by touch on a tap on the number or on
// the key that says so.

#include "core/reading_question.h"
#include "toolkit/activity_screen.h"
#include "toolkit/keypad.h"
#include "toolkit/label.h"

class Form5 : public tk::ActivityScreen {
    Q_OBJECT
public:
    Form5();

    const core::ReadingNumbers& numbers() const { return numbers_; }

    tk::Label* Label1;  // the question
    tk::Label* Label2;  // how to use the keys
    tk::Keypad* keypad; // for touch: the key that does what Enter does

protected:
    void load() override;
    void keyPress(int characterCode) override;

private:
    void poseQuestion(core::ReadingOccasion occasion);
    // What Enter does: a new question by the Enter table.
    void poseNextQuestion();

    core::ReadingNumbers numbers_;
};
