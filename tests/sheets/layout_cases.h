// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Laying worksheets out for the layout tests: the sheets a case asks for, measured on a PDF
// writer as they would be written.

#include "sheet_questions.h"
#include "sheets/sheet_layout.h"

#include <QBuffer>
#include <QPdfWriter>

#include <algorithm>

enum class Header {
    None,
    Short,     // a school, a class and the name line, as most sheets have them
    Longest,   // both fields at the most they take (sheets::kMaxHeaderText), and the name line
    Unreadable // 200 of the widest letter in each field, more than the window or the command
               // line takes: more than the header has room for
};

struct Case {
    sheets::Activity activity = sheets::Activity::Write;
    sheets::DigitMark mark = sheets::DigitMark::Red;
    int questions = 30;
    bool key = false;
    Header header = Header::None;
    int pupils = 1;
    core::NumberWriting writing{}; // 0 to 9 and the point unless a case names another
};
Q_DECLARE_METATYPE(Case)

inline QString repeatedTo(const QString& piece, int length)
{
    QString text;
    while (text.size() < length) {
        text += piece;
    }
    return text.left(length).trimmed();
}

inline sheets::SheetOptions optionsOf(const Case& c, std::uint64_t number = 17)
{
    sheets::SheetOptions options;
    options.activity = c.activity;
    options.mark = c.mark;
    options.questions = c.questions;
    options.answerKey = c.key;
    options.sheetNumber = number;
    options.pupils = c.pupils;
    options.writing = c.writing;
    options.nameAndDateLine = c.header != Header::None;
    switch (c.header) {
    case Header::None:
        break;
    case Header::Short:
        options.school = QStringLiteral(u"مدرسة النور الابتدائية المشتركة للبنين والبنات");
        options.className = QStringLiteral(u"السادس الابتدائي - ب");
        break;
    case Header::Longest:
        options.school =
            repeatedTo(QStringLiteral(u"مدرسة النور الابتدائية المشتركة "), sheets::kMaxHeaderText);
        options.className =
            repeatedTo(QStringLiteral(u"السادس الابتدائي شعبة ب "), sheets::kMaxHeaderText);
        break;
    case Header::Unreadable:
        options.school = QString(200, u'W');
        options.className = QString(200, u'ﷺ');
        break;
    }
    return options;
}

inline sheets::SheetLayout layOut(const Case& c, std::uint64_t number = 17)
{
    const sheets::SheetOptions options = optionsOf(c, number);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter device(&buffer);
    device.setPageLayout(sheets::sheetPageLayout());
    return sheets::layOutSheets(sheets::makeClassSet(options),
                                sheets::wantsAnswerKey(options) ? sheets::KeyPages::AfterSheets
                                                                : sheets::KeyPages::None,
                                device);
}

// Lines are drawn with flat caps: they reach their ends and half their width on either side.
inline QRectF lineBox(const sheets::PlacedLine& line)
{
    const double half = line.width / 2;
    const QRectF box = QRectF(line.line.p1(), line.line.p2()).normalized();
    return line.line.dy() == 0 ? box.adjusted(0, -half, 0, half) : box.adjusted(-half, 0, half, 0);
}

// Every ink box and line box on a page. Line boxes lose a hair on every side, so that lines
// that only touch (the sides of a frame) do not count as overlapping.
inline QList<QRectF> boxesOnPage(const sheets::SheetLayout& layout, int page)
{
    constexpr double kHair = 1e-6; // mm
    QList<QRectF> boxes;
    for (const sheets::PlacedText& text : layout.texts) {
        if (text.page == page) {
            boxes.append(text.ink);
        }
    }
    for (const sheets::PlacedLine& line : layout.lines) {
        if (line.page == page) {
            boxes.append(lineBox(line).adjusted(kHair, kHair, -kHair, -kHair));
        }
    }
    return boxes;
}

// The question numbers "(n)" of a layout's pages before the key.
inline bool isQuestionLabel(const sheets::PlacedText& text)
{
    return text.text.startsWith(u'(') && text.text.endsWith(u')');
}
