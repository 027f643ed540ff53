// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The activities worked by touch alone, with no key pressed: the write exercise through its
// keypad in the digits the program writes, the reading practice by taps on the number and on its
// key; the keypads cover nothing; a hardware keyboard and a mouse put them away again.

#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "practice/form5.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "support/touch.h"
#include "toolkit/touch_mode.h"

#include <QLocale>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Counts the key presses anywhere in the program.
class KeyCounter : public QObject {
public:
    KeyCounter() { qApp->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        presses += event->type() == QEvent::KeyPress ? 1 : 0;
        return false;
    }
};

// The key of the keypad with this caption.
QAbstractButton* key(const tk::Keypad& keypad, const QString& caption)
{
    for (QAbstractButton* key : keypad.keys()) {
        if (key->text() == caption) {
            return key;
        }
    }
    return nullptr;
}

constexpr char16_t kDelete = u'⌫'; // in a row's taps: the delete key

} // namespace

class TestTouchScreens : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    // The menu, reached and then touched.
    Form4& touchMenu()
    {
        Form4& menu = program_->reachMenu();
        tap(&menu, QPoint(400, 20));
        return menu;
    }

    // The write exercise by a tap on the menu, asking 8.732 with the 3 red (answer 0.03).
    Form2& touchWrite()
    {
        Form4& menu = touchMenu();
        scriptQuestion(program_->random, 2, 3, 7, 8, 1);
        tap(menu.Label2);
        return program_->screens.get<Form2>();
    }

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void theKeypadAnswersInTheProgramsDigits_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("taps");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << u"C"_s << u"0.03"_s << u"0.03"_s << true;
        QTest::newRow("wrong: the digit") << u"C"_s << u"3"_s << u"3"_s << false;
        QTest::newRow("a slip deleted") << u"C"_s << u"0.04⌫3"_s << u"0.03"_s << true;
        QTest::newRow("ar_EG: right") << u"ar_EG"_s << u"٠٫٠٣"_s << u"٠٫٠٣"_s << true;
        QTest::newRow("ar_EG: wrong") << u"ar_EG"_s << u"٠٫٣"_s << u"٠٫٣"_s << false;
        QTest::newRow("ar_MA: right") << u"ar_MA"_s << u"0,03"_s << u"0,03"_s << true;
    }
    void theKeypadAnswersInTheProgramsDigits()
    {
        QFETCH(QString, locale);
        QFETCH(QString, taps);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QLocale::setDefault(QLocale(locale));
        const KeyCounter keys;
        Form2& form = touchWrite();
        QVERIFY(form.keypad->isVisible());
        QCOMPARE(form.keypad->keys().size(), 13);
        for (const QChar c : taps) {
            QAbstractButton* pressed =
                c == kDelete ? key(*form.keypad, u"حذف"_s) : key(*form.keypad, c);
            QVERIFY2(pressed != nullptr, qPrintable(QString(c)));
            tap(pressed);
        }
        QCOMPARE(form.Text1->text(), typed);
        QCOMPARE(form.keypad->keys().back()->text(), form.Command1->text());
        tap(form.keypad->keys().back());
        QCOMPARE(form.Label9->caption(), core::FeedbackText(right, 0.03F));
        QVERIFY(form.Timer1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form.Text1); // the keys take no focus
        QCOMPARE(keys.presses, 0);
        tap(form.returnLabel());
        QVERIFY(!form.keypad->isVisible());
        QVERIFY(program_->screens.get<Form4>().isVisible());
    }

    // With the longest captions each screen shows.
    void theKeypadsCoverNothing_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("the write exercise, the longest wrong answer") << u"Form2"_s;
        QTest::newRow("the reading practice, the longest question") << u"Form5"_s;
    }
    void theKeypadsCoverNothing()
    {
        QFETCH(QString, screen);
        Form4& menu = touchMenu();
        if (screen == u"Form2") {
            scriptQuestion(program_->random, 7, 0, 0, 999, 0); // 999.007: the answer 0.007
        } else {
            scriptReading(program_->random, 8, 0, 0, 998, 98); // the opening question 98و998
        }
        tk::Screen& shown = *program_->screenNamed(screen);
        SwitchScreen(menu, shown);
        if (auto* write = qobject_cast<Form2*>(&shown)) {
            tap(write->keypad->keys().at(2)); // 3: wrong
            tap(write->keypad->keys().back());
            QVERIFY(write->Label9->isVisible());
        } else {
            scriptReading(program_->random, 8, 0, 0, 998, 0);
            program_->random.script({ScriptedRandom::forValue(998, 999)});
            tap(shown.findChild<tk::Keypad*>()->keys().front());
            QCOMPARE(static_cast<Form5&>(shown).Label1->caption(), u"998و998"_s);
        }
        const auto* keypad = shown.findChild<tk::Keypad*>();
        QVERIFY(keypad->isVisible());
        for (const QWidget* other : shown.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != keypad && other->isVisible()) {
                QVERIFY2(!keypad->geometry().intersects(other->geometry()),
                         qPrintable(other->objectName()));
            }
        }
    }

    void aKeyboardStillTypesAndAMousePutsTheKeypadAway()
    {
        Form2& form = touchWrite();
        QVERIFY(form.keypad->isVisible());
        QTest::keyClick(form.Text1, Qt::Key_5);
        QCOMPARE(form.Text1->text(), u"5"_s);
        QVERIFY(!form.keypad->isVisible());
        tap(&form, QPoint(700, 560));
        QVERIFY(form.keypad->isVisible());
        QTest::mouseMove(form.windowHandle(), QPoint(20, 20)); // as a mouse moves, not the cursor
        QVERIFY(!form.keypad->isVisible());
    }

    void theReadingPracticeByTaps()
    {
        const KeyCounter keys;
        Form4& menu = touchMenu();
        scriptReading(program_->random, 1, 0, 0, 998, 98); // opening: 98و998
        tap(menu.Label4);
        Form5& reading = program_->screens.get<Form5>();
        QCOMPARE(reading.Label1->caption(), u"98و998"_s);
        QVERIFY(reading.keypad->isVisible());
        QCOMPARE(reading.keypad->keys().size(), 1);
        QCOMPARE(reading.keypad->keys().front()->text(), u"سؤال جديد"_s);

        scriptReading(program_->random, 5, 0, 42, 0, 0); // the Enter table, kind 5: 42و5
        tap(reading.Label1);
        QCOMPARE(reading.Label1->caption(), u"42و5"_s);
        scriptReading(program_->random, 0, 7, 0, 0, 0); // kind 0: 7و0
        tap(reading.keypad->keys().front());
        QCOMPARE(reading.Label1->caption(), u"7و0"_s);
        scriptReading(program_->random, 9, 0, 0, 12, 34); // kind 9: 12و34, twice in a row
        tap(reading.Label1);
        scriptReading(program_->random, 3, 4, 0, 0, 0); // kind 3: 4و3
        tap(reading.Label1);
        QCOMPARE(reading.Label1->caption(), u"4و3"_s);
        QCOMPARE(keys.presses, 0);

        // A mouse click on the number still does nothing.
        const int draws = program_->random.draws();
        QTest::mouseClick(reading.Label1, Qt::LeftButton);
        QCOMPARE(reading.Label1->caption(), u"4و3"_s);
        QCOMPARE(program_->random.draws(), draws);
        QVERIFY(!reading.keypad->isVisible());
    }
};

QTEST_MAIN(TestTouchScreens)
#include "test_touch_screens.moc"
