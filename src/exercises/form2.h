#pragma once

// The write exercise: the pupil types the place value of the red digit.

#include "toolkit/activity_screen.h"

class Form2 : public tk::ActivityScreen {
    Q_OBJECT
public:
    Form2();

protected:
    void load() override;
    void keyPress(int characterCode) override;
};
