// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick's end-of-segment test on every segment the window shows.
#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

using SegmentEndsTest = DemoTest;

// The end of every shown segment is tested, 4 and 5 included. The
// built-in networks never show those two, so for them nothing changes.
TEST_F(SegmentEndsTest, TokensVanishAtTheEndsOfEverySegment) {
    for (const std::string name :
         {"One Bridge", "Two Bridges", "Two Manual", "Four Bridges", "Full Network"}) {
        Build(name);
        EXPECT_FALSE(demo.State().lneNetA[4].Visible || demo.State().lneNetA[5].Visible);
    }
    for (const int k : {3, 4, 5}) {
        Simulation state = demo.State();
        for (LineFace& segment : state.lneNetA) segment.Visible = false;
        state.lneNetA[k] = LineFace{1200, 5040, 6000, 5040, true};
        demo.Restore(state);
        PlaceToken(0, 5000, 5040 - 400, 200, 0);
        int ticks = 0;
        while (demo.State().Packet1[0].place.Visible && ticks < 100) {
            demo.Timer1_Timer();
            ++ticks;
        }
        // Hidden on the first move that takes it past X2 - 600.
        EXPECT_EQ(demo.State().Packet1[0].place.Left, 5600) << "segment " << k;
    }
}

}  // namespace
}  // namespace bridging::testing
