// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form4.h"

#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"

namespace {

tk::Label* menuEntry(tk::Screen* menu, const QString& name, const QString& caption,
                     core::TwipsRect box, core::ColourValue colour)
{
    return new tk::Label(menu, {.name = name,
                                .caption = caption,
                                .box = box,
                                .font = {tk::Face::MsSansSerif, 24, false},
                                .colour = colour,
                                .alignment = tk::Alignment::Centre,
                                .autoSize = true});
}

void oval(tk::Screen* menu, const QString& name, core::TwipsRect box)
{
    new tk::Shape(menu, {.name = name,
                         .kind = tk::ShapeKind::Oval,
                         .box = box,
                         .fill = core::rgb(255, 224, 192),
                         .outlined = true,
                         .outline = core::rgb(255, 128, 0),
                         .outlineWidth = 4});
}

} // namespace

Form4::Form4()
    : tk::Screen({.name = QStringLiteral("Form4"),
                  .clientWidth = 12000,
                  .clientHeight = 9000,
                  .background = core::rgb(0, 0, 0),
                  .placement = tk::Placement::SystemDefault})
    , Label1(new tk::Label(this, {.name = QStringLiteral("Label1"),
                                  .caption = QStringLiteral(u"خروج"),
                                  .box = {480, 8400, 720, 435},
                                  .font = {tk::Face::MsSansSerif, 18, false},
                                  .colour = core::rgb(255, 192, 192),
                                  .alignment = tk::Alignment::Left,
                                  .autoSize = true,
                                  .rightToLeft = false}))
    , Label2(menuEntry(this, QStringLiteral("Label2"), QStringLiteral(u"اكتب البلمزية"),
                       {7193, 5040, 3030, 555}, core::rgb(255, 0, 0)))
    , Label3(menuEntry(this, QStringLiteral("Label3"), QStringLiteral(u"اختر البلمزية"),
                       {1793, 5160, 2985, 555}, core::rgb(255, 0, 0)))
    , Label4(menuEntry(this, QStringLiteral("Label4"), QStringLiteral(u"ارقام في الصورة العشرية"),
                       {4013, 1440, 4020, 555}, core::rgb(128, 128, 0)))
{
    oval(this, QStringLiteral("Shape2"), {1073, 3840, 4455, 3015});
    oval(this, QStringLiteral("Shape1"), {6473, 3720, 4455, 3015});
    oval(this, QStringLiteral("Shape3"), {3773, 240, 4455, 3015});

    connect(Label1, &tk::Label::clicked, this, [] { tk::EndProgram(); });
    connect(Label2, &tk::Label::clicked, this,
            [this] { Q_EMIT switchRequested(&Form2::staticMetaObject); });
    connect(Label3, &tk::Label::clicked, this,
            [this] { Q_EMIT switchRequested(&Form3::staticMetaObject); });
    connect(Label4, &tk::Label::clicked, this,
            [this] { Q_EMIT switchRequested(&Form5::staticMetaObject); });
    // From the keyboard, in reading order: the top oval, the right, the left, then the exit. No
    // entry has the focus until a key moves it there.
    setFocusOrder({Label4, Label2, Label3, Label1});
}
