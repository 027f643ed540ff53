// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A label's caption as the face makes it: laid out once per caption, set smaller where it would
// not fit its room, measured, placed, hit-tested and painted. A plain class: the label widget only
// forwards its paint events to it, and the screen asks it where the label reacts.

#include "toolkit/caption_placement.h"

#include <QFont>
#include <QString>
#include <QTextLayout>

class QColor;
class QPainter;

namespace tk {

class CaptionPainter {
public:
    CaptionPainter(const QFont& font, bool rightToLeft, const CaptionFrame& frame);

    void setCaption(const QString& caption);
    // The type the caption is set in: the designed one, or smaller where it would not fit.
    QFont font() const { return layout_.font(); }
    const CaptionPlacement& placement() const { return placement_; }
    // Whether a point of the screen is one where the label reacts.
    bool reactsAt(QPoint point) const { return placement_.reactingBox.contains(point); }

    // Paints the caption on a widget whose top-left corner stands at that point of the screen.
    void paint(QPainter& painter, QPoint widgetTopLeft, const QColor& colour) const;

private:
    QFont designedFont_;
    bool rightToLeft_;
    CaptionFrame frame_;
    QTextLayout layout_;
    QPointF textStart_; // the left end of the glyphs' advances on the baseline, in the layout
    CaptionPlacement placement_;
};

} // namespace tk
