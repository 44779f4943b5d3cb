// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The random numbers that Renumber draws: an interface that the tests fake, and
// the program's own generator. The rest of the platform stays in the window:
// its timer follows the simulation's running state and speed, and the
// dispatcher's messages are shown once the tick or action that raised them is over.
#pragma once

#include <cstdint>

namespace bridging {

// Uniform pseudo-random numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0;
};

// The program's own generator: the same fixed start in every run and the same
// numbers on every platform and standard library (splitmix64, top 53 bits).
class FixedSeedRandom : public RandomSource {
public:
    explicit FixedSeedRandom(std::uint64_t seed = 0x5EED'B21D'6E00'0001ULL) : state_(seed) {}
    double Next() override;

private:
    std::uint64_t state_;
};

}  // namespace bridging
