// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the pictures of the worksheet maker for the README on the offscreen platform: the
// teachers' window; the first page and the key of sheet 17, a choose sheet, a sheet of ten
// questions, and a class set of thirty (through pdftoppm).
//   render_sheets OUTPUT_FOLDER

#include "sheets/sheet_window.h"
#include "sheets/sheet_writer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool report(bool ok, const QString& path)
{
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}

bool writePdf(const sheets::SheetOptions& options, const QString& pdf)
{
    return report(sheets::writeSheetsPdf(sheets::makeClassSet(options), pdf).isEmpty(), pdf);
}

// One page of a PDF as a PNG at this many dots per inch.
bool renderPage(const QString& pdf, int page, const QString& png, int dpi = 60)
{
    const QString number = QString::number(page);
    const int status =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), QStringLiteral("-f"), number,
                           QStringLiteral("-l"), number, pdf, png.chopped(4)});
    return report(status == 0, png);
}

// Pages of a PDF side by side, small, on a grey ground: a glance at a whole class set.
bool renderPageRow(const QString& pdf, const QList<int>& pages, const QString& png,
                   const QDir& scratch)
{
    QList<QImage> images;
    for (const int page : pages) {
        const QString one = scratch.filePath(QStringLiteral("page-%1.png").arg(page));
        if (!renderPage(pdf, page, one, 30)) {
            return false;
        }
        images.append(QImage(one));
    }
    constexpr int kGap = 12;
    const QSize page = images.constFirst().size();
    QImage row(kGap + static_cast<int>(images.size()) * (page.width() + kGap),
               page.height() + 2 * kGap, QImage::Format_RGB32);
    row.fill(QColor(200, 200, 200));
    QPainter painter(&row);
    for (qsizetype i = 0; i < images.size(); ++i) {
        // Right to left, as the pages of an Arabic document are laid out.
        const int x = row.width() - static_cast<int>(i + 1) * (page.width() + kGap);
        painter.drawImage(x, kGap, images.at(i));
    }
    painter.end();
    return report(row.save(png), png);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    if (argc != 2) {
        QTextStream(stderr) << "usage: render_sheets OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    bool ok = folder.mkpath(QStringLiteral(".")) && scratch.isValid();
    const QDir scratchDir(scratch.path());

    sheets::SheetOptions write;
    write.activity = sheets::Activity::Write;
    write.questions = 30;
    write.sheetNumber = 17;
    write.answerKey = true;
    write.school = QStringLiteral(u"مدرسة النور الابتدائية");
    write.className = QStringLiteral(u"السادس ب");
    write.nameAndDateLine = true;
    const QString writePdf17 = scratchDir.filePath(QStringLiteral("write.pdf"));
    ok = writePdf(write, writePdf17) && ok;
    ok = renderPage(writePdf17, 1, folder.filePath(QStringLiteral("write-sheet-17.png"))) && ok;
    ok = renderPage(writePdf17, 2, folder.filePath(QStringLiteral("write-sheet-17-key.png"))) && ok;

    sheets::SheetOptions ten = write;
    ten.questions = 10;
    ten.answerKey = false;
    const QString tenPdf = scratchDir.filePath(QStringLiteral("ten.pdf"));
    ok = writePdf(ten, tenPdf) && ok;
    ok = renderPage(tenPdf, 1, folder.filePath(QStringLiteral("ten-questions.png"))) && ok;

    sheets::SheetOptions choose;
    choose.activity = sheets::Activity::Choose;
    choose.questions = 60;
    choose.sheetNumber = 17;
    choose.mark = sheets::DigitMark::Underline;
    choose.nameAndDateLine = true;
    const QString choosePdf = scratchDir.filePath(QStringLiteral("choose.pdf"));
    ok = writePdf(choose, choosePdf) && ok;
    ok = renderPage(choosePdf, 1, folder.filePath(QStringLiteral("choose-sheet-17.png"))) && ok;

    // Thirty sheets of thirty questions: the first four, then the first and last key pages.
    sheets::SheetOptions set = write;
    set.pupils = 30;
    const QString setPdf = scratchDir.filePath(QStringLiteral("set.pdf"));
    ok = writePdf(set, setPdf) && ok;
    ok = renderPageRow(setPdf, {1, 2, 3, 4, 31, 35},
                       folder.filePath(QStringLiteral("class-set-30.png")), scratchDir) &&
         ok;
    ok = renderPage(setPdf, 31, folder.filePath(QStringLiteral("class-set-30-keys.png"))) && ok;

    QApplication::setLayoutDirection(Qt::RightToLeft);
    sheets::installArabicDialogTexts();
    sheets::SheetWindow window;
    window.findChild<QLineEdit*>(QStringLiteral("school"))->setText(write.school);
    window.findChild<QLineEdit*>(QStringLiteral("className"))->setText(write.className);
    window.findChild<QSpinBox*>(QStringLiteral("questions"))->setValue(write.questions);
    window.findChild<QSpinBox*>(QStringLiteral("pupils"))->setValue(set.pupils);
    window.findChild<QSpinBox*>(QStringLiteral("sheetNumber"))->setValue(17);
    window.show();
    const QString windowPng = folder.filePath(QStringLiteral("window.png"));
    ok = report(window.grab().save(windowPng), windowPng) && ok;
    return ok ? 0 : 1;
}
