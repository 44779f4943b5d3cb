// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson as plain data: the actions that build its network, and its steps,
// each with what to do, the goal the simulation must reach, the actions that
// "Show me" makes (and whose controls the window highlights), and an optional question.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/action.h"
#include "common/decision.h"
#include "predict/predictor.h"

namespace bridging::lessons {

// The two boxes of the control column.
enum class Box : std::uint8_t { Learning, Forwarding };

// Conditions on the simulation as it stands now.
struct Learned {  // bridge `bridge` holds station `station` (0 is A) in the table of `port`
    int bridge = 0;
    int station = 0;
    int port = 0;
};
struct BlocksBoth {  // the bridge (by index), or any shown bridge, is Blocked on both ports
    std::optional<int> bridge;
};
struct TakesRoot {  // the bridge (by index), or every shown bridge, takes bridge `root` for the
                    // root
    std::optional<int> bridge;
    double root = 1;
};
struct BoxTicked {  // the Learning or Forwarding box is ticked (or not)
    Box box = Box::Forwarding;
    bool ticked = true;
};
struct ScenarioIs {  // the scenario list's entry `entry` is built
    int entry = 0;
};
struct NoFrames {};  // no frame is in flight: the frames have settled

// A decision taken since the step began; the fields set must all match.
struct Decided {
    DecisionKind kind = DecisionKind::Kill;
    std::optional<int> bridge;           // by index
    std::optional<double> bridgeNumber;  // by the number it wears
    std::optional<int> station;          // the station learned or reached (0 is A)
    std::optional<int> destination;      // the frame's destination (0 is A)
    std::optional<int> port;
};

using Condition =
    std::variant<Learned, BlocksBoth, TakesRoot, BoxTicked, ScenarioIs, NoFrames, Decided>;

// Reached when every condition holds.
struct Goal {
    std::vector<Condition> all;
};

// A root button after Renumber, whose index no lesson can know, is named by
// the number the bridge then wears (ActionKind::RootButtonNumbered).
struct Step {
    std::string text;
    Goal goal;
    std::vector<Action> showMe;
    // The question asked before the first arrival that fits it.
    std::optional<predict::Cue> question;
};

struct Lesson {
    std::string title;
    std::string intro;
    std::vector<Action> setup;
    std::vector<Step> steps;
};

}  // namespace bridging::lessons
