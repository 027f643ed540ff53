// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows: the worksheet maker's dialogs speak Arabic with Qt's own translations, compiled into
// the program (a Windows PC has none of Qt's files).

#include "../sheets/window_controls.h"
#include "sheets/sheet_window.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestSheetsWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dialogsSpeakArabic()
    {
        QVERIFY(QFile::exists(u":/qt-translations/qtbase_ar.qm"_s));
        QVERIFY(sheets::installArabicDialogTexts());
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
                 u"معاينة الطّباعة"_s);
        sheets::SheetWindow window;
        QVERIFY(saveDialogSpeaksArabic(&window));
    }
};

QTEST_MAIN(TestSheetsWindows)
#include "test_sheets_windows.moc"
