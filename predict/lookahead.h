// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the next tick will decide, found without changing anything: the tick
// is run on a copy of the simulation with an account that keeps every record,
// arrivals at the bridges included; a message it raises goes unshown.
#pragma once

#include <vector>

#include "common/decision.h"
#include "driver/demo.h"

namespace bridging::predict {

// One frame reaching a bridge, and what that bridge decides about it.
struct Arrival {
    Decision receives;  // DecisionKind::Receives: which bridge, which port, which frame
    std::vector<Decision> decisions;
};

struct NextTick {
    std::vector<Arrival> arrivals;  // in the order the tick meets them
    std::vector<Decision> records;  // every record of the tick, in order, arrivals left out
};

// The next tick as NextTick() or Step would run it, whatever the running state.
NextTick LookAhead(const Simulation& state);

}  // namespace bridging::predict
