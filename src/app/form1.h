#pragma once

// The splash screen: the program's title, grade, term and credits, for three seconds.

#include "toolkit/label.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

class Form1 : public tk::Screen {
    Q_OBJECT
public:
    Form1();

    tk::Timer* Timer1;

Q_SIGNALS:
    // The splash time is over: the shell shows the main menu and hides the splash screen.
    void menuRequested();

private:
    void Timer1Tick();
};
