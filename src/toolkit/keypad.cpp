// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/keypad.h"

#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/platform.h"
#include "toolkit/program.h"
#include "toolkit/screen.h"
#include "toolkit/touch_mode.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextOption>

#include <algorithm>

namespace tk {

namespace {

constexpr int kGap = 4; // logical pixels between two keys

// A window of its own never takes the focus from the answer box.
constexpr Qt::WindowFlags kOwnWindow =
    Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;

// One key: a raised face with its caption as large as the key allows. Qt's button gives it its
// click (press and release on it, by mouse or by touch) and a screen reader's button.
class Key : public QAbstractButton {
public:
    Key(QWidget* keypad, const KeyDesign& design, Face face)
        : QAbstractButton(keypad)
        , design_(design)
        , face_(face)
    {
        setText(design.caption);
        setAccessibleName(design.caption);
        setFocusPolicy(Qt::NoFocus);
    }

    // Its box, and its caption's type fitted to it: a digit two thirds of the key's height, smaller
    // for a caption whose ink would not fit the key.
    void place(const QRect& box)
    {
        setGeometry(box);
        QFont font = makeFont({.face = face_, .points = 12, .bold = true});
        font.setPixelSize(std::max(1, box.height()));
        const QFontMetricsF metrics(font);
        const double height = box.height();
        double shrink =
            height * 2 / 3 / std::max(1.0, metrics.tightBoundingRect(QStringLiteral("0")).height());
        if (const double ink = metrics.tightBoundingRect(text()).height(); ink > 0) {
            shrink = std::min(shrink, height * 4 / 5 / ink);
        }
        if (const double advance = metrics.horizontalAdvance(text()); advance > 0) {
            shrink = std::min(shrink, (box.width() - 2.0 * kInset) / advance);
        }
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * shrink)));
        setFont(font);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        const bool down = isDown();
        paintButtonFace(painter, rect(), toQColor(design_.face), down);
        QRectF captionArea = QRectF(rect()).adjusted(kInset, 0, -kInset, 0);
        if (down) {
            captionArea.translate(1, 1);
        }
        QTextOption option(Qt::AlignCenter);
        option.setTextDirection(Qt::RightToLeft);
        option.setWrapMode(QTextOption::NoWrap);
        painter.setFont(font());
        painter.setPen(toQColor(design_.text));
        painter.drawText(captionArea, text(), option);
    }

private:
    static constexpr int kInset = 4;
    KeyDesign design_;
    Face face_;
};

} // namespace

Keypad::Keypad(Screen* screen, const KeypadDesign& design)
    : QWidget(screen)
    , screen_(screen)
    , design_(design)
{
    setObjectName(design.name);
    setAccessibleName(design.accessibleName);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    for (int i = 0; i < design.keys.size(); ++i) {
        auto* key = new Key(this, design.keys.at(i), design.face);
        connect(key, &QAbstractButton::clicked, this, [this, i] { pressed(i); });
        keys_.append(key);
    }
    setGeometry(pixelBox(design.overScreen));
    setVisible(false);
    screen->installEventFilter(this);
    connect(&TouchMode::instance(), &TouchMode::changed, this, &Keypad::refresh);
    if (QScreen* device = QGuiApplication::primaryScreen()) {
        connect(device, &QScreen::geometryChanged, this, &Keypad::refresh);
    }
}

bool Keypad::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == screen_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
            refresh();
            break;
        default:
            break;
        }
    }
    return false;
}

void Keypad::refresh()
{
    if (TouchMode::instance().isOn() && screen_->isVisible() && !programHasEnded()) {
        place();
        show();
        raise();
    } else {
        hide();
    }
}

KeypadGrid Keypad::gridFor(QSize room) const
{
    const QRect largest = pixelBox(design_.largestKey);
    return layOutKeypad({.room = room,
                         .keys = static_cast<int>(keys_.size()),
                         .largestKey = largest.size(),
                         .gap = kGap});
}

void Keypad::place()
{
    const QRect overScreen = pixelBox(design_.overScreen);
    const QRect beside = platform::roomBesideScreens();
    const bool standBeside = !beside.isEmpty() && gridFor(beside.size()).keySide() >=
                                                      gridFor(overScreen.size()).keySide();
    if (standBeside != isWindow()) {
        setParent(screen_, standBeside ? kOwnWindow : Qt::WindowFlags(Qt::Widget));
    }
    const QRect box = standBeside ? beside : overScreen;
    setGeometry(box);
    const KeypadGrid grid = gridFor(box.size());
    for (int i = 0; i < keys_.size() && i < grid.boxes.size(); ++i) {
        static_cast<Key*>(keys_.at(i))->place(grid.boxes.at(i));
    }
}

void Keypad::pressed(int key)
{
    const KeyDesign& design = design_.keys.at(key);
    switch (design.action) {
    case KeyAction::Type:
        Q_EMIT typed(design.caption);
        break;
    case KeyAction::Delete:
        Q_EMIT deleteRequested();
        break;
    case KeyAction::Enter:
        Q_EMIT enterRequested();
        break;
    }
}

} // namespace tk
