// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where everything on the worksheets stands: A4 pages with margins a school printer can print;
// each sheet's header, its numbered questions (in one column, or two with the right one first,
// whichever gives the larger type) and its footer; and the answer keys of a class set together,
// several sheets' keys to a page. Positions are millimetres from the top-left corner of the
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

namespace sheets {

inline constexpr int kQuestionsPerPage = 30;

// A4 portrait with 15 mm margins on every side.
QPageLayout sheetPageLayout();
// The printable area in millimetres: 180 x 267 on A4.
QSizeF printableSize();

struct PlacedText {
    int page = 0;
    QPointF origin; // the left end of the baseline
    QRectF ink;     // the ink the text covers
    QString text;
    QFont font;
    QColor colour;
    bool rightToLeft = false; // the paragraph's direction
};

inline constexpr double kThinLine = 0.3; // mm

struct PlacedLine {
    int page = 0;
    QLineF line;
    double width = kThinLine; // mm
};

// Where the answer keys go: nowhere, on pages after the sheets, or on pages alone (a key file).
enum class KeyPages { None, AfterSheets, Alone };

struct SheetLayout {
    int pages = 0;
    int firstKeyPage = -1; // -1 without a key
    QList<PlacedText> texts;
    QList<PlacedLine> lines;
};

// Lays the sheets out one after the other, each starting on a new page, with the fonts measured
// on the device they will be painted on.
SheetLayout layOutSheets(const QList<Sheet>& sheets, KeyPages keys,
                         const QPaintDevice& measuringDevice);
// One sheet, with its key after it when its options ask for one.
SheetLayout layOutSheet(const Sheet& sheet, const QPaintDevice& measuringDevice);

// Lays the sheets out and paints them on a device whose page layout is sheetPageLayout(), which
// this sets. Returns false when the device cannot be painted on.
bool paintSheets(const QList<Sheet>& sheets, KeyPages keys, QPagedPaintDevice& device);

} // namespace sheets
