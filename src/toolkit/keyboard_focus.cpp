// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/keyboard_focus.h"

#include "toolkit/label.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace tk {

namespace {

constexpr int kLineFeed = 10;
constexpr int kDeleteCharacter = 127;

bool ringsShown = false;

} // namespace

int keyCharacterCode(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier) &&
                         !modifiers.testFlag(Qt::AltModifier) &&
                         !modifiers.testFlag(Qt::MetaModifier);
    const int key = event.key();
    if (control && key >= Qt::Key_At && key <= Qt::Key_Underscore) {
        return key - Qt::Key_At; // @ A ... Z [ \ ] ^ _ become 0 to 31
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? kLineFeed : kEnterKey;
    case Qt::Key_Escape:
        return kEscKey;
    case Qt::Key_Backspace:
        return control ? kDeleteCharacter : 8;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7f) {
        return -1;
    }
    return text.front().unicode();
}

int focusStepOf(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return 0;
    }
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return 1;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return -1;
    default:
        return 0;
    }
}

bool focusRingsShown()
{
    return ringsShown;
}

void setFocusRingsShown(bool shown)
{
    if (shown == ringsShown) {
        return;
    }
    ringsShown = shown;
    if (auto* label = qobject_cast<Label*>(QApplication::focusWidget())) {
        label->updateFocusRing();
    }
}

void paintFocusRing(QPainter& painter, const QRect& around)
{
    const auto frame = [&painter](const QRect& outer, int thickness, const QColor& colour) {
        painter.fillRect(outer.x(), outer.y(), outer.width(), thickness, colour);
        painter.fillRect(outer.x(), outer.bottom() - thickness + 1, outer.width(), thickness,
                         colour);
        painter.fillRect(outer.x(), outer.y(), thickness, outer.height(), colour);
        painter.fillRect(outer.right() - thickness + 1, outer.y(), thickness, outer.height(),
                         colour);
    };
    constexpr int kRoom = Label::kFocusRingRoom;
    const QRect outer = around.adjusted(-kRoom, -kRoom, kRoom, kRoom);
    frame(outer, 2, Qt::white);
    frame(outer.adjusted(2, 2, -2, -2), 1, Qt::black); // one pixel clear of the box
}

void Screen::setFocusOrder(const QList<QWidget*>& order, QWidget* first)
{
    focusOrder_.clear();
    for (QWidget* control : order) {
        if (qobject_cast<Label*>(control) != nullptr) {
            control->setFocusPolicy(Qt::TabFocus); // from the keyboard, never from a click
        }
        focusOrder_.append(control);
    }
    firstFocus_ = first;
}

bool Screen::focusNextPrevChild(bool next)
{
    QList<QWidget*> reachable;
    for (const QPointer<QWidget>& control : focusOrder_) {
        if (control != nullptr && control->isVisibleTo(this) && control->isEnabled()) {
            reachable.append(control);
        }
    }
    if (reachable.isEmpty()) {
        return false;
    }
    const auto count = reachable.size();
    const auto at = reachable.indexOf(QApplication::focusWidget()); // -1: the screen itself
    const auto to = next ? (at + 1) % count : (at <= 0 ? count - 1 : at - 1);
    reachable.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    const int step = focusStepOf(*event);
    if (step != 0 && hasFocus()) { // from a control the arrows come through its own keyPressEvent
        focusNextPrevChild(step > 0);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::takeFirstFocus()
{
    QWidget* first = firstFocus_ != nullptr ? firstFocus_.data() : this;
    first->setFocus(Qt::OtherFocusReason);
}

void Screen::watchFocusRings(const QWidget& receiver, const QEvent& event)
{
    const QEvent::Type type = event.type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if ((!press && type != QEvent::KeyPress) || receiver.window() != this) {
        return;
    }
    if (press) {
        // After the press: a ring that goes shrinks its label, which must not happen while the
        // press is on its way to it.
        QMetaObject::invokeMethod(
            qApp, [] { setFocusRingsShown(false); }, Qt::QueuedConnection);
        return;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || focusStepOf(key) != 0) {
        setFocusRingsShown(true);
    }
}

} // namespace tk
