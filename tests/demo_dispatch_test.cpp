// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dispatcher: pool order and exhaustion, where a launched token starts,
// what a copy keeps, the two messages and what happens around them.
#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

TEST_F(DemoTest, LaunchTakesTheLowestHiddenToken) {
    for (int k : {0, 1, 3}) PlaceToken(k, 0, 0, 200, 0);
    demo.LaunchPacket(demo.State().Packet1[0], 0, OriginLink, DirDown, 0);
    EXPECT_EQ(ShownTokens(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(DemoTest, ExhaustedPoolShowsTheMessageKillsAndServesTheNextRequest) {
    for (int k = 0; k < PoolSize; ++k) PlaceToken(k, 100.0f * k, 500, 200, 0);
    demo.Scene().Computer1[3].SetNumber(Computer::Marked);
    demo.Computer1_btnKeys_Click(1);  // its left-going request meets the full pool
    EXPECT_EQ(message.texts, (std::vector<std::string>{"Run Out of Packets"}));
    EXPECT_EQ(ShownTokens(), (std::vector<int>{0}));
    EXPECT_EQ(demo.State().Packet1[0].XOffset(), 200);
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 8835);
    EXPECT_EQ(demo.State().Packet1[0].Source(), 2);
    EXPECT_EQ(demo.State().Computer1[3].Number(), 3);
}

TEST_F(DemoTest, SendLaunchesTwinsAtTheNearestSegmentBelowTheStation) {
    Build("Full Network");
    demo.Computer1_Command1_Click(2);
    demo.Computer1_btnKeys_Click(4);  // E, between segments 1 (6780) and 2 (9660)
    ASSERT_EQ(ShownTokens(), (std::vector<int>{0, 1}));
    for (int k : {0, 1}) {
        EXPECT_EQ(demo.State().Packet1[k].place.Left, 6840);
        EXPECT_EQ(demo.State().Packet1[k].place.Top, 6780 - 400);
        EXPECT_EQ(demo.State().Packet1[k].Destination(), 3);
        EXPECT_EQ(demo.State().Packet1[k].Source(), 5);
        EXPECT_EQ(demo.State().Packet1[k].Colour(), 0x00FFFFC0);
    }
    EXPECT_EQ(demo.State().Packet1[0].XOffset(), -200);

    demo.Computer1_btnKeys_Click(5);  // F, partly above the window, over segment 3
    EXPECT_EQ(demo.State().Packet1[2].place.Top, 1440 - 400);

    // A segment exactly at a station's top edge does not count as below it.
    demo.Scene().Computer1[0].place.Top = 3840;
    demo.Computer1_btnKeys_Click(0);
    EXPECT_EQ(demo.State().Packet1[4].place.Top, 6780 - 400);
}

TEST_F(DemoTest, SelectedStationAddressesEveryNewFrame) {
    demo.Computer1_Command1_Click(2);
    EXPECT_EQ(demo.State().iSelectedStation(), 3);
    demo.Computer1_btnKeys_Click(2);  // a station may address itself
    EXPECT_EQ(demo.State().Packet1[1].Destination(), 3);
    EXPECT_EQ(demo.State().Packet1[1].Source(), 3);
    demo.Computer1_Command1_Click(5);
    EXPECT_EQ(demo.State().Packet1[1].Destination(), 3);  // frames on their way keep theirs
    demo.Computer1_btnKeys_Click(0);
    EXPECT_EQ(demo.State().Packet1[2].Destination(), 6);
    EXPECT_EQ(demo.State().Packet1[2].Colour(), demo.State().Colours()[6]);
}

TEST_F(DemoTest, BridgeOutputStartsOutsideTheBridgesArrivalWindows) {
    Build("Full Network");
    const Packet& source = demo.State().Packet1[15];
    demo.LaunchPacket(source, 0, OriginBridge, DirUp, 0);
    demo.LaunchPacket(source, 0, OriginBridge, DirDown, 0);
    EXPECT_EQ(demo.State().Packet1[0].place.Top, 5880 - 360);
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 1020 + 860);
    EXPECT_EQ(demo.State().Packet1[0].YOffset(), -200);
    EXPECT_EQ(demo.State().Packet1[0].XOffset(), 0);
    EXPECT_EQ(demo.State().Packet1[1].place.Top, 5880 + 1080);
    EXPECT_EQ(demo.State().Packet1[1].YOffset(), 200);
    // Neither re-enters bridge 1 on its way out.
    demo.Timer1_Timer();
    EXPECT_EQ(ShownTokens(), (std::vector<int>{0, 1}));
    EXPECT_EQ(demo.State().Packet1[0].place.Top, 5520 - 200);
    EXPECT_EQ(demo.State().Packet1[1].place.Top, 6960 + 200);
}

TEST_F(DemoTest, LinkCopiesKeepEveryFrameField) {
    Packet& source = demo.Scene().Packet1[9];
    PlaceToken(9, 0, 0, 200, 0, 0);
    source.SetColour(0x00123456);
    source.SetCost(7);
    source.SetNextHop(2.5);
    source.SetSource(3);
    source.SetTimeToLive(1);
    source.SetSpanHistory("via 1");
    demo.LaunchPacket(source, 0, OriginLink, DirLeft, EndTop);
    demo.LaunchPacket(source, 0, OriginLink, DirRight, EndBottom);
    for (int k : {0, 1}) {
        const Packet& copy = demo.State().Packet1[k];
        EXPECT_EQ(copy.Colour(), 0x00123456);  // a spanning-tree frame keeps its sender's colour
        EXPECT_EQ(copy.Cost(), 7);
        EXPECT_EQ(copy.Destination(), 0);
        EXPECT_EQ(copy.NextHop(), 2.5);
        EXPECT_EQ(copy.Source(), 3);
        EXPECT_EQ(copy.TimeToLive(), 1);
        EXPECT_EQ(copy.SpanHistory(), "via 1");
        EXPECT_EQ(copy.place.Left, 6570 - 640);
    }
    EXPECT_EQ(demo.State().Packet1[0].place.Top, 3840 - 400);
    EXPECT_EQ(demo.State().Packet1[1].place.Top, 9600 - 400);
}

// No segment below the station: the taken token is free again, and each of
// the two requests raises the message.
TEST_F(DemoTest, StationWithoutSegmentGivesItsTokenBack) {
    Build("Two");
    const Raised raised = demo.Computer1_btnKeys_Click(0);
    EXPECT_EQ(message.texts, (std::vector<std::string>(2, "Can't find Segment below Computer")));
    EXPECT_EQ(raised.messages.size(), 2u);
    EXPECT_TRUE(ShownTokens().empty());
}

// The tick that runs the pool out goes on to its end, Kill at the point of the
// run-out and then the split's right-going copy, and raises the message for
// the window to show afterwards.
TEST_F(DemoTest, TheTickFinishesThenRaisesTheMessage) {
    for (int k = 0; k < 15; ++k) PlaceToken(k, 3000, 5000, 200, 0);
    PlaceToken(15, 5930, 8560, 0, 200, 3);  // reaches the lower end of link 0 this tick
    const Raised raised = demo.Timer1_Timer();
    EXPECT_EQ(message.texts, (std::vector<std::string>{"Run Out of Packets"}));
    ASSERT_EQ(raised.messages.size(), 1u);
    EXPECT_EQ(raised.messages[0].kind, MessageKind::RunOutOfPackets);
    EXPECT_EQ(ShownTokens(), (std::vector<int>{0}));
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 5930);
    EXPECT_EQ(demo.State().Packet1[0].place.Top, 9200);
    EXPECT_EQ(demo.State().Packet1[0].XOffset(), 200);
    demo.Timer1_Timer();
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 6130);
}

// The same split made by token 0: Kill frees it too, the right-going copy
// takes it over, and it must stay shown as that copy.
TEST_F(DemoTest, SplitThatClearsThePoolKeepsItsCopyInTheSplittingToken) {
    PlaceToken(0, 5930, 8560, 0, 200, 3);
    for (int k = 1; k < PoolSize; ++k) PlaceToken(k, 3000, 5000, 200, 0);
    demo.Timer1_Timer();
    EXPECT_EQ(message.texts, (std::vector<std::string>{"Run Out of Packets"}));
    ASSERT_EQ(ShownTokens(), (std::vector<int>{0}));
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 5930);
    EXPECT_EQ(demo.State().Packet1[0].place.Top, 9200);
    EXPECT_EQ(demo.State().Packet1[0].XOffset(), 200);
    EXPECT_EQ(demo.State().Packet1[0].YOffset(), 0);
    EXPECT_EQ(demo.State().Packet1[0].Destination(), 3);
}

// A press of a marked station, or of an element that does not exist, launches
// nothing and does not reach the window as a failure.
TEST_F(DemoTest, FailingComponentDoesNotReachTheWindow) {
    demo.Scene().Computer1[0].SetNumber(Computer::Marked);
    EXPECT_NO_THROW(demo.Computer1_btnKeys_Click(0));
    EXPECT_NO_THROW(demo.Computer1_btnKeys_Click(17));
    EXPECT_NO_THROW(demo.Bridge1_btnSpanTree_Click(-1));
    EXPECT_TRUE(ShownTokens().empty());
}

}  // namespace
}  // namespace bridging::testing
