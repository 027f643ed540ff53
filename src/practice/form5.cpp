// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/form5.h"

#include "core/random_source.h"
#include "toolkit/program.h"

Form5::Form5()
    : tk::ActivityScreen({.name = QStringLiteral("Form5"),
                          .clientWidth = 11880,
                          .clientHeight = 8595,
                          .background = core::rgb(0, 0, 0),
                          .placement = tk::Placement::CentredOnScreen},
                         {.returnName = QStringLiteral("Label4"),
                          .returnBox = {2160, 7680, 1290, 300},
                          .exitName = QStringLiteral("Label3"),
                          .exitBox = {1080, 7680, 525, 300},
                          .exitFont = {tk::Face::MsSansSerif, 12, true},
                          .exitColour = core::rgb(255, 192, 128),
                          .exitAutoSize = true})
    , Label1(new tk::Label(this, {.name = QStringLiteral("Label1"),
                                  .caption = QStringLiteral("Label1"),
                                  .box = {1575, 2520, 8745, 3525},
                                  .font = {tk::Face::ArabicTransparent, 150, true},
                                  .colour = core::rgb(255, 255, 255),
                                  .alignment = tk::Alignment::Centre,
                                  .autoSize = true,
                                  .centreOnWindow = true}))
    , Label2(new tk::Label(
          this, {.name = QStringLiteral("Label2"),
                 .caption = QStringLiteral(u"اضغط Enter لتغيير السؤال و اضغط Esc للانهاء"),
                 .box = {3938, 7680, 4005, 285},
                 .font = {tk::Face::Arial, 12, true},
                 .colour = core::rgb(255, 0, 0),
                 .alignment = tk::Alignment::Centre,
                 .autoSize = true,
                 .centreOnWindow = true}))
    // Under the number, at the end of the key line.
    , keypad(new tk::Keypad(this, {.name = QStringLiteral("keypad"),
                                   .accessibleName = QStringLiteral(u"مفاتيح اللمس"),
                                   .overScreen = {8400, 7200, 3300, 1200},
                                   .keys = {{QStringLiteral(u"سؤال جديد"), tk::KeyAction::Enter,
                                             core::rgb(255, 192, 128), core::rgb(0, 0, 0)}},
                                   .largestKey = {0, 0, 4500, 2250}}))
{
    // The question takes the focus first: Enter there poses a new one, as designed; on the return
    // or exit label Enter presses that label instead.
    setFocusOrder({Label1, returnLabel(), exitLabel()}, Label1);
    connect(Label1, &tk::Label::tapped, this, &Form5::poseNextQuestion);
    connect(keypad, &tk::Keypad::enterRequested, this, &Form5::poseNextQuestion);
}

void Form5::load()
{
    setKeyPreview(true);
    poseQuestion(core::ReadingOccasion::Opening);
}

void Form5::keyPress(int characterCode)
{
    if (characterCode == tk::kEnterKey) {
        poseNextQuestion();
    }
    if (isEscape(characterCode)) {
        tk::EndProgram();
    }
}

void Form5::poseQuestion(core::ReadingOccasion occasion)
{
    Label1->setCaption(core::poseReadingQuestion(numbers_, occasion, core::sharedRandom()));
    announce(Label1->caption());
}

void Form5::poseNextQuestion()
{
    poseQuestion(core::ReadingOccasion::Enter);
}
