// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text: formatting numbers for display, the writings, the feedback texts (the reading
// of typed answers has its own tables in test_typed_answers.cpp).

#include "core/number_text.h"
#include "core/place_value_question.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;
using namespace core; // the core's number text, tested

Q_DECLARE_METATYPE(core::NumberWriting)

class TestNumberText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
        // The Arabic settings of the README's table, as Qt's own locale data writes them.
        for (const char* arabicIndic : {"ar_SA", "ar_KW", "ar_QA", "ar_BH", "ar_OM", "ar_IQ",
                                        "ar_SY", "ar_LB", "ar_JO", "ar_EG", "ar_YE", "ar_SD"}) {
            QTest::newRow(arabicIndic) << QString::fromLatin1(arabicIndic) << u"٠٫٠٧"_s << u"٣٠٥"_s;
        }
        QTest::newRow("ar_AE") << u"ar_AE"_s << u"0.07"_s << u"305"_s;
        for (const char* comma : {"ar_MA", "ar_DZ", "ar_TN", "ar_LY"}) {
            QTest::newRow(comma) << QString::fromLatin1(comma) << u"0,07"_s << u"305"_s;
        }
        QTest::newRow("Persian digits") << u"fa_IR"_s << u"۰٫۰۷"_s << u"۳۰۵"_s;
        QTest::newRow("Chakma, beyond the BMP") << u"ccp"_s << u"𑄶.𑄶𑄽"_s << u"𑄹𑄶𑄻"_s;
    }
    void numbersAreWrittenAsTheRegionalSettingsWriteThem()
    {
        QFETCH(QString, locale);
        QFETCH(QString, sevenHundredths);
        QFETCH(QString, wholePart);
        if (locale.contains(u'_')) {
            QCOMPARE(QLocale(locale).name(), locale); // Qt's own setting, no fallback
        }
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

    // A version's point is no decimal separator; among Arabic-Indic digits it is written ٫,
    // since a point looks like their zero.
    void versionsKeepTheirPointApartFromTheZero_data()
    {
        QTest::addColumn<core::NumberWriting>("writing");
        QTest::addColumn<QString>("version");
        using core::DigitSet;
        using core::SeparatorKind;
        QTest::newRow("western, comma")
            << core::NumberWriting(DigitSet::Western, SeparatorKind::Comma) << u"1.00"_s;
        QTest::newRow("western, Arabic separator")
            << core::NumberWriting(DigitSet::Western, SeparatorKind::ArabicDecimal) << u"1.00"_s;
        QTest::newRow("Arabic-Indic, point")
            << core::NumberWriting(DigitSet::ArabicIndic, SeparatorKind::Point) << u"١٫٠٠"_s;
        QTest::newRow("Arabic-Indic, comma")
            << core::NumberWriting(DigitSet::ArabicIndic, SeparatorKind::Comma) << u"١٫٠٠"_s;
        QTest::newRow("extended Arabic-Indic") << core::NumberWriting(U'\u06F0', U'.') << u"۱٫۰۰"_s;
        QTest::newRow("Chakma") << core::NumberWriting(U'\U00011136', U',') << u"𑄷.𑄶𑄶"_s;
    }
    void versionsKeepTheirPointApartFromTheZero()
    {
        QFETCH(core::NumberWriting, writing);
        QFETCH(QString, version);
        QCOMPARE(writing.writeVersion("1.00"), version);
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
