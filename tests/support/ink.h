// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a control's ink is: the control painted alone on a transparent picture.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

// The pixels of a control where its painting covers at least half, in its screen's coordinates.
inline QList<QPoint> inkPixels(QWidget* control)
{
    QImage picture(control->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    control->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    QList<QPoint> ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) >= 128) {
                ink.append(control->pos() + QPoint(x, y));
            }
        }
    }
    return ink;
}

// The bounding box of a control's ink, in its screen's coordinates; empty without ink.
inline QRect inkBox(QWidget* control)
{
    QRect box;
    for (const QPoint& pixel : inkPixels(control)) {
        box |= QRect(pixel, QSize(1, 1));
    }
    return box;
}
