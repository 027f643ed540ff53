// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Class sets and headers as the command line writes them, read back with poppler-utils: each
// sheet of a set is the sheet its number gives alone, labelled with that number; the keys come
// after all the sheets, or in a file of their own; a PDF on standard output is the same PDF; the
// school and class never print over each other or anything else, at any length.

#include "pdf_words.h"
#include "sheet_tools.h"
#include "sheets/sheet.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;

namespace {

// The questions of a sheet as read back: each numbered line's words.
QStringList lines(const QMap<int, Row>& rows)
{
    QStringList texts;
    for (const Row& row : rows) {
        texts.append(row.line.join(u' '));
    }
    return texts;
}

// The answers of the sheet with this number, as its key shows them.
QMap<int, QString> modelKey(std::uint64_t number, int questions)
{
    sheets::SheetOptions options;
    options.activity = Activity::Choose;
    options.questions = questions;
    options.sheetNumber = number;
    QMap<int, QString> key;
    const sheets::Sheet sheet = sheets::makeSheet(options);
    for (int n = 1; n <= questions; ++n) {
        key.insert(n, sheets::answerText(sheet.questions.at(n - 1)));
    }
    return key;
}

// Tokens that copy whole from the PDF: "s001 s002 ..." up to the length.
QString tokens(QChar letter, int length)
{
    QString text;
    for (int i = 1; text.size() + 5 <= length; ++i) {
        text += letter + u"%1 "_s.arg(i, 3, 10, QLatin1Char('0'));
    }
    return text.trimmed();
}

} // namespace

class TestSheetSetPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    static QStringList choose(int questions, std::uint64_t seed, const QStringList& more = {})
    {
        return QStringList{u"--activity"_s,  u"choose"_s,
                           u"--questions"_s, QString::number(questions),
                           u"--seed"_s,      QString::number(seed)} +
               more;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Four sheets of 45 questions, two pages each, then one page with their four keys.
    void classSetIsItsSheets()
    {
        const QString set = path(u"set.pdf"_s);
        QCOMPARE(
            runSheets(choose(45, 100, {u"--pupils"_s, u"4"_s, u"--answers"_s, u"--output"_s, set}))
                .status,
            0);
        const QList<Word> words = pdfWords(set);
        for (int pupil = 0; pupil < 4; ++pupil) {
            const QString alone = path(u"alone.pdf"_s);
            QCOMPARE(runSheets(choose(45, 100 + pupil, {u"--output"_s, alone})).status, 0);
            const QList<Word> aloneWords = pdfWords(alone);
            QCOMPARE(lines(numberedRows(words, 2 * pupil, 2 * pupil + 1)),
                     lines(numberedRows(aloneWords, 0, 1)));
            QCOMPARE(numberedRows(words, 2 * pupil, 2 * pupil + 1).size(), 45);
            // Both pages say which sheet they belong to.
            for (const int page : {2 * pupil, 2 * pupil + 1}) {
                QVERIFY(std::any_of(words.begin(), words.end(), [&](const Word& w) {
                    return w.page == page && w.text.startsWith(QString::number(100 + pupil));
                }));
            }
        }
        const QList<QMap<int, QString>> keys = answerKeys(words, 8, 8);
        QCOMPARE(keys.size(), 4);
        QList<int> headings; // the sheet numbers above the keys, top to bottom
        QList<Word> onKeyPage;
        for (const Word& w : words) {
            if (w.page == 8 && w.text.toInt() >= 100 && w.text.toInt() <= 103) {
                onKeyPage.append(w);
            }
        }
        std::sort(onKeyPage.begin(), onKeyPage.end(),
                  [](const Word& a, const Word& b) { return a.box.top() < b.box.top(); });
        for (const Word& w : onKeyPage) {
            headings.append(w.text.toInt());
        }
        QCOMPARE(headings, (QList<int>{100, 101, 102, 103}));
        for (int pupil = 0; pupil < 4; ++pupil) {
            QCOMPARE(keys[pupil], modelKey(100 + pupil, 45));
        }
        QVERIFY(answerKeys(words, 0, 7).isEmpty() || numberedRows(words, 0, 7).isEmpty());
    }

    // --key-output: the sheets without keys, the keys alone; --output -: the PDF on standard
    // output, the same as in a file.
    void keysInTheirOwnFileAndSheetsOnStandardOutput()
    {
        const QString keyFile = path(u"keys.pdf"_s);
        const ToolRun run = runSheets(choose(
            20, 7, {u"--pupils"_s, u"3"_s, u"--key-output"_s, keyFile, u"--output"_s, u"-"_s}));
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(run.outBytes.startsWith("%PDF-") && run.outBytes.trimmed().endsWith("%%EOF"));
        const QString piped = path(u"piped.pdf"_s);
        QFile file(piped);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(run.outBytes);
        file.close();
        const QString written = path(u"written.pdf"_s);
        QCOMPARE(runSheets(choose(20, 7, {u"--pupils"_s, u"3"_s, u"--output"_s, written})).status,
                 0);
        QCOMPARE(pdfText(piped), pdfText(written));
        QCOMPARE(pdfText(piped).count(u'\f'), 3); // three sheets of one page, no key

        const QList<QMap<int, QString>> keys = answerKeys(pdfWords(keyFile), 0, 9);
        QCOMPARE(pdfText(keyFile).count(u'\f'), 1);
        QCOMPARE(keys.size(), 3);
        for (int pupil = 0; pupil < 3; ++pupil) {
            QCOMPARE(keys[pupil], modelKey(7 + pupil, 20));
        }
    }

    // The school and class fields, read back: every word of both is on the first page, and the
    // part each takes overlaps neither the other's nor anything else.
    void headerFieldsNeverOverlap_data()
    {
        QTest::addColumn<int>("school");
        QTest::addColumn<int>("className");
        const int longest = sheets::kMaxHeaderText;
        QTest::newRow("both longest") << longest << longest;
        QTest::newRow("long school") << longest << 20;
        QTest::newRow("long class") << 20 << longest;
        QTest::newRow("both short") << 30 << 15;
    }
    void headerFieldsNeverOverlap()
    {
        QFETCH(int, school);
        QFETCH(int, className);
        const QString pdf = path(u"header.pdf"_s);
        const QString schoolText = tokens(u's', school);
        const QString classText = tokens(u'c', className);
        QCOMPARE(runSheets(choose(30, 3,
                                  {u"--school"_s, schoolText, u"--class"_s, classText,
                                   u"--name-line"_s, u"--output"_s, pdf}))
                     .status,
                 0);
        // The fields' tokens; then each field's label ("المدرسة:", "الصف:"), the word that
        // stands on the line of one of its tokens, close beside it.
        QList<Word> fields[2];
        QList<Word> others;
        const QRegularExpression token[2] = {QRegularExpression(u"^s\\d{3}$"_s),
                                             QRegularExpression(u"^c\\d{3}$"_s)};
        const QList<Word> words = pdfWords(pdf);
        for (const Word& w : words) {
            const int field = token[0].match(w.text).hasMatch()   ? 0
                              : token[1].match(w.text).hasMatch() ? 1
                                                                  : -1;
            if (w.page == 0 && field >= 0) {
                fields[field].append(w);
            }
        }
        // The labels come out of the PDF in pieces (some of their letters): a piece on a line
        // of a field, nearer to that field's words than to the other's, belongs to it.
        QList<Word> rest;
        for (const Word& w : words) {
            if (w.page == 0 && !token[0].match(w.text).hasMatch() &&
                !token[1].match(w.text).hasMatch()) {
                rest.append(w);
            }
        }
        for (bool attached = true; attached;) {
            attached = false;
            for (qsizetype i = 0; i < rest.size(); ++i) {
                std::array<double, 2> distance = {1e9, 1e9};
                for (int f = 0; f < 2; ++f) {
                    for (const Word& t : fields[f]) {
                        if (std::abs(t.box.center().y() - rest[i].box.center().y()) < 2) {
                            distance[f] =
                                std::min(distance[f], std::max(t.box.left() - rest[i].box.right(),
                                                               rest[i].box.left() - t.box.right()));
                        }
                    }
                }
                const int f = distance[0] <= distance[1] ? 0 : 1;
                if (distance[f] < 30) {
                    fields[f].append(rest.takeAt(i--));
                    attached = true;
                }
            }
        }
        others = rest;
        QRectF schoolPart;
        QRectF classPart;
        QStringList schoolWords;
        QStringList classWords;
        for (const Word& w : fields[0]) {
            schoolPart = schoolPart.isNull() ? w.box : schoolPart.united(w.box);
            schoolWords.append(w.text);
        }
        for (const Word& w : fields[1]) {
            classPart = classPart.isNull() ? w.box : classPart.united(w.box);
            classWords.append(w.text);
        }
        // Beside the tokens, each field has its label.
        QVERIFY(schoolWords.size() > schoolText.split(u' ').size());
        QVERIFY(classWords.size() > classText.split(u' ').size());
        schoolWords.removeIf([&](const QString& w) { return !token[0].match(w).hasMatch(); });
        classWords.removeIf([&](const QString& w) { return !token[1].match(w).hasMatch(); });
        schoolWords.sort();
        classWords.sort();
        QCOMPARE(schoolWords, schoolText.split(u' '));
        QCOMPARE(classWords, classText.split(u' '));
        QVERIFY2(!schoolPart.intersects(classPart),
                 qPrintable(u"%1 %2"_s.arg(schoolPart.bottom()).arg(classPart.top())));
        for (const Word& other : others) {
            QVERIFY2(!schoolPart.intersects(other.box) && !classPart.intersects(other.box),
                     qPrintable(other.text));
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetSetPdf)
#include "test_sheet_set_pdf.moc"
