// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/number_writing.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <optional>

namespace core {

namespace {

bool startsTenDigits(char32_t zero) noexcept
{
    for (char32_t k = 0; k < 10; ++k) {
        if (zero + k > QChar::LastValidCodePoint || QChar::digitValue(zero + k) != int(k) ||
            QChar::category(zero + k) != QChar::Number_DecimalDigit) {
            return false;
        }
    }
    return true;
}

// Anything the reader takes for something else, or that cannot be seen, is no separator.
bool usableSeparator(char32_t c) noexcept
{
    return c <= QChar::LastValidCodePoint && QChar::isPrint(c) && !QChar::isSpace(c) &&
           !QChar::isLetterOrNumber(c) && c != U'+' && c != U'-';
}

// The one character a locale's text holds; none when it holds more or none.
std::optional<char32_t> singleCharacter(const QString& text)
{
    if (text.size() == 1 && !text.front().isSurrogate()) {
        return text.front().unicode();
    }
    if (text.size() == 2 && QChar::isHighSurrogate(text[0].unicode()) &&
        QChar::isLowSurrogate(text[1].unicode())) {
        return QChar::surrogateToUcs4(text[0], text[1]);
    }
    return std::nullopt;
}

void appendCodePoint(QString& text, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        text.append(QChar(QChar::highSurrogate(c)));
        text.append(QChar(QChar::lowSurrogate(c)));
    } else {
        text.append(QChar(static_cast<char16_t>(c)));
    }
}

} // namespace

NumberWriting::NumberWriting(char32_t zeroDigit, char32_t separator) noexcept
    : zero_(startsTenDigits(zeroDigit) ? zeroDigit : U'0')
    , separator_(usableSeparator(separator) ? separator : U'.')
{}

NumberWriting::NumberWriting(DigitSet digits, SeparatorKind separator) noexcept
    : NumberWriting(NumberWriting().withDigits(digits).withSeparator(separator))
{}

NumberWriting NumberWriting::withDigits(DigitSet digits) const noexcept
{
    NumberWriting writing = *this;
    writing.zero_ = digits == DigitSet::ArabicIndic ? kArabicIndicZero : U'0';
    return writing;
}

NumberWriting NumberWriting::withSeparator(SeparatorKind separator) const noexcept
{
    NumberWriting writing = *this;
    switch (separator) {
    case SeparatorKind::Point:
        writing.separator_ = U'.';
        break;
    case SeparatorKind::Comma:
        writing.separator_ = U',';
        break;
    case SeparatorKind::ArabicDecimal:
        writing.separator_ = kArabicDecimalSeparator;
        break;
    }
    return writing;
}

QString NumberWriting::write(std::string_view plain) const
{
    return written(plain, separator_);
}

QString NumberWriting::writeVersion(std::string_view plain) const
{
    const bool arabicIndic = zero_ == kArabicIndicZero || zero_ == kExtendedArabicIndicZero;
    return written(plain, arabicIndic ? kArabicDecimalSeparator : U'.');
}

// The plain text with its digits in this writing and "." written as `point`.
QString NumberWriting::written(std::string_view plain, char32_t point) const
{
    if (zero_ == U'0' && point == U'.') {
        return QString::fromLatin1(plain.data(), static_cast<qsizetype>(plain.size()));
    }
    QString text;
    text.reserve(static_cast<qsizetype>(plain.size()) * 2);
    for (const char c : plain) {
        if (c >= '0' && c <= '9') {
            appendCodePoint(text, zero_ + static_cast<char32_t>(c - '0'));
        } else if (c == '.') {
            appendCodePoint(text, point);
        } else {
            text.append(QLatin1Char(c));
        }
    }
    return text;
}

QString NumberWriting::writeWhole(long long whole) const
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole);
    return write(std::string_view(buffer.data(), result.ptr - buffer.data()));
}

NumberWriting regionalWriting()
{
    const QLocale locale;
    const std::optional<char32_t> zero = singleCharacter(locale.zeroDigit());
    const std::optional<char32_t> separator = singleCharacter(locale.decimalPoint());
    return {zero.value_or(U'0'), separator.value_or(U'.')};
}

QString codePointText(char32_t c)
{
    QString text;
    appendCodePoint(text, c);
    return text;
}

} // namespace core
