// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing a worksheet as a PDF file, with its faces embedded.

#include "sheets/sheet.h"

#include <QString>

namespace sheets {

// Writes the sheet to a temporary file beside path and renames it into place: a failure
// leaves no file behind (and an existing file at path as it was). Needs a QGuiApplication for
// the fonts. Returns an empty string on success, else why the file could not be written.
QString writeSheetPdf(const Sheet& sheet, const QString& path);

} // namespace sheets
