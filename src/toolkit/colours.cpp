// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace tk {

namespace {

// The system colour numbers of the classic colour table that have a palette counterpart.
bool paletteRoleFor(unsigned number, QPalette::ColorRole& role)
{
    switch (number) {
    case 5: // window background
        role = QPalette::Base;
        return true;
    case 8: // window text
        role = QPalette::Text;
        return true;
    case 13: // highlight
        role = QPalette::Highlight;
        return true;
    case 14: // highlighted text
        role = QPalette::HighlightedText;
        return true;
    case 15: // button face
        role = QPalette::Button;
        return true;
    case 18: // button text
        role = QPalette::ButtonText;
        return true;
    default:
        return false;
    }
}

} // namespace

QColor toQColor(core::ColourValue value)
{
    if (core::isSystemColour(value)) {
        QPalette::ColorRole role = QPalette::NoRole;
        if (!paletteRoleFor(value & 0xffU, role)) {
            return {Qt::black};
        }
        return QGuiApplication::palette().color(QPalette::Active, role);
    }
    return {static_cast<int>(value & 0xffU), static_cast<int>((value >> 8) & 0xffU),
            static_cast<int>((value >> 16) & 0xffU)};
}

} // namespace tk
