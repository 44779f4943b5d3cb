// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's own operations, as its buttons, keys and mouse make them: where
// they put a new element, what they refuse and why, what the mouse finds; and
// random editing sessions in which the network shown always keeps the rules
// and undoing everything gives back the network the session began with.
#include <gtest/gtest.h>

#include <random>

#include "explain/building.h"
#include "network/layout.h"
#include "network/place.h"
#include "session/session.h"
#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

using namespace network;

const Plan* Accepted(const Outcome& outcome) { return std::get_if<Plan>(&outcome); }

ProblemId FirstProblem(const Outcome& outcome) {
    const auto* refusal = std::get_if<Refusal>(&outcome);
    return refusal == nullptr ? ProblemId::TooMany : refusal->problems.front().id;
}

// Adds segments below the selected one until the editor refuses.
Plan SegmentsUntilRefused(Plan plan, Outcome& refused) {
    for (;;) {
        const Element last = plan.segments.empty()
                                 ? NetworkElement()
                                 : SegmentElement(static_cast<int>(plan.segments.size()) - 1);
        refused = Apply(plan, NewSegment(plan, last));
        const Plan* next = Accepted(refused);
        if (next == nullptr) return plan;
        plan = *next;
    }
}

TEST(NetworkPlace, NewSegmentsStackDownTheDrawingUntilNoneFitsAndTheRefusalSaysWhy) {
    Outcome refused;
    const Plan full = SegmentsUntilRefused(EmptyPlan(), refused);
    // The drawing takes four segments at a safe spacing, and each has its own height.
    EXPECT_GE(full.segments.size(), 4U);
    EXPECT_TRUE(Check(full).empty());
    const auto* refusal = std::get_if<Refusal>(&refused);
    ASSERT_NE(refusal, nullptr);
    EXPECT_FALSE(explain::ProblemText(refusal->problems.front(), &full).empty());
}

TEST(NetworkPlace, BridgesAndStationsGoWhereTheRulesAllowAndAreRefusedWhereTheyDoNot) {
    Plan plan = BuiltInPlan(BuiltIn::OneBridge);
    // Not refused when it should be: a second bridge between the two segments.
    const Outcome second = Apply(plan, NewBridge(plan, SegmentElement(0), 1));
    ASSERT_NE(Accepted(second), nullptr);
    EXPECT_EQ(Accepted(second)->bridges.size(), 2U);
    // Refused when it should be: both ends on one segment.
    EXPECT_EQ(FirstProblem(Apply(plan, NewBridge(plan, SegmentElement(0), 0))),
              ProblemId::BridgeOnOneSegment);
    // A station beside the selected one, on its segment.
    const Outcome station = Apply(plan, NewStation(plan, StationElement(0)));
    ASSERT_NE(Accepted(station), nullptr);
    EXPECT_EQ(Accepted(station)->stations.back().segment, plan.stations[0].segment);
    // With no segment there is nowhere to stand.
    const Plan empty = EmptyPlan();
    EXPECT_NE(FirstProblem(Apply(empty, NewStation(empty, NetworkElement()))), ProblemId::TooMany);
    EXPECT_EQ(Accepted(Apply(empty, NewStation(empty, NetworkElement()))), nullptr);
    // A link line may not pass through a segment it does not join.
    Plan three = EmptyPlan();
    for (int n = 0; n < 3; ++n)
        three = *Accepted(Apply(three, NewSegment(three, SegmentElement(n - 1))));
    const Outcome across = Apply(three, NewBridge(three, SegmentElement(0), 2));
    EXPECT_EQ(Accepted(across), nullptr);
}

TEST(NetworkPlace, SixOfAKindAndNoMore) {
    Plan plan = BuiltInPlan(BuiltIn::FullNetwork);
    while (plan.bridges.size() < MaxElements) {
        const Outcome more = Apply(plan, NewBridge(plan, SegmentElement(0), 1));
        ASSERT_NE(Accepted(more), nullptr) << plan.bridges.size();
        plan = *Accepted(more);
    }
    EXPECT_EQ(FirstProblem(Apply(plan, NewBridge(plan, SegmentElement(2), 3))), ProblemId::TooMany);
}

TEST(NetworkPlace, TheMouseFindsEveryElementWhereItIsDrawnAndTheNetworkElsewhere) {
    for (const BuiltIn builtIn : BuiltIns) {
        const Plan plan = BuiltInPlan(builtIn);
        const auto hit = [&plan](Element element) {
            const std::optional<Box> box = BoxOf(plan, element);
            EXPECT_TRUE(box.has_value());
            return ElementAt(plan, box->left + box->width / 2, box->top + box->height / 2);
        };
        for (int k = 0; k < static_cast<int>(plan.stations.size()); ++k)
            EXPECT_EQ(hit(StationElement(k)), StationElement(k)) << plan.name;
        for (int k = 0; k < static_cast<int>(plan.bridges.size()); ++k)
            EXPECT_EQ(hit(BridgeElement(k)), BridgeElement(k)) << plan.name;
        EXPECT_EQ(ElementAt(plan, 30, 30), NetworkElement()) << plan.name;
    }
}

TEST(NetworkPlace, ADragOffTheLatticeLandsOnItOrIsRefused) {
    const Plan plan = BuiltInPlan(BuiltIn::FourBridges);
    for (int dx = -900; dx <= 900; dx += 37) {
        for (const Element element : {StationElement(0), BridgeElement(1), SegmentElement(1)}) {
            const std::optional<Edit> drag = DragEdit(plan, element, dx, dx / 3);
            if (!drag) continue;
            const Outcome moved = Apply(plan, *drag);
            if (const Plan* next = Accepted(moved))
                EXPECT_TRUE(Check(*next).empty());
            else
                EXPECT_NE(FirstProblem(moved), ProblemId::OffLattice) << dx;
        }
    }
}

// One random editing session through the session's one way in, as the build
// box, the keys and the mouse would drive it.
struct RandomEditor {
    explicit RandomEditor(unsigned seed) : pick(seed) { session.StartUp(); }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick); }
    Element AnyElement() {
        const Plan& plan = *session.Plan();
        switch (Below(4)) {
            case 0:
                return plan.segments.empty()
                           ? NetworkElement()
                           : SegmentElement(Below(static_cast<int>(plan.segments.size())));
            case 1:
                return plan.bridges.empty()
                           ? NetworkElement()
                           : BridgeElement(Below(static_cast<int>(plan.bridges.size())));
            case 2:
                return plan.stations.empty()
                           ? NetworkElement()
                           : StationElement(Below(static_cast<int>(plan.stations.size())));
            default:
                return NetworkElement();
        }
    }
    void Do(const Action& action) {
        session.Apply(action);
        while (session.MessageOpen()) session.Apply(Act(ActionKind::CloseMessage));
    }
    void Step() {
        const Plan plan = *session.Plan();
        const Element selected = session.Selected();
        switch (Below(9)) {
            case 0: {
                Action select = Act(ActionKind::Select);
                select.target = AnyElement();
                return Do(select);
            }
            case 1:
                return Do(EditAction(NewSegment(plan, selected)));
            case 2:
                return Do(EditAction(NewStation(plan, selected)));
            case 3:
                return Do(EditAction(NewBridge(plan, selected, Below(MaxElements))));
            case 4:
                if (const auto gone = DeleteEdit(plan, selected)) Do(EditAction(*gone));
                return;
            case 5:
                if (const auto drag =
                        DragEdit(plan, selected, Below(4001) - 2000, Below(4001) - 2000))
                    Do(EditAction(*drag));
                return;
            case 6:
                return Do(Act(ActionKind::Undo));
            case 7:
                return Do(Act(ActionKind::Redo));
            default:
                if (!plan.bridges.empty())
                    Do(EditAction(SetBridge{Below(static_cast<int>(plan.bridges.size())),
                                            1 + Below(9), 1 + Below(300), 1 + Below(300)}));
                return;
        }
    }

    std::mt19937 pick;
    FixedSeedRandom random;
    session::Session session{random};
};

TEST(NetworkPlace, RandomEditingKeepsTheRulesAndUndoingEverythingGivesBackTheStart) {
    std::size_t steps = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomEditor editor(seed);
        editor.Do(Act(ActionKind::StartNetwork, seed % 2 == 0 ? static_cast<int>(BuiltIns.size())
                                                              : static_cast<int>(seed % 5)));
        ASSERT_TRUE(editor.session.Building());
        const Plan start = *editor.session.Plan();
        for (int n = 0; n < 150; ++n) {
            editor.Step();
            ASSERT_TRUE(editor.session.Building());
            ASSERT_TRUE(Check(*editor.session.Plan()).empty()) << "seed " << seed << " step " << n;
        }
        steps += editor.session.Edits()->undo.size();
        while (!editor.session.Edits()->undo.empty()) editor.Do(Act(ActionKind::Undo));
        EXPECT_EQ(*editor.session.Plan(), start) << "seed " << seed;
        // Whatever was built runs: the frames go and the network is the one built.
        while (!editor.session.Edits()->redo.empty()) editor.Do(Act(ActionKind::Redo));
        const Plan built = *editor.session.Plan();
        editor.Do(Act(ActionKind::RunNetwork));
        EXPECT_FALSE(editor.session.Building());
        EXPECT_EQ(editor.session.State().iScenario(), Simulation::BuiltNetwork);
        EXPECT_EQ(editor.session.State().Combo1().text, built.name);
    }
    // The sessions did build: many of their edits were accepted.
    EXPECT_GT(steps, 40U * 10U);
}

}  // namespace
}  // namespace bridging::testing
