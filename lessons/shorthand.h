// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Short names for writing a lesson's data: stations by letter, the presses,
// and the networks' list entries.
#pragma once

#include "bridge/bridge.h"
#include "lessons/lesson.h"

namespace bridging::lessons::shorthand {

// Stations by index.
inline constexpr int A = 0;
inline constexpr int B = 1;
inline constexpr int C = 2;
inline constexpr int D = 3;
inline constexpr int E = 4;
inline constexpr int F = 5;

// The scenario list's entries.
inline constexpr int OneBridge = 0;
inline constexpr int TwoBridges = 1;
inline constexpr int TwoManual = 2;
inline constexpr int FullNetwork = 4;

inline Action SendFrom(int station) { return Act(ActionKind::Send, station); }
inline Action LetterOf(int station) { return Act(ActionKind::Letter, station); }
inline Action RootOf(int bridge) { return Act(ActionKind::RootButton, bridge); }
inline Action RootNumbered(int number) { return Act(ActionKind::RootButtonNumbered, number); }
inline Action Learning(bool ticked) { return Act(ActionKind::SetLearning, ticked ? 1 : 0); }
inline Action Forwarding(bool ticked) { return Act(ActionKind::SetForwarding, ticked ? 1 : 0); }
inline Action Pick(int entry) { return Act(ActionKind::PickScenario, entry); }
inline Action KillPress() { return Act(ActionKind::Kill); }
inline Action ResetPress() { return Act(ActionKind::Reset); }
inline Action RenumberPress() { return Act(ActionKind::Renumber); }

inline Decided Decision(DecisionKind kind) {
    Decided d;
    d.kind = kind;
    return d;
}
inline Decided ByBridge(DecisionKind kind, int bridge) {
    Decided d = Decision(kind);
    d.bridge = bridge;
    return d;
}
inline Decided ForFrameTo(DecisionKind kind, int destination, std::optional<int> bridge = {}) {
    Decided d = Decision(kind);
    d.bridge = bridge;
    d.destination = destination;
    return d;
}
inline Decided ReachesStation(int station) {
    Decided d = Decision(DecisionKind::FrameArrives);
    d.station = station;
    return d;
}
inline Decided PressedRootOfNumber(double number) {
    Decided d = Decision(DecisionKind::Originates);
    d.bridgeNumber = number;
    return d;
}

inline predict::Cue Ask(std::optional<int> bridge, predict::Topic topic) { return {bridge, topic}; }

}  // namespace bridging::lessons::shorthand
