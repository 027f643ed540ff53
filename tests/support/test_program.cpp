// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_program.h"

#include "app/form1.h"
#include "app/form4.h"
#include "support/design_lookup.h"

#include <QLocale>

TestProgram::TestProgram(std::uint64_t randomSeed)
    : random(randomSeed)
    , randomOverride_(random)
{
    // The screens write numbers as the regional settings do: C unless a test sets another.
    QLocale::setDefault(QLocale::c());
}

Form4& TestProgram::reachMenu()
{
    screens.start();
    screens.get<Form1>().Timer1->fireNow();
    return screens.get<Form4>();
}

tk::Screen& TestProgram::reachScreen(const QString& name)
{
    Form4& menu = reachMenu();
    tk::Screen* target = screenNamed(name);
    if (target == nullptr) {
        qFatal("no screen named %s", qPrintable(name));
    }
    SwitchScreen(menu, *target);
    return *target;
}

QList<tk::Screen*> TestProgram::allScreens()
{
    QList<tk::Screen*> all;
    for (const ScreenKind& kind : programScreens()) {
        all.append(&screens.screen(*kind.type));
    }
    return all;
}

QStringList TestProgram::screenNames()
{
    QStringList names;
    for (const ScreenKind& kind : programScreens()) {
        names.append(QLatin1String(kind.type->className()));
    }
    return names;
}

QStringList TestProgram::activityNames()
{
    QStringList names = screenNames();
    names.removeAll(QLatin1String(design::kSplash));
    names.removeAll(QLatin1String(design::kMenu));
    return names;
}

tk::Screen* TestProgram::screenNamed(const QString& name)
{
    for (const ScreenKind& kind : programScreens()) {
        if (QLatin1String(kind.type->className()) == name) {
            return &screens.screen(*kind.type);
        }
    }
    return nullptr;
}
