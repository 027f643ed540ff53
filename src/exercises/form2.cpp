// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/form2.h"

#include "core/number_text.h"
#include "core/number_writing.h"
#include "toolkit/program.h"

namespace {

// The keys of the answer, in the digits and with the separator the program writes: 1 to 9, 0,
// the separator, delete, and the key that does what Command1 does.
QList<tk::KeyDesign> answerKeys(const QString& enterCaption)
{
    const core::ColourValue peach = core::rgb(255, 224, 192);
    const core::ColourValue darkOrange = core::rgb(192, 64, 0);
    const core::NumberWriting writing = core::regionalWriting();
    QList<tk::KeyDesign> keys;
    for (const int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        keys.append({writing.writeWhole(digit), tk::KeyAction::Type, peach, darkOrange});
    }
    keys.append({core::codePointText(writing.separator()), tk::KeyAction::Type, peach, darkOrange});
    keys.append(
        {QStringLiteral(u"حذف"), tk::KeyAction::Delete, core::rgb(255, 192, 128), darkOrange});
    keys.append({enterCaption, tk::KeyAction::Enter, core::rgb(255, 0, 0), core::rgb(0, 0, 0)});
    return keys;
}

} // namespace

Form2::Form2()
    : ExerciseScreen({.name = QStringLiteral("Form2"),
                      .returnName = QStringLiteral("Label6"),
                      .returnBox = {2400, 8280, 1290, 300},
                      .heading = QStringLiteral(u"اكتب البلمزية للرقم الملون باللون الاحمر"),
                      .headingBox = {11790, 600, 135, 795}})
    // Made in tab order: the answer box first, then the button.
    , Text1(new tk::TextBox(this, {.name = QStringLiteral("Text1"),
                                   .box = {4373, 5160, 3135, 975},
                                   .font = {tk::Face::ArabicTransparent, 36, false},
                                   .textColour = core::rgb(192, 64, 0)}))
    , Command1(new tk::Button(this, {.name = QStringLiteral("Command1"),
                                     .caption = QStringLiteral(u"ادخل الناتج"),
                                     .box = {1080, 5280, 1695, 975},
                                     .font = {tk::Face::ArabicTransparent, 14.25, true},
                                     .face = core::rgb(255, 0, 0)}))
    // Right of the oval, under the number, over the feedback: black in every state.
    , keypad(new tk::Keypad(this, {.name = QStringLiteral("keypad"),
                                   .accessibleName = QStringLiteral(u"لوحة الأرقام"),
                                   .overScreen = {8625, 3825, 3300, 3300},
                                   .keys = answerKeys(Command1->text()),
                                   .largestKey = {0, 0, 2400, 2400}}))
{
    new tk::Shape(this, {.name = QStringLiteral("Shape2"),
                         .kind = tk::ShapeKind::Oval,
                         .box = {3533, 4320, 4935, 2655},
                         .fill = core::rgb(255, 192, 128),
                         .outlined = true,
                         .outline = core::rgb(255, 224, 192),
                         .outlineWidth = 4});
    // The box has no caption of its own: it is named by the question it answers.
    Text1->setAccessibleName(Label5->caption());
    setFocusOrder({Text1, Command1, returnLabel(), exitLabel()}, Text1);
    connect(Command1, &tk::Button::clicked, this, &Form2::CheckTypedAnswer);
    connect(keypad, &tk::Keypad::typed, Text1, &tk::TextBox::insert);
    connect(keypad, &tk::Keypad::deleteRequested, Text1, &tk::TextBox::backspace);
    connect(keypad, &tk::Keypad::enterRequested, Command1, &tk::Button::click);
    connect(Timer1, &tk::Timer::tick, this, &Form2::NextQuestion);
}

void Form2::load()
{
    setKeyPreview(true);
    generateQuestion();
}

void Form2::keyPress(int characterCode)
{
    if (isEscape(characterCode)) {
        tk::EndProgram();
    }
}

void Form2::CheckTypedAnswer()
{
    const double typed = core::ReadTypedNumber(Text1->text());
    showVerdict(core::matchesAnswer(typed, question().CorrectAnswer));
}

void Form2::NextQuestion()
{
    Text1->setText(QString()); // unlike clear(), also forgets what Ctrl+Z could bring back
    Label9->setVisible(false);
    generateQuestion();
    Timer1->setEnabled(false);
}
