// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tour.h"

#include "support/design_lookup.h"
#include "watched_process.h"

#include <X11/keysym.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr double kFeedbackWaitMs = 3300; // the feedback shows for three seconds
constexpr double kSettleMs = 300;

ScreenPoint centre(const design::Box& box)
{
    return {box.centreXPixels(), box.centreYPixels()};
}

} // namespace

ScreenPoint centreOf(const char* screen, const char* control)
{
    return centre(design::control(screen, control).box);
}

ScreenPoint clickFor(const char* screen, const char* click)
{
    return centre(design::clickedFor(screen, click).box);
}

Window nextScreen(XWatcher& display, const char* screen)
{
    const Window window = display.waitForMap(kTimeoutMs);
    display.waitForFullFrame(window, kTimeoutMs);
    const int expectedWidth = design::window(screen).width / 15;
    if (display.size(window).first != expectedWidth) {
        throw std::runtime_error(std::string("an unexpected window was mapped instead of ") +
                                 screen + " (width " + std::to_string(display.size(window).first) +
                                 ")");
    }
    display.focus(window);
    return window;
}

Window openFrom(XWatcher& display, Window from, const char* fromScreen, const char* screen)
{
    const ScreenPoint entry = clickFor(fromScreen, screen);
    display.click(from, entry.x, entry.y);
    return nextScreen(display, screen);
}

void tour(XWatcher& display, const WatchedProcess& process)
{
    const auto stage = [&](const char* name) {
        std::fprintf(stderr, "    %-16s peak %6.1f MiB %s\n", name,
                     static_cast<double>(process.peakResidentKiB()) / 1024.0,
                     process.residentParts().c_str());
    };
    stage("splash");
    const Window menu = nextScreen(display, "Form4"); // after the splash's three seconds
    stage("menu");

    const Window write = openFrom(display, menu, "Form4", "Form2");
    const ScreenPoint answerBox = centreOf("Form2", "Text1");
    const ScreenPoint button = clickFor("Form2", "answer");
    for (const char* answer : {"0.5", "0.05"}) {
        display.click(write, answerBox.x, answerBox.y);
        display.type(answer);
        display.click(write, button.x, button.y);
        display.idle(kFeedbackWaitMs);
    }
    stage("write exercise");
    openFrom(display, write, "Form2", "Form4");

    const Window choose = openFrom(display, menu, "Form4", "Form3");
    for (const ScreenPoint candidate : {centreOf("Form3", "Label6"), centreOf("Form3", "Label7")}) {
        display.moveTo(choose, candidate.x, candidate.y);
        display.click(choose, candidate.x, candidate.y);
        display.idle(kFeedbackWaitMs);
    }
    stage("choose exercise");
    openFrom(display, choose, "Form3", "Form4");

    const Window reading = openFrom(display, menu, "Form4", "Form5");
    for (int i = 0; i < 5; ++i) {
        display.key(XK_Return);
        display.idle(100);
    }
    stage("reading practice");
    openFrom(display, reading, "Form5", "Form4");
    display.idle(kSettleMs);
    stage("menu again");
}
