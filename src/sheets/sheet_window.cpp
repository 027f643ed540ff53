// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_window.h"

#include "sheets/sheet_layout.h"
#include "sheets/sheet_writer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sheets {

namespace {

QString askForFile(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral(u"حفظ الورقة"),
                                        QDir::home().filePath(suggested),
                                        QStringLiteral(u"PDF (*.pdf)"));
}

bool showPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// A choice of characters, the regional settings' one chosen (and added when it is none of the
// others).
QComboBox* makeCharacterChoice(QWidget* parent, const QString& name,
                               const QList<std::pair<QString, char32_t>>& items, char32_t regional,
                               const QString& regionalText)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const auto& [text, character] : items) {
        box->addItem(text, static_cast<uint>(character));
    }
    if (box->findData(static_cast<uint>(regional)) < 0) {
        box->addItem(regionalText, static_cast<uint>(regional));
    }
    box->setCurrentIndex(box->findData(static_cast<uint>(regional)));
    return box;
}

QPushButton* makeButton(const QString& text, const QString& name, const QKeySequence& shortcut,
                        QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setShortcut(shortcut);
    button->setToolTip(shortcut.toString(QKeySequence::NativeText));
    return button;
}

} // namespace

SheetWindow::SheetWindow(QWidget* parent)
    : QWidget(parent)
    , chooseFile_(askForFile)
    , printDialog_(showPrintDialog)
{
    setObjectName(QStringLiteral("SheetWindow"));
    setWindowTitle(QStringLiteral(u"اوراق عمل البلمزية"));
    setLayoutDirection(Qt::RightToLeft);

    activity_ = new QComboBox(this);
    activity_->setObjectName(QStringLiteral("activity"));
    activity_->addItem(QStringLiteral(u"اكتب البلمزية للرقم المميز"),
                       static_cast<int>(Activity::Write));
    activity_->addItem(QStringLiteral(u"اختر البلمزية من ثلاث قيم"),
                       static_cast<int>(Activity::Choose));
    activity_->addItem(QStringLiteral(u"اعداد للقراءة بصوت عال"), static_cast<int>(Activity::Read));

    questions_ = new QSpinBox(this);
    questions_->setObjectName(QStringLiteral("questions"));
    questions_->setRange(kMinQuestions, kMaxQuestions);
    questions_->setValue(20);

    mark_ = new QComboBox(this);
    mark_->setObjectName(QStringLiteral("mark"));
    mark_->addItem(QStringLiteral(u"باللون الاحمر"), static_cast<int>(DigitMark::Red));
    mark_->addItem(QStringLiteral(u"بخط عريض تحته خط (للطابعة بالاسود)"),
                   static_cast<int>(DigitMark::Underline));

    // The digits shown as they will be printed; each separator by its name and itself.
    const core::NumberWriting regional = core::regionalWriting();
    const core::NumberWriting plain;
    const core::NumberWriting arabic = plain.withDigits(core::DigitSet::ArabicIndic);
    digits_ = makeCharacterChoice(
        this, QStringLiteral("digits"),
        {{plain.write("0123456789"), plain.zeroDigit()},
         {arabic.write("0123456789"), arabic.zeroDigit()}},
        regional.zeroDigit(), core::NumberWriting(regional.zeroDigit(), U'.').write("0123456789"));
    const auto separatorItem = [](const QString& name, char32_t separator) {
        return std::pair{name + QStringLiteral(u" ( ") + core::codePointText(separator) +
                             QStringLiteral(u" )"),
                         separator};
    };
    separator_ = makeCharacterChoice(
        this, QStringLiteral("separator"),
        {separatorItem(QStringLiteral(u"نقطة"), U'.'),
         separatorItem(QStringLiteral(u"فاصلة"), U','),
         separatorItem(QStringLiteral(u"الفاصلة العشرية العربية"), U'\u066B')},
        regional.separator(), separatorItem(QString(), regional.separator()).first);

    school_ = new QLineEdit(this);
    school_->setObjectName(QStringLiteral("school"));
    className_ = new QLineEdit(this);
    className_->setObjectName(QStringLiteral("className"));
    nameLine_ = new QCheckBox(QStringLiteral(u"سطر لاسم التلميذ والتاريخ"), this);
    nameLine_->setObjectName(QStringLiteral("nameLine"));
    answerKey_ = new QCheckBox(QStringLiteral(u"صفحة الاجابات الصحيحة"), this);
    answerKey_->setObjectName(QStringLiteral("answerKey"));

    sheetNumber_ = new QSpinBox(this);
    sheetNumber_->setObjectName(QStringLiteral("sheetNumber"));
    sheetNumber_->setRange(0, static_cast<int>(kMaxSheetNumber));
    sheetNumber_->setValue(1);
    sheetNumber_->setToolTip(QStringLiteral(u"الرقم نفسه يعطي الورقة نفسها على كل جهاز"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral(u"النشاط:"), activity_);
    form->addRow(QStringLiteral(u"عدد الاسئلة:"), questions_);
    form->addRow(QStringLiteral(u"تمييز الرقم:"), mark_);
    form->addRow(QStringLiteral(u"الارقام:"), digits_);
    form->addRow(QStringLiteral(u"الفاصلة العشرية:"), separator_);
    form->addRow(QStringLiteral(u"المدرسة:"), school_);
    form->addRow(QStringLiteral(u"الصف:"), className_);
    form->addRow(QString(), nameLine_);
    form->addRow(QString(), answerKey_);
    form->addRow(QStringLiteral(u"رقم الورقة:"), sheetNumber_);
    // Each label names its control for screen readers and moves the focus to it when clicked.
    for (int row = 0; row < form->rowCount(); ++row) {
        auto* label =
            qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole) != nullptr
                                      ? form->itemAt(row, QFormLayout::LabelRole)->widget()
                                      : nullptr);
        QWidget* field = form->itemAt(row, QFormLayout::FieldRole)->widget();
        if (label != nullptr) {
            label->setBuddy(field);
            field->setAccessibleName(label->text().chopped(1));
        }
    }

    auto* previewButton = makeButton(QStringLiteral(u"معاينة"), QStringLiteral("preview"),
                                     QKeySequence(Qt::CTRL | Qt::Key_R), this);
    auto* printButton =
        makeButton(QStringLiteral(u"طباعة"), QStringLiteral("print"), QKeySequence::Print, this);
    auto* saveButton =
        makeButton(QStringLiteral(u"حفظ PDF"), QStringLiteral("savePdf"), QKeySequence::Save, this);
    saveButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previewButton);
    buttons->addWidget(printButton);
    buttons->addWidget(saveButton);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);
    column->addWidget(status_);

    connect(activity_, &QComboBox::currentIndexChanged, this, &SheetWindow::activityChanged);
    connect(previewButton, &QPushButton::clicked, this, &SheetWindow::preview);
    connect(printButton, &QPushButton::clicked, this, &SheetWindow::print);
    connect(saveButton, &QPushButton::clicked, this, &SheetWindow::savePdf);
    activity_->setFocus();
}

SheetOptions SheetWindow::options() const
{
    SheetOptions options;
    options.activity = static_cast<Activity>(activity_->currentData().toInt());
    options.questions = questions_->value();
    options.sheetNumber = static_cast<std::uint64_t>(sheetNumber_->value());
    options.answerKey = answerKey_->isEnabled() && answerKey_->isChecked();
    options.mark = static_cast<DigitMark>(mark_->currentData().toInt());
    options.school = school_->text().simplified();
    options.className = className_->text().simplified();
    options.nameAndDateLine = nameLine_->isChecked();
    options.writing =
        core::NumberWriting(digits_->currentData().toUInt(), separator_->currentData().toUInt());
    return options;
}

void SheetWindow::setFileChooser(FileChooser chooser)
{
    chooseFile_ = std::move(chooser);
}

void SheetWindow::setPrintDialog(PrintDialog dialog)
{
    printDialog_ = std::move(dialog);
}

void SheetWindow::activityChanged()
{
    // The numbers to read have no answers, no digit to mark and no decimal separator.
    const bool answers = hasAnswers(options().activity);
    answerKey_->setEnabled(answers);
    mark_->setEnabled(answers);
    separator_->setEnabled(answers);
}

void SheetWindow::report(const QString& text)
{
    status_->setText(text);
}

void SheetWindow::savePdf()
{
    const SheetOptions chosen = options();
    const QString suggested =
        QStringLiteral(u"ورقة-%1.pdf").arg(static_cast<qulonglong>(chosen.sheetNumber));
    const QString path = chooseFile_(this, suggested);
    if (path.isEmpty()) {
        return;
    }
    const QString error = writeSheetPdf(makeSheet(chosen), path);
    report(error.isEmpty() ? QStringLiteral(u"حفظت الورقة في ") + QDir::toNativeSeparators(path)
                           : QStringLiteral(u"تعذر حفظ الورقة: ") + error);
}

void SheetWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    if (!printDialog_(this, printer)) {
        return;
    }
    const bool printed = paintSheet(makeSheet(options()), printer);
    report(printed ? QStringLiteral(u"ارسلت الورقة الى الطابعة")
                   : QStringLiteral(u"تعذرت الطباعة"));
}

void SheetWindow::preview()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageLayout(sheetPageLayout());
    auto* dialog = new QPrintPreviewDialog(printer, this);
    dialog->setObjectName(QStringLiteral("previewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    const Sheet sheet = makeSheet(options());
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [sheet](QPrinter* target) { paintSheet(sheet, *target); });
    dialog->open();
}

} // namespace sheets
