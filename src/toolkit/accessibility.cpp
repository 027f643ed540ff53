// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/accessibility.h"

#include "toolkit/label.h"
#include "toolkit/screen.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>

namespace tk {

namespace {

void report(QObject* object, QAccessible::Event event)
{
    QAccessibleEvent reported(object, event);
    QAccessible::updateAccessibility(&reported);
}

// A screen: a window with its controls, but for decoration, and its announcement.
class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(Screen* screen)
        : QAccessibleWidget(screen, QAccessible::Window)
    {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QObjectList all = children();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index])
                                                : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child == nullptr ? -1 : static_cast<int>(children().indexOf(child->object()));
    }

private:
    QObjectList children() const
    {
        QObjectList said;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control != nullptr && !control->isWindow() &&
                !control->testAttribute(Qt::WA_TransparentForMouseEvents)) {
                said.append(control);
            }
        }
        said.append(
            const_cast<Announcement*>(&static_cast<const Screen*>(widget())->announcement()));
        return said;
    }
};

class AnnouncementAccessible : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(Announcement* announcement)
        : QAccessibleObject(announcement)
    {}

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcement()->screen());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? announcement()->news() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible =
            announcement()->news().isEmpty() || !announcement()->screen()->isVisible();
        return state;
    }

private:
    Announcement* announcement() const { return static_cast<Announcement*>(object()); }
};

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    // Asked each time: the interface may be made before the label's click is wired.
    QAccessible::Role role() const override
    {
        const auto* label = static_cast<const Label*>(widget());
        if (label->isClickable()) {
            return QAccessible::Button;
        }
        return label->design().heading ? QAccessible::Heading : QAccessible::StaticText;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (static_cast<const Label*>(widget())->isClickable()) {
            names.prepend(pressAction());
        }
        return names;
    }

    // A screen reader's press is a click.
    void doAction(const QString& action) override
    {
        auto* label = static_cast<Label*>(widget());
        if (action == pressAction() && label->isClickable()) {
            Q_EMIT label->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const Label*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->caption();
        case QAccessible::Description:
            return label->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* toolkitFactory(const QString& /*className*/, QObject* object)
{
    if (auto* label = qobject_cast<Label*>(object)) {
        return new LabelAccessible(label);
    }
    if (auto* screen = qobject_cast<Screen*>(object)) {
        return new ScreenAccessible(screen);
    }
    if (auto* announcement = qobject_cast<Announcement*>(object)) {
        return new AnnouncementAccessible(announcement);
    }
    return nullptr;
}

} // namespace

Announcement::Announcement(QWidget* screen)
    : QObject(screen)
{
    setObjectName(QStringLiteral("announcement"));
}

QWidget* Announcement::screen() const
{
    return static_cast<QWidget*>(parent());
}

void Announcement::tell(const QString& news)
{
    // Hidden, renamed (so that a screen reader forgets the name it holds) and shown again.
    news_.clear();
    report(this, QAccessible::ObjectHide);
    news_ = news;
    report(this, QAccessible::NameChanged);
    report(this, QAccessible::ObjectShow);
}

void installAccessibility()
{
    static const bool kInstalled = [] {
        QAccessible::installFactory(toolkitFactory);
        return true;
    }();
    static_cast<void>(kInstalled);
}

} // namespace tk
