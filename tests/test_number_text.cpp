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
using namespace core; // the core's number text, tested

Q_DECLARE_METATYPE(core::NumberWriting)

class TestNumberText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Each row pinned to its locale: the verdicts under C (the digits 0 to 9 and ".") first.
    void typedAnswersAgainstSevenHundredths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("locale");
        const QString c = u"C"_s;
        QTest::newRow("plain") << u"0.07"_s << true << c;
        QTest::newRow("no leading zero") << u".07"_s << true << c;
        QTest::newRow("trailing zero") << u"0.070"_s << true << c;
        QTest::newRow("plus sign") << u"+0.07"_s << true << c;
        QTest::newRow("exponent") << u"7E-2"_s << true << c;
        QTest::newRow("lower-case exponent") << u"7e-2"_s << true << c;
        QTest::newRow("exponent with D") << u"7D-2"_s << true << c;
        QTest::newRow("lower-case d") << u"70d-3"_s << true << c;
        QTest::newRow("then a blank and an Arabic word") << u"0.07 صحيح"_s << true << c;
        QTest::newRow("blanks inside the number") << u" 0 . 0 7 "_s << true << c;
        QTest::newRow("tab and line feed are blanks") << u"\t0.0\n7"_s << true << c;
        QTest::newRow("sign after blanks") << u"   +0.07"_s << true << c;
        QTest::newRow("blank between sign and digits") << u"+ 0.07"_s << true << c;
        QTest::newRow("second point ends the number") << u"0.07.5"_s << true << c;
        QTest::newRow("exponent without digits is ignored") << u"0.07E"_s << true << c;
        QTest::newRow("exponent sign without digits") << u"0.07e+x"_s << true << c;
        QTest::newRow("many leading zeros") << u"0000000000.07"_s << true << c;
        QTest::newRow("empty") << u""_s << false << c;
        QTest::newRow("only blanks") << u"   "_s << false << c;
        QTest::newRow("comma as decimal point") << u"0,07"_s << false << c;
        QTest::newRow("the digit itself") << u"7"_s << false << c;
        QTest::newRow("negative") << u"-0.07"_s << false << c;
        QTest::newRow("negative after blanks") << u"  -0.07"_s << false << c;
        QTest::newRow("letters") << u"abc"_s << false << c;
        QTest::newRow("Arabic-Indic digits") << u"٠٫٠٧"_s << false << c;
        QTest::newRow("Arabic decimal separator") << u"0٫07"_s << false << c;
        QTest::newRow("hundredths as tenths") << u"0.7"_s << false << c;
        QTest::newRow("overflowing exponent") << u"9E999"_s << false << c;
        QTest::newRow("huge exponent") << u"1e99999999999999999999"_s << false << c;
        QTest::newRow("thousand digits") << QString(1000, u'9') << false << c;
        QTest::newRow("float overflow, double range") << u"1e300"_s << false << c;
        QTest::newRow("underflow") << u"7e-99999"_s << false << c;
        QTest::newRow("sign alone") << u"-"_s << false << c;
        QTest::newRow("point alone") << u"."_s << false << c;
        QTest::newRow("Persian digits") << u"۰٫۰۷"_s << false << c;

        // Egyptian Arabic writes ٠٫٠٧; the digits 0 to 9 and "." are still read.
        const QString egypt = u"ar_EG"_s;
        QTest::newRow("ar_EG: as written") << u"٠٫٠٧"_s << true << egypt;
        QTest::newRow("ar_EG: Western digits, Arabic separator") << u"0٫07"_s << true << egypt;
        QTest::newRow("ar_EG: Arabic-Indic digits, point") << u"٠.٠٧"_s << true << egypt;
        QTest::newRow("ar_EG: plain") << u"0.07"_s << true << egypt;
        QTest::newRow("ar_EG: digits mixed") << u"٠٫0٧"_s << true << egypt;
        QTest::newRow("ar_EG: no leading zero") << u"٫٠٧"_s << true << egypt;
        QTest::newRow("ar_EG: trailing zero, blanks") << u" ٠ ٫ ٠٧٠ "_s << true << egypt;
        QTest::newRow("ar_EG: exponent in Arabic-Indic digits") << u"٧E-٢"_s << true << egypt;
        QTest::newRow("ar_EG: lower-case d, mixed") << u"٧٠d-3"_s << true << egypt;
        QTest::newRow("ar_EG: then an Arabic word") << u"٠٫٠٧ صحيح"_s << true << egypt;
        QTest::newRow("ar_EG: second separator ends") << u"٠٫٠٧٫٥"_s << true << egypt;
        QTest::newRow("ar_EG: a point then a separator") << u"٠.٠٫٧"_s << false << egypt;
        QTest::newRow("ar_EG: comma") << u"0,07"_s << false << egypt;
        QTest::newRow("ar_EG: the digit itself") << u"٧"_s << false << egypt;
        QTest::newRow("ar_EG: tenths") << u"٠٫٧"_s << false << egypt;
        QTest::newRow("ar_EG: negative") << u"-٠٫٠٧"_s << false << egypt;
        QTest::newRow("ar_EG: Persian digits") << u"۰٫۰۷"_s << false << egypt;
        QTest::newRow("ar_EG: overflow") << u"٩E٩٩٩"_s << false << egypt;
        QTest::newRow("ar_EG: empty") << u""_s << false << egypt;

        // Moroccan Arabic and French write 0,07 with the digits 0 to 9.
        for (const QString& comma : {u"ar_MA"_s, u"fr_FR"_s}) {
            const auto row = [&comma](const char* name) -> QTestData& {
                return QTest::addRow("%s: %s", qPrintable(comma), name);
            };
            row("as written") << u"0,07"_s << true << comma;
            row("plain") << u"0.07"_s << true << comma;
            row("no leading zero") << u",07"_s << true << comma;
            row("trailing zero, exponent") << u"0,070e0"_s << true << comma;
            row("second separator ends") << u"0,07,5"_s << true << comma;
            row("a point then a comma") << u"0.0,7"_s << false << comma;
            row("tenths") << u"0,7"_s << false << comma;
            row("Arabic-Indic digits") << u"٠٫٠٧"_s << false << comma;
            row("Arabic separator") << u"0٫07"_s << false << comma;
            row("empty") << u""_s << false << comma;
        }

        // Chakma digits lie beyond the Basic Multilingual Plane: two UTF-16 units each.
        const QString chakma = u"ccp"_s;
        QTest::newRow("ccp: as written") << u"𑄶.𑄶𑄽"_s << true << chakma;
        QTest::newRow("ccp: lone high surrogate ends the number")
            << (u"0.0"_s + QChar(0xD804) + u"7"_s) << false << chakma;
        QTest::newRow("ccp: lone low surrogate ends the number")
            << (u"0.0"_s + QChar(0xDD3D) + u"7"_s) << false << chakma;
    }
    void typedAnswersAgainstSevenHundredths()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
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

    // Every value is written in the regional settings' digits and separator, and the answer
    // exactly as the feedback writes it is read as right.
    void numbersAreWrittenAsTheRegionalSettingsWriteThem_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sevenHundredths");
        QTest::addColumn<QString>("wholePart");
        QTest::newRow("C") << u"C"_s << u"0.07"_s << u"305"_s;
        QTest::newRow("English") << u"en_US"_s << u"0.07"_s << u"305"_s;
        QTest::newRow("German") << u"de_DE"_s << u"0,07"_s << u"305"_s;
        QTest::newRow("French") << u"fr_FR"_s << u"0,07"_s << u"305"_s;
        QTest::newRow("Moroccan Arabic") << u"ar_MA"_s << u"0,07"_s << u"305"_s;
        QTest::newRow("Egyptian Arabic") << u"ar_EG"_s << u"٠٫٠٧"_s << u"٣٠٥"_s;
        QTest::newRow("Saudi Arabic") << u"ar_SA"_s << u"٠٫٠٧"_s << u"٣٠٥"_s;
        QTest::newRow("Emirati Arabic") << u"ar_AE"_s << u"0.07"_s << u"305"_s;
        QTest::newRow("Persian digits") << u"fa_IR"_s << u"۰٫۰۷"_s << u"۳۰۵"_s;
        QTest::newRow("Chakma, beyond the BMP") << u"ccp"_s << u"𑄶.𑄶𑄽"_s << u"𑄹𑄶𑄻"_s;
    }
    void numbersAreWrittenAsTheRegionalSettingsWriteThem()
    {
        QFETCH(QString, locale);
        QFETCH(QString, sevenHundredths);
        QFETCH(QString, wholePart);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(FormatNumber(placeValue(7, kHundredthsDivisor)), sevenHundredths);
        QCOMPARE(FormatNumber(305), wholePart);
        QCOMPARE(FeedbackText(false, placeValue(7, kHundredthsDivisor)),
                 u"الاجابة خاطئة و الاجابة الصحيحة هي "_s + sevenHundredths);
        for (const float divisor : {kThousandthsDivisor, kHundredthsDivisor, kTenthsDivisor}) {
            for (int digit = 1; digit <= 9; ++digit) {
                const float answer = placeValue(static_cast<float>(digit), divisor);
                const QString shown = FeedbackText(false, answer).section(u' ', -1);
                QVERIFY2(matchesAnswer(ReadTypedNumber(shown), answer), qPrintable(shown));
                for (const float other :
                     {kThousandthsDivisor, kHundredthsDivisor, kTenthsDivisor}) {
                    const float wrong = placeValue(static_cast<float>(digit), other);
                    QCOMPARE(matchesAnswer(ReadTypedNumber(FormatNumber(wrong)), answer),
                             other == divisor);
                }
            }
        }
    }

    // A worksheet's writings by name, and writings made of unusable characters, which fall back
    // to the digits 0 to 9 and "."; whatever is written reads back.
    void explicitWritings_data()
    {
        QTest::addColumn<core::NumberWriting>("writing");
        QTest::addColumn<QString>("sevenHundredths");
        using core::DigitSet;
        using core::SeparatorKind;
        QTest::newRow("western, point")
            << core::NumberWriting(DigitSet::Western, SeparatorKind::Point) << u"0.07"_s;
        QTest::newRow("western, comma")
            << core::NumberWriting(DigitSet::Western, SeparatorKind::Comma) << u"0,07"_s;
        QTest::newRow("western, Arabic separator")
            << core::NumberWriting(DigitSet::Western, SeparatorKind::ArabicDecimal) << u"0٫07"_s;
        QTest::newRow("Arabic-Indic, point")
            << core::NumberWriting(DigitSet::ArabicIndic, SeparatorKind::Point) << u"٠.٠٧"_s;
        QTest::newRow("Arabic-Indic, comma")
            << core::NumberWriting(DigitSet::ArabicIndic, SeparatorKind::Comma) << u"٠,٠٧"_s;
        QTest::newRow("Arabic-Indic, Arabic separator")
            << core::NumberWriting(DigitSet::ArabicIndic, SeparatorKind::ArabicDecimal)
            << u"٠٫٠٧"_s;
        QTest::newRow("a one is no zero") << core::NumberWriting(U'1', U',') << u"0,07"_s;
        QTest::newRow("superscript zero is no digit")
            << core::NumberWriting(U'\u2070', U',') << u"0,07"_s;
        QTest::newRow("a letter is no separator") << core::NumberWriting(U'0', U'e') << u"0.07"_s;
        QTest::newRow("a digit is no separator")
            << core::NumberWriting(U'\u0660', U'\u0665') << u"٠.٠٧"_s;
        QTest::newRow("a blank is no separator") << core::NumberWriting(U'0', U' ') << u"0.07"_s;
        QTest::newRow("a sign is no separator") << core::NumberWriting(U'0', U'-') << u"0.07"_s;
        QTest::newRow("an invisible mark is no separator")
            << core::NumberWriting(U'0', U'\u200F') << u"0.07"_s;
        QTest::newRow("a surrogate is no character")
            << core::NumberWriting(0xD800, 0xDC00) << u"0.07"_s;
        QTest::newRow("beyond Unicode") << core::NumberWriting(0x7FFFFFFA, 0x110000) << u"0.07"_s;
    }
    void explicitWritings()
    {
        QFETCH(core::NumberWriting, writing);
        QFETCH(QString, sevenHundredths);
        const float answer = placeValue(7, kHundredthsDivisor);
        QCOMPARE(FormatNumber(answer, writing), sevenHundredths);
        QVERIFY(matchesAnswer(ReadTypedNumber(sevenHundredths, writing), answer));
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
