// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The screens as they are designed: every window and every control, with its box in twips,
// what it shows and what a click on it does. Written from the design, not from the program's
// sources, and in plain C++ (no Qt, no program header), so that the tests of the screens, the
// clean-ends test and the benchmarks' tour read the same table: moving a control is one edit
// here. Colours are colour values, 0x00BBGGRR or 0x800000nn for system colour nn.

#include <cstdint>

namespace design {

struct Box {
    int left = 0, top = 0, width = 0, height = 0; // twips from the client area's top left

    // The centre, in whole logical pixels (15 twips to a pixel).
    constexpr int centreXPixels() const { return (2 * left + width) / 30; }
    constexpr int centreYPixels() const { return (2 * top + height) / 30; }
};

enum class Kind { Label, Shape, TextBox, Button, Keypad };
enum class Face { Unset, ArabicTransparent, MsSansSerif, Arial };
enum class Align { Left, Right, Centre };

constexpr std::uint32_t rgb(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red | (green << 8) | (blue << 16));
}
inline constexpr std::uint32_t kHighlightedText = 0x8000000EU;
inline constexpr std::uint32_t kWindowColour = 0x80000005U;

// The fields run from the largest to the smallest, so that the table stays compact; the row
// helpers below fill them in this order.
struct Control {
    const char* screen = nullptr;
    const char* name = nullptr;
    // The designed caption of a label or button; a keypad's name for a screen reader.
    const char16_t* caption = nullptr;
    // What a click does: the name of the screen it switches to, "end" or "answer"; nullptr for a
    // control that takes no click of its own.
    const char* click = nullptr;
    // A self-sizing label kept centred on "window" or on that shape instead of on its box.
    const char* centredOn = nullptr;
    double points = 0;
    Box box;
    Kind kind = Kind::Label;
    Face face = Face::Unset;
    Align alignment = Align::Left;
    // Text colour (label, text box); face (button); fill (shape).
    std::uint32_t colour = 0;
    std::uint32_t outline = 0;    // shapes: the outline's colour ...
    int outlineWidth = 0;         // ... and width in pixels (0: none)
    std::uint32_t background = 0; // text box
    bool bold = false;
    bool autoSize = false, rightToLeft = true, visible = true;
    bool oval = true; // shapes: an oval, else a rectangle
    // A designed caption that the screen replaces before it is seen (a number, a value, the
    // feedback, the reading question).
    bool standIn = false;
    bool heading = false; // the heading of an exercise
};

struct Window {
    const char* screen = nullptr;
    int width = 0, height = 0; // twips
    std::uint32_t background = 0;
    int timerMs = 0; // 0: no timer
    bool timerEnabled = false;
    bool escEnds = false; // Esc ends the run wherever the focus is
    // What a screen reader calls it (the screens have no title of their own): the program's
    // title, the menu as the return labels name it, each activity as its menu entry names it.
    const char16_t* spokenName = nullptr;
};

inline constexpr Window kWindows[] = {
    {"Form1", 6270, 6870, rgb(64, 0, 0), 3000, true, false, u"البلمزية"},
    {"Form4", 12000, 9000, rgb(0, 0, 0), 0, false, false, u"الواجهة"},
    {"Form2", 12000, 9000, rgb(0, 0, 0), 3000, false, true, u"اكتب البلمزية"},
    {"Form3", 12000, 9000, rgb(0, 0, 0), 3000, false, false, u"اختر البلمزية"},
    {"Form5", 11880, 8595, rgb(0, 0, 0), 0, false, true, u"ارقام في الصورة العشرية"},
};

namespace rows {

constexpr auto kArabic = Face::ArabicTransparent;
constexpr auto kSans = Face::MsSansSerif;
constexpr std::uint32_t kLightOrange = rgb(255, 192, 128);
constexpr std::uint32_t kPeach = rgb(255, 224, 192);

// A self-sizing, right-to-left, visible label.
constexpr Control label(const char* screen, const char* name, Box box, const char16_t* caption,
                        Face face, double points, bool bold, std::uint32_t colour, Align alignment,
                        const char* click = nullptr)
{
    return {screen, name, caption, click, nullptr, points, box,  Kind::Label, face, alignment,
            colour, 0,    0,       0,     bold,    true,   true, true,        true};
}
constexpr Control shape(const char* screen, const char* name, Box box, std::uint32_t fill,
                        std::uint32_t outline = 0, int outlineWidth = 0, bool oval = true)
{
    return {screen,      name,        nullptr, nullptr, nullptr,      0, box,   Kind::Shape,
            Face::Unset, Align::Left, fill,    outline, outlineWidth, 0, false, false,
            true,        true,        oval};
}
// The write exercise's answer box, empty on the system window colour, and its button.
constexpr Control textBox(Box box, Face face, double points, std::uint32_t colour)
{
    return {"Form2",       "Text1", u"",           nullptr, nullptr, points, box,
            Kind::TextBox, face,    Align::Centre, colour,  0,       0,      kWindowColour,
            false,         false,   true,          true,    true};
}
constexpr Control button(Box box, const char16_t* caption, Face face, double points,
                         std::uint32_t colour)
{
    return {"Form2",      "Command1", caption,       "answer", nullptr, points, box,
            Kind::Button, face,       Align::Centre, colour,   0,       0,      0,
            true,         false,      true,          true,     true};
}
constexpr Control standIn(Control c)
{
    c.standIn = true;
    return c;
}
constexpr Control with(Control c, bool autoSize, bool rightToLeft, bool visible,
                       const char* centredOn = nullptr)
{
    c.autoSize = autoSize;
    c.rightToLeft = rightToLeft;
    c.visible = visible;
    c.centredOn = centredOn;
    return c;
}
// A keypad for touch, hidden until touched, in the part of its screen's black where it may stand.
constexpr Control keypad(const char* screen, Box box, const char16_t* name)
{
    return with({screen, "keypad", name, nullptr, nullptr, 0, box, Kind::Keypad}, false, true,
                false);
}

// Splash lines: the title block (centred) and the credits.
constexpr Control splash(const char* name, Box box, const char16_t* caption, std::uint32_t colour,
                         bool large, Align alignment = Align::Right, bool rightToLeft = true)
{
    return with(label("Form1", name, box, caption, kArabic, large ? 27.75 : 11.25, true, colour,
                      large ? Align::Centre : alignment),
                true, rightToLeft, true);
}
constexpr Control menuEntry(const char* name, Box box, const char16_t* caption,
                            std::uint32_t colour, const char* opens)
{
    return label("Form4", name, box, caption, kSans, 24, false, colour, Align::Centre, opens);
}
// The return and exit labels of an activity.
constexpr Control back(const char* screen, const char* name, Box box)
{
    return label(screen, name, box, u"العودة للواجهة", kSans, 12, true, kLightOrange, Align::Right,
                 "Form4");
}
constexpr Control bigExit(const char* screen)
{
    return with(label(screen, "Label10", {960, 8160, 735, 495}, u"خروج", kSans, 18, false,
                      rgb(192, 255, 192), Align::Right, "end"),
                false, true, true);
}
// The number of an exercise, its heading and its feedback.
constexpr Control numberLabel(const char* screen, const char* name, Box box,
                              const char16_t* caption, Align alignment)
{
    return standIn(
        label(screen, name, box, caption, kArabic, 72, true, kHighlightedText, alignment));
}
constexpr Control heading(const char* screen, Box box, const char16_t* caption)
{
    Control c = label(screen, "Label5", box, caption, kArabic, 33.75, false, rgb(255, 192, 192),
                      Align::Right);
    c.heading = true;
    return c;
}
constexpr Control feedback(const char* screen)
{
    return standIn(with(label(screen, "Label9", {5100, 7200, 1800, 930}, u"8888", kArabic, 39.75,
                              true, rgb(128, 128, 255), Align::Centre),
                        true, true, false));
}
constexpr Control candidate(const char* name, Box box, std::uint32_t colour, const char* oval)
{
    return standIn(
        with(label("Form3", name, box, u"5", kArabic, 65.25, true, colour, Align::Centre, "answer"),
             true, true, true, oval));
}
} // namespace rows

#define DESIGN_EXERCISE_ROWS(form, backName, backBox)                                              \
    rows::numberLabel(form, "Label4", {3075, 2040, 3240, 1695}, u"8888", Align::Right),            \
        rows::numberLabel(form, "Label3", {6675, 2040, 810, 1695}, u"5", Align::Left),             \
        rows::numberLabel(form, "Label2", {7395, 2040, 810, 1695}, u"5", Align::Left),             \
        rows::numberLabel(form, "Label1", {8115, 2040, 810, 1695}, u"5", Align::Left),             \
        rows::feedback(form), rows::back(form, backName, backBox), rows::bigExit(form)

inline constexpr Control kControls[] = {
    // The splash screen. The credit lines name the team that made the program.
    rows::splash("Label1", {660, 240, 4965, 645}, u"إعداد فريق برنامج البلمزية", rgb(0, 255, 0),
                 true),
    rows::splash("Label2", {1860, 1200, 2565, 645}, u"البلمزية", rgb(255, 128, 255), true),
    rows::splash("Label3", {1005, 1920, 4395, 645}, u"للصف السادس الابتدائي", rgb(255, 128, 255),
                 true),
    rows::splash("Label4", {1200, 2760, 3885, 645}, u"الفصل الدراسي الأول", rgb(192, 255, 255),
                 true),
    rows::splash("Label5", {195, 4200, 5655, 645}, u"جميع الحقوق محفوظة 2026", rgb(255, 192, 192),
                 true),
    rows::splash("Label7", {1575, 4920, 3135, 270}, u"فريق تطوير البرامج التعليمية",
                 rows::kLightOrange, false, Align::Left, false),
    rows::splash("Label8", {165, 5280, 5940, 270}, u"برنامج تعليمي مفتوح للمدارس",
                 rows::kLightOrange, false, Align::Left, false),
    rows::splash("Label6", {2055, 5640, 2160, 270}, u"الإصدار 1.00", rows::kLightOrange, false),
    rows::splash("Label9", {3480, 6000, 2205, 270}, u"للمراسلة بالبريد الالكتروني : ",
                 rows::kLightOrange, false),
    rows::splash("Label10", {840, 6000, 2400, 270}, u"team@placevalue.invalid", rows::kLightOrange,
                 false),
    rows::splash("Label11", {3480, 6360, 1515, 270}, u"الموقع الالكتروني : ", rows::kLightOrange,
                 false),
    rows::splash("Label12", {960, 6360, 2295, 270}, u"placevalue.invalid", rows::kLightOrange,
                 false),
    rows::shape("Form1", "Shape1", {600, 1080, 5175, 3015}, rgb(0, 0, 0), 0, 0, false),

    // The main menu: each entry in its oval; the exit reads left to right.
    rows::menuEntry("Label4", {4013, 1440, 4020, 555}, u"ارقام في الصورة العشرية", rgb(128, 128, 0),
                    "Form5"),
    rows::menuEntry("Label3", {1793, 5160, 2985, 555}, u"اختر البلمزية", rgb(255, 0, 0), "Form3"),
    rows::shape("Form4", "Shape2", {1073, 3840, 4455, 3015}, rows::kPeach, rgb(255, 128, 0), 4),
    rows::menuEntry("Label2", {7193, 5040, 3030, 555}, u"اكتب البلمزية", rgb(255, 0, 0), "Form2"),
    rows::shape("Form4", "Shape1", {6473, 3720, 4455, 3015}, rows::kPeach, rgb(255, 128, 0), 4),
    rows::with(rows::label("Form4", "Label1", {480, 8400, 720, 435}, u"خروج", rows::kSans, 18,
                           false, rgb(255, 192, 192), Align::Left, "end"),
               true, false, true),
    rows::shape("Form4", "Shape3", {3773, 240, 4455, 3015}, rows::kPeach, rgb(255, 128, 0), 4),

    // The write exercise: the answer box (empty, on the system window colour) and the button.
    rows::heading("Form2", {11790, 600, 135, 795}, u"اكتب البلمزية للرقم الملون باللون الاحمر"),
    DESIGN_EXERCISE_ROWS("Form2", "Label6", (Box{2400, 8280, 1290, 300})),
    rows::shape("Form2", "Shape2", {3533, 4320, 4935, 2655}, rows::kLightOrange, rows::kPeach, 4),
    rows::textBox({4373, 5160, 3135, 975}, rows::kArabic, 36, rgb(192, 64, 0)),
    rows::button({1080, 5280, 1695, 975}, u"ادخل الناتج", rows::kArabic, 14.25, rgb(255, 0, 0)),
    rows::keypad("Form2", {8625, 3825, 3300, 3300}, u"لوحة الأرقام"),

    // The choose exercise: three candidates, each centred on its oval.
    rows::heading("Form3", {83, 600, 11835, 795},
                  u"البلمزية للرقم الملون باللون الاحمر في العدد هي "),
    DESIGN_EXERCISE_ROWS("Form3", "Label11", (Box{2760, 8280, 1290, 300})),
    rows::shape("Form3", "Shape1", {8400, 4800, 3255, 2175}, rows::kLightOrange, rows::kPeach, 4),
    rows::shape("Form3", "Shape2", {4560, 4800, 3255, 2175}, rows::kLightOrange, rows::kPeach, 4),
    rows::shape("Form3", "Shape3", {480, 4800, 3495, 2175}, rows::kLightOrange, rows::kPeach, 4),
    rows::candidate("Label6", {9600, 5160, 750, 1530}, rgb(0, 0, 255), "Shape1"),
    rows::candidate("Label7", {5760, 5160, 750, 1530}, rgb(192, 64, 0), "Shape2"),
    rows::candidate("Label8", {1680, 5160, 750, 1530}, rgb(0, 0, 255), "Shape3"),

    // The reading practice: the question and the key line centred on the window.
    rows::standIn(
        rows::with(rows::label("Form5", "Label1", {1575, 2520, 8745, 3525}, u"Label1",
                               rows::kArabic, 150, true, rgb(255, 255, 255), Align::Centre),
                   true, true, true, "window")),
    rows::with(rows::label("Form5", "Label2", {3938, 7680, 4005, 285},
                           u"اضغط Enter لتغيير السؤال و اضغط Esc للانهاء", Face::Arial, 12, true,
                           rgb(255, 0, 0), Align::Centre),
               true, true, true, "window"),
    rows::label("Form5", "Label3", {1080, 7680, 525, 300}, u"خروج", rows::kSans, 12, true,
                rows::kLightOrange, Align::Right, "end"),
    rows::back("Form5", "Label4", {2160, 7680, 1290, 300}),
    rows::keypad("Form5", {8400, 7200, 3300, 1200}, u"مفاتيح اللمس"),
};

#undef DESIGN_EXERCISE_ROWS

} // namespace design
