// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_window.h"

#include "sheets/sheet_layout.h"
#include "sheets/sheet_writer.h"
#include "sheets/writing_choices.h"
#include "toolkit/platform.h"

#include <QApplication>
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
#include <QTranslator>
#include <QVBoxLayout>

namespace sheets {

namespace {

// A left-to-right piece (a path) inside a right-to-left line keeps its own order: it is set
// between the Unicode isolates LRI and PDI.
QString isolatedLeftToRight(const QString& text)
{
    return QChar(0x2066) + text + QChar(0x2069);
}

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

QPushButton* makeButton(const QString& text, const QString& name, const QKeySequence& shortcut,
                        QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setShortcut(shortcut);
    button->setToolTip(shortcut.toString(QKeySequence::NativeText));
    return button;
}

KeyPages keyPagesFor(const SheetOptions& options)
{
    return wantsAnswerKey(options) ? KeyPages::AfterSheets : KeyPages::None;
}

} // namespace

bool installArabicDialogTexts()
{
    static QTranslator* translator = nullptr;
    if (translator == nullptr) {
        translator = new QTranslator(qApp);
        if (!translator->load(QStringLiteral("qtbase_ar"), tk::platform::qtTranslationsFolder())) {
            delete translator;
            translator = nullptr;
            return false;
        }
        QCoreApplication::installTranslator(translator);
    }
    return true;
}

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

    pupils_ = new QSpinBox(this);
    pupils_->setObjectName(QStringLiteral("pupils"));
    pupils_->setRange(kMinPupils, kMaxPupils);
    pupils_->setValue(1);
    pupils_->setToolTip(
        QStringLiteral(u"ورقة مختلفة لكل تلميذ، بارقام متتالية، والاجابات كلها في النهاية"));

    mark_ = new QComboBox(this);
    mark_->setObjectName(QStringLiteral("mark"));
    mark_->addItem(QStringLiteral(u"باللون الاحمر"), static_cast<int>(DigitMark::Red));
    mark_->addItem(QStringLiteral(u"بخط عريض تحته خط (للطابعة بالاسود)"),
                   static_cast<int>(DigitMark::Underline));

    digits_ = makeDigitsChoice(this);
    separator_ = makeSeparatorChoice(this);

    school_ = new QLineEdit(this);
    school_->setObjectName(QStringLiteral("school"));
    school_->setMaxLength(kMaxHeaderText);
    className_ = new QLineEdit(this);
    className_->setObjectName(QStringLiteral("className"));
    className_->setMaxLength(kMaxHeaderText);
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
    form->addRow(QStringLiteral(u"عدد التلاميذ:"), pupils_);
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
    connect(pupils_, &QSpinBox::valueChanged, this, &SheetWindow::pupilsChanged);
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
    options.pupils = pupils_->value();
    options.sheetNumber = static_cast<std::uint64_t>(sheetNumber_->value());
    options.answerKey = answerKey_->isEnabled() && answerKey_->isChecked();
    options.mark = static_cast<DigitMark>(mark_->currentData().toInt());
    options.school = school_->text().simplified();
    options.className = className_->text().simplified();
    options.nameAndDateLine = nameLine_->isChecked();
    options.writing = chosenWriting(*digits_, *separator_);
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

void SheetWindow::pupilsChanged()
{
    // The last sheet of a class set keeps to the sheet numbers' range.
    sheetNumber_->setMaximum(static_cast<int>(maxFirstSheetNumber(pupils_->value())));
}

void SheetWindow::report(const QString& text)
{
    status_->setText(text);
}

void SheetWindow::savePdf()
{
    const SheetOptions chosen = options();
    const auto first = static_cast<qulonglong>(chosen.sheetNumber);
    const QString suggested =
        chosen.pupils == 1
            ? QStringLiteral(u"ورقة-%1.pdf").arg(first)
            : QStringLiteral(u"اوراق-%1-%2.pdf").arg(first).arg(first + chosen.pupils - 1);
    const QString path = chooseFile_(this, suggested);
    if (path.isEmpty()) {
        return;
    }
    const QString error = writeSheetsPdf(makeClassSet(chosen), path);
    const bool one = chosen.pupils == 1;
    report(
        error.isEmpty()
            ? (one ? QStringLiteral(u"حفظت الورقة في ") : QStringLiteral(u"حفظت الاوراق في ")) +
                  isolatedLeftToRight(QDir::toNativeSeparators(path))
            : (one ? QStringLiteral(u"تعذر حفظ الورقة: ") : QStringLiteral(u"تعذر حفظ الاوراق: ")) +
                  isolatedLeftToRight(error));
}

void SheetWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    if (!printDialog_(this, printer)) {
        return;
    }
    const SheetOptions chosen = options();
    const bool printed = paintSheets(makeClassSet(chosen), keyPagesFor(chosen), printer);
    report(printed ? QStringLiteral(u"ارسلت الى الطابعة") : QStringLiteral(u"تعذرت الطباعة"));
}

void SheetWindow::preview()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageLayout(sheetPageLayout());
    auto* dialog = new QPrintPreviewDialog(printer, this);
    dialog->setObjectName(QStringLiteral("previewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    const SheetOptions chosen = options();
    const QList<Sheet> sheets = makeClassSet(chosen);
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [sheets, keys = keyPagesFor(chosen)](QPrinter* target) {
                paintSheets(sheets, keys, *target);
            });
    dialog->open();
}

} // namespace sheets
