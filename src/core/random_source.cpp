// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/random_source.h"

#include <bit>
#include <chrono>
#include <cmath>

namespace core {

namespace {

std::uint64_t splitMix64(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}

RandomSource* replacementSource = nullptr;

} // namespace

int numberBelow(float r, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(r) * static_cast<double>(n)));
}

ClockSeededRandom::ClockSeededRandom()
{
    std::uint64_t seed = 0x5eed'1234'abcd'0001ULL;
    for (auto& word : state_) {
        word = splitMix64(seed);
    }
}

void ClockSeededRandom::mixIn(std::uint64_t value)
{
    std::uint64_t mixer = value ^ (++reseeds_ * 0xd1b54a32d192ed03ULL);
    for (auto& word : state_) {
        word ^= splitMix64(mixer);
    }
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) {
        state_[0] = 1; // the one state xoshiro cannot leave
    }
    next();
}

void ClockSeededRandom::reseedFromClock()
{
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    mixIn(static_cast<std::uint64_t>(wall) ^ std::rotl(static_cast<std::uint64_t>(steady), 32));
}

std::uint64_t ClockSeededRandom::next()
{
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17U;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}

float ClockSeededRandom::draw()
{
    // 24 bits fill a float's significand exactly: the largest draw is 1 - 2^-24, never 1.
    return static_cast<float>(next() >> 40U) * 0x1p-24F;
}

RandomSource& sharedRandom()
{
    static ClockSeededRandom programRandom;
    return replacementSource != nullptr ? *replacementSource : programRandom;
}

void setSharedRandom(RandomSource* replacement)
{
    replacementSource = replacement;
}

} // namespace core
