// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/screen.h"
#include "toolkit/colours.h"

#include "core/twips.h"
#include "toolkit/accessibility.h"
#include "toolkit/label.h"
#include "toolkit/platform.h"
#include "toolkit/program.h"
#include "toolkit/touch_mode.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScopedValueRollback>

namespace tk {

namespace {

constexpr int kLineFeed = 10;
constexpr int kDeleteCharacter = 127;

// The character code a key press carries, or -1 for keys that carry none (arrows, shift ...).
// Control combinations carry the control characters of a Windows keyboard: Ctrl+A to Ctrl+Z
// are 1 to 26, Ctrl+[ is 27 (Esc), Ctrl+M is 13 (Enter), Ctrl+Enter is 10.
int characterCode(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier) &&
                         !modifiers.testFlag(Qt::AltModifier) &&
                         !modifiers.testFlag(Qt::MetaModifier);
    const int key = event->key();
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
    const QString text = event->text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7f) {
        return -1;
    }
    return text.front().unicode();
}

} // namespace

Screen::Screen(const ScreenDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , placement_(design.placement)
{
    installProgramEventFilter();
    installAccessibility();
    TouchMode::instance(); // watching from the first screen on
    qApp->installEventFilter(this);
    setObjectName(design.name);
    // No title of its own (the designed "Form1" is never shown): the taskbar shows the
    // application's display name.
    setFixedSize(core::twipsToPixels(design.clientWidth), core::twipsToPixels(design.clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(design.background));
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void Screen::setVisible(bool visible)
{
    if (visible && !loaded_) {
        loaded_ = true;
        placeOnFirstShow();
        load();
        Q_EMIT loaded();
    }
    QWidget::setVisible(visible);
    if (!visible) {
        releasePixels();
    }
}

void Screen::releasePixels()
{
    // A hidden window keeps no picture of itself: its pixel buffer (1.8 MiB for an 800 x 600
    // screen) goes back to the system, and the next show paints the screen afresh into a new one.
    QBackingStore* store = backingStore();
    if (store != nullptr && store->size() != kReleasedPixels) {
        store->resize(kReleasedPixels);
    }
}

void Screen::placeOnFirstShow()
{
    const QRect area = platform::screenArea();
    if (area.isEmpty()) {
        return;
    }
    if (placement_ == Placement::CentredOnScreen) {
        QRect frame = rect();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    } else if (!platform::windowSystemPlacesScreens()) {
        move(area.topLeft());
    }
}

void Screen::closeEvent(QCloseEvent* event)
{
    // Screens are never closed one by one: a close request from outside ends the run.
    event->ignore();
    EndProgram();
}

bool Screen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && !programHasEnded()) {
        previewKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    }
    return false;
}

void Screen::previewKey(QWidget* receiver, const QKeyEvent* event)
{
    if (receiver->window() != this) {
        return;
    }
    // A key the focused control ignores travels on to its parents and passes here again: only
    // its first receiver counts.
    QWidget* focus = QApplication::focusWidget();
    QWidget* firstReceiver = (focus != nullptr && focus->window() == this) ? focus : this;
    if (receiver != firstReceiver || (!keyPreview_ && receiver != this)) {
        return;
    }
    const int code = characterCode(event);
    if (code >= 0) {
        keyPress(code);
    }
}

void Screen::mousePressEvent(QMouseEvent* event)
{
    routeMouse(*this, *event);
}

void Screen::mouseReleaseEvent(QMouseEvent* event)
{
    routeMouse(*this, *event);
}

void Screen::mouseDoubleClickEvent(QMouseEvent* event)
{
    routeMouse(*this, *event);
}

void Screen::mouseMoveEvent(QMouseEvent* event)
{
    routeMouse(*this, *event);
}

QWidget* Screen::reactingControlAt(QPoint point)
{
    QWidget* topmost = nullptr;
    const QObjectList& controls = children();
    for (auto it = controls.crbegin(); it != controls.crend(); ++it) {
        auto* control = qobject_cast<QWidget*>(*it);
        if (control == nullptr || control->isWindow() || !control->isVisibleTo(this) ||
            control->testAttribute(Qt::WA_TransparentForMouseEvents)) {
            continue;
        }
        auto* label = qobject_cast<Label*>(control);
        if (label != nullptr ? !label->reactsAt(point) : !control->geometry().contains(point)) {
            continue;
        }
        if (label != nullptr && label->isClickable()) {
            return label;
        }
        if (topmost == nullptr) {
            QWidget* inner =
                label != nullptr ? nullptr : control->childAt(control->mapFromParent(point));
            topmost = inner != nullptr ? inner : control;
        }
    }
    return topmost != nullptr ? topmost : this;
}

void Screen::routeMouse(QWidget& receiver, QMouseEvent& event)
{
    event.accept(); // taken here: it must not travel on to the screen as well
    if (passingOn_) {
        return; // a passed-on event that its control ignored, travelling back up to the screen
    }
    const QPointF point = receiver.mapTo(this, event.position());
    QWidget* target = nullptr;
    if (event.type() == QEvent::MouseButtonRelease) {
        target = pressTarget_;
        pressTarget_ = nullptr;
    } else {
        target = reactingControlAt(point.toPoint());
        if (event.type() != QEvent::MouseMove) {
            pressTarget_ = target;
        }
    }
    if (auto* label = qobject_cast<Label*>(target)) {
        mouseOnLabel(*label, event, point.toPoint());
    } else if (target == this) {
        if (event.type() == QEvent::MouseMove) {
            backgroundMouseMove();
        }
    } else if (target != nullptr) {
        passOn(*target, event, point);
    }
}

void Screen::mouseOnLabel(Label& label, const QMouseEvent& event, QPoint point)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        pressedLabel_ = event.button() == Qt::LeftButton ? &label : nullptr;
        break;
    case QEvent::MouseButtonDblClick:
        // A second tap soon after the first is a tap of its own.
        pressedLabel_ = event.button() == Qt::LeftButton && isFromTouch(event) ? &label : nullptr;
        break;
    case QEvent::MouseButtonRelease: {
        const bool click =
            pressedLabel_ == &label && event.button() == Qt::LeftButton && label.reactsAt(point);
        pressedLabel_ = nullptr;
        if (click) {
            Q_EMIT label.clicked();
        }
        if (click && isFromTouch(event)) {
            Q_EMIT label.tapped();
        }
        break;
    }
    default:
        Q_EMIT label.mouseMoved();
        break;
    }
}

// Hands an event that landed on a label outside its reacting box to the control under it.
void Screen::passOn(QWidget& target, const QMouseEvent& event, QPointF point)
{
    QMouseEvent passed(event.type(), target.mapFrom(this, point), event.scenePosition(),
                       event.globalPosition(), event.button(), event.buttons(), event.modifiers(),
                       event.pointingDevice());
    passed.setTimestamp(event.timestamp());
    if (event.type() == QEvent::MouseButtonPress && (target.focusPolicy() & Qt::ClickFocus) != 0) {
        target.setFocus(Qt::MouseFocusReason);
    }
    const QScopedValueRollback passing(passingOn_, true);
    QCoreApplication::sendEvent(&target, &passed);
}

} // namespace tk
