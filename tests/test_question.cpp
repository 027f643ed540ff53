// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing a place-value question and painting it on a board.

#include "core/number_text.h"
#include "core/place_value_question.h"
#include "core/spoken_question.h"
#include "support/question_script.h"

#include <QLocale>
#include <QTest>

#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// A board that remembers its labels and every call made on it.
class RecordingBoard final : public core::QuestionBoard {
public:
    std::array<QString, 5> captions;
    std::array<core::ColourValue, 5> colours{};
    QStringList calls;

    void setNumberCaption(core::NumberLabel label, const QString& caption) override
    {
        captions.at(static_cast<int>(label)) = caption;
        calls.append(u"caption%1"_s.arg(static_cast<int>(label)));
    }
    void setNumberColour(core::NumberLabel label, core::ColourValue colour) override
    {
        colours.at(static_cast<int>(label)) = colour;
        calls.append(u"colour%1"_s.arg(static_cast<int>(label)));
    }
    QList<int> redLabels() const
    {
        QList<int> red;
        for (int label = 1; label <= 3; ++label) {
            if (colours.at(label) == core::kChosenDigitColour) {
                red.append(label);
            }
        }
        return red;
    }
};

const std::array<float, 3> kDivisors = {core::kThousandthsDivisor, core::kHundredthsDivisor,
                                        core::kTenthsDivisor};

// A plain number text with its digits counted from another zero and "." replaced.
QString written(const QString& plain, QChar zero, QChar separator)
{
    QString text;
    for (const QChar c : plain) {
        if (c == u'.') {
            text += separator;
        } else if (c.isDigit()) {
            text += QChar(zero.unicode() + c.digitValue());
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace

class TestQuestion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Under each locale, with its zero digit and decimal separator.
    void everyDigitAtEveryPlace_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QChar>("zero");
        QTest::addColumn<QChar>("separator");
        const char* places[] = {"thousandths", "hundredths", "tenths"};
        const struct {
            const char* name;
            char16_t zero;
            char16_t separator;
        } locales[] = {
            {"C", u'0', u'.'}, {"ar_EG", u'٠', u'٫'}, {"ar_MA", u'0', u','}, {"fr_FR", u'0', u','}};
        for (const auto& locale : locales) {
            for (int place = 0; place < 3; ++place) {
                for (int digit = 1; digit <= 9; ++digit) {
                    QTest::addRow("%s: %d in the %s", locale.name, digit, places[place])
                        << digit << place << QString::fromLatin1(locale.name) << QChar(locale.zero)
                        << QChar(locale.separator);
                }
            }
        }
    }
    void everyDigitAtEveryPlace()
    {
        QFETCH(int, digit);
        QFETCH(int, place);
        QFETCH(QString, locale);
        QFETCH(QChar, zero);
        QFETCH(QChar, separator);
        QLocale::setDefault(QLocale(locale));
        // The chosen place holds the digit; the other two places hold 0, which may stay.
        std::array<int, 3> digits = {0, 0, 0};
        digits.at(place) = digit;
        ScriptedRandom random;
        scriptQuestion(random, digits[0], digits[1], digits[2], 305, place);
        RecordingBoard board;
        core::PlaceValueQuestion question;
        core::GenerateQuestion(board, question, random);

        const QString d = written(QString::number(digit), zero, separator);
        const std::array<QString, 3> texts = {written(u"0.00"_s, zero, separator) + d,
                                              written(u"0.0"_s, zero, separator) + d,
                                              written(u"0."_s, zero, separator) + d};
        QCOMPARE(question.ChosenDigit, static_cast<float>(digit));
        QCOMPARE(question.CorrectAnswer, static_cast<float>(digit) / kDivisors.at(place));
        QCOMPARE(core::FormatNumber(question.CorrectAnswer), texts.at(place));
        QVERIFY(question.CorrectAnswer > 0.0F && question.CorrectAnswer < 1.0F);
        QCOMPARE(board.redLabels(), QList<int>{place + 1});
        QCOMPARE(question.Place, static_cast<core::DecimalPlace>(place));
        QCOMPARE(board.captions.at(place + 1), d);
        QCOMPARE(board.captions[4], u" و"_s + written(u"305"_s, zero, separator));
        QCOMPARE(board.captions.at((place + 1) % 3 + 1), written(u"0"_s, zero, separator));
        QCOMPARE(core::FeedbackText(false, question.CorrectAnswer),
                 u"الاجابة خاطئة و الاجابة الصحيحة هي "_s + texts.at(place));
        // The three values offered, thousandths first: only the chosen place's is the answer.
        const std::array<float, 3> choices = core::choiceValues(question.ChosenDigit);
        for (int other = 0; other < 3; ++other) {
            QCOMPARE(choices.at(other), static_cast<float>(digit) / kDivisors.at(other));
            QCOMPARE(choices.at(other) == question.CorrectAnswer, other == place);
        }
        QCOMPARE(
            core::matchesAnswer(core::ReadTypedNumber(texts.at(place)), question.CorrectAnswer),
            true);
        QCOMPARE(random.reseeds(), 1);
        QCOMPARE(random.draws(), 5);
    }

    // What a screen reader is told: the number as shown, the red digit in words and where it
    // stands after the waw, never the name of its place (the answer).
    void aScreenReaderHearsTheDigitAndWhereItStands_data()
    {
        QTest::addColumn<QList<int>>("draws"); // thousandths, hundredths, tenths, whole, place
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("spoken");
        const QString red = u"الرقم الملون باللون الاحمر هو "_s;
        QTest::newRow("tenths") << QList<int>{0, 0, 6, 600, 2} << u"C"_s << 1
                                << u"العدد 600 و 6 0 0، "_s + red + u"ستة، الرقم الأول بعد الواو"_s;
        QTest::newRow("hundredths")
            << QList<int>{2, 3, 7, 305, 1} << u"C"_s << 2
            << u"العدد 305 و 7 3 2، "_s + red + u"ثلاثة، الرقم الثاني بعد الواو"_s;
        QTest::newRow("thousandths, Arabic-Indic digits")
            << QList<int>{9, 1, 1, 0, 0} << u"ar_EG"_s << 3
            << u"العدد ٠ و ١ ١ ٩، "_s + red + u"تسعة، الرقم الثالث بعد الواو"_s;
    }
    void aScreenReaderHearsTheDigitAndWhereItStands()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QString, locale);
        QFETCH(int, position);
        QFETCH(QString, spoken);
        QLocale::setDefault(QLocale(locale));
        ScriptedRandom random;
        scriptQuestion(random, draws[0], draws[1], draws[2], draws[3], draws[4]);
        RecordingBoard board;
        core::PlaceValueQuestion question;
        QCOMPARE(core::chosenDigitPosition(question), 0); // no question yet
        QCOMPARE(core::chosenDigitDescription(question), QString());
        core::GenerateQuestion(board, question, random);
        QCOMPARE(core::chosenDigitPosition(question), position);
        QCOMPARE(core::spokenQuestion(question), spoken);
        QVERIFY(spoken.endsWith(core::chosenDigitDescription(question)));
        for (const QString& place : {u"عشر"_s, u"مئ"_s, u"ئة"_s, u"ألف"_s, u"الاف"_s}) {
            QVERIFY2(!spoken.contains(place), qPrintable(place)); // no place is named
        }
    }

    void zeroAtTheChosenPlaceRedrawsEverything()
    {
        ScriptedRandom random;
        scriptQuestion(random, 4, 0, 6, 123, 1); // hundredths chosen, but it is 0
        scriptQuestion(random, 0, 0, 8, 0, 2);   // tenths chosen: 8
        RecordingBoard board;
        board.colours[2] = core::kChosenDigitColour; // the red of an earlier question
        core::PlaceValueQuestion question;
        core::GenerateQuestion(board, question, random);

        QCOMPARE(random.draws(), 10);
        QCOMPARE(random.reseeds(), 1); // once per question, not per attempt
        const QStringList attempt = {u"colour1"_s,  u"colour2"_s,  u"colour3"_s, u"caption1"_s,
                                     u"caption2"_s, u"caption3"_s, u"caption4"_s};
        QCOMPARE(board.calls, attempt + attempt + QStringList{u"colour3"_s});
        QCOMPARE(board.captions[1], u"0"_s);
        QCOMPARE(board.captions[2], u"0"_s);
        QCOMPARE(board.captions[3], u"8"_s);
        QCOMPARE(board.captions[4], u" و0"_s);
        QCOMPARE(board.redLabels(), QList<int>{3});
        QCOMPARE(question.Place, core::DecimalPlace::Tenths); // the second attempt's place
        QCOMPARE(question.ThousandthsDigit, 0.0F);
        QCOMPARE(question.WholePart, 0.0F);
        QCOMPARE(question.CorrectAnswer, 8.0F / 10.0F);
    }

    void largestDrawsStayInRange()
    {
        ScriptedRandom random;
        const float largest = std::nextafter(1.0F, 0.0F);
        random.script({largest, largest, largest, largest, largest});
        RecordingBoard board;
        core::PlaceValueQuestion question;
        core::GenerateQuestion(board, question, random);
        QCOMPARE(question.ThousandthsDigit, 9.0F);
        QCOMPARE(question.WholePart, 999.0F);
        QCOMPARE(board.captions[4], u" و999"_s);
        QCOMPARE(board.redLabels(), QList<int>{3}); // place 2: tenths
        QCOMPARE(question.CorrectAnswer, 0.9F);
    }

    void manyQuestionsKeepTheirInvariants()
    {
        core::ClockSeededRandom random;
        random.mixIn(2026);
        RecordingBoard board;
        core::PlaceValueQuestion question;
        std::array<int, 3> placesSeen{};
        for (int i = 0; i < 20000; ++i) {
            core::GenerateQuestion(board, question, random);
            const QList<int> red = board.redLabels();
            QCOMPARE(red.size(), 1);
            const int place = red.front() - 1;
            QCOMPARE(question.Place, static_cast<core::DecimalPlace>(place));
            ++placesSeen.at(place);
            const std::array<float, 3> digits = {question.ThousandthsDigit,
                                                 question.HundredthsDigit, question.TenthsDigit};
            QCOMPARE(digits.at(place), question.ChosenDigit);
            QVERIFY(question.ChosenDigit >= 1 && question.ChosenDigit <= 9);
            QCOMPARE(question.CorrectAnswer, question.ChosenDigit / kDivisors.at(place));
            QVERIFY(question.WholePart >= 0 && question.WholePart <= 999);
            for (int label = 1; label <= 3; ++label) {
                QCOMPARE(board.captions.at(label), core::FormatNumber(digits.at(label - 1)));
            }
        }
        for (const int seen : placesSeen) {
            QVERIFY(seen > 6000); // about a third each
        }
    }
};

QTEST_GUILESS_MAIN(TestQuestion)
#include "test_question.moc"
