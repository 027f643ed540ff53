#include "support/test_program.h"

#include "app/form1.h"
#include "app/form4.h"

TestProgram::TestProgram()
    : randomOverride_(random)
{}

Form4& TestProgram::reachMenu()
{
    screens.start();
    screens.get<Form1>().Timer1->fireNow();
    return screens.get<Form4>();
}

QList<tk::Screen*> TestProgram::allScreens()
{
    QList<tk::Screen*> all;
    for (const ScreenKind& kind : programScreens()) {
        all.append(&screens.screen(*kind.type));
    }
    return all;
}

tk::Screen* TestProgram::screenNamed(const QString& name)
{
    for (tk::Screen* screen : allScreens()) {
        if (screen->objectName() == name) {
            return screen;
        }
    }
    return nullptr;
}
