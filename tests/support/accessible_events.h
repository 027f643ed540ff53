// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The accessibility events the program raises, recorded as a screen reader's bridge receives
// them: a bridge of the tests' own, which Qt loads where the platform has none of its own (the
// offscreen platform the tests run on, on Linux and on Windows) and passes every event to,
// whether or not a screen reader listens.

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVariant>

struct RecordedAccessibleEvent {
    QAccessible::Event type;
    QPointer<QObject> object;
    QAccessible::Role role;
    QString name;   // the object's accessible name when the event came
    QVariant value; // a value change's value
};

// Records from its making to its end (one at a time).
class AccessibleEventLog {
public:
    AccessibleEventLog();
    ~AccessibleEventLog();
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    const QList<RecordedAccessibleEvent>& events() const { return events_; }
    void clear() { events_.clear(); }
    // What was announced: the names of the notifications that showed, in order.
    QStringList announcements() const;
    // The values that value changes carried, in order.
    QStringList valuesTold() const;

private:
    friend class RecordingBridge;
    QList<RecordedAccessibleEvent> events_;
};
