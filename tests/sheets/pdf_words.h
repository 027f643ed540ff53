// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a worksheet back from its PDF: the words pdftotext finds with their boxes, and the
// numbered lines they make.

#include "sheet_tools.h"

#include <QList>
#include <QMap>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

struct Word {
    int page = 0;
    QRectF box; // points from the page's top-left corner
    QString text;
};

// The words pdftotext finds, with their pages and boxes.
inline QList<Word> pdfWords(const QString& pdf)
{
    using namespace Qt::Literals::StringLiterals;
    const ToolRun run = runTool(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    const QRegularExpression word(uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                                  uR"re(yMax="([\d.]+)">([^<]*)</word>)re"_s);
    QList<Word> words;
    int page = -1;
    for (const QString& line : run.out.split(u'\n')) {
        if (line.contains(u"<page "_s)) {
            ++page;
        }
        const auto m = word.match(line);
        if (m.hasMatch()) {
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            words.append({page, QRectF(topLeft, bottomRight), m.captured(5)});
        }
    }
    return words;
}

// The text with Arabic-Indic digits turned into 0 to 9.
inline QString westernDigits(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() >= 0x0660 && c.unicode() <= 0x0669) {
            c = QChar(u'0' + (c.unicode() - 0x0660));
        }
    }
    return text;
}

// One numbered line of the sheet: the words on the line to the left of its number, within its
// column, from left to right; and the words of the line below it, before the next number.
struct Row {
    int page = 0;
    QStringList line;
    QStringList below;
};

inline QMap<int, Row> numberedRows(const QList<Word>& words, int firstPage, int lastPage)
{
    using namespace Qt::Literals::StringLiterals;
    // "7." in the digits 0 to 9, "(٧)" in Arabic-Indic ones.
    const QRegularExpression number(u"^(?:([1-9][0-9]?)\\.|\\(([١-٩][٠-٩]?)\\))$"_s);
    constexpr double kColumn = 240; // points; a column is 86 mm wide
    QMap<int, Row> rows;
    for (const Word& label : words) {
        const auto m = number.match(label.text);
        if (label.page < firstPage || label.page > lastPage || !m.hasMatch()) {
            continue;
        }
        // The column ends at the next numbered line to the left (the key has three columns).
        double leftEnd = label.box.left() - kColumn;
        for (const Word& other : words) {
            if (other.page == label.page && number.match(other.text).hasMatch() &&
                other.box.right() < label.box.left() &&
                std::abs(other.box.center().y() - label.box.center().y()) < 6) {
                leftEnd = std::max(leftEnd, other.box.right());
            }
        }
        QList<Word> line;
        QList<Word> below;
        const double centre = label.box.center().y();
        for (const Word& w : words) {
            if (w.page != label.page || w.box.right() > label.box.left() ||
                w.box.left() < leftEnd) {
                continue;
            }
            const double dy = w.box.center().y() - centre;
            if (std::abs(dy) < 6) {
                line.append(w);
            } else if (dy > 6 && dy < 32) {
                below.append(w);
            }
        }
        const auto leftToRight = [](QList<Word> list) {
            std::sort(list.begin(), list.end(),
                      [](const Word& a, const Word& b) { return a.box.left() < b.box.left(); });
            QStringList texts;
            for (const Word& w : list) {
                texts.append(w.text);
            }
            return texts;
        };
        const int n = westernDigits(m.captured(1) + m.captured(2)).toInt();
        if (rows.contains(n)) {
            qWarning("question %d twice", n);
            return {};
        }
        rows.insert(n, {label.page, leftToRight(line), leftToRight(below)});
    }
    return rows;
}
