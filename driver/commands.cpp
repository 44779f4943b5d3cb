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

void Demo::btnPause_Click() {
    UserAction([this] {
        running = !running;
        controls.btnPause.caption = running ? "Pause" : "Resume";
        ReportWindow(running ? DecisionKind::Resumed : DecisionKind::Paused);
    });
}

void Demo::Faster() { SetSpeed(speed + 1); }

void Demo::Slower() { SetSpeed(speed - 1); }

void Demo::SetSpeed(int newSpeed) {
    if (newSpeed < 0 || newSpeed >= static_cast<int>(SpeedIntervalsMs.size())) return;
    speed = newSpeed;
}

// Hides every token (the whole pool is free again) and gives every station its
// letter and colour back. Bridges, switches and the timer are left alone.
void Demo::btnKill_Click() {
    UserAction([this] {
        for (int k = 0; k < PoolSize; ++k) Packet1[k].place.Visible = false;
        for (int i = 0; i < ComputerCount; ++i) Computer1[i].SetNumber(i);
        ReportWindow(DecisionKind::Kill);
    });
}

void Demo::btnCost_Click() {
    UserAction([this] {
        btnKill_Click();
        DrawPortCosts();
        ShuffleBridgeNumbers();
        ReportRenumbering();
        SetChkForward(0);
        // Numbering switched learning off in every bridge; a checked box must
        // not go on claiming that they learn.
        chkLearn_Click();
    });
}

// Both ports of a bridge get the same cost, and both of its tables are emptied.
void Demo::DrawPortCosts() {
    do {
        for (int i = 0; i < BridgeCount; ++i) {
            const int r = DrawBelow(random_, CostLevels) + 1;
            Bridge1[i].SetPortACost(r);
            Bridge1[i].SetPortBCost(r);
            Bridge1[i].zSetPortAString("");
            Bridge1[i].zSetPortBString("");
        }
    } while (!FirstCostsDiffer(Bridge1));
}

// The numbers 1 to 6 in a random order; numbering also resets each bridge.
void Demo::ShuffleBridgeNumbers() {
    std::array<int, BridgeCount> order = {0, 1, 2, 3, 4, 5};
    for (int n = 0; n < Swaps; ++n) {
        const int a = DrawBelow(random_, BridgeCount);
        const int b = DrawBelow(random_, BridgeCount);
        std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]);
    }
    for (int j = 0; j < BridgeCount; ++j)
        Bridge1[j].SetBridgeNumber(order[static_cast<std::size_t>(j)] + 1);
}

void Demo::chkLearn_Click() {
    Contain([this] {
        for (int i = 0; i < BridgeCount; ++i) Bridge1[i].SetbLearn(controls.chkLearn.value == 1);
        ReportSwitch(DecisionKind::LearningSwitched, controls.chkLearn.value == 1);
    });
}

void Demo::chkForward_Click() {
    Contain([this] {
        for (int i = 0; i < BridgeCount; ++i)
            Bridge1[i].SetbForward(controls.chkForward.value == 1);
        ReportSwitch(DecisionKind::ForwardingSwitched, controls.chkForward.value == 1);
    });
}

void Demo::SetChkLearn(int value) { SetCheckBox(controls.chkLearn, value, &Demo::chkLearn_Click); }

void Demo::SetChkForward(int value) {
    SetCheckBox(controls.chkForward, value, &Demo::chkForward_Click);
}

// As a user's click would: the box's command runs only when its state changes.
// Any nonzero state counts as checked.
void Demo::SetCheckBox(CheckBoxFace& box, int value, void (Demo::*command)()) {
    UserAction([&] {
        const int state = value != 0 ? 1 : 0;
        if (box.value == state) return;
        box.value = state;
        (this->*command)();
    });
}

}  // namespace bridging
