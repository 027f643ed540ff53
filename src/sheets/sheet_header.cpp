// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_header.h"

#include <algorithm>

namespace sheets {

namespace {

// Millimetres.
constexpr double kFieldGap = 8;          // between the school and the class
constexpr double kRowGap = 2;            // between the header's rows
constexpr double kNameRowHeight = 11;    // the name, date and score row
constexpr double kWritingLineDrop = 0.8; // a line to write on, below the baseline
constexpr double kDateLine = 32;
constexpr double kScoreBlank = 14;    // the blank for the score
constexpr double kScorePadding = 2.5; // inside the score box
constexpr double kBoxLine = 0.4;
constexpr double kSmallGap = 2;
constexpr double kRuleGap = 4;        // from the rule under the header to the questions
constexpr double kFooterBaseline = 3; // above the printable area's bottom

constexpr double kFieldPoints = 13;
constexpr double kFooterPoints = 10;

// The header lines start at 14 points on one line; a long one shrinks to 11 points, then wraps
// over up to three lines down to 7 points, and only text longer than that ends in an ellipsis.
const FitRule kFieldRule{14, 11, 7, 3, false};
const FitRule kInstructionRule{16, 12, 10, 2, true};

// Whether the school (right) and the class (left) share one line, and how wide each part is:
// they share it when both fit on it at a size that needs no wrapping, each part as wide as its
// text needs; else each has a line of its own, as wide as the header.
struct FieldParts {
    bool shareLine = false;
    double school = 0;
    double className = 0;
};

FieldParts fieldParts(const Placer& placer, const QString& school, const QString& className,
                      double width)
{
    const QFont font = sheetFont(kFieldRule.wrapFrom);
    const double schoolNeeds = placer.width(school, font);
    const double classNeeds = placer.width(className, font);
    const double room = width - kFieldGap;
    if (school.isEmpty() || className.isEmpty() || schoolNeeds + classNeeds > room) {
        return {false, width, width};
    }
    const double schoolShare = room * schoolNeeds / (schoolNeeds + classNeeds);
    return {true, schoolShare, room - schoolShare};
}

// The name line, the date line and (with answers to count) the score box, right to left, from
// top; returns the row's bottom.
double placeNameRow(Placer& placer, const SheetOptions& options, int page, double top,
                    bool withScore)
{
    const QFont font = sheetFont(kFieldPoints);
    const double right = printableSize().width() - kOverhang;
    // The row's texts stand in the middle of its height.
    const QRectF ink = placer.ink(QStringLiteral(u"الاسم: التاريخ: الدرجة: / ") +
                                      options.writing.writeWhole(kMaxQuestions),
                                  font);
    const double baseline = top + (kNameRowHeight - ink.height()) / 2 - ink.top();
    double left = kOverhang;
    if (withScore) {
        // "الدرجة: ___ / 30": the score, a blank, a slash and the number of questions.
        const QString label = QStringLiteral(u"الدرجة:");
        const QString outOf = QStringLiteral(u"/ ") + options.writing.writeWhole(options.questions);
        const double width = 2 * kScorePadding + placer.width(label, font) + kSmallGap +
                             kScoreBlank + kSmallGap + placer.width(outOf, font);
        const QRectF box(left, top, width, kNameRowHeight);
        placer.frame(page, box, kBoxLine);
        double x = box.right() - kScorePadding;
        placer.right(page, x, baseline, label, font, Direction::RightToLeft);
        x -= placer.width(label, font) + kSmallGap;
        placer.line(page, QLineF(x - kScoreBlank, baseline + kWritingLineDrop, x,
                                 baseline + kWritingLineDrop));
        x -= kScoreBlank + kSmallGap;
        placer.right(page, x, baseline, outOf, font, Direction::RightToLeft);
        left = box.right() + kFieldGap;
    }
    const QString date = QStringLiteral(u"التاريخ:");
    const double dateRight = left + kDateLine + kSmallGap + placer.width(date, font);
    placer.right(page, dateRight, baseline, date, font, Direction::RightToLeft);
    placer.line(page, QLineF(left, baseline + kWritingLineDrop, left + kDateLine,
                             baseline + kWritingLineDrop));
    const QString name = QStringLiteral(u"الاسم:");
    placer.right(page, right, baseline, name, font, Direction::RightToLeft);
    const double nameEnd = right - placer.width(name, font) - kSmallGap;
    placer.line(page, QLineF(dateRight + kFieldGap, baseline + kWritingLineDrop, nameEnd,
                             baseline + kWritingLineDrop));
    return top + kNameRowHeight;
}

} // namespace

double placeHeader(Placer& placer, const SheetOptions& options, int page)
{
    const double right = printableSize().width() - kOverhang;
    const double width = right - kOverhang;
    double y = 0;
    const QString school =
        options.school.isEmpty() ? QString() : QStringLiteral(u"المدرسة: ") + options.school;
    const QString className =
        options.className.isEmpty() ? QString() : QStringLiteral(u"الصف: ") + options.className;
    const FieldParts parts = fieldParts(placer, school, className, width);
    double sharedBottom = y;
    if (!school.isEmpty()) {
        const double bottom =
            placer.placeFitted(page, right, y, placer.fit(school, parts.school, kFieldRule));
        sharedBottom = bottom;
        y = parts.shareLine ? y : bottom + kRowGap;
    }
    if (!className.isEmpty()) {
        // Sharing the line, the class stands at its left end.
        const FittedText fitted = placer.fit(className, parts.className, kFieldRule);
        const double classRight =
            parts.shareLine ? kOverhang + placer.width(className, fitted.font) : right;
        const double bottom = placer.placeFitted(page, classRight, y, fitted);
        y = std::max(bottom, parts.shareLine ? sharedBottom : bottom) + kRowGap;
    }
    if (options.nameAndDateLine) {
        y = placeNameRow(placer, options, page, y, hasAnswers(options.activity)) + kRowGap;
    }
    const FittedText instruction =
        placer.fit(instructionText(options.activity, options.mark), width, kInstructionRule);
    y = placer.placeFitted(page, right, y, instruction) + kSmallGap;
    placer.line(page, QLineF(kOverhang, y, right, y));
    return y + kRuleGap;
}

double laterPageTop(const SheetOptions& options)
{
    return options.nameAndDateLine ? kNameRowHeight + kRowGap + kRuleGap : 0;
}

void placeLaterPageTop(Placer& placer, const SheetOptions& options, int page)
{
    if (options.nameAndDateLine) {
        placeNameRow(placer, options, page, 0, false);
    }
}

void placeFooter(Placer& placer, const QString& text, int page)
{
    const QSizeF printable = printableSize();
    placer.centre(page, printable.width() / 2, printable.height() - kFooterBaseline, text,
                  sheetFont(kFooterPoints), Direction::RightToLeft, kQuiet);
}

QString pageOfText(const QString& what, int page, int pages, const core::NumberWriting& writing)
{
    return what + QStringLiteral(u"، صفحة ") + writing.writeWhole(page + 1) +
           QStringLiteral(u" من ") + writing.writeWhole(pages);
}

} // namespace sheets
