// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading practice screen through its keys.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/reading_question.h"
#include "practice/form5.h"
#include "support/reading_script.h"
#include "support/test_program.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestReadingPractice : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void theScreenThroughItsKeys()
    {
        ScreenDirectory& screens = program_->screens;
        program_->reachMenu();
        scriptReading(program_->random, 1, 0, 0, 998,
                      98); // opening, kind 1: the second number is 998
        QTest::mouseClick(screens.get<Form4>().Label4, Qt::LeftButton);
        Form5& reading = screens.get<Form5>();
        QVERIFY(reading.isVisible());
        QVERIFY(reading.keyPreview());
        QCOMPARE(reading.Label1->caption(), u"98و998"_s);
        QVERIFY(QTest::qWaitForWindowActive(&reading));

        // Keys other than Enter, Esc and those that move the focus change nothing; the focus
        // stays on the question.
        QCOMPARE(QApplication::focusWidget(), reading.Label1);
        for (const auto key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_5}) {
            QTest::keyClick(reading.windowHandle(), key);
        }
        QCOMPARE(QApplication::focusWidget(), reading.Label1);
        QCOMPARE(reading.Label1->caption(), u"98و998"_s);
        QCOMPARE(program_->random.draws(), 5);

        scriptReading(program_->random, 5, 0, 42, 0, 0); // Enter, kind 5: 42 و 5
        QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"42و5"_s);
        scriptReading(program_->random, 0, 7, 0, 0, 0); // keypad Enter too
        QTest::keyClick(reading.windowHandle(), Qt::Key_Enter);
        QCOMPARE(reading.Label1->caption(), u"7و0"_s);
        QCOMPARE(program_->recorder.ends(), 0);

        // Back to the menu and again: the same question, no draw, no load.
        QSignalSpy loads(&reading, &tk::Screen::loaded);
        QTest::mouseClick(reading.returnLabel(), Qt::LeftButton);
        QTest::mouseClick(screens.get<Form4>().Label4, Qt::LeftButton);
        QCOMPARE(loads.size(), 0);
        QCOMPARE(reading.Label1->caption(), u"7و0"_s);
        QCOMPARE(program_->random.draws(), 15);
        scriptReading(program_->random, 4, 0, 3, 9, 0); // Enter table, not the opening one
        QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"3و9"_s);

        const int drawsBeforeEsc = program_->random.draws();
        QTest::keyClick(reading.windowHandle(), Qt::Key_Escape);
        QCOMPARE(program_->recorder.ends(), 1);
        QCOMPARE(program_->random.draws(), drawsBeforeEsc);
    }
};

QTEST_MAIN(TestReadingPractice)
#include "test_reading_practice.moc"
