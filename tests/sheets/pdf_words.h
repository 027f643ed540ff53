// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a worksheet back from its PDF: the words pdftotext finds with their boxes, and the
// numbered lines they make.

#include "sheet_questions.h"
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

// One numbered line of the sheet: the words on the line to the left of its number "(n)", up to
// the next number to the left, from left to right; and the words of the line below it, before
// the next number.
struct Row {
    int number = 0;
    int page = 0;
    QRectF label; // the box of "(n)"
    QStringList line;
    QStringList below;
};

// "(7)" in the digits 0 to 9 or "(٧)" in Arabic-Indic ones.
inline const QRegularExpression& questionNumber()
{
    static const QRegularExpression number(QStringLiteral(u"^\\(([1-9][0-9]?|[١-٩][٠-٩]?)\\)$"));
    return number;
}

// Every numbered line on the pages, in reading order: page by page, top to bottom, right to left.
inline QList<Row> numberedLines(const QList<Word>& words, int firstPage, int lastPage)
{
    QList<Row> rows;
    for (const Word& label : words) {
        const auto m = questionNumber().match(label.text);
        if (label.page < firstPage || label.page > lastPage || !m.hasMatch()) {
            continue;
        }
        double leftEnd = 0;
        for (const Word& other : words) {
            if (other.page == label.page && questionNumber().match(other.text).hasMatch() &&
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
        rows.append({westernDigits(m.captured(1)).toInt(), label.page, label.box, leftToRight(line),
                     leftToRight(below)});
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.page != b.page) {
            return a.page < b.page;
        }
        if (std::abs(a.label.center().y() - b.label.center().y()) >= 3) {
            return a.label.center().y() < b.label.center().y();
        }
        return a.label.left() > b.label.left();
    });
    return rows;
}

// The numbered lines of one sheet's questions, by number; empty if a number comes twice.
inline QMap<int, Row> numberedRows(const QList<Word>& words, int firstPage, int lastPage)
{
    QMap<int, Row> rows;
    for (const Row& row : numberedLines(words, firstPage, lastPage)) {
        if (rows.contains(row.number)) {
            qWarning("question %d twice", row.number);
            return {};
        }
        rows.insert(row.number, row);
    }
    return rows;
}

// The answer keys on the pages, in reading order, one per sheet (each starts again at "(1)"):
// for every question the words that stand after its number, joined.
inline QList<QMap<int, QString>> answerKeys(const QList<Word>& words, int firstPage, int lastPage)
{
    QList<QMap<int, QString>> keys;
    for (const Row& row : numberedLines(words, firstPage, lastPage)) {
        if (row.number == 1) {
            keys.append(QMap<int, QString>());
        }
        if (keys.isEmpty() || keys.last().contains(row.number)) {
            qWarning("answer %d out of order", row.number);
            return {};
        }
        keys.last().insert(row.number, row.line.join(u' '));
    }
    return keys;
}
