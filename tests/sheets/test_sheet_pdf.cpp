// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The PDFs the command line writes, read back with poppler-utils: the same sheet number gives
// the same text, the questions and the key on the sheet follow the drill's rules, A4 pages,
// embedded faces, a mark a pupil can see.

#include "core/number_text.h"
#include "pdf_words.h"
#include "sheet_tools.h"
#include "sheets/sheet.h"

#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace Qt::Literals::StringLiterals;
using sheets::Activity;

namespace {

QString tenthsEtc(int place, int digit, const core::NumberWriting& writing)
{
    return core::FormatNumber(static_cast<float>(digit) / (place == 0   ? 10.0F
                                                           : place == 1 ? 100.0F
                                                                        : 1000.0F),
                              writing);
}

} // namespace

class TestSheetPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QString& name, const QStringList& options)
    {
        const QString path = dir_.filePath(name);
        const ToolRun run = runSheets(options + QStringList{u"--output"_s, path});
        return run.status == 0 && run.err.isEmpty() ? path : QString();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void sameNumberSameText_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::newRow("write") << u"write"_s;
        QTest::newRow("choose") << u"choose"_s;
        QTest::newRow("read") << u"read"_s;
    }
    void sameNumberSameText()
    {
        QFETCH(QString, activity);
        const auto text = [&](const QString& name, const QString& seed) {
            const QString pdf = write(
                name, {u"--activity"_s, activity, u"--questions"_s, u"40"_s, u"--seed"_s, seed});
            return pdf.isEmpty() ? QString() : pdfText(pdf);
        };
        const QString first = text(u"a.pdf"_s, u"17"_s);
        QVERIFY(first.count(QRegularExpression(u"[0-9]"_s)) > 100);
        QCOMPARE(text(u"b.pdf"_s, u"17"_s), first);
        QVERIFY(text(u"c.pdf"_s, u"18"_s) != first);
    }

    // What the sheet shows, read back: every question once, shown as the drill shows it, no
    // number twice; the key's answer the value of a non-zero digit of that question at its
    // place, and the marked places in turn, each place marked once in every three questions;
    // in the digits and with the separator asked for.
    void sheetAndKeyFollowTheRules_data()
    {
        QTest::addColumn<Activity>("activity");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("writingOptions");
        QTest::addColumn<core::NumberWriting>("writing");
        const QStringList arabic = {u"--digits"_s, u"arabic"_s, u"--separator"_s, u"arabic"_s};
        QTest::newRow("write") << Activity::Write << u"write"_s << QStringList()
                               << core::NumberWriting();
        QTest::newRow("choose") << Activity::Choose << u"choose"_s << QStringList()
                                << core::NumberWriting();
        QTest::newRow("write, Arabic-Indic")
            << Activity::Write << u"write"_s << arabic << kArabicIndic;
        QTest::newRow("choose, Arabic-Indic")
            << Activity::Choose << u"choose"_s << arabic << kArabicIndic;
        QTest::newRow("choose, comma")
            << Activity::Choose << u"choose"_s << QStringList{u"--separator"_s, u"comma"_s}
            << core::NumberWriting(U'0', U',');
    }
    void sheetAndKeyFollowTheRules()
    {
        QFETCH(Activity, activity);
        QFETCH(QString, name);
        QFETCH(QStringList, writingOptions);
        QFETCH(core::NumberWriting, writing);
        const QString pdf =
            write(u"key.pdf"_s, QStringList{u"--activity"_s, name, u"--questions"_s, u"60"_s,
                                            u"--seed"_s, u"4242"_s, u"--answers"_s} +
                                    writingOptions);
        QVERIFY(!pdf.isEmpty());
        const QList<Word> words = pdfWords(pdf);
        const QMap<int, Row> questions = numberedRows(words, 0, 1);
        const QList<QMap<int, QString>> keys = answerKeys(words, 2, 2);
        QCOMPARE(questions.size(), 60);
        QCOMPARE(keys.size(), 1);
        const QMap<int, QString>& key = keys.first();
        QCOMPARE(key.size(), 60);
        QCOMPARE(questions.firstKey(), 1);
        QCOMPARE(questions.lastKey(), 60);

        sheets::SheetOptions options;
        options.activity = activity;
        options.questions = 60;
        options.sheetNumber = 4242;
        options.writing = writing;
        const sheets::Sheet model = sheets::makeSheet(options);
        const QRegularExpression shown(u"^(0|[1-9][0-9]{0,2}) و ([0-9]) ([0-9]) ([0-9])$"_s);
        QSet<QString> numbers;
        std::array<int, 3> marked{};
        for (int n = 1; n <= 60; ++n) {
            const Row& row = questions[n];
            QCOMPARE(row.page, n <= 30 ? 0 : 1);
            // The values to circle stand left of the number on its line.
            const qsizetype values = activity == Activity::Choose ? 3 : 0;
            const QString number = row.line.mid(values).join(u' ');
            const auto m = shown.match(westernDigits(number));
            QVERIFY2(m.hasMatch(), qPrintable(u"%1: %2"_s.arg(n).arg(row.line.join(u' '))));
            QVERIFY(row.below.isEmpty());
            QCOMPARE(number.section(u' ', 0, 0), writing.writeWhole(m.captured(1).toInt()));
            QCOMPARE(u" و"_s + m.captured(1), westernDigits(model.questions[n - 1].wholePart));
            QVERIFY2(!numbers.contains(number), qPrintable(number));
            numbers.insert(number);
            const QString answer = key[n];
            QStringList valuesOfNonZeroDigits;
            for (int place = 0; place < 3; ++place) {
                const int digit = m.captured(2 + place).toInt();
                if (digit != 0) {
                    valuesOfNonZeroDigits.append(tenthsEtc(place, digit, writing));
                }
            }
            QVERIFY2(valuesOfNonZeroDigits.contains(answer), qPrintable(answer));
            QCOMPARE(answer, sheets::answerText(model.questions[n - 1]));
            ++marked.at(answer.size() - 3); // 0.7, 0.07, 0.007
            if (n % 3 == 0) {
                QCOMPARE(marked, (std::array<int, 3>{n / 3, n / 3, n / 3}));
            }
            if (activity == Activity::Choose) {
                // Thousandths at the right, tenths at the left: read left to right, tenths first.
                const int digit = westernDigits(answer.back()).toInt();
                QCOMPARE(row.line.mid(0, 3),
                         (QStringList{tenthsEtc(0, digit, writing), tenthsEtc(1, digit, writing),
                                      tenthsEtc(2, digit, writing)}));
            }
        }
    }

    void readingNumbersAreTheModels_data()
    {
        QTest::addColumn<QStringList>("writingOptions");
        QTest::addColumn<core::NumberWriting>("writing");
        QTest::newRow("0 to 9") << QStringList() << core::NumberWriting();
        QTest::newRow("Arabic-Indic")
            << QStringList{u"--digits"_s, u"arabic"_s} << core::NumberWriting(U'\u0660', U'.');
    }
    void readingNumbersAreTheModels()
    {
        QFETCH(QStringList, writingOptions);
        QFETCH(core::NumberWriting, writing);
        const QString pdf =
            write(u"read.pdf"_s, QStringList{u"--activity"_s, u"read"_s, u"--questions"_s, u"60"_s,
                                             u"--seed"_s, u"7"_s} +
                                     writingOptions);
        QVERIFY(!pdf.isEmpty());
        const QMap<int, Row> rows = numberedRows(pdfWords(pdf), 0, 1);
        QCOMPARE(rows.size(), 60);
        sheets::SheetOptions options;
        options.activity = Activity::Read;
        options.questions = 60;
        options.sheetNumber = 7;
        options.writing = writing;
        const sheets::Sheet model = sheets::makeSheet(options);
        QSet<QString> readings;
        // The first number stands at the right, as on the reading practice screen.
        for (int n = 1; n <= 60; ++n) {
            const QStringList numbers = model.questions[n - 1].reading.split(u'و');
            QCOMPARE(numbers.size(), 2);
            QCOMPARE(rows[n].line, QStringList{numbers[1] + u'و' + numbers[0]});
            QVERIFY(numbers[1] != writing.writeWhole(0));
            readings.insert(rows[n].line.first());
        }
        QCOMPARE(readings.size(), 60); // no number twice
    }

    void pagesAreA4_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        const QStringList sixty = {u"--questions"_s, u"60"_s, u"--seed"_s, u"1"_s};
        QTest::newRow("write 60 and key")
            << QStringList{u"--activity"_s, u"write"_s} + sixty + QStringList{u"--answers"_s} << 3;
        QTest::newRow("choose 60") << QStringList{u"--activity"_s, u"choose"_s} + sixty << 2;
        QTest::newRow("read 60") << QStringList{u"--activity"_s, u"read"_s} + sixty << 2;
        QTest::newRow("write 30 and key")
            << QStringList{u"--activity"_s, u"write"_s, u"--questions"_s, u"30"_s,
                           u"--seed"_s,     u"1"_s,     u"--answers"_s}
            << 2;
        // Thirty sheets, then their keys, seven to a page.
        QTest::newRow("30 pupils, write 30 and keys")
            << QStringList{u"--activity"_s, u"write"_s,     u"--questions"_s, u"30"_s, u"--seed"_s,
                           u"1"_s,          u"--answers"_s, u"--pupils"_s,    u"30"_s}
            << 35;
    }
    void pagesAreA4()
    {
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        const QString pdf = write(u"a4.pdf"_s, options);
        QVERIFY(!pdf.isEmpty());
        const ToolRun info = runTool(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"99"_s, pdf});
        QCOMPARE(info.status, 0);
        QVERIFY2(info.out.contains(QRegularExpression(u"^Pages: +%1$"_s.arg(pages),
                                                      QRegularExpression::MultilineOption)),
                 qPrintable(info.out));
        const QRegularExpression size(u"^Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts \\(A4\\)"_s,
                                      QRegularExpression::MultilineOption);
        int a4 = 0;
        for (auto it = size.globalMatch(info.out); it.hasNext(); ++a4) {
            const auto m = it.next();
            QCOMPARE(qRound(m.captured(1).toDouble()), 595);
            QCOMPARE(qRound(m.captured(2).toDouble()), 842);
        }
        QCOMPARE(a4, pages);
    }

    void facesAreEmbedded()
    {
        const QString pdf = write(u"fonts.pdf"_s, {u"--activity"_s, u"write"_s, u"--questions"_s,
                                                   u"20"_s, u"--seed"_s, u"3"_s, u"--answers"_s,
                                                   u"--mark"_s, u"underline"_s});
        const ToolRun fonts = runTool(u"pdffonts"_s, {pdf});
        QCOMPARE(fonts.status, 0);
        const QStringList lines = fonts.out.trimmed().split(u'\n').mid(2); // after the heading
        QVERIFY2(!lines.isEmpty(), qPrintable(fonts.out));
        QStringList names;
        for (const QString& line : lines) {
            const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
            // name, type (one or two words), encoding, emb, sub, uni, object, generation
            QCOMPARE(columns.at(columns.size() - 5), u"yes"_s);
            names.append(columns.first());
        }
        QVERIFY2(names.contains(u"Amiri-Regular"_s) && names.contains(u"Amiri-Bold"_s),
                 qPrintable(names.join(u' ')));
    }

    // Red is on the page when the mark is red, and nowhere when it is the underline.
    void markShowsOnThePage_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("red");
        QTest::newRow("red") << u"red"_s << true;
        QTest::newRow("underline") << u"underline"_s << false;
    }
    void markShowsOnThePage()
    {
        QFETCH(QString, mark);
        QFETCH(bool, red);
        const QString pdf = write(u"mark.pdf"_s, {u"--activity"_s, u"write"_s, u"--questions"_s,
                                                  u"10"_s, u"--seed"_s, u"5"_s, u"--mark"_s, mark});
        const QString prefix = dir_.filePath(u"mark"_s);
        QCOMPARE(
            runTool(u"pdftoppm"_s, {u"-r"_s, u"50"_s, u"-png"_s, u"-singlefile"_s, pdf, prefix})
                .status,
            0);
        const QImage page(prefix + u".png"_s);
        QVERIFY(!page.isNull());
        int redPixels = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                redPixels += c.red() > 180 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
            }
        }
        QCOMPARE(redPixels >= 10 * 4, red); // ten marked digits of several pixels each
        QCOMPARE(redPixels == 0, !red);
    }
};

QTEST_GUILESS_MAIN(TestSheetPdf)
#include "test_sheet_pdf.moc"
