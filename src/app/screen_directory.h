// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's screens, listed once, each made at its first use and kept until the end of the
// run, and the moves between them.

#include <QMetaObject>
#include <QObject>

#include <memory>
#include <span>
#include <vector>

namespace tk {
class Screen;
}

// Shows the target (loading it on its first show), then hides the caller, which keeps its
// whole state: exactly one screen stays visible.
void SwitchScreen(tk::Screen& caller, tk::Screen& target);

// One screen of the program: its class (whose name is also the screen's name), how to make it,
// and the name a screen reader gives it (a window's title, never shown on the borderless screens).
struct ScreenKind {
    const QMetaObject* type;
    std::unique_ptr<tk::Screen> (*make)();
    const char16_t* spokenName;
};

// Every screen of the program, the splash screen first. The directory, the tests and the
// gallery walk this list; a new screen is added here (and to the menu).
std::span<const ScreenKind> programScreens();

class ScreenDirectory : public QObject {
    Q_OBJECT
public:
    ScreenDirectory();
    ~ScreenDirectory() override;
    ScreenDirectory(const ScreenDirectory&) = delete;
    ScreenDirectory& operator=(const ScreenDirectory&) = delete;

    // Makes the splash screen and shows it: the start of a run.
    void start();

    // The screen of this class, made at its first use; the class must be in programScreens().
    tk::Screen& screen(const QMetaObject& type);
    template <typename Form> Form& get()
    {
        return static_cast<Form&>(screen(Form::staticMetaObject));
    }

    // The screen of this class if it has been made, else nullptr; makes nothing.
    tk::Screen* made(const QMetaObject& type) const;
    template <typename Form> Form* made() const
    {
        return static_cast<Form*>(made(Form::staticMetaObject));
    }

private:
    void wire(tk::Screen& screen);

    std::vector<std::unique_ptr<tk::Screen>> screens_; // by the order of programScreens()
};
