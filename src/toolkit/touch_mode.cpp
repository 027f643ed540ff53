// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/touch_mode.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>

namespace tk {

bool isFromTouch(const QMouseEvent& event)
{
    const QPointingDevice* device = event.pointingDevice();
    return event.source() != Qt::MouseEventNotSynthesized ||
           (device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen);
}

TouchMode& TouchMode::instance()
{
    static TouchMode* mode = nullptr;
    if (mode == nullptr) {
        mode = new TouchMode(qApp);
        qApp->installEventFilter(mode);
    }
    return *mode;
}

void TouchMode::set(bool on)
{
    if (on != on_) {
        on_ = on;
        Q_EMIT changed(on);
    }
}

// A window that appears under a mouse that stays put, or a browser that lays its page out anew,
// sends a move without a move: only a change of place counts.
void TouchMode::mouseSeen(const QMouseEvent& event)
{
    const QPointF place = event.globalPosition();
    const bool moved = !mouseSeen_ || place != mousePlace_;
    mouseSeen_ = true;
    mousePlace_ = place;
    if (moved || event.type() != QEvent::MouseMove) {
        set(false);
    }
}

bool TouchMode::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
        set(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto& mouse = *static_cast<const QMouseEvent*>(event);
        if (isFromTouch(mouse)) {
            set(true);
        } else {
            mouseSeen(mouse);
        }
        break;
    }
    case QEvent::KeyPress:
        set(false);
        break;
    default:
        break;
    }
    return false;
}

} // namespace tk
