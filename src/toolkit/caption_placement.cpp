// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/caption_placement.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

QRect pixelBox(const core::TwipsRect& box)
{
    return {core::twipsToPixels(box.left), core::twipsToPixels(box.top),
            core::twipsToPixels(box.width), core::twipsToPixels(box.height)};
}

// Where the spare width of a box goes: all to the left of a right-justified caption.
double spareShare(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left:
        return 0.0;
    case Alignment::Right:
        return 1.0;
    case Alignment::Centre:
        return 0.5;
    }
    return 0.0;
}

// The left edge of a self-sizing label of this width.
int selfSizedLeft(const CaptionFrame& frame, int width)
{
    if (frame.centreOnWindow) {
        return (frame.window.width() - width) / 2;
    }
    switch (frame.alignment) {
    case Alignment::Left:
        return core::twipsToPixels(frame.box.left);
    case Alignment::Right:
        return core::twipsToPixels(frame.box.right()) - width;
    case Alignment::Centre:
        return static_cast<int>(std::lround(static_cast<double>(frame.box.doubleCentreX()) /
                                                (2.0 * core::kTwipsPerPixel) -
                                            width / 2.0));
    }
    return 0;
}

QRect coveringPixels(const QRectF& area)
{
    return QRect(
        QPoint(static_cast<int>(std::floor(area.left())), static_cast<int>(std::floor(area.top()))),
        QPoint(static_cast<int>(std::ceil(area.right())) - 1,
               static_cast<int>(std::ceil(area.bottom())) - 1));
}

// The face's letters (and the caption's ink where it reaches further) centred on the box; then a
// caption whose ink would still reach out of the box is moved in, or centred if it is taller.
double baselineIn(const QRect& box, const CaptionMeasure& caption)
{
    const bool inked = !caption.ink.isEmpty();
    const double bandTop = inked ? std::min(caption.bandTop, caption.ink.top()) : caption.bandTop;
    const double bandBottom =
        inked ? std::max(caption.bandBottom, caption.ink.bottom()) : caption.bandBottom;
    const double centred =
        std::round(box.top() + (box.height() - (bandBottom - bandTop)) / 2.0 - bandTop);
    if (!inked) {
        return centred;
    }
    const double highest = std::ceil(box.top() - caption.ink.top());
    const double lowest = std::floor(box.top() + box.height() - caption.ink.bottom());
    if (highest > lowest) {
        return std::round((highest + lowest) / 2.0);
    }
    return std::clamp(centred, highest, lowest);
}

} // namespace

CaptionPlacement placeCaption(const CaptionMeasure& caption, const CaptionFrame& frame)
{
    const QRect designed = pixelBox(frame.box);
    const bool inked = !caption.ink.isEmpty();
    // The caption's extent: its laid-out text, and its ink where a swash reaches further.
    const double extentLeft = inked ? std::min(0.0, caption.ink.left()) : 0.0;
    const double extentRight =
        inked ? std::max(caption.textWidth, caption.ink.right()) : caption.textWidth;
    const double extentWidth = extentRight - extentLeft;
    const double share = spareShare(frame.alignment);

    QRect reacting = designed;
    double extentStart = designed.left() + (designed.width() - extentWidth) * share;
    if (frame.autoSize) {
        const int width = static_cast<int>(std::ceil(extentWidth));
        const int left =
            std::clamp(selfSizedLeft(frame, width), 0, std::max(0, frame.window.width() - width));
        reacting = QRect(left, designed.top(), width, designed.height());
        extentStart = left + (width - extentWidth) * share;
    }

    const double baseline = baselineIn(designed, caption);
    const QPointF origin(extentStart - extentLeft, baseline);
    const QRect widget =
        inked ? reacting.united(coveringPixels(caption.ink.translated(origin))) : reacting;
    return {reacting, widget, origin};
}

} // namespace tk
