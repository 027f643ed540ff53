// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' window: its controls, worked from the keyboard, make the same sheet as the
// writer; saving, printing and the preview all draw it.

#include "sheet_tools.h"
#include "sheets/sheet_layout.h"
#include "sheets/sheet_window.h"
#include "sheets/sheet_writer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename Control> Control* find(const QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return control;
}

// Types into a control that has the focus, replacing what it holds.
void retype(QWidget* control, const QString& text)
{
    control->setFocus();
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) { // Arabic letters too, which keyClicks cannot type
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestSheetWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Sets every control from the keyboard: the choose activity, 25 questions, 3 pupils, the
    // underline mark, both header texts, the name line, the key and sheet 17.
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
        return options;
    }

private Q_SLOTS:
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
        QVERIFY(text.contains(u"(25)"_s) && !text.contains(u"(26)"_s));
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
        QVERIFY(!window.options().answerKey);
        find<QComboBox>(window, "activity")->setCurrentIndex(0);
        QVERIFY(key->isEnabled());
        QVERIFY(window.options().answerKey);
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
        for (int i = 0; i < 12; ++i) {
            reached.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(reached, (QStringList{u"activity"_s, u"questions"_s, u"pupils"_s, u"mark"_s,
                                       u"school"_s, u"className"_s, u"nameLine"_s, u"answerKey"_s,
                                       u"sheetNumber"_s, u"preview"_s, u"print"_s, u"savePdf"_s}));
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
            QCOMPARE(edit->text().size(), sheets::kWindowHeaderText);
        }
        auto* number = find<QSpinBox>(window, "sheetNumber");
        number->setValue(999999999);
        find<QSpinBox>(window, "pupils")->setValue(30);
        QCOMPARE(number->value(), 999999970);
        QCOMPARE(window.options().sheetNumber + 29, sheets::kMaxSheetNumber);
        find<QSpinBox>(window, "pupils")->setValue(1);
        QCOMPARE(number->maximum(), 999999999);
    }

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
        QFileDialog files(&window);
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        const auto buttons = files.findChildren<QPushButton*>();
        QVERIFY(std::any_of(buttons.begin(), buttons.end(),
                            [](QPushButton* b) { return b->text().contains(u"حفظ"_s); }));
    }
};

QTEST_MAIN(TestSheetWindow)
#include "test_sheet_window.moc"
