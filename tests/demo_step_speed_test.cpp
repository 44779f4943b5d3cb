// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stepping one tick at a time while paused, and the tick's four speeds.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

class Stepping : public DemoTest {
protected:
    Stepping() {
        SwitchOn();
        Send(0, 2);
    }
};

// A twin window that ticks normally sets the standard: each step must leave the
// paused window exactly where one tick and a Pause leave the running one,
// through the junction, the bridge, the split at the link's end and the marked
// station.
TEST_F(Stepping, EachStepWhilePausedIsExactlyOneTick) {
    RecordingMessage twinMessage;
    ScriptedRandom twinRandom;
    RecordingDemo twin{demo.State(), twinMessage, twinRandom};

    demo.btnPause_Click();
    bool stationMarked = false;
    for (int tick = 1; tick <= 47; ++tick) {
        SCOPED_TRACE(tick);
        demo.Step();
        twin.Timer1_Timer();
        RecordingDemo pausedTwin{twin.State(), twinMessage, twinRandom};
        pausedTwin.btnPause_Click();
        ASSERT_TRUE(Same(demo.State(), pausedTwin.State()));
        stationMarked = stationMarked || demo.State().Computer1[2].Number() == Computer::Marked;
        EXPECT_EQ(demo.State().btnPause().caption, "Resume");
        EXPECT_FALSE(demo.State().Running());
    }
    EXPECT_TRUE(stationMarked);
    EXPECT_EQ(demo.State().Bridge1[0].PortATable()[0], 1);
    EXPECT_TRUE(ShownTokens().empty());
}

// Nothing moves: the window is exactly where a Pause would have left it.
TEST_F(Stepping, StepWhileRunningOnlyPauses) {
    RecordingMessage twinMessage;
    ScriptedRandom twinRandom;
    RecordingDemo paused{demo.State(), twinMessage, twinRandom};
    paused.btnPause_Click();
    demo.Step();
    EXPECT_TRUE(Same(demo.State(), paused.State()));
    EXPECT_FALSE(demo.State().Running());
    EXPECT_EQ(demo.State().btnPause().caption, "Resume");
    // The next step moves the tokens.
    demo.Step();
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 4305 - 200);
    EXPECT_EQ(demo.State().btnPause().caption, "Resume");
}

TEST_F(DemoTest, StartsAtNormalSpeed) {
    EXPECT_EQ(demo.State().Speed(), Demo::NormalSpeed);
    EXPECT_EQ(Demo::SpeedIntervalsMs[Demo::NormalSpeed], 100);
    EXPECT_EQ(demo.State().IntervalMs(), 100);
}

TEST_F(DemoTest, FasterAndSlowerSetTheTimersIntervalAndStopAtTheEnds) {
    demo.Faster();
    EXPECT_EQ(demo.State().IntervalMs(), 50);
    demo.Faster();
    EXPECT_EQ(demo.State().IntervalMs(), 50);
    EXPECT_EQ(demo.State().Speed(), 3);
    const std::vector<int> slower = {100, 200, 400, 400};
    for (int expected : slower) {
        demo.Slower();
        EXPECT_EQ(demo.State().IntervalMs(), expected);
    }
    EXPECT_EQ(demo.State().Speed(), 0);
    // The speed leaves the running state alone, paused or not.
    EXPECT_TRUE(demo.State().Running());
    demo.btnPause_Click();
    demo.Faster();
    EXPECT_FALSE(demo.State().Running());
    EXPECT_EQ(demo.State().IntervalMs(), 200);
}

TEST_F(DemoTest, SpeedOutsideTheListIsIgnored) {
    demo.SetSpeed(-1);
    demo.SetSpeed(4);
    EXPECT_EQ(demo.State().Speed(), Demo::NormalSpeed);
    EXPECT_EQ(demo.State().IntervalMs(), 100);
    demo.SetSpeed(0);
    EXPECT_EQ(demo.State().IntervalMs(), 400);
}

}  // namespace
}  // namespace bridging::testing
