// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers learn about the screens and their controls.

#include <QObject>
#include <QString>

class QWidget;

namespace tk {

// Registers, once, the accessibility interfaces of the toolkit: a screen is a window named by
// its accessible name, whose children are its controls but for decoration (what the mouse passes
// through: shapes), followed by its announcement; a clickable label is a button named by its
// caption, a heading a heading, any other label static text; an announcement is a notification.
void installAccessibility();

// Where a screen tells a screen reader its news: no widget, nothing on the screen, only a
// notification in the accessible tree, named by the news last told. Telling shows it anew, the
// event that screen readers speak at once wherever the focus is (on Linux, Orca speaks a
// notification that shows; it does not speak a change of a name or description that Qt 6.4
// reports).
class Announcement : public QObject {
    Q_OBJECT
public:
    explicit Announcement(QWidget* screen);

    const QString& news() const { return news_; }
    QWidget* screen() const;
    void tell(const QString& news);

private:
    QString news_;
};

} // namespace tk
