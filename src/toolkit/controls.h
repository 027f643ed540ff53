// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The text box, the button and the shape of the screens.

#include "core/colour_value.h"
#include "core/twips.h"
#include "toolkit/fonts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class QPainter;

namespace tk {

// A box in twips as logical pixels (15 twips to a pixel).
QRect pixelBox(const core::TwipsRect& box);

// A classic raised button's face: its colour, a black frame, and light and dark bevels that swap
// while it is down.
void paintButtonFace(QPainter& painter, const QRect& area, const QColor& face, bool down);

struct TextBoxDesign {
    QString name;
    core::TwipsRect box;
    FontDesign font;
    core::ColourValue textColour = 0;
    core::ColourValue background = core::kSystemWindowColour;
    bool rightToLeft = true;
};

// One line of editable text, centred.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* screen, const TextBoxDesign& design);
};

struct ButtonDesign {
    QString name;
    QString caption;
    core::TwipsRect box;
    FontDesign font;
    core::ColourValue face = 0;
    bool rightToLeft = true;
};

// A push button whose face is drawn in its own colour. Enter and Space press it when it has the
// focus, as on Windows; it is never a default button, so Enter in a text box does not click it.
// The arrow keys move the focus on as from a label (tk::focusStepOf).
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* screen, const ButtonDesign& design);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    core::ColourValue face_;
};

enum class ShapeKind { Rectangle, Oval };

struct ShapeDesign {
    QString name;
    ShapeKind kind = ShapeKind::Rectangle;
    core::TwipsRect box;
    core::ColourValue fill = 0;
    bool outlined = false;
    core::ColourValue outline = 0;
    int outlineWidth = 1; // pixels, drawn inside the shape's outline
};

// Decoration: an opaque rectangle or oval. It takes no mouse events, so the pointer over it
// counts as over the screen background. It lowers itself when made: every other control of its
// screen lies in front of it, whenever it was made.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* screen, const ShapeDesign& design);

    const ShapeDesign& design() const { return design_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeDesign design_;
};

} // namespace tk
