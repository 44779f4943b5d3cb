// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict, then watch: over seeded sessions the look-ahead changes nothing and
// foresees exactly what the next tick records, and every question has one
// right answer among three or four, the decision that then happens.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "demo_fixture.h"
#include "explain/sentences.h"
#include "predict/predictor.h"
#include "tests/random_user.h"

namespace bridging::testing {
namespace {

// Bursts of ticks and the buttons that bring frames to the bridges.
user::Mix PredictMix() {
    user::Mix mix{{{user::UserAction::Ticks, 12},
                   {user::UserAction::Send, 6},
                   {user::UserAction::Letter, 2},
                   {user::UserAction::RootButton, 4},
                   {user::UserAction::Learning, 2},
                   {user::UserAction::Forwarding, 2},
                   {user::UserAction::PickScenario, 1},
                   {user::UserAction::Renumber, 1}},
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
        RecordingDemo demo(message, random);
        demo.Form_Load();
        RecordingAccount account;
        demo.SetAccount(&account);
        user::SeededNumbers numbers(seed);
        const user::Mix mix = PredictMix();
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
            user::Perform(demo, user::Draw(numbers, demo.State(), mix));
        }
    }
    EXPECT_GT(questions, 100);
}

// Rationing: a kind answered right at the first try is not asked again,
// unless every decision is asked about; the score counts first tries only.
TEST(Predict, AKindAnsweredRightIsNotAskedAgainByDefault) {
    RecordingMessage message;
    FixedSeedRandom random;
    RecordingDemo demo(message, random);
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

// Each kind of answer in a network built with the window's buttons: a press
// (a station sending to another, a root button, or Forwarding off) runs until no
// frame is left, and the question the last press brings is watched.
struct Situation {
    const char* name;
    const char* network;
    std::vector<std::pair<int, int>> presses;  // {from, to}; {-1, bridge}; {-1, -1}
    predict::Topic topic;
    DecisionKind decides;
};

std::vector<Situation> Situations() {
    using enum predict::Topic;
    using enum DecisionKind;
    return {
        {"Flooding", "One Bridge", {{0, 2}}, Flooding, Floods},
        {"Forwarding", "One Bridge", {{0, 2}, {2, 0}}, Forwarding, Forwards},
        {"Filtering", "One Bridge", {{0, 2}, {1, 0}}, Filtering, Filters},
        {"HeldByBlocking", "One Bridge", {{-1, -1}, {0, 2}}, Held, HeldByBlocking},
        {"HeldByBlocked", "Two Bridges", {{-1, 0}, {0, 2}}, Held, HeldByBlocked},
        {"NewRoot", "Two Bridges", {{-1, 0}}, NewRoot, AdoptsRoot},
        {"Block", "Two Bridges", {{-1, 0}}, Block, Blocks},
        {"IgnoredRoot", "Two Bridges", {{-1, 1}}, IgnoredRoot, IgnoresWorseRoot},
        {"LoweredCosts", "Four Bridges", {{-1, 0}, {-1, 3}}, LoweredCosts, UpdatesTotal},
    };
}

void PrintTo(const Situation& s, std::ostream* out) { *out << s.name; }

class QuestionBeforeDecision : public DemoTest, public ::testing::WithParamInterface<Situation> {
protected:
    void Press(std::pair<int, int> press) {
        if (press.first >= 0) {
            Send(press.first, press.second);
        } else if (press.second >= 0) {
            demo.Bridge1_btnSpanTree_Click(press.second);
        } else {
            demo.SetChkForward(0);
        }
    }
    // The log's lines of the question's decision so far.
    long LinesOf(const predict::Question& q) const {
        return std::count_if(log.records.begin(), log.records.end(), [&](const Decision& d) {
            return d.kind == GetParam().decides && d.index == q.bridgeIndex &&
                   explain::Sentence(d) == q.reason;
        });
    }
    RecordingAccount log;
};

// Due before the tick that decides, and not after: the log has no line of the
// decision until that tick, and has it then.
TEST_P(QuestionBeforeDecision, IsDueJustBeforeTheTickThatDecidesIt) {
    Build(GetParam().network);
    SwitchOn();
    demo.SetAccount(&log);
    for (auto press : GetParam().presses) {
        if (!ShownTokens().empty()) {
            ASSERT_GT(TickUntilQuiet(), 0);
        }
        Press(press);
    }
    predict::Predictor predictor;
    predictor.SetOn(true);
    predictor.SetAskEveryDecision(true);
    for (history::Moment m = 0; m < 300 && !ShownTokens().empty(); ++m) {
        predictor.Prepare(m, demo.State(), predict::LookAhead(demo.State()));
        std::optional<predict::Question> watched;
        for (; predictor.Current() != nullptr; predictor.Reveal()) {
            if (!watched && predictor.Current()->AskedTopic() == GetParam().topic)
                watched = *predictor.Current();
        }
        if (!watched) {
            demo.Timer1_Timer();
            continue;
        }
        EXPECT_EQ(LinesOf(*watched), 0) << watched->reason;
        demo.Timer1_Timer();
        EXPECT_EQ(LinesOf(*watched), 1) << watched->reason;
        return;
    }
    FAIL() << "nothing asked about " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, QuestionBeforeDecision, ::testing::ValuesIn(Situations()),
                         [](const auto& info) { return std::string(info.param.name); });

using PredictOnDemo = DemoTest;

// Going back to a moment and on again asks nothing answered there; a new
// future from an earlier moment is asked again, one from that moment is not.
TEST_F(PredictOnDemo, AMomentAnsweredIsAskedAgainOnlyInANewFutureFromBeforeIt) {
    Build("One Bridge");
    SwitchOn();
    Send(0, 2);
    predict::Predictor predictor;
    predictor.SetOn(true);
    history::Moment m = 1;
    for (; predictor.Current() == nullptr; ++m) {
        ASSERT_LT(m, 100U);
        demo.Timer1_Timer();
        predictor.Prepare(m, demo.State(), predict::LookAhead(demo.State()));
    }
    --m;
    const predict::NextTick next = predict::LookAhead(demo.State());
    predictor.Answer(predictor.Current()->right + 1);  // wrong, so the kind is asked again
    EXPECT_FALSE(predictor.Prepare(m, demo.State(), next));
    predictor.ForgetAfter(m);
    EXPECT_FALSE(predictor.Prepare(m, demo.State(), next));
    predictor.ForgetAfter(m - 1);
    EXPECT_TRUE(predictor.Prepare(m, demo.State(), next));
}

struct StartedDemo {
    RecordingMessage message;
    FixedSeedRandom random;
    RecordingDemo demo{message, random};
    StartedDemo() { demo.Form_Load(); }
};

// Asking, answering, revealing or leaving the questions changes nothing the
// session does: it ends equal to the same session run without a predictor.
TEST(Predict, AnsweringTheQuestionsLeavesTheSessionAsWithoutThem) {
    const user::Mix mix = PredictMix();
    int closed = 0;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        StartedDemo plain;
        StartedDemo asked;
        user::SeededNumbers plainNumbers(seed);
        user::SeededNumbers numbers(seed);
        user::SeededNumbers answers(seed + 1000);
        predict::Predictor predictor;
        predictor.SetOn(true);
        predictor.SetAskEveryDecision(true);
        history::Moment m = 0;
        for (int step = 0; step < 150; ++step) {
            user::Perform(plain.demo, user::Draw(plainNumbers, plain.demo.State(), mix));
            const user::Move move = user::Draw(numbers, asked.demo.State(), mix);
            if (move.kind != user::UserAction::Ticks) {
                if (answers.Between(0, 19) == 0) predictor.ForgetAfter(m / 2);
                user::Perform(asked.demo, move);
                ++m;
                continue;
            }
            for (int t = 0; t < move.ticks; ++t, ++m) {
                if (answers.Between(0, 49) == 0)
                    predictor.SetAskEveryDecision(!predictor.AsksEveryDecision());
                predictor.Prepare(m, asked.demo.State(), predict::LookAhead(asked.demo.State()));
                // Twice as often an answer (out of range too) as a reveal, or leaving it.
                while (const predict::Question* q = predictor.Current()) {
                    const int way = answers.Between(0, 3);
                    if (way == 3) break;
                    ++closed;
                    if (way == 2) {
                        predictor.Reveal();
                    } else {
                        const int choice = answers.Between(0, static_cast<int>(q->answers.size()));
                        predictor.Answer(static_cast<std::size_t>(choice));
                    }
                }
                asked.demo.Timer1_Timer();
            }
        }
        ASSERT_TRUE(Same(plain.demo.State(), asked.demo.State()));
        ASSERT_EQ(plain.message.texts, asked.message.texts);
    }
    EXPECT_GT(closed, 100) << closed;
}

}  // namespace
}  // namespace bridging::testing
