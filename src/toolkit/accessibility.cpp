// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/accessibility.h"

#include "toolkit/label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tk {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    // Asked each time: the interface may be made before the label's click is wired.
    QAccessible::Role role() const override
    {
        return static_cast<const Label*>(widget())->isClickable() ? QAccessible::Button
                                                                  : QAccessible::StaticText;
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

QAccessibleInterface* labelFactory(const QString& /*className*/, QObject* object)
{
    if (auto* label = qobject_cast<Label*>(object)) {
        return new LabelAccessible(label);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool kInstalled = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    static_cast<void>(kInstalled);
}

} // namespace tk
