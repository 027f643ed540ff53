#pragma once

// The choose exercise: the pupil clicks one of three values for the red digit.

#include "toolkit/activity_screen.h"

class Form3 : public tk::ActivityScreen {
    Q_OBJECT
public:
    Form3();
};
