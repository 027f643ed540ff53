// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a control's ink is: the control painted alone on a transparent picture.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

// The pixels of a control where its painting covers at least so much (of 255; by default half),
// in its screen's coordinates.
inline QList<QPoint> inkPixels(QWidget* control, int minimumAlpha = 128)
{
    QImage picture(control->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    control->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    QList<QPoint> ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) >= minimumAlpha) {
                ink.append(control->pos() + QPoint(x, y));
            }
        }
    }
    return ink;
}

// The bounding box of a control's ink, in its screen's coordinates; empty without ink.
inline QRect inkBox(QWidget* control, int minimumAlpha = 128)
{
    QRect box;
    for (const QPoint& pixel : inkPixels(control, minimumAlpha)) {
        box |= QRect(pixel, QSize(1, 1));
    }
    return box;
}

// Whether each control, from left to right, paints some ink, and none reaches the next one's.
inline bool inkStandsApart(const QList<QWidget*>& leftToRight)
{
    int inkEnd = -1;
    for (QWidget* control : leftToRight) {
        const QRect ink = inkBox(control, 1);
        if (ink.isEmpty() || ink.left() <= inkEnd + 1) {
            return false;
        }
        inkEnd = ink.right();
    }
    return true;
}
