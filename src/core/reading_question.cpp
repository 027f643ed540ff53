// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/reading_question.h"

#include "core/random_source.h"

namespace {

qint16 drawBelow(core::RandomSource& random, int n)
{
    return static_cast<qint16>(core::numberBelow(random.draw(), n));
}

QString plainDigits(int n)
{
    return QString::number(n);
}

constexpr char16_t kWaw = u'و';

} // namespace

QString readingCaption(int first, int second)
{
    return plainDigits(first) + QChar(kWaw) + plainDigits(second);
}

QString poseReadingQuestion(ReadingNumbers& numbers, ReadingOccasion occasion,
                            core::RandomSource& random)
{
    random.reseedFromClock();
    numbers.QuestionKind = drawBelow(random, 10);
    numbers.OneDigit = drawBelow(random, 10);
    numbers.TwoDigitA = drawBelow(random, 99);
    numbers.ThreeDigit = drawBelow(random, 999);
    numbers.TwoDigitB = drawBelow(random, 99);

    const int kind = numbers.QuestionKind;
    if (occasion == ReadingOccasion::Opening) {
        switch (kind) {
        case 0:
        case 2:
        case 3:
            return readingCaption(numbers.TwoDigitB, numbers.OneDigit);
        case 4:
        case 5:
        case 6:
            return readingCaption(numbers.TwoDigitB, numbers.TwoDigitA);
        default: // 1, 7, 8, 9
            return readingCaption(numbers.TwoDigitB, numbers.ThreeDigit);
        }
    }

    switch (kind) {
    case 0:
    case 3:
        return readingCaption(numbers.OneDigit, kind);
    case 1:
        return readingCaption(numbers.OneDigit, numbers.ThreeDigit);
    case 2:
        return readingCaption(numbers.OneDigit, numbers.TwoDigitB);
    case 4:
        return readingCaption(numbers.TwoDigitA, numbers.ThreeDigit);
    case 5:
        return readingCaption(numbers.TwoDigitA, kind);
    case 6:
        return readingCaption(numbers.TwoDigitA, numbers.TwoDigitB);
    case 7:
        return readingCaption(numbers.ThreeDigit, kind);
    case 8: {
        // The sixth draw comes after the first number and the waw are built.
        const QString head = plainDigits(numbers.ThreeDigit) + QChar(kWaw);
        const float extraThreeDigit = static_cast<float>(core::numberBelow(random.draw(), 999));
        return head + plainDigits(static_cast<int>(extraThreeDigit));
    }
    default: // 9
        return readingCaption(numbers.ThreeDigit, numbers.TwoDigitB);
    }
}
