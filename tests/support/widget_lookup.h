// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding a screen's controls by name, and what is on screen.

#include "toolkit/screen.h"

#include <QApplication>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QWidget>

#include <algorithm>

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

// Whether each control, from left to right, paints some ink, and none reaches the next one's.
inline bool inkStandsApart(const QList<QWidget*>& leftToRight)
{
    int inkEnd = -1;
    for (QWidget* control : leftToRight) {
        QImage image(control->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        control->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int first = image.width();
        int last = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        if (last < first || control->x() + first <= inkEnd + 1) {
            return false;
        }
        inkEnd = control->x() + last;
    }
    return true;
}
