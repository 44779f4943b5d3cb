// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict, then watch: over seeded sessions the look-ahead changes nothing and
// foresees exactly what the next tick records, and every question has one
// right answer among three or four, the decision that then happens.
#include <gtest/gtest.h>

#include "demo_fixture.h"
#include "explain/sentences.h"
#include "predict/predictor.h"
#include "tests/session_actions.h"

namespace bridging::testing {
namespace {

// Bursts of ticks and the buttons that bring frames to the bridges.
session::Mix PredictMix() {
    session::Mix mix{{{session::UserAction::Ticks, 12},
                      {session::UserAction::Send, 6},
                      {session::UserAction::Letter, 2},
                      {session::UserAction::RootButton, 4},
                      {session::UserAction::Learning, 2},
                      {session::UserAction::Forwarding, 2},
                      {session::UserAction::PickScenario, 1},
                      {session::UserAction::Renumber, 1}},
                     1,
                     20};
    return mix;
}

std::vector<Decision> WithoutArrivals(std::vector<Decision> records) {
    std::erase_if(records, [](const Decision& d) { return d.kind == DecisionKind::Receives; });
    return records;
}

TEST(Predict, LookAheadForeseesTheNextTickAndEveryQuestionItsDecision) {
    int questions = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        RecordingMessage message;
        FixedSeedRandom random;
        Demo demo(message, random);
        demo.Form_Load();
        RecordingAccount account;
        demo.SetAccount(&account);
        session::SeededNumbers numbers(seed);
        const session::Mix mix = PredictMix();
        for (int step = 0; step < 150; ++step) {
            const Simulation before = demo.State();
            const predict::NextTick next = predict::LookAhead(before);
            ASSERT_TRUE(demo.State() == before);
            std::vector<predict::Question> asked;
            for (const predict::Arrival& arrival : next.arrivals) {
                asked.push_back(predict::Ask(before, arrival));
                const predict::Question& q = asked.back();
                ASSERT_GE(q.answers.size(), 3U);
                ASSERT_LE(q.answers.size(), 4U);
                int right = 0;
                for (const predict::Answer& a : q.answers)
                    right += a.outcome == q.RightAnswer().outcome;
                ASSERT_EQ(right, 1);
                ASSERT_TRUE(q.Check(q.right).right);
                ++questions;
            }
            account.Clear();
            demo.NextTick();
            // The tick records exactly what the copy did, arrivals aside.
            std::vector<Decision> foreseen = next.records;
            ASSERT_EQ(WithoutArrivals(account.records).size(), foreseen.size());
            for (std::size_t i = 0; i < foreseen.size(); ++i)
                ASSERT_EQ(account.records[i].kind, foreseen[i].kind) << i;
            for (const predict::Question& q : asked) {
                const bool decided =
                    q.RightAnswer().outcome == explain::Outcome::Nothing ||
                    std::any_of(
                        account.records.begin(), account.records.end(), [&](const Decision& d) {
                            return d.index == q.bridgeIndex && explain::Sentence(d) == q.reason;
                        });
                ASSERT_TRUE(decided) << q.prompt << " / " << q.reason;
            }
            account.Clear();
            session::Apply(demo, session::Draw(numbers, demo, mix));
        }
    }
    EXPECT_GT(questions, 100);
}

// Rationing: a kind answered right at the first try is not asked again,
// unless every decision is asked about; the score counts first tries only.
TEST(Predict, AKindAnsweredRightIsNotAskedAgainByDefault) {
    RecordingMessage message;
    FixedSeedRandom random;
    Demo demo(message, random);
    demo.Form_Load();
    demo.SetChkLearn(1);
    demo.SetChkForward(1);
    demo.Computer1_Command1_Click(2);
    predict::Predictor predictor;
    predictor.SetOn(true);
    int asked = 0;
    for (history::Moment m = 0; m < 120; ++m) {
        if (m % 60 == 0) demo.Computer1_btnKeys_Click(0);
        const predict::NextTick next = predict::LookAhead(demo.State());
        if (predictor.Prepare(m, demo.State(), next)) {
            ++asked;
            const std::size_t right = predictor.Current()->right;
            if (asked == 1)
                EXPECT_FALSE(predictor.Answer(right == 0 ? 1 : 0).right);
            else
                EXPECT_TRUE(predictor.Answer(right).right);
        }
        demo.NextTick();
    }
    // The first road floods (answered wrong), the second road floods again
    // and is asked; a flood is then not asked a third time.
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(predictor.Score(), "First tries right: 1 of 2");
}

}  // namespace
}  // namespace bridging::testing
