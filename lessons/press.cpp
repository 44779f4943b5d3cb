// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a lesson's press against the simulation.
#include "lessons/press.h"

namespace bridging::lessons {

namespace {

template <typename Elements>
bool Shown(const Elements& elements, int index) {
    return index >= 0 && index < static_cast<int>(elements.size()) &&
           elements[static_cast<std::size_t>(index)].place.Visible;
}

}  // namespace

Action Resolved(const Simulation& now, const Action& press) {
    if (press.kind != ActionKind::RootButtonNumbered) return press;
    Action resolved = Act(ActionKind::RootButton, -1);
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& bridge = now.Bridge1[static_cast<std::size_t>(k)];
        if (bridge.place.Visible && bridge.BridgeNumber() == press.index) resolved.index = k;
        if (resolved.index >= 0) break;
    }
    return resolved;
}

bool AlreadyDone(const Simulation& now, const Action& press) {
    switch (press.kind) {
        case ActionKind::SetLearning:
            return now.chkLearn().value == press.index;
        case ActionKind::SetForwarding:
            return now.chkForward().value == press.index;
        case ActionKind::Letter:
            return now.iSelectedStation() == press.index + 1;
        case ActionKind::PickScenario:
            return now.iScenario() == press.index + 1;
        default:
            return false;
    }
}

bool Pressable(const Simulation& now, const Action& press) {
    const Action resolved = Resolved(now, press);
    switch (resolved.kind) {
        case ActionKind::Send:
        case ActionKind::Letter:
            return Shown(now.Computer1, resolved.index);
        case ActionKind::RootButton:
            return Shown(now.Bridge1, resolved.index);
        default:
            return true;
    }
}

}  // namespace bridging::lessons
