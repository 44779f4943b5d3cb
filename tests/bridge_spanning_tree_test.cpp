// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spanning-tree exchange: the frames a bridge originates, and how a received
// frame moves its root, costs, cost labels and port states.
#include <gtest/gtest.h>

#include <vector>

#include "bridge/bridge.h"
#include "bridge_test_support.h"

namespace bridging {
namespace {

using namespace bridge_test;

constexpr std::int16_t FromA = 0;
constexpr std::int16_t FromB = 1;

Bridge Numbered(int number, int costA, int costB) {
    Bridge bridge;
    bridge.SetBridgeNumber(number);
    bridge.SetPortACost(costA);
    bridge.SetPortBCost(costB);
    return bridge;
}

BridgeEvents Hear(Bridge& bridge, double root, int cost, int sender, std::int16_t port) {
    return HandIn(bridge, RootFrame(root, cost, sender), port);
}

// Total through A, best on A, total through B, best on B.
std::array<std::int16_t, 4> Costs(const Bridge& bridge) {
    return {bridge.TotalCostThroughPortA(), bridge.BestCostOnPortA(),
            bridge.TotalCostThroughPortB(), bridge.BestCostOnPortB()};
}

using CostFields = std::array<std::int16_t, 4>;

bool IsBlocked(const Bridge& bridge) {
    return bridge.PortAState() == PortBlocked && bridge.PortBState() == PortBlocked &&
           bridge.Face().lblPortA.text == "Blocked" && bridge.Face().lblPortB.text == "Blocked";
}

void ExpectSentOutOfBothPorts(const std::vector<Sent>& sent, const Bridge& bridge, double root,
                              std::int16_t cost) {
    ASSERT_EQ(sent.size(), 2U);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].direction, static_cast<std::int16_t>(i));
        EXPECT_EQ(sent[i].token, bridge.OwnPacket());
        EXPECT_EQ(sent[i].destination, 0);
        EXPECT_EQ(sent[i].source, root);
        EXPECT_EQ(sent[i].cost, cost);
        EXPECT_EQ(sent[i].colour, 0x00FFFFFF - bridge.BridgeNumber());
        EXPECT_EQ(sent[i].timeToLive, 1);
    }
}

TEST(SpanningTreeOrigination, RootSendsCostZeroUpThenDownWhateverItsPorts) {
    Bridge root = Numbered(1, 5, 5);
    const std::vector<Sent> sent = SentBy(Originate(root));
    ExpectSentOutOfBothPorts(sent, root, 1, 0);
    EXPECT_EQ(root.OwnPacket().Colour(), 0x00FFFFFE);
}

TEST(SpanningTreeOrigination, NonRootSendsItsCheapestTotalInBothFrames) {
    Bridge bridge = Numbered(2, 1, 1);
    Hear(bridge, 1, 0, 1, FromA);
    const std::vector<Sent> sent = SentBy(Originate(bridge));
    ExpectSentOutOfBothPorts(sent, bridge, 1, 1);
    EXPECT_EQ(sent[0].colour, 0x00FFFFFD);
}

TEST(SpanningTreeReception, AdoptsALowerRootAndLearnsThePathThroughTheArrivalPort) {
    for (const bool forwarding : {false, true}) {
        Bridge bridge = Numbered(2, 1, 1);
        bridge.SetbForward(forwarding);
        EXPECT_TRUE(SentBy(Hear(bridge, 1, 0, 1, FromA)).empty());
        EXPECT_EQ(bridge.RootBridge(), 1.0);
        EXPECT_EQ(Costs(bridge), (CostFields{1, 0, Bridge::NoPath, 1}));
        EXPECT_EQ(bridge.RootPort(), "PortA");
        const std::string port = forwarding ? "" : "Blocking";
        EXPECT_EQ(Shown(bridge), (Texts{"Bridge #2", port, port, "1:0", "X:X", " 1", " 1", "1"}));
    }
}

TEST(SpanningTreeReception, BlocksOnlyWhenTheOtherSideOffersACheaperPath) {
    Bridge bridge = Numbered(2, 1, 1);
    Hear(bridge, 1, 0, 1, FromA);
    Hear(bridge, 1, 1, 3, FromB);
    EXPECT_EQ(Costs(bridge), (CostFields{1, 0, 2, 1}));
    EXPECT_FALSE(IsBlocked(bridge));
    Hear(bridge, 1, 0, 1, FromB);
    EXPECT_TRUE(IsBlocked(bridge));
}

TEST(SpanningTreeReception, EqualCostBlocksOnlyForALowerNumberedSender) {
    for (const int sender : {2, 4}) {
        Bridge bridge = Numbered(3, 1, 1);
        Hear(bridge, 1, 1, 1, FromA);
        Hear(bridge, 1, 2, sender, FromB);
        EXPECT_EQ(bridge.TotalCostThroughPortB(), 3);
        EXPECT_EQ(bridge.RootPort(), "PortA");
        EXPECT_EQ(IsBlocked(bridge), sender < 3) << "sender " << sender;
    }
}

TEST(SpanningTreeReception, WithoutARootPortOnlyACheaperCostBlocks) {
    for (const std::int16_t port : {FromA, FromB}) {
        Bridge bridge = Numbered(5, 5, 5);
        Hear(bridge, 1, 20000, 9, FromA);
        bridge.SetTotalCostThroughPortA(3);
        bridge.SetTotalCostThroughPortB(3);
        Hear(bridge, 1, 3, 1, port);
        EXPECT_EQ(bridge.RootPort(), "");
        EXPECT_FALSE(IsBlocked(bridge));
        Hear(bridge, 1, 2, 9, port);
        EXPECT_TRUE(IsBlocked(bridge)) << "port " << port;
    }
}

// Bridge 3 under root 2, blocked because the lower side hears the root itself.
Bridge BlockedBridge(bool forwarding) {
    Bridge bridge = Numbered(3, 1, 2);
    bridge.SetbForward(forwarding);
    Hear(bridge, 2, 0, 2, FromA);
    Hear(bridge, 2, 0, 2, FromB);
    return bridge;
}

TEST(SpanningTreeReception, BlockedStaysWhateverTheSameOrAHigherRootSaysUntilRenumbered) {
    Bridge bridge = BlockedBridge(true);
    ASSERT_TRUE(IsBlocked(bridge));
    Hear(bridge, 2, 500, 9, FromA);
    Hear(bridge, 2, 500, 9, FromB);
    Hear(bridge, 7, 0, 7, FromA);
    EXPECT_TRUE(IsBlocked(bridge));
    bridge.SetBridgeNumber(3);
    EXPECT_EQ(States(bridge), (std::array{PortBlocking, PortBlocking}));
}

TEST(SpanningTreeReception, LowerRootReleasesBeforeItsCostsApply) {
    for (const bool forwarding : {true, false}) {
        Bridge bridge = BlockedBridge(forwarding);
        ASSERT_TRUE(IsBlocked(bridge));
        Hear(bridge, 1, 4, 1, FromA);
        const std::int32_t released = forwarding ? PortForwarding : PortBlocking;
        EXPECT_EQ(States(bridge), (std::array{released, released}));
        EXPECT_EQ(Costs(bridge), (CostFields{5, 4, Bridge::NoPath, 5}));
        const std::string port = forwarding ? "" : "Blocking";
        EXPECT_EQ(Shown(bridge), (Texts{"Bridge #3", port, port, "5:4", "X:X", " 1", " 2", "1"}));
    }
}

TEST(SpanningTreeReception, RootNeverBlocksAndShowsZeroCosts) {
    Bridge root = Numbered(1, 1, 2);
    for (const int cost : {0, -100}) {
        Hear(root, 1, cost, 2, FromA);
        Hear(root, 1, cost, 2, FromB);
    }
    EXPECT_EQ(States(root), (std::array{PortBlocking, PortBlocking}));
    EXPECT_EQ(Shown(root),
              (Texts{"Bridge #1", "Blocking", "Blocking", "0:0", "0:0", " 1", " 2", "1"}));
}

// Such a frame still recomputes what derives from the stored costs; totals above
// a thousand show as unknown.
TEST(SpanningTreeReception, HigherRootChangesNoCost) {
    Bridge bridge = Numbered(2, 1, 1);
    Hear(bridge, 1, 0, 1, FromA);
    bridge.SetTotalCostThroughPortB(0);
    Hear(bridge, 3, -5, 3, FromB);
    EXPECT_EQ(bridge.RootBridge(), 1.0);
    EXPECT_EQ(Costs(bridge), (CostFields{1, 0, 0, 1}));
    EXPECT_EQ(bridge.RootPort(), "PortB");
    EXPECT_EQ(bridge.Face().lblBestRealB.text, "0:1");
    EXPECT_FALSE(IsBlocked(bridge));
    bridge.SetTotalCostThroughPortA(1001);
    bridge.SetTotalCostThroughPortB(1000);
    Hear(bridge, 9, 0, 9, FromA);
    EXPECT_EQ(bridge.Face().lblBestRealA.text + "|" + bridge.Face().lblBestRealB.text,
              "X:X|1000:1");
}

TEST(SpanningTreeReception, CostSumsBeyondSixteenBitsNeitherThrowNorWrap) {
    Bridge bridge = Numbered(2, 32767, -32768);
    EXPECT_NO_THROW(Hear(bridge, 1, 32767, 1, FromA));
    EXPECT_EQ(bridge.TotalCostThroughPortA(), Bridge::NoPath);
    EXPECT_NO_THROW(Hear(bridge, 1, -32768, 1, FromB));
    EXPECT_EQ(Costs(bridge), (CostFields{Bridge::NoPath, -32768, -32768, -32768}));
}

TEST(SpanningTreeExchange, SecondBridgeBetweenTheSameSegmentsBlocksAfterOneRound) {
    Bridge root = Numbered(1, 5, 5);
    Bridge other = Numbered(2, 2, 2);
    root.SetbForward(true);
    other.SetbForward(true);
    // Port A of both faces the upper segment, port B the lower one.
    for (const BridgeTx& tx : Originate(root).zBridgeTx) HandIn(other, tx.pktTx, tx.iDirection);
    EXPECT_TRUE(IsBlocked(other));
    EXPECT_EQ(root.PortAState(), PortForwarding);
}

}  // namespace
}  // namespace bridging
