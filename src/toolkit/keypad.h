// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A keypad for touch: big keys that type, delete or do what Enter does on their screen. It is up
// only while the program is worked by touch (TouchMode) and its screen is shown. It stands over a
// part of its screen's black that the screen names, where it covers nothing, unless the device
// leaves room beside the screens where its keys come out at least as large (a browser's view
// wider or taller than 4:3): there it stands in a window of its own. Its keys never take the
// focus, so the answer box keeps it, and a hardware keyboard still types there.

#include "core/colour_value.h"
#include "core/twips.h"
#include "toolkit/fonts.h"
#include "toolkit/keypad_layout.h"

#include <QAbstractButton>
#include <QList>
#include <QWidget>

namespace tk {

class Screen;

enum class KeyAction { Type, Delete, Enter };

struct KeyDesign {
    QString caption; // also its name for a screen reader
    KeyAction action = KeyAction::Type;
    core::ColourValue face = 0;
    core::ColourValue text = 0;
};

struct KeypadDesign {
    QString name;
    QString accessibleName;
    core::TwipsRect overScreen; // the part of its screen's black where it may stand
    QList<KeyDesign> keys;
    core::TwipsRect largestKey; // width and height: no key grows larger
    Face face = Face::ArabicTransparent;
};

class Keypad : public QWidget {
    Q_OBJECT
public:
    Keypad(Screen* screen, const KeypadDesign& design);

    const KeypadDesign& design() const { return design_; }
    // The keys, in the design's order.
    const QList<QAbstractButton*>& keys() const { return keys_; }
    // Whether it stands in a window of its own, beside the screens, rather than on its screen.
    bool standsBeside() const { return isWindow(); }

Q_SIGNALS:
    void typed(const QString& text); // a Type key: its caption
    void deleteRequested();
    void enterRequested();

protected:
    // Its screen's show, hide and moves.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Up or down, and where, as touch mode and its screen are now.
    void refresh();
    void place();
    KeypadGrid gridFor(QSize room) const;
    void pressed(int key);

    Screen* screen_;
    KeypadDesign design_;
    QList<QAbstractButton*> keys_;
};

} // namespace tk
