// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading question: both tables, the draws each takes, and the extremes.

#include "core/random_source.h"
#include "core/reading_question.h"
#include "support/reading_script.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
// Distinct values, so that each table row shows which numbers it took.
constexpr int kOne = 4;
constexpr int kTwoA = 61;
constexpr int kThree = 705;
constexpr int kTwoB = 38;
} // namespace

class TestReadingQuestion : public QObject {
    Q_OBJECT

private:
    std::optional<ScriptedRandom> random_;

private Q_SLOTS:
    void init()
    {
        random_.emplace();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
        scriptReading(*random_, kind, kOne, kTwoA, kThree, kTwoB);
        random_->script({ScriptedRandom::forValue(222, 999)}); // the sixth draw, if taken
        core::ReadingNumbers numbers;
        const QString text = core::poseReadingQuestion(
            numbers, opening ? core::ReadingOccasion::Opening : core::ReadingOccasion::Enter,
            *random_);
        QCOMPARE(text, caption);
        QCOMPARE(random_->draws(), draws);
        QCOMPARE(random_->reseeds(), 1);
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
        QTest::addColumn<QString>("locale");
        const QString c = u"C"_s;
        const float top = std::nextafter(1.0F, 0.0F);
        QTest::newRow("opening, zero and zero")
            << true << QList<float>{0, 0, 0, 0, 0} << u"0و0"_s << c;
        QTest::newRow("Enter, zero and zero")
            << false << QList<float>{0, 0, 0, 0, 0} << u"0و0"_s << c;
        QTest::newRow("opening, the longest: 98 and 998")
            << true << QList<float>{top, top, top, top, top} << u"98و998"_s << c;
        QTest::newRow("Enter, the longest: 998 and 998")
            << false << QList<float>{0.85F, top, top, top, top, top} << u"998و998"_s << c;
        QTest::newRow("Enter, kind 9 at the top")
            << false << QList<float>{top, top, top, top, top} << u"998و98"_s << c;
        QTest::newRow("no leading zeros")
            << false << QList<float>{0.25F, 0.55F, 0, 0, ScriptedRandom::forValue(5, 99)}
            << u"5و5"_s << c;
        QTest::newRow("ar_EG: zero and zero, in Arabic-Indic digits")
            << false << QList<float>{0, 0, 0, 0, 0} << u"٠و٠"_s << u"ar_EG"_s;
        QTest::newRow("ar_EG: the longest, in Arabic-Indic digits")
            << false << QList<float>{0.85F, top, top, top, top, top} << u"٩٩٨و٩٩٨"_s << u"ar_EG"_s;
        QTest::newRow("ar_MA: digits 0 to 9")
            << false << QList<float>{0.85F, top, top, top, top, top} << u"998و998"_s << u"ar_MA"_s;
    }
    void extremes()
    {
        QFETCH(bool, opening);
        QFETCH(QList<float>, draws);
        QFETCH(QString, caption);
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        for (const float r : draws) {
            random_->script({r});
        }
        core::ReadingNumbers numbers;
        QCOMPARE(core::poseReadingQuestion(numbers,
                                           opening ? core::ReadingOccasion::Opening
                                                   : core::ReadingOccasion::Enter,
                                           *random_),
                 caption);
        QCOMPARE(random_->scriptedLeft(), 0);
    }
};

QTEST_GUILESS_MAIN(TestReadingQuestion)
#include "test_reading_question.moc"
