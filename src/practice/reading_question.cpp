#include "practice/reading_question.h"

#include "toolkit/random_source.h"

namespace {

qint16 drawBelow(tk::RandomSource& random, int n)
{
    return static_cast<qint16>(tk::numberBelow(random.draw(), n));
}

QString plainDigits(int n)
{
    return QString::number(n);
}

constexpr char16_t kWaw = u'و';

} // namespace

QString ReadingCaption(int first, int second)
{
    return plainDigits(first) + QChar(kWaw) + plainDigits(second);
}

QString PoseReadingQuestion(ReadingNumbers& numbers, ReadingOccasion occasion,
                            tk::RandomSource& random)
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
            return ReadingCaption(numbers.TwoDigitB, numbers.OneDigit);
        case 4:
        case 5:
        case 6:
            return ReadingCaption(numbers.TwoDigitB, numbers.TwoDigitA);
        default: // 1, 7, 8, 9
            return ReadingCaption(numbers.TwoDigitB, numbers.ThreeDigit);
        }
    }

    switch (kind) {
    case 0:
    case 3:
        return ReadingCaption(numbers.OneDigit, kind);
    case 1:
        return ReadingCaption(numbers.OneDigit, numbers.ThreeDigit);
    case 2:
        return ReadingCaption(numbers.OneDigit, numbers.TwoDigitB);
    case 4:
        return ReadingCaption(numbers.TwoDigitA, numbers.ThreeDigit);
    case 5:
        return ReadingCaption(numbers.TwoDigitA, kind);
    case 6:
        return ReadingCaption(numbers.TwoDigitA, numbers.TwoDigitB);
    case 7:
        return ReadingCaption(numbers.ThreeDigit, kind);
    case 8: {
        // The sixth draw comes after the first number and the waw are built.
        const QString head = plainDigits(numbers.ThreeDigit) + QChar(kWaw);
        const float extraThreeDigit = static_cast<float>(tk::numberBelow(random.draw(), 999));
        return head + plainDigits(static_cast<int>(extraThreeDigit));
    }
    default: // 9
        return ReadingCaption(numbers.ThreeDigit, numbers.TwoDigitB);
    }
}
