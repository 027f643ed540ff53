// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/answer_key.h"

#include "sheets/question_rows.h"
#include "sheets/sheet_header.h"

namespace sheets {

namespace {

// Millimetres.
constexpr double kTitleBaseline = 8;
constexpr double kSubtitleBaseline = 15;
constexpr double kTitleRule = 18;
constexpr double kFirstBlock = 21;
constexpr double kHeadingBaseline = 5.5; // a sheet's number, above its answers
constexpr double kFirstRowBaseline = 12;
constexpr double kRowPitch = 7;
constexpr double kBlockGap = 6; // below a sheet's answers, with a thin line in its middle
constexpr double kLabelGap = 1;

constexpr int kAnswersPerRow = 10;
constexpr double kTitlePoints = 16;
constexpr double kSubtitlePoints = 11;
constexpr double kHeadingPoints = 12;
constexpr double kLabelPoints = 8; // quiet, so that each answer stands out beside its number
constexpr double kAnswerPoints = 10.5;

int answerRows(const Sheet& sheet)
{
    return (static_cast<int>(sheet.questions.size()) + kAnswersPerRow - 1) / kAnswersPerRow;
}

double blockHeight(const Sheet& sheet)
{
    return kFirstRowBaseline + (answerRows(sheet) - 1) * kRowPitch + kBlockGap;
}

double blocksBottom()
{
    return printableSize().height() - kFooterHeight;
}

// The sheet's number, then its answers right to left, ten to a row, each after its question's
// number; a thin line below.
void placeBlock(Placer& placer, const Sheet& sheet, int page, double top)
{
    const double right = printableSize().width() - kOverhang;
    const core::NumberWriting& writing = sheet.options.writing;
    placer.right(page, right, top + kHeadingBaseline,
                 sheetNumberText(sheet.options.sheetNumber, writing),
                 sheetFont(kHeadingPoints, true), Direction::RightToLeft);
    const QFont labelFont = sheetFont(kLabelPoints);
    const QFont answerFont = sheetFont(kAnswerPoints);
    const double cell = (right - kOverhang) / kAnswersPerRow;
    const double labelWidth = placer.width(questionLabel(kMaxQuestions, writing), labelFont);
    for (int i = 0; i < sheet.questions.size(); ++i) {
        const int row = i / kAnswersPerRow;
        const int column = i % kAnswersPerRow;
        const double cellRight = right - column * cell;
        const double baseline = top + kFirstRowBaseline + row * kRowPitch;
        placer.right(page, cellRight, baseline, questionLabel(i + 1, writing), labelFont,
                     Direction::LeftToRight, kQuiet);
        placer.right(page, cellRight - labelWidth - kLabelGap, baseline,
                     answerText(sheet.questions.at(i)), answerFont, Direction::LeftToRight);
    }
    const double rule = top + blockHeight(sheet) - kBlockGap / 2;
    placer.line(page, QLineF(kOverhang, rule, right, rule));
}

void placePageTop(Placer& placer, const Sheet& first, int page)
{
    const double right = printableSize().width() - kOverhang;
    placer.right(page, right, kTitleBaseline, answerKeyTitle(), sheetFont(kTitlePoints, true),
                 Direction::RightToLeft);
    placer.right(page, right, kSubtitleBaseline,
                 instructionText(first.options.activity, first.options.mark),
                 sheetFont(kSubtitlePoints), Direction::RightToLeft, kQuiet);
    placer.line(page, QLineF(kOverhang, kTitleRule, right, kTitleRule));
}

} // namespace

int placeAnswerKeys(Placer& placer, const QList<Sheet>& sheets, int firstPage)
{
    QList<const Sheet*> keyed;
    for (const Sheet& sheet : sheets) {
        if (hasAnswers(sheet.options.activity)) {
            keyed.append(&sheet);
        }
    }
    if (keyed.isEmpty()) {
        return 0;
    }
    // A sheet's key never runs over two pages.
    QList<int> pageOfBlock;
    QList<double> topOfBlock;
    int page = 0;
    double y = kFirstBlock;
    for (const Sheet* sheet : keyed) {
        if (y + blockHeight(*sheet) > blocksBottom() && y > kFirstBlock) {
            ++page;
            y = kFirstBlock;
        }
        pageOfBlock.append(page);
        topOfBlock.append(y);
        y += blockHeight(*sheet);
    }
    const int pages = page + 1;
    for (int p = 0; p < pages; ++p) {
        placePageTop(placer, *keyed.constFirst(), firstPage + p);
        placeFooter(placer,
                    pageOfText(answerKeyTitle(), p, pages, keyed.constFirst()->options.writing),
                    firstPage + p);
    }
    for (qsizetype i = 0; i < keyed.size(); ++i) {
        placeBlock(placer, *keyed.at(i), firstPage + pageOfBlock.at(i), topOfBlock.at(i));
    }
    return pages;
}

} // namespace sheets
