// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A generator for tests: gives the scripted draws first, then a fixed deterministic stream.

#include "core/random_source.h"

#include <cstdint>
#include <deque>
#include <initializer_list>

class ScriptedRandom final : public core::RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t fallbackSeed = 1);

    void script(std::initializer_list<float> draws);
    // r that gives floor(r x n) == value: the middle of value's interval.
    static float forValue(int value, int n);

    void reseedFromClock() override { ++reseeds_; }
    float draw() override;

    int reseeds() const { return reseeds_; }
    int draws() const { return draws_; }
    int scriptedLeft() const { return static_cast<int>(script_.size()); }

private:
    std::deque<float> script_;
    core::ClockSeededRandom fallback_;
    int reseeds_ = 0;
    int draws_ = 0;
};

// Puts a generator in the program's place for one scope.
class SharedRandomOverride {
public:
    explicit SharedRandomOverride(core::RandomSource& replacement);
    ~SharedRandomOverride();
    SharedRandomOverride(const SharedRandomOverride&) = delete;
    SharedRandomOverride& operator=(const SharedRandomOverride&) = delete;
};
