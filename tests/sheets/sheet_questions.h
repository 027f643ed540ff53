// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sheet's questions as text, for the tests of what a sheet holds.

#include "core/number_writing.h"
#include "sheets/sheet.h"

#include <QMetaType>
#include <QStringList>

Q_DECLARE_METATYPE(core::NumberWriting)

// One line for each question: the whole-part caption | the tenths, hundredths and thousandths |
// the marked one (0 for the tenths); or the reading number.
inline QStringList sheetText(const sheets::Sheet& sheet)
{
    QStringList lines;
    for (const sheets::SheetQuestion& item : sheet.questions) {
        lines.append(item.reading.isEmpty()
                         ? item.wholePart + u'|' + item.decimalDigits.at(0) +
                               item.decimalDigits.at(1) + item.decimalDigits.at(2) + u'|' +
                               QString::number(sheets::markedDigit(item))
                         : item.reading);
    }
    return lines;
}

inline sheets::Sheet sheetOf(sheets::Activity activity, std::uint64_t number, int questions = 60,
                             const core::NumberWriting& writing = core::NumberWriting())
{
    sheets::SheetOptions options;
    options.activity = activity;
    options.sheetNumber = number;
    options.questions = questions;
    options.writing = writing;
    return sheets::makeSheet(options);
}

inline const core::NumberWriting kArabicIndic(core::DigitSet::ArabicIndic,
                                              core::SeparatorKind::ArabicDecimal);

// The text with Arabic-Indic digits turned into 0 to 9.
inline QString westernDigits(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() >= 0x0660 && c.unicode() <= 0x0669) {
            c = QChar(u'0' + (c.unicode() - 0x0660));
        }
    }
    return text;
}
