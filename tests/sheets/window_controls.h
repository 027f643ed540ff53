// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Working the teachers' window's controls as a teacher would, from the keyboard.

#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <algorithm>

template <typename Control> Control* find(const QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return control;
}

// Types into a control that has the focus, replacing what it holds.
inline void retype(QWidget* control, const QString& text)
{
    control->setFocus();
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) { // Arabic letters too, which keyClicks cannot type
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Whether Qt's own save dialog (not the desktop's), opened over `parent`, names its button "حفظ".
inline bool saveDialogSpeaksArabic(QWidget* parent)
{
    QFileDialog files(parent);
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    const auto buttons = files.findChildren<QPushButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton* button) {
        return button->text().contains(QStringLiteral(u"حفظ"));
    });
}
