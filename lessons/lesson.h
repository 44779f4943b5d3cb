// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson as plain data: the presses that build its network, and its steps,
// each with what to do, the goal the simulation must reach, the presses that
// "Show me" makes (and that the window highlights), and an optional question.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/decision.h"
#include "predict/question.h"

namespace bridging::lessons {

// The window's controls that a lesson presses.
enum class Control : std::uint8_t {
    Send,        // a station's Send, by station index
    Letter,      // a station's letter: it becomes the destination
    RootButton,  // a bridge's root button, by bridge index or by its number
    Learning,    // the box, `index` the state it is to end in (0 or 1)
    Forwarding,  // the same
    Pause,
    Kill,
    Renumber,
    Reset,
    Scenario,  // the scenario list's entry `index` (0 "One Bridge" to 4 "Full Network")
};

struct Press {
    Control control = Control::Kill;
    int index = -1;
    // For a root button after Renumber, whose index no lesson can know: `index`
    // is the number the bridge now wears.
    bool byNumber = false;
    bool operator==(const Press&) const = default;
};

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
    Control box = Control::Forwarding;
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

// The question asked before the first arrival, at the bridge (by index) or at
// any bridge, whose question is about the topic, or about anything.
struct QuestionCue {
    std::optional<int> bridge;
    std::optional<predict::Topic> topic;
};

struct Step {
    std::string text;
    Goal goal;
    std::vector<Press> showMe;
    std::optional<QuestionCue> question;
};

struct Lesson {
    std::string title;
    std::string intro;
    std::vector<Press> setup;
    std::vector<Step> steps;
};

}  // namespace bridging::lessons
