// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The account of decisions: each decision reported as what it was and not as
// its neighbour, the words for every kind, and an account that changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bridge_test_support.h"
#include "demo_fixture.h"
#include "explain/sentences.h"
#include "tests/random_user.h"

namespace bridging::testing {
namespace {

using bridge_test::DataFrame;
using bridge_test::HandIn;
using bridge_test::Originate;
using bridge_test::RootFrame;
using bridge_test::Sent;
using bridge_test::SentBy;
using Kind = DecisionKind;

std::vector<Kind> KindsOf(const std::vector<Decision>& records) {
    std::vector<Kind> kinds;
    for (const Decision& d : records) kinds.push_back(d.kind);
    return kinds;
}

bool Has(const std::vector<Decision>& records, Kind kind) {
    return std::any_of(records.begin(), records.end(),
                       [kind](const Decision& d) { return d.kind == kind; });
}

// The records must outlive the pointer: no temporaries.
const Decision* First(std::vector<Decision>&& records, Kind kind) = delete;
const Decision* First(const std::vector<Decision>& records, Kind kind) {
    for (const Decision& d : records) {
        if (d.kind == kind) return &d;
    }
    return nullptr;
}

// A bridge whose records and sends are kept, numbered, costs 1, both switches on.
struct WatchedBridge {
    Bridge bridge;
    std::vector<Decision> records;
    std::vector<Sent> sent;

    explicit WatchedBridge(int number) {
        bridge.SetBridgeNumber(number);
        bridge.SetPortACost(1);
        bridge.SetPortBCost(1);
        bridge.SetbLearn(true);
        bridge.SetbForward(true);
    }

    std::vector<Decision> Arrive(const Packet& frame, int port) {
        Keep(HandIn(bridge, frame, static_cast<std::int16_t>(port), true));
        return records;
    }

    void PressRootButton() { Keep(Originate(bridge, true)); }

    void Keep(const BridgeEvents& raised) {
        records = raised.zDecision;
        for (const Sent& s : SentBy(raised)) sent.push_back(s);
    }
};

TEST(BridgeAccount, FilteredIsNotForwardedAndForwardedIsNotFiltered) {
    WatchedBridge w(1);
    w.bridge.zSetPortAString("A:B");
    w.bridge.zSetPortBString("C:D");

    const auto filtered = w.Arrive(DataFrame(1, 2), 0);
    EXPECT_TRUE(Has(filtered, Kind::Filters));
    EXPECT_FALSE(Has(filtered, Kind::Forwards));
    EXPECT_TRUE(w.sent.empty());

    const auto forwarded = w.Arrive(DataFrame(1, 3), 0);
    EXPECT_TRUE(Has(forwarded, Kind::Forwards));
    EXPECT_FALSE(Has(forwarded, Kind::Filters));
    ASSERT_EQ(w.sent.size(), 1u);
    EXPECT_EQ(w.sent[0].direction, 1);
    EXPECT_EQ(First(forwarded, Kind::Forwards)->frame.label, "C:A");
    EXPECT_EQ(First(forwarded, Kind::Forwards)->port, 0);
}

TEST(BridgeAccount, FloodedOnlyWhenTheDestinationIsUnknown) {
    WatchedBridge w(1);
    w.bridge.zSetPortBString("C");
    const auto flooded = w.Arrive(DataFrame(1, 5), 0);
    EXPECT_TRUE(Has(flooded, Kind::Floods));
    EXPECT_FALSE(Has(flooded, Kind::Forwards));
    const auto forwarded = w.Arrive(DataFrame(1, 3), 0);
    EXPECT_TRUE(Has(forwarded, Kind::Forwards));
    EXPECT_FALSE(Has(forwarded, Kind::Floods));
    EXPECT_EQ(w.sent.size(), 2u);
}

TEST(BridgeAccount, HeldFramesNameTheReason) {
    WatchedBridge w(2);
    w.bridge.SetbForward(false);
    const auto offHeld = w.Arrive(DataFrame(1, 3), 0);
    EXPECT_TRUE(Has(offHeld, Kind::HeldByBlocking));
    EXPECT_FALSE(Has(offHeld, Kind::HeldByBlocked));

    w.bridge.SetbForward(true);
    w.Arrive(RootFrame(1, 0, 1), 0);
    w.Arrive(RootFrame(1, 0, 1), 1);
    ASSERT_EQ(w.bridge.PortBState(), PortBlocked);
    const auto treeHeld = w.Arrive(DataFrame(1, 3), 0);
    EXPECT_TRUE(Has(treeHeld, Kind::HeldByBlocked));
    EXPECT_FALSE(Has(treeHeld, Kind::HeldByBlocking));
    EXPECT_TRUE(w.sent.empty());
}

TEST(BridgeAccount, LearnsOnArrivalSideAndForgetsOnTheOther) {
    WatchedBridge w(1);
    const auto first = w.Arrive(DataFrame(1, 3), 0);
    EXPECT_EQ(KindsOf(first), (std::vector<Kind>{Kind::Learns, Kind::Floods}));
    EXPECT_EQ(first[0].port, 0);
    EXPECT_EQ(first[0].station, 1);

    const auto again = w.Arrive(DataFrame(1, 3), 0);
    EXPECT_FALSE(Has(again, Kind::Learns));

    const auto moved = w.Arrive(DataFrame(1, 3), 1);
    ASSERT_EQ(KindsOf(moved), (std::vector<Kind>{Kind::Forgets, Kind::Learns, Kind::Floods}));
    EXPECT_EQ(moved[0].port, 0);
    EXPECT_EQ(moved[1].port, 1);

    w.bridge.SetbLearn(false);
    EXPECT_FALSE(Has(w.Arrive(DataFrame(4, 3), 0), Kind::Learns));
}

TEST(BridgeAccount, BlockByLowerCostCarriesTheComparison) {
    WatchedBridge w(2);
    w.bridge.SetPortBCost(5);         // port A stays the root port
    w.Arrive(RootFrame(1, 0, 1), 0);  // root port A, total 1
    const auto equal = w.Arrive(RootFrame(1, 1, 3), 1);
    EXPECT_FALSE(Has(equal, Kind::Blocks));

    const auto lower = w.Arrive(RootFrame(1, 0, 3), 1);
    const Decision* block = First(lower, Kind::Blocks);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->block, BlockReason::LowerCost);
    EXPECT_EQ(block->cost, 0);
    EXPECT_EQ(block->previous, 1);
    EXPECT_EQ(block->throughPort, 0);
    EXPECT_EQ(block->frame.sender, 3);
    EXPECT_EQ(block->port, 1);
}

TEST(BridgeAccount, BlockByTieBreakOnlyAgainstALowerNumber) {
    WatchedBridge higher(3);
    higher.Arrive(RootFrame(1, 1, 2), 0);  // total through A 2
    const auto tie = higher.Arrive(RootFrame(1, 2, 2), 1);
    const Decision* block = First(tie, Kind::Blocks);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->block, BlockReason::TieLowerNumber);
    EXPECT_EQ(block->previous, 2);

    WatchedBridge lower(3);
    lower.Arrive(RootFrame(1, 1, 2), 0);
    EXPECT_FALSE(Has(lower.Arrive(RootFrame(1, 2, 4), 1), Kind::Blocks));
    EXPECT_NE(lower.bridge.PortAState(), PortBlocked);
}

TEST(BridgeAccount, BlockWithEqualTotalsIsBelowBoth) {
    WatchedBridge w(2);
    w.Arrive(RootFrame(1, 1, 3), 0);
    const auto second = w.Arrive(RootFrame(1, 1, 4), 1);
    ASSERT_TRUE(w.bridge.RootPort().empty());  // both totals 2
    const Decision* block = First(second, Kind::Blocks);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->block, BlockReason::BelowEqualTotals);
}

TEST(BridgeAccount, LowerRootAdoptedHigherRootIgnored) {
    WatchedBridge w(2);
    const auto lower = w.Arrive(RootFrame(1, 0, 1), 0);
    ASSERT_FALSE(lower.empty());
    EXPECT_EQ(lower[0].kind, Kind::AdoptsRoot);
    EXPECT_EQ(lower[0].root, 1);
    EXPECT_EQ(lower[0].previous, 2);
    EXPECT_FALSE(lower[0].wasBlocked);
    EXPECT_FALSE(Has(lower, Kind::IgnoresWorseRoot));
    EXPECT_TRUE(Has(lower, Kind::UpdatesTotal));

    const auto higher = w.Arrive(RootFrame(3, 0, 3), 1);
    EXPECT_EQ(KindsOf(higher), std::vector<Kind>{Kind::IgnoresWorseRoot});

    const auto same = w.Arrive(RootFrame(1, 0, 1), 0);
    EXPECT_FALSE(Has(same, Kind::AdoptsRoot));
    EXPECT_FALSE(Has(same, Kind::IgnoresWorseRoot));
}

TEST(BridgeAccount, AdoptingALowerRootLeavesBlocked) {
    WatchedBridge w(3);
    w.Arrive(RootFrame(2, 0, 2), 0);
    w.Arrive(RootFrame(2, 0, 2), 1);
    ASSERT_EQ(w.bridge.PortAState(), PortBlocked);
    const auto records = w.Arrive(RootFrame(1, 0, 1), 0);
    const Decision* adopt = First(records, Kind::AdoptsRoot);
    ASSERT_NE(adopt, nullptr);
    EXPECT_TRUE(adopt->wasBlocked);
}

TEST(BridgeAccount, OriginatesWithRootAndCost) {
    WatchedBridge w(2);
    w.Arrive(RootFrame(1, 0, 1), 0);
    w.PressRootButton();
    ASSERT_EQ(KindsOf(w.records), std::vector<Kind>{Kind::Originates});
    EXPECT_EQ(w.records[0].root, 1);
    EXPECT_EQ(w.records[0].cost, 1);
}

class DemoAccount : public DemoTest {
protected:
    DemoAccount() { demo.SetAccount(&account); }
    RecordingAccount account;
};

TEST_F(DemoAccount, OneFrameThroughOneBridgeInOrderWithItsTicks) {
    Build("One Bridge");
    SwitchOn();
    account.Clear();
    Send(0, 2);
    std::uint64_t redAt = 0;
    for (int n = 0; n < 100 && redAt == 0; ++n) {
        demo.Timer1_Timer();
        if (demo.State().Computer1[2].Number() == Computer::Marked)
            redAt = demo.State().TickCount();
    }
    ASSERT_NE(redAt, 0u);
    EXPECT_EQ(KindsOf(account.records), (std::vector<Kind>{Kind::StationSends, Kind::Learns,
                                                           Kind::Floods, Kind::FrameArrives}));
    const Decision& sends = account.records[0];
    EXPECT_EQ(sends.element, ElementKind::Station);
    EXPECT_EQ(sends.frame.label, "C:A");
    const Decision& learns = account.records[1];
    EXPECT_EQ(learns.element, ElementKind::Bridge);
    EXPECT_EQ(learns.index, 0);
    EXPECT_GT(learns.tick, sends.tick);
    EXPECT_EQ(account.records[3].tick, redAt);
    EXPECT_EQ(explain::Sentence(account.records[1]), "Bridge #1 learns A on port A (upper side).");
    EXPECT_EQ(explain::Sentence(account.records[2]),
              "Bridge #1 does not know C: floods the frame C:A out of port B.");
}

TEST_F(DemoAccount, SendWhileMarkedIsIgnoredAndSaysSo) {
    Build("One Bridge");
    demo.Scene().Computer1[1].SetNumber(Computer::Marked);
    account.Clear();
    demo.Computer1_btnKeys_Click(1);
    ASSERT_EQ(KindsOf(account.records), std::vector<Kind>{Kind::SendIgnored});
    EXPECT_EQ(account.records[0].station, 2);
    demo.Computer1_btnKeys_Click(0);
    EXPECT_EQ(account.records.back().kind, Kind::StationSends);
}

TEST_F(DemoAccount, RunningOutReportsTheMessageThenTheKill) {
    Build("One Bridge");
    for (int k = 0; k < PoolSize; ++k) PlaceToken(k, 7000, 100, 0, 0);
    account.Clear();
    Send(0, 2);
    EXPECT_EQ(KindsOf(account.records),
              (std::vector<Kind>{Kind::StationSends, Kind::RunOutOfPackets, Kind::Kill}));
    EXPECT_EQ(message.texts, std::vector<std::string>{"Run Out of Packets"});
}

TEST_F(DemoAccount, CommandsReportThemselves) {
    Build("Two Bridges");
    account.Clear();
    demo.btnPause_Click();
    demo.btnPause_Click();
    SwitchOn();
    demo.btnReset_Click();
    EXPECT_EQ(
        KindsOf(account.records),
        (std::vector<Kind>{Kind::Paused, Kind::Resumed, Kind::LearningSwitched,
                           Kind::ForwardingSwitched, Kind::Reset, Kind::Kill, Kind::ScenarioBuilt,
                           Kind::ForwardingSwitched, Kind::LearningSwitched}));
    EXPECT_EQ(account.records[6].text, "Two Bridges");

    account.Clear();
    demo.btnCost_Click();
    int renumbered = 0;
    for (const Decision& d : account.records) {
        if (d.kind != Kind::Renumber) continue;
        ++renumbered;
        EXPECT_EQ(d.bridgeNumber, demo.State().Bridge1[d.index].BridgeNumber());
        EXPECT_EQ(d.cost, demo.State().Bridge1[d.index].PortACost());
    }
    EXPECT_EQ(renumbered, 2);  // the two bridges shown
}

TEST_F(DemoAccount, TicksCountOnlyWhileRunning) {
    const std::uint64_t before = demo.State().TickCount();
    demo.Timer1_Timer();
    EXPECT_EQ(demo.State().TickCount(), before + 1);
    demo.btnPause_Click();
    demo.Timer1_Timer();
    EXPECT_EQ(demo.State().TickCount(), before + 1);
}

// The same seeded run of clicks and ticks with and without an account: mostly
// single ticks, the stations' and bridges' buttons, the switches, now and then
// a command or a name typed.
void SeededRun(RecordingDemo& demo, std::uint64_t seed) {
    using user::UserAction;
    const user::Mix mix = {{{UserAction::Ticks, 70},
                            {UserAction::Send, 8},
                            {UserAction::Letter, 4},
                            {UserAction::RootButton, 6},
                            {UserAction::Learning, 3},
                            {UserAction::Forwarding, 3},
                            {UserAction::Pause, 1},
                            {UserAction::Kill, 1},
                            {UserAction::Renumber, 1},
                            {UserAction::Reset, 1},
                            {UserAction::TypeScenario, 2}},
                           1};
    user::SeededNumbers numbers(seed);
    for (int step = 0; step < 20000; ++step)
        user::Perform(demo, user::Draw(numbers, demo.State(), mix));
}

TEST(AccountIsSilent, SameStateWithAndWithoutAnAccount) {
    RecordingMessage messageOff;
    RecordingMessage messageOn;
    FixedSeedRandom randomOff;
    FixedSeedRandom randomOn;
    RecordingDemo off(messageOff, randomOff);
    RecordingDemo on(messageOn, randomOn);
    RecordingAccount account;
    on.SetAccount(&account);
    off.Form_Load();
    on.Form_Load();
    SeededRun(off, 7);
    SeededRun(on, 7);
    EXPECT_TRUE(Same(on.State(), off.State()));
    EXPECT_EQ(messageOn.texts, messageOff.texts);
    EXPECT_EQ(on.State().TickCount(), off.State().TickCount());
    EXPECT_GT(account.records.size(), 1000u);
    EXPECT_TRUE(Has(account.records, Kind::Blocks));
    EXPECT_TRUE(Has(account.records, Kind::FrameArrives));

    on.SetAccount(nullptr);
    const std::size_t recorded = account.records.size();
    on.btnKill_Click();
    EXPECT_EQ(account.records.size(), recorded);
}

}  // namespace
}  // namespace bridging::testing
