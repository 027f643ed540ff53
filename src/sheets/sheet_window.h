// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teachers' window: the sheet's options in standard controls, right to left with Arabic
// labels, every control reachable with Tab; preview, print and save as PDF all draw the same
// sheets as the command line. Its dialogs are Qt's own, in Arabic once
// installArabicDialogTexts() has run.

#include "sheets/sheet.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace sheets {

// Loads Qt's own Arabic translations, so that the file, print and preview dialogs (and the text
// boxes' menus) speak Arabic. Needs the application; returns whether they were found.
bool installArabicDialogTexts();

class SheetWindow final : public QWidget {
    Q_OBJECT

public:
    explicit SheetWindow(QWidget* parent = nullptr);

    // The sheet the controls describe.
    SheetOptions options() const;

    // Asks where to save (suggesting a name) and returns the path, empty to cancel. The
    // window's own asks with a file dialog; tests answer in its place.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    void setFileChooser(FileChooser chooser);
    // Sets a printer up and returns whether to print; the window's own shows the print dialog.
    using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
    void setPrintDialog(PrintDialog dialog);

    void savePdf();
    void print();
    void preview();

private:
    void activityChanged();
    void pupilsChanged();
    void report(const QString& text);

    QComboBox* activity_ = nullptr;
    QSpinBox* questions_ = nullptr;
    QSpinBox* pupils_ = nullptr;
    QComboBox* mark_ = nullptr;
    QComboBox* digits_ = nullptr;
    QComboBox* separator_ = nullptr;
    QLineEdit* school_ = nullptr;
    QLineEdit* className_ = nullptr;
    QCheckBox* nameLine_ = nullptr;
    QCheckBox* answerKey_ = nullptr;
    QSpinBox* sheetNumber_ = nullptr;
    QLabel* status_ = nullptr;
    FileChooser chooseFile_;
    PrintDialog printDialog_;
};

} // namespace sheets
