// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where everything on a worksheet stands: A4 pages with margins a school printer can print,
// the header lines, the numbered questions in two columns (the right one first), and the
// answer key on a page of its own. Positions are millimetres from the top-left corner of the
// printable area.

#include "sheets/sheet.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;

namespace sheets {

inline constexpr int kQuestionsPerPage = 30;

// A4 portrait with 15 mm margins on every side.
QPageLayout sheetPageLayout();
// The printable area in millimetres: 180 x 267 on A4.
QSizeF printableSize();

struct PlacedText {
    int page = 0;
    QPointF origin; // the start of the baseline: its left end, or its right end for RTL text
    QRectF ink;     // the ink the text covers
    QString text;
    QFont font;
    QColor colour;
    bool rightToLeft = false;
};

inline constexpr double kThinLine = 0.3; // mm

struct PlacedLine {
    int page = 0;
    QLineF line;
    double width = kThinLine; // mm
};

struct SheetLayout {
    int pages = 0;
    int firstKeyPage = -1; // -1 without a key
    QList<PlacedText> texts;
    QList<PlacedLine> lines;
};

// Lays the sheet out with the fonts measured on the device it will be painted on.
SheetLayout layOutSheet(const Sheet& sheet, const QPaintDevice& measuringDevice);

// Lays the sheet out and paints it on a device whose page layout is sheetPageLayout(), which
// this sets. Returns false when the device cannot be painted on.
bool paintSheet(const Sheet& sheet, QPagedPaintDevice& device);

} // namespace sheets
