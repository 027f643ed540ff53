// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/screen_invariants.h"

#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"

#include <QRegularExpression>

#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr core::ColourValue kCandidateResting = core::rgb(0, 0, 255);
constexpr core::ColourValue kCandidateHover = core::rgb(192, 64, 0);

QString exerciseViolation(const ExerciseScreen& screen)
{
    static const QRegularExpression kDigit(u"^[0-9]$"_s);
    static const QRegularExpression kWhole(u"^ و(0|[1-9][0-9]{0,2})$"_s);
    const core::PlaceValueQuestion& q = screen.question();
    struct Place {
        const tk::Label* label;
        float digit;
        float divisor;
    };
    const std::array<Place, 3> places = {
        Place{screen.Label1, q.ThousandthsDigit, core::kThousandthsDivisor},
        Place{screen.Label2, q.HundredthsDigit, core::kHundredthsDivisor},
        Place{screen.Label3, q.TenthsDigit, core::kTenthsDivisor}};
    const Place* red = nullptr;
    for (const Place& place : places) {
        const QString& caption = place.label->caption();
        if (!kDigit.match(caption).hasMatch() || caption != core::FormatNumber(place.digit)) {
            return u"digit caption \"%1\" for %2"_s.arg(caption).arg(place.digit);
        }
        if (place.label->textColour() == core::kChosenDigitColour) {
            if (red != nullptr) {
                return u"two red digits"_s;
            }
            red = &place;
        } else if (place.label->textColour() != core::kDigitColour) {
            return u"digit colour %1"_s.arg(place.label->textColour(), 0, 16);
        }
    }
    if (red == nullptr) {
        return u"no red digit"_s;
    }
    if (red != &places.at(static_cast<std::size_t>(q.Place))) {
        return u"the red digit is not at the chosen place %1"_s.arg(static_cast<int>(q.Place));
    }
    if (q.ChosenDigit < 1 || q.ChosenDigit > 9 || q.ChosenDigit != red->digit) {
        return u"red %1 is not the chosen digit %2"_s.arg(red->digit).arg(q.ChosenDigit);
    }
    if (q.CorrectAnswer != core::placeValue(q.ChosenDigit, red->divisor)) {
        return u"answer %1 for %2 over %3"_s.arg(q.CorrectAnswer)
            .arg(q.ChosenDigit)
            .arg(red->divisor);
    }
    const QString& wholeCaption = screen.Label4->caption();
    if (!kWhole.match(wholeCaption).hasMatch() || q.WholePart < 0 || q.WholePart > 999 ||
        wholeCaption != core::wholePartCaption(q.WholePart)) {
        return u"whole part caption \"%1\" for %2"_s.arg(wholeCaption).arg(q.WholePart);
    }
    const bool feedbackShown = !screen.Label9->isHidden();
    if (feedbackShown != screen.Timer1->isEnabled()) {
        return feedbackShown ? u"feedback shown while the timer is stopped"_s
                             : u"feedback hidden while the timer runs"_s;
    }
    if (feedbackShown && screen.Label9->caption() != core::FeedbackText(true, q.CorrectAnswer) &&
        screen.Label9->caption() != core::FeedbackText(false, q.CorrectAnswer)) {
        return u"feedback \"%1\" for %2"_s.arg(screen.Label9->caption()).arg(q.CorrectAnswer);
    }
    return {};
}

QString candidatesViolation(const Form3& screen)
{
    const core::PlaceValueQuestion& q = screen.question();
    int right = 0;
    for (const auto& [label, divisor] : {std::pair{screen.Label6, core::kThousandthsDivisor},
                                         std::pair{screen.Label7, core::kHundredthsDivisor},
                                         std::pair{screen.Label8, core::kTenthsDivisor}}) {
        const float value = core::placeValue(q.ChosenDigit, divisor);
        if (label->caption() != core::FormatNumber(value)) {
            return u"candidate \"%1\" for %2"_s.arg(label->caption()).arg(q.ChosenDigit);
        }
        right += value == q.CorrectAnswer ? 1 : 0;
        if (label->textColour() != kCandidateResting && label->textColour() != kCandidateHover) {
            return u"candidate colour %1"_s.arg(label->textColour(), 0, 16);
        }
    }
    return right == 1 ? QString() : u"%1 right candidates"_s.arg(right);
}

QString readingViolation(const Form5& screen)
{
    static const QRegularExpression kQuestion(u"^(0|[1-9][0-9]{0,2})و(0|[1-9][0-9]{0,2})$"_s);
    const core::ReadingNumbers& n = screen.numbers();
    if (n.OneDigit < 0 || n.OneDigit > 9 || n.TwoDigitA < 0 || n.TwoDigitA > 98 ||
        n.ThreeDigit < 0 || n.ThreeDigit > 998 || n.TwoDigitB < 0 || n.TwoDigitB > 98 ||
        n.QuestionKind < 0 || n.QuestionKind > 9) {
        return u"numbers out of range"_s;
    }
    const QString& caption = screen.Label1->caption();
    const auto match = kQuestion.match(caption);
    if (!match.hasMatch()) {
        return u"question \"%1\""_s.arg(caption);
    }
    const int first = match.captured(1).toInt();
    const int second = match.captured(2).toInt();
    // The opening table puts TwoDigitB first; the Enter table OneDigit, TwoDigitA or
    // ThreeDigit by the kind, and for kind 8 an unstored second number.
    const int kind = n.QuestionKind;
    const std::array<int, 10> openingSecond = {
        n.OneDigit,  n.ThreeDigit, n.OneDigit,   n.OneDigit,   n.TwoDigitA,
        n.TwoDigitA, n.TwoDigitA,  n.ThreeDigit, n.ThreeDigit, n.ThreeDigit};
    const std::array<int, 10> enterFirst = {n.OneDigit,   n.OneDigit,  n.OneDigit,  n.OneDigit,
                                            n.TwoDigitA,  n.TwoDigitA, n.TwoDigitA, n.ThreeDigit,
                                            n.ThreeDigit, n.ThreeDigit};
    const std::array<int, 10> enterSecond = {0, n.ThreeDigit, n.TwoDigitB, 3,      n.ThreeDigit,
                                             5, n.TwoDigitB,  7,           second, n.TwoDigitB};
    const bool opening = first == n.TwoDigitB && second == openingSecond.at(kind);
    const bool enter = first == enterFirst.at(kind) && second == enterSecond.at(kind);
    return opening || enter ? QString()
                            : u"question \"%1\" does not follow kind %2"_s.arg(caption).arg(kind);
}

} // namespace

QString ScreenInvariants::violation() const
{
    const auto visible = visibleScreens();
    if (visible.size() != 1) {
        return u"%1 screens visible"_s.arg(visible.size());
    }
    // Besides the screen, only the answer box's own edit menu may open.
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window != visible.front() &&
            window->objectName() != u"qt_edit_menu"_s) {
            return u"stray window %1"_s.arg(window->objectName());
        }
    }
    if (auto* form2 = screens_.made<Form2>()) {
        if (QString v = exerciseViolation(*form2); !v.isEmpty()) {
            return u"Form2: "_s + v;
        }
    }
    if (auto* form3 = screens_.made<Form3>()) {
        if (QString v = exerciseViolation(*form3); !v.isEmpty()) {
            return u"Form3: "_s + v;
        }
        if (QString v = candidatesViolation(*form3); !v.isEmpty()) {
            return u"Form3: "_s + v;
        }
    }
    if (auto* form5 = screens_.made<Form5>()) {
        if (QString v = readingViolation(*form5); !v.isEmpty()) {
            return u"Form5: "_s + v;
        }
    }
    return {};
}

QStringList allCaptions(const ScreenDirectory& screens)
{
    QStringList captions;
    for (const ScreenKind& kind : programScreens()) {
        const tk::Screen* screen = screens.made(*kind.type);
        if (screen == nullptr) {
            continue;
        }
        for (const tk::Label* label : screen->findChildren<tk::Label*>()) {
            captions.append(screen->objectName() + u'.' + label->objectName() + u'=' +
                            label->caption());
        }
    }
    return captions;
}
