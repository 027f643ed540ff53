// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a typed answer: any text, read as UTF-8 under each of several writings (plain, the
// Arabic-Indic digits with the Arabic separator, a comma, digits beyond the Basic Multilingual
// Plane), each also reading the Arabic-Indic digits of both sets and ٫, must give a number
// (never NaN), the same number an independent reading of the same grammar gives, and a defined
// comparison with every answer the exercises can ask for.

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
#include <optional>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

const std::array<core::NumberWriting, 6> kWritings = {
    core::NumberWriting(),
    core::NumberWriting(core::DigitSet::ArabicIndic, core::SeparatorKind::ArabicDecimal),
    core::NumberWriting(core::DigitSet::Western, core::SeparatorKind::Comma),
    core::NumberWriting(core::DigitSet::ArabicIndic, core::SeparatorKind::Comma),
    core::NumberWriting(U'\U00011136', U'\u066B'), // Chakma digits, two UTF-16 units each
    core::NumberWriting(U'\u06F0', U'\U0001E95E'), // Persian digits, a separator beyond the BMP
};

// The zero of the run of ten digits the character belongs to, if it is a digit every writing
// reads (Arabic-Indic, extended Arabic-Indic) or one of the writing's own.
std::optional<char32_t> zeroOf(char32_t c, const core::NumberWriting& writing)
{
    for (const char32_t zero : {U'\u0660', U'\u06F0', writing.zeroDigit()}) {
        if (c - zero < 10U) {
            return zero;
        }
    }
    return std::nullopt;
}

// The typed number's grammar, written out plainly: blanks dropped, and the writing's digits and
// separator, the Arabic-Indic digits of both sets and the Arabic separator ٫, turned into 0 to 9
// and "." first, then the longest leading sign, digits with at most one point and exponent, read
// by the C library.
double referenceReading(const QString& text, const core::NumberWriting& writing)
{
    QString compact;
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ' || c == U'\t' || c == U'\n') {
            continue;
        }
        const std::optional<char32_t> zero = zeroOf(c, writing);
        if (zero) {
            compact.append(QChar(static_cast<char16_t>(u'0' + (c - *zero))));
        } else if (c == writing.separator() || c == U'\u066B') {
            compact.append(QLatin1Char('.'));
        } else if (c > 0xFFFF) {
            compact.append(QChar(u'\uFFFD')); // any character the grammar does not know
        } else {
            compact.append(QChar(static_cast<char16_t>(c)));
        }
    }
    qsizetype i = 0;
    const auto at = [&](qsizetype k) {
        return k < compact.size() ? compact[k] : QChar();
    };
    std::string number;
    if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) {
        number.push_back(static_cast<char>(at(i).unicode()));
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (;; ++i) {
        if (isDigit(at(i))) {
            digits = true;
        } else if (at(i) == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(static_cast<char>(at(i).unicode()));
    }
    if (!digits) {
        return 0.0;
    }
    const QChar marker = at(i).toUpper();
    if (marker == QLatin1Char('E') || marker == QLatin1Char('D')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (at(j) == QLatin1Char('+') || at(j) == QLatin1Char('-')) {
            exponent.push_back(static_cast<char>(at(j).unicode()));
            ++j;
        }
        if (isDigit(at(j))) {
            while (isDigit(at(j))) {
                exponent.push_back(static_cast<char>(at(j).unicode()));
                ++j;
            }
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

bool sameNumber(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const core::NumberWriting& writing : kWritings) {
        const double typed = core::ReadTypedNumber(text, writing);
        if (std::isnan(typed)) {
            std::fprintf(stderr, "typed number read as NaN\n");
            std::abort();
        }
        const double expected = referenceReading(text, writing);
        if (!sameNumber(typed, expected)) {
            std::fprintf(stderr, "typed number read as %.17g, expected %.17g (zero U+%04X)\n",
                         typed, expected, static_cast<unsigned>(writing.zeroDigit()));
            std::abort();
        }
        for (const float divisor :
             {core::kThousandthsDivisor, core::kHundredthsDivisor, core::kTenthsDivisor}) {
            for (int digit = 1; digit <= 9; ++digit) {
                const float answer = core::placeValue(static_cast<float>(digit), divisor);
                const bool right = core::matchesAnswer(typed, answer);
                const bool inRange = std::isfinite(typed) && std::fabs(typed) <= 1.0;
                if (right && (!inRange || static_cast<float>(typed) != answer)) {
                    std::fprintf(stderr, "%.17g judged equal to %.9g\n", typed, answer);
                    std::abort();
                }
            }
        }
    }
    return 0;
}
