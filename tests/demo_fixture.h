// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A started main window with the texts of its messages kept and a scripted
// random sequence; and the comparison of two simulations.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/demo.h"
#include "tests/consistency.h"
#include "tests/fakes.h"

namespace bridging::testing {

// Two simulations equal, or where their descriptions differ.
inline ::testing::AssertionResult Same(const Simulation& a, const Simulation& b) {
    if (a == b) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << consistency::Difference(a, b);
}

class DemoTest : public ::testing::Test {
protected:
    DemoTest() { demo.Form_Load(); }

    void Build(const std::string& name) {
        demo.SetCombo1Text(name);
        ASSERT_EQ(demo.State().Combo1().text, name);
    }

    void SwitchOn() {
        demo.SetChkLearn(1);
        demo.SetChkForward(1);
    }

    // Station `to` (0-based) becomes the destination, station `from` sends.
    void Send(int from, int to) {
        demo.Computer1_Command1_Click(to);
        demo.Computer1_btnKeys_Click(from);
    }

    std::vector<int> ShownTokens() const {
        std::vector<int> shown;
        for (int k = 0; k < PoolSize; ++k) {
            if (demo.State().Packet1[k].place.Visible) shown.push_back(k);
        }
        return shown;
    }

    // Ticks until no token is shown; the number of ticks, or -1 after `limit`.
    int TickUntilQuiet(int limit = 400) {
        for (int n = 1; n <= limit; ++n) {
            demo.Timer1_Timer();
            if (ShownTokens().empty()) return n;
        }
        return -1;
    }

    // Puts pool token k on the window, moving by (dx, dy) per tick.
    void PlaceToken(int k, float left, float top, double dx, int dy, int destination = 1) {
        Packet& token = demo.Scene().Packet1[k];
        token.SetDestination(destination);
        token.SetXOffset(dx);
        token.SetYOffset(dy);
        token.place.Left = left;
        token.place.Top = top;
        token.place.Visible = true;
    }

    RecordingMessage message;
    ScriptedRandom random;
    RecordingDemo demo{message, random};
};

}  // namespace bridging::testing
