// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/form3.h"

#include "core/number_text.h"
#include "toolkit/controls.h"

namespace {

constexpr core::ColourValue kRestingColour = core::rgb(0, 0, 255);
constexpr core::ColourValue kHoverColour = core::rgb(192, 64, 0);

constexpr core::TwipsRect kThousandthsOval = {8400, 4800, 3255, 2175};
constexpr core::TwipsRect kHundredthsOval = {4560, 4800, 3255, 2175};
constexpr core::TwipsRect kTenthsOval = {480, 4800, 3495, 2175};

// A candidate's box: its designed width, top and height, centred on its oval. (The designed
// boxes stand up to 11 pixels off their ovals' centres; a caption of five characters shows it.)
core::TwipsRect overOval(const core::TwipsRect& oval)
{
    constexpr int kWidth = 750;
    return {oval.left + (oval.width - kWidth) / 2, 5160, kWidth, 1530};
}

constexpr int kOvalOutline = 4; // pixels, inside the outline

// A candidate stays inside its oval's outline: a value wider than that (Arabic-Indic digits
// are wider than 0 to 9) is set in smaller type.
tk::Label* makeCandidate(tk::Screen* screen, const QString& name, const core::TwipsRect& oval,
                         core::ColourValue colour)
{
    const core::TwipsRect box = overOval(oval);
    return new tk::Label(screen,
                         {.name = name,
                          .caption = QStringLiteral("5"),
                          .box = box,
                          .font = {tk::Face::ArabicTransparent, 65.25, true},
                          .colour = colour,
                          .alignment = tk::Alignment::Centre,
                          .autoSize = true,
                          .maxWidth = oval.width - 2 * kOvalOutline * core::kTwipsPerPixel});
}

void makeOval(tk::Screen* screen, const QString& name, const core::TwipsRect& box)
{
    new tk::Shape(screen, {.name = name,
                           .kind = tk::ShapeKind::Oval,
                           .box = box,
                           .fill = core::rgb(255, 192, 128),
                           .outlined = true,
                           .outline = core::rgb(255, 224, 192),
                           .outlineWidth = kOvalOutline});
}

} // namespace

Form3::Form3()
    : ExerciseScreen(
          {.name = QStringLiteral("Form3"),
           .returnName = QStringLiteral("Label11"),
           .returnBox = {2760, 8280, 1290, 300},
           .heading = QStringLiteral(u"البلمزية للرقم الملون باللون الاحمر في العدد هي "),
           .headingBox = {83, 600, 11835, 795}})
    , Label6(makeCandidate(this, QStringLiteral("Label6"), kThousandthsOval, kRestingColour))
    , Label7(makeCandidate(this, QStringLiteral("Label7"), kHundredthsOval, kHoverColour))
    , Label8(makeCandidate(this, QStringLiteral("Label8"), kTenthsOval, kRestingColour))
{
    makeOval(this, QStringLiteral("Shape1"), kThousandthsOval);
    makeOval(this, QStringLiteral("Shape2"), kHundredthsOval);
    makeOval(this, QStringLiteral("Shape3"), kTenthsOval);

    for (std::size_t i = 0; i < core::kChoiceDivisors.size(); ++i) {
        tk::Label* candidate = candidates().at(i);
        connect(candidate, &tk::Label::clicked, this,
                [this, i] { CheckChosenAnswer(core::kChoiceDivisors.at(i)); });
        connect(candidate, &tk::Label::mouseMoved, candidate,
                [candidate] { candidate->setTextColour(kHoverColour); });
    }
    connect(Timer1, &tk::Timer::tick, this, &Form3::NextQuestion);
    // From the keyboard: the heading (which says the question) first, then the values from right
    // to left. Where the screen opens, no key chooses a value.
    setFocusOrder({Label5, Label6, Label7, Label8, returnLabel(), exitLabel()}, Label5);
}

void Form3::load()
{
    generateQuestion();
    writeCandidates();
}

void Form3::backgroundMouseMove()
{
    Label6->setTextColour(kRestingColour);
    Label7->setTextColour(kRestingColour);
    Label8->setTextColour(kRestingColour);
}

std::array<tk::Label*, 3> Form3::candidates() const
{
    return {Label6, Label7, Label8};
}

void Form3::writeCandidates()
{
    const std::array<float, 3> values = core::choiceValues(question().ChosenDigit);
    for (std::size_t i = 0; i < values.size(); ++i) {
        candidates().at(i)->setCaption(core::FormatNumber(values.at(i)));
    }
}

void Form3::CheckChosenAnswer(float divisor)
{
    // The caption on the label is never read back: the value is computed again.
    showVerdict(core::placeValue(question().ChosenDigit, divisor) == question().CorrectAnswer);
}

void Form3::NextQuestion()
{
    Label9->setVisible(false);
    generateQuestion();
    writeCandidates();
    Timer1->setEnabled(false);
}
