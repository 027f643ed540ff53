// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A worksheet is easy to use on paper: short sheets in large type that fills the page, values
// large enough to circle with room around them, the name line on every page with the score box
// beside it, and the header's texts kept whole while they fit.

#include "layout_cases.h"

#include <QGuiApplication>
#include <QTest>

#include <array>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;
using sheets::DigitMark;

namespace {

// The ink of the questions of a page: from the top of the first row to the bottom of the last.
QRectF questionsInk(const sheets::SheetLayout& layout, int page, double below)
{
    QRectF ink;
    for (const sheets::PlacedText& text : layout.texts) {
        if (text.page == page && text.ink.top() > below && !text.text.contains(u"صفحة"_s)) {
            ink = ink.isNull() ? text.ink : ink.united(text.ink);
        }
    }
    return ink;
}

double largestDigitPoints(const sheets::SheetLayout& layout)
{
    double points = 0;
    for (const sheets::PlacedText& text : layout.texts) {
        if (text.page == 0 && text.text.size() == 1 && text.text[0].isDigit()) {
            points = std::max(points, text.font.pointSizeF());
        }
    }
    return points;
}

const sheets::PlacedText* findText(const sheets::SheetLayout& layout, int page, const QString& text)
{
    for (const sheets::PlacedText& placed : layout.texts) {
        if (placed.page == page && placed.text == text) {
            return &placed;
        }
    }
    return nullptr;
}

} // namespace

class TestSheetPaper : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Ten questions fill the page in large type.
    void shortSheetsUseLargerType_data()
    {
        QTest::addColumn<Activity>("activity");
        QTest::newRow("write") << Activity::Write;
        QTest::newRow("choose") << Activity::Choose;
        QTest::newRow("read") << Activity::Read;
    }
    void shortSheetsUseLargerType()
    {
        QFETCH(Activity, activity);
        const sheets::SheetLayout ten =
            layOut({activity, DigitMark::Red, 10, false, Header::Short});
        const sheets::SheetLayout thirty =
            layOut({activity, DigitMark::Red, 30, false, Header::Short});
        const auto size = [activity](const sheets::SheetLayout& layout) {
            if (activity != Activity::Read) {
                return largestDigitPoints(layout);
            }
            double points = 0;
            for (const sheets::PlacedText& text : layout.texts) {
                points = text.text.contains(u'و') && text.text[0].isDigit()
                             ? std::max(points, text.font.pointSizeF())
                             : points;
            }
            return points;
        };
        QVERIFY2(size(ten) >= 25, qPrintable(QString::number(size(ten))));
        QVERIFY(size(ten) >= size(thirty));
        // The rows reach from under the header down to the footer.
        const sheets::PlacedText* instruction = nullptr;
        for (const sheets::PlacedText& text : ten.texts) {
            instruction = text.text.startsWith(sheets::instructionText(activity, DigitMark::Red))
                              ? &text
                              : instruction;
        }
        QVERIFY(instruction != nullptr);
        const QRectF rows = questionsInk(ten, 0, instruction->ink.bottom());
        const double room = sheets::printableSize().height() - instruction->ink.bottom();
        QVERIFY2(rows.height() > 0.8 * room, qPrintable(QString::number(rows.height() / room)));
    }

    // The values to circle: at least 14 points, with 3 mm beside and 2.5 mm above and below them
    // where nothing else stands.
    void valuesHaveRoomToCircle_data()
    {
        QTest::addColumn<Case>("sheet");
        QTest::newRow("60") << Case{Activity::Choose, DigitMark::Red, 60, false, Header::Short};
        QTest::newRow("30, longest header")
            << Case{Activity::Choose, DigitMark::Underline, 30, false, Header::Longest};
        QTest::newRow("10") << Case{Activity::Choose, DigitMark::Red, 10};
        QTest::newRow("16") << Case{Activity::Choose, DigitMark::Red, 16};
        QTest::newRow("60, Arabic-Indic")
            << Case{Activity::Choose, DigitMark::Red, 60, false, Header::Short, 1, kArabicIndic};
    }
    void valuesHaveRoomToCircle()
    {
        QFETCH(Case, sheet);
        const sheets::SheetLayout layout = layOut(sheet);
        int values = 0;
        for (const sheets::PlacedText& value : layout.texts) {
            if (!value.text.startsWith(sheet.writing.write("0."))) {
                continue;
            }
            ++values;
            QVERIFY(value.font.pointSizeF() >= 14);
            const QRectF circle = value.ink.adjusted(-3, -2.5, 3, 2.5);
            for (const QRectF& other : boxesOnPage(layout, value.page)) {
                QVERIFY2(other == value.ink || !circle.intersects(other), qPrintable(value.text));
            }
        }
        QCOMPARE(values, 3 * sheet.questions);
    }

    // The name line on every page of every sheet; the score box "الدرجة: ___ / N" beside it on
    // the first page of a sheet with answers, framed.
    void nameLineOnEveryPage_data()
    {
        QTest::addColumn<Activity>("activity");
        QTest::newRow("write") << Activity::Write;
        QTest::newRow("read") << Activity::Read;
    }
    void nameLineOnEveryPage()
    {
        QFETCH(Activity, activity);
        const sheets::SheetLayout layout =
            layOut({activity, DigitMark::Red, 45, true, Header::Short, 2});
        const bool score = activity != Activity::Read;
        QCOMPARE(layout.firstKeyPage, score ? 4 : -1);
        for (int page = 0; page < 4; ++page) {
            QVERIFY2(findText(layout, page, u"الاسم:"_s) != nullptr,
                     qPrintable(QString::number(page)));
            const sheets::PlacedText* label = findText(layout, page, u"الدرجة:"_s);
            QCOMPARE(label != nullptr, score && page % 2 == 0);
            if (label == nullptr) {
                continue;
            }
            const sheets::PlacedText* outOf = findText(layout, page, u"/ 45"_s);
            QVERIFY(outOf != nullptr);
            QVERIFY(outOf->ink.right() < label->ink.left()); // right to left: score, then "/ 45"
            // The frame: a line on each side, close around both.
            const QRectF score = label->ink.united(outOf->ink);
            std::array<int, 4> sides{}; // above, below, left, right
            for (const sheets::PlacedLine& line : layout.lines) {
                const QRectF box = lineBox(line);
                if (line.page != page) {
                    continue;
                }
                if (line.line.dy() == 0 && box.left() <= score.left() &&
                    box.right() >= score.right()) {
                    sides[0] +=
                        box.bottom() <= score.top() && score.top() - box.bottom() < 5 ? 1 : 0;
                    sides[1] +=
                        box.top() >= score.bottom() && box.top() - score.bottom() < 5 ? 1 : 0;
                }
                if (line.line.dx() == 0 && box.top() <= score.top() &&
                    box.bottom() >= score.bottom()) {
                    sides[2] +=
                        box.right() <= score.left() && score.left() - box.right() < 5 ? 1 : 0;
                    sides[3] +=
                        box.left() >= score.right() && box.left() - score.right() < 5 ? 1 : 0;
                }
            }
            QVERIFY2(sides == (std::array<int, 4>{1, 1, 1, 1}),
                     qPrintable(
                         u"%1 %2 %3 %4"_s.arg(sides[0]).arg(sides[1]).arg(sides[2]).arg(sides[3])));
        }
    }

    // A header text the window and the command line take is printed whole, on one line at 11
    // points or more, with no ellipsis; only text that cannot fit at the smallest size ends in one.
    void headerTextsStayWhole()
    {
        const sheets::SheetOptions options =
            optionsOf({Activity::Write, DigitMark::Red, 30, false, Header::Longest});
        const sheets::SheetLayout layout =
            layOut({Activity::Write, DigitMark::Red, 30, false, Header::Longest});
        for (const sheets::PlacedText& text : layout.texts) {
            QVERIFY(!text.text.contains(u'…'));
        }
        for (const QString& field :
             {u"المدرسة: "_s + options.school, u"الصف: "_s + options.className}) {
            const sheets::PlacedText* line = findText(layout, 0, field);
            QVERIFY2(line != nullptr, qPrintable(field));
            QVERIFY(line->font.pointSizeF() >= 11);
        }

        const sheets::SheetLayout unreadable =
            layOut({Activity::Write, DigitMark::Red, 30, false, Header::Unreadable});
        int elided = 0;
        for (const sheets::PlacedText& text : unreadable.texts) {
            elided += text.text.endsWith(u'…') ? 1 : 0;
        }
        QCOMPARE(elided, 2);
    }
};

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv); // the fonts need it
    TestSheetPaper test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_sheet_paper.moc"
