// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The reading practice: a big number to read aloud, written as two whole numbers joined by
// the letter waw; a new one on every press of Enter.

#include "core/reading_question.h"
#include "toolkit/activity_screen.h"
#include "toolkit/label.h"

class Form5 : public tk::ActivityScreen {
    Q_OBJECT
public:
    Form5();

    const core::ReadingNumbers& numbers() const { return numbers_; }

    tk::Label* Label1; // the question
    tk::Label* Label2; // how to use the keys

protected:
    void load() override;
    void keyPress(int characterCode) override;

private:
    void poseQuestion(core::ReadingOccasion occasion);

    core::ReadingNumbers numbers_;
};
