// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The design table in Qt's and the toolkit's terms, for the tests of the screens.

#include "support/design_lookup.h"
#include "toolkit/caption_placement.h"
#include "toolkit/fonts.h"

#include <QList>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace design {

// The box in logical pixels: twips / 15, to the nearest pixel.
inline QRect pixels(const Box& box)
{
    const auto px = [](int twips) {
        return static_cast<int>(std::lround(twips / 15.0));
    };
    return {px(box.left), px(box.top), px(box.width), px(box.height)};
}

inline QString text(const char16_t* caption)
{
    return caption == nullptr ? QString() : QString::fromUtf16(caption);
}

inline tk::Face toolkitFace(Face face)
{
    switch (face) {
    case Face::MsSansSerif:
        return tk::Face::MsSansSerif;
    case Face::Arial:
        return tk::Face::Arial;
    case Face::Unset:
    case Face::ArabicTransparent:
        break;
    }
    return tk::Face::ArabicTransparent;
}

inline tk::Alignment toolkitAlignment(Align alignment)
{
    switch (alignment) {
    case Align::Right:
        return tk::Alignment::Right;
    case Align::Centre:
        return tk::Alignment::Centre;
    case Align::Left:
        break;
    }
    return tk::Alignment::Left;
}

// Whether the control lies on a shape of its screen.
inline bool liesOnShape(const Control& c)
{
    return std::any_of(std::begin(kControls), std::end(kControls), [&](const Control& shape) {
        return shape.kind == Kind::Shape && std::string_view(shape.screen) == c.screen &&
               pixels(shape.box).contains(pixels(c.box).center());
    });
}

// The name of the control on that screen whose click does that; empty where the table has none.
inline QString clickName(std::string_view screen, std::string_view click)
{
    const Control* c = findClick(screen, click);
    return c == nullptr ? QString() : QString::fromLatin1(c->name);
}

// Every label that reacts to a click.
inline QList<const Control*> clickableLabels()
{
    QList<const Control*> labels;
    for (const Control& c : kControls) {
        if (c.kind == Kind::Label && c.click != nullptr) {
            labels.append(&c);
        }
    }
    return labels;
}

} // namespace design
