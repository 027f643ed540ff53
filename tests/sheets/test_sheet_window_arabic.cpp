// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' window in Arabic: Qt's own dialogs speak it, and the status line keeps a saved
// path in its own order.

#include "sheets/sheet_window.h"
#include "window_controls.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

using namespace Qt::Literals::StringLiterals;

class TestSheetWindowArabic : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    // The status line keeps a saved path in its own left-to-right order: drawn, the parts of
    // /.../home/teacher/اوراق/week-3.pdf stand left to right in that order, from its first slash.
    void savedPathKeepsItsOrder()
    {
        sheets::SheetWindow window;
        const QString folder = dir_.filePath(u"home/teacher/اوراق"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir::toNativeSeparators(folder + u"/week-3.pdf"_s);
        window.setFileChooser([&](QWidget*, const QString&) { return QString(path); });
        window.savePdf();
        const QString status = find<QLabel>(window, "status")->text();
        QVERIFY2(status.contains(QChar(0x2066) + path + QChar(0x2069)), qPrintable(status));
        QTextLayout layout(status, find<QLabel>(window, "status")->font());
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        // The left edge of a part: before its first letter, or after the last of an Arabic one.
        const auto leftEdge = [&](const QString& part, bool arabic) {
            const auto at = static_cast<int>(status.indexOf(part, status.indexOf(path)));
            return line.cursorToX(arabic ? at + static_cast<int>(part.size()) : at);
        };
        // The first slash: the right edge of the path's first character.
        double previous = line.cursorToX(static_cast<int>(status.indexOf(path)) + 1) - 0.01;
        const QString first = path.mid(1).section(QDir::separator(), 0, 0);
        for (const QString& part :
             {first, u"home"_s, u"teacher"_s, u"اوراق"_s, u"week-3"_s, u"pdf"_s}) {
            const double left = leftEdge(part, part == u"اوراق"_s);
            QVERIFY2(left > previous, qPrintable(part));
            previous = left;
        }
    }

    // Qt's own dialogs speak Arabic: the preview's title and the file dialog's buttons.
    void dialogsSpeakArabic()
    {
        QVERIFY(sheets::installArabicDialogTexts());
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
                 u"معاينة الطّباعة"_s);
        sheets::SheetWindow window;
        window.show();
        window.preview();
        auto* dialog = window.findChild<QPrintPreviewDialog*>(u"previewDialog"_s);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), u"معاينة الطّباعة"_s);
        dialog->close();
        QVERIFY(saveDialogSpeaksArabic(&window));
    }
};

QTEST_MAIN(TestSheetWindowArabic)
#include "test_sheet_window_arabic.moc"
