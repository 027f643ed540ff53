// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/timer.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include <algorithm>
#include <vector>

namespace tk {

namespace {
std::vector<Timer*>& allTimers()
{
    static std::vector<Timer*> timers;
    return timers;
}
} // namespace

Timer::Timer(QObject* owner, const QString& name, int intervalMs, bool enabled)
    : QObject(owner)
{
    setObjectName(name);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
    allTimers().push_back(this);
    if (enabled) {
        timer_.start();
    }
}

Timer::~Timer()
{
    std::erase(allTimers(), this);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

bool Timer::fireNow()
{
    if (!timer_.isActive()) {
        return false;
    }
    QTimerEvent event(timer_.timerId());
    QCoreApplication::sendEvent(&timer_, &event);
    return true;
}

void Timer::stopAll()
{
    for (Timer* timer : allTimers()) {
        timer->setEnabled(false);
    }
}

} // namespace tk
