// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson's press read against the simulation as it stands: which element it
// means, and whether its effect is there already.
#pragma once

#include "common/action.h"
#include "driver/demo.h"

namespace bridging::lessons {

// The action as the simulation stands: a root button named by its number
// becomes the root button of the shown bridge wearing that number (index -1
// when none does); any other action is left as it is.
Action Resolved(const Simulation& now, const Action& press);

// A press whose effect is there already asks nothing of the student: a box in
// the state asked for, the destination chosen, the network built.
bool AlreadyDone(const Simulation& now, const Action& press);

// Whether the element a press means is shown, so that a user could press it.
bool Pressable(const Simulation& now, const Action& press);

}  // namespace bridging::lessons
