// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of a network and the editor's operations: each rule refuses what
// it should and accepts its neighbour, the built-in networks keep every rule,
// and the lattice and the cursor's steps land where they say.
#include <gtest/gtest.h>

#include <random>

#include "network/edit.h"
#include "network/layout.h"

namespace bridging::network {
namespace {

// Applies edits that must be accepted.
Plan Built(Plan plan, const std::vector<Edit>& edits) {
    for (const Edit& edit : edits) {
        Outcome outcome = Apply(plan, edit);
        const Plan* next = std::get_if<Plan>(&outcome);
        EXPECT_NE(next, nullptr) << "edit " << edit.index() << " refused: "
                                 << MessageKey(std::get<Refusal>(outcome).problems.front().id);
        if (next) plan = *next;
    }
    return plan;
}

::testing::AssertionResult Refused(const Plan& plan, const Edit& edit, ProblemId id) {
    const Outcome outcome = Apply(plan, edit);
    const auto* refusal = std::get_if<Refusal>(&outcome);
    if (!refusal) return ::testing::AssertionFailure() << "accepted";
    for (const Problem& p : refusal->problems) {
        if (p.id == id) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "refused for " << MessageKey(refusal->problems[0].id);
}

::testing::AssertionResult Accepted(const Plan& plan, const Edit& edit) {
    const Outcome outcome = Apply(plan, edit);
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return ::testing::AssertionFailure()
               << "refused for " << MessageKey(refusal->problems[0].id);
    return ::testing::AssertionSuccess();
}

// Two wide segments at the heights of "One Bridge".
Plan TwoSegments() {
    return Built(EmptyPlan(), {AddSegment{1200, 13200, 3840}, AddSegment{1200, 13200, 9660}});
}

TEST(NetworkRules, EveryBuiltInNetworkKeepsTheRules) {
    for (const BuiltIn network : BuiltIns) {
        const auto problems = Check(BuiltInPlan(network));
        EXPECT_TRUE(problems.empty())
            << BuiltInName(network) << ": " << MessageKey(problems.front().id);
    }
}

TEST(NetworkRules, ABridgeNeedsTwoDifferentSegments) {
    const Plan plan = TwoSegments();
    EXPECT_TRUE(Refused(plan, AddBridge{0, 0, 6680, {}}, ProblemId::BridgeOnOneSegment));
    EXPECT_TRUE(Refused(plan, AddBridge{0, 7, 6680, {}}, ProblemId::NoSuchSegment));
    EXPECT_TRUE(Accepted(plan, AddBridge{1, 0, 6680, {}}));
}

TEST(NetworkRules, SixBridgesAtMost) {
    // Two rows of bridges, so that their bodies keep apart.
    std::vector<Edit> edits;
    for (int k = 0; k < MaxElements; ++k)
        edits.push_back(AddBridge{0, 1, 1880 + 1600 * k, 4260 + 1980 * (k % 2)});
    const Plan six = Built(TwoSegments(), edits);
    ASSERT_EQ(six.bridges.size(), 6u);
    EXPECT_TRUE(Refused(six, AddBridge{0, 1, 11480, 4260}, ProblemId::TooMany));
    const Plan five = Built(TwoSegments(), {edits.begin(), edits.end() - 1});
    EXPECT_TRUE(Accepted(five, edits.back()));
}

TEST(NetworkRules, AStationStandsOnASegmentThatExists) {
    const Plan plan = TwoSegments();
    EXPECT_TRUE(Refused(plan, AddStation{2, 3040}, ProblemId::NoSuchSegment));
    EXPECT_TRUE(Refused(plan, AddStation{-1, 3040}, ProblemId::NoSuchSegment));
    EXPECT_TRUE(Accepted(plan, AddStation{1, 3040}));
    // Off its segment's ends it has no segment below it either.
    EXPECT_TRUE(Refused(plan, AddStation{1, 12440}, ProblemId::StationOutsideSegment));
}

TEST(NetworkRules, ALinkLineCrossesOnlyTheSegmentsItJoins) {
    const Plan plan =
        Built(EmptyPlan(), {AddSegment{1200, 13200, 2040}, AddSegment{1200, 7000, 5040},
                            AddSegment{1200, 13200, 9060}});
    EXPECT_TRUE(Refused(plan, AddBridge{0, 2, 4080, {}}, ProblemId::LinkCrossesSegment));
    // Within 600 of the segment's end still counts as across it.
    EXPECT_TRUE(Refused(plan, AddBridge{0, 2, 7480, {}}, ProblemId::LinkCrossesSegment));
    EXPECT_TRUE(Accepted(plan, AddBridge{0, 2, 11080, {}}));
    EXPECT_TRUE(Accepted(plan, AddBridge{1, 2, 4080, {}}));
}

TEST(NetworkRules, SegmentsKeepAHeightOfTheirOwn) {
    const Plan plan = Built(EmptyPlan(), {AddSegment{1200, 13200, 3840}});
    EXPECT_TRUE(Refused(plan, AddSegment{1200, 13200, 3840 + 1800}, ProblemId::SegmentsTooClose));
    EXPECT_TRUE(Refused(plan, AddSegment{1200, 13200, 3840 - 2100}, ProblemId::SegmentsTooClose));
    // Side by side at one height hide each other's frames.
    EXPECT_TRUE(Refused(Built(EmptyPlan(), {AddSegment{120, 6000, 5040}}),
                        AddSegment{8040, 14340, 5040}, ProblemId::SegmentsTooClose));
    EXPECT_TRUE(Accepted(plan, AddSegment{1200, 13200, 3840 + limits::SegmentSpacing}));
    EXPECT_TRUE(Accepted(plan, AddSegment{1200, 13200, 3840 - limits::SegmentSpacing}));
}

TEST(NetworkRules, StationsStandOnTheJunctionsLattice) {
    const Plan plan = Built(TwoSegments(), {AddBridge{0, 1, 6680, {}}});
    ASSERT_TRUE(lattice::IsLinkX(6680));
    EXPECT_TRUE(Accepted(plan, AddStation{0, 4040}));
    EXPECT_TRUE(Accepted(plan, AddStation{0, 4040 + 60}));
    EXPECT_TRUE(Refused(plan, AddStation{0, 4040 + 100}, ProblemId::OffLattice));
    EXPECT_TRUE(
        Refused(plan, AddStation{0, 6680 - limits::LeftOfLink}, ProblemId::StationOverJunction));
    // A second link line halfway between the first one's lattice points.
    EXPECT_TRUE(Refused(plan, AddBridge{0, 1, 6680 + 3100, {}}, ProblemId::OffLattice));
    EXPECT_TRUE(Accepted(plan, AddBridge{0, 1, 6680 + 3200, {}}));
}

TEST(NetworkRules, BridgesFitBetweenTheirSegmentsAndOutsideEachOther) {
    const Plan plan = Built(TwoSegments(), {AddBridge{0, 1, 4080, {}}});
    const int top = plan.bridges[0].top;
    EXPECT_TRUE(Refused(plan, MoveBridge{0, 4080, 3840 + 300}, ProblemId::BridgeDoesNotFit));
    EXPECT_TRUE(Accepted(plan, MoveBridge{0, 4080, 3840 + limits::BridgeMargin}));
    EXPECT_TRUE(Refused(plan, AddBridge{0, 1, 4080 + 1000, {}}, ProblemId::LinksTooClose));
    EXPECT_TRUE(Refused(plan, AddBridge{0, 1, 4080 + 2000, top}, ProblemId::BridgesOverlap));
    EXPECT_TRUE(Accepted(plan, AddBridge{0, 1, 4080 + 2000, top + limits::BridgeBodyHeight + 60}));
}

TEST(NetworkRules, NumbersCostsAndTablesStayInTheirRanges) {
    const Plan plan = Built(TwoSegments(), {AddBridge{0, 1, 4080, {}}, AddBridge{0, 1, 9080, {}}});
    EXPECT_TRUE(Refused(plan, SetBridge{1, 1, 3, 3}, ProblemId::BridgeNumberTaken));
    EXPECT_TRUE(Refused(plan, SetBridge{1, 10, 3, 3}, ProblemId::BridgeNumberOutOfRange));
    EXPECT_TRUE(Refused(plan, SetBridge{1, 5, 0, 3}, ProblemId::CostOutOfRange));
    EXPECT_TRUE(Accepted(plan, SetBridge{1, 9, 99, 1}));
    EXPECT_TRUE(Refused(plan, SetTables{0, "A::B", ""}, ProblemId::TableText));
    EXPECT_TRUE(Refused(plan, SetTables{0, "", "A:B:C:D:E:F:A:B"}, ProblemId::TableText));
    EXPECT_TRUE(Refused(plan, SetTables{0, "G", ""}, ProblemId::TableText));
    EXPECT_TRUE(Accepted(plan, SetTables{0, "A:B", "C:D:E:F:A:B:C"}));
    EXPECT_TRUE(Refused(plan, Rename{std::string(65, 'x')}, ProblemId::NameTooLong));
    EXPECT_TRUE(Refused(plan, Rename{"two\nlines"}, ProblemId::NameNotPlain));
    EXPECT_TRUE(Accepted(plan, Rename{std::string(64, 'x')}));
    EXPECT_TRUE(Accepted(plan, Describe{"Two lines\nof text."}));
}

TEST(NetworkRules, FourSegmentsFitTheDrawing) {
    EXPECT_EQ(limits::SegmentsThatFit, 4);
    Plan plan = EmptyPlan();
    for (int k = 0; k < MaxElements; ++k) {
        const std::vector<int> heights = SegmentHeights(plan, 1200, 13200);
        if (heights.empty()) break;
        plan = std::get<Plan>(Apply(plan, AddSegment{1200, 13200, heights.front()}));
    }
    EXPECT_EQ(plan.segments.size(), 4u);
}

TEST(NetworkLattice, SnapsToTheNearestAllowedPlace) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> anywhere(-30000, 30000);
    for (int n = 0; n < 2000; ++n) {
        const int v = anywhere(random);
        const int left = lattice::SnapStationLeft(v);
        const int x = lattice::SnapLinkX(v);
        EXPECT_TRUE(lattice::IsStationLeft(left));
        EXPECT_TRUE(lattice::IsLinkX(x));
        EXPECT_LE(std::abs(left - v), lattice::TrackStep / 2);
        EXPECT_LE(std::abs(x - v), lattice::TrackStep / 2);
        // A link line's tokens start on the stations' lattice.
        EXPECT_TRUE(lattice::IsStationLeft(x - limits::LeftOfLink));
        EXPECT_EQ(lattice::SnapHeight(v) % lattice::HeightStep, 0);
    }
}

// Anything placed on the lattice works beside every element of the built-in networks.
TEST(NetworkLattice, PlacesBesideTheBuiltInNetworks) {
    for (const BuiltIn network : BuiltIns) {
        const Plan plan = BuiltInPlan(network);
        for (const BridgePlan& b : plan.bridges) {
            const int junction = b.x - limits::LeftOfLink;
            const int offset = ((junction - lattice::TrackPhase) % 200 + 200) % 200;
            EXPECT_NE(offset, 100) << BuiltInName(network);
        }
        for (const StationPlan& st : plan.stations) {
            const int offset = ((st.left - lattice::TrackPhase) % 200 + 200) % 200;
            EXPECT_NE(offset, 100) << BuiltInName(network);
        }
    }
}

TEST(NetworkEdit, DeletingASegmentTakesItsStationsAndBridges) {
    const Plan plan = BuiltInPlan(BuiltIn::FourBridges);
    const Plan after = std::get<Plan>(Apply(plan, DeleteSegment{1}));
    // Bridges 2, 3 and 4 (indices 1 to 3) hang on segment 1; station E stands on it.
    ASSERT_EQ(after.segments.size(), 2u);
    ASSERT_EQ(after.bridges.size(), 1u);
    EXPECT_EQ(after.bridges[0].number, 1);
    EXPECT_EQ(after.bridges[0].lower, 1);  // segment 2 is now segment 1
    ASSERT_EQ(after.stations.size(), 4u);
    EXPECT_EQ(after.stations[2].segment, 1);
    EXPECT_TRUE(Refused(plan, DeleteSegment{3}, ProblemId::NoSuchElement));
}

TEST(NetworkEdit, MovingASegmentCarriesItsStationsAndLinkEnds) {
    const Plan plan = BuiltInPlan(BuiltIn::OneBridge);
    const Plan after = std::get<Plan>(Apply(plan, MoveSegment{1, 200, -60}));
    EXPECT_EQ(after.segments[1].y, 9600);
    EXPECT_EQ(after.stations[2].left, plan.stations[2].left + 200);
    EXPECT_EQ(StationTop(after, after.stations[2]), StationTop(plan, plan.stations[2]) - 60);
    EXPECT_EQ(after.bridges[0].y2, plan.bridges[0].y2 - 60);
    EXPECT_EQ(after.bridges[0].top, plan.bridges[0].top);
    // Too far up and the bridge no longer fits.
    EXPECT_TRUE(Refused(plan, MoveSegment{1, 0, -2700}, ProblemId::BridgeDoesNotFit));
}

TEST(NetworkEdit, TheCursorStepsAlongTheLattice) {
    const Plan plan = BuiltInPlan(BuiltIn::FourBridges);
    const auto left = NudgeEdit(plan, BridgeElement(3), Nudge::Left, 1);
    ASSERT_TRUE(left);
    EXPECT_EQ(std::get<MoveBridge>(*left).x, 7080 - lattice::TrackStep);
    // Station E (segment 1) goes down to segment 2 and up to segment 0.
    const auto down = NudgeEdit(plan, StationElement(4), Nudge::Down, 1);
    ASSERT_TRUE(down);
    EXPECT_EQ(std::get<MoveStation>(*down).segment, 2);
    EXPECT_EQ(std::get<MoveStation>(*NudgeEdit(plan, StationElement(4), Nudge::Up, 1)).segment, 0);
    EXPECT_FALSE(NudgeEdit(plan, StationElement(0), Nudge::Up, 1));
    EXPECT_FALSE(NudgeEdit(plan, StationElement(6), Nudge::Left, 1));
    const auto end = NudgeEndEdit(plan, 2, 1, -2);
    EXPECT_EQ(std::get<ResizeSegment>(*end).x2, 13500 - 2 * lattice::EndStep);
}

TEST(NetworkEdit, OffersThePlacesItWouldAccept) {
    const Plan plan = BuiltInPlan(BuiltIn::OneBridge);
    const std::vector<int> places = StationPlaces(plan, 0);
    ASSERT_FALSE(places.empty());
    for (const int left : places) EXPECT_TRUE(Accepted(plan, AddStation{0, left}));
    const std::vector<int> xs = BridgePlaces(plan, 0, 1);
    ASSERT_FALSE(xs.empty());
    for (const int x : xs) EXPECT_TRUE(lattice::IsLinkX(x));
}

}  // namespace
}  // namespace bridging::network
