// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Edges between the screens and their timers, the answer box and the reading questions: a
// verdict left pending while the pupil is away, the end of the run before the tick, a comma for
// the decimal point, the undo history of the answer box, and the draw after a six-draw question.

#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"

#include <QLocale>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kWrongFor0007 = u"الاجابة خاطئة و الاجابة الصحيحة هي 0.007"_s;
} // namespace

class TestEdgeCases : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    // The exercise asking 998.007 with the 7 red, after a wrong answer: its verdict pending.
    ExerciseScreen& pendingVerdict(const QString& name)
    {
        scriptQuestion(program_->random, 7, 0, 0, 998, 0);
        Form4& menu = program_->reachMenu();
        auto& exercise = static_cast<ExerciseScreen&>(*program_->screenNamed(name));
        SwitchScreen(menu, exercise);
        if (auto* write = qobject_cast<Form2*>(&exercise)) {
            QTest::mouseClick(write->Command1, Qt::LeftButton); // an empty answer is wrong
        } else {
            clickLabel(static_cast<Form3&>(exercise).Label8); // 0.7 is wrong
        }
        return exercise;
    }

    static void clickLabel(tk::Label* label)
    {
        QTest::mouseClick(label, Qt::LeftButton, {},
                          label->placement().reactingBox.center() - label->pos());
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void leavingAndComingBackBeforeTheTickKeepsTheVerdict_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("write exercise") << u"Form2"_s;
        QTest::newRow("choose exercise") << u"Form3"_s;
    }
    void leavingAndComingBackBeforeTheTickKeepsTheVerdict()
    {
        QFETCH(QString, screen);
        ExerciseScreen& exercise = pendingVerdict(screen);
        Form4& menu = program_->screens.get<Form4>();
        clickLabel(exercise.returnLabel());
        QCOMPARE(visibleScreens(), QList<tk::Screen*>{&menu});
        QVERIFY(exercise.Timer1->isEnabled()); // the feedback time runs on while away

        SwitchScreen(menu, exercise);
        QVERIFY(exercise.Label9->isVisible());
        QCOMPARE(exercise.Label9->caption(), kWrongFor0007);
        QCOMPARE(exercise.Label4->caption(), u" و998"_s); // the same question

        scriptQuestion(program_->random, 0, 4, 0, 12, 1);
        QVERIFY(exercise.Timer1->fireNow()); // and the tick still comes
        QVERIFY(!exercise.Label9->isVisible());
        QCOMPARE(exercise.Label4->caption(), u" و12"_s);
        QVERIFY(!exercise.Timer1->isEnabled());
    }

    void endingBeforeTheTickMeansNoTick_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("esc");
        QTest::newRow("write exercise, exit label") << u"Form2"_s << false;
        QTest::newRow("write exercise, Esc in the answer box") << u"Form2"_s << true;
        QTest::newRow("choose exercise, exit label") << u"Form3"_s << false;
    }
    void endingBeforeTheTickMeansNoTick()
    {
        QFETCH(QString, screen);
        QFETCH(bool, esc);
        ExerciseScreen& exercise = pendingVerdict(screen);
        QVERIFY(exercise.Timer1->isEnabled());
        const int draws = program_->random.draws();
        if (esc) {
            auto* box = static_cast<Form2&>(exercise).Text1;
            QVERIFY(QTest::qWaitForWindowActive(&exercise));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            clickLabel(exercise.exitLabel());
        }
        QCOMPARE(program_->recorder.ends(), 1);
        QVERIFY(!exercise.Timer1->isEnabled());
        QVERIFY(!exercise.Timer1->fireNow());
        QCOMPARE(program_->random.draws(), draws); // no new question was drawn
        QCOMPARE(exercise.Label4->caption(), u" و998"_s);
    }

    void aCommaIsNoDecimalPoint()
    {
        scriptQuestion(program_->random, 0, 7, 0, 5, 1); // 5.070, the 7 red: answer 0.07
        Form2 write;
        write.show();
        QTest::keyClicks(write.Text1, u"0,07"_s);
        QTest::mouseClick(write.Command1, Qt::LeftButton);
        QCOMPARE(write.Label9->caption(), u"الاجابة خاطئة و الاجابة الصحيحة هي 0.07"_s);
    }

    void theTickForgetsWhatTheAnswerBoxHeld()
    {
        scriptQuestion(program_->random, 0, 7, 0, 5, 1);
        Form2 write;
        write.show();
        QTest::keyClicks(write.Text1, u"0.5"_s);
        QVERIFY(write.Text1->isUndoAvailable());
        QTest::mouseClick(write.Command1, Qt::LeftButton);
        QVERIFY(write.Timer1->fireNow());
        QVERIFY(write.Text1->text().isEmpty());
        QVERIFY(!write.Text1->isUndoAvailable());
        QTest::keyClick(write.Text1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(write.Text1->text(), QString());
    }

    void afterASixDrawQuestionTheNextEnterDrawsFive()
    {
        scriptReading(program_->random, 3, 0, 0, 0, 40); // opening: 40 و 0
        Form5 reading;
        reading.show();
        QCOMPARE(program_->random.draws(), 5);
        scriptReading(program_->random, 8, 0, 0, 123, 0); // kind 8: 123 و a sixth draw
        program_->random.script({ScriptedRandom::forValue(456, 999)});
        QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"123و456"_s);
        QCOMPARE(program_->random.draws(), 11);
        scriptReading(program_->random, 6, 0, 17, 0, 25); // kind 6: 17 و 25
        QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"17و25"_s);
        QCOMPARE(program_->random.draws(), 16);
        QCOMPARE(program_->random.scriptedLeft(), 0);
    }
};

QTEST_MAIN(TestEdgeCases)
#include "test_edge_cases.moc"
