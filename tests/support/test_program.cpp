#include "support/test_program.h"

#include "app/form1.h"
#include "app/form4.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"

TestProgram::TestProgram()
    : randomOverride_(random)
{}

Form4& TestProgram::reachMenu()
{
    screens.start();
    screens.form1().Timer1->fireNow();
    return screens.form4();
}

QList<tk::Screen*> TestProgram::allScreens()
{
    return {&screens.form1(), &screens.form4(), &screens.form2(), &screens.form3(),
            &screens.form5()};
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
