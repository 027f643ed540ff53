// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/exercise_screen.h"

#include "core/number_text.h"
#include "core/random_source.h"
#include "core/spoken_question.h"

namespace {

constexpr int kFeedbackMs = 3000;

tk::Label* makeNumberLabel(tk::Screen* screen, const QString& name, const QString& caption,
                           core::TwipsRect box, tk::Alignment alignment)
{
    return new tk::Label(screen, {.name = name,
                                  .caption = caption,
                                  .box = box,
                                  .font = {tk::Face::ArabicTransparent, 72, true},
                                  .colour = core::kDigitColour,
                                  .alignment = alignment,
                                  .autoSize = true});
}

} // namespace

ExerciseScreen::ExerciseScreen(const ExerciseDesign& design)
    : tk::ActivityScreen({.name = design.name,
                          .clientWidth = 12000,
                          .clientHeight = 9000,
                          .background = core::rgb(0, 0, 0),
                          .placement = tk::Placement::CentredOnScreen},
                         {.returnName = design.returnName,
                          .returnBox = design.returnBox,
                          .exitName = QStringLiteral("Label10"),
                          .exitBox = {960, 8160, 735, 495},
                          .exitFont = {tk::Face::MsSansSerif, 18, false},
                          .exitColour = core::rgb(192, 255, 192)})
    , Label1(makeNumberLabel(this, QStringLiteral("Label1"), QStringLiteral("5"),
                             {8115, 2040, 810, 1695}, tk::Alignment::Left))
    , Label2(makeNumberLabel(this, QStringLiteral("Label2"), QStringLiteral("5"),
                             {7395, 2040, 810, 1695}, tk::Alignment::Left))
    , Label3(makeNumberLabel(this, QStringLiteral("Label3"), QStringLiteral("5"),
                             {6675, 2040, 810, 1695}, tk::Alignment::Left))
    // The whole part keeps its right edge, so the letter waw stays next to the tenths digit.
    , Label4(makeNumberLabel(this, QStringLiteral("Label4"), QStringLiteral("8888"),
                             {3075, 2040, 3240, 1695}, tk::Alignment::Right))
    , Label5(new tk::Label(this, {.name = QStringLiteral("Label5"),
                                  .caption = design.heading,
                                  .box = design.headingBox,
                                  .font = {tk::Face::ArabicTransparent, 33.75, false},
                                  .colour = core::rgb(255, 192, 192),
                                  .alignment = tk::Alignment::Right,
                                  .autoSize = true,
                                  .heading = true}))
    , Label9(new tk::Label(this, {.name = QStringLiteral("Label9"),
                                  .caption = QStringLiteral("8888"),
                                  .box = {5100, 7200, 1800, 930},
                                  .font = {tk::Face::ArabicTransparent, 39.75, true},
                                  .colour = core::rgb(128, 128, 255),
                                  .alignment = tk::Alignment::Centre,
                                  .autoSize = true,
                                  .visible = false}))
    , Timer1(new tk::Timer(this, QStringLiteral("Timer1"), kFeedbackMs, false))
{}

tk::Label* ExerciseScreen::numberLabel(core::NumberLabel label) const
{
    switch (label) {
    case core::NumberLabel::Label1:
        return Label1;
    case core::NumberLabel::Label2:
        return Label2;
    case core::NumberLabel::Label3:
        return Label3;
    case core::NumberLabel::Label4:
        return Label4;
    }
    return Label4;
}

void ExerciseScreen::setNumberCaption(core::NumberLabel label, const QString& caption)
{
    numberLabel(label)->setCaption(caption);
}

void ExerciseScreen::setNumberColour(core::NumberLabel label, core::ColourValue colour)
{
    numberLabel(label)->setTextColour(colour);
}

void ExerciseScreen::generateQuestion()
{
    core::GenerateQuestion(*this, question_, core::sharedRandom());
    // A screen reader cannot see the red: the chosen digit says that it is the one and where it
    // stands, the control that takes the focus first holds the whole question, and the question
    // is told at once.
    for (tk::Label* digit : {Label1, Label2, Label3}) {
        digit->setAccessibleDescription(QString());
    }
    numberLabel(core::digitLabel(question_.Place))
        ->setAccessibleDescription(core::chosenDigitDescription(question_));
    const QString spoken = core::spokenQuestion(question_);
    if (QWidget* first = firstFocus()) {
        first->setAccessibleDescription(spoken);
    }
    announce(spoken);
}

void ExerciseScreen::showVerdict(bool right)
{
    const QString verdict = core::FeedbackText(right, question_.CorrectAnswer);
    Label9->setCaption(verdict);
    Label9->setVisible(true);
    announce(verdict);
    Timer1->setEnabled(true);
}
