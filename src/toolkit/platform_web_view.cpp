// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's view of the screens: the canvas covers the whole view, and the design area stands
// in it as large as the view allows, keeping its proportions, on the page's black; the screens
// keep their designed sizes and places in that area, drawn at the device's own resolution. What
// the area leaves free of the view, below it or beside it, is room for a keypad.

#include "toolkit/platform.h"
#include "toolkit/platform_web.h"

#include "toolkit/touch_mode.h"

#include <QApplication>
#include <QBackingStore>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <string>

// Qt paints nothing smaller than one device pixel to a logical pixel (its painter never scales
// down), so a view with fewer device pixels than the design area (a window smaller than
// 800 x 600 on a screen of standard density) would cut the screens. There the page tells Qt that
// the display has as many pixels to a CSS pixel as that takes: window.devicePixelRatio, as Qt
// reads it, is never below `least` (0: the display's own). Qt then draws the screens at one device
// pixel to a logical pixel on a canvas of more pixels than the view, which the browser shows
// shrunk to the view. Returns the display's own ratio. (The body is JavaScript: clang-format would
// break its arrows.)
// clang-format off
EM_JS(double, placevalueLeastDensity, (double least), {
    if (!window.placevalueDensity) {
        let owner = window;
        let property;
        while (owner && !(property = Object.getOwnPropertyDescriptor(owner, "devicePixelRatio"))) {
            owner = Object.getPrototypeOf(owner);
        }
        const own = property && property.get ? () => property.get.call(window) : () => 1;
        window.placevalueDensity = {own: own, least: 0};
        Object.defineProperty(window, "devicePixelRatio", {
            configurable: true,
            get: () => Math.max(window.placevalueDensity.own(), window.placevalueDensity.least)
        });
    }
    window.placevalueDensity.least = least;
    return window.placevalueDensity.own();
});
// clang-format on

namespace tk::platform::web {

namespace {

using emscripten::val;

// The area the screens were designed on, in logical pixels. The page shows it whole and as large
// as the view allows.
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;

QWidget* backdrop = nullptr;

// Where the last fit put the design area in the screen that the view is, and the room beside it,
// in logical pixels; whether it put the area at the view's edge.
QRect designArea(0, 0, kDesignWidth, kDesignHeight);
QRect roomBeside;
bool areaAtEdge = false;
bool refitPending = false;

// Whether the design area stands at the view's edge, so that a keypad has all the room it leaves
// free, in one piece: while the program is worked by touch, and from the start on a device whose
// primary pointer is a finger (nothing jumps there at the first tap). With a mouse the area
// stays centred.
bool standsAtEdge()
{
    static const val fingers =
        val::global("window").call<val>("matchMedia", std::string("(pointer: coarse)"));
    return TouchMode::instance().isOn() || fingers["matches"].as<bool>();
}

std::string cssPixels(double value)
{
    return std::to_string(value) + "px";
}

// Moves every screen by the design area's move (the backdrop covers the view; a window that
// belongs to a screen, a keypad beside it, is placed anew by its screen as the screen moves),
// sizes and places every visible one again at the screen's current scale and paints it anew, into
// a pixel buffer of the new size.
void placeScreensAgain(QPoint shift, QSize view)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == backdrop) {
            widget->setGeometry(QRect(QPoint(), view));
        } else if (!shift.isNull() && widget->parentWidget() == nullptr) {
            widget->move(widget->pos() + shift);
        }
        QWindow* window = widget->windowHandle();
        if (window == nullptr || !widget->isVisible()) {
            continue;
        }
        window->setGeometry(widget->geometry());
        if (QBackingStore* store = widget->backingStore()) {
            store->resize(QSize());
        }
        widget->update();
    }
}

// The part of the page in view, in the page's CSS pixels.
struct PageView {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

PageView pageView()
{
    const val window = val::global("window");
    const val viewport = window["visualViewport"];
    if (!viewport.as<bool>()) {
        return {.width = window["innerWidth"].as<double>(),
                .height = window["innerHeight"].as<double>()};
    }
    return {.left = viewport["offsetLeft"].as<double>(),
            .top = viewport["offsetTop"].as<double>(),
            .width = viewport["width"].as<double>(),
            .height = viewport["height"].as<double>()};
}

} // namespace

// Fits the design area into the part of the page in view, at a whole number of CSS pixels for
// each 4 x 3 logical ones (the same scale across and down, below 1 in a view smaller than
// 800 x 600), the canvas covering the view and drawn at the device's own resolution; where that is
// less than a device pixel to a logical pixel, at one (see placevalueLeastDensity). The page's
// viewport settings keep a phone's page at its own width: the program does the scaling. The area
// stands centred, or at the edge (standsAtEdge): at the top of a view taller than it, on the right
// of a wider one, where a right-to-left page starts; the room for a keypad is the free part below
// it or on its left (half of the free part while the area is centred).
void fitToViewport(val /*event*/)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const PageView view = pageView();
    const int units = std::max(1, static_cast<int>(std::min(view.width / 4, view.height / 3)));
    const double scale = units * 4.0 / kDesignWidth; // CSS pixels to a logical pixel
    const QSize viewSize(static_cast<int>(std::ceil(view.width / scale)),
                         static_cast<int>(std::ceil(view.height / scale)));
    const QSize free = viewSize - designArea.size();
    const bool beside = free.width() > free.height();
    areaAtEdge = standsAtEdge();
    QPoint corner(std::max(0, free.width() / 2), std::max(0, free.height() / 2));
    if (areaAtEdge && beside) {
        corner.setX(free.width());
    } else if (areaAtEdge) {
        corner.setY(0);
    }
    const QRect area(corner, designArea.size());
    // Before Qt learns of the view's new size, which may place a keypad.
    roomBeside = beside ? QRect(0, 0, area.left(), viewSize.height())
                        : QRect(0, area.bottom() + 1, viewSize.width(),
                                viewSize.height() - area.bottom() - 1);
    const QPoint shift = area.topLeft() - designArea.topLeft();
    designArea = area;

    const double density = placevalueLeastDensity(0);
    placevalueLeastDensity(scale * density < 1 ? 1 / scale : 0);
    // The scale first: Qt turns the canvas's new size into logical pixels as it learns of it.
    QHighDpiScaling::setScreenFactor(screen, scale);
    // The page's body, and the canvas that fills it, cover the view: Qt's screen is the view,
    // its origin at the view's top left.
    val style = val::global("document")["body"]["style"];
    style.set("left", cssPixels(view.left));
    style.set("top", cssPixels(view.top));
    style.set("width", cssPixels(view.width));
    style.set("height", cssPixels(view.height));
    val::module_property("qtResizeContainerElement")(pageCanvas());
    placeScreensAgain(shift, viewSize);
}

// Once the event being delivered is done, and no mouse button is down, fits the view again if the
// design area should now stand elsewhere (touch mode came or went).
void refitWhenTouchModeMoves()
{
    if (refitPending) {
        return;
    }
    refitPending = true;
    QTimer::singleShot(0, qApp, [] {
        refitPending = false;
        if (QGuiApplication::mouseButtons() == Qt::NoButton && standsAtEdge() != areaAtEdge) {
            fitToViewport(val::undefined());
        }
    });
}

void showBackdrop()
{
    if (backdrop != nullptr) {
        return;
    }
    // Qt's browser platform paints grey where no screen stands (around the splash screen).
    backdrop = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint |
                                        Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnBottomHint);
    backdrop->setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette palette = backdrop->palette();
    palette.setColor(QPalette::Window, Qt::black);
    backdrop->setPalette(palette);
    backdrop->setAutoFillBackground(true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    backdrop->setGeometry(screen != nullptr ? screen->geometry() : designArea);
    backdrop->show();
}

bool isBackdrop(const QWidget* widget)
{
    return widget != nullptr && widget == backdrop;
}

} // namespace tk::platform::web

namespace tk::platform {

QRect screenArea()
{
    return web::designArea;
}

bool windowSystemPlacesScreens()
{
    return false;
}

QRect roomBesideScreens()
{
    return web::roomBeside;
}

} // namespace tk::platform
