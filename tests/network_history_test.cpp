// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's history: every step undone and redone in order, a refused edit
// makes no step, and the menu's labels name the step.
#include <gtest/gtest.h>

#include <random>

#include "network/history.h"
#include "network/layout.h"
#include "tests/network_trials.h"

namespace bridging::network {
namespace {

TEST(NetworkHistory, UndoesAndRedoesEveryStepInOrder) {
    std::mt19937 random(11);
    for (int run = 0; run < 40; ++run) {
        EditHistory history =
            StartHistory(run % 2 ? BuiltInPlan(BuiltIn::FullNetwork) : EmptyPlan());
        std::vector<Plan> seen = {history.current};
        std::vector<StepLabel> labels;
        for (int n = 0; n < 60; ++n) {
            const auto edit = trials::RandomEdit(random, history.current);
            if (!edit) continue;
            const Plan before = history.current;
            const StepLabel label = LabelOf(before, *edit);
            const Outcome outcome = Perform(history, *edit);
            if (std::holds_alternative<Refusal>(outcome) || history.current == before) {
                EXPECT_EQ(history.current, before);
                continue;
            }
            EXPECT_TRUE(Check(history.current).empty());
            seen.push_back(history.current);
            labels.push_back(label);
            EXPECT_EQ(UndoLabel(history), label);
        }
        ASSERT_EQ(history.undo.size(), labels.size());
        for (std::size_t k = seen.size() - 1; k > 0; --k) {
            EXPECT_EQ(UndoLabel(history), labels[k - 1]);
            ASSERT_TRUE(Undo(history));
            EXPECT_EQ(history.current, seen[k - 1]);
            EXPECT_EQ(RedoLabel(history), labels[k - 1]);
        }
        EXPECT_FALSE(Undo(history));
        for (std::size_t k = 1; k < seen.size(); ++k) {
            ASSERT_TRUE(Redo(history));
            EXPECT_EQ(history.current, seen[k]);
        }
        EXPECT_FALSE(Redo(history));
    }
}

TEST(NetworkHistory, ARefusedEditMakesNoStepAndANewEditEndsRedo) {
    EditHistory history = StartHistory(BuiltInPlan(BuiltIn::OneBridge));
    EXPECT_TRUE(std::holds_alternative<Refusal>(Perform(history, AddBridge{0, 0, 4080, {}})));
    EXPECT_FALSE(UndoLabel(history));
    ASSERT_TRUE(std::holds_alternative<Plan>(Perform(history, MoveBridge{0, 6770, 5880})));
    ASSERT_TRUE(Undo(history));
    EXPECT_TRUE(RedoLabel(history));
    ASSERT_TRUE(std::holds_alternative<Plan>(Perform(history, Rename{"Mine"})));
    EXPECT_FALSE(RedoLabel(history));
    EXPECT_EQ(UndoLabel(history)->id, LabelId::Rename);
}

TEST(NetworkHistory, DeletingASegmentWithEverythingOnItIsOneStep) {
    EditHistory history = StartHistory(BuiltInPlan(BuiltIn::FullNetwork));
    const Plan before = history.current;
    ASSERT_TRUE(std::holds_alternative<Plan>(Perform(history, DeleteSegment{0})));
    EXPECT_EQ(history.undo.size(), 1u);
    EXPECT_EQ(*UndoLabel(history), (StepLabel{LabelId::DeleteSegment, SegmentElement(0), 0}));
    ASSERT_TRUE(Undo(history));
    EXPECT_EQ(history.current, before);
}

TEST(NetworkHistory, LabelsNameTheElementAsTheWindowShowsIt) {
    const Plan plan = BuiltInPlan(BuiltIn::TwoBridges);
    EXPECT_EQ(LabelOf(plan, AddBridge{0, 1, 6080, {}}),
              (StepLabel{LabelId::AddBridge, BridgeElement(2), 3}));
    EXPECT_EQ(LabelOf(plan, DeleteBridge{1}),
              (StepLabel{LabelId::DeleteBridge, BridgeElement(1), 2}));
    EXPECT_EQ(LabelOf(plan, SetBridge{0, 7, 1, 1}).number, 7);
    EXPECT_EQ(LabelOf(plan, AddStation{0, 6040}),
              (StepLabel{LabelId::AddStation, StationElement(4), 4}));
    EXPECT_EQ(MessageKey(LabelId::AddBridge), "network.step.add-bridge");
}

}  // namespace
}  // namespace bridging::network
