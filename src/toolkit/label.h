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

class QKeyEvent;

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
    // A screen's heading: a screen reader calls it so (and reads its description with it).
    bool heading = false;
};

// A label places and paints its caption through its CaptionPainter (placeCaption tells where)
// and reacts only inside its reacting box. A self-sizing caption wider than its room is set in
// smaller type (font() is the type it is set in). It forwards every mouse event its widget receives
// to its screen, which routes the mouse. Right-to-left labels lay their caption out as a
// right-to-left paragraph, whatever character it begins with.
// Keyboard contract: a label takes the focus only when its screen lists it in its focus order, and
// then only from the keyboard. With the focus, a clickable label is pressed by Enter or Space
// (clicked(), as a click), and the arrow keys move the focus on through the screen's order. While
// focus rings are shown (tk::focusRingsShown) a focused label draws a ring around its caption,
// outside its reacting box: its widget grows by kFocusRingRoom on every side, its boxes stay.
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
    // Whether a key press that reaches the label while it has the focus is the label's own:
    // Enter and Space, without Shift, Ctrl or Alt, press a clickable label.
    bool takesKey(const QKeyEvent& event) const;
    // Draws or takes away its focus ring, as the focus and tk::focusRingsShown() say.
    void updateFocusRing();
    bool showsFocusRing() const { return showsFocusRing_; }
    // Logical pixels between the label's widget box and the outer edge of its ring.
    static constexpr int kFocusRingRoom = 4;

Q_SIGNALS:
    // Raised by the screen, which routes the mouse. A tap on a touch screen is also a click;
    // tapped() comes for it besides.
    void clicked();
    void tapped();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Lays the caption out and places the widget where it stands.
    void takeCaption();

    Screen* screen_;
    LabelDesign design_;
    QString caption_;
    core::ColourValue colour_;
    CaptionPainter painter_;
    bool showsFocusRing_ = false;
};

} // namespace tk
