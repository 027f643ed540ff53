// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a typed answer: any text, read as UTF-8, must give a number (never NaN), the same
// number an independent reading of the same grammar gives, and a defined comparison with every
// answer the exercises can ask for.

#include "core/number_text.h"
#include "core/place_value_question.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The typed number's grammar, written out plainly: blanks dropped first, then the longest
// leading sign, digits with at most one point and exponent, read by the C library.
double referenceReading(const QString& text)
{
    QString compact;
    for (const QChar c : text) {
        if (!isBlank(c)) {
            compact.append(c);
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
    const double typed = ReadTypedNumber(text);
    if (std::isnan(typed)) {
        std::fprintf(stderr, "typed number read as NaN\n");
        std::abort();
    }
    const double expected = referenceReading(text);
    if (!sameNumber(typed, expected)) {
        std::fprintf(stderr, "typed number read as %.17g, expected %.17g\n", typed, expected);
        std::abort();
    }
    for (const float divisor : {kThousandthsDivisor, kHundredthsDivisor, kTenthsDivisor}) {
        for (int digit = 1; digit <= 9; ++digit) {
            const float answer = placeValue(static_cast<float>(digit), divisor);
            const bool right = matchesAnswer(typed, answer);
            const bool inRange = std::isfinite(typed) && std::fabs(typed) <= 1.0;
            if (right && (!inRange || static_cast<float>(typed) != answer)) {
                std::fprintf(stderr, "%.17g judged equal to %.9g\n", typed, answer);
                std::abort();
            }
        }
    }
    return 0;
}
