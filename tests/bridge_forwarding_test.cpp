// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Data frames through the bridge: what it learns, what it filters, and which
// sends it asks its container for.
#include <gtest/gtest.h>

#include <vector>

#include "bridge/bridge.h"
#include "bridge_test_support.h"

namespace bridging {
namespace {

using namespace bridge_test;

constexpr std::int16_t FromA = 0;
constexpr std::int16_t FromB = 1;
using Directions = std::vector<std::int16_t>;

class BridgeForwarding : public ::testing::Test {
protected:
    BridgeForwarding() {
        bridge.SetBridgeNumber(1);
        bridge.SetbLearn(true);
        bridge.SetbForward(true);
    }

    // Hands a frame in; the directions it was sent out in, in order.
    Directions Arrive(double source, int destination, std::int16_t port) {
        const Packet frame = DataFrame(source, destination);
        sent = SentBy(HandIn(bridge, frame, port));
        Directions directions;
        for (const Sent& s : sent) {
            EXPECT_EQ(s.token, frame);
            directions.push_back(s.direction);
        }
        return directions;
    }

    Bridge bridge;
    std::vector<Sent> sent;
};

TEST_F(BridgeForwarding, UnknownDestinationIsFloodedToTheOtherPortAndSourceLearned) {
    EXPECT_EQ(Arrive(1, 2, FromA), Directions{1});
    EXPECT_EQ(bridge.PortATable(), Table({1}));
    EXPECT_EQ(bridge.Face().lblPortA.text, "A");
    EXPECT_EQ(Arrive(3, 2, FromB), Directions{0});
    EXPECT_EQ(Arrive(4, 2, 9), Directions{0});
    EXPECT_EQ(bridge.PortBTable(), Table({4, 3}));
}

TEST_F(BridgeForwarding, DestinationOnTheArrivalSideIsFilteredOtherwiseSent) {
    bridge.zSetPortAString("B");
    bridge.zSetPortBString("C");
    EXPECT_EQ(Arrive(1, 2, FromA), Directions{});
    EXPECT_EQ(Arrive(1, 3, FromA), Directions{1});
    EXPECT_EQ(Arrive(4, 3, FromB), Directions{});
    EXPECT_EQ(Arrive(4, 2, FromB), Directions{0});
}

TEST_F(BridgeForwarding, StationHeardOnTheOtherSideMovesThere) {
    bridge.zSetPortAString("A:C:D:E");
    EXPECT_EQ(Arrive(3, 6, FromB), Directions{0});
    EXPECT_EQ(bridge.PortATable(), Table({1, 4, 5}));
    EXPECT_EQ(bridge.PortBTable(), Table({3}));
    EXPECT_EQ(bridge.Face().lblPortA.text + "|" + bridge.Face().lblPortB.text, "A:D:E|C");
}

TEST_F(BridgeForwarding, NewestFirstAndTheEighthEvictsTheEarliest) {
    bridge.zSetPortAString("A:B:C:D:E");
    Arrive(5, 20, FromA);
    EXPECT_EQ(bridge.PortATable(), Table({1, 2, 3, 4, 5}));
    for (int station = 6; station <= 8; ++station) Arrive(station, 20, FromA);
    EXPECT_EQ(bridge.PortATable(), (StationTable{8, 7, 6, 1, 2, 3, 4}));
    EXPECT_EQ(bridge.PortAString(), "H:G:F:A:B:C:D");
}

TEST_F(BridgeForwarding, LearningOffFreezesTablesButFilteringFollowsThem) {
    bridge.zSetPortAString("B");
    bridge.SetbLearn(false);
    EXPECT_EQ(Arrive(1, 2, FromA), Directions{});
    EXPECT_EQ(Arrive(2, 1, FromB), Directions{0});
    EXPECT_EQ(bridge.PortATable(), Table({2}));
    EXPECT_EQ(bridge.PortBTable(), Table({}));
}

TEST_F(BridgeForwarding, HeldOrBlockedPortsSendNothingButStillLearn) {
    bridge.SetbForward(false);
    EXPECT_EQ(Arrive(1, 2, FromA), Directions{});
    EXPECT_EQ(Arrive(2, 1, FromB), Directions{});
    bridge.SetPortACost(1);
    bridge.SetPortBCost(2);
    bridge.SetbForward(true);
    Packet fromRoot = RootFrame(0, 0, 0);
    EXPECT_TRUE(SentBy(HandIn(bridge, fromRoot, FromA)).empty());
    EXPECT_TRUE(SentBy(HandIn(bridge, fromRoot, FromB)).empty());
    ASSERT_EQ(bridge.PortAState(), PortBlocked);
    EXPECT_EQ(Arrive(3, 4, FromA), Directions{});
    EXPECT_EQ(Arrive(4, 3, FromB), Directions{});
    EXPECT_EQ(bridge.PortATable(), Table({3, 1}));
    EXPECT_EQ(bridge.PortBTable(), Table({4, 2}));
}

TEST_F(BridgeForwarding, FrameToItsOwnSourceIsFilteredOnlyOnceLearned) {
    EXPECT_EQ(Arrive(5, 5, FromA), Directions{});
    bridge.zSetPortAString("");
    bridge.SetbLearn(false);
    EXPECT_EQ(Arrive(5, 5, FromA), Directions{1});
}

TEST_F(BridgeForwarding, SourcesBeyondSixteenBitsAreFloodedUnlearned) {
    EXPECT_EQ(Arrive(40000, 2, FromA), Directions{1});
    EXPECT_EQ(Arrive(-1e9, 2, FromA), Directions{1});
    EXPECT_EQ(bridge.PortATable(), Table({}));
    Arrive(2.5, 7, FromA);
    EXPECT_EQ(bridge.PortATable(), Table({2}));
}

// What a bridge raises is handed back, and records are made only when asked
// for; asked or not, it decides and sends the same.
TEST(BridgeEventsHandedBack, RecordsOnlyWhenAskedAndDecidesTheSame) {
    Bridge quiet;
    quiet.SetBridgeNumber(1);
    quiet.SetbLearn(true);
    quiet.SetbForward(true);
    Bridge listened = quiet;
    const Packet frame = DataFrame(1, 2);
    const BridgeEvents unrecorded = HandIn(quiet, frame, FromA);
    const BridgeEvents recorded = HandIn(listened, frame, FromA, true);
    EXPECT_TRUE(unrecorded.zDecision.empty());
    EXPECT_EQ(recorded.zDecision.size(), 2U);  // learns A, floods
    ASSERT_EQ(unrecorded.zBridgeTx.size(), 1U);
    EXPECT_EQ(unrecorded.zBridgeTx[0].pktTx, recorded.zBridgeTx[0].pktTx);
    EXPECT_EQ(quiet, listened);
}

}  // namespace
}  // namespace bridging
