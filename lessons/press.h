// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson's press performed on the window's logic through the same handler
// that the control's widget calls, as a user's click would.
#pragma once

#include "driver/demo.h"
#include "lessons/lesson.h"

namespace bridging::lessons {

// The element a press means in the simulation as it stands: a station's or a
// bridge's index (a root button named by its number resolved to the bridge
// wearing it, -1 when none does), the list's entry, the box's state.
int PressedIndex(const Simulation& now, const Press& press);

// A box already in the state asked for is left alone, as a user would leave it.
void PerformPress(Demo& demo, const Press& press);

}  // namespace bridging::lessons
