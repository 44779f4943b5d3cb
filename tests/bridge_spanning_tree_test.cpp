// The spanning-tree exchange: the frames a bridge originates, and how a received
// frame moves its root, costs, cost labels and port states.
#include <gtest/gtest.h>

#include <vector>

#include "bridge/bridge.h"
#include "bridge_test_support.h"

namespace bridging {
namespace {

using bridge_test::RecordSends;
using bridge_test::RootFrame;
using bridge_test::Sent;

constexpr std::int16_t FromA = 0;
constexpr std::int16_t FromB = 1;

Bridge Numbered(int number, int costA, int costB) {
    Bridge bridge;
    bridge.SetBridgeNumber(number);
    bridge.SetPortACost(costA);
    bridge.SetPortBCost(costB);
    return bridge;
}

void Hear(Bridge& bridge, double root, int cost, int sender, std::int16_t port) {
    Packet frame = RootFrame(root, cost, sender);
    bridge.xPacketArrives(frame, port);
}

bool IsBlocked(const Bridge& bridge) {
    return bridge.PortAState() == PortBlocked && bridge.PortBState() == PortBlocked &&
           bridge.Face().lblPortA.text == "Blocked" && bridge.Face().lblPortB.text == "Blocked";
}

void ExpectSentOutOfBothPorts(const std::vector<Sent>& sent, const Bridge& bridge, double root,
                              std::int16_t cost) {
    ASSERT_EQ(sent.size(), 2U);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].direction, static_cast<std::int16_t>(i));
        EXPECT_EQ(sent[i].token, &bridge.OwnPacket());
        EXPECT_EQ(sent[i].destination, 0);
        EXPECT_EQ(sent[i].source, root);
        EXPECT_EQ(sent[i].cost, cost);
        EXPECT_EQ(sent[i].colour, 0x00FFFFFF - bridge.BridgeNumber());
        EXPECT_EQ(sent[i].timeToLive, 1);
    }
}

TEST(SpanningTreeOrigination, RootSendsCostZeroUpThenDownWhateverItsPorts) {
    Bridge root = Numbered(1, 5, 5);
    std::vector<Sent> sent;
    RecordSends(root, sent);
    root.btnSpanTree_Click();
    ExpectSentOutOfBothPorts(sent, root, 1, 0);
    EXPECT_EQ(root.OwnPacket().Colour(), 0x00FFFFFE);
}

// The container may change the token it was handed; the second send still
// carries the bridge's own cost.
TEST(SpanningTreeOrigination, NonRootSendsItsCheapestTotalInBothFrames) {
    Bridge bridge = Numbered(2, 1, 1);
    Hear(bridge, 1, 0, 1, FromA);
    std::vector<Sent> sent;
    bridge.zBridgeTx = [&sent](Packet& pktTx, std::int16_t iDirection) {
        sent.push_back({iDirection, &pktTx, pktTx.Source(), pktTx.Destination(), pktTx.Cost(),
                        pktTx.Colour(), pktTx.TimeToLive()});
        pktTx.SetCost(99);
    };
    bridge.btnSpanTree_Click();
    ExpectSentOutOfBothPorts(sent, bridge, 1, 1);
    EXPECT_EQ(sent[0].colour, 0x00FFFFFD);
}

TEST(SpanningTreeReception, AdoptsALowerRootAndLearnsThePathThroughTheArrivalPort) {
    for (const bool forwarding : {false, true}) {
        Bridge bridge = Numbered(2, 1, 1);
        bridge.SetbForward(forwarding);
        std::vector<Sent> sent;
        RecordSends(bridge, sent);
        Hear(bridge, 1, 0, 1, FromA);
        EXPECT_TRUE(sent.empty());
        EXPECT_EQ(bridge.RootBridge(), 1.0);
        EXPECT_EQ(bridge.Face().btnSpanTree.caption, "1");
        EXPECT_EQ(bridge.TotalCostThroughPortA(), 1);
        EXPECT_EQ(bridge.BestCostOnPortA(), 0);
        EXPECT_EQ(bridge.TotalCostThroughPortB(), Bridge::NoPath);
        EXPECT_EQ(bridge.BestCostOnPortB(), 1);
        EXPECT_EQ(bridge.RootPort(), "PortA");
        EXPECT_EQ(bridge.Face().lblBestRealA.text, "1:0");
        EXPECT_EQ(bridge.Face().lblBestRealB.text, "X:X");
        EXPECT_EQ(bridge.Face().lblPortA.text, forwarding ? "" : "Blocking");
        EXPECT_EQ(bridge.PortBState(), forwarding ? PortForwarding : PortBlocking);
    }
}

TEST(SpanningTreeReception, BlocksOnlyWhenTheOtherSideOffersACheaperPath) {
    Bridge bridge = Numbered(2, 1, 1);
    Hear(bridge, 1, 0, 1, FromA);
    Hear(bridge, 1, 1, 3, FromB);
    EXPECT_EQ(bridge.TotalCostThroughPortB(), 2);
    EXPECT_EQ(bridge.BestCostOnPortB(), 1);
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

TEST(SpanningTreeReception, BlockedStaysWhateverTheSameOrAHigherRootSays) {
    Bridge bridge = BlockedBridge(true);
    ASSERT_TRUE(IsBlocked(bridge));
    Hear(bridge, 2, 500, 9, FromA);
    Hear(bridge, 2, 500, 9, FromB);
    Hear(bridge, 7, 0, 7, FromA);
    EXPECT_TRUE(IsBlocked(bridge));
}

TEST(SpanningTreeReception, LowerRootReleasesBeforeItsCostsApply) {
    for (const bool forwarding : {true, false}) {
        Bridge bridge = BlockedBridge(forwarding);
        ASSERT_TRUE(IsBlocked(bridge));
        Hear(bridge, 1, 4, 1, FromA);
        const std::int32_t released = forwarding ? PortForwarding : PortBlocking;
        EXPECT_EQ(bridge.PortAState(), released);
        EXPECT_EQ(bridge.PortBState(), released);
        EXPECT_EQ(bridge.Face().lblPortB.text, forwarding ? "" : "Blocking");
        EXPECT_EQ(bridge.TotalCostThroughPortA(), 5);
        EXPECT_EQ(bridge.Face().lblBestRealA.text, "5:4");
        EXPECT_EQ(bridge.Face().lblBestRealB.text, "X:X");
    }
}

TEST(SpanningTreeReception, RenumberingReleasesABlockedBridge) {
    Bridge bridge = BlockedBridge(true);
    bridge.SetBridgeNumber(3);
    EXPECT_EQ(bridge.PortAState(), PortBlocking);
    EXPECT_EQ(bridge.Face().lblPortA.text, "Blocking");
}

TEST(SpanningTreeReception, RootNeverBlocksAndShowsZeroCosts) {
    Bridge root = Numbered(1, 1, 2);
    for (const int cost : {0, -100}) {
        Hear(root, 1, cost, 2, FromA);
        Hear(root, 1, cost, 2, FromB);
    }
    EXPECT_EQ(root.PortAState(), PortBlocking);
    EXPECT_EQ(root.Face().lblBestRealA.text, "0:0");
    EXPECT_EQ(root.Face().lblBestRealB.text, "0:0");
    EXPECT_EQ(root.Face().btnSpanTree.caption, "1");
}

// Such a frame still recomputes what derives from the stored costs.
TEST(SpanningTreeReception, HigherRootChangesNoCost) {
    Bridge bridge = Numbered(2, 1, 1);
    Hear(bridge, 1, 0, 1, FromA);
    bridge.SetTotalCostThroughPortB(0);
    Hear(bridge, 3, -5, 3, FromB);
    EXPECT_EQ(bridge.RootBridge(), 1.0);
    EXPECT_EQ(bridge.TotalCostThroughPortB(), 0);
    EXPECT_EQ(bridge.BestCostOnPortB(), 1);
    EXPECT_EQ(bridge.RootPort(), "PortB");
    EXPECT_EQ(bridge.Face().lblBestRealB.text, "0:1");
    EXPECT_FALSE(IsBlocked(bridge));
}

TEST(SpanningTreeReception, TotalsAboveAThousandShowAsUnknown) {
    Bridge bridge = Numbered(2, 0, 0);
    Hear(bridge, 1, 0, 1, FromA);
    bridge.SetTotalCostThroughPortA(1000);
    bridge.SetTotalCostThroughPortB(1001);
    Hear(bridge, 9, 0, 9, FromA);
    EXPECT_EQ(bridge.Face().lblBestRealA.text, "1000:0");
    EXPECT_EQ(bridge.Face().lblBestRealB.text, "X:X");
}

TEST(SpanningTreeReception, CostSumsBeyondSixteenBitsNeitherThrowNorWrap) {
    Bridge bridge = Numbered(2, 32767, -32768);
    EXPECT_NO_THROW(Hear(bridge, 1, 32767, 1, FromA));
    EXPECT_EQ(bridge.TotalCostThroughPortA(), Bridge::NoPath);
    EXPECT_NO_THROW(Hear(bridge, 1, -32768, 1, FromB));
    EXPECT_EQ(bridge.TotalCostThroughPortB(), -32768);
    EXPECT_EQ(bridge.BestCostOnPortB(), -32768);
}

TEST(SpanningTreeExchange, SecondBridgeBetweenTheSameSegmentsBlocksAfterOneRound) {
    Bridge root = Numbered(1, 5, 5);
    Bridge other = Numbered(2, 2, 2);
    root.SetbForward(true);
    other.SetbForward(true);
    // Port A of both faces the upper segment, port B the lower one.
    root.zBridgeTx = [&other](Packet& pktTx, std::int16_t iDirection) {
        Packet copy = pktTx;
        other.xPacketArrives(copy, iDirection);
    };
    root.btnSpanTree_Click();
    EXPECT_TRUE(IsBlocked(other));
    EXPECT_EQ(root.PortAState(), PortForwarding);
}

}  // namespace
}  // namespace bridging
