#pragma once

// The reading practice: a big number to read aloud, a new one on Enter.

#include "toolkit/activity_screen.h"

class Form5 : public tk::ActivityScreen {
    Q_OBJECT
public:
    Form5();

protected:
    void load() override;
    void keyPress(int characterCode) override;
};
