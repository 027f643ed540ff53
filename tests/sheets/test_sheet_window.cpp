// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' window: its controls, worked from the keyboard, make the same sheet as the
// writer; saving, printing and the preview all draw it.

#include "pdf_words.h"
#include "sheet_tools.h"
#include "sheets/sheet_layout.h"
#include "sheets/sheet_window.h"
#include "sheets/sheet_writer.h"
#include "window_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

class TestSheetWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Sets every control from the keyboard: the choose activity, 25 questions, 3 pupils, the
    // underline mark, Arabic-Indic digits with the decimal comma, both header texts, the name
    // line, the key and sheet 17.
    static void fillIn(sheets::SheetWindow& window)
    {
        auto* activity = find<QComboBox>(window, "activity");
        activity->setFocus();
        QTest::keyClick(activity, Qt::Key_Down);
        retype(find<QSpinBox>(window, "questions"), u"25"_s);
        retype(find<QSpinBox>(window, "pupils"), u"3"_s);
        auto* mark = find<QComboBox>(window, "mark");
        mark->setFocus();
        QTest::keyClick(mark, Qt::Key_Down);
        for (const char* writing : {"digits", "separator"}) { // from 0123456789 and the point
            find<QComboBox>(window, writing)->setFocus();
            QTest::keyClick(find<QComboBox>(window, writing), Qt::Key_Down);
        }
        retype(find<QLineEdit>(window, "school"), u"مدرسة النور"_s);
        retype(find<QLineEdit>(window, "className"), u"السادس ب"_s);
        for (const char* box : {"nameLine", "answerKey"}) {
            find<QCheckBox>(window, box)->setFocus();
            QTest::keyClick(find<QCheckBox>(window, box), Qt::Key_Space);
        }
        retype(find<QSpinBox>(window, "sheetNumber"), u"17"_s);
        QTest::keyClick(find<QSpinBox>(window, "sheetNumber"), Qt::Key_Tab);
    }

    static sheets::SheetOptions expected()
    {
        sheets::SheetOptions options;
        options.activity = sheets::Activity::Choose;
        options.questions = 25;
        options.pupils = 3;
        options.mark = sheets::DigitMark::Underline;
        options.school = u"مدرسة النور"_s;
        options.className = u"السادس ب"_s;
        options.nameAndDateLine = true;
        options.answerKey = true;
        options.sheetNumber = 17;
        options.writing =
            core::NumberWriting(core::DigitSet::ArabicIndic, core::SeparatorKind::Comma);
        return options;
    }

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void savesWhatTheControlsSay()
    {
        sheets::SheetWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fillIn(window);
        QVERIFY(window.options() == expected());

        QString suggested;
        const QString saved = dir_.filePath(u"window.pdf"_s);
        window.setFileChooser([&](QWidget*, const QString& name) {
            suggested = name;
            return QString(saved);
        });
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(suggested,
                     u"اوراق-17-19.pdf"_s); // a shortcut clicks its button a moment later
        QVERIFY(QFile::exists(saved));
        QVERIFY(find<QLabel>(window, "status")->text().contains(u"window.pdf"_s));

        const QString direct = dir_.filePath(u"direct.pdf"_s);
        QCOMPARE(sheets::writeSheetsPdf(sheets::makeClassSet(expected()), direct), QString());
        const QString text = pdfText(saved);
        QStringList words;
        for (const Word& word : pdfWords(saved)) {
            words.append(word.text);
        }
        QVERIFY(words.contains(u"(٢٥)"_s) && !words.contains(u"(٢٦)"_s));
        QVERIFY(words.contains(u"٠,٠٠٧"_s) && !text.contains(u'0'));
        QCOMPARE(text.count(u'\f'), 3 + 1); // three sheets, their keys on one page
        QCOMPARE(text, pdfText(direct));

        // Printing draws the same sheet on the printer the dialog set up.
        const QString printed = dir_.filePath(u"printed.pdf"_s);
        QPageSize::PageSizeId offered = QPageSize::Letter;
        window.setPrintDialog([&](QWidget*, QPrinter& printer) {
            offered = printer.pageLayout().pageSize().id();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        });
        find<QPushButton>(window, "print")->click();
        QCOMPARE(offered, QPageSize::A4);
        QCOMPARE(pdfText(printed), text);

        // A cancelled dialog writes nothing.
        window.setFileChooser([](QWidget*, const QString&) { return QString(); });
        QVERIFY(QFile::remove(saved));
        find<QPushButton>(window, "savePdf")->click();
        QVERIFY(!QFile::exists(saved));
    }

    void previewShowsTheSheetsPages()
    {
        sheets::SheetWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fillIn(window); // three sheets of 25 questions and their keys: four pages
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(window.findChild<QPrintPreviewDialog*>(u"previewDialog"_s) != nullptr);
        auto* dialog = window.findChild<QPrintPreviewDialog*>(u"previewDialog"_s);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(pages != nullptr);
        QTRY_COMPARE(pages->pageCount(), 4);
        dialog->close();
    }

    void readingHasNoKeyAndNoMark()
    {
        sheets::SheetWindow window;
        auto* key = find<QCheckBox>(window, "answerKey");
        key->setChecked(true);
        find<QComboBox>(window, "activity")->setCurrentIndex(2);
        QCOMPARE(window.options().activity, sheets::Activity::Read);
        QVERIFY(!key->isEnabled());
        QVERIFY(!find<QComboBox>(window, "mark")->isEnabled());
        QVERIFY(!find<QComboBox>(window, "separator")->isEnabled());
        QVERIFY(find<QComboBox>(window, "digits")->isEnabled());
        QVERIFY(!window.options().answerKey);
        find<QComboBox>(window, "activity")->setCurrentIndex(0);
        QVERIFY(key->isEnabled());
        QVERIFY(window.options().answerKey);
    }

    // The digits and the separator start as the regional settings write numbers, also where
    // those are neither of the named ones (Persian digits).
    void writingStartsAsTheRegionalSettings_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("items");
        QTest::newRow("C") << u"C"_s << u"0123456789"_s << 2;
        QTest::newRow("ar_EG") << u"ar_EG"_s << u"٠١٢٣٤٥٦٧٨٩"_s << 2;
        QTest::newRow("ar_MA") << u"ar_MA"_s << u"0123456789"_s << 2;
        QTest::newRow("fa_IR") << u"fa_IR"_s << u"۰۱۲۳۴۵۶۷۸۹"_s << 3;
    }
    void writingStartsAsTheRegionalSettings()
    {
        QFETCH(QString, locale);
        QFETCH(QString, digits);
        QFETCH(int, items);
        QLocale::setDefault(QLocale(locale));
        const sheets::SheetWindow window;
        QVERIFY(window.options().writing == core::regionalWriting());
        QCOMPARE(find<QComboBox>(window, "digits")->currentText(), digits);
        QCOMPARE(find<QComboBox>(window, "digits")->count(), items);
        QCOMPARE(find<QComboBox>(window, "separator")->count(), 3);
    }

    // Right to left, and Tab reaches every control and button in turn.
    void keyboardReachesEveryControl()
    {
        sheets::SheetWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
        auto* activity = find<QComboBox>(window, "activity");
        // The labels stand at the right of their controls.
        const auto labels = window.findChildren<QLabel*>();
        const auto buddy = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel* l) { return l->buddy() == activity; });
        QVERIFY(buddy != labels.end());
        QVERIFY((*buddy)->geometry().left() >= activity->geometry().right());
        activity->setFocus();
        QStringList reached;
        for (int i = 0; i < 14; ++i) {
            reached.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(reached, (QStringList{u"activity"_s, u"questions"_s, u"pupils"_s, u"mark"_s,
                                       u"digits"_s, u"separator"_s, u"school"_s, u"className"_s,
                                       u"nameLine"_s, u"answerKey"_s, u"sheetNumber"_s,
                                       u"preview"_s, u"print"_s, u"savePdf"_s}));
        for (const QString& name : reached) {
            QVERIFY2(!window.findChild<QWidget*>(name)->accessibleName().isEmpty() ||
                         window.findChild<QAbstractButton*>(name) != nullptr,
                     qPrintable(name));
        }
    }

    // The header fields take no more than fits; a class set keeps to the sheet numbers.
    void controlsKeepToWhatFits()
    {
        sheets::SheetWindow window;
        for (const char* field : {"school", "className"}) {
            auto* edit = find<QLineEdit>(window, field);
            edit->setText(QString(300, QChar(u'م')));
            QCOMPARE(edit->text().size(), sheets::kMaxHeaderText);
        }
        auto* number = find<QSpinBox>(window, "sheetNumber");
        number->setValue(999999999);
        find<QSpinBox>(window, "pupils")->setValue(30);
        QCOMPARE(number->value(), 999999970);
        QCOMPARE(window.options().sheetNumber + 29, sheets::kMaxSheetNumber);
        find<QSpinBox>(window, "pupils")->setValue(1);
        QCOMPARE(number->maximum(), 999999999);
    }
};

QTEST_MAIN(TestSheetWindow)
#include "test_sheet_window.moc"
