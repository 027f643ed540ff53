// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A label: a caption painted on a transparent background, optionally sized to its caption.

#include "core/colour_value.h"
#include "core/twips.h"
#include "toolkit/caption_painter.h"
#include "toolkit/fonts.h"

#include <QMetaMethod>
#include <QWidget>

namespace tk {

class Screen;

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

// A label places and paints its caption through its CaptionPainter (placeCaption tells where)
// and reacts only inside its reacting box. A self-sizing caption wider than its room is set in
// smaller type (font() is the type it is set in). It forwards every mouse event its widget receives
// to its screen, which routes the mouse. Right-to-left labels lay their caption out as a
// right-to-left paragraph, whatever character it begins with.
class Label : public QWidget {
    Q_OBJECT
public:
    Label(Screen* screen, const LabelDesign& design);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setTextColour(core::ColourValue colour);
    core::ColourValue textColour() const { return colour_; }
    // Whether anything reacts to a click on it.
    bool isClickable() const { return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked)); }
    // Whether the label reacts at this point of its screen.
    bool reactsAt(QPoint point) const { return painter_.reactsAt(point); }

    // What it was made from; caption() and textColour() are what it shows now.
    const LabelDesign& design() const { return design_; }
    // Where its caption stands and where it reacts, in its screen's coordinates.
    const CaptionPlacement& placement() const { return painter_.placement(); }

Q_SIGNALS:
    // Raised by the screen, which routes the mouse. A tap on a touch screen is also a click;
    // tapped() comes for it besides.
    void clicked();
    void tapped();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Lays the caption out and places the widget where it stands.
    void takeCaption();

    Screen* screen_;
    LabelDesign design_;
    QString caption_;
    core::ColourValue colour_;
    CaptionPainter painter_;
};

} // namespace tk
