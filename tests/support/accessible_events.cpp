// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Built with QT_STATICPLUGIN: the bridge is a plugin compiled into the tests, registered when
// they start.

#include "support/accessible_events.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

namespace {

AccessibleEventLog*& currentLog()
{
    static AccessibleEventLog* log = nullptr;
    return log;
}

} // namespace

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface* /*root*/) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        AccessibleEventLog* log = currentLog();
        if (log == nullptr) {
            return;
        }
        QAccessibleInterface* accessible = event->accessibleInterface();
        RecordedAccessibleEvent recorded{
            event->type(),
            event->object(),
            accessible != nullptr ? accessible->role() : QAccessible::NoRole,
            accessible != nullptr ? accessible->text(QAccessible::Name) : QString(),
            {}};
        if (event->type() == QAccessible::ValueChanged) {
            recorded.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        }
        log->events_.append(recorded);
    }
};

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessible_events.json")
public:
    QAccessibleBridge* create(const QString& /*key*/) override { return new RecordingBridge; }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

AccessibleEventLog::AccessibleEventLog()
{
    currentLog() = this;
}

AccessibleEventLog::~AccessibleEventLog()
{
    currentLog() = nullptr;
}

QStringList AccessibleEventLog::announcements() const
{
    QStringList told;
    for (const RecordedAccessibleEvent& event : events_) {
        if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification) {
            told.append(event.name);
        }
    }
    return told;
}

QStringList AccessibleEventLog::valuesTold() const
{
    QStringList told;
    for (const RecordedAccessibleEvent& event : events_) {
        if (event.type == QAccessible::ValueChanged) {
            told.append(event.value.toString());
        }
    }
    return told;
}

#include "accessible_events.moc"
