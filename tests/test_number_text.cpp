// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text: formatting numbers for display, reading typed answers, the feedback texts.

#include "core/number_text.h"
#include "core/place_value_question.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

class TestNumberText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void typedAnswersAgainstSevenHundredths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("plain") << u"0.07"_s << true;
        QTest::newRow("no leading zero") << u".07"_s << true;
        QTest::newRow("trailing zero") << u"0.070"_s << true;
        QTest::newRow("plus sign") << u"+0.07"_s << true;
        QTest::newRow("exponent") << u"7E-2"_s << true;
        QTest::newRow("lower-case exponent") << u"7e-2"_s << true;
        QTest::newRow("exponent with D") << u"7D-2"_s << true;
        QTest::newRow("lower-case d") << u"70d-3"_s << true;
        QTest::newRow("then a blank and an Arabic word") << u"0.07 صحيح"_s << true;
        QTest::newRow("blanks inside the number") << u" 0 . 0 7 "_s << true;
        QTest::newRow("tab and line feed are blanks") << u"\t0.0\n7"_s << true;
        QTest::newRow("sign after blanks") << u"   +0.07"_s << true;
        QTest::newRow("blank between sign and digits") << u"+ 0.07"_s << true;
        QTest::newRow("second point ends the number") << u"0.07.5"_s << true;
        QTest::newRow("exponent without digits is ignored") << u"0.07E"_s << true;
        QTest::newRow("exponent sign without digits") << u"0.07e+x"_s << true;
        QTest::newRow("many leading zeros") << u"0000000000.07"_s << true;
        QTest::newRow("empty") << u""_s << false;
        QTest::newRow("only blanks") << u"   "_s << false;
        QTest::newRow("comma as decimal point") << u"0,07"_s << false;
        QTest::newRow("the digit itself") << u"7"_s << false;
        QTest::newRow("negative") << u"-0.07"_s << false;
        QTest::newRow("negative after blanks") << u"  -0.07"_s << false;
        QTest::newRow("letters") << u"abc"_s << false;
        QTest::newRow("Arabic-Indic digits") << u"٠٫٠٧"_s << false;
        QTest::newRow("Arabic decimal separator") << u"0٫07"_s << false;
        QTest::newRow("hundredths as tenths") << u"0.7"_s << false;
        QTest::newRow("overflowing exponent") << u"9E999"_s << false;
        QTest::newRow("huge exponent") << u"1e99999999999999999999"_s << false;
        QTest::newRow("thousand digits") << QString(1000, u'9') << false;
        QTest::newRow("float overflow, double range") << u"1e300"_s << false;
        QTest::newRow("underflow") << u"7e-99999"_s << false;
        QTest::newRow("sign alone") << u"-"_s << false;
        QTest::newRow("point alone") << u"."_s << false;
    }
    void typedAnswersAgainstSevenHundredths()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        const float answer = placeValue(7, kHundredthsDivisor);
        QCOMPARE(matchesAnswer(ReadTypedNumber(typed), answer), right);
    }

    void readTypedNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("empty reads as 0") << u""_s << 0.0;
        QTest::newRow("stops at a letter") << u"12abc"_s << 12.0;
        QTest::newRow("long fraction") << (u"0."_s + QString(900, u'0') + u"5e900"_s) << 0.5;
        QTest::newRow("long whole part") << (u"1"_s + QString(900, u'0') + u"e-900"_s) << 1.0;
        QTest::newRow("overflow is infinite")
            << u"9E999"_s << std::numeric_limits<double>::infinity();
        QTest::newRow("negative overflow")
            << u"-9E999"_s << -std::numeric_limits<double>::infinity();
        QTest::newRow("underflow is zero") << u"1e-999"_s << 0.0;
        QTest::newRow("zeros with a big exponent") << u"0.000e99999"_s << 0.0;
        QTest::newRow("a point after the exponent stops") << u"1e2.5"_s << 100.0;
    }
    void readTypedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QCOMPARE(ReadTypedNumber(typed), value);
    }

    void overflowIsNeverAnAnswer()
    {
        for (const double typed : {std::numeric_limits<double>::infinity(), 1e39, -1e39,
                                   std::numeric_limits<double>::quiet_NaN(), 3.5e38}) {
            QVERIFY(!matchesAnswer(typed, 0.9F));
        }
        QVERIFY(matchesAnswer(0.9, 0.9F));
    }

    void formatNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit 0") << 0.0 << u"0"_s;
        QTest::newRow("digit 9") << 9.0 << u"9"_s;
        QTest::newRow("whole part 305") << 305.0 << u"305"_s;
        QTest::newRow("whole part 999") << 999.0 << u"999"_s;
        QTest::newRow("seven digits stay plain") << 1234567.0 << u"1234567"_s;
        QTest::newRow("eight digits round to seven") << 0.12345678 << u"0.1234568"_s;
        QTest::newRow("negative") << -0.5 << u"-0.5"_s;
    }
    void formatNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatNumber(value), text);
    }

    void everyPlaceValueIsWrittenPlainly()
    {
        for (int digit = 1; digit <= 9; ++digit) {
            const QString d = QString::number(digit);
            const float d0 = static_cast<float>(digit);
            QCOMPARE(FormatNumber(placeValue(d0, kTenthsDivisor)), u"0."_s + d);
            QCOMPARE(FormatNumber(placeValue(d0, kHundredthsDivisor)), u"0.0"_s + d);
            QCOMPARE(FormatNumber(placeValue(d0, kThousandthsDivisor)), u"0.00"_s + d);
        }
    }

    void decimalSeparatorFollowsTheRegionalSettings_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("C") << u"C"_s << u"0.07"_s;
        QTest::newRow("German") << u"de_DE"_s << u"0,07"_s;
        QTest::newRow("Egyptian Arabic: only the separator, digits stay 0-9")
            << u"ar_EG"_s << u"0٫07"_s;
    }
    void decimalSeparatorFollowsTheRegionalSettings()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        const QString formatted = FormatNumber(placeValue(7, kHundredthsDivisor));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(formatted, text);
    }

    void feedbackTexts_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<float>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("right") << true << 0.07F << u"الاجابة صحيحة"_s;
        QTest::newRow("wrong, hundredths") << false << placeValue(7, kHundredthsDivisor)
                                           << u"الاجابة خاطئة و الاجابة الصحيحة هي 0.07"_s;
        QTest::newRow("wrong, 9 thousandths") << false << placeValue(9, kThousandthsDivisor)
                                              << u"الاجابة خاطئة و الاجابة الصحيحة هي 0.009"_s;
        QTest::newRow("wrong, 1 tenth") << false << placeValue(1, kTenthsDivisor)
                                        << u"الاجابة خاطئة و الاجابة الصحيحة هي 0.1"_s;
    }
    void feedbackTexts()
    {
        QFETCH(bool, right);
        QFETCH(float, answer);
        QFETCH(QString, text);
        QCOMPARE(FeedbackText(right, answer), text);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
