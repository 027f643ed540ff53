// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x_watcher.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <poll.h>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

void WatchedWindow::mark(int x, int y, int w, int h)
{
    for (int row = std::max(0, y); row < std::min(height, y + h); ++row) {
        for (int col = std::max(0, x); col < std::min(width, x + w); ++col) {
            const size_t cell = static_cast<size_t>(row) * width + col;
            if (!drawn[cell]) {
                drawn[cell] = true;
                ++drawnCount;
            }
        }
    }
}

XWatcher::XWatcher()
    : display_(XOpenDisplay(nullptr))
{
    if (display_ == nullptr) {
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    }
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    int opcode = 0;
    if (XDamageQueryExtension(display_, &damageEventBase_, &errorBase) == 0 ||
        XTestQueryExtension(display_, &opcode, &errorBase, &major, &minor) == 0) {
        throw std::runtime_error("the X server lacks the Damage or the XTest extension");
    }
    // A window may be gone before the probe's request for it arrives (Qt makes and drops
    // helper windows at start): such errors are expected and ignored.
    XSetErrorHandler([](::Display* /*display*/, XErrorEvent* /*error*/) { return 0; });
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    XSync(display_, False);
}

XWatcher::~XWatcher()
{
    XCloseDisplay(display_);
}

void XWatcher::reset()
{
    windows_.clear();
    mapped_.clear();
}

Window XWatcher::waitForMap(double timeoutMs)
{
    const Clock::time_point start = Clock::now();
    while (mapped_.empty()) {
        pump(timeoutMs - millisecondsSince(start));
        if (millisecondsSince(start) > timeoutMs) {
            throw std::runtime_error("no window was mapped in time");
        }
    }
    const Window window = mapped_.front();
    mapped_.erase(mapped_.begin());
    return window;
}

void XWatcher::waitForFullFrame(Window window, double timeoutMs)
{
    const Clock::time_point start = Clock::now();
    while (!windows_[window].fullyDrawn()) {
        pump(timeoutMs - millisecondsSince(start));
        if (millisecondsSince(start) > timeoutMs) {
            throw std::runtime_error("the window was not drawn in time");
        }
    }
}

void XWatcher::idle(double ms)
{
    const Clock::time_point start = Clock::now();
    while (millisecondsSince(start) < ms) {
        pump(ms - millisecondsSince(start));
    }
}

void XWatcher::focus(Window window)
{
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

void XWatcher::click(Window window, int x, int y)
{
    moveTo(window, x, y);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

void XWatcher::moveTo(Window window, int x, int y)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), attributes.x + x, attributes.y + y,
                         CurrentTime);
    XSync(display_, False);
}

void XWatcher::key(KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
}

void XWatcher::type(const std::string& text)
{
    for (const char c : text) {
        key(c == '.' ? XK_period : static_cast<KeySym>(XK_0 + (c - '0')));
    }
}

void XWatcher::pump(double timeoutMs)
{
    if (XPending(display_) == 0) {
        pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
        const int wait = static_cast<int>(std::max(0.0, timeoutMs));
        if (::poll(&descriptor, 1, wait) <= 0) {
            return;
        }
    }
    while (XPending(display_) > 0) {
        XEvent event{};
        XNextEvent(display_, &event);
        handle(event);
    }
}

void XWatcher::handle(const XEvent& event)
{
    if (event.type == CreateNotify && event.xcreatewindow.parent == root_) {
        // The damage record is made when the window is made, well before it can be mapped
        // and drawn, so no drawing is missed.
        WatchedWindow& window = windows_[event.xcreatewindow.window];
        window.damage =
            XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
    } else if (event.type == MapNotify && event.xmap.event == root_) {
        const auto found = windows_.find(event.xmap.window);
        if (found == windows_.end()) {
            return;
        }
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, event.xmap.window, &attributes);
        WatchedWindow& window = found->second;
        window.width = attributes.width;
        window.height = attributes.height;
        window.drawn.assign(static_cast<size_t>(window.width) * window.height, false);
        window.drawnCount = 0;
        mapped_.push_back(event.xmap.window);
    } else if (event.type == damageEventBase_ + XDamageNotify) {
        const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const auto found = windows_.find(notify.drawable);
        if (found != windows_.end() && found->second.width > 0) {
            found->second.mark(notify.area.x, notify.area.y, notify.area.width, notify.area.height);
        }
    }
}
