// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A label: a caption painted on a transparent background, optionally sized to its caption.

#include "core/colour_value.h"
#include "core/twips.h"
#include "toolkit/fonts.h"

#include <QMetaMethod>
#include <QPointer>
#include <QWidget>

namespace tk {

enum class Alignment { Left, Right, Centre };

struct LabelDesign {
    QString name;
    QString caption;
    core::TwipsRect box;
    FontDesign font;
    core::ColourValue colour = 0;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool rightToLeft = true;
    bool visible = true;
    // Keep the label centred on its window's width instead of on its designed box.
    bool centreOnWindow = false;
    // Twips a self-sizing caption may take at most (0: its window's width); a wider one is set
    // in smaller type.
    int maxWidth = 0;
};

// A self-sizing label keeps one point of its designed box as its caption changes: the right
// edge when right-justified, the centre when centred, the left edge otherwise; the top stays.
// It never leaves its window. Right-to-left labels lay their caption out as a right-to-left
// paragraph, whatever character it begins with.
// Mouse contract: a label takes clicks and moves only inside its reacting box (its designed box;
// for a self-sizing label the caption's width at the designed top and height); elsewhere in its
// widget, which is as large as its ink, the event goes to whatever reacts at that point.
class Label : public QWidget {
    Q_OBJECT
public:
    Label(QWidget* screen, const LabelDesign& design);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setTextColour(core::ColourValue colour);
    core::ColourValue textColour() const { return colour_; }
    Alignment alignment() const { return alignment_; }
    bool isRightToLeft() const { return rightToLeft_; }
    bool isAutoSize() const { return autoSize_; }
    // Whether anything reacts to a click on it.
    bool isClickable() const { return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked)); }

    // Width the caption needs as laid out, its ink included, in logical pixels.
    double captionWidth() const { return captionSize().width(); }
    // Width of the laid-out caption without the ink that reaches beyond it, in logical pixels.
    double textWidth() const { return laidOut_.textWidth; }
    // Where the label takes the mouse, in its parent's coordinates.
    QRect reactingBox() const { return reactingBox_; }
    // Width and height of the caption as laid out, in logical pixels.
    QSizeF captionSize() const;

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Overhang {
        double left = 0;
        double right = 0;
    };
    // The caption as laid out; made again only when the caption changes.
    struct LaidOut {
        double textWidth = 0;
        double height = 0;
        QRectF ink; // relative to the baseline
        Overhang overhang;
    };
    LaidOut layOutCaption() const;
    void fitToCaption();
    // Hands a mouse event outside the reacting box on to what reacts at its point; false when
    // the event is this label's own.
    bool passOn(QMouseEvent* event);

    QString caption_;
    core::ColourValue colour_;
    Alignment alignment_;
    bool autoSize_;
    bool rightToLeft_;
    bool centreOnWindow_;
    core::TwipsRect box_;
    double designedPoints_; // the caption is set smaller only where it would not fit
    int maxWidth_;
    LaidOut laidOut_;
    QRect inkBox_;      // in the parent's coordinates
    QRect reactingBox_; // in the parent's coordinates
    bool pressed_ = false;
    QPointer<QWidget> pressPassedTo_; // where the release of a passed-on press goes too
};

// What takes the mouse at a point of a screen (its coordinates): a clickable label reacting there,
// else the topmost control reacting there, else the screen itself. Shapes never react.
QWidget* reactingWidgetAt(QWidget* screen, QPoint point);

} // namespace tk
