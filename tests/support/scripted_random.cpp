// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scripted_random.h"

ScriptedRandom::ScriptedRandom(std::uint64_t fallbackSeed)
{
    fallback_.mixIn(fallbackSeed);
}

void ScriptedRandom::script(std::initializer_list<float> draws)
{
    script_.insert(script_.end(), draws.begin(), draws.end());
}

float ScriptedRandom::forValue(int value, int n)
{
    return static_cast<float>((value + 0.5) / n);
}

float ScriptedRandom::draw()
{
    ++draws_;
    if (script_.empty()) {
        return fallback_.draw();
    }
    const float r = script_.front();
    script_.pop_front();
    return r;
}

SharedRandomOverride::SharedRandomOverride(core::RandomSource& replacement)
{
    core::setSharedRandom(&replacement);
}

SharedRandomOverride::~SharedRandomOverride()
{
    core::setSharedRandom(nullptr);
}
