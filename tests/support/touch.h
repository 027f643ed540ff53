// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Taps as a finger on a touch screen gives them: touch events, which Qt turns into clicks for
// controls that take no touch of their own.

#include <QPointingDevice>
#include <QTest>
#include <QWidget>

// The touch screen of the tests, made once.
inline QPointingDevice* touchScreen()
{
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// A tap at a point of the widget (its centre by default).
inline void tap(QWidget* widget, QPoint point)
{
    QTest::touchEvent(widget->window(), touchScreen()).press(0, point, widget);
    QTest::touchEvent(widget->window(), touchScreen()).release(0, point, widget);
}
inline void tap(QWidget* widget)
{
    tap(widget, widget->rect().center());
}
