// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's operations as values, applied to a plan: the new plan, or why
// not. An operation is one step of the edit history, with a label the menu can
// show; and the steps a keyboard cursor takes on the lattice.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "network/plan.h"

namespace bridging::network {

struct AddSegment {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    bool operator==(const AddSegment&) const = default;
};
// Moves a segment with its stations; the link lines' ends on it follow it up
// or down, their bridges stay where they are.
struct MoveSegment {
    int segment = 0;
    int dx = 0;
    int dy = 0;
    bool operator==(const MoveSegment&) const = default;
};
// New ends; the stations stay where they are.
struct ResizeSegment {
    int segment = 0;
    int x1 = 0;
    int x2 = 0;
    bool operator==(const ResizeSegment&) const = default;
};
// Takes the segment's stations and bridges with it.
struct DeleteSegment {
    int segment = 0;
    bool operator==(const DeleteSegment&) const = default;
};
// A bridge joining two segments in either order, its link line at `x`. Its
// link line starts on the upper segment and ends 60 above the lower one, as
// the builder's do; without `top` the bridge goes midway in the first gap along
// its link line where it fits. It takes the lowest free number and costs 1.
struct AddBridge {
    int segmentA = 0;
    int segmentB = 0;
    int x = 0;
    std::optional<int> top;
    bool operator==(const AddBridge&) const = default;
};
struct MoveBridge {
    int bridge = 0;
    int x = 0;
    int top = 0;
    bool operator==(const MoveBridge&) const = default;
};
struct DeleteBridge {
    int bridge = 0;
    bool operator==(const DeleteBridge&) const = default;
};
struct SetBridge {
    int bridge = 0;
    int number = 1;
    int costA = 1;
    int costB = 1;
    bool operator==(const SetBridge&) const = default;
};
// Preset tables in the bridge's text form ("A:B"); empty: none.
struct SetTables {
    int bridge = 0;
    std::string tableA;
    std::string tableB;
    bool operator==(const SetTables&) const = default;
};
// A station at the usual rise above its segment. Stations are lettered by
// index: the new one takes the next letter.
struct AddStation {
    int segment = 0;
    int left = 0;
    bool operator==(const AddStation&) const = default;
};
// To another place, on the same or another segment; it keeps its rise.
struct MoveStation {
    int station = 0;
    int segment = 0;
    int left = 0;
    bool operator==(const MoveStation&) const = default;
};
// The stations after it move up a letter.
struct DeleteStation {
    int station = 0;
    bool operator==(const DeleteStation&) const = default;
};
struct Rename {
    std::string name;
    bool operator==(const Rename&) const = default;
};
struct Describe {
    std::string description;
    bool operator==(const Describe&) const = default;
};

using Edit = std::variant<AddSegment, MoveSegment, ResizeSegment, DeleteSegment, AddBridge,
                          MoveBridge, DeleteBridge, SetBridge, SetTables, AddStation, MoveStation,
                          DeleteStation, Rename, Describe>;

// Why an edit was refused: the rules the result would break (or what the edit
// names that is not there). Never empty.
struct Refusal {
    std::vector<Problem> problems;
    bool operator==(const Refusal&) const = default;
};

// The new plan, or the refusal. A plan that comes back breaks no rule.
using Outcome = std::variant<Plan, Refusal>;

Outcome Apply(const Plan& plan, const Edit& edit);

// What a step of the history is called in the menu ("add bridge 3"): a
// message key and its argument, for the translation catalogue.
enum class LabelId : std::uint8_t {
    AddSegment,
    MoveSegment,
    ResizeSegment,
    DeleteSegment,
    AddBridge,
    MoveBridge,
    DeleteBridge,
    SetBridge,
    SetTables,
    AddStation,
    MoveStation,
    DeleteStation,
    Rename,
    Describe,
};

// `element` is the segment, bridge or station the step acts on (the network
// for Rename and Describe); `number` is what the menu names it by: a bridge's
// number (the new one for SetBridge), a station's index (its letter is 'A' +
// number) or a segment's index.
struct StepLabel {
    LabelId id = LabelId::Rename;
    Element element;
    int number = 0;
    bool operator==(const StepLabel&) const = default;
};

// The label of an edit about to be applied to `plan`.
StepLabel LabelOf(const Plan& plan, const Edit& edit);
// "network.step.add-bridge" and the like.
std::string_view MessageKey(LabelId id);

// A keyboard cursor's moves: one lattice step each. Left and right move
// stations and link lines by the token's step (and segments too, so that their
// stations keep to the lattice); up and down move segments and bridges by the
// height step, and stations to the nearest segment above or below.
enum class Nudge : std::uint8_t { Left, Right, Up, Down };

// The edit that moves `element` `steps` lattice steps; none when the element
// does not exist or has nowhere to go that way (a station with no segment
// above it). Applying it may still be refused, with the reason.
std::optional<Edit> NudgeEdit(const Plan& plan, Element element, Nudge direction, int steps = 1);
// The edit that moves one end of a segment (0 left, 1 right) `steps` end steps.
std::optional<Edit> NudgeEndEdit(const Plan& plan, int segment, int end, int steps);

// Lattice places where an element could go now: the Lefts on `segment` where
// a new station would be accepted, the link-line Xs where a new bridge between
// two segments would, the heights where a new segment would.
std::vector<int> StationPlaces(const Plan& plan, int segment);
std::vector<int> BridgePlaces(const Plan& plan, int segmentA, int segmentB);
std::vector<int> SegmentHeights(const Plan& plan, int x1, int x2);

}  // namespace bridging::network
