// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a worksheet's texts stand: on A4 inside the margins, nothing over anything else, at
// most two pages of questions, the answer key on a page of its own.

#include "sheets/sheet_layout.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;
using sheets::DigitMark;

namespace {

struct Case {
    Activity activity;
    DigitMark mark;
    int questions;
    bool key;
    bool header;
};

sheets::SheetLayout layOut(const Case& c, std::uint64_t number = 17)
{
    sheets::SheetOptions options;
    options.activity = c.activity;
    options.mark = c.mark;
    options.questions = c.questions;
    options.answerKey = c.key;
    options.sheetNumber = number;
    if (c.header) {
        options.school = u"مدرسة النور الابتدائية المشتركة للبنين والبنات"_s;
        options.className = u"السادس الابتدائي - ب"_s;
        options.nameAndDateLine = true;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    device.setPageLayout(sheets::sheetPageLayout());
    return sheets::layOutSheet(sheets::makeSheet(options), device);
}

// Lines are drawn with flat caps: they reach their ends and half their width on either side.
QRectF lineBox(const sheets::PlacedLine& line)
{
    const double half = line.width / 2;
    return QRectF(line.line.p1(), line.line.p2()).normalized().adjusted(0, -half, 0, half);
}

} // namespace

Q_DECLARE_METATYPE(Case)

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
        const auto add = [](const char* name, Case c, int pages) {
            QTest::newRow(name) << c << pages;
        };
        add("write 60, key, header", {Activity::Write, DigitMark::Red, 60, true, true}, 2);
        add("write 60 underlined", {Activity::Write, DigitMark::Underline, 60, false, false}, 2);
        add("choose 60, key, header", {Activity::Choose, DigitMark::Red, 60, true, true}, 2);
        add("choose 60 underlined", {Activity::Choose, DigitMark::Underline, 60, true, true}, 2);
        add("read 60, header", {Activity::Read, DigitMark::Red, 60, false, true}, 2);
        add("write 30, header", {Activity::Write, DigitMark::Red, 30, true, true}, 1);
        add("choose 31", {Activity::Choose, DigitMark::Red, 31, true, false}, 2);
        add("write 10", {Activity::Write, DigitMark::Red, 10, true, false}, 1);
        add("choose 10, header", {Activity::Choose, DigitMark::Red, 10, false, true}, 1);
        add("read 11", {Activity::Read, DigitMark::Red, 11, false, false}, 1);
    }
    void nothingOverlaps()
    {
        QFETCH(Case, sheet);
        QFETCH(int, questionPages);
        const sheets::SheetLayout layout = layOut(sheet);
        const bool key = sheet.key && sheet.activity != Activity::Read;
        QCOMPARE(layout.pages, questionPages + (key ? 1 : 0));
        QCOMPARE(layout.firstKeyPage, key ? questionPages : -1);

        const QRectF printable(QPointF(0, 0), sheets::printableSize());
        QList<QList<QRectF>> boxes(layout.pages);
        for (const sheets::PlacedText& text : layout.texts) {
            QVERIFY(text.page >= 0 && text.page < layout.pages);
            QVERIFY2(printable.contains(text.ink),
                     qPrintable(text.text + u" %1 %2 %3 %4"_s.arg(text.ink.left())
                                                .arg(text.ink.top())
                                                .arg(text.ink.right())
                                                .arg(text.ink.bottom())));
            QVERIFY(text.ink.width() > 0 && text.ink.height() > 0);
            boxes[text.page].append(text.ink);
        }
        for (const sheets::PlacedLine& line : layout.lines) {
            QVERIFY2(printable.contains(lineBox(line)),
                     qPrintable(u"%1 %2 %3 %4"_s.arg(line.line.x1())
                                    .arg(line.line.y1())
                                    .arg(line.line.x2())
                                    .arg(line.line.y2())));
            boxes[line.page].append(lineBox(line));
        }
        for (const QList<QRectF>& page : boxes) {
            for (qsizetype i = 0; i < page.size(); ++i) {
                for (qsizetype j = i + 1; j < page.size(); ++j) {
                    QVERIFY2(!page[i].intersects(page[j]),
                             qPrintable(u"%1,%2 %3x%4 and %5,%6 %7x%8"_s.arg(page[i].x())
                                            .arg(page[i].y())
                                            .arg(page[i].width())
                                            .arg(page[i].height())
                                            .arg(page[j].x())
                                            .arg(page[j].y())
                                            .arg(page[j].width())
                                            .arg(page[j].height())));
                }
            }
        }
    }

    // Every question and every answer once, questions before the key, the key alone on its
    // page, and the numbers large enough to write beside.
    void questionsAndKeyKeepToTheirPages()
    {
        const sheets::SheetLayout layout =
            layOut({Activity::Write, DigitMark::Red, 60, true, true});
        QList<int> numberPages(61, -1);
        QList<int> keyCount(61, 0);
        for (const sheets::PlacedText& text : layout.texts) {
            if (!text.text.endsWith(u'.')) {
                continue;
            }
            const int n = text.text.chopped(1).toInt();
            QVERIFY(n >= 1 && n <= 60);
            if (text.page == layout.firstKeyPage) {
                ++keyCount[n];
            } else {
                QCOMPARE(numberPages[n], -1);
                numberPages[n] = text.page;
            }
        }
        for (int n = 1; n <= 60; ++n) {
            QCOMPARE(keyCount[n], 1);
            QCOMPARE(numberPages[n], n <= 30 ? 0 : 1);
        }
        for (const sheets::PlacedText& text : layout.texts) {
            if (text.text.size() == 1 && text.text[0].isDigit() && text.page == 0) {
                QVERIFY(text.font.pointSizeF() >= 18);
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
        const sheets::SheetLayout layout = layOut({Activity::Choose, mark, 20, false, false});
        int marked = 0;
        for (const sheets::PlacedText& text : layout.texts) {
            const bool red = text.colour == QColor(255, 0, 0);
            if (!red && !text.font.bold()) {
                continue;
            }
            // The question's own number and the instruction are bold, and black.
            if (text.text.endsWith(u'.') || text.text.contains(u"البلمزية"_s)) {
                QVERIFY(!red);
                continue;
            }
            ++marked;
            QCOMPARE(text.text.size(), 1); // one digit, never more
            QCOMPARE(red, mark == DigitMark::Red);
            // Underlined: a line just below the digit, as wide as the digit.
            int underlines = 0;
            for (const sheets::PlacedLine& line : layout.lines) {
                const QRectF box = lineBox(line);
                underlines +=
                    box.top() > text.ink.bottom() && box.top() < text.ink.bottom() + 1.5 &&
                            box.left() <= text.ink.left() && box.right() >= text.ink.right() &&
                            box.width() < 2 * text.ink.width()
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
