// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Watches the top-level windows of an X display (Xvfb) the way a pupil's screen would see them:
// when each is mapped and when every pixel of it has been drawn; and sends input through XTest,
// as from a real mouse and keyboard. Throws std::runtime_error when a wait times out.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// One top-level window, with the pixels drawn into it since its last map.
struct WatchedWindow {
    Damage damage = 0;
    int width = 0;
    int height = 0;
    std::vector<bool> drawn;
    long drawnCount = 0;

    bool fullyDrawn() const { return width > 0 && drawnCount == static_cast<long>(width) * height; }
    void mark(int x, int y, int w, int h);
};

class XWatcher {
public:
    XWatcher();
    ~XWatcher();
    XWatcher(const XWatcher&) = delete;
    XWatcher& operator=(const XWatcher&) = delete;

    // Forgets the windows of the last process.
    void reset();
    // Waits for the next map of a top-level window; returns it.
    Window waitForMap(double timeoutMs);
    // Waits until every pixel of the window has been drawn into since it was mapped.
    void waitForFullFrame(Window window, double timeoutMs);
    // Handles the events that come within the given time.
    void idle(double ms);
    std::pair<int, int> size(Window window)
    {
        return {windows_[window].width, windows_[window].height};
    }

    // Gives the window the input focus, as a window manager does with a new window.
    void focus(Window window);
    void click(Window window, int x, int y);
    void moveTo(Window window, int x, int y);
    void key(KeySym symbol);
    // Digits and the point.
    void type(const std::string& text);

private:
    void pump(double timeoutMs);
    void handle(const XEvent& event);

    ::Display* display_;
    Window root_ = 0;
    int damageEventBase_ = 0;
    std::map<Window, WatchedWindow> windows_;
    std::vector<Window> mapped_;
};
