// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's one pseudo-random generator. A draw is a single-precision r with 0 <= r < 1;
// the activities reseed it from the clock before every new question.

#include <array>
#include <cstdint>

namespace core {

class RandomSource {
public:
    RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    virtual ~RandomSource() = default;

    // Mixes the time of day into the generator.
    virtual void reseedFromClock() = 0;
    // 0 <= r < 1, never 1.
    virtual float draw() = 0;
};

// floor(r x n) with the product formed in double precision: 0 <= result < n for r < 1.
int numberBelow(float r, int n);

// xoshiro256** whose state the clock is mixed into, never replaced: two reseeds within the same
// clock tick still give independent streams.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    void reseedFromClock() override;
    float draw() override;

    // Mixes an explicit value in as the clock would; for benchmarks and tests.
    void mixIn(std::uint64_t value);

private:
    std::uint64_t next();

    std::array<std::uint64_t, 4> state_{};
    std::uint64_t reseeds_ = 0;
};

// The generator every screen draws from. Tests put a scripted source in its place.
RandomSource& sharedRandom();
// Replaces the shared generator (not owned); nullptr restores the program's own.
void setSharedRandom(RandomSource* replacement);

} // namespace core
