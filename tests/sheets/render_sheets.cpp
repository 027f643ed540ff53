// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the pictures of the worksheet maker for the README on the offscreen platform: the
// teachers' window, and the first page and the answer key of two sheets (through pdftoppm).
//   render_sheets OUTPUT_FOLDER

#include "sheets/sheet_window.h"
#include "sheets/sheet_writer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
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

// One page of a PDF as a PNG at 60 dots per inch.
bool renderPage(const QString& pdf, int page, const QString& png)
{
    const QString number = QString::number(page);
    const int status =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), QStringLiteral("-f"), number,
                           QStringLiteral("-l"), number, pdf, png.chopped(4)});
    return report(status == 0, png);
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

    sheets::SheetOptions write;
    write.activity = sheets::Activity::Write;
    write.questions = 30;
    write.sheetNumber = 17;
    write.answerKey = true;
    write.school = QStringLiteral(u"مدرسة النور الابتدائية");
    write.className = QStringLiteral(u"السادس ب");
    write.nameAndDateLine = true;
    const QString writePdf = scratch.filePath(QStringLiteral("write.pdf"));
    ok =
        report(sheets::writeSheetPdf(sheets::makeSheet(write), writePdf).isEmpty(), writePdf) && ok;
    ok = renderPage(writePdf, 1, folder.filePath(QStringLiteral("write-sheet-17.png"))) && ok;
    ok = renderPage(writePdf, 2, folder.filePath(QStringLiteral("write-sheet-17-key.png"))) && ok;

    sheets::SheetOptions choose;
    choose.activity = sheets::Activity::Choose;
    choose.questions = 60;
    choose.sheetNumber = 17;
    choose.mark = sheets::DigitMark::Underline;
    const QString choosePdf = scratch.filePath(QStringLiteral("choose.pdf"));
    ok = report(sheets::writeSheetPdf(sheets::makeSheet(choose), choosePdf).isEmpty(), choosePdf) &&
         ok;
    ok = renderPage(choosePdf, 1, folder.filePath(QStringLiteral("choose-sheet-17.png"))) && ok;

    QApplication::setLayoutDirection(Qt::RightToLeft);
    sheets::SheetWindow window;
    window.findChild<QLineEdit*>(QStringLiteral("school"))->setText(write.school);
    window.findChild<QLineEdit*>(QStringLiteral("className"))->setText(write.className);
    window.findChild<QSpinBox*>(QStringLiteral("questions"))->setValue(write.questions);
    window.findChild<QSpinBox*>(QStringLiteral("sheetNumber"))->setValue(17);
    window.show();
    const QString windowPng = folder.filePath(QStringLiteral("window.png"));
    ok = report(window.grab().save(windowPng), windowPng) && ok;
    return ok ? 0 : 1;
}
