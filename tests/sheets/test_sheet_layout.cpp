// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a worksheet's texts stand: on A4 inside the margins, nothing over anything else at any
// header length, at most two pages of questions per sheet, the answer keys of a class set
// together on their own pages.

#include "layout_cases.h"

#include <QGuiApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;
using sheets::DigitMark;

namespace {

QString describe(const QRectF& box)
{
    return u"%1,%2 %3x%4"_s.arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height());
}

} // namespace

class TestSheetLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pageIsA4WithMargins()
    {
        const QPageLayout page = sheets::sheetPageLayout();
        QCOMPARE(page.pageSize().id(), QPageSize::A4);
        QCOMPARE(page.orientation(), QPageLayout::Portrait);
        QCOMPARE(page.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
        QCOMPARE(sheets::printableSize(), QSizeF(180, 267));
    }

    void nothingOverlaps_data()
    {
        QTest::addColumn<Case>("sheet");
        QTest::addColumn<int>("questionPages");
        QTest::addColumn<int>("keyPages");
        const auto add = [](const char* name, Case c, int pages, int keyPages) {
            QTest::newRow(name) << c << pages << keyPages;
        };
        const auto red = DigitMark::Red;
        const auto underline = DigitMark::Underline;
        add("write 60, key, header", {Activity::Write, red, 60, true, Header::Short}, 2, 1);
        add("write 60 underlined", {Activity::Write, underline, 60}, 2, 0);
        add("choose 60, key, header", {Activity::Choose, red, 60, true, Header::Short}, 2, 1);
        add("choose 60 underlined", {Activity::Choose, underline, 60, true, Header::Short}, 2, 1);
        add("read 60, header", {Activity::Read, red, 60, false, Header::Short}, 2, 0);
        add("write 30, header", {Activity::Write, red, 30, true, Header::Short}, 1, 1);
        add("choose 31", {Activity::Choose, red, 31, true}, 2, 1);
        add("write 10", {Activity::Write, red, 10, true}, 1, 1);
        add("choose 10, header", {Activity::Choose, red, 10, false, Header::Short}, 1, 0);
        add("read 11", {Activity::Read, red, 11}, 1, 0);
        add("read 10, key asked", {Activity::Read, red, 10, true}, 1, 0);
        // The header at any length the window and the command line take.
        add("choose 60, longest header", {Activity::Choose, underline, 60, true, Header::Longest},
            2, 1);
        add("write 30, longest header", {Activity::Write, red, 30, false, Header::Longest}, 1, 0);
        add("read 60, longest header", {Activity::Read, red, 60, false, Header::Longest}, 2, 0);
        add("choose 10, unreadable header", {Activity::Choose, red, 10, true, Header::Unreadable},
            1, 1);
        add("write 60, unreadable header", {Activity::Write, red, 60, false, Header::Unreadable}, 2,
            0);
        // Class sets: every sheet on pages of its own, all the keys after them.
        add("30 pupils, write 30, key", {Activity::Write, red, 30, true, Header::Short, 30}, 30, 5);
        add("7 pupils, choose 60, key", {Activity::Choose, red, 60, true, Header::None, 7}, 14, 2);
        add("3 pupils, read 15", {Activity::Read, red, 15, true, Header::Short, 3}, 3, 0);
        // Arabic-Indic digits, whose widths differ, and the Arabic separator.
        add("choose 60, key, header, Arabic-Indic",
            {Activity::Choose, red, 60, true, Header::Short, 1, kArabicIndic}, 2, 1);
        add("choose 30, longest header, Arabic-Indic",
            {Activity::Choose, underline, 30, false, Header::Longest, 1, kArabicIndic}, 1, 0);
        add("2 pupils, write 10, key, Arabic-Indic",
            {Activity::Write, underline, 10, true, Header::Short, 2, kArabicIndic}, 2, 1);
        add("read 60, Arabic-Indic",
            {Activity::Read, red, 60, false, Header::Short, 1, kArabicIndic}, 2, 0);
    }
    void nothingOverlaps()
    {
        QFETCH(Case, sheet);
        QFETCH(int, questionPages);
        QFETCH(int, keyPages);
        const sheets::SheetLayout layout = layOut(sheet);
        QCOMPARE(layout.pages, questionPages + keyPages);
        QCOMPARE(layout.firstKeyPage, keyPages > 0 ? questionPages : -1);

        const QRectF printable(QPointF(0, 0), sheets::printableSize());
        for (const sheets::PlacedText& text : layout.texts) {
            QVERIFY(text.page >= 0 && text.page < layout.pages);
            QVERIFY2(printable.contains(text.ink), qPrintable(text.text + describe(text.ink)));
            QVERIFY(text.ink.width() > 0 && text.ink.height() > 0);
        }
        for (const sheets::PlacedLine& line : layout.lines) {
            QVERIFY2(printable.contains(lineBox(line)), qPrintable(describe(lineBox(line))));
        }
        for (int page = 0; page < layout.pages; ++page) {
            const QList<QRectF> boxes = boxesOnPage(layout, page);
            for (qsizetype i = 0; i < boxes.size(); ++i) {
                for (qsizetype j = i + 1; j < boxes.size(); ++j) {
                    QVERIFY2(!boxes[i].intersects(boxes[j]),
                             qPrintable(u"page %1: %2 and %3"_s.arg(page).arg(describe(boxes[i]),
                                                                              describe(boxes[j]))));
                }
            }
        }
    }

    // Every question once on its sheet's pages, in order; the keys after all the sheets, every
    // answer of every sheet once, several sheets' keys to a page.
    void questionsAndKeysKeepToTheirPages()
    {
        constexpr int kPupils = 5;
        const sheets::SheetLayout layout =
            layOut({Activity::Write, DigitMark::Red, 60, true, Header::Short, kPupils});
        QCOMPARE(layout.firstKeyPage, 2 * kPupils);
        QCOMPARE(layout.pages, 2 * kPupils + 2);
        QList<QList<int>> questionPage(kPupils, QList<int>(61, -1));
        QList<int> keyLabels(61, 0);
        for (const sheets::PlacedText& text : layout.texts) {
            if (!isQuestionLabel(text)) {
                continue;
            }
            const int n = text.text.mid(1).chopped(1).toInt();
            QVERIFY(n >= 1 && n <= 60);
            if (text.page >= layout.firstKeyPage) {
                ++keyLabels[n];
                continue;
            }
            const int sheet = text.page / 2;
            QCOMPARE(questionPage[sheet][n], -1);
            questionPage[sheet][n] = text.page;
        }
        for (int n = 1; n <= 60; ++n) {
            QCOMPARE(keyLabels[n], kPupils);
            for (int sheet = 0; sheet < kPupils; ++sheet) {
                QCOMPARE(questionPage[sheet][n], 2 * sheet + (n <= 30 ? 0 : 1));
            }
        }
    }

    void markedDigitStandsOut_data()
    {
        QTest::addColumn<DigitMark>("mark");
        QTest::newRow("red") << DigitMark::Red;
        QTest::newRow("bold and underlined") << DigitMark::Underline;
    }
    void markedDigitStandsOut()
    {
        QFETCH(DigitMark, mark);
        const sheets::SheetLayout layout = layOut({Activity::Choose, mark, 20});
        int marked = 0;
        for (const sheets::PlacedText& text : layout.texts) {
            const bool red = text.colour == QColor(255, 0, 0);
            if (!red && !text.font.bold()) {
                continue;
            }
            // The question's own number and the instruction are bold, and black.
            if (isQuestionLabel(text) || text.text.contains(u"البلمزية"_s)) {
                QVERIFY(!red);
                continue;
            }
            ++marked;
            QCOMPARE(text.text.size(), 1); // one digit, never more
            QCOMPARE(red, mark == DigitMark::Red);
            // Underlined: a clear line just below the digit, as wide as the digit.
            int underlines = 0;
            for (const sheets::PlacedLine& line : layout.lines) {
                const QRectF box = lineBox(line);
                underlines +=
                    box.top() > text.ink.bottom() && box.top() < text.ink.bottom() + 1.5 &&
                            box.left() <= text.ink.left() && box.right() >= text.ink.right() &&
                            box.width() < 2 * text.ink.width() && line.width >= 0.8
                        ? 1
                        : 0;
            }
            QCOMPARE(underlines, mark == DigitMark::Underline ? 1 : 0);
        }
        QCOMPARE(marked, 20);
    }
};

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv); // the fonts need it
    TestSheetLayout test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_sheet_layout.moc"
