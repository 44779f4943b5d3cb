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
        RecordSends(bridge, sent);
    }

    // Hands a frame in; the directions it was sent out in, in order.
    Directions Arrive(double source, int destination, std::int16_t port) {
        sent.clear();
        Packet frame = DataFrame(source, destination);
        bridge.xPacketArrives(frame, port);
        Directions directions;
        for (const Sent& s : sent) {
            EXPECT_EQ(s.token, &frame);
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
    bridge.xPacketArrives(fromRoot, FromA);
    bridge.xPacketArrives(fromRoot, FromB);
    ASSERT_EQ(bridge.PortAState(), PortBlocked);
    EXPECT_TRUE(sent.empty());
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

TEST(BridgeWithoutContainer, SendsIntoNothing) {
    Bridge bridge;
    bridge.SetBridgeNumber(1);
    bridge.SetbForward(true);
    Packet frame = DataFrame(1, 2);
    EXPECT_NO_THROW(bridge.xPacketArrives(frame, FromA));
    EXPECT_NO_THROW(bridge.btnSpanTree_Click());
}

}  // namespace
}  // namespace bridging
