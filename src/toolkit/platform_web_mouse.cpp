// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The mouse in a browser. Qt 6.4's browser platform finds the window under a mouse event in the
// screen's CSS pixels, but then asks whether that window holds the point in its own logical
// pixels: with the screens scaled up, a press or a release more than 800 x 600 CSS pixels from the
// canvas's corner lands outside every window and is dropped (a move too). So the program takes
// the mouse's pointer events before the canvas sees them and hands each to the window under it,
// in CSS pixels as Qt's own events come; Qt scales them to the screens as it scales touches,
// which reach the screens rightly.

#include "toolkit/platform_web.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <array>
#include <string>

namespace tk::platform::web {

namespace {

using emscripten::val;
using Delivery = QWindowSystemInterface::SynchronousDelivery;

QPointer<QWindow> pressedWindow; // takes the mouse until its buttons are up
QPointer<QWindow> windowUnderMouse;

// Where a point of the page stands in Qt's screen, in CSS pixels.
QPointF screenPoint(const QScreen& screen, const val& canvas, double clientX, double clientY)
{
    const val box = canvas.call<val>("getBoundingClientRect");
    return QPointF(screen.handle()->geometry().topLeft()) +
           QPointF(clientX - box["left"].as<double>(), clientY - box["top"].as<double>());
}

QWindow* windowAt(const QScreen& screen, QPointF point)
{
    QWindow* window = screen.handle()->topLevelAt(point.toPoint());
    return window != nullptr && window->handle() != nullptr ? window : nullptr;
}

QPointF localPoint(const QWindow& window, QPointF point)
{
    return point - QPointF(window.handle()->geometry().topLeft());
}

Qt::MouseButton buttonOf(const val& event)
{
    constexpr std::array<Qt::MouseButton, 5> kButtons = {
        Qt::LeftButton, Qt::MiddleButton, Qt::RightButton, Qt::BackButton, Qt::ForwardButton};
    const int button = event["button"].as<int>();
    return button >= 0 && button < static_cast<int>(kButtons.size()) ? kButtons.at(button)
                                                                     : Qt::NoButton;
}

Qt::MouseButtons buttonsOf(const val& event)
{
    constexpr std::array<Qt::MouseButton, 5> kBits = {
        Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton};
    const int pressed = event["buttons"].as<int>();
    Qt::MouseButtons buttons;
    for (std::size_t bit = 0; bit < kBits.size(); ++bit) {
        buttons.setFlag(kBits.at(bit), (pressed & (1 << bit)) != 0);
    }
    return buttons;
}

Qt::KeyboardModifiers modifiersOf(const val& event)
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, event["shiftKey"].as<bool>());
    modifiers.setFlag(Qt::ControlModifier, event["ctrlKey"].as<bool>());
    modifiers.setFlag(Qt::AltModifier, event["altKey"].as<bool>());
    modifiers.setFlag(Qt::MetaModifier, event["metaKey"].as<bool>());
    return modifiers;
}

ulong timestampOf(const val& event)
{
    return static_cast<ulong>(event["timeStamp"].as<double>());
}

QEvent::Type mouseTypeOf(const std::string& type)
{
    if (type == "pointerdown") {
        return QEvent::MouseButtonPress;
    }
    if (type == "pointerup" || type == "pointercancel") {
        return QEvent::MouseButtonRelease;
    }
    return QEvent::MouseMove;
}

// Qt's window under a moving mouse, told of the pointer's coming and going.
void follow(QWindow* window, QPointF local, QPointF global)
{
    if (window == windowUnderMouse) {
        return;
    }
    if (windowUnderMouse != nullptr) {
        QWindowSystemInterface::handleLeaveEvent<Delivery>(windowUnderMouse);
    }
    windowUnderMouse = window;
    QWindowSystemInterface::handleEnterEvent<Delivery>(window, local, global);
}

} // namespace

void onPageMouse(val event)
{
    const val canvas = pageCanvas();
    if (event["pointerType"].as<std::string>() != "mouse" ||
        !(event["target"] == canvas ||
          canvas.call<bool>("hasPointerCapture", event["pointerId"]))) {
        return; // a touch, a pen, or a mouse over the page's own fields
    }
    event.call<void>("stopPropagation");
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QPointF global =
        screenPoint(*screen, canvas, event["clientX"].as<double>(), event["clientY"].as<double>());
    const QEvent::Type type = mouseTypeOf(event["type"].as<std::string>());
    QWindow* window = pressedWindow != nullptr ? pressedWindow.data() : windowAt(*screen, global);
    if (window == nullptr || window->handle() == nullptr) {
        return;
    }
    const QPointF local = localPoint(*window, global);
    const Qt::MouseButtons buttons = buttonsOf(event);
    if (type == QEvent::MouseButtonPress) {
        pressedWindow = window;
        canvas.call<void>("setPointerCapture", event["pointerId"]);
        if (!window->flags().testFlag(Qt::WindowDoesNotAcceptFocus)) {
            window->requestActivate();
        }
    } else if (type == QEvent::MouseMove && pressedWindow == nullptr) {
        follow(window, local, global);
    } else if (type == QEvent::MouseButtonRelease && buttons == Qt::NoButton) {
        pressedWindow = nullptr;
        canvas.call<void>("releasePointerCapture", event["pointerId"]);
    }
    if (QWindowSystemInterface::handleMouseEvent<Delivery>(
            window, timestampOf(event), local, global, buttons,
            type == QEvent::MouseMove ? Qt::NoButton : buttonOf(event), type, modifiersOf(event))) {
        event.call<void>("preventDefault");
    }
}

void takeTheMouse()
{
    val options = val::object();
    options.set("capture", true);
    for (const char* type : {"pointerdown", "pointermove", "pointerup", "pointercancel"}) {
        val::global("window").call<void>("addEventListener", std::string(type),
                                         val::module_property("placevaluePageMouse"), options);
    }
}

} // namespace tk::platform::web
