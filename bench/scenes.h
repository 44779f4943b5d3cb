// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The networks the tick benchmarks run, each kept busy in the same way from
// one tick to the next, so that every benchmark of a tick measures the same scene.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver/demo.h"

namespace bridging::bench {

// The window after start-up with a network built, learning and forwarding on.
struct Window {
    FixedSeedRandom random;
    Demo demo;

    explicit Window(const std::string& scenario);
    // A user's action, as the window hands it to the simulation.
    void Do(const Action& action) { demo.Perform(action, random); }
};

int ShownTokens(const Demo& demo);

enum class Scene : std::uint8_t {
    // "One Bridge": station A sends to C again whenever the last frame is gone.
    OneBridgeRoad,
    // "Two Bridges" without the spanning tree: a frame from A to C circles the
    // loop for ever, and the bridges learn its source on alternate sides.
    TwoBridgesStorm,
    // "Full Network" with every token of the pool moving and none arriving.
    FullPool,
};

// A scene built, and what keeps it as it is between ticks.
class BusyNetwork {
public:
    explicit BusyNetwork(Scene scene);

    Demo& demo() { return window_.demo; }
    const Simulation& State() const { return window_.demo.State(); }
    // Before each tick: a new frame when none is shown, or the full pool's
    // tokens back where they stood (a few stores, part of the figure).
    void Renew();
    // False once a token of the full pool arrived somewhere, which the scene avoids.
    bool AsBuilt() const;

private:
    Scene scene_;
    Window window_;
    std::array<Placement, PoolSize> start_{};
};

}  // namespace bridging::bench
