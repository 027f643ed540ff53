// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Formatting numbers: every double formats without fault into a well-formed text that reads
// back within seven significant digits; every place value (a number of up to seven digits over
// a power of ten) reads back as the same single-precision value; the exercises' captions have
// their exact shapes in any writing (zero digit and separator, unusable ones falling back), and
// read back as right in that writing.

#include "core/number_text.h"
#include "core/place_value_question.h"

#include <QList>
#include <QString>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// -?d+(.d+)?(e[+-]d+)? with no trailing zero after the point and at most seven significant
// digits.
bool wellFormed(const QString& text)
{
    qsizetype i = 0;
    const auto at = [&](qsizetype k) {
        return k < text.size() ? text[k] : QChar();
    };
    if (at(i) == QLatin1Char('-')) {
        ++i;
    }
    int significant = 0;
    bool leading = true;
    const qsizetype integerStart = i;
    for (; isDigit(at(i)); ++i) {
        leading = leading && at(i) == QLatin1Char('0');
        significant += leading ? 0 : 1;
    }
    if (i == integerStart) {
        return false;
    }
    if (at(i) == QLatin1Char('.')) {
        const qsizetype fractionStart = ++i;
        for (; isDigit(at(i)); ++i) {
            leading = leading && at(i) == QLatin1Char('0');
            significant += leading ? 0 : 1;
        }
        if (i == fractionStart || at(i - 1) == QLatin1Char('0')) {
            return false;
        }
    }
    if (at(i) == QLatin1Char('e')) {
        ++i;
        if (at(i) != QLatin1Char('+') && at(i) != QLatin1Char('-')) {
            return false;
        }
        const qsizetype exponentStart = ++i;
        while (isDigit(at(i))) {
            ++i;
        }
        if (i == exponentStart) {
            return false;
        }
    }
    return i == text.size() && significant <= 7;
}

void checkAnyDouble(double value)
{
    const QString text = core::FormatNumber(value, core::NumberWriting());
    if (!std::isfinite(value)) {
        return; // never shown; only formatting without fault counts
    }
    if (!wellFormed(text)) {
        fail("badly formed number text", text);
    }
    const double back = core::ReadTypedNumber(text);
    const double tolerance = 5e-7 * std::fabs(value) + 1e-323;
    if (!(std::fabs(back - value) <= tolerance)) {
        fail("number text does not read back within seven digits", text);
    }
}

// The digits and the point of a plain number text in the writing, spelt out one by one.
QString inWriting(const QString& plain, const core::NumberWriting& writing)
{
    QString text;
    for (const QChar c : plain) {
        if (isDigit(c)) {
            const char32_t digit = writing.zeroDigit() + (c.unicode() - u'0');
            text += QString::fromUcs4(&digit, 1);
        } else if (c == QLatin1Char('.')) {
            const char32_t separator = writing.separator();
            text += QString::fromUcs4(&separator, 1);
        } else {
            text += c;
        }
    }
    return text;
}

void checkPlaceValue(std::uint32_t digits, int power, const core::NumberWriting& writing)
{
    static constexpr std::array<float, 11> powersOfTen = {1.0F, 1e1F, 1e2F, 1e3F, 1e4F, 1e5F,
                                                          1e6F, 1e7F, 1e8F, 1e9F, 1e10F};
    const float value = core::placeValue(static_cast<float>(digits), powersOfTen.at(power));
    const QString text = core::FormatNumber(value, core::NumberWriting());
    if (!wellFormed(text)) {
        fail("badly formed place value", text);
    }
    if (!core::matchesAnswer(core::ReadTypedNumber(text), value)) {
        fail("place value does not read back as the same single-precision value", text);
    }
    // The exercises' own values: a digit as tenths, hundredths or thousandths.
    const auto digit = static_cast<int>(digits % 9 + 1);
    const int place = power % 3 + 1;
    const float exercise = core::placeValue(static_cast<float>(digit), powersOfTen.at(place));
    const QString expected = inWriting(
        QStringLiteral("0.") + QString(place - 1, QLatin1Char('0')) + QChar(u'0' + digit), writing);
    const QString shown = core::FormatNumber(exercise, writing);
    if (shown != expected) {
        fail("place value caption", shown);
    }
    if (!core::matchesAnswer(core::ReadTypedNumber(shown, writing), exercise) ||
        !core::matchesAnswer(
            core::ReadTypedNumber(core::FormatNumber(exercise, core::NumberWriting()), writing),
            exercise)) {
        fail("exercise answer does not read back", shown);
    }
    // A whole part and a single digit: plain digits.
    const auto whole = static_cast<int>(digits % 1000);
    const QString wholeText = core::FormatNumber(static_cast<float>(whole), writing);
    if (wholeText != inWriting(QString::number(whole), writing) ||
        wholeText != writing.writeWhole(whole)) {
        fail("whole part caption", wholeText);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // 8 bytes of a double, 4 of a place value's digits, 1 of its power of ten, then the
    // decimal separator and the zero digit as UTF-8 (unusable or missing ones fall back).
    std::array<std::uint8_t, 13> head{};
    std::memcpy(head.data(), data, std::min(size, head.size()));
    double value = 0;
    std::memcpy(&value, head.data(), sizeof value);
    std::uint32_t digits = 0;
    std::memcpy(&digits, head.data() + 8, sizeof digits);
    const int power = head[12] % 11;
    QList<uint> tail;
    if (size > head.size()) {
        tail = QString::fromUtf8(reinterpret_cast<const char*>(data) + head.size(),
                                 static_cast<qsizetype>(size - head.size()))
                   .toUcs4();
    }
    const core::NumberWriting writing(tail.size() > 1 ? tail[1] : U'0',
                                      tail.isEmpty() ? U'.' : tail[0]);

    checkAnyDouble(value);
    checkAnyDouble(static_cast<double>(static_cast<float>(value)));
    checkPlaceValue(digits % 10'000'000, power, writing);
    const QString shown = core::FormatNumber(value, writing);
    if (shown.size() > 2 * 32) {
        fail("number text too long", shown);
    }
    return 0;
}
