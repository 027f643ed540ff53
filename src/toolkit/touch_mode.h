// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Touch mode: whether the pupil works the program by touch. It comes on at a touch and goes off
// at the next move or press of a real mouse (one that moves it: a mouse event at the place where
// the mouse already was is no move) and at the next key press. The controls made for touch (the
// keypads) show only while it is on, and in a browser the screens stand at the view's edge to
// leave them room; nothing else changes with it.

#include <QObject>
#include <QPointF>

class QMouseEvent;

namespace tk {

// Whether a mouse event comes from a touch screen (Qt turns taps into clicks) rather than a mouse.
bool isFromTouch(const QMouseEvent& event);

class TouchMode : public QObject {
    Q_OBJECT
public:
    // The program's one touch mode, watching the whole application from its first use (which
    // needs the application).
    static TouchMode& instance();

    bool isOn() const { return on_; }

Q_SIGNALS:
    void changed(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    void set(bool on);
    void mouseSeen(const QMouseEvent& event);

    bool on_ = false;
    bool mouseSeen_ = false;
    QPointF mousePlace_; // where a real mouse was last seen, in global coordinates
};

} // namespace tk
