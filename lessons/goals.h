// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether the simulation has reached a step's goal: its state now, and the
// decisions taken since the step began, whatever the student pressed to get there.
#pragma once

#include <span>

#include "common/decision.h"
#include "driver/demo.h"
#include "lessons/lesson.h"

namespace bridging::lessons {

bool Holds(const Condition& condition, const Simulation& now,
           std::span<const Decision> sinceStepBegan);
bool Reached(const Goal& goal, const Simulation& now, std::span<const Decision> sinceStepBegan);

}  // namespace bridging::lessons
