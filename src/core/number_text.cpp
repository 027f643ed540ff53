// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// Number text through <charconv> where the C++ library has it for floating point; else (the
// browser build's library) through the C library, whose numbers are those of the "C" locale
// there, as <charconv>'s are everywhere.
#if defined(__cpp_lib_to_chars)
// The text of `value` with at most `precision` significant digits, as printf's "%.*g".
std::string generalText(double value, int precision)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, precision);
    return {buffer.data(), result.ptr};
}

// The value of a text of digits and an exponent ("305e-3"); false when it is out of range.
bool readScientific(const std::string& text, double& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec != std::errc::result_out_of_range;
}
#else
std::string generalText(double value, int precision)
{
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*g", precision, value);
    return {buffer.data(), static_cast<std::size_t>(std::max(length, 0))};
}

bool readScientific(const std::string& text, double& value)
{
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    return errno != ERANGE;
}
#endif

} // namespace

QString decimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QStringLiteral(".") : separator;
}

QString FormatNumber(double value, const QString& decimalSeparator)
{
    QString text = QString::fromStdString(generalText(value, 7));
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString FormatNumber(double value)
{
    return FormatNumber(value, decimalSeparator());
}

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads the text with blanks removed, one character at a time.
class BlankSkippingReader {
public:
    explicit BlankSkippingReader(QStringView text)
        : text_(text)
    {
        skipBlanks();
    }
    bool atEnd() const { return position_ >= text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[position_]; }
    void advance()
    {
        ++position_;
        skipBlanks();
    }
    qsizetype position() const { return position_; }
    void rewindTo(qsizetype position) { position_ = position; }

private:
    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[position_])) {
            ++position_;
        }
    }
    QStringView text_;
    qsizetype position_ = 0;
};

constexpr long kExponentLimit = 1'000'000; // far beyond any double; keeps the sum from overflowing

} // namespace

double ReadTypedNumber(QStringView text)
{
    BlankSkippingReader reader(text);
    bool negative = false;
    if (reader.peek() == QLatin1Char('+') || reader.peek() == QLatin1Char('-')) {
        negative = reader.peek() == QLatin1Char('-');
        reader.advance();
    }

    std::string digits;  // significant digits, leading zeros dropped
    long pointShift = 0; // decimal exponent contributed by the digits' positions
    bool sawDigit = false;
    bool sawPoint = false;
    while (!reader.atEnd()) {
        const QChar c = reader.peek();
        if (isAsciiDigit(c)) {
            sawDigit = true;
            if (!digits.empty() || c != QLatin1Char('0')) {
                if (digits.size() < 800) {
                    digits.push_back(static_cast<char>(c.unicode()));
                    if (sawPoint) {
                        --pointShift;
                    }
                } else if (!sawPoint) {
                    ++pointShift; // digits past what a double can tell apart still count
                }
            } else if (sawPoint) {
                --pointShift;
            }
        } else if (c == QLatin1Char('.') && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        reader.advance();
    }
    if (!sawDigit) {
        return 0.0;
    }

    long exponent = 0;
    const QChar marker = reader.peek().toUpper();
    if (marker == QLatin1Char('E') || marker == QLatin1Char('D')) {
        const qsizetype markerPosition = reader.position();
        reader.advance();
        bool negativeExponent = false;
        if (reader.peek() == QLatin1Char('+') || reader.peek() == QLatin1Char('-')) {
            negativeExponent = reader.peek() == QLatin1Char('-');
            reader.advance();
        }
        if (isAsciiDigit(reader.peek())) {
            while (isAsciiDigit(reader.peek())) {
                exponent =
                    std::min(kExponentLimit, exponent * 10 + (reader.peek().unicode() - '0'));
                reader.advance();
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
        } else {
            reader.rewindTo(markerPosition); // "7E" alone is 7
        }
    }

    const double sign = negative ? -1.0 : 1.0;
    if (digits.empty()) {
        return sign * 0.0;
    }
    const long magnitude = static_cast<long>(digits.size()) + pointShift + exponent;
    if (magnitude > 400) {
        return sign * std::numeric_limits<double>::infinity();
    }
    if (magnitude < -400) {
        return sign * 0.0;
    }
    const std::string canonical = digits + 'e' + std::to_string(pointShift + exponent);
    double value = 0.0;
    if (!readScientific(canonical, value)) {
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * value;
}

bool matchesAnswer(double typed, float correctAnswer)
{
    // Converting a double beyond the float range is undefined: such a number is no answer.
    if (!std::isfinite(typed) || std::fabs(typed) > std::numeric_limits<float>::max()) {
        return false;
    }
    return static_cast<float>(typed) == correctAnswer;
}

QString FeedbackText(bool right, float correctAnswer)
{
    if (right) {
        return QStringLiteral(u"الاجابة صحيحة");
    }
    return QStringLiteral(u"الاجابة خاطئة و الاجابة الصحيحة هي ") + FormatNumber(correctAnswer);
}
