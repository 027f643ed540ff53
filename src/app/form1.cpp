// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form1.h"

#include "app/form4.h"

#include "core/number_writing.h"
#include "toolkit/controls.h"

namespace {

struct Line {
    const char16_t* name = nullptr;
    const char16_t* caption = nullptr;
    core::TwipsRect box;
    core::ColourValue colour = 0;
    bool large = false;
    bool rightToLeft = true;
    // A year or a version that ends the caption, in the regional settings' digits.
    const char* numeral = nullptr;
};

// The credit lines name the team that made the program.
constexpr Line kLines[] = {
    {u"Label1",
     u"إعداد فريق برنامج البلمزية",
     {660, 240, 4965, 645},
     core::rgb(0, 255, 0),
     true,
     true},
    {u"Label2", u"البلمزية", {1860, 1200, 2565, 645}, core::rgb(255, 128, 255), true, true},
    {u"Label3",
     u"للصف السادس الابتدائي",
     {1005, 1920, 4395, 645},
     core::rgb(255, 128, 255),
     true,
     true},
    {u"Label4",
     u"الفصل الدراسي الأول",
     {1200, 2760, 3885, 645},
     core::rgb(192, 255, 255),
     true,
     true},
    {u"Label5",
     u"جميع الحقوق محفوظة ",
     {195, 4200, 5655, 645},
     core::rgb(255, 192, 192),
     true,
     true,
     "2026"},
    {u"Label7",
     u"فريق تطوير البرامج التعليمية",
     {1575, 4920, 3135, 270},
     core::rgb(255, 192, 128),
     false,
     false},
    {u"Label8",
     u"برنامج تعليمي مفتوح للمدارس",
     {165, 5280, 5940, 270},
     core::rgb(255, 192, 128),
     false,
     false},
    {u"Label6",
     u"الإصدار ",
     {2055, 5640, 2160, 270},
     core::rgb(255, 192, 128),
     false,
     true,
     "1.00"},
    {u"Label9",
     u"للمراسلة بالبريد الالكتروني : ",
     {3480, 6000, 2205, 270},
     core::rgb(255, 192, 128),
     false,
     true},
    {u"Label10",
     u"team@placevalue.invalid",
     {840, 6000, 2400, 270},
     core::rgb(255, 192, 128),
     false,
     true},
    {u"Label11",
     u"الموقع الالكتروني : ",
     {3480, 6360, 1515, 270},
     core::rgb(255, 192, 128),
     false,
     true},
    {u"Label12",
     u"placevalue.invalid",
     {960, 6360, 2295, 270},
     core::rgb(255, 192, 128),
     false,
     true},
};

} // namespace

Form1::Form1()
    : tk::Screen({.name = QStringLiteral("Form1"),
                  .clientWidth = 6270,
                  .clientHeight = 6870,
                  .background = core::rgb(64, 0, 0),
                  .placement = tk::Placement::CentredOnScreen})
    , Timer1(new tk::Timer(this, QStringLiteral("Timer1"), 3000, true))
{
    const core::NumberWriting writing = core::regionalWriting();
    for (const Line& line : kLines) {
        const bool large = line.large;
        QString caption = QString::fromUtf16(line.caption);
        if (line.numeral != nullptr) {
            caption += writing.writeVersion(line.numeral);
        }
        new tk::Label(this, {.name = QString::fromUtf16(line.name),
                             .caption = caption,
                             .box = line.box,
                             .font = {tk::Face::ArabicTransparent, large ? 27.75 : 11.25, true},
                             .colour = line.colour,
                             .alignment = large ? tk::Alignment::Centre
                                                : (line.rightToLeft ? tk::Alignment::Right
                                                                    : tk::Alignment::Left),
                             .autoSize = true,
                             .rightToLeft = line.rightToLeft});
    }
    new tk::Shape(this, {.name = QStringLiteral("Shape1"),
                         .kind = tk::ShapeKind::Rectangle,
                         .box = {600, 1080, 5175, 3015},
                         .fill = core::rgb(0, 0, 0)});
    connect(Timer1, &tk::Timer::tick, this, &Form1::timer1Tick);
}

// The splash time is over: the main menu is shown, then the splash screen hidden.
void Form1::timer1Tick()
{
    Q_EMIT switchRequested(&Form4::staticMetaObject);
    Timer1->setEnabled(false);
}
