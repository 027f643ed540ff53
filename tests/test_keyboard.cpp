// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program from the keyboard alone: the focus order of every screen, every clickable label
// pressed by Enter and Space, the keys the screens were designed with, and the focus ring, which
// only the keyboard brings and which moves no box.

#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/design_rows.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/keyboard_focus.h"
#include "toolkit/label.h"
#include "toolkit/program.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestKeyboard : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    tk::Screen& reach(const QString& screen)
    {
        tk::Screen& target =
            screen == u"Form4"_s ? program_->reachMenu() : program_->reachScreen(screen);
        if (!QTest::qWaitForWindowActive(&target)) {
            qFatal("%s is not active", qPrintable(screen));
        }
        return target;
    }
    static void press(const tk::Screen& screen, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(screen.windowHandle(), key, modifiers);
    }
    static QString focusName()
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? u"none"_s : focus->objectName();
    }

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        program_.reset();
        tk::setFocusRingsShown(false);
    }

    // Where the focus starts and the way Tab, Shift+Tab and the arrows take it round.
    void focusGoesRoundInReadingOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order"); // the first focus first ("Form4": the screen)
        QTest::newRow("menu") << u"Form4"_s
                              << QStringList{u"Form4"_s, u"Label4"_s, u"Label2"_s, u"Label3"_s,
                                             u"Label1"_s};
        QTest::newRow("write exercise")
            << u"Form2"_s << QStringList{u"Text1"_s, u"Command1"_s, u"Label6"_s, u"Label10"_s};
        QTest::newRow("choose exercise")
            << u"Form3"_s << QStringList{u"Label5"_s, u"Label6"_s,  u"Label7"_s,
                                         u"Label8"_s, u"Label11"_s, u"Label10"_s};
        QTest::newRow("reading practice")
            << u"Form5"_s << QStringList{u"Label1"_s, u"Label4"_s, u"Label3"_s};
    }
    void focusGoesRoundInReadingOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        tk::Screen& target = reach(screen);
        QCOMPARE(focusName(), order.front());
        if (order.front() == screen) {
            order.removeFirst(); // the screen itself is left, never reached again
            press(target, Qt::Key_Tab);
        }
        for (qsizetype i = 1; i <= order.size(); ++i) { // round once, back to the start
            QCOMPARE(focusName(), order.at(i - 1));
            press(target, Qt::Key_Tab);
        }
        QCOMPARE(focusName(), order.front());
        for (qsizetype i = order.size() - 1; i >= 0; --i) {
            press(target, Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focusName(), order.at(i));
        }
        // From a label or the button the arrows step too: Left and Down on, Right and Up back.
        const qsizetype n = order.size();
        press(target, Qt::Key_Tab);
        QCOMPARE(focusName(), order.at(1));
        press(target, Qt::Key_Left);
        QCOMPARE(focusName(), order.at(2 % n));
        press(target, Qt::Key_Down);
        QCOMPARE(focusName(), order.at(3 % n));
        press(target, Qt::Key_Right);
        QCOMPARE(focusName(), order.at(2 % n));
        press(target, Qt::Key_Up);
        QCOMPARE(focusName(), order.at(1));
        QCOMPARE(program_->recorder.ends(), 0);
    }

    // Every clickable label of every screen is reached by Tab and pressed by Enter, keypad Enter
    // or Space, with what its click does; a held key presses once.
    void everyClickableLabelIsPressedFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("key");
        for (const design::Control& c : design::kControls) {
            if (c.kind != design::Kind::Label || c.click == nullptr) {
                continue;
            }
            for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
                QTest::addRow("%s %s key %x", c.screen, c.name, key)
                    << QString::fromLatin1(c.screen) << QString::fromLatin1(c.name)
                    << QString::fromLatin1(c.click) << key;
            }
        }
    }
    void everyClickableLabelIsPressedFromTheKeyboard()
    {
        QFETCH(QString, screen);
        QFETCH(QString, label);
        QFETCH(QString, click);
        QFETCH(int, key);
        tk::Screen& target = reach(screen);
        for (int tabs = 0; tabs < 8 && focusName() != label; ++tabs) {
            press(target, Qt::Key_Tab);
        }
        QCOMPARE(focusName(), label);
        auto* pressed = control<tk::Label>(&target, label);
        QSignalSpy clicks(pressed, &tk::Label::clicked);
        QTest::keyPress(target.windowHandle(), static_cast<Qt::Key>(key));
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true); // auto-repeat
        QCoreApplication::sendEvent(pressed, &held);
        QTest::keyRelease(target.windowHandle(), static_cast<Qt::Key>(key));
        QCOMPARE(clicks.size(), 1);
        if (click == u"end"_s) {
            QCOMPARE(program_->recorder.ends(), 1);
        } else if (click == u"answer"_s) {
            QVERIFY(control<tk::Label>(&target, u"Label9"_s)->isVisible());
            QCOMPARE(program_->recorder.ends(), 0);
        } else {
            QCOMPARE(visibleScreens(), QList<tk::Screen*>{program_->screenNamed(click)});
            QCOMPARE(program_->recorder.ends(), 0);
        }
    }

    // Enter on the reading practice poses a new question, as designed, wherever the focus is but
    // on its return and exit labels, which take it for themselves: no question is drawn then.
    void enterOnTheReadingPracticeLabelsPressesThem()
    {
        Form5& reading = static_cast<Form5&>(reach(u"Form5"_s));
        scriptReading(program_->random, 5, 0, 42, 0, 0); // 42 و 5
        press(reading, Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"42و5"_s);
        const int draws = program_->random.draws();
        press(reading, Qt::Key_Tab);
        press(reading, Qt::Key_Return);
        QCOMPARE(visibleScreens(), QList<tk::Screen*>{&program_->screens.get<Form4>()});
        QCOMPARE(program_->random.draws(), draws);
        SwitchScreen(program_->screens.get<Form4>(), reading);
        QVERIFY(QTest::qWaitForWindowActive(&reading));
        QCOMPARE(focusName(), u"Label4"_s); // as it was left
        press(reading, Qt::Key_Left);
        press(reading, Qt::Key_Enter);
        QCOMPARE(program_->recorder.ends(), 1);
        QCOMPARE(program_->random.draws(), draws);
        QCOMPARE(reading.Label1->caption(), u"42و5"_s);
    }

    // A screen shown again has the focus where it was left, also when activations of screens
    // hidden in the meantime come late (the platform may deliver them after the switch).
    void aScreenShownAgainHasItsFocusWhereItWasLeft()
    {
        auto& write = static_cast<Form2&>(reach(u"Form2"_s));
        Form4& menu = program_->screens.get<Form4>();
        press(write, Qt::Key_Tab);
        QCOMPARE(focusName(), u"Command1"_s);
        SwitchScreen(write, menu);
        SwitchScreen(menu, write);
        SwitchScreen(write, menu);
        QCoreApplication::processEvents(); // the late activations
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QCOMPARE(focusName(), u"Form4"_s); // no entry: nothing was pressed from the keyboard
        SwitchScreen(menu, write);
        QVERIFY(QTest::qWaitForWindowActive(&write));
        QCOMPARE(focusName(), u"Command1"_s);
    }

    // Esc ends the run where it did, wherever the focus is, and nowhere else.
    void escKeepsItsMeaningWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<bool>("ends");
        QTest::newRow("menu, on an entry") << u"Form4"_s << 2 << false;
        QTest::newRow("write exercise, on the button") << u"Form2"_s << 1 << true;
        QTest::newRow("write exercise, on the exit label") << u"Form2"_s << 3 << true;
        QTest::newRow("choose exercise, on a value") << u"Form3"_s << 2 << false;
        QTest::newRow("reading practice, on the return label") << u"Form5"_s << 1 << true;
    }
    void escKeepsItsMeaningWhereverTheFocusIs()
    {
        QFETCH(QString, screen);
        QFETCH(int, tabs);
        QFETCH(bool, ends);
        tk::Screen& target = reach(screen);
        for (int i = 0; i < tabs; ++i) {
            press(target, Qt::Key_Tab);
        }
        press(target, Qt::Key_Escape);
        QCOMPARE(program_->recorder.ends(), ends ? 1 : 0);
    }

    // The ring comes with a key that moves the focus, never with the mouse or the designed keys,
    // and goes with the next mouse press. It draws outside the label's boxes: nothing of the
    // screen moves, and only the ring's own pixels change.
    void theFocusRingComesWithTheKeyboardAndMovesNothing()
    {
        Form4& menu = static_cast<Form4&>(reach(u"Form4"_s));
        Form5& reading = program_->screens.get<Form5>();
        QTest::mouseClick(menu.Label4, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&reading));
        press(reading, Qt::Key_Return); // the designed key of the reading practice
        QVERIFY(!tk::focusRingsShown());
        QVERIFY(!reading.Label1->showsFocusRing());
        const QImage withoutRing = reading.grab().toImage();

        press(reading, Qt::Key_Tab);
        press(reading, Qt::Key_Tab, Qt::ShiftModifier); // back on the question, now with a ring
        QVERIFY(reading.Label1->showsFocusRing());
        QVERIFY(!reading.returnLabel()->showsFocusRing());
        const QRect box = reading.Label1->placement().widgetBox;
        const int room = tk::Label::kFocusRingRoom;
        QCOMPARE(reading.Label1->geometry(), box.adjusted(-room, -room, room, room));
        const QImage withRing = reading.grab().toImage();
        int changed = 0;
        for (int y = 0; y < withRing.height(); ++y) {
            for (int x = 0; x < withRing.width(); ++x) {
                if (withRing.pixel(x, y) != withoutRing.pixel(x, y)) {
                    ++changed;
                    const QPoint at(x, y);
                    QVERIFY2(box.adjusted(-room, -room, room, room).contains(at) &&
                                 !box.adjusted(-1, -1, 1, 1).contains(at),
                             qPrintable(u"%1,%2"_s.arg(x).arg(y)));
                }
            }
        }
        QVERIFY(changed > 2 * (box.width() + box.height())); // the ring is there all round

        QTest::mouseClick(&reading, Qt::LeftButton, {}, QPoint(5, 5));
        QCoreApplication::processEvents(); // the ring goes once the press has been handled
        QVERIFY(!reading.Label1->showsFocusRing());
        QCOMPARE(reading.Label1->geometry(), box);
        QCOMPARE(reading.grab().toImage(), withoutRing);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
