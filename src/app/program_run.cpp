// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program_run.h"

#include "app/screen_directory.h"
#include "toolkit/platform.h"

#include <QApplication>
#include <QStyleHints>

#include <cstdio>

void setProgramIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("placevalue"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLACEVALUE_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("placevalue"));
}

void setUpApplication()
{
    setProgramIdentity();
    // The taskbar and the task switcher name the program; the screens have no title bar and no
    // title of their own. Its icon comes from its desktop entry, which the desktop finds by this
    // name (Wayland, KDE) or by the window class "placevalue" (other X11 desktops), and on Windows
    // from the executable's icon resource: no picture is loaded at start-up.
    QGuiApplication::setApplicationDisplayName(QStringLiteral(u"البلمزية"));
    QGuiApplication::setDesktopFileName(QStringLiteral(PLACEVALUE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    // A steady caret: a blinking one wakes the program and repaints the answer box twice a
    // second for as long as the pupil thinks, and the answer box is the program's only caret.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

int runPlaceValueProgram(int argc, char** argv)
{
    if (!tk::platform::canShowWindows(argc, argv)) {
        std::fputs("placevalue: no display found (DISPLAY is not set); the screens can still be "
                   "rendered to PNG files with 'make screenshots'.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    setUpApplication();
    tk::platform::routeEndRequestsToEndProgram();
    tk::platform::adaptToDevice();

    ScreenDirectory screens;
    screens.start();
    return QApplication::exec();
}
