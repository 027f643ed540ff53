// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

namespace tk {

// A timer that ticks every interval while enabled, also while its screen is hidden.
// Enabling an enabled timer starts its interval afresh.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* owner, const QString& name, int intervalMs, bool enabled);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setEnabled(bool enabled);
    bool isEnabled() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

    // Test seam: delivers the pending tick now through the real timer event. False, and no
    // tick, when the timer is disabled.
    bool fireNow();

    // Disables every timer of the program; the end of the program uses it.
    static void stopAll();

Q_SIGNALS:
    void tick();

private:
    QTimer timer_;
};

} // namespace tk
