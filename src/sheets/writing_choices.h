// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teachers' window's choices of how numbers are written: the digits, shown as they will be
// printed, and the decimal separator, by its name and itself. Each starts at the regional
// settings' one, which is added to the choice when it is none of the named ones (Persian
// digits, say).

#include "core/number_writing.h"

class QComboBox;
class QWidget;

namespace sheets {

QComboBox* makeDigitsChoice(QWidget* parent);
QComboBox* makeSeparatorChoice(QWidget* parent);

// The writing the two choices make.
core::NumberWriting chosenWriting(const QComboBox& digits, const QComboBox& separator);

} // namespace sheets
