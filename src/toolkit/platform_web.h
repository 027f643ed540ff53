// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The browser side of the platform seam, shared by its files (platform_web.cpp,
// platform_web_view.cpp, platform_web_keyboard.cpp, platform_web_mouse.cpp); nothing outside them
// includes it.

#include <emscripten/val.h>

class QWidget;

namespace tk::platform::web {

// The page's canvas, on which Qt draws every screen.
emscripten::val pageCanvas();

// Fits the design area into the part of the page in view (at start and when the view changes):
// see platform_web_view.cpp.
void fitToViewport(emscripten::val event);
// Fits it again, after the event being delivered, if touch mode has come or gone and the design
// area stands elsewhere with it.
void refitWhenTouchModeMoves();

// Puts the black design area behind the screens, once, before the first screen shows.
void showBackdrop();
bool isBackdrop(const QWidget* widget);

// The mouse's pointer events, taken from the canvas and handed to Qt's windows in the screen's
// own pixels (platform_web_mouse.cpp), once.
void takeTheMouse();

// The on-screen keyboard's stand-in field of the page (platform_web_keyboard.cpp): made once;
// focused while a text box has the focus, so that the device shows its keyboard.
void makeKeyboardField();
void focusKeyboardField(bool on);
bool takesText(const QWidget* widget);

// What the page's events call in the program (bound by name in platform_web.cpp).
void onKeyboardFieldKey(emscripten::val event);
void onKeyboardFieldInput(emscripten::val event);
void onKeyboardFieldCompositionEnd(emscripten::val event);
void onCanvasMouseDown(emscripten::val event);
void onPageMouse(emscripten::val event);

} // namespace tk::platform::web
