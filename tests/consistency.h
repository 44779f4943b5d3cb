// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The checks of a consistent window, shared by the long soak run and the fuzz
// target over user sessions: what every label, caption and token shows agrees
// with the numbers behind it, and the bridges' tables and the frame pool keep
// the network's own rules. Toolkit-free and without a test framework, so that
// each caller reports a failure its own way.
#pragma once

#include <string>
#include <vector>

#include "driver/demo.h"

namespace bridging::consistency {

// One sentence for every disagreement found, naming the element; empty when the
// window is consistent. `timerRunning` is the tick timer's state, which the
// Pause button's caption must follow. Meant for between two actions.
std::vector<std::string> Inconsistencies(const Simulation& demo, bool timerRunning);

// Everything the window shows and the state behind it, as text, a line for the
// controls, each bridge, the stations, the tokens and each line of the network.
std::string Describe(const Simulation& state);

// Empty when the two simulations are equal; otherwise the lines of their
// descriptions that differ, to say where.
std::string Difference(const Simulation& a, const Simulation& b);

}  // namespace bridging::consistency
