// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window's logic needs from the platform, as small interfaces that
// the window's binding implements and the tests fake. The timer is not among
// them: the window's timer follows the simulation's running state and speed.
#pragma once

#include <cstdint>
#include <string>

namespace bridging {

// A modal message with an OK button only; returns once OK has been pressed.
class ModalMessage {
public:
    virtual ~ModalMessage() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

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
