// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A worksheet's questions: drawn from the sheet number and the activity alone, by the drill's
// rules, the same in every writing of the numbers.

#include "core/number_text.h"
#include "core/place_value_question.h"
#include "sheet_questions.h"
#include "sheets/sheet.h"
#include "sheets/sheet_random.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;

namespace {

const float kDivisorOfDigit[3] = {core::kTenthsDivisor, core::kHundredthsDivisor,
                                  core::kThousandthsDivisor};

} // namespace

class TestSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void theClockChangesNothing()
    {
        sheets::SheetRandom first(17, Activity::Write);
        sheets::SheetRandom second(17, Activity::Write);
        sheets::SheetRandom other(18, Activity::Write);
        int differ = 0;
        for (int i = 0; i < 100; ++i) {
            first.reseedFromClock();
            const float r = first.draw();
            QCOMPARE(r, second.draw());
            QVERIFY(r >= 0.0F && r < 1.0F);
            differ += r != other.draw() ? 1 : 0;
        }
        QVERIFY(differ > 90);
    }

    void sameNumberSameSheet_data()
    {
        QTest::addColumn<Activity>("activity");
        QTest::newRow("write") << Activity::Write;
        QTest::newRow("choose") << Activity::Choose;
        QTest::newRow("read") << Activity::Read;
    }
    void sameNumberSameSheet()
    {
        QFETCH(Activity, activity);
        const QStringList seventeen = sheetText(sheetOf(activity, 17));
        QCOMPARE(seventeen.size(), 60);
        QCOMPARE(sheetText(sheetOf(activity, 17)), seventeen);
        QVERIFY(sheetText(sheetOf(activity, 18)) != seventeen);
        QVERIFY(sheetText(sheetOf(activity, 0)) != seventeen);
        // A shorter sheet with the same number is the start of the longer one.
        QCOMPARE(sheetText(sheetOf(activity, 17, 10)), seventeen.mid(0, 10));
        // Within a class set a sheet is the sheet its own number gives alone.
        sheets::SheetOptions set;
        set.activity = activity;
        set.questions = 60;
        set.sheetNumber = 15;
        set.pupils = 4;
        const QList<sheets::Sheet> sheets = sheets::makeClassSet(set);
        QCOMPARE(sheets.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(sheets[i].options.sheetNumber, 15U + i);
            QCOMPARE(sheetText(sheets[i]), sheetText(sheetOf(activity, 15 + i)));
        }
        QCOMPARE(sheetText(sheets[2]), seventeen);
        // Another writing gives the same sheet, written otherwise.
        const QStringList written = sheetText(sheetOf(activity, 17, 60, kArabicIndic));
        QCOMPARE(written.size(), 60);
        for (int i = 0; i < 60; ++i) {
            QVERIFY(written[i] != seventeen[i]);
            QCOMPARE(westernDigits(written[i]), seventeen[i]);
        }
    }

    void classSetsKeepToTheSheetNumbers()
    {
        QCOMPARE(sheets::maxFirstSheetNumber(1), sheets::kMaxSheetNumber);
        QCOMPARE(sheets::maxFirstSheetNumber(60), sheets::kMaxSheetNumber - 59);
        sheets::SheetOptions set;
        set.sheetNumber = sheets::maxFirstSheetNumber(30);
        set.pupils = 30;
        set.questions = 10;
        QCOMPARE(sheets::makeClassSet(set).constLast().options.sheetNumber,
                 sheets::kMaxSheetNumber);
    }

    // The same numbers on every machine and in every year: the first questions of sheet 17
    // (whole-part caption | tenths, hundredths, thousandths | the marked one, 0 for tenths).
    void sheetSeventeenIsPinned()
    {
        QCOMPARE(sheetText(sheetOf(Activity::Write, 17, 10)).mid(0, 3),
                 (QStringList{u" و655|348|1"_s, u" و3|142|2"_s, u" و876|579|0"_s}));
        QCOMPARE(sheetText(sheetOf(Activity::Read, 17, 10)).mid(0, 3),
                 (QStringList{u"7و208"_s, u"837و7"_s, u"82و334"_s}));
        // Another writing draws the same questions, only written otherwise.
        QCOMPARE(sheetText(sheetOf(Activity::Write, 17, 10, kArabicIndic)).mid(0, 3),
                 (QStringList{u" و٦٥٥|٣٤٨|1"_s, u" و٣|١٤٢|2"_s, u" و٨٧٦|٥٧٩|0"_s}));
        QCOMPARE(sheetText(sheetOf(Activity::Read, 17, 10, kArabicIndic)).mid(0, 3),
                 (QStringList{u"٧و٢٠٨"_s, u"٨٣٧و٧"_s, u"٨٢و٣٣٤"_s}));
    }

    // The candidates and the key are written as the questions are.
    void answersAreWrittenAsTheQuestions_data()
    {
        QTest::addColumn<core::NumberWriting>("writing");
        QTest::newRow("Arabic-Indic") << kArabicIndic;
        QTest::newRow("comma") << core::NumberWriting(U'0', U',');
    }
    void answersAreWrittenAsTheQuestions()
    {
        QFETCH(core::NumberWriting, writing);
        const sheets::Sheet plain = sheetOf(Activity::Choose, 17);
        const sheets::Sheet written = sheetOf(Activity::Choose, 17, 60, writing);
        for (qsizetype i = 0; i < plain.questions.size(); ++i) {
            const core::PlaceValueQuestion& q = written.questions.at(i).question;
            QCOMPARE(q.CorrectAnswer, plain.questions.at(i).question.CorrectAnswer);
            QCOMPARE(sheets::answerText(written.questions.at(i)),
                     core::FormatNumber(q.CorrectAnswer, writing));
            QCOMPARE(written.questions.at(i).candidates.at(1),
                     core::FormatNumber(q.ChosenDigit / 100.0F, writing));
        }
    }

    void questionsFollowTheDrillsRules_data()
    {
        QTest::addColumn<Activity>("activity");
        QTest::newRow("write") << Activity::Write;
        QTest::newRow("choose") << Activity::Choose;
    }
    void questionsFollowTheDrillsRules()
    {
        QFETCH(Activity, activity);
        const QRegularExpression whole(u"^ و(0|[1-9][0-9]{0,2})$"_s);
        std::array<int, 3> markedAt{};
        for (std::uint64_t number = 0; number < 40; ++number) {
            for (const sheets::SheetQuestion& item : sheetOf(activity, number).questions) {
                const core::PlaceValueQuestion& q = item.question;
                QVERIFY2(whole.match(item.wholePart).hasMatch(), qPrintable(item.wholePart));
                QCOMPARE(item.wholePart, core::wholePartCaption(q.WholePart));
                const std::array<float, 3> digits = {q.TenthsDigit, q.HundredthsDigit,
                                                     q.ThousandthsDigit};
                for (int i = 0; i < 3; ++i) {
                    QVERIFY(digits.at(i) >= 0 && digits.at(i) <= 9);
                    QCOMPARE(item.decimalDigits.at(i), core::FormatNumber(digits.at(i)));
                }
                const int marked = sheets::markedDigit(item);
                QVERIFY(marked >= 0 && marked <= 2);
                ++markedAt.at(marked);
                QVERIFY(q.ChosenDigit >= 1 && q.ChosenDigit <= 9);
                QCOMPARE(q.ChosenDigit, digits.at(marked));
                QCOMPARE(q.CorrectAnswer, core::placeValue(q.ChosenDigit, kDivisorOfDigit[marked]));
                QCOMPARE(sheets::answerText(item), core::FormatNumber(q.CorrectAnswer));
                QCOMPARE(item.candidates,
                         (std::array<QString, 3>{core::FormatNumber(q.ChosenDigit / 1000.0F),
                                                 core::FormatNumber(q.ChosenDigit / 100.0F),
                                                 core::FormatNumber(q.ChosenDigit / 10.0F)}));
                QCOMPARE(item.candidates.at(2 - marked), sheets::answerText(item));
            }
        }
        for (const int count : markedAt) {
            QVERIFY(count > 600); // each place about a third of 2400
        }
    }

    void readingNumbersFollowTheEnterTable()
    {
        const QRegularExpression caption(u"^(0|[1-9][0-9]*)و(0|[1-9][0-9]*)$"_s);
        QSet<int> secondsOfKindAlone;
        for (std::uint64_t number = 0; number < 40; ++number) {
            for (const sheets::SheetQuestion& item : sheetOf(Activity::Read, number).questions) {
                const auto match = caption.match(item.reading);
                QVERIFY2(match.hasMatch(), qPrintable(item.reading));
                QVERIFY(match.captured(1).toInt() <= 998);
                QVERIFY(match.captured(2).toInt() <= 998);
                QVERIFY(sheets::answerText(item).isEmpty());
                secondsOfKindAlone.insert(match.captured(2).toInt());
            }
        }
        // The Enter table's kinds 3, 5 and 7 end in the kind itself: those come up (kind 0,
        // which ends in 0, is left out).
        for (const int kind : {3, 5, 7}) {
            QVERIFY(secondsOfKindAlone.contains(kind));
        }
    }

    void answersOnlyWhereThereAreAnswers()
    {
        QVERIFY(sheets::hasAnswers(Activity::Write));
        QVERIFY(sheets::hasAnswers(Activity::Choose));
        QVERIFY(!sheets::hasAnswers(Activity::Read));
        QVERIFY(
            sheets::instructionText(Activity::Write, sheets::DigitMark::Red).contains(u"الاحمر"_s));
        QVERIFY(sheets::instructionText(Activity::Choose, sheets::DigitMark::Underline)
                    .contains(u"تحته خط"_s));
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "test_sheet.moc"
