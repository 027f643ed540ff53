// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How numbers are written here: the ten digits and the decimal separator. Every number the
// program shows is written by one writing, by default the regional settings'; the reader of
// typed answers accepts what that writing writes, and the Arabic digits and separator besides.

#include <QString>

#include <string_view>

namespace core {

// What every writing reads, whatever it writes: the digits 0 to 9, the Arabic-Indic digits
// ٠ to ٩ (U+0660 to U+0669) and the extended Arabic-Indic digits ۰ to ۹ (U+06F0 to U+06F9) that
// Persian and Urdu keyboards type; "." and the Arabic decimal separator ٫ (U+066B) as the
// point. None of them can mean anything else in a number, so a pupil typing with an Arabic
// keyboard is understood under any regional settings. The value of such a digit, else -1.
inline constexpr char32_t kArabicIndicZero = U'\u0660';
inline constexpr char32_t kExtendedArabicIndicZero = U'\u06F0';
inline constexpr char32_t kArabicDecimalSeparator = U'\u066B';
constexpr int universalDigitValue(char32_t c) noexcept
{
    if (c - U'0' < 10U) {
        return static_cast<int>(c - U'0');
    }
    if (c - kArabicIndicZero < 10U) {
        return static_cast<int>(c - kArabicIndicZero);
    }
    if (c - kExtendedArabicIndicZero < 10U) {
        return static_cast<int>(c - kExtendedArabicIndicZero);
    }
    return -1;
}
constexpr bool isUniversalDecimalPoint(char32_t c) noexcept
{
    return c == U'.' || c == kArabicDecimalSeparator;
}

// The writings a worksheet can ask for by name.
enum class DigitSet { Western, ArabicIndic };             // 0123456789, ٠١٢٣٤٥٦٧٨٩
enum class SeparatorKind { Point, Comma, ArabicDecimal }; // ".", ",", "٫" (U+066B)

class NumberWriting {
public:
    // The digits 0 to 9 and "." as the separator: what the C locale writes.
    NumberWriting() = default;
    // A zero digit that does not start a run of ten decimal digits, or a separator that could
    // be read as part of a number otherwise (a letter, a digit, a blank, a sign) or is no
    // visible character, falls back to "0" or "." respectively.
    NumberWriting(char32_t zeroDigit, char32_t separator) noexcept;
    NumberWriting(DigitSet digits, SeparatorKind separator) noexcept;

    char32_t zeroDigit() const { return zero_; }
    char32_t separator() const { return separator_; }
    // This writing with the digits, or the separator, named instead.
    NumberWriting withDigits(DigitSet digits) const noexcept;
    NumberWriting withSeparator(SeparatorKind separator) const noexcept;

    // A plain number text (digits 0 to 9, "." as the separator, any sign or exponent letter)
    // written in this writing: digits and separator replaced, everything else kept.
    QString write(std::string_view plain) const;
    // A whole number's plain digits, in this writing.
    QString writeWhole(long long whole) const;
    // A version ("1.00") or a year in this writing's digits. A version's point separates its
    // parts and is no decimal separator: it stays "." whatever the writing's separator, but among
    // Arabic-Indic digits of either set, whose zero a point cannot be told from (١.٠٠ reads as
    // ١٠٠٠), it is written ٫ as those writings write it.
    QString writeVersion(std::string_view plain) const;

    // The value of a digit of this writing or of the universal ones; -1 for any other
    // character.
    int digitValue(char32_t c) const
    {
        const int universal = universalDigitValue(c);
        if (universal >= 0) {
            return universal;
        }
        if (c - zero_ < 10U) {
            return static_cast<int>(c - zero_);
        }
        return -1;
    }
    // Whether the character is read as the decimal point: this writing's separator or a
    // universal one. A comma is one only where the writing writes it.
    bool isSeparator(char32_t c) const { return isUniversalDecimalPoint(c) || c == separator_; }

    bool operator==(const NumberWriting&) const = default;

private:
    QString written(std::string_view plain, char32_t point) const;

    char32_t zero_ = U'0';
    char32_t separator_ = U'.';
};

// The writing of the regional settings: the decimal separator and the zero digit of QLocale(),
// the system locale unless a default was set. A separator or zero digit of more than one
// character falls back as an unusable one does.
NumberWriting regionalWriting();

// The character as text: one QChar, or a surrogate pair beyond the Basic Multilingual Plane.
QString codePointText(char32_t c);

} // namespace core
