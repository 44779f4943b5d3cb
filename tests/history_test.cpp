// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The kept past: over seeded sessions, every moment comes back exactly, going
// forward returns to the present, acting in the past gives up the later
// moments, the limits hold, and the random numbers go on from where they stood.
#include <gtest/gtest.h>

#include <vector>

#include "demo_fixture.h"
#include "history/timeline.h"

namespace bridging::testing {
namespace {

using history::History;
using history::Moment;
using history::Timeline;

// A user's busy minute: mostly ticks, the network's buttons, now and then a
// command, a switch or another network.
void RandomAction(RecordingDemo& demo, FixedSeedRandom& choose) {
    const int action = static_cast<int>(choose.Next() * 100);
    const int which = static_cast<int>(choose.Next() * 6);
    if (action < 75) {
        demo.Timer1_Timer();
    } else if (action < 83) {
        demo.Computer1_btnKeys_Click(which);
    } else if (action < 86) {
        demo.Computer1_Command1_Click(which);
    } else if (action < 91) {
        demo.Bridge1_btnSpanTree_Click(which);
    } else if (action < 94) {
        demo.SetChkForward(which % 2);
    } else if (action < 96) {
        demo.btnPause_Click();
    } else if (action < 97) {
        demo.Step();
    } else if (action < 98) {
        demo.btnCost_Click();
    } else {
        demo.PickCombo1(which % 5);
    }
}

struct Session {
    RecordingMessage message;
    FixedSeedRandom random;
    RecordingDemo demo{message, random};
    std::vector<Simulation> seen;  // the state after every moment, by moment

    Session() {
        demo.Form_Load();
        demo.SetChkLearn(1);
        demo.SetChkForward(1);
    }

    void Run(Timeline& timeline, FixedSeedRandom& choose, int steps) {
        if (seen.empty()) seen.push_back(demo.State());
        for (int n = 0; n < steps; ++n) {
            RandomAction(demo, choose);
            const Moment moment = timeline.Keep(false);
            if (moment == seen.size()) seen.push_back(demo.State());
            ASSERT_EQ(moment + 1, seen.size());
        }
    }
};

TEST(History, EveryMomentComesBackExactlyAndForwardReturnsToNow) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        Session s;
        Timeline timeline(s.demo);
        FixedSeedRandom choose(seed);
        s.Run(timeline, choose, 300);
        // Going back from a running present would pause it, a moment of its own.
        if (s.demo.State().Running()) {
            s.demo.btnPause_Click();
            s.seen.push_back(s.demo.State());
            ASSERT_EQ(timeline.Keep(false) + 1, s.seen.size());
        }
        const Moment now = timeline.Newest();
        for (int probe = 0; probe < 12; ++probe) {
            const auto back = static_cast<Moment>(choose.Next() * static_cast<double>(now + 1));
            timeline.GoTo(now - back);
            ASSERT_EQ(timeline.Shown(), now - back);
            ASSERT_TRUE(s.demo.State() == s.seen[now - back]) << "back " << back;
            timeline.Forward(back);
            ASSERT_FALSE(timeline.LookingBack());
            ASSERT_TRUE(s.demo.State() == s.seen[now]);
        }
    }
}

TEST(History, GoingBackFromARunningPresentPausesFirst) {
    Session s;
    Timeline timeline(s.demo);
    s.demo.Computer1_btnKeys_Click(0);
    timeline.Keep(false);
    s.demo.Timer1_Timer();
    const Moment ticked = timeline.Keep(false);
    timeline.Back(1);
    // The pause is a moment of its own; one back from it is the tick before.
    EXPECT_EQ(timeline.Newest(), ticked + 1);
    EXPECT_EQ(timeline.Shown(), ticked);
    EXPECT_FALSE(timeline.Ticking());
    EXPECT_EQ(s.demo.State().btnPause().caption, "Pause");  // as it was then
    timeline.Forward(1);
    EXPECT_EQ(s.demo.State().btnPause().caption, "Resume");
}

TEST(History, ActingInThePastGivesUpTheLaterMoments) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Session s;
        Timeline timeline(s.demo);
        FixedSeedRandom choose(seed);
        s.Run(timeline, choose, 200);
        const Moment past = timeline.Newest() / 2;
        timeline.GoTo(past);
        ASSERT_TRUE(timeline.StartNewFuture());
        EXPECT_EQ(timeline.Newest(), past);
        s.demo.Computer1_btnKeys_Click(1);
        s.demo.Timer1_Timer();
        // The same action on a copy of the past, without a history, agrees.
        RecordingMessage message;
        FixedSeedRandom random;
        RecordingDemo twin(s.seen[past], message, random);
        twin.Computer1_btnKeys_Click(1);
        twin.Timer1_Timer();
        const Moment next = timeline.Keep(false);
        EXPECT_LE(next, past + 1);
        EXPECT_TRUE(s.demo.State() == twin.State());
        EXPECT_TRUE(timeline.Kept().At(next) == twin.State());
    }
}

TEST(History, RenumberAfterGoingBackDrawsOnFromWhereTheNumbersStand) {
    Session s;
    Timeline timeline(s.demo);
    s.demo.PickCombo1(4);
    const Moment before = timeline.Keep(false);
    s.demo.btnCost_Click();
    timeline.Keep(false);
    const FixedSeedRandom afterFirst = s.random;
    timeline.GoTo(before);
    timeline.StartNewFuture();
    s.demo.btnCost_Click();
    timeline.Keep(false);

    RecordingMessage message;
    FixedSeedRandom drawnOn = afterFirst;
    RecordingDemo expected(timeline.Kept().At(before), message, drawnOn);
    expected.btnCost_Click();
    EXPECT_TRUE(s.demo.State() == expected.State());
}

TEST(History, KeepsTheLastMomentsWithinItsLimits) {
    Session s;
    s.demo.PickCombo1(1);  // "Two Bridges": a storm without the spanning tree
    Timeline timeline(s.demo);
    const int ticks = static_cast<int>(History::LeastMoments) + 500;
    for (int n = 0; n < ticks; ++n) {
        if (n % 40 == 0) s.demo.Computer1_btnKeys_Click(n % 4);
        s.demo.Timer1_Timer();
        timeline.Keep(false);
    }
    const History& kept = timeline.Kept();
    EXPECT_GE(kept.Newest() - kept.Oldest() + 1, History::LeastMoments);
    EXPECT_LT(kept.Newest() - kept.Oldest() + 1,
              History::LeastMoments + 2 * History::TicksBetweenKeyframes);
    EXPECT_LE(kept.Bytes(), History::MostBytes);
    const Simulation oldest = kept.At(kept.Oldest());
    EXPECT_EQ(oldest.tickCount, kept.Facts(kept.Oldest()).tick);
}

TEST(History, ReplayComesBackToNowAndRunsOn) {
    Session s;
    Timeline timeline(s.demo);
    s.demo.Computer1_btnKeys_Click(0);
    timeline.Keep(false);
    for (int n = 0; n < 30; ++n) {
        s.demo.Timer1_Timer();
        timeline.Keep(false);
    }
    const Simulation now = s.demo.State();
    timeline.Back(10);  // pauses first
    timeline.SetReplaySpeed(3);
    timeline.StartReplay();
    EXPECT_TRUE(timeline.Ticking());
    EXPECT_EQ(timeline.IntervalMs(), 50);
    for (int n = 0; n < 11 && timeline.Replaying(); ++n) timeline.ReplayNext();
    EXPECT_FALSE(timeline.Replaying());
    EXPECT_FALSE(timeline.LookingBack());
    EXPECT_TRUE(s.demo.State().Running());
    EXPECT_EQ(s.demo.State().Speed(), 3);
    EXPECT_EQ(s.demo.State().Packet1, now.Packet1);
}

}  // namespace
}  // namespace bridging::testing
