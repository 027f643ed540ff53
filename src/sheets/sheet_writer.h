// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing worksheets as PDF, with their faces embedded: to a file, or to standard output.

#include "sheets/sheet.h"

#include <QString>

namespace sheets {

// The name that stands for standard output.
inline constexpr QStringView kStandardOutput = u"-";

// Writes the sheets of a class set to path and, when they ask for answer keys, the keys: after
// the sheets, or to keyPath when it is given. Each file is drawn whole first, then written to a
// temporary file beside it and renamed into place: a failure leaves no file behind (and an
// existing file as it was). Needs a QGuiApplication for the fonts. Returns an empty string on
// success, else why the files could not be written.
QString writeSheetsPdf(const QList<Sheet>& sheets, const QString& path,
                       const QString& keyPath = {});

} // namespace sheets
