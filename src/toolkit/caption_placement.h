// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a label's caption stands and where the label reacts: plain arithmetic over the design's
// numbers and what the face makes of the caption, with no widget and no font.

#include "core/twips.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace tk {

enum class Alignment { Left, Right, Centre };

// What a face makes of one caption, in logical pixels: x from the start of the laid-out text,
// y from its baseline, downwards.
struct CaptionMeasure {
    double textWidth = 0; // from the left end of the glyphs' advances to the right end
    QRectF ink;           // the caption's ink; empty for a caption without any
    // How far the face's letters and digits reach above the baseline (negative) and below it.
    double bandTop = 0;
    double bandBottom = 0;
};

// Where the design puts a caption.
struct CaptionFrame {
    core::TwipsRect box;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool centreOnWindow = false; // centred on its window's width instead of on its box
    QSize window;                // the screen's client area, in logical pixels
    // Twips a self-sizing caption may take at most (0: its window's width); the painter sets a
    // wider one in smaller type.
    int maxWidth = 0;
};

// In the screen's logical pixels.
struct CaptionPlacement {
    // Where the label reacts: the designed box, or for a self-sizing label the caption's extent
    // (its laid-out text and its ink) at the designed top and height.
    QRect reactingBox;
    // The reacting box and the ink together: what the label's widget covers.
    QRect widgetBox;
    // Where the laid-out text starts, on its baseline.
    QPointF textOrigin;
};

// A self-sizing label keeps one point of its designed box as its caption changes: the right edge
// when right-justified, the centre when centred, the left edge otherwise; it never leaves its
// window. A fixed label keeps its box and aligns its caption inside it. Vertically the face's
// letters and digits (and the caption's own ink where it reaches further) are centred on the
// designed box, so that the captions of one face in a row of equal boxes stand on one baseline;
// a caption whose ink would still reach out of the box is moved into it, or centred on it when
// the ink is taller than the box.
CaptionPlacement placeCaption(const CaptionMeasure& caption, const CaptionFrame& frame);

} // namespace tk
