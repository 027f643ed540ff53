// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/row_measures.h"

#include "core/number_text.h"

#include <algorithm>

namespace sheets {

namespace {

// Millimetres.
constexpr double kLabelGap = 4;       // from a question's number to the question, at full size
constexpr double kUnderlineGap = 1.0; // from a marked digit's baseline to its underline
constexpr double kUnderlineClearance = 0.6; // and at least from the lowest ink of any digit
constexpr double kDigitGapPerPoint = 0.06;  // between the digits of a number, for each point

double labelBox(const Placer& placer, const RowType& type, const core::NumberWriting& writing)
{
    return placer.width(questionLabel(kMaxQuestions, writing), sheetFont(type.labelPoints, true)) +
           kLabelGap * type.scale;
}

// The widest a number can be: the whole part 888 and three eights, one of them bold.
double widestNumber(const Placer& placer, double points, const core::NumberWriting& writing)
{
    const QString eight = writing.writeWhole(8);
    return placer.width(wholePartSample(writing), sheetFont(points)) +
           2 * placer.width(eight, sheetFont(points)) +
           placer.width(eight, sheetFont(points, true)) + 3 * digitGap(points);
}

// The widest value of each place to circle: thousandths, hundredths, tenths.
std::array<double, 3> valueSlots(const Placer& placer, const RowType& type,
                                 const core::NumberWriting& writing)
{
    const QFont font = sheetFont(type.valuePoints);
    std::array<double, 3> slots{};
    for (int digit = 1; digit <= 9; ++digit) {
        const std::array<float, 3> values = core::choiceValues(static_cast<float>(digit));
        for (std::size_t i = 0; i < slots.size(); ++i) {
            slots.at(i) = std::max(slots.at(i),
                                   placer.width(core::FormatNumber(values.at(i), writing), font));
        }
    }
    return slots;
}

// From a marked digit's baseline to its underline: below the lowest ink of every digit of the
// writing (Arabic-Indic ones reach below the baseline).
double underlineDrop(const Placer& placer, const core::NumberWriting& writing, double points)
{
    double lowest = 0;
    for (int digit = 0; digit <= 9; ++digit) {
        lowest = std::max(lowest,
                          placer.ink(writing.writeWhole(digit), sheetFont(points, true)).bottom());
    }
    return std::max(kUnderlineGap, lowest + kUnderlineClearance);
}

} // namespace

QString questionLabel(int number, const core::NumberWriting& writing)
{
    return u'(' + writing.writeWhole(number) + u')';
}

RowType::RowType(double scale)
    : scale(scale)
    , labelPoints(12 * scale)
    , writeNumberPoints(20 * scale)
    , chooseNumberPoints(16 * scale)
    , valuePoints(14 * std::max(scale, 1.0))
    , readingPoints(24 * scale)
{}

RowMeasures measureRows(const Placer& placer, const SheetOptions& options, const RowType& type)
{
    RowMeasures measures;
    measures.labelBox = labelBox(placer, type, options.writing);
    measures.numberWidth = widestNumber(placer, numberPoints(options, type), options.writing);
    measures.underlineDrop = underlineDrop(placer, options.writing, numberPoints(options, type));
    if (options.activity == Activity::Choose) {
        measures.valueSlots = valueSlots(placer, type, options.writing);
    }
    return measures;
}

double numberPoints(const SheetOptions& options, const RowType& type)
{
    return options.activity == Activity::Choose ? type.chooseNumberPoints : type.writeNumberPoints;
}

double digitGap(double points)
{
    return points * kDigitGapPerPoint;
}

QString wholePartSample(const core::NumberWriting& writing)
{
    return QStringLiteral(u" و") + writing.writeWhole(888);
}

QString readingSample(const core::NumberWriting& writing)
{
    return writing.writeWhole(998) + u'و' + writing.writeWhole(998);
}

} // namespace sheets
