// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding a screen's controls by name, and what is on screen.

#include "toolkit/screen.h"

#include <QApplication>
#include <QObject>
#include <QPoint>
#include <QWidget>

template <typename Control> Control* control(const QObject* screen, const QString& name)
{
    return screen->findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

// The visible screens of the program.
inline QList<tk::Screen*> visibleScreens()
{
    QList<tk::Screen*> visible;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* screen = qobject_cast<tk::Screen*>(window);
        if (screen != nullptr && screen->isVisible()) {
            visible.append(screen);
        }
    }
    return visible;
}

inline QPoint centreOf(const QWidget* widget)
{
    return widget->rect().center();
}
