// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spanning-tree exchange as the window carries it: a round in "Two
// Bridges" that ends the loop, and in every network, whatever the order of the
// root buttons, the forwarding bridges end up as a tree over the segments.
#include <numeric>
#include <ostream>
#include <random>
#include <utility>

#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

bool Forwards(const Bridge& b) {
    return b.PortAState() == PortForwarding && b.PortBState() == PortForwarding;
}

TEST_F(DemoTest, WithoutTheTreeFramesCircleTheLoopOfTwoBridges) {
    Build("Two Bridges");
    SwitchOn();
    Send(0, 2);
    EXPECT_EQ(TickUntilQuiet(600), -1);
}

TEST_F(DemoTest, RootRoundInTwoBridgesBlocksBridgeTwoAndEndsTheLoop) {
    Build("Two Bridges");
    SwitchOn();
    demo.Bridge1_btnSpanTree_Click(0);
    ASSERT_EQ(ShownTokens().size(), 2u);
    EXPECT_EQ(demo.State().Packet1[0].Destination(), 0);
    EXPECT_EQ(demo.State().Packet1[0].Colour(), 0x00FFFFFE);
    EXPECT_EQ(demo.State().Packet1[0].YOffset(), -200);
    EXPECT_EQ(demo.State().Packet1[1].YOffset(), 200);
    EXPECT_GT(TickUntilQuiet(), 0);
    EXPECT_EQ(demo.State().Bridge1[1].PortAState(), PortBlocked);
    EXPECT_EQ(demo.State().Bridge1[1].PortBState(), PortBlocked);
    EXPECT_TRUE(Forwards(demo.State().Bridge1[0]));
    EXPECT_EQ(demo.State().Bridge1[1].RootBridge(), 1.0);

    Send(0, 2);
    bool cMarked = false;
    for (int tick = 0; tick < 200 && !ShownTokens().empty(); ++tick) {
        demo.Timer1_Timer();
        cMarked = cMarked || demo.State().Computer1[2].Number() == Computer::Marked;
    }
    EXPECT_TRUE(ShownTokens().empty());
    EXPECT_TRUE(cMarked);
    EXPECT_TRUE(message.texts.empty());
}

struct Network {
    std::string name;
    std::vector<int> segments;
    // Per shown bridge: the segments above and below it.
    std::vector<std::pair<int, int>> joins;
};

const std::vector<Network> Networks = {
    {"One Bridge", {0, 1}, {{0, 1}}},
    {"Two Bridges", {0, 1}, {{0, 1}, {0, 1}}},
    {"Two Manual", {0, 1}, {{0, 1}, {0, 1}}},
    {"Four Bridges", {0, 1, 2}, {{0, 2}, {0, 1}, {0, 1}, {1, 2}}},
    {"Full Network", {0, 1, 2, 3}, {{0, 2}, {0, 1}, {0, 1}, {1, 2}, {3, 0}, {3, 2}}},
};

// Loops and pieces among the shown segments, with the forwarding bridges as edges.
struct TreeCheck {
    bool loop = false;
    int pieces = 0;
};

TreeCheck CheckTree(const Network& net, const std::array<Bridge, BridgeCount>& bridges) {
    std::array<int, LineCount> parent{};
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&](int s) {
        while (parent[s] != s) s = parent[s];
        return s;
    };
    TreeCheck result;
    for (std::size_t k = 0; k < net.joins.size(); ++k) {
        if (!Forwards(bridges[k])) continue;
        const int a = root(net.joins[k].first);
        const int b = root(net.joins[k].second);
        if (a == b) result.loop = true;
        parent[a] = b;
    }
    for (int s : net.segments) result.pieces += root(s) == s ? 1 : 0;
    return result;
}

// Named by the network in the test's name and its failures, not dumped as bytes.
void PrintTo(const Network& network, std::ostream* out) { *out << network.name; }

class SpanningTreeProperty : public DemoTest, public ::testing::WithParamInterface<Network> {};

TEST_P(SpanningTreeProperty, ForwardingBridgesFormATreeWhateverThePressOrder) {
    const Network& net = GetParam();
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        Build(net.name);
        demo.btnReset_Click();  // a fresh build for every seed
        demo.SetChkForward(1);
        EXPECT_EQ(CheckTree(net, demo.State().Bridge1).loop, net.joins.size() > 1);
        std::mt19937 order(seed);
        std::vector<int> presses(net.joins.size());
        for (int round = 0; round < 3; ++round) {
            std::iota(presses.begin(), presses.end(), 0);
            std::shuffle(presses.begin(), presses.end(), order);
            for (int k : presses) {
                demo.Bridge1_btnSpanTree_Click(k);
                ASSERT_GT(TickUntilQuiet(), 0);
            }
        }
        const TreeCheck tree = CheckTree(net, demo.State().Bridge1);
        EXPECT_FALSE(tree.loop);
        EXPECT_EQ(tree.pieces, 1);
        EXPECT_TRUE(message.texts.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(AllFive, SpanningTreeProperty, ::testing::ValuesIn(Networks),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             name.erase(name.find(' '), 1);
                             return name;
                         });

}  // namespace
}  // namespace bridging::testing
