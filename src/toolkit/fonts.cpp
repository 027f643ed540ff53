// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/fonts.h"

#include "toolkit/platform.h"

namespace tk {

// Amiri is the narrowest Arabic face Debian has and the only one that keeps the large captions
// (headings, feedback, the reading question) inside their windows at the designed sizes.
// The menu and navigation labels get it too: the 18-point exit labels react in designed boxes
// 49 pixels wide, about the width of "خروج" in Amiri (49.5 laid out, its ink 44 inside the box);
// Noto Naskh Arabic needs 51, Noto Sans Arabic 50 and a taller line.
// The one Arial line mixes Latin key names with Arabic: Noto Sans for the Latin letters, and
// for the Arabic ones Noto Naskh Arabic, a naskh like Arial's own Arabic letters, narrow
// enough to leave the line clear of the navigation labels beside it.
// Where the faces come with the program, Amiri has every letter it shows and stands alone: a
// second family makes Qt 6.4 on Windows gather fallback faces from every face Windows has as it
// draws the first text (40 to 75 ms before the splash screen, under Wine with Debian's fonts).
QStringList substituteFaces(Face face)
{
    switch (face) {
    case Face::ArabicTransparent:
    case Face::MsSansSerif:
        if (platform::facesComeWithTheProgram()) {
            return {QStringLiteral("Amiri")};
        }
        return {QStringLiteral("Amiri"), QStringLiteral("Noto Naskh Arabic")};
    case Face::Arial:
        return {QStringLiteral("Noto Sans"), QStringLiteral("Noto Naskh Arabic")};
    }
    return {};
}

QFont makeFont(const FontDesign& design)
{
    // The substitutes alone, also where a machine has the designed face (Windows has Arial and
    // MS Sans Serif): the screens look the same everywhere. Each substitute fills in the glyphs
    // the faces before it lack.
    platform::installFaces();
    const QStringList faces = substituteFaces(design.face);
    QFont font(faces.front());
    font.setFamilies(faces);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

} // namespace tk
