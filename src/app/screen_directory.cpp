// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screen_directory.h"

#include "app/form1.h"
#include "app/form4.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "toolkit/activity_screen.h"

#include <array>

namespace {

template <typename Form> std::unique_ptr<tk::Screen> makeScreen()
{
    return std::make_unique<Form>();
}

// The spoken names: the program's title for the splash screen, the word of the return labels
// ("العودة للواجهة") for the menu, and each activity's menu entry for the activity.
constexpr std::array kProgramScreens = {
    ScreenKind{&Form1::staticMetaObject, &makeScreen<Form1>, u"البلمزية"},      // splash screen
    ScreenKind{&Form4::staticMetaObject, &makeScreen<Form4>, u"الواجهة"},       // main menu
    ScreenKind{&Form2::staticMetaObject, &makeScreen<Form2>, u"اكتب البلمزية"}, // write exercise
    ScreenKind{&Form3::staticMetaObject, &makeScreen<Form3>, u"اختر البلمزية"}, // choose exercise
    ScreenKind{&Form5::staticMetaObject, &makeScreen<Form5>,
               u"ارقام في الصورة العشرية"}, // reading practice
};

std::size_t indexOf(const QMetaObject& type)
{
    for (std::size_t i = 0; i < kProgramScreens.size(); ++i) {
        if (kProgramScreens[i].type == &type) {
            return i;
        }
    }
    qFatal("not a screen of the program: %s", type.className());
}

} // namespace

void SwitchScreen(tk::Screen& caller, tk::Screen& target)
{
    target.show();
    if (&caller != &target) {
        caller.hide();
    }
}

std::span<const ScreenKind> programScreens()
{
    return kProgramScreens;
}

ScreenDirectory::ScreenDirectory()
    : screens_(kProgramScreens.size())
{}

ScreenDirectory::~ScreenDirectory() = default;

void ScreenDirectory::start()
{
    screen(*kProgramScreens.front().type).show();
}

tk::Screen& ScreenDirectory::screen(const QMetaObject& type)
{
    const std::size_t index = indexOf(type);
    std::unique_ptr<tk::Screen>& slot = screens_[index];
    if (!slot) {
        slot = kProgramScreens[index].make();
        slot->setAccessibleName(QString::fromUtf16(kProgramScreens[index].spokenName));
        wire(*slot);
    }
    return *slot;
}

tk::Screen* ScreenDirectory::made(const QMetaObject& type) const
{
    return screens_[indexOf(type)].get();
}

void ScreenDirectory::wire(tk::Screen& from)
{
    connect(&from, &tk::Screen::switchRequested, this,
            [this, &from](const QMetaObject* target) { SwitchScreen(from, screen(*target)); });
    if (auto* activity = qobject_cast<tk::ActivityScreen*>(&from)) {
        connect(activity, &tk::ActivityScreen::menuRequested, this,
                [this, activity] { SwitchScreen(*activity, get<Form4>()); });
    }
}
