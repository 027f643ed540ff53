// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The faces the screens are designed with, and the installed faces that stand in for them.

#include <QFont>
#include <QString>
#include <QStringList>

namespace tk {

enum class Face { ArabicTransparent, MsSansSerif, Arial };

struct FontDesign {
    Face face = Face::ArabicTransparent;
    double points = 12;
    bool bold = false;
};

// The installed faces that stand in for a designed face, best first.
QStringList substituteFaces(Face face);

QFont makeFont(const FontDesign& design);

} // namespace tk
