// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The choose exercise: the pupil clicks one of three values offered for the red digit (as
// thousandths, hundredths and tenths). The values turn dark orange under the pointer.

#include "exercises/exercise_screen.h"

#include <array>

class Form3 : public ExerciseScreen {
    Q_OBJECT
public:
    Form3();

    tk::Label* Label6; // the red digit as thousandths
    tk::Label* Label7; // as hundredths
    tk::Label* Label8; // as tenths

protected:
    void load() override;
    void backgroundMouseMove() override;

private:
    // Label6, Label7 and Label8, in the order of core::choiceValues.
    std::array<tk::Label*, 3> candidates() const;
    void writeCandidates();
    void CheckChosenAnswer(float divisor);
    void NextQuestion();
};
