// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/reading_question.h"

#include "core/random_source.h"

namespace core {

namespace {

qint16 drawBelow(core::RandomSource& random, int n)
{
    return static_cast<qint16>(core::numberBelow(random.draw(), n));
}

constexpr char16_t kWaw = u'و';

} // namespace

QString readingCaption(int first, int second, const core::NumberWriting& writing)
{
    return writing.writeWhole(first) + QChar(kWaw) + writing.writeWhole(second);
}

QString poseReadingQuestion(ReadingNumbers& numbers, ReadingOccasion occasion,
                            core::RandomSource& random, const core::NumberWriting& writing)
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
            return readingCaption(numbers.TwoDigitB, numbers.OneDigit, writing);
        case 4:
        case 5:
        case 6:
            return readingCaption(numbers.TwoDigitB, numbers.TwoDigitA, writing);
        default: // 1, 7, 8, 9
            return readingCaption(numbers.TwoDigitB, numbers.ThreeDigit, writing);
        }
    }

    switch (kind) {
    case 0:
    case 3:
        return readingCaption(numbers.OneDigit, kind, writing);
    case 1:
        return readingCaption(numbers.OneDigit, numbers.ThreeDigit, writing);
    case 2:
        return readingCaption(numbers.OneDigit, numbers.TwoDigitB, writing);
    case 4:
        return readingCaption(numbers.TwoDigitA, numbers.ThreeDigit, writing);
    case 5:
        return readingCaption(numbers.TwoDigitA, kind, writing);
    case 6:
        return readingCaption(numbers.TwoDigitA, numbers.TwoDigitB, writing);
    case 7:
        return readingCaption(numbers.ThreeDigit, kind, writing);
    case 8: {
        // The sixth draw comes after the first number and the waw are built.
        const QString head = writing.writeWhole(numbers.ThreeDigit) + QChar(kWaw);
        const float extraThreeDigit = static_cast<float>(core::numberBelow(random.draw(), 999));
        return head + writing.writeWhole(static_cast<long long>(extraThreeDigit));
    }
    default: // 9
        return readingCaption(numbers.ThreeDigit, numbers.TwoDigitB, writing);
    }
}

} // namespace core
