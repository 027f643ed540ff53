// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules a worksheet adds to the drill's: no number twice, the marked places in turn, no
// reading number with nothing after its waw, and the activity among the seeds.

#include "sheet_questions.h"
#include "sheets/sheet.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;

class TestSheetRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // "write 17", "choose 17" and "read 17" share no number.
    void theActivityEntersTheQuestions()
    {
        const auto numbers = [](const sheets::Sheet& sheet) {
            QSet<QString> seen;
            for (const sheets::SheetQuestion& item : sheet.questions) {
                seen.insert(item.reading.isEmpty()
                                ? item.wholePart + item.decimalDigits.at(0) +
                                      item.decimalDigits.at(1) + item.decimalDigits.at(2)
                                : item.reading);
            }
            return seen;
        };
        const QSet<QString> write = numbers(sheetOf(Activity::Write, 17));
        QVERIFY(!write.intersects(numbers(sheetOf(Activity::Choose, 17))));
        QCOMPARE(sheetText(sheetOf(Activity::Write, 17)).size(), 60);
    }

    // No number twice on a sheet, and the marked places in turn: every three questions mark
    // each place once. The seeds are those whose sheets once repeated a question or left out a
    // place, or marked one place up to ten times in a row.
    void noRepeatsAndEveryPlace_data()
    {
        QTest::addColumn<Activity>("activity");
        QTest::addColumn<quint64>("number");
        QTest::addColumn<int>("questions");
        for (const Activity activity : {Activity::Write, Activity::Choose}) {
            const char* name = activity == Activity::Write ? "write" : "choose";
            for (const quint64 number : {566511274ULL, 98026292ULL, 123456789ULL, 19ULL, 0ULL}) {
                for (const int questions : {10, 11, 60}) {
                    QTest::addRow("%s %llu, %d", name, number, questions)
                        << activity << number << questions;
                }
            }
        }
    }
    void noRepeatsAndEveryPlace()
    {
        QFETCH(Activity, activity);
        QFETCH(quint64, number);
        QFETCH(int, questions);
        const sheets::Sheet sheet = sheetOf(activity, number, questions);
        QCOMPARE(sheet.questions.size(), questions);
        QSet<QString> numbers;
        std::array<int, 3> marked{};
        for (int i = 0; i < questions; ++i) {
            const sheets::SheetQuestion& item = sheet.questions.at(i);
            const QString shown = item.wholePart + item.decimalDigits.at(0) +
                                  item.decimalDigits.at(1) + item.decimalDigits.at(2);
            QVERIFY2(!numbers.contains(shown), qPrintable(u"question %1"_s.arg(i + 1)));
            numbers.insert(shown);
            ++marked.at(sheets::markedDigit(item));
            if (i % 3 == 2) {
                QCOMPARE(marked, (std::array<int, 3>{(i + 1) / 3, (i + 1) / 3, (i + 1) / 3}));
            }
        }
        const auto [fewest, most] = std::minmax_element(marked.begin(), marked.end());
        QVERIFY(*most - *fewest <= 1);
        QVERIFY(*fewest >= questions / 3);
    }

    // No reading number twice, none with nothing after its waw (0و0, 7و0); seed 19 once had
    // three numbers twice and 0و0.
    void readingNumbersNeitherRepeatNorEndInZero_data()
    {
        QTest::addColumn<quint64>("number");
        QTest::addColumn<core::NumberWriting>("writing");
        for (const quint64 number : {19ULL, 0ULL, 17ULL, 999999999ULL}) {
            QTest::addRow("%llu", number) << number << core::NumberWriting();
            QTest::addRow("%llu, Arabic-Indic", number) << number << kArabicIndic;
        }
    }
    void readingNumbersNeitherRepeatNorEndInZero()
    {
        QFETCH(quint64, number);
        QFETCH(core::NumberWriting, writing);
        const QStringList numbers = sheetText(sheetOf(Activity::Read, number, 60, writing));
        QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), 60);
        const QString wawAndZero = u'و' + writing.writeWhole(0);
        for (const QString& reading : numbers) {
            QVERIFY2(!reading.endsWith(wawAndZero), qPrintable(reading));
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetRules)
#include "test_sheet_rules.moc"
