// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/compiled_faces.h"

#include <QDir>
#include <QFontDatabase>

namespace tk {

void registerCompiledFaces()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    const QDir faces(QStringLiteral(":/faces"));
    for (const QString& file : faces.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(faces.filePath(file));
    }
}

} // namespace tk
