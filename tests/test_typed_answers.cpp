// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading typed answers: which texts are judged right under each regional setting, and the
// numbers read.

#include "core/number_text.h"
#include "core/place_value_question.h"

#include <QLocale>
#include <QTest>

#include <limits>
#include <utility>

using namespace Qt::Literals::StringLiterals;
using namespace core; // the core's number text, tested

class TestTypedAnswers : public QObject {
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
        QTest::newRow("hundredths as tenths") << u"0.7"_s << false << c;
        QTest::newRow("overflowing exponent") << u"9E999"_s << false << c;
        QTest::newRow("huge exponent") << u"1e99999999999999999999"_s << false << c;
        QTest::newRow("thousand digits") << QString(1000, u'9') << false << c;
        QTest::newRow("float overflow, double range") << u"1e300"_s << false << c;
        QTest::newRow("underflow") << u"7e-99999"_s << false << c;
        QTest::newRow("sign alone") << u"-"_s << false << c;
        QTest::newRow("point alone") << u"."_s << false << c;

        // An Arabic keyboard's digits of both sets and its separator ٫ are read under every
        // setting; a comma is a decimal point only where the settings write one.
        const std::pair<const char*, bool> settings[] = {
            {"C", false}, {"en_US", false}, {"fr_FR", true}, {"ar_MA", true}, {"ar_EG", false}};
        for (const auto& [name, commaIsPoint] : settings) {
            const QString locale = QString::fromLatin1(name);
            const auto row = [&locale](const char* what) -> QTestData& {
                return QTest::addRow("%s: %s", qPrintable(locale), what);
            };
            row("Arabic-Indic digits, Arabic separator") << u"٠٫٠٧"_s << true << locale;
            row("extended Arabic-Indic digits") << u"۰٫۰۷"_s << true << locale;
            row("digits 0 to 9, Arabic separator") << u"0٫07"_s << true << locale;
            row("Arabic-Indic digits, point") << u"٠.٠٧"_s << true << locale;
            row("extended digits, point") << u"۰.۰۷"_s << true << locale;
            row("three digit sets mixed") << u"0٫۰٧"_s << true << locale;
            row("no leading zero") << u"٫٠٧"_s << true << locale;
            row("blanks inside, trailing zero") << u" ٠ ٫ ٠٧٠ "_s << true << locale;
            row("exponent in Arabic-Indic digits") << u"٧E-٢"_s << true << locale;
            row("exponent in extended digits") << u"۷۰d-۳"_s << true << locale;
            row("then an Arabic word") << u"٠٫٠٧ صحيح"_s << true << locale;
            row("second Arabic separator ends") << u"٠٫٠٧٫٥"_s << true << locale;
            row("a point then the Arabic separator") << u"٠.٠٫٧"_s << false << locale;
            row("Arabic-Indic digits, comma") << u"٠,٠٧"_s << commaIsPoint << locale;
            row("Arabic comma ends the number") << u"٠،٠٧"_s << false << locale;
            row("tenths") << u"٠٫٧"_s << false << locale;
            row("the digit itself") << u"٧"_s << false << locale;
            row("negative") << u"-٠٫٠٧"_s << false << locale;
            row("overflow") << u"٩E٩٩٩"_s << false << locale;
        }
        QTest::newRow("en_US: plain") << u"0.07"_s << true << u"en_US"_s;
        QTest::newRow("ar_EG: plain") << u"0.07"_s << true << u"ar_EG"_s;
        QTest::newRow("ar_EG: comma") << u"0,07"_s << false << u"ar_EG"_s;
        QTest::newRow("ar_EG: empty") << u""_s << false << u"ar_EG"_s;

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
            row("Arabic separator after a comma ends") << u"0,07٫5"_s << true << comma;
            row("a point then a comma") << u"0.0,7"_s << false << comma;
            row("tenths") << u"0,7"_s << false << comma;
            row("empty") << u""_s << false << comma;
        }

        // Chakma digits lie beyond the Basic Multilingual Plane: two UTF-16 units each.
        const QString chakma = u"ccp"_s;
        QTest::newRow("ccp: as written") << u"𑄶.𑄶𑄽"_s << true << chakma;
        QTest::newRow("ccp: mixed with Arabic-Indic digits") << u"𑄶٫٠𑄽"_s << true << chakma;
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
        // Each digit's own value, and the characters on either side of both runs of ten.
        QTest::newRow("every Arabic-Indic digit") << u"٩٨٧٦٥٤٣٢١٠٫٥"_s << 9876543210.5;
        QTest::newRow("every extended digit") << u"۰۱۲۳۴۵۶۷۸۹٫۵"_s << 123456789.5;
        QTest::newRow("the sign after ٩ is no digit") << u"٫٥\u066A"_s << 0.5;
        QTest::newRow("the mark before ٠ is no digit") << u"٫\u065F٥"_s << 0.0;
        QTest::newRow("the letter after ۹ is no digit") << u"٫٥\u06FA"_s << 0.5;
        QTest::newRow("the letter before ۰ is no digit") << u"٫\u06EF٥"_s << 0.0;
        QTest::newRow("the thousands separator ٬ is no point") << u"٥٬٥"_s << 5.0;
    }
    void readTypedNumber()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QCOMPARE(ReadTypedNumber(typed), value);
    }
};

QTEST_GUILESS_MAIN(TestTypedAnswers)
#include "test_typed_answers.moc"
