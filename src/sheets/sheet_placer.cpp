// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_placer.h"

#include "toolkit/fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>

#include <cmath>

namespace sheets {

namespace {

constexpr double kFitStep = 0.5; // points
constexpr char16_t kEllipsis = u'\u2026';

} // namespace

QFont sheetFont(double points, bool bold)
{
    return tk::makeFont({tk::Face::ArabicTransparent, points, bold});
}

Placer::Placer(const QPaintDevice& device, SheetLayout& out)
    : device_(device)
    , out_(out)
    , mmPerPixel_(kMillimetresPerInch / device.logicalDpiX())
{}

double Placer::width(const QString& text, const QFont& font) const
{
    return QFontMetricsF(font, &device_).horizontalAdvance(text) * mmPerPixel_;
}

QRectF Placer::ink(const QString& text, const QFont& font) const
{
    const QRectF tight = QFontMetricsF(font, &device_).tightBoundingRect(text);
    return {tight.left() * mmPerPixel_, tight.top() * mmPerPixel_, tight.width() * mmPerPixel_,
            tight.height() * mmPerPixel_};
}

void Placer::left(int page, double x, double baseline, const QString& text, const QFont& font,
                  Direction direction, const QColor& colour)
{
    out_.texts.append({page, QPointF(x, baseline), ink(text, font).translated(x, baseline), text,
                       font, colour, direction == Direction::RightToLeft});
}

void Placer::right(int page, double x, double baseline, const QString& text, const QFont& font,
                   Direction direction, const QColor& colour)
{
    left(page, x - width(text, font), baseline, text, font, direction, colour);
}

void Placer::centre(int page, double x, double baseline, const QString& text, const QFont& font,
                    Direction direction, const QColor& colour)
{
    left(page, x - width(text, font) / 2, baseline, text, font, direction, colour);
}

void Placer::line(int page, const QLineF& line, double width)
{
    out_.lines.append({page, line, width});
}

// The top and bottom sides reach over the corners; the left and right sides stand between
// them, so no two sides cover the same spot.
void Placer::frame(int page, const QRectF& box, double width)
{
    const double half = width / 2;
    line(page, QLineF(box.left() - half, box.top(), box.right() + half, box.top()), width);
    line(page, QLineF(box.left() - half, box.bottom(), box.right() + half, box.bottom()), width);
    line(page, QLineF(box.left(), box.top() + half, box.left(), box.bottom() - half), width);
    line(page, QLineF(box.right(), box.top() + half, box.right(), box.bottom() - half), width);
}

QStringList Placer::wrap(const QString& text, const QFont& font, double width) const
{
    QTextLayout layout(text, font, &device_);
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width / mmPerPixel_);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

FittedText Placer::fit(const QString& text, double width, const FitRule& rule) const
{
    FittedText fitted;
    const auto steps = static_cast<int>(std::lround((rule.largest - rule.smallest) / kFitStep));
    for (int step = 0; step <= steps; ++step) {
        const double points = rule.largest - step * kFitStep;
        fitted.font = sheetFont(points, rule.bold);
        const QFontMetricsF metrics(fitted.font, &device_);
        fitted.lineSpacing = metrics.lineSpacing() * mmPerPixel_;
        fitted.ascent = metrics.ascent() * mmPerPixel_;
        fitted.descent = metrics.descent() * mmPerPixel_;
        if (points >= rule.wrapFrom) {
            if (this->width(text, fitted.font) <= width) {
                fitted.lines = QStringList{text};
                return fitted;
            }
            continue;
        }
        const QStringList lines = wrap(text, fitted.font, width);
        fitted.lines.clear();
        for (const QString& line : lines.mid(0, rule.maxLines)) {
            fitted.lines.append(line.trimmed());
        }
        if (lines.size() <= rule.maxLines) {
            return fitted;
        }
        if (step == steps) {
            // Longer than the room at the smallest size: the last line ends in an ellipsis.
            const QString before = lines.mid(0, rule.maxLines - 1).join(QString());
            QString last = text.mid(before.size()).trimmed();
            while (!last.isEmpty() && this->width(last + QChar(kEllipsis), fitted.font) > width) {
                last.chop(1);
            }
            fitted.lines.last() = last.trimmed() + QChar(kEllipsis);
        }
    }
    if (fitted.lines.isEmpty()) { // a rule that never wraps
        fitted.lines = QStringList{text};
    }
    return fitted;
}

double Placer::placeFitted(int page, double right, double top, const FittedText& fitted)
{
    double baseline = top + fitted.ascent;
    for (const QString& line : fitted.lines) {
        this->right(page, right, baseline, line, fitted.font, Direction::RightToLeft);
        baseline += fitted.lineSpacing;
    }
    return baseline - fitted.lineSpacing + fitted.descent;
}

} // namespace sheets
