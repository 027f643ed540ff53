// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/question_rows.h"

#include "core/number_text.h"

#include <algorithm>

namespace sheets {

namespace {

// Millimetres.
constexpr double kColumnGap = 8;      // between the two columns
constexpr double kAnswerGap = 6;      // from the number to the line the answer is written on
constexpr double kMinAnswerLine = 26; // at the smallest type; longer with larger type
constexpr double kMaxAnswerLine = 50;
constexpr double kCircleRoom = 3;        // around a value to circle, left and right
constexpr double kCircleRoomAbove = 2.5; // and above and below it
constexpr double kBetweenValues = 7;     // from one value's ink to the next one's
constexpr double kAnswerLineDrop = 1.0;  // the answer line, below the number's baseline
constexpr double kUnderline = 0.8;       // a marked digit's underline: its width
constexpr double kRowAir = 1.6;          // a row's height over the ink of its number

// The type grows up to this much on short sheets, in steps. Rows too wide even at the full size
// (those of Arabic-Indic digits, which are wider, on a full page of values to circle) shrink in
// the same steps, down to 0.75, all but the values to circle.
constexpr double kMaxScale = 1.6;
constexpr int kScaleSteps = 24;  // from 1 to kMaxScale
constexpr int kShrinkSteps = 10; // from 1 down to 0.75

double answerLineLength(const RowType& type)
{
    return kMinAnswerLine * type.scale;
}

// How wide and how high a row must be at this type.
QSizeF rowNeeds(const Placer& placer, const SheetOptions& options, const RowType& type)
{
    const RowMeasures measures = measureRows(placer, options, type);
    const double points = numberPoints(options, type);
    switch (options.activity) {
    case Activity::Write: {
        const double ink = placer.ink(wholePartSample(options.writing), sheetFont(points)).height();
        return {measures.labelBox + measures.numberWidth + kAnswerGap + answerLineLength(type),
                (ink + measures.underlineDrop + kUnderline) * kRowAir};
    }
    case Activity::Choose: {
        const std::array<double, 3>& slots = measures.valueSlots;
        const double values = slots[0] + slots[1] + slots[2] + 2 * kBetweenValues;
        const double numberInk =
            placer.ink(wholePartSample(options.writing), sheetFont(points)).height();
        const double valueInk =
            placer.ink(core::FormatNumber(0.007, options.writing), sheetFont(type.valuePoints))
                .height();
        return {measures.labelBox + measures.numberWidth + 2 * kCircleRoom + values + kCircleRoom,
                std::max(numberInk * kRowAir, valueInk + 2 * kCircleRoomAbove) + kCircleRoomAbove};
    }
    case Activity::Read: {
        const QFont font = sheetFont(type.readingPoints);
        const QString sample = readingSample(options.writing);
        return {measures.labelBox + placer.width(sample, font),
                placer.ink(sample, font).height() * kRowAir};
    }
    }
    return {};
}

double stepScale(int step)
{
    return 1 + (kMaxScale - 1) * step / kScaleSteps;
}

// The largest type at which a row fits (a row needs more room the larger its type); 0 when even
// the full size does not.
double largestScale(const Placer& placer, const SheetOptions& options, double width, double pitch)
{
    const auto fits = [&](int step) {
        const QSizeF needs = rowNeeds(placer, options, RowType(stepScale(step)));
        return needs.width() <= width && needs.height() <= pitch;
    };
    if (!fits(0)) {
        return 0;
    }
    int fitting = 0;
    int tooLarge = kScaleSteps + 1;
    while (tooLarge - fitting > 1) {
        const int middle = (fitting + tooLarge) / 2;
        (fits(middle) ? fitting : tooLarge) = middle;
    }
    return stepScale(fitting);
}

// The type of rows that do not fit at the full size: the full size when they fit the width (they
// stand closer than their height asks), else the largest smaller one that fits it.
double narrowScale(const Placer& placer, const SheetOptions& options, double width)
{
    int step = 0;
    while (step > -kShrinkSteps &&
           rowNeeds(placer, options, RowType(stepScale(step))).width() > width) {
        --step;
    }
    return stepScale(step);
}

// Where a question's number stands and how: its page, the right end of its baseline, its type
// size, and how far below the baseline its marked digit's underline lies.
struct NumberPlace {
    int page = 0;
    QPointF baselineRight;
    double points = 0;
    double underlineDrop = 0;
};

// The number as the exercise screens show it, from left to right: the whole part with its
// waw (laid out right to left, so the waw faces the tenths), then the tenths, hundredths and
// thousandths digits.
void placeNumber(Placer& placer, const NumberPlace& place, const SheetQuestion& item,
                 DigitMark mark)
{
    const int page = place.page;
    const double baseline = place.baselineRight.y();
    const QFont plain = sheetFont(place.points);
    QFont marked = plain;
    marked.setBold(mark == DigitMark::Underline);
    double x = place.baselineRight.x();
    const int markedIndex = markedDigit(item);
    for (int i = 2; i >= 0; --i) {
        const bool isMarked = i == markedIndex;
        const QFont& font = isMarked ? marked : plain;
        const QString& digit = item.decimalDigits.at(i);
        x -= placer.width(digit, font);
        placer.left(page, x, baseline, digit, font, Direction::LeftToRight,
                    isMarked && mark == DigitMark::Red ? kMarkRed : kInk);
        if (isMarked && mark == DigitMark::Underline) {
            // Drawn here rather than by the font: the face's own underline sits low enough
            // for Arabic descenders, far below a digit, and is thin.
            const double y = baseline + place.underlineDrop + kUnderline / 2;
            placer.line(page, QLineF(x, y, x + placer.width(digit, font), y), kUnderline);
        }
        x -= digitGap(place.points);
    }
    x -= placer.width(item.wholePart, plain);
    placer.left(page, x, baseline, item.wholePart, plain, Direction::RightToLeft);
}

} // namespace

QuestionGrid arrangeQuestions(const Placer& placer, const SheetOptions& options, double firstTop,
                              double laterTop, double bottom)
{
    QuestionGrid best;
    best.pages = std::max(1, (options.questions + kQuestionsPerPage - 1) / kQuestionsPerPage);
    best.perPage = (options.questions + best.pages - 1) / best.pages;
    const double width = printableSize().width();
    double bestScale = -1;
    for (const int columns : {1, 2}) {
        const int rows = (best.perPage + columns - 1) / columns;
        const double columnWidth = (width - (columns - 1) * kColumnGap) / columns;
        const double pitch = (bottom - std::max(firstTop, laterTop)) / rows;
        const double scale = largestScale(placer, options, columnWidth, pitch);
        if (scale > bestScale || (bestScale <= 0 && columns == 2)) {
            bestScale = scale;
            best.columns = columns;
            best.rowsPerColumn = rows;
            best.columnWidth = columnWidth;
            best.pitch = pitch;
            best.type = RowType(scale > 0 ? scale : narrowScale(placer, options, columnWidth));
        }
    }
    best.measures = measureRows(placer, options, best.type);
    return best;
}

RowPlace rowPlace(const QuestionGrid& grid, int index, double firstTop, double laterTop)
{
    const int page = index / grid.perPage;
    const int onPage = index % grid.perPage;
    const int column = onPage / grid.rowsPerColumn; // 0 is the right-hand column
    const double right = printableSize().width() - column * (grid.columnWidth + kColumnGap);
    const double top =
        (page == 0 ? firstTop : laterTop) + (onPage % grid.rowsPerColumn) * grid.pitch;
    return {index + 1, page, QPointF(right, top)};
}

void placeQuestion(Placer& placer, const QuestionGrid& grid, const SheetOptions& options,
                   const SheetQuestion& question, const RowPlace& place)
{
    const int page = place.page;
    const QPointF topRight = place.topRight;
    const QString label = questionLabel(place.number, options.writing);
    const RowType& type = grid.type;
    const RowMeasures& measures = grid.measures;
    const double columnRight = topRight.x();
    const double columnLeft = columnRight - grid.columnWidth;
    const double numberRight = columnRight - measures.labelBox;
    const QFont labelFont = sheetFont(type.labelPoints, true);
    // The row's ink stands in the middle of its height.
    const auto baselineFor = [&](const QString& sample, const QFont& font) {
        const QRectF ink = placer.ink(sample, font);
        return topRight.y() + (grid.pitch - ink.height()) / 2 - ink.top();
    };
    switch (options.activity) {
    case Activity::Write:
    case Activity::Choose: {
        const double points = numberPoints(options, type);
        const double baseline = baselineFor(wholePartSample(options.writing), sheetFont(points));
        placer.right(page, columnRight, baseline, label, labelFont, Direction::LeftToRight);
        placeNumber(placer, {page, QPointF(numberRight, baseline), points, measures.underlineDrop},
                    question, options.mark);
        const double numberLeft = numberRight - measures.numberWidth;
        if (options.activity == Activity::Write) {
            const double length = std::min(kMaxAnswerLine, numberLeft - kAnswerGap - columnLeft);
            const double y = baseline + kAnswerLineDrop;
            placer.line(page,
                        QLineF(numberLeft - kAnswerGap - length, y, numberLeft - kAnswerGap, y));
            break;
        }
        // The digit as thousandths nearest the number, as tenths furthest: right to left as on
        // the screen, each value in the middle of its slot, in the same places on every row.
        const std::array<double, 3>& slots = measures.valueSlots;
        const QFont valueFont = sheetFont(type.valuePoints);
        double slotRight = numberLeft - 2 * kCircleRoom;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            placer.centre(page, slotRight - slots.at(i) / 2, baseline, question.candidates.at(i),
                          valueFont, Direction::LeftToRight);
            slotRight -= slots.at(i) + kBetweenValues;
        }
        break;
    }
    case Activity::Read: {
        const QFont font = sheetFont(type.readingPoints);
        const double baseline = baselineFor(readingSample(options.writing), font);
        placer.right(page, columnRight, baseline, label, labelFont, Direction::LeftToRight);
        placer.right(page, numberRight, baseline, question.reading, font, Direction::RightToLeft);
        break;
    }
    }
}

} // namespace sheets
