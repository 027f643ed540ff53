// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/screen.h"
#include "toolkit/colours.h"

#include "core/twips.h"
#include "toolkit/accessibility.h"
#include "toolkit/keyboard_focus.h"
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

Screen::Screen(const ScreenDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , placement_(design.placement)
    , announcement_(new Announcement(this))
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
        takeFirstFocus();
    } else if (visible && keptFocus_ != nullptr) {
        keptFocus_->setFocus(Qt::OtherFocusReason);
    } else if (!visible) {
        keptFocus_ = focusWidget();
    }
    QWidget::setVisible(visible);
    if (visible) {
        activateWindow(); // the screen shown takes the keyboard, as on Windows
    } else {
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

void Screen::announce(const QString& news)
{
    if (!isVisible()) {
        return;
    }
    announcement_->tell(news);
    QWidget* focus = focusWidget();
    platform::announceToScreenReader(focus != nullptr ? focus : this, news);
}

void Screen::closeEvent(QCloseEvent* event)
{
    // Screens are never closed one by one: a close request from outside ends the run.
    event->ignore();
    EndProgram();
}

bool Screen::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || programHasEnded()) {
        return false;
    }
    auto* receiver = static_cast<QWidget*>(watched);
    watchFocusRings(*receiver, *event);
    if (event->type() == QEvent::KeyPress) {
        previewKey(receiver, static_cast<QKeyEvent*>(event));
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
    QWidget* focus = focusWidget(); // the screen's own focus, also before it is activated
    QWidget* firstReceiver = focus != nullptr ? focus : this;
    if (receiver != firstReceiver || (!keyPreview_ && receiver != this)) {
        return;
    }
    const int code = keyCharacterCode(*event);
    const auto* label = qobject_cast<const Label*>(firstReceiver);
    if (code >= 0 && (label == nullptr || !label->takesKey(*event))) {
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
