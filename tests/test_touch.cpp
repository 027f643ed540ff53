// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit by touch: touch mode, the keypad's keys in their room, the keypad up only while the
// program is touched and its screen shown, its keys' signals, and taps on labels.

#include "support/program_end_recorder.h"
#include "support/recording_screen.h"
#include "support/touch.h"
#include "toolkit/keypad.h"
#include "toolkit/keypad_layout.h"
#include "toolkit/label.h"
#include "toolkit/touch_mode.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A keypad of three keys, one of each kind, over the screen's bottom right corner.
tk::KeypadDesign threeKeys()
{
    return {.name = u"keypad"_s,
            .accessibleName = u"لوحة الأرقام"_s,
            .overScreen = {3000, 3000, 2700, 1200},
            .keys = {{u"٣"_s, tk::KeyAction::Type, core::rgb(255, 224, 192), core::rgb(0, 0, 0)},
                     {u"حذف"_s, tk::KeyAction::Delete, core::rgb(255, 192, 128), 0},
                     {u"ادخل الناتج"_s, tk::KeyAction::Enter, core::rgb(255, 0, 0), 0}},
            .largestKey = {0, 0, 1500, 1500}};
}

// A move of a real mouse to that point of the screen, sent as Qt sends it.
void mouseAt(QWidget& screen, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, point, screen.mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&screen, &move);
}

} // namespace

class TestTouch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysFillTheirRoom_data()
    {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("keys");
        QTest::addColumn<QSize>("largest");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSize>("key");
        QTest::newRow("the write exercise's black")
            << QSize(220, 220) << 13 << QSize(120, 120) << 4 << QSize(52, 52);
        QTest::newRow("below the screens, upright")
            << QSize(800, 566) << 13 << QSize(120, 120) << 4 << QSize(120, 120);
        QTest::newRow("beside the screens, turned")
            << QSize(249, 600) << 13 << QSize(120, 120) << 2 << QSize(120, 82);
        QTest::newRow("one key, as large as designed")
            << QSize(400, 400) << 1 << QSize(300, 150) << 1 << QSize(300, 150);
        QTest::newRow("one key, as large as its room")
            << QSize(220, 80) << 1 << QSize(300, 150) << 1 << QSize(220, 80);
        QTest::newRow("no room") << QSize(10, 10) << 13 << QSize(120, 120) << 0 << QSize();
        QTest::newRow("no keys") << QSize(100, 100) << 0 << QSize(120, 120) << 0 << QSize();
    }
    void keysFillTheirRoom()
    {
        QFETCH(QSize, room);
        QFETCH(int, keys);
        QFETCH(QSize, largest);
        QFETCH(int, columns);
        QFETCH(QSize, key);
        const tk::KeypadGrid grid =
            tk::layOutKeypad({.room = room, .keys = keys, .largestKey = largest, .gap = 4});
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.key, key);
        QCOMPARE(grid.boxes.size(), columns == 0 ? 0 : keys);
        if (grid.boxes.isEmpty()) {
            return;
        }
        QRect all;
        for (int i = 0; i < grid.boxes.size(); ++i) {
            const QRect box = grid.boxes.at(i);
            QVERIFY(QRect(QPoint(), room).contains(box));
            QCOMPARE(box.height(), key.height());
            for (int j = 0; j < i; ++j) {
                QVERIFY(!box.intersects(grid.boxes.at(j)));
            }
            all |= box;
        }
        // The last key spans the rest of its row; the grid stands centred in the room.
        QCOMPARE(grid.boxes.back().right(), all.right());
        QVERIFY(std::abs(all.left() - (room.width() - 1 - all.right())) <= 1);
        QVERIFY(std::abs(all.top() - (room.height() - 1 - all.bottom())) <= 1);
    }

    // Steps: "tap", "move" (a real mouse to a new place), "still" (a real mouse event where it
    // already was), "click" (a real mouse), "key".
    void touchModeFollowsTheLastInput_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<bool>>("on");
        QTest::newRow("a tap") << QStringList{u"move"_s, u"tap"_s} << QList<bool>{false, true};
        QTest::newRow("then the mouse moves")
            << QStringList{u"move"_s, u"tap"_s, u"move"_s} << QList<bool>{false, true, false};
        QTest::newRow("a mouse that stays put")
            << QStringList{u"move"_s, u"tap"_s, u"still"_s} << QList<bool>{false, true, true};
        QTest::newRow("then a key")
            << QStringList{u"move"_s, u"tap"_s, u"key"_s} << QList<bool>{false, true, false};
        QTest::newRow("then a click")
            << QStringList{u"move"_s, u"tap"_s, u"click"_s} << QList<bool>{false, true, false};
    }
    void touchModeFollowsTheLastInput()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<bool>, on);
        RecordingScreen screen;
        screen.show();
        QSignalSpy changes(&tk::TouchMode::instance(), &tk::TouchMode::changed);
        static QPoint mouse(10, 10); // a place of its own for each row
        for (int i = 0; i < steps.size(); ++i) {
            const QString& step = steps.at(i);
            if (step == u"tap") {
                tap(&screen, QPoint(200, 200));
            } else if (step == u"move" || step == u"still") {
                mouse += step == u"move" ? QPoint(7, 3) : QPoint();
                mouseAt(screen, mouse);
            } else if (step == u"click") {
                QTest::mouseClick(&screen, Qt::LeftButton, {}, mouse);
            } else {
                QTest::keyClick(&screen, Qt::Key_5);
            }
            QVERIFY2(tk::TouchMode::instance().isOn() == on.at(i), qPrintable(step));
        }
        for (qsizetype i = 1; i < changes.size(); ++i) { // only changes are signalled
            QVERIFY(changes.at(i).front().toBool() != changes.at(i - 1).front().toBool());
        }
    }

    void theKeypadIsUpWhileTouchedAndItsScreenShown()
    {
        RecordingScreen screen;
        tk::Keypad keypad(&screen, threeKeys());
        screen.show();
        mouseAt(screen, QPoint(3, 3));
        QVERIFY(keypad.isHidden());
        tap(&screen, QPoint(20, 20));
        QVERIFY(keypad.isVisible());
        QVERIFY(!keypad.standsBeside()); // a desktop leaves no room beside its windows
        QCOMPARE(keypad.geometry(), QRect(200, 200, 180, 80));
        for (const QAbstractButton* key : keypad.keys()) {
            QVERIFY(keypad.rect().contains(key->geometry()));
            QCOMPARE(key->accessibleName(), key->text());
        }
        screen.hide();
        QVERIFY(keypad.isHidden());
        screen.show();
        QVERIFY(keypad.isVisible()); // still touched
        mouseAt(screen, QPoint(5, 9));
        QVERIFY(keypad.isHidden());
    }

    void keysTypeDeleteAndEnterAndLeaveTheFocus()
    {
        RecordingScreen screen;
        auto* box = new QLineEdit(&screen);
        tk::Keypad keypad(&screen, threeKeys());
        QSignalSpy typed(&keypad, &tk::Keypad::typed);
        QSignalSpy deletes(&keypad, &tk::Keypad::deleteRequested);
        QSignalSpy enters(&keypad, &tk::Keypad::enterRequested);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        box->setFocus();
        tap(&screen, QPoint(20, 20));
        for (QAbstractButton* key : keypad.keys()) {
            tap(key);
        }
        QCOMPARE(typed.size(), 1);
        QCOMPARE(typed.front().front().toString(), u"٣"_s);
        QCOMPARE(deletes.size(), 1);
        QCOMPARE(enters.size(), 1);
        QCOMPARE(QApplication::focusWidget(), box);

        // A screen reader sees buttons named by their captions, and presses them.
        for (QAbstractButton* key : keypad.keys()) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(key);
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), key->text());
        }
        QAccessible::queryAccessibleInterface(keypad.keys().front())
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(typed.size(), 2); // Qt animates the press for a tenth of a second
    }

    void aTapOnALabelIsAClickAndATap_data()
    {
        QTest::addColumn<bool>("byTouch");
        QTest::addColumn<bool>("clickable");
        QTest::newRow("a tap") << true << false;
        QTest::newRow("a tap on a clickable label") << true << true;
        QTest::newRow("a mouse click") << false << false;
    }
    void aTapOnALabelIsAClickAndATap()
    {
        QFETCH(bool, byTouch);
        QFETCH(bool, clickable);
        RecordingScreen screen;
        tk::Label label(&screen, labelDesign(tk::Alignment::Left));
        int clicks = 0;
        if (clickable) {
            connect(&label, &tk::Label::clicked, &screen, [&clicks] { ++clicks; });
        }
        QSignalSpy taps(&label, &tk::Label::tapped);
        screen.show();
        const QPoint point = label.placement().reactingBox.center() - label.pos();
        if (byTouch) {
            tap(&label, point);
        } else {
            QTest::mouseClick(&label, Qt::LeftButton, {}, point);
        }
        QCOMPARE(taps.size(), byTouch ? 1 : 0);
        QCOMPARE(clicks, clickable ? 1 : 0);
    }
};

QTEST_MAIN(TestTouch)
#include "test_touch.moc"
