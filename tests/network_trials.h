// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random networks made by the editor's own operations, and the two trials they
// are put to on the real simulation: a frame flooded from a station reaches
// exactly the stations the graph of segments and bridges joins to it, and the
// spanning-tree exchange settles on the bridges it leaves forwarding. Shared by
// the tests and the network tool; toolkit-free, without a test framework.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "network/edit.h"
#include "network/plan.h"

namespace bridging::network::trials {

// A plan grown from an empty drawing by `attempts` random edits (adds mostly,
// some moves, deletes and renumbering), each applied only when the editor
// accepts it. No preset tables: a preset may say a station is where it is not.
Plan RandomPlan(std::mt19937& random, int attempts);
// One such edit for `plan`, which the editor may still refuse; none when the
// roll asks for something the plan has none of.
std::optional<Edit> RandomEdit(std::mt19937& random, const Plan& plan);

// The plan's bridges given different numbers from 1 to 9 in a random order
// and random costs from 1 to 8, equal on both ports, as Renumber gives them;
// through the editor's SetBridge, so each change keeps the rules.
Plan Renumbered(std::mt19937& random, Plan plan);

// Independent loops the bridges close: bridges - segments + groups of segments.
int Loops(const Plan& plan);

// What went wrong when a station sent a frame to another, with learning and
// forwarding on and fresh tables.
struct FloodFault {
    int from = 0;
    int to = 0;
    bool expected = false;              // the graph joins their segments
    bool seen = false;                  // the destination turned red
    std::vector<std::string> messages;  // message boxes shown meanwhile
    bool quiet = true;                  // every token had gone within the tick limit
};

// Sends from every station to stations of its own group and of another group
// (`allPairs`: to every station) and compares what turns red with the graph.
std::vector<FloodFault> Flood(const Plan& plan, bool allPairs);

// The spanning-tree exchange run in rounds: each round presses every shown
// bridge's root button in a random order, letting the frames die away after
// each press, until a round changes nothing.
struct TreeOutcome {
    bool settled = false;
    int rounds = 0;
    // Bridges (by index) whose two ports both forward once it settled.
    std::vector<int> forwarding;
    // The forwarding bridges join every segment to all it was joined to, without a loop.
    bool tree = false;
    bool poolRanOut = false;
};
TreeOutcome SettleSpanningTree(const Plan& plan, std::mt19937& random, int roundLimit);

}  // namespace bridging::network::trials
