// The reading practice: the two tables, the draws, and the screen through its keys.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "practice/form5.h"
#include "practice/reading_question.h"
#include "support/reading_script.h"
#include "support/test_program.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {
// Distinct values, so that each table row shows which numbers it took.
constexpr int kOne = 4;
constexpr int kTwoA = 61;
constexpr int kThree = 705;
constexpr int kTwoB = 38;
} // namespace

class TestReadingPractice : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void everyKindOfBothTables_data()
    {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("draws");
        const QString b = QString::number(kTwoB);
        const QString one = QString::number(kOne);
        const QString a = QString::number(kTwoA);
        const QString three = QString::number(kThree);
        const QString opening[] = {one, three, one, one, a, a, a, three, three, three};
        for (int kind = 0; kind < 10; ++kind) {
            QTest::addRow("opening, kind %d", kind)
                << true << kind << (b + u'و' + opening[kind]) << 5;
        }
        const QString enter[] = {one + u"و0"_s,   one + u'و' + three, one + u'و' + b,
                                 one + u"و3"_s,   a + u'و' + three,   a + u"و5"_s,
                                 a + u'و' + b,    three + u"و7"_s,    three + u"و222"_s,
                                 three + u'و' + b};
        for (int kind = 0; kind < 10; ++kind) {
            QTest::addRow("Enter, kind %d", kind)
                << false << kind << enter[kind] << (kind == 8 ? 6 : 5);
        }
    }
    void everyKindOfBothTables()
    {
        QFETCH(bool, opening);
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(int, draws);
        scriptReading(program_->random, kind, kOne, kTwoA, kThree, kTwoB);
        program_->random.script({ScriptedRandom::forValue(222, 999)}); // the sixth draw, if taken
        ReadingNumbers numbers;
        const QString text = PoseReadingQuestion(
            numbers, opening ? ReadingOccasion::Opening : ReadingOccasion::Enter, program_->random);
        QCOMPARE(text, caption);
        QCOMPARE(program_->random.draws(), draws);
        QCOMPARE(program_->random.reseeds(), 1);
        QCOMPARE(numbers.QuestionKind, kind);
        QCOMPARE(numbers.OneDigit, kOne);
        QCOMPARE(numbers.TwoDigitA, kTwoA);
        QCOMPARE(numbers.ThreeDigit, kThree);
        QCOMPARE(numbers.TwoDigitB, kTwoB);
    }

    void extremes_data()
    {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("caption");
        const float top = std::nextafter(1.0F, 0.0F);
        QTest::newRow("opening, zero and zero") << true << QList<float>{0, 0, 0, 0, 0} << u"0و0"_s;
        QTest::newRow("Enter, zero and zero") << false << QList<float>{0, 0, 0, 0, 0} << u"0و0"_s;
        QTest::newRow("opening, the longest: 98 and 998")
            << true << QList<float>{top, top, top, top, top} << u"98و998"_s;
        QTest::newRow("Enter, the longest: 998 and 998")
            << false << QList<float>{0.85F, top, top, top, top, top} << u"998و998"_s;
        QTest::newRow("Enter, kind 9 at the top")
            << false << QList<float>{top, top, top, top, top} << u"998و98"_s;
        QTest::newRow("no leading zeros")
            << false << QList<float>{0.25F, 0.55F, 0, 0, ScriptedRandom::forValue(5, 99)}
            << u"5و5"_s;
    }
    void extremes()
    {
        QFETCH(bool, opening);
        QFETCH(QList<float>, draws);
        QFETCH(QString, caption);
        for (const float r : draws) {
            program_->random.script({r});
        }
        ReadingNumbers numbers;
        QCOMPARE(PoseReadingQuestion(numbers,
                                     opening ? ReadingOccasion::Opening : ReadingOccasion::Enter,
                                     program_->random),
                 caption);
        QCOMPARE(program_->random.scriptedLeft(), 0);
    }

    void theScreenThroughItsKeys()
    {
        ScreenDirectory& screens = program_->screens;
        program_->reachMenu();
        scriptReading(program_->random, 1, 0, 0, 998,
                      98); // opening, kind 1: the second number is 998
        QTest::mouseClick(screens.form4().Label4, Qt::LeftButton);
        Form5& reading = screens.form5();
        QVERIFY(reading.isVisible());
        QVERIFY(reading.keyPreview());
        QCOMPARE(reading.Label1->caption(), u"98و998"_s);
        QVERIFY(QTest::qWaitForWindowActive(&reading));

        // Keys other than Enter and Esc change nothing.
        for (const auto key :
             {Qt::Key_A, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_5}) {
            QTest::keyClick(&reading, key);
        }
        QCOMPARE(reading.Label1->caption(), u"98و998"_s);
        QCOMPARE(program_->random.draws(), 5);

        scriptReading(program_->random, 5, 0, 42, 0, 0); // Enter, kind 5: 42 و 5
        QTest::keyClick(&reading, Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"42و5"_s);
        scriptReading(program_->random, 0, 7, 0, 0, 0); // keypad Enter too
        QTest::keyClick(&reading, Qt::Key_Enter);
        QCOMPARE(reading.Label1->caption(), u"7و0"_s);
        QCOMPARE(program_->recorder.ends(), 0);

        // Back to the menu and again: the same question, no draw, no load.
        QSignalSpy loads(&reading, &tk::Screen::loaded);
        QTest::mouseClick(reading.returnLabel(), Qt::LeftButton);
        QTest::mouseClick(screens.form4().Label4, Qt::LeftButton);
        QCOMPARE(loads.size(), 0);
        QCOMPARE(reading.Label1->caption(), u"7و0"_s);
        QCOMPARE(program_->random.draws(), 15);
        scriptReading(program_->random, 4, 0, 3, 9, 0); // Enter table, not the opening one
        QTest::keyClick(&reading, Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), u"3و9"_s);

        const int drawsBeforeEsc = program_->random.draws();
        QTest::keyClick(&reading, Qt::Key_Escape);
        QCOMPARE(program_->recorder.ends(), 1);
        QCOMPARE(program_->random.draws(), drawsBeforeEsc);
    }
};

QTEST_MAIN(TestReadingPractice)
#include "test_reading_practice.moc"
