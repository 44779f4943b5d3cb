// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel's commands: pause and resume, the speed, Kill, Renumber, and the
// Learning and Forwarding switches that act on all six bridges at once.
#include <algorithm>
#include <cmath>

#include "driver/demo.h"

namespace bridging {

namespace {

// floor(u * n) for a fresh u in [0, 1). Kept within 0 .. n - 1 even if the
// source strays outside its range, so that it can never index out of bounds.
int DrawBelow(RandomSource& random, int n) {
    const double scaled = std::floor(random.Next() * n);
    if (!(scaled >= 0)) return 0;
    if (scaled >= n) return n - 1;
    return static_cast<int>(scaled);
}

// Only bridges 0 to 3 must have costs of their own; 4 and 5 may repeat one.
constexpr int BridgesWithDistinctCosts = 4;
constexpr int CostLevels = 8;
constexpr int Swaps = 100;

bool FirstCostsDiffer(const std::array<Bridge, BridgeCount>& bridges) {
    for (int i = 0; i < BridgesWithDistinctCosts; ++i) {
        for (int j = i + 1; j < BridgesWithDistinctCosts; ++j) {
            if (bridges[i].PortACost() == bridges[j].PortACost()) return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Raised> Demo::Perform(const Action& action, RandomSource& random) {
    const int k = action.index;
    switch (action.kind) {
        case ActionKind::TypeScenario:
            return SetCombo1Text(action.text);
        case ActionKind::PickScenario:
            return PickCombo1(k);
        case ActionKind::PauseResume:
            return btnPause_Click();
        case ActionKind::Kill:
            return btnKill_Click();
        case ActionKind::Renumber:
            return btnCost_Click(random);
        case ActionKind::Reset:
            return btnReset_Click();
        case ActionKind::SetLearning:
            return SetChkLearn(k);
        case ActionKind::SetForwarding:
            return SetChkForward(k);
        case ActionKind::ToggleLearning:
            return SetChkLearn(sim_.chkLearn().value == 0 ? 1 : 0);
        case ActionKind::ToggleForwarding:
            return SetChkForward(sim_.chkForward().value == 0 ? 1 : 0);
        case ActionKind::Letter:
            return Computer1_Command1_Click(k);
        case ActionKind::Send:
            return Computer1_btnKeys_Click(k);
        case ActionKind::RootButton:
            return Bridge1_btnSpanTree_Click(k);
        case ActionKind::Step:
            return Step();
        case ActionKind::Faster:
            Faster();
            return Raised{};
        case ActionKind::Slower:
            Slower();
            return Raised{};
        default:
            return std::nullopt;
    }
}

Raised Demo::btnPause_Click() {
    return Run([this] { Pause(); });
}

void Demo::Pause() {
    Contain([this] {
        sim_.running = !sim_.running;
        sim_.controls.btnPause.caption = sim_.running ? "Pause" : "Resume";
        ReportWindow(sim_.running ? DecisionKind::Resumed : DecisionKind::Paused);
    });
}

void Demo::Faster() { SetSpeed(sim_.speed + 1); }

void Demo::Slower() { SetSpeed(sim_.speed - 1); }

void Demo::SetSpeed(int newSpeed) {
    if (newSpeed < 0 || newSpeed >= static_cast<int>(SpeedIntervalsMs.size())) return;
    sim_.speed = newSpeed;
}

Raised Demo::btnKill_Click() {
    return Run([this] { Kill(); });
}

// Hides every token (the whole pool is free again) and gives every station its
// letter and colour back. Bridges, switches and the timer are left alone.
void Demo::Kill() {
    Contain([this] {
        for (int k = 0; k < PoolSize; ++k) sim_.Packet1[k].place.Visible = false;
        for (int i = 0; i < ComputerCount; ++i) sim_.Computer1[i].SetNumber(i);
        ReportWindow(DecisionKind::Kill);
    });
}

Raised Demo::btnCost_Click(RandomSource& random) {
    return Run([&] { Renumber(random); });
}

void Demo::Renumber(RandomSource& random) {
    Contain([&] {
        Kill();
        DrawPortCosts(random);
        ShuffleBridgeNumbers(random);
        ReportRenumbering();
        SetCheckBox(sim_.controls.chkForward, 0, &Demo::chkForward_Click);
        // Numbering switched learning off in every bridge; a checked box must
        // not go on claiming that they learn.
        chkLearn_Click();
    });
}

// Both ports of a bridge get the same cost, and both of its tables are emptied.
void Demo::DrawPortCosts(RandomSource& random) {
    do {
        for (int i = 0; i < BridgeCount; ++i) {
            const int r = DrawBelow(random, CostLevels) + 1;
            sim_.Bridge1[i].SetPortACost(r);
            sim_.Bridge1[i].SetPortBCost(r);
            sim_.Bridge1[i].zSetPortAString("");
            sim_.Bridge1[i].zSetPortBString("");
        }
    } while (!FirstCostsDiffer(sim_.Bridge1));
}

// The numbers 1 to 6 in a random order; numbering also resets each bridge.
void Demo::ShuffleBridgeNumbers(RandomSource& random) {
    std::array<int, BridgeCount> order = {0, 1, 2, 3, 4, 5};
    for (int n = 0; n < Swaps; ++n) {
        const int a = DrawBelow(random, BridgeCount);
        const int b = DrawBelow(random, BridgeCount);
        std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]);
    }
    for (int j = 0; j < BridgeCount; ++j)
        sim_.Bridge1[j].SetBridgeNumber(order[static_cast<std::size_t>(j)] + 1);
}

void Demo::chkLearn_Click() {
    Contain([this] {
        const bool on = sim_.controls.chkLearn.value == 1;
        for (int i = 0; i < BridgeCount; ++i) sim_.Bridge1[i].SetbLearn(on);
        ReportSwitch(DecisionKind::LearningSwitched, on);
    });
}

void Demo::chkForward_Click() {
    Contain([this] {
        const bool on = sim_.controls.chkForward.value == 1;
        for (int i = 0; i < BridgeCount; ++i) sim_.Bridge1[i].SetbForward(on);
        ReportSwitch(DecisionKind::ForwardingSwitched, on);
    });
}

Raised Demo::SetChkLearn(int value) {
    return Run([&] { SetCheckBox(sim_.controls.chkLearn, value, &Demo::chkLearn_Click); });
}

Raised Demo::SetChkForward(int value) {
    return Run([&] { SetCheckBox(sim_.controls.chkForward, value, &Demo::chkForward_Click); });
}

// As a user's click would: the box's command runs only when its state changes.
// Any nonzero state counts as checked.
void Demo::SetCheckBox(CheckBoxFace& box, int value, void (Demo::*command)()) {
    Contain([&] {
        const int state = value != 0 ? 1 : 0;
        if (box.value == state) return;
        box.value = state;
        (this->*command)();
    });
}

}  // namespace bridging
