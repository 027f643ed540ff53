// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's view of the screens: the design area fills the part of the page in view, keeps
// its proportions and is letterboxed on the page's black; the screens keep their designed sizes
// and places in it, drawn at the device's own resolution.

#include "toolkit/platform_web.h"

#include <QApplication>
#include <QBackingStore>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace tk::platform::web {

namespace {

using emscripten::val;

// The area the screens were designed on, in logical pixels. The page shows it whole and as large
// as the view allows.
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;

QWidget* backdrop = nullptr;

std::string cssPixels(double value)
{
    return std::to_string(static_cast<int>(value)) + "px";
}

// Moves and sizes every visible screen again at the screen's current scale and paints it anew,
// into a pixel buffer of the new size.
void placeScreensAgain()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
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

// The part of the page in view: its place and size in the page's CSS pixels, and the browser's
// zoom (below 1 where the page is zoomed out to show more CSS pixels than the device has).
struct PageView {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double zoom = 1;
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
            .height = viewport["height"].as<double>(),
            .zoom = viewport["scale"].as<double>()};
}

// Qt draws the screens wrongly below one CSS pixel to a logical pixel. A device with fewer CSS
// pixels in view than the design area has (a phone, a tablet upright) has the page zoomed out
// instead, through the page's viewport settings, which mobile browsers follow; the canvas is
// still drawn at the device's full resolution. (A desktop browser, whose window the pupil sizes,
// keeps its zoom: there the design area is cut to the window.)
void zoomPageToShow(const PageView& view)
{
    const double deviceWidth = view.width * view.zoom;
    const double deviceHeight = view.height * view.zoom;
    const double zoom = std::min({1.0, deviceWidth / kDesignWidth, deviceHeight / kDesignHeight});
    std::string content = "width=device-width, initial-scale=1, maximum-scale=1";
    if (zoom < 1) {
        const std::string scale = std::to_string(zoom);
        content = "width=" + std::to_string(static_cast<int>(std::ceil(deviceWidth / zoom))) +
                  ", initial-scale=" + scale + ", minimum-scale=" + scale +
                  ", maximum-scale=" + scale;
    }
    content += ", user-scalable=no, viewport-fit=cover, interactive-widget=resizes-content";
    val meta =
        val::global("document").call<val>("querySelector", std::string("meta[name=viewport]"));
    if (meta.as<bool>() && meta["content"].as<std::string>() != content) {
        meta.set("content", content);
    }
}

} // namespace

// Fits the design area into the part of the page in view: centred, letterboxed on the page's
// black, at a whole number of CSS pixels for each 4 x 3 logical ones (the same scale across and
// down, never below 1), the canvas drawn at the device's own resolution.
void fitToViewport(val /*event*/)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const PageView view = pageView();
    zoomPageToShow(view);
    const int units =
        std::max(kDesignWidth / 4, static_cast<int>(std::min(view.width / 4, view.height / 3)));
    // The scale first: Qt turns the canvas's new size into logical pixels as it learns of it.
    QHighDpiScaling::setScreenFactor(screen, static_cast<qreal>(4 * units) / kDesignWidth);
    // The page's body is the design area and the canvas fills it: Qt places its screen where the
    // canvas stands in the body, so the screen's origin stays at 0, 0, where the screens expect it.
    val style = val::global("document")["body"]["style"];
    style.set("left", cssPixels(view.left + (view.width - 4 * units) / 2));
    style.set("top", cssPixels(view.top + (view.height - 3 * units) / 2));
    style.set("width", cssPixels(4 * units));
    style.set("height", cssPixels(3 * units));
    val::module_property("qtResizeContainerElement")(pageCanvas());
    placeScreensAgain();
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
    backdrop->setGeometry(0, 0, kDesignWidth, kDesignHeight);
    backdrop->show();
}

bool isBackdrop(const QWidget* widget)
{
    return widget != nullptr && widget == backdrop;
}

} // namespace tk::platform::web
