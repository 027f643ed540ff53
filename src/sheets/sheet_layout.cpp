// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_layout.h"

#include "sheets/answer_key.h"
#include "sheets/question_rows.h"
#include "sheets/sheet_header.h"
#include "sheets/sheet_placer.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace sheets {

namespace {

constexpr double kMargin = 15; // mm on every side; most school printers leave 5 mm unprinted

// The arrangement of the last sheet placed: the sheets of a class set share it.
struct LastGrid {
    SheetOptions options;
    double firstTop = -1;
    QuestionGrid grid;
};

// Places one sheet from firstPage on; returns how many pages it takes.
int placeSheet(Placer& placer, const Sheet& sheet, int firstPage, LastGrid& last)
{
    const SheetOptions& options = sheet.options;
    const double firstTop = placeHeader(placer, options, firstPage);
    const double laterTop = laterPageTop(options);
    const double bottom = printableSize().height() - kFooterHeight;
    SheetOptions sameButNumber = options;
    sameButNumber.sheetNumber = last.options.sheetNumber;
    if (firstTop != last.firstTop || !(sameButNumber == last.options)) {
        last = {options, firstTop, arrangeQuestions(placer, options, firstTop, laterTop, bottom)};
    }
    const QuestionGrid& grid = last.grid;
    for (int page = 0; page < grid.pages; ++page) {
        if (page > 0) {
            placeLaterPageTop(placer, options, firstPage + page);
        }
        placeFooter(placer,
                    pageOfText(sheetNumberText(options.sheetNumber, options.writing), page,
                               grid.pages, options.writing),
                    firstPage + page);
    }
    for (int i = 0; i < sheet.questions.size(); ++i) {
        RowPlace place = rowPlace(grid, i, firstTop, laterTop);
        place.page += firstPage;
        placeQuestion(placer, grid, options, sheet.questions.at(i), place);
    }
    return grid.pages;
}

} // namespace

QPageLayout sheetPageLayout()
{
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter};
}

QSizeF printableSize()
{
    return sheetPageLayout().paintRect(QPageLayout::Millimeter).size();
}

SheetLayout layOutSheets(const QList<Sheet>& sheets, KeyPages keys,
                         const QPaintDevice& measuringDevice)
{
    SheetLayout layout;
    Placer placer(measuringDevice, layout);
    if (keys != KeyPages::Alone) {
        LastGrid last;
        for (const Sheet& sheet : sheets) {
            layout.pages += placeSheet(placer, sheet, layout.pages, last);
        }
    }
    if (keys != KeyPages::None) {
        const int keyPages = placeAnswerKeys(placer, sheets, layout.pages);
        if (keyPages > 0) {
            layout.firstKeyPage = layout.pages;
            layout.pages += keyPages;
        }
    }
    return layout;
}

SheetLayout layOutSheet(const Sheet& sheet, const QPaintDevice& measuringDevice)
{
    return layOutSheets({sheet},
                        wantsAnswerKey(sheet.options) ? KeyPages::AfterSheets : KeyPages::None,
                        measuringDevice);
}

bool paintSheets(const QList<Sheet>& sheets, KeyPages keys, QPagedPaintDevice& device)
{
    device.setPageLayout(sheetPageLayout());
    const SheetLayout layout = layOutSheets(sheets, keys, device);
    QList<QList<const PlacedText*>> textsOfPage(layout.pages);
    for (const PlacedText& text : layout.texts) {
        textsOfPage[text.page].append(&text);
    }
    QList<QList<const PlacedLine*>> linesOfPage(layout.pages);
    for (const PlacedLine& line : layout.lines) {
        linesOfPage[line.page].append(&line);
    }
    QPainter painter;
    if (layout.pages == 0 || !painter.begin(&device)) {
        return false;
    }
    const double pixelsPerMm = device.logicalDpiX() / kMillimetresPerInch;
    const auto toDevice = [pixelsPerMm](QPointF mm) {
        return mm * pixelsPerMm;
    };
    for (int page = 0; page < layout.pages; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        for (const PlacedLine* line : linesOfPage.at(page)) {
            painter.setPen(QPen(kInk, line->width * pixelsPerMm, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QLineF(toDevice(line->line.p1()), toDevice(line->line.p2())));
        }
        for (const PlacedText* text : textsOfPage.at(page)) {
            painter.setFont(text->font);
            painter.setPen(text->colour);
            painter.setLayoutDirection(text->rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            painter.drawText(toDevice(text->origin), text->text);
        }
    }
    return painter.end();
}

} // namespace sheets
