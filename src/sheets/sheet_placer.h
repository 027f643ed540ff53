// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Placing texts and lines on a sheet's pages, measured with the fonts of the device the sheet
// is painted on. Every length is in millimetres from the top-left corner of the printable area.

#include "sheets/sheet_layout.h"

#include <QStringList>

class QPaintDevice;

namespace sheets {

inline constexpr double kMillimetresPerInch = 25.4;

const QColor kInk(0, 0, 0);
const QColor kMarkRed(255, 0, 0); // the drill's red digit
const QColor kQuiet(90, 90, 90);

enum class Direction { LeftToRight, RightToLeft };

// The sheets' face (the screens' "Arabic Transparent") at a size.
QFont sheetFont(double points, bool bold = false);

// A text set into a width: its font and its lines, first to last.
struct FittedText {
    QFont font;
    QStringList lines;
    double lineSpacing = 0; // from one baseline to the next
    double ascent = 0;      // from the top of the first line to its baseline
    double descent = 0;     // from the last baseline to the bottom

    double height() const
    {
        return ascent + static_cast<double>(lines.size() - 1) * lineSpacing + descent;
    }
};

// How a text may be set into a width: one line at the largest size that fits, from largest down
// to wrapFrom; below that size up to maxLines lines, down to smallest; at smallest the last line
// ends in an ellipsis if the text is longer still.
struct FitRule {
    double largest = 14;  // points
    double wrapFrom = 11; // points
    double smallest = 7;  // points
    int maxLines = 3;
    bool bold = false;
};

class Placer {
public:
    Placer(const QPaintDevice& device, SheetLayout& out);

    double width(const QString& text, const QFont& font) const;
    // The ink of a text whose baseline starts at the origin.
    QRectF ink(const QString& text, const QFont& font) const;

    // A text whose baseline starts (left), ends (right) or is centred at x.
    void left(int page, double x, double baseline, const QString& text, const QFont& font,
              Direction direction, const QColor& colour = kInk);
    void right(int page, double x, double baseline, const QString& text, const QFont& font,
               Direction direction, const QColor& colour = kInk);
    void centre(int page, double x, double baseline, const QString& text, const QFont& font,
                Direction direction, const QColor& colour = kInk);
    void line(int page, const QLineF& line, double width = kThinLine);
    void frame(int page, const QRectF& box, double width = kThinLine);

    FittedText fit(const QString& text, double width, const FitRule& rule) const;
    // Places fitted right-to-left lines, each ending at right, the first one's top at top.
    // Returns the bottom of what it placed.
    double placeFitted(int page, double right, double top, const FittedText& fitted);

private:
    // The lines, as they break, blanks included.
    QStringList wrap(const QString& text, const QFont& font, double width) const;

    const QPaintDevice& device_;
    SheetLayout& out_;
    double mmPerPixel_;
};

} // namespace sheets
