// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/controls.h"
#include "toolkit/colours.h"
#include "toolkit/keyboard_focus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTextOption>

namespace tk {

namespace {
// The text box's frame and caret in one style on every platform (Windows would draw its own).
QStyle* sameEverywhereStyle()
{
    static QStyle* style = nullptr;
    if (style == nullptr) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

QRect pixelBox(const core::TwipsRect& box)
{
    return {core::twipsToPixels(box.left), core::twipsToPixels(box.top),
            core::twipsToPixels(box.width), core::twipsToPixels(box.height)};
}

void paintButtonFace(QPainter& painter, const QRect& area, const QColor& face, bool down)
{
    const QRect outer = area.adjusted(0, 0, -1, -1);
    painter.fillRect(area, face);
    painter.setPen(Qt::black);
    painter.drawRect(outer);
    const QRect bevel = outer.adjusted(1, 1, -1, -1);
    painter.setPen(down ? face.darker(160) : face.lighter(150));
    painter.drawLine(bevel.topLeft(), bevel.topRight());
    painter.drawLine(bevel.topLeft(), bevel.bottomLeft());
    painter.setPen(down ? face.lighter(150) : face.darker(160));
    painter.drawLine(bevel.bottomLeft(), bevel.bottomRight());
    painter.drawLine(bevel.topRight(), bevel.bottomRight());
}

TextBox::TextBox(QWidget* screen, const TextBoxDesign& design)
    : QLineEdit(screen)
{
    setObjectName(design.name);
    setStyle(sameEverywhereStyle());
    setGeometry(pixelBox(design.box));
    setFont(makeFont(design.font));
    setAlignment(Qt::AlignCenter);
    setLayoutDirection(design.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, toQColor(design.textColour));
    palette.setColor(QPalette::Base, toQColor(design.background));
    setPalette(palette);
    setFocusPolicy(Qt::StrongFocus);
}

Button::Button(QWidget* screen, const ButtonDesign& design)
    : QPushButton(design.caption, screen)
    , face_(design.face)
{
    setObjectName(design.name);
    setGeometry(pixelBox(design.box));
    setFont(makeFont(design.font));
    setLayoutDirection(design.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    setAutoDefault(false);
    setDefault(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, toQColor(design.face));
    setPalette(palette);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(design.caption);
}

// A classic raised button: the face in its own colour, light and dark bevels that swap when
// pressed, and a dotted focus frame.
void Button::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const bool down = isDown();
    paintButtonFace(painter, rect(), toQColor(face_), down);

    QRectF captionArea = QRectF(rect()).adjusted(4, 3, -4, -3);
    if (down) {
        captionArea.translate(1, 1);
    }
    QTextOption option(Qt::AlignCenter);
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::WordWrap);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(captionArea, text(), option);
    if (hasFocus()) {
        QPen focusPen(Qt::black);
        focusPen.setStyle(Qt::DotLine);
        painter.setPen(focusPen);
        painter.drawRect(outer.adjusted(4, 4, -4, -4));
    }
}

void Button::keyPressEvent(QKeyEvent* event)
{
    // The arrows step through the screen's focus order as from a label (Qt's own button would
    // step by the screen's layout direction, left to right).
    if (const int step = focusStepOf(*event); step != 0) {
        focusNextPrevChild(step > 0);
        return;
    }
    // Qt's button takes Enter only as a default button; Space it takes itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

Shape::Shape(QWidget* screen, const ShapeDesign& design)
    : QWidget(screen)
    , design_(design)
{
    setObjectName(design.name);
    setGeometry(pixelBox(design.box));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void Shape::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = design_.outlined ? design_.outlineWidth / 2.0 : 0.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (design_.outlined) {
        QPen pen(toQColor(design_.outline));
        pen.setWidthF(design_.outlineWidth);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(toQColor(design_.fill));
    if (design_.kind == ShapeKind::Oval) {
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
}

} // namespace tk
