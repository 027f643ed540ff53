// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Scripting exact reading-practice questions.

#include "support/scripted_random.h"

// The five draws of one question, in the order they are drawn: QuestionKind, OneDigit,
// TwoDigitA, ThreeDigit, TwoDigitB.
inline void scriptReading(ScriptedRandom& random, int kind, int oneDigit, int twoDigitA,
                          int threeDigit, int twoDigitB)
{
    random.script({ScriptedRandom::forValue(kind, 10), ScriptedRandom::forValue(oneDigit, 10),
                   ScriptedRandom::forValue(twoDigitA, 99),
                   ScriptedRandom::forValue(threeDigit, 999),
                   ScriptedRandom::forValue(twoDigitB, 99)});
}
