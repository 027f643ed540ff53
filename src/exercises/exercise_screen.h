// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the write and the choose exercise share: the heading, the number in four labels with
// its chosen digit in red, the question behind it, the feedback label and its timer.

#include "core/place_value_question.h"
#include "toolkit/activity_screen.h"
#include "toolkit/label.h"
#include "toolkit/timer.h"

// What differs between the two exercise screens; the rest of their design is shared.
struct ExerciseDesign {
    QString name;
    QString returnName;
    core::TwipsRect returnBox;
    QString heading;
    core::TwipsRect headingBox;
};

// The question is painted through the QuestionBoard it is to GenerateQuestion, a private base:
// only the screen itself paints its number.
class ExerciseScreen : public tk::ActivityScreen, private core::QuestionBoard {
    Q_OBJECT
public:
    explicit ExerciseScreen(const ExerciseDesign& design);

    const core::PlaceValueQuestion& question() const { return question_; }

    tk::Label* Label1; // thousandths digit
    tk::Label* Label2; // hundredths digit
    tk::Label* Label3; // tenths digit
    tk::Label* Label4; // whole part
    tk::Label* Label5; // heading
    tk::Label* Label9; // feedback, hidden while asking
    tk::Timer* Timer1; // the feedback time; its tick makes the next question

protected:
    // A new question on this screen's labels, from the program's generator, also for screen
    // readers: the chosen digit's label describes it and where it stands, the control that takes
    // the focus first is described by the whole question, and a visible screen announces it.
    void generateQuestion();
    // Shows the verdict for this outcome, announces it and starts the feedback time.
    void showVerdict(bool right);

private:
    void setNumberCaption(core::NumberLabel label, const QString& caption) override;
    void setNumberColour(core::NumberLabel label, core::ColourValue colour) override;
    tk::Label* numberLabel(core::NumberLabel label) const;

    core::PlaceValueQuestion question_;
};
