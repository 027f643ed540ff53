// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/monkey.h"

#include "app/form4.h"
#include "app/screen_directory.h"
#include "support/widget_lookup.h"
#include "toolkit/activity_screen.h"
#include "toolkit/timer.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

tk::Screen* visibleScreen()
{
    const auto screens = visibleScreens();
    return screens.size() == 1 ? screens.front() : nullptr;
}

bool isExit(const tk::Screen& screen, const QPoint& point)
{
    const QWidget* hit = screen.childAt(point);
    const auto exits = Monkey::exitControls(screen);
    return std::find(exits.begin(), exits.end(), hit) != exits.end();
}

// Whether the keyboard's focus is on an exit control, which Enter and Space would press.
bool focusOnExit(const tk::Screen& screen)
{
    const auto exits = Monkey::exitControls(screen);
    return std::find(exits.begin(), exits.end(), QApplication::focusWidget()) != exits.end();
}

void clickAt(tk::Screen& screen, const QPoint& point, Qt::MouseButton button)
{
    QTest::mouseClick(screen.windowHandle(), button, {}, point);
}

void sendCharacter(QWindow* window, QChar character)
{
    const auto code = static_cast<Qt::Key>(character.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, window, code, QString(character), Qt::NoModifier);
}

} // namespace

Monkey::Monkey(ScreenDirectory& screens, std::uint32_t seed)
    : screens_(screens)
    , random_(seed)
{}

QString Monkey::act()
{
    tk::Screen* screen = visibleScreen();
    if (screen == nullptr) {
        return u"nothing visible"_s;
    }
    const int kind = below(100);
    if (kind < 22) {
        return clickAnywhere(*screen);
    }
    if (kind < 40) {
        return clickControl(*screen);
    }
    if (kind < 60) {
        const QPoint point = randomPoint(*screen);
        QTest::mouseMove(screen->windowHandle(), point);
        return u"move to %1,%2"_s.arg(point.x()).arg(point.y());
    }
    if (kind < 80) {
        return pressKey(*screen);
    }
    if (kind < 88) {
        return typeText(*screen);
    }
    return tick();
}

std::vector<const QWidget*> Monkey::exitControls(const tk::Screen& screen)
{
    if (const auto* menu = qobject_cast<const Form4*>(&screen)) {
        return {menu->Label1};
    }
    if (const auto* activity = qobject_cast<const tk::ActivityScreen*>(&screen)) {
        return {activity->exitLabel()};
    }
    return {};
}

int Monkey::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

QPoint Monkey::randomPoint(const QWidget& screen)
{
    return {below(screen.width()), below(screen.height())};
}

QString Monkey::clickAnywhere(tk::Screen& screen)
{
    QPoint point = randomPoint(screen);
    while (isExit(screen, point)) {
        point = randomPoint(screen);
    }
    const Qt::MouseButton button = below(8) == 0 ? Qt::RightButton : Qt::LeftButton;
    clickAt(screen, point, button);
    return u"click at %1,%2"_s.arg(point.x()).arg(point.y());
}

// A click on one of the screen's own controls (menu entries, return labels, the answer box and
// button, the candidates, the number), where random points seldom land.
QString Monkey::clickControl(tk::Screen& screen)
{
    QList<QWidget*> targets;
    const auto exits = exitControls(screen);
    for (QWidget* child : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
            std::find(exits.begin(), exits.end(), child) == exits.end()) {
            targets.append(child);
        }
    }
    if (targets.isEmpty()) {
        return clickAnywhere(screen);
    }
    QWidget* target = targets.at(below(static_cast<int>(targets.size())));
    const QPoint point = target->geometry().center();
    if (isExit(screen, point)) {
        return clickAnywhere(screen);
    }
    clickAt(screen, point, Qt::LeftButton);
    return u"click on %1 of %2"_s.arg(target->objectName(), screen.objectName());
}

QString Monkey::pressKey(tk::Screen& screen)
{
    static const std::array<Qt::Key, 7> kNamed = {Qt::Key_Return,    Qt::Key_Enter, Qt::Key_Tab,
                                                  Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Left,
                                                  Qt::Key_Right};
    QWindow* window = screen.windowHandle();
    const int kind = below(4);
    if (kind == 0) {
        Qt::Key key = kNamed.at(below(static_cast<int>(kNamed.size())));
        if (focusOnExit(screen) &&
            (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
            key = Qt::Key_Tab; // the exit is never pressed
        }
        QTest::keyClick(window, key);
        return u"key %1"_s.arg(static_cast<int>(key));
    }
    const QChar character = randomCharacter(kind);
    sendCharacter(window, character);
    return u"key %1"_s.arg(character);
}

QChar Monkey::randomCharacter(int kind)
{
    static const QString kArabic = u"ابتثجحخدذرزسشصضطظعغفقكلمنهوي٠١٢٣٤٥٦٧٨٩٫"_s;
    switch (kind) {
    case 1:
        return QChar(u'0' + below(10));
    case 2:
        return QChar(u'a' + below(26));
    default:
        return kArabic.at(below(static_cast<int>(kArabic.size())));
    }
}

QString Monkey::typeText(tk::Screen& screen)
{
    static const QString kAlphabet = u"0123456789.+-eEdD ,و٣x"_s;
    QString text;
    const int length = 1 + below(8);
    for (int i = 0; i < length; ++i) {
        text.append(kAlphabet.at(below(static_cast<int>(kAlphabet.size()))));
    }
    for (const QChar character : text) {
        if (character != u' ' || !focusOnExit(screen)) { // a blank would press the exit
            sendCharacter(screen.windowHandle(), character);
        }
    }
    return u"typed \"%1\""_s.arg(text);
}

// A tick of one running timer, wherever its screen is.
QString Monkey::tick()
{
    std::vector<tk::Timer*> running;
    for (const ScreenKind& kind : programScreens()) {
        const tk::Screen* screen = screens_.made(*kind.type);
        auto* timer = screen != nullptr ? control<tk::Timer>(screen, u"Timer1"_s) : nullptr;
        if (timer != nullptr && timer->isEnabled()) {
            running.push_back(timer);
        }
    }
    if (running.empty()) {
        return u"no timer running"_s;
    }
    tk::Timer* timer = running.at(below(static_cast<int>(running.size())));
    timer->fireNow();
    return u"tick of %1"_s.arg(timer->parent()->objectName());
}
