// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding things in the design table: a screen's window, a control, the control whose click does
// something. The find... lookups give nullptr for what the table lacks, so that a test can name
// what is missing; control() and clickedFor() throw instead, for the tools that cannot go on.

#include "support/design_table.h"

#include <stdexcept>
#include <string_view>

namespace design {

// The screen a run starts on, and the menu that the activities return to.
inline constexpr const char* kSplash = "Form1";
inline constexpr const char* kMenu = "Form4";

constexpr const Window* findWindow(std::string_view screen)
{
    for (const Window& w : kWindows) {
        if (screen == w.screen) {
            return &w;
        }
    }
    return nullptr;
}

// The control on that screen whose click does that ("Form2", "Form4", "end", "answer" ...).
constexpr const Control* findClick(std::string_view screen, std::string_view click)
{
    for (const Control& c : kControls) {
        if (screen == c.screen && c.click != nullptr && click == c.click) {
            return &c;
        }
    }
    return nullptr;
}

// The control of that name on that screen; throws for a name not in the table.
constexpr const Control& control(std::string_view screen, std::string_view name)
{
    for (const Control& c : kControls) {
        if (screen == c.screen && name == c.name) {
            return c;
        }
    }
    throw std::out_of_range("no such control in the design table");
}

constexpr const Control& clickedFor(std::string_view screen, std::string_view click)
{
    const Control* c = findClick(screen, click);
    if (c == nullptr) {
        throw std::out_of_range("no such click in the design table");
    }
    return *c;
}

constexpr const Window& window(std::string_view screen)
{
    const Window* w = findWindow(screen);
    if (w == nullptr) {
        throw std::out_of_range("no such window in the design table");
    }
    return *w;
}

} // namespace design
