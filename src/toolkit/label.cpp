// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/label.h"
#include "toolkit/colours.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

Qt::Alignment horizontalFlag(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left:
        return Qt::AlignLeft;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

} // namespace

Label::Label(QWidget* screen, const LabelDesign& design)
    : QWidget(screen)
    , caption_(design.caption)
    , colour_(design.colour)
    , alignment_(design.alignment)
    , autoSize_(design.autoSize)
    , rightToLeft_(design.rightToLeft)
    , centreOnWindow_(design.centreOnWindow)
    , box_(design.box)
    , designedPoints_(design.font.points)
    , maxWidth_(design.maxWidth)
{
    setObjectName(design.name);
    setFont(makeFont(design.font));
    setAutoFillBackground(false); // transparent: the window shows through
    // Tracking makes moves over a label the label's own, never the background's.
    setMouseTracking(true);
    setGeometry(core::twipsToPixels(box_.left), core::twipsToPixels(box_.top),
                core::twipsToPixels(box_.width), core::twipsToPixels(box_.height));
    setAccessibleName(caption_);
    fitToCaption();
    setVisible(design.visible);
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    setAccessibleName(caption_);
    fitToCaption();
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

Label::LaidOut Label::layOutCaption() const
{
    // Laid out as painted, so the height covers every face the caption falls back to.
    QTextOption option;
    option.setTextDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    QTextLayout layout(caption_, font());
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QFontMetricsF metrics(font());
    const QRectF ink = metrics.tightBoundingRect(caption_);
    if (!line.isValid()) {
        return {0.0, metrics.height(), ink, {}};
    }
    // Swashes of some letters reach beyond the laid-out text; the box makes room for them.
    const double textWidth = line.naturalTextWidth();
    return {textWidth,
            std::max(line.height(), metrics.height()),
            ink,
            {std::max(0.0, -ink.left()), std::max(0.0, ink.right() - textWidth)}};
}

QSizeF Label::captionSize() const
{
    return {laidOut_.overhang.left + laidOut_.textWidth + laidOut_.overhang.right, laidOut_.height};
}

void Label::fitToCaption()
{
    // A fixed box is kept unless the caption's ink needs more room, and a self-sizing caption
    // wider than its room (at most its window) is set smaller, in steps of 1 % down to half its
    // designed size, until it fits: nothing is clipped.
    const int window = parentWidget() != nullptr ? parentWidget()->width() : 0;
    const int room = !autoSize_      ? 0
                     : maxWidth_ > 0 ? std::min(window, core::twipsToPixels(maxWidth_))
                                     : window;
    QFont fitted = font();
    for (int step = 0; step < 70; ++step) {
        fitted.setPointSizeF(designedPoints_ * std::pow(0.99, step));
        setFont(fitted);
        laidOut_ = layOutCaption();
        if (room <= 0 || captionSize().width() <= room) {
            break;
        }
    }
    const QSizeF caption = captionSize();
    const int captionWidth = static_cast<int>(std::ceil(caption.width()));
    const int captionHeight = static_cast<int>(std::ceil(caption.height()));
    const int inkHeight = static_cast<int>(std::ceil(laidOut_.ink.height()));
    const int width =
        autoSize_ ? captionWidth : std::max(captionWidth, core::twipsToPixels(box_.width));
    const int height =
        autoSize_ ? captionHeight : std::max(inkHeight, core::twipsToPixels(box_.height));

    int left = 0;
    if (centreOnWindow_ && parentWidget() != nullptr) {
        left = (parentWidget()->width() - width) / 2;
    } else {
        switch (alignment_) {
        case Alignment::Left:
            left = core::twipsToPixels(box_.left);
            break;
        case Alignment::Right:
            left = core::twipsToPixels(box_.right()) - width;
            break;
        case Alignment::Centre:
            left = static_cast<int>(std::lround(static_cast<double>(box_.doubleCentreX()) /
                                                    (2.0 * core::kTwipsPerPixel) -
                                                width / 2.0));
            break;
        }
    }
    int top = core::twipsToPixels(box_.top);
    if (parentWidget() != nullptr) {
        left = std::clamp(left, 0, std::max(0, parentWidget()->width() - width));
        top = std::clamp(top, 0, std::max(0, parentWidget()->height() - height));
    }
    inkBox_ = QRect(left, top, width, height);
    const QRect designed(core::twipsToPixels(box_.left), core::twipsToPixels(box_.top),
                         core::twipsToPixels(box_.width), core::twipsToPixels(box_.height));
    if (autoSize_) {
        // The caption's own width, where it is painted in the ink box, at the designed height.
        const double spare = width - caption.width();
        const double share = alignment_ == Alignment::Left    ? 0.0
                             : alignment_ == Alignment::Right ? 1.0
                                                              : 0.5;
        const double textLeft = left + laidOut_.overhang.left + spare * share;
        const int from = std::max(left, static_cast<int>(std::lround(textLeft)));
        const int to =
            std::min(left + width, static_cast<int>(std::lround(textLeft + laidOut_.textWidth)));
        reactingBox_ = QRect(from, designed.top(), std::max(0, to - from), designed.height());
    } else {
        reactingBox_ = designed;
    }
    setGeometry(inkBox_.united(reactingBox_));
}

void Label::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    painter.setPen(toQColor(colour_));
    QTextOption option(horizontalFlag(alignment_) | Qt::AlignTop | Qt::AlignAbsolute);
    option.setTextDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    const Overhang& overhang = laidOut_.overhang;
    const QRectF inkArea(inkBox_.translated(-pos()));
    QRectF area = inkArea.adjusted(overhang.left, 0, -overhang.right, 0);
    const QFontMetricsF metrics(font());
    if (!autoSize_ && metrics.height() > inkArea.height()) {
        // The face's line is taller than the designed box: centre the ink in the box instead.
        const QRectF& ink = laidOut_.ink;
        area.translate(0, (inkArea.height() - ink.height()) / 2 - (metrics.ascent() + ink.top()));
        area.setHeight(metrics.height());
    }
    painter.drawText(area, caption_, option);
}

bool Label::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (passOn(static_cast<QMouseEvent*>(event))) {
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool Label::passOn(QMouseEvent* event)
{
    QWidget* screen = parentWidget();
    if (screen == nullptr) {
        return false;
    }
    const QPointF point = mapToParent(event->position());
    QWidget* target = nullptr;
    if (event->type() == QEvent::MouseButtonRelease) {
        // The release follows its press, wherever the pointer is now.
        target = pressPassedTo_;
        pressPassedTo_ = nullptr;
    } else {
        target = reactingWidgetAt(screen, point.toPoint());
        if (target == this) {
            target = nullptr;
        }
        if (event->type() != QEvent::MouseMove) {
            pressPassedTo_ = target;
        }
    }
    if (target == nullptr) {
        return false;
    }
    QMouseEvent passed(event->type(), target->mapFrom(screen, point), event->scenePosition(),
                       event->globalPosition(), event->button(), event->buttons(),
                       event->modifiers(), event->pointingDevice());
    passed.setTimestamp(event->timestamp());
    if (event->type() == QEvent::MouseButtonPress &&
        (target->focusPolicy() & Qt::ClickFocus) != 0) {
        target->setFocus(Qt::MouseFocusReason);
    }
    QCoreApplication::sendEvent(target, &passed);
    event->accept(); // taken where it belongs: it must not travel on to the screen as well
    return true;
}

void Label::mousePressEvent(QMouseEvent* event)
{
    // Accepting the press makes the release come here as well.
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       reactingBox_.contains(mapToParent(event->position()).toPoint());
    pressed_ = false;
    if (click) {
        Q_EMIT clicked();
    }
    event->accept();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is no press: its release clicks nothing.
    pressed_ = false;
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    event->accept();
}

QWidget* reactingWidgetAt(QWidget* screen, QPoint point)
{
    QWidget* topmost = nullptr;
    const QObjectList& children = screen->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (child == nullptr || child->isWindow() || !child->isVisibleTo(screen) ||
            child->testAttribute(Qt::WA_TransparentForMouseEvents)) {
            continue;
        }
        const auto* label = qobject_cast<const Label*>(child);
        const bool reacts = label != nullptr ? label->reactingBox().contains(point)
                                             : child->geometry().contains(point);
        if (!reacts) {
            continue;
        }
        if (label != nullptr && label->isClickable()) {
            return child;
        }
        if (topmost == nullptr) {
            QWidget* inner =
                label != nullptr ? nullptr : child->childAt(child->mapFromParent(point));
            topmost = inner != nullptr ? inner : child;
        }
    }
    return topmost != nullptr ? topmost : screen;
}

} // namespace tk
