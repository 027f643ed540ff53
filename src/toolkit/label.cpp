// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/label.h"
#include "toolkit/colours.h"
#include "toolkit/keyboard_focus.h"
#include "toolkit/screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tk {

Label::Label(Screen* screen, const LabelDesign& design)
    : QWidget(screen)
    , screen_(screen)
    , design_(design)
    , caption_(design.caption)
    , colour_(design.colour)
    , painter_(makeFont(design.font), design.rightToLeft,
               {.box = design.box,
                .alignment = design.alignment,
                .autoSize = design.autoSize,
                .centreOnWindow = design.centreOnWindow,
                .window = screen->size(),
                .maxWidth = design.maxWidth})
{
    setObjectName(design.name);
    setAutoFillBackground(false); // transparent: the window shows through
    // Tracking makes moves over a label the label's own, never the background's.
    setMouseTracking(true);
    setAccessibleName(caption_);
    takeCaption();
    setVisible(design.visible);
}

void Label::takeCaption()
{
    painter_.setCaption(caption_);
    setFont(painter_.font());
    const int room = showsFocusRing_ ? kFocusRingRoom : 0;
    setGeometry(placement().widgetBox.adjusted(-room, -room, room, room));
}

void Label::updateFocusRing()
{
    const bool shows = hasFocus() && focusRingsShown();
    if (shows != showsFocusRing_) {
        showsFocusRing_ = shows;
        takeCaption();
        update();
    }
}

bool Label::takesKey(const QKeyEvent& event) const
{
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event.key();
    return plain && isClickable() &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    setAccessibleName(caption_);
    takeCaption();
    update();
}

void Label::setTextColour(core::ColourValue colour)
{
    if (colour == colour_) {
        return;
    }
    colour_ = colour;
    update();
}

void Label::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter_.paint(painter, pos(), toQColor(colour_));
    if (showsFocusRing_) {
        paintFocusRing(painter, placement().widgetBox.translated(-pos()));
    }
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if (takesKey(*event)) {
        if (!event->isAutoRepeat()) { // a held key presses once
            Q_EMIT clicked();
        }
        return;
    }
    if (const int step = focusStepOf(*event); step != 0) {
        focusNextPrevChild(step > 0);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Label::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    updateFocusRing();
}

void Label::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    updateFocusRing();
}

bool Label::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        screen_->routeMouse(*this, *static_cast<QMouseEvent*>(event));
        return true;
    default:
        return QWidget::event(event);
    }
}

} // namespace tk
