// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick: the worked road of one frame through "One Bridge" tick by tick,
// re-entry of tokens launched during a tick, pausing, and tokens that have
// left the drawing.
#include <algorithm>

#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

class OneBridgeRoad : public DemoTest {
protected:
    OneBridgeRoad() {
        SwitchOn();
        Send(0, 2);  // station A to station C
    }
    const Placement& At(int k) const { return demo.State().Packet1[k].place; }
};

// Token 0 goes left and token 1 right from A (Left 4305, Top 3440). Token 1
// meets the junction on tick 8 and its copy (token 2, higher, so moved at
// once) enters the bridge on tick 16; the bridge's output takes token 0,
// freed on tick 15, and splits at the lower end on tick 25 into tokens 2 and 3.
TEST_F(OneBridgeRoad, FollowsTheWorkedExampleTickByTick) {
    EXPECT_EQ(At(0).Left, 4305);
    EXPECT_EQ(At(0).Top, 3440);
    EXPECT_EQ(At(1).Left, 4305);
    for (int tick = 1; tick <= 47; ++tick) {
        demo.Timer1_Timer();
        SCOPED_TRACE(tick);
        EXPECT_EQ(demo.State().Computer1[2].Number() == Computer::Marked, tick >= 30 && tick <= 35);
        EXPECT_EQ(demo.State().Computer1[3].Number(), 3);
        switch (tick) {
            case 7:
                EXPECT_EQ(ShownTokens(), (std::vector<int>{0, 1}));
                break;
            case 8:
                EXPECT_EQ(At(1).Left, 5905);
                ASSERT_TRUE(At(2).Visible);
                EXPECT_EQ(At(2).Left, 5930);
                EXPECT_EQ(At(2).Top, 3440 + 200);
                EXPECT_EQ(demo.State().Packet1[2].YOffset(), 200);
                break;
            case 14:
                EXPECT_EQ(At(0).Left, 1505);
                EXPECT_TRUE(At(0).Visible);
                break;
            case 15:
                EXPECT_EQ(At(0).Left, 1305);
                EXPECT_FALSE(At(0).Visible);
                break;
            case 16:
                EXPECT_EQ(At(2).Top, 5240);
                EXPECT_FALSE(At(2).Visible);
                EXPECT_EQ(demo.State().Bridge1[0].PortATable()[0], 1);
                ASSERT_TRUE(At(0).Visible);  // lower than token 2: not moved yet
                EXPECT_EQ(At(0).Left, 5930);
                EXPECT_EQ(At(0).Top, 6960);
                break;
            case 25:
                EXPECT_EQ(At(0).Top, 8760);
                EXPECT_FALSE(At(0).Visible);
                EXPECT_EQ(At(2).Left, 5930 - 200);
                EXPECT_EQ(At(3).Left, 5930 + 200);
                EXPECT_EQ(At(2).Top, 9200);
                EXPECT_EQ(At(3).Top, 9200);
                break;
            case 29:
                EXPECT_EQ(At(2).Left, 4930);
                break;
            case 30:
                EXPECT_EQ(At(2).Left, 4730);
                break;
            case 35:
                EXPECT_EQ(At(2).Left, 3730);
                break;
            case 36:
                EXPECT_EQ(At(2).Left, 3530);
                EXPECT_EQ(demo.State().Computer1[2].Number(), 2);
                break;
            case 31:
                EXPECT_EQ(At(1).Left, 10505);
                EXPECT_FALSE(At(1).Visible);
                break;
            case 46:
                EXPECT_EQ(ShownTokens(), (std::vector<int>{2, 3}));
                break;
            case 47:
                EXPECT_EQ(At(2).Left, 1330);
                EXPECT_TRUE(ShownTokens().empty());
                break;
            default:
                break;
        }
    }
}

// The road as the bridge sees it: one frame learned and forwarded, a new frame
// addressed and coloured for C, and every copy gone in the end.
TEST_F(OneBridgeRoad, CarriesOneFrameAcrossTheBridgeAndRetiresEveryToken) {
    for (int k : {0, 1}) {
        const Packet& p = demo.State().Packet1[k];
        EXPECT_EQ(p.Destination(), 3);
        EXPECT_EQ(p.Source(), 1);
        EXPECT_EQ(p.Colour(), demo.State().Colours()[3]);
        EXPECT_EQ(p.TimeToLive(), 8);
        EXPECT_EQ(p.Cost(), 0);
        EXPECT_EQ(p.SpanHistory(), "");
        EXPECT_EQ(p.YOffset(), 0);
    }
    EXPECT_EQ(demo.State().Packet1[0].XOffset(), -200);
    EXPECT_EQ(demo.State().Packet1[1].XOffset(), 200);

    bool cMarked = false;
    int maxShown = 0;
    int ticks = 0;
    while (++ticks < 200) {
        demo.Timer1_Timer();
        cMarked = cMarked || demo.State().Computer1[2].Number() == Computer::Marked;
        maxShown = std::max(maxShown, static_cast<int>(ShownTokens().size()));
        if (ShownTokens().empty()) break;
    }
    EXPECT_EQ(ticks, 47);
    EXPECT_TRUE(cMarked);
    EXPECT_EQ(maxShown, 3);
    const Bridge& bridge = demo.State().Bridge1[0];
    EXPECT_EQ(bridge.PortATable(), (StationTable{1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(bridge.PortBTable()[0], -1);
    EXPECT_TRUE(message.texts.empty());
}

// The window lets its timer sleep while no token is shown: the answer must
// follow every way a token appears or goes.
TEST_F(OneBridgeRoad, TokensAreShownUntilTheLastCopyRetires) {
    int ticks = 0;
    while (demo.State().AnyTokenShown() && ++ticks < 200) demo.Timer1_Timer();
    EXPECT_EQ(ticks, 47);
    EXPECT_TRUE(ShownTokens().empty());
}

TEST_F(DemoTest, NoTokenIsShownAtStartOrAfterKillAndOneIsAfterASend) {
    EXPECT_FALSE(demo.State().AnyTokenShown());
    Send(0, 2);
    EXPECT_TRUE(demo.State().AnyTokenShown());
    demo.btnKill_Click();
    EXPECT_FALSE(demo.State().AnyTokenShown());
    PlaceToken(15, 5000, 3440, 200, 0);
    EXPECT_TRUE(demo.State().AnyTokenShown());
}

TEST_F(DemoTest, TokenLaunchedDuringATickMovesOnlyWhenItsIndexIsHigher) {
    // A right-going token one step before the junction of "One Bridge" (Left 5905).
    PlaceToken(5, 5705, 3440, 200, 0);
    demo.Timer1_Timer();
    ASSERT_TRUE(demo.State().Packet1[0].place.Visible);
    EXPECT_EQ(demo.State().Packet1[0].place.Top, 3440);  // below 5: waits for the next tick
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 5930);

    demo.btnKill_Click();
    PlaceToken(0, 5705, 3440, 200, 0);
    demo.Timer1_Timer();
    ASSERT_TRUE(demo.State().Packet1[1].place.Visible);
    EXPECT_EQ(demo.State().Packet1[1].place.Top, 3640);  // above 0: moved in the same tick
}

TEST_F(DemoTest, PausedWindowMovesNothingUntilResumed) {
    Send(0, 1);
    demo.btnPause_Click();
    EXPECT_EQ(demo.State().btnPause().caption, "Resume");
    EXPECT_FALSE(demo.State().Running());
    demo.Timer1_Timer();
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 4305);
    demo.btnKill_Click();  // Kill while paused leaves the timer alone
    EXPECT_FALSE(demo.State().Running());
    EXPECT_EQ(demo.State().btnPause().caption, "Resume");
    Send(0, 1);
    demo.btnPause_Click();
    EXPECT_EQ(demo.State().btnPause().caption, "Pause");
    EXPECT_TRUE(demo.State().Running());
    demo.Timer1_Timer();
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 4105);
}

// A token on a line that a scenario change hid is never tested again; it is
// freed once it is more than 2000 outside the client area, and not before.
TEST_F(DemoTest, TokenThatLeftTheDrawingIsFreed) {
    Send(0, 1);
    Build("One");  // the network vanishes under both tokens
    const int ticks = TickUntilQuiet(200);
    // Token 1 from 4305 to beyond 14490 + 2000 in steps of 200.
    EXPECT_EQ(ticks, 61);

    PlaceToken(3, 16290 - 200, 5000, 200, 0);
    demo.Timer1_Timer();
    EXPECT_TRUE(demo.State().Packet1[3].place.Visible);  // at 16290: 1800 outside
    demo.Timer1_Timer();
    EXPECT_TRUE(demo.State().Packet1[3].place.Visible);  // exactly 2000 outside
    demo.Timer1_Timer();
    EXPECT_FALSE(demo.State().Packet1[3].place.Visible);

    PlaceToken(4, 5000, -1800, 0, -200);
    demo.Timer1_Timer();
    EXPECT_TRUE(demo.State().Packet1[4].place.Visible);
    demo.Timer1_Timer();
    EXPECT_FALSE(demo.State().Packet1[4].place.Visible);
}

}  // namespace
}  // namespace bridging::testing
