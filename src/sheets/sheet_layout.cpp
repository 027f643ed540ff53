// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_layout.h"

#include "toolkit/fonts.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace sheets {

namespace {

constexpr double kMargin = 15;        // mm; most school printers leave 5 mm unprinted
constexpr double kColumnGap = 8;      // between the two columns of questions
constexpr double kFooterHeight = 9;   // the sheet number and page at the foot of every page
constexpr double kMaxPitch = 20;      // rows of a short sheet stand no further apart
constexpr double kNumberBox = 11;     // the question's own number, at the right of its row
constexpr double kCandidatesGap = 6;  // from the number to the values to circle
constexpr double kCandidateSlot = 15; // from one value's right end to the next one's
constexpr double kAnswerLine = 26;    // length of the line a pupil writes the answer on
constexpr int kKeyColumns = 3;
constexpr int kKeyRows = 20;
constexpr double kUnderlineGap = 1.0; // mm from a marked digit's baseline to its underline
constexpr double kUnderline = 0.5;    // the underline's width
constexpr double kOverhang = 1;       // room for Arabic letters that reach past their advance

const QColor kInk(0, 0, 0);
const QColor kMarkRed(255, 0, 0); // the drill's red digit
const QColor kQuiet(90, 90, 90);

QFont sheetFont(double points, bool bold = false)
{
    return tk::makeFont({tk::Face::ArabicTransparent, points, bold});
}

// Places texts, measuring them on the device the sheet is painted on.
class Placer {
public:
    Placer(const QPaintDevice& device, SheetLayout& out)
        : device_(device)
        , out_(out)
        , mmPerPixel_(25.4 / device.logicalDpiX())
    {}

    double width(const QString& text, const QFont& font) const
    {
        return QFontMetricsF(font, &device_).horizontalAdvance(text) * mmPerPixel_;
    }

    // Places a text whose baseline ends at right (it is right-aligned there).
    void right(int page, double right, double baseline, const QString& text, const QFont& font,
               const QColor& colour = kInk, bool rightToLeft = true)
    {
        left(page, right - width(text, font), baseline, text, font, colour, rightToLeft);
    }

    void centre(int page, double centre, double baseline, const QString& text, const QFont& font,
                const QColor& colour = kQuiet)
    {
        left(page, centre - width(text, font) / 2, baseline, text, font, colour, true);
    }

    void left(int page, double left, double baseline, const QString& text, const QFont& font,
              const QColor& colour = kInk, bool rightToLeft = false)
    {
        const QFontMetricsF metrics(font, &device_);
        const QRectF tight = metrics.tightBoundingRect(text);
        QRectF ink(left + tight.left() * mmPerPixel_, baseline + tight.top() * mmPerPixel_,
                   tight.width() * mmPerPixel_, tight.height() * mmPerPixel_);
        out_.texts.append({page, QPointF(left, baseline), ink, text, font, colour, rightToLeft});
    }

    void line(int page, QLineF line, double width = kThinLine)
    {
        out_.lines.append({page, line, width});
    }

private:
    const QPaintDevice& device_;
    SheetLayout& out_;
    double mmPerPixel_;
};

// Millimetres between the digits of a number, so that a mark covers one digit alone.
double digitGap(double points)
{
    return points * 0.06;
}

// The widest a number can be: the whole part 888 and three eights, one of them bold.
double widestNumber(const Placer& placer, double points, const core::NumberWriting& writing)
{
    const QString eight = writing.writeWhole(8);
    return placer.width(QStringLiteral(u" و") + writing.writeWhole(888), sheetFont(points)) +
           2 * placer.width(eight, sheetFont(points)) +
           placer.width(eight, sheetFont(points, true)) + 3 * digitGap(points);
}

// The number as the exercise screens show it, from left to right: the whole part with its
// waw (laid out right to left, so the waw faces the tenths), then the tenths, hundredths and
// thousandths digits. Returns the left end of what it placed.
double placeNumber(Placer& placer, int page, double right, double baseline,
                   const SheetQuestion& item, DigitMark mark, double points)
{
    const QFont plain = sheetFont(points);
    QFont marked = plain;
    marked.setBold(mark == DigitMark::Underline);
    const double gap = digitGap(points);
    double x = right;
    for (int i = 2; i >= 0; --i) {
        const bool isMarked = i == item.markedDigit;
        const QFont& font = isMarked ? marked : plain;
        const QString& digit = item.decimalDigits.at(i);
        x -= placer.width(digit, font);
        placer.left(page, x, baseline, digit, font,
                    isMarked && mark == DigitMark::Red ? kMarkRed : kInk);
        if (isMarked && mark == DigitMark::Underline) {
            // Drawn here rather than by the font: the face's own underline sits low enough
            // for Arabic descenders, far below a digit.
            const double y = baseline + kUnderlineGap;
            placer.line(page, QLineF(x, y, x + placer.width(digit, font), y), kUnderline);
        }
        x -= gap;
    }
    x -= placer.width(item.wholePart, plain);
    placer.left(page, x, baseline, item.wholePart, plain, kInk, true);
    return x;
}

struct Rows {
    double top = 0;   // of the first row on a page after the first
    double pitch = 0; // from one row to the next
};

void placeQuestion(Placer& placer, const SheetOptions& options, const SheetQuestion& item,
                   int number, int page, double columnRight, double columnLeft, double rowTop,
                   double pitch)
{
    const QFont numberFont = sheetFont(12, true);
    switch (options.activity) {
    case Activity::Write: {
        const double baseline = rowTop + std::min(pitch * 0.6, 11.0);
        placer.right(page, columnRight, baseline, questionNumberText(number, options.writing),
                     numberFont, kInk, false);
        placeNumber(placer, page, columnRight - kNumberBox, baseline, item, options.mark, 20);
        placer.line(page, QLineF(columnLeft + 1, baseline + 0.8, columnLeft + 1 + kAnswerLine,
                                 baseline + 0.8));
        break;
    }
    case Activity::Choose: {
        const double baseline = rowTop + std::min(pitch * 0.6, 11.0);
        placer.right(page, columnRight, baseline, questionNumberText(number, options.writing),
                     numberFont, kInk, false);
        const double numberRight = columnRight - kNumberBox;
        placeNumber(placer, page, numberRight, baseline, item, options.mark, 18);
        // The digit as thousandths nearest the number, as tenths furthest: right to left as on
        // the screen, in the same places on every row.
        const double valuesRight =
            numberRight - widestNumber(placer, 18, options.writing) - kCandidatesGap;
        const QFont candidateFont = sheetFont(14);
        for (int i = 0; i < 3; ++i) {
            placer.right(page, valuesRight - i * kCandidateSlot, baseline, item.candidates.at(i),
                         candidateFont, kInk, false);
        }
        break;
    }
    case Activity::Read: {
        const double baseline = rowTop + std::min(pitch * 0.65, 13.0);
        placer.right(page, columnRight, baseline, questionNumberText(number, options.writing),
                     numberFont, kInk, false);
        placer.right(page, columnRight - kNumberBox, baseline, item.reading, sheetFont(24));
        break;
    }
    }
}

// The header of the first page; returns where the questions may start.
double placeHeader(Placer& placer, const SheetOptions& options, double width)
{
    double y = 0;
    const QFont lineFont = sheetFont(13);
    if (!options.school.isEmpty() || !options.className.isEmpty()) {
        y += 7;
        if (!options.school.isEmpty()) {
            placer.right(0, width, y, QStringLiteral(u"المدرسة: ") + options.school, lineFont);
        }
        if (!options.className.isEmpty()) {
            const QString text = QStringLiteral(u"الصف: ") + options.className;
            placer.right(0, placer.width(text, lineFont), y, text, lineFont);
        }
        y += 3;
    }
    if (options.nameAndDateLine) {
        y += 9;
        const QString name = QStringLiteral(u"الاسم:");
        placer.right(0, width, y, name, lineFont);
        const double nameEnd = width - placer.width(name, lineFont) - 2;
        placer.line(0, QLineF(70, y + 0.8, nameEnd, y + 0.8));
        const QString date = QStringLiteral(u"التاريخ:");
        placer.right(0, 60, y, date, lineFont);
        placer.line(0, QLineF(1, y + 0.8, 58 - placer.width(date, lineFont), y + 0.8));
        y += 3;
    }
    y += 10;
    placer.right(0, width, y, instructionText(options.activity, options.mark), sheetFont(16, true));
    y += 4;
    placer.line(0, QLineF(1, y, width, y));
    return y + 4;
}

void placeFooter(Placer& placer, const SheetOptions& options, int page, int pages, QSizeF printable)
{
    const QString text = sheetNumberText(options.sheetNumber, options.writing) +
                         QStringLiteral(u"، صفحة ") + options.writing.writeWhole(page + 1) +
                         QStringLiteral(u" من ") + options.writing.writeWhole(pages);
    placer.centre(page, printable.width() / 2, printable.height() - 3, text, sheetFont(10));
}

void placeKey(Placer& placer, const Sheet& sheet, int page, QSizeF printable)
{
    placer.right(page, printable.width() - kOverhang, 10, answerKeyTitle(), sheetFont(16, true));
    placer.right(page, printable.width() - kOverhang, 18,
                 instructionText(sheet.options.activity, sheet.options.mark), sheetFont(11),
                 kQuiet);
    placer.line(page, QLineF(1, 21, printable.width() - 1, 21));
    const double top = 25;
    const double pitch = (printable.height() - kFooterHeight - top) / kKeyRows;
    const double columnWidth = printable.width() / kKeyColumns;
    const QFont numberFont = sheetFont(12, true);
    const QFont answerFont = sheetFont(14);
    for (int i = 0; i < sheet.questions.size(); ++i) {
        const int column = i / kKeyRows; // the first at the right
        const double right = printable.width() - column * columnWidth;
        const double baseline = top + (i % kKeyRows) * pitch + pitch * 0.7;
        placer.right(page, right, baseline, questionNumberText(i + 1, sheet.options.writing),
                     numberFont, kInk, false);
        placer.right(page, right - kNumberBox - 2, baseline, answerText(sheet.questions.at(i)),
                     answerFont, kInk, false);
    }
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

SheetLayout layOutSheet(const Sheet& sheet, const QPaintDevice& measuringDevice)
{
    SheetLayout layout;
    Placer placer(measuringDevice, layout);
    const QSizeF printable = printableSize();
    const int count = static_cast<int>(sheet.questions.size());
    const int questionPages = std::max(1, (count + kQuestionsPerPage - 1) / kQuestionsPerPage);
    const int perPage = (count + questionPages - 1) / questionPages;
    const int rowsPerColumn = (perPage + 1) / 2;
    const bool key = sheet.options.answerKey && hasAnswers(sheet.options.activity);
    layout.pages = questionPages + (key ? 1 : 0);
    layout.firstKeyPage = key ? questionPages : -1;

    const double firstTop = placeHeader(placer, sheet.options, printable.width() - kOverhang);
    const double pitch = std::min(kMaxPitch, (printable.height() - kFooterHeight - firstTop) /
                                                 std::max(1, rowsPerColumn));
    const double columnWidth = (printable.width() - kColumnGap) / 2;

    for (int i = 0; i < count; ++i) {
        const int page = i / perPage;
        const int onPage = i % perPage;
        const int column = onPage / rowsPerColumn; // 0 is the right-hand column
        const double columnRight = printable.width() - column * (columnWidth + kColumnGap);
        const double top = (page == 0 ? firstTop : 0) + (onPage % rowsPerColumn) * pitch;
        placeQuestion(placer, sheet.options, sheet.questions.at(i), i + 1, page, columnRight,
                      columnRight - columnWidth, top, pitch);
    }
    if (key) {
        placeKey(placer, sheet, layout.firstKeyPage, printable);
    }
    for (int page = 0; page < layout.pages; ++page) {
        placeFooter(placer, sheet.options, page, layout.pages, printable);
    }
    return layout;
}

bool paintSheet(const Sheet& sheet, QPagedPaintDevice& device)
{
    device.setPageLayout(sheetPageLayout());
    const SheetLayout layout = layOutSheet(sheet, device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double pixelsPerMm = device.logicalDpiX() / 25.4;
    const auto toDevice = [pixelsPerMm](QPointF mm) {
        return mm * pixelsPerMm;
    };
    for (int page = 0; page < layout.pages; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        for (const PlacedLine& line : layout.lines) {
            if (line.page == page) {
                painter.setPen(QPen(kInk, line.width * pixelsPerMm, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(QLineF(toDevice(line.line.p1()), toDevice(line.line.p2())));
            }
        }
        for (const PlacedText& text : layout.texts) {
            if (text.page != page) {
                continue;
            }
            painter.setFont(text.font);
            painter.setPen(text.colour);
            painter.setLayoutDirection(text.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            painter.drawText(toDevice(text.origin), text.text);
        }
    }
    return painter.end();
}

} // namespace sheets
