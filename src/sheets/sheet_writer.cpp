// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_writer.h"

#include "sheets/sheet_layout.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace sheets {

QString writeSheetPdf(const Sheet& sheet, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("placevalue-sheets " PLACEVALUE_VERSION));
        writer.setTitle(instructionText(sheet.options.activity, sheet.options.mark) +
                        QStringLiteral(u" - ") +
                        sheetNumberText(sheet.options.sheetNumber, sheet.options.writing));
        if (!paintSheet(sheet, writer)) {
            file.cancelWriting();
            return QStringLiteral("cannot draw the sheet for '%1'").arg(path);
        }
    } // the writer finishes the file when it goes
    if (!file.commit()) {
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    }
    return {};
}

} // namespace sheets
