// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace core {

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

QString FormatNumber(double value, const core::NumberWriting& writing)
{
    return writing.write(generalText(value, 7));
}

namespace {

bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n';
}

// Reads the text with blanks removed, one character (a code point) at a time. A lone surrogate
// is a character of its own, which no number holds.
class BlankSkippingReader {
public:
    explicit BlankSkippingReader(QStringView text)
        : text_(text)
    {
        skipBlanks();
    }
    bool atEnd() const { return position_ >= text_.size(); }
    char32_t peek() const { return atEnd() ? U'\0' : characterAt(position_); }
    void advance()
    {
        position_ += QChar::requiresSurrogates(peek()) ? 2 : 1;
        skipBlanks();
    }
    qsizetype position() const { return position_; }
    void rewindTo(qsizetype position) { position_ = position; }

private:
    char32_t characterAt(qsizetype i) const
    {
        const char16_t unit = text_[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text_.size() &&
            QChar::isLowSurrogate(text_[i + 1].unicode())) {
            return QChar::surrogateToUcs4(unit, text_[i + 1].unicode());
        }
        return unit;
    }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[position_].unicode())) {
            ++position_;
        }
    }
    QStringView text_;
    qsizetype position_ = 0;
};

constexpr long kExponentLimit = 1'000'000; // far beyond any double; keeps the sum from overflowing

// The regional settings' writing, looked up only when the reading meets a character whose
// meaning depends on it: asking the locale costs several times more than reading a plain
// answer. The universal digits and points mean the same under every writing, and no writing
// has other digits among the ASCII characters, or a point among its digits.
class RegionalWritingOnDemand {
public:
    int digitValue(char32_t c)
    {
        const int universal = core::universalDigitValue(c);
        if (universal >= 0 || c < 0x80 || core::isUniversalDecimalPoint(c)) {
            return universal;
        }
        return writing().digitValue(c);
    }
    bool isSeparator(char32_t c)
    {
        return core::isUniversalDecimalPoint(c) || writing().isSeparator(c);
    }

private:
    const core::NumberWriting& writing()
    {
        if (!writing_) {
            writing_ = core::regionalWriting();
        }
        return *writing_;
    }
    std::optional<core::NumberWriting> writing_;
};

// Writing: a core::NumberWriting or RegionalWritingOnDemand.
template <typename Writing> double readNumber(QStringView text, Writing& writing)
{
    BlankSkippingReader reader(text);
    bool negative = false;
    if (reader.peek() == U'+' || reader.peek() == U'-') {
        negative = reader.peek() == U'-';
        reader.advance();
    }

    std::string digits;  // significant digits, leading zeros dropped
    long pointShift = 0; // decimal exponent contributed by the digits' positions
    bool sawDigit = false;
    bool sawPoint = false;
    while (!reader.atEnd()) {
        const char32_t c = reader.peek();
        const int digit = writing.digitValue(c);
        if (digit >= 0) {
            sawDigit = true;
            if (!digits.empty() || digit != 0) {
                if (digits.size() < 800) {
                    digits.push_back(static_cast<char>('0' + digit));
                    if (sawPoint) {
                        --pointShift;
                    }
                } else if (!sawPoint) {
                    ++pointShift; // digits past what a double can tell apart still count
                }
            } else if (sawPoint) {
                --pointShift;
            }
        } else if (writing.isSeparator(c) && !sawPoint) {
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
    const char32_t marker = reader.peek();
    if (marker == U'E' || marker == U'e' || marker == U'D' || marker == U'd') {
        const qsizetype markerPosition = reader.position();
        reader.advance();
        bool negativeExponent = false;
        if (reader.peek() == U'+' || reader.peek() == U'-') {
            negativeExponent = reader.peek() == U'-';
            reader.advance();
        }
        if (writing.digitValue(reader.peek()) >= 0) {
            while (writing.digitValue(reader.peek()) >= 0) {
                exponent =
                    std::min(kExponentLimit, exponent * 10 + writing.digitValue(reader.peek()));
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

} // namespace

double ReadTypedNumber(QStringView text, const core::NumberWriting& writing)
{
    return readNumber(text, writing);
}

double ReadTypedNumber(QStringView text)
{
    RegionalWritingOnDemand writing;
    return readNumber(text, writing);
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

} // namespace core
