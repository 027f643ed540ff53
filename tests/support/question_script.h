// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Scripting exact place-value questions.

#include "support/scripted_random.h"

// The five draws of one attempt: thousandths, hundredths, tenths, whole part, place
// (0 thousandths, 1 hundredths, 2 tenths).
inline void scriptQuestion(ScriptedRandom& random, int thousandths, int hundredths, int tenths,
                           int whole, int place)
{
    random.script({ScriptedRandom::forValue(thousandths, 10),
                   ScriptedRandom::forValue(hundredths, 10), ScriptedRandom::forValue(tenths, 10),
                   ScriptedRandom::forValue(whole, 1000), ScriptedRandom::forValue(place, 3)});
}
