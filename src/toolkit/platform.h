// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What differs between the platforms the program runs on. One implementation per platform
// (platform_linux.cpp, platform_windows.cpp, platform_web.cpp, and platform_desktop.cpp for what
// Linux and Windows share), chosen by the build; nothing else in the program knows which
// platform it is on.

#include <QRect>
#include <QString>
#include <QStringList>

class QObject;

namespace tk::platform {

// Whether the program can open windows here. False only where a display may be missing: on
// X11 and Wayland without DISPLAY or WAYLAND_DISPLAY, unless a Qt platform is chosen
// (QT_QPA_PLATFORM or -platform).
bool canShowWindows(int argc, char** argv);

// The arguments the program was started with, after its name, as the system holds them: on
// Windows the UTF-16 command line (argv is in the ANSI code page, which cannot hold Arabic on a
// French or English Windows); elsewhere argv in the locale's encoding. Needs no application.
QStringList commandLineArguments(int argc, char** argv);

// Routes the platform's requests to end the run into EndProgram, through the event loop:
// SIGTERM and SIGINT on Linux, the end of the session (log-off, shut-down) on Windows. A close
// request to a screen ends the run on every platform (the screens see to that). Needs the
// application; idempotent.
void routeEndRequestsToEndProgram();

// Fits the screens to the device once the application exists, before the first screen shows.
// Nothing to do on a desktop. In a browser the page is the desktop: the screens' 800 x 600 area
// is scaled to fill the viewport, keeping its proportions, and again whenever the viewport
// changes (a tablet turned round); every screen keeps its designed size and place in that area;
// a text box with the focus brings up the device's on-screen keyboard and receives what it types.
// Idempotent.
void adaptToDevice();

// The area the screens are shown in, in logical pixels. On a desktop the primary screen less its
// panels: a screen that asks to be centred is centred on it, the window system places the others.
// In a browser the 800 x 600 design area, wherever the view has it: the screens stand in it as
// designed, those that ask for no place of their own at its top left. Empty without a screen.
QRect screenArea();
bool windowSystemPlacesScreens();

// The room the device leaves beside the screen area, in logical pixels, where a keypad may stand
// instead of over a screen's black: none on a desktop, whose screens have fixed windows. In a
// browser, the part of the view that the 4:3 design area leaves free, below it when the view is
// upright, on its left when turned: all of it while the program is worked by touch (the design
// area then stands at the view's edge), half of it while the area stays centred for a mouse. It
// changes with the view and with touch mode; the screens move when it does.
QRect roomBesideScreens();

// The last step of EndProgram, once every timer has stopped and every screen is hidden: leaves
// the event loop with status 0. In a browser, where a page cannot close its own tab, the page is
// replaced by one that says that the program has ended, with a button that starts it again, and
// nothing of the program stays in the tab.
void leaveProgram();

// Makes the faces the screens are drawn in available to Qt: installed system fonts on Linux;
// on Windows and in a browser, which have none of them, the faces compiled into the program are
// registered. Idempotent; every font the toolkit makes calls it first.
void installFaces();

// Whether those faces come with the program, so that every one of them is always there with
// every letter the program shows: on Windows and in a browser (compiled in), not on Linux (a
// machine may lack one, or have an older cut of it).
bool facesComeWithTheProgram();

// Lets a program with windows also speak on the command line it was started from: on Windows a
// windowed program has no console, so it attaches to the one of the command prompt that started
// it, if any, for the standard streams that were not redirected. Nothing to do on Linux.
void attachToStartingConsole();

// Lets standard output carry bytes unchanged (a PDF): on Windows it would turn every line feed
// into a carriage return and a line feed. Nothing to do on Linux.
void makeStandardOutputBinary();

// The folder of Qt's own translations (the texts of its dialogs): Qt's installed folder on
// Linux; on Windows the programs that show Qt's dialogs compile the ones they need in, under
// ":/qt-translations"; none in a browser, where no dialog of Qt's is shown.
QString qtTranslationsFolder();

// Passes a screen's announcement (which the toolkit has just shown as a notification, what Orca
// speaks on Linux) on to the screen readers of the platform, from the focused control. On
// Windows, where Qt 6.4's UI Automation bridge passes on neither a notification that shows nor a
// changed name or description, as a change of the focused control's value to the text, which
// the bridge raises as a UI Automation notification. Nothing more elsewhere.
void announceToScreenReader(QObject* focused, const QString& text);

} // namespace tk::platform
