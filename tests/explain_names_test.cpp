// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tooltip texts and accessible names follow the state they describe: each
// is checked before and after the change that should alter it.
#include <gtest/gtest.h>

#include "bridge_test_support.h"
#include "demo_fixture.h"
#include "explain/accessible.h"
#include "explain/tooltips.h"

namespace bridging::testing {
namespace {

using namespace explain;
using bridge_test::DataFrame;
using bridge_test::HandIn;
using bridge_test::RootFrame;

::testing::AssertionResult Says(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << text << "\" does not say \"" << part << '"';
}

Bridge NumberedBridge(int number, bool forward) {
    Bridge bridge;
    bridge.SetBridgeNumber(number);
    bridge.SetPortACost(1);
    bridge.SetPortBCost(1);
    bridge.SetbLearn(true);
    bridge.SetbForward(forward);
    return bridge;
}

TEST(TokenWords, DataFrameNamesItsLabelEndsAndMotion) {
    Packet frame = DataFrame(1, 3);
    frame.SetTimeToLive(8);
    frame.SetXOffset(200);
    EXPECT_EQ(TokenName(frame), "Frame C:A, from A to C, moving right");
    EXPECT_EQ(TokenTip(frame),
              "Frame from A to C, moving right. Bridges do not count a frame's hops, so a frame "
              "caught in a loop circles until Kill.");
    frame.SetXOffset(0);
    frame.SetYOffset(-200);
    EXPECT_EQ(TokenName(frame), "Frame C:A, from A to C, moving up");
}

TEST(TokenWords, SpanningTreeFrameNamesRootCostAndSender) {
    const Packet frame = RootFrame(1, 0, 1);
    EXPECT_EQ(TokenName(frame), "Spanning-tree frame S:1:0, root 1, cost 0");
    EXPECT_EQ(TokenTip(RootFrame(1, 1, 2)), "Spanning-tree frame from bridge 2: root 1, cost 1");
}

TEST(BridgeWords, PortRowFollowsTableAndState) {
    Bridge bridge = NumberedBridge(1, true);
    EXPECT_EQ(PortRowName(bridge, 0), "Port A, upper side: forwarding, learned nothing");
    Packet fromA = DataFrame(1, 3);
    HandIn(bridge, fromA, 0);
    Packet fromB = DataFrame(2, 3);
    HandIn(bridge, fromB, 0);
    EXPECT_EQ(PortRowName(bridge, 0), "Port A, upper side: forwarding, learned B, A");
    EXPECT_EQ(PortRowName(bridge, 1), "Port B, lower side: forwarding, learned nothing");
    EXPECT_TRUE(Says(PortRowTip(bridge, 0), "B, A are on this side"));
    EXPECT_TRUE(Says(PortRowTip(bridge, 1), "no station on this side"));

    bridge.SetbForward(false);
    EXPECT_EQ(PortRowName(bridge, 0), "Port A, upper side: blocking, learned B, A");
    EXPECT_TRUE(Says(PortRowTip(bridge, 0), "Forwarding is off"));
}

TEST(BridgeWords, CostPairSaysOwnRootUnknownOrKnown) {
    Bridge bridge = NumberedBridge(2, true);
    EXPECT_EQ(CostPairName(bridge, 0), "Port A: this bridge is the root, cost 0");
    EXPECT_TRUE(Says(CostPairTip(bridge, 0), "takes itself for the root"));

    HandIn(bridge, RootFrame(1, 0, 1), 0);
    EXPECT_EQ(CostPairName(bridge, 0), "Port A: cost to the root 1, best on this side 0");
    EXPECT_EQ(CostPairName(bridge, 1), "Port B: cost to the root not known yet");
    EXPECT_TRUE(Says(CostPairTip(bridge, 0), "root port"));
    EXPECT_FALSE(Says(CostPairTip(bridge, 1), "root port"));
    EXPECT_TRUE(Says(CostPairTip(bridge, 1), "X:X"));
    EXPECT_EQ(PortCostName(bridge, 1), "Port B cost 1");
}

TEST(BridgeWords, RootButtonAndBlockedReasonFollowTheExchange) {
    Bridge bridge = NumberedBridge(2, true);
    EXPECT_EQ(RootButtonName(bridge), "Bridge #2, root 2: send spanning-tree frames");
    EXPECT_FALSE(Says(BridgeTip(bridge), "Blocked"));

    Packet fromRootOnA = RootFrame(1, 0, 1);
    HandIn(bridge, fromRootOnA, 0);
    EXPECT_EQ(RootButtonName(bridge), "Bridge #2, root 1: send spanning-tree frames");
    EXPECT_FALSE(Says(BridgeTip(bridge), "Blocked"));

    Packet fromRootOnB = RootFrame(1, 0, 1);
    HandIn(bridge, fromRootOnB, 1);
    ASSERT_EQ(bridge.PortAState(), PortBlocked);
    EXPECT_TRUE(Says(BridgeTip(bridge), "Both its ports are Blocked"));
    EXPECT_TRUE(Says(PortRowTip(bridge, 1), "Blocked by the spanning tree"));
    EXPECT_EQ(PortRowName(bridge, 1), "Port B, lower side: blocked, learned nothing");
}

class StationWords : public DemoTest {};

TEST_F(StationWords, LetterSaysDestinationAndArrival) {
    Build("One Bridge");
    SwitchOn();
    demo.Computer1_Command1_Click(2);
    EXPECT_EQ(StationLetterName(demo.State(), 2), "Station C, the destination");
    EXPECT_EQ(StationLetterName(demo.State(), 0), "Station A, not the destination");
    EXPECT_TRUE(Says(StationLetterTip(demo.State(), 0), "(now C)"));
    EXPECT_EQ(SendName(demo.State(), 0), "Send a frame from A to C");

    demo.Computer1_btnKeys_Click(0);
    for (int tick = 0; tick < 100 && demo.State().Computer1[2].Number() != Computer::Marked;
         ++tick) {
        demo.Timer1_Timer();
    }
    ASSERT_EQ(demo.State().Computer1[2].Number(), Computer::Marked);
    EXPECT_EQ(StationLetterName(demo.State(), 2),
              "Station C, the destination, a frame has arrived");
    EXPECT_TRUE(Says(StationLetterTip(demo.State(), 2), "has arrived"));
    EXPECT_TRUE(Says(SendTip(demo.State(), 2), "does nothing"));
    EXPECT_TRUE(Says(SendTip(demo.State(), 0), "from A to C"));
}

}  // namespace
}  // namespace bridging::testing
