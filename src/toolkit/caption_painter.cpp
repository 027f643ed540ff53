// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/caption_painter.h"

#include <QColor>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

constexpr int kFittingSteps = 70; // 0.99 to the 69th is about one half

// Lays the text out as one line; its baseline's height in layout coordinates.
double layOutLine(QTextLayout& layout, bool rightToLeft)
{
    QTextOption option;
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    return line.isValid() ? line.ascent() : 0.0;
}

// The glyphs a layout paints, in layout coordinates: from the left end of their advances to the
// right end, and their ink.
struct Glyphs {
    double left = 0;
    double right = 0;
    QRectF ink;

    // From the leftmost end of the advances or the ink to the rightmost.
    double extent() const
    {
        return ink.isEmpty() ? right - left
                             : std::max(right, ink.right()) - std::min(left, ink.left());
    }
};

Glyphs glyphsOf(const QTextLayout& layout)
{
    Glyphs glyphs;
    bool first = true;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont face = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = face.advancesForGlyphIndexes(indexes);
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const double from = positions[i].x();
            const double to = from + advances[i].x();
            glyphs.left = first ? from : std::min(glyphs.left, from);
            glyphs.right = first ? to : std::max(glyphs.right, to);
            first = false;
            const QRectF ink = face.boundingRect(indexes[i]);
            if (!ink.isEmpty()) {
                glyphs.ink |= ink.translated(positions[i]);
            }
        }
    }
    return glyphs;
}

// How far the face's letters and digits reach above and below the baseline; each letter stands
// apart, so that its isolated form, the tallest and deepest of its forms, is measured.
std::pair<double, double> letterBand(const QFont& font)
{
    static QHash<QString, std::pair<double, double>> bands;
    const QString key = font.key();
    const auto known = bands.constFind(key);
    if (known != bands.constEnd()) {
        return *known;
    }
    QTextLayout sample(QStringLiteral(u"ا ب ت ث ج ح خ د ذ ر ز س ش ص ض ط ظ ع غ ف ق ك ل م ن ه و ي "
                                      u"0123456789"),
                       font);
    const double baseline = layOutLine(sample, true);
    const QRectF ink = glyphsOf(sample).ink;
    return *bands.insert(key, {ink.top() - baseline, ink.bottom() - baseline});
}

} // namespace

CaptionPainter::CaptionPainter(const QFont& font, bool rightToLeft, const CaptionFrame& frame)
    : designedFont_(font)
    , rightToLeft_(rightToLeft)
    , frame_(frame)
{
    layout_.setFont(font);
}

void CaptionPainter::setCaption(const QString& caption)
{
    // A self-sizing caption wider than its room (at most its window) is set smaller, in steps of
    // 1 % down to half its designed size, until it fits: nothing is clipped.
    const int window = frame_.window.width();
    const int room = !frame_.autoSize      ? 0
                     : frame_.maxWidth > 0 ? std::min(window, core::twipsToPixels(frame_.maxWidth))
                                           : window;
    layout_.setText(caption);
    QFont fitted = designedFont_;
    double baseline = 0;
    Glyphs glyphs;
    for (int step = 0; step < kFittingSteps; ++step) {
        fitted.setPointSizeF(designedFont_.pointSizeF() * std::pow(0.99, step));
        layout_.setFont(fitted);
        baseline = layOutLine(layout_, rightToLeft_);
        glyphs = glyphsOf(layout_);
        if (room <= 0 || glyphs.extent() <= room) {
            break;
        }
    }
    textStart_ = QPointF(glyphs.left, baseline);
    const auto [bandTop, bandBottom] = letterBand(layout_.font());
    const CaptionMeasure measure{glyphs.right - glyphs.left, glyphs.ink.translated(-textStart_),
                                 bandTop, bandBottom};
    placement_ = placeCaption(measure, frame_);
}

void CaptionPainter::paint(QPainter& painter, QPoint widgetTopLeft, const QColor& colour) const
{
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(colour);
    layout_.draw(&painter, placement_.textOrigin - textStart_ - QPointF(widgetTopLeft));
}

} // namespace tk
