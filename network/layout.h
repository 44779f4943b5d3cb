// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A plan laid out on the window's elements, as the scenario builder lays out
// the five built-in networks, and those five as plans.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "driver/demo.h"
#include "network/plan.h"

namespace bridging::network {

// The five networks of the scenario list, in its order (scenario numbers 1 to 5).
enum class BuiltIn : std::uint8_t { OneBridge, TwoBridges, TwoManual, FourBridges, FullNetwork };
inline constexpr std::array<BuiltIn, 5> BuiltIns = {BuiltIn::OneBridge, BuiltIn::TwoBridges,
                                                    BuiltIn::TwoManual, BuiltIn::FourBridges,
                                                    BuiltIn::FullNetwork};

// The name the scenario list shows for it ("One Bridge", ...).
std::string_view BuiltInName(BuiltIn network);
// A name for its example file, without the folder and extension ("one-bridge").
std::string_view BuiltInFileStem(BuiltIn network);

// The network exactly as the builder lays it out, with its bridges' numbers,
// costs and preset tables, a name and a description for the class.
Plan BuiltInPlan(BuiltIn network);

// An empty drawing to start from.
Plan EmptyPlan();

// What the builder does: every element hidden and put back at its default
// place, the plan's elements placed and shown, the end markers of the shown
// segments placed, all six bridges numbered and costed (those the plan lacks
// as the builder numbers and costs them), the preset tables set and the six
// stations numbered. The scenario list, the scenario number and the check
// boxes are the window's to set. A plan that breaks a rule is not laid out:
// its problems come back and the simulation is left as it was.
std::vector<Problem> LayOut(const Plan& plan, Simulation& simulation);

}  // namespace bridging::network
