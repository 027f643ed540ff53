// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What Linux and Windows share: screens in windows of their own on the desktop.

#include "toolkit/platform.h"

#include <QGuiApplication>
#include <QScreen>

namespace tk::platform {

QRect screenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

bool windowSystemPlacesScreens()
{
    return true;
}

QRect roomBesideScreens()
{
    return {};
}

} // namespace tk::platform
