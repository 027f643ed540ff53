#include "toolkit/controls.h"

#include <QPainter>
#include <QPalette>

namespace tk {

namespace {
QRect pixelBox(const TwipsRect& box) {
    return {twipsToPixels(box.left), twipsToPixels(box.top), twipsToPixels(box.width),
            twipsToPixels(box.height)};
}
} // namespace

TextBox::TextBox(QWidget* screen, const TextBoxDesign& design)
    : QLineEdit(screen) {
    setObjectName(design.name);
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
    : QPushButton(design.caption, screen) {
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

Shape::Shape(QWidget* screen, const ShapeDesign& design)
    : QWidget(screen)
    , design_(design) {
    setObjectName(design.name);
    setGeometry(pixelBox(design.box));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void Shape::paintEvent(QPaintEvent* /*event*/) {
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
