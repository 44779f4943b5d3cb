// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules between the simulation, the timeline, predict mode and the lessons,
// on the session without a window, over seeded random sessions of actions: an
// action while looking back starts a new future, nothing is taken while a
// message is open, a held tick runs after the answer and changes nothing that
// happens, and a lesson's step is done by its goal whatever reached it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "session/session.h"
#include "tests/demo_fixture.h"
#include "tests/random_user.h"

namespace bridging::testing {
namespace {

using user::Move;
using user::UserAction;

// Mostly ticks and the buttons that bring frames to the bridges, so that
// frames meet bridges, storms run the pool out and moments pile up.
const user::Mix Busy = {{{UserAction::Ticks, 12},
                         {UserAction::Send, 6},
                         {UserAction::Letter, 2},
                         {UserAction::RootButton, 4},
                         {UserAction::Learning, 2},
                         {UserAction::Forwarding, 3},
                         {UserAction::PickScenario, 1},
                         {UserAction::Renumber, 1},
                         {UserAction::Kill, 1}},
                        8,
                        20};

struct SeededSession {
    explicit SeededSession(std::uint64_t seed) : numbers(seed), random(seed), session(random) {
        session.StartUp();
    }
    user::Outcomes Next() {
        return user::Perform(session, user::Draw(numbers, session.State(), Busy));
    }
    void Steps(int count) {
        for (int n = 0; n < count; ++n) Next();
    }
    user::SeededNumbers numbers;
    FixedSeedRandom random;
    session::Session session;
};

template <typename Kind>
bool Reports(const session::Outcome& outcome) {
    for (const session::Report& report : outcome.reports) {
        if (const auto* notice = std::get_if<session::Notice>(&report)) {
            if (std::holds_alternative<Kind>(*notice)) return true;
        }
    }
    return false;
}

std::vector<LogLine> LinesOf(const session::Outcome& outcome) {
    std::vector<LogLine> lines;
    for (const session::Report& report : outcome.reports) {
        if (const auto* written = std::get_if<session::Written>(&report))
            lines.insert(lines.end(), written->lines.begin(), written->lines.end());
    }
    return lines;
}

// Going back and then acting drops the later moments and their lines, says so
// first in the log, and leaves the window at the present of a new future that
// starts from the moment looked at.
TEST(Session, AnActionWhileLookingBackStartsANewFuture) {
    int futures = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        SeededSession run(seed);
        run.Steps(30);
        session::Session& s = run.session;
        const history::Moment newest = s.Time().Newest();
        if (newest < 5) continue;
        s.Apply(Act(ActionKind::Back, 0));
        s.Apply(Act(ActionKind::BackTen));
        ASSERT_TRUE(s.Time().LookingBack());
        const history::Moment from = s.Time().Shown();
        const Simulation past = s.State();
        const session::Outcome outcome = s.Apply(Act(ActionKind::Kill));
        while (s.MessageOpen()) s.Apply(Act(ActionKind::CloseMessage));
        EXPECT_FALSE(s.Time().LookingBack());
        EXPECT_LE(s.Time().Newest(), from + 1);
        for (const LogLine& line : s.Log().Lines()) EXPECT_LE(line.moment, from + 1);
        const std::vector<LogLine> lines = LinesOf(outcome);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front().kind, DecisionKind::WentBack);
        // The new future went on from the moment looked at: Kill on it.
        Demo twin(past);
        twin.btnKill_Click();
        EXPECT_TRUE(Same(s.State(), twin.State()));
        ++futures;
    }
    EXPECT_GT(futures, 30);
}

// While a message waits for OK, neither a tick nor any action (the user's,
// of time, predict mode, lessons, the log) changes anything; after OK the
// same actions work again.
TEST(Session, NothingIsTakenWhileAMessageIsOpen) {
    int opened = 0;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        SeededSession run(seed);
        session::Session& s = run.session;
        s.Apply(Act(ActionKind::PickScenario, 3));
        s.Apply(Act(ActionKind::SetLearning, 1));
        s.Apply(Act(ActionKind::SetForwarding, 1));
        s.Apply(Act(ActionKind::Letter, 2));
        s.Apply(Act(ActionKind::Send, 0));
        for (int tick = 0; tick < 600 && !s.MessageOpen(); ++tick) s.Tick();
        ASSERT_TRUE(s.MessageOpen()) << "the storm never ran the pool out";
        ++opened;
        const Simulation before = s.State();
        const history::Moment newest = s.Time().Newest();
        const std::size_t lines = s.Log().Lines().size();
        for (int n = 0; n < 40; ++n) {
            const Move move = user::Draw(run.numbers, s.State(), Busy);
            Action action = n % 2 == 0 ? move.action : user::DrawSessionAction(run.numbers, s);
            if (action.kind == ActionKind::CloseMessage) action = Act(ActionKind::Reset);
            const session::Outcome outcome =
                move.kind == UserAction::Ticks ? s.Tick() : s.Apply(action);
            EXPECT_TRUE(outcome.Empty());
            EXPECT_TRUE(s.PlayWatched().Empty());
        }
        EXPECT_TRUE(Same(s.State(), before));
        EXPECT_EQ(s.Time().Newest(), newest);
        EXPECT_EQ(s.Log().Lines().size(), lines);
        EXPECT_FALSE(s.Ticking());

        while (s.MessageOpen()) s.Apply(Act(ActionKind::CloseMessage));
        const int learning = s.State().chkLearn().value;
        s.Apply(Act(ActionKind::ToggleLearning));
        s.Apply(Act(ActionKind::Letter, 2));
        EXPECT_NE(s.State().chkLearn().value, learning);
        EXPECT_EQ(s.State().iSelectedStation(), 3);
    }
    EXPECT_EQ(opened, 30);
}

// With every decision asked about, each tick that a question holds runs once
// the question is answered, right or wrong: the session ends where the same
// session without questions does, tick for tick.
TEST(Session, AHeldTickRunsAfterTheAnswerAndChangesNothingThatHappens) {
    int answered = 0;
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE(seed);
        SeededSession asked(seed);
        SeededSession plain(seed);
        asked.session.Apply(Act(ActionKind::SetPredict, 1));
        asked.session.Apply(Act(ActionKind::SetAskEvery, 1));
        user::SeededNumbers answers(seed + 99);
        for (int step = 0; step < 60; ++step) {
            const Move move = user::Draw(plain.numbers, plain.session.State(), Busy);
            user::Perform(plain.session, move);
            if (move.kind != UserAction::Ticks) {
                user::Perform(asked.session, move);
                continue;
            }
            // The ticks that ran in the plain session run in the asked one,
            // each held tick once its questions are answered.
            session::Session& s = asked.session;
            while (s.State().TickCount() < plain.session.State().TickCount()) {
                const std::uint64_t before = s.State().TickCount();
                user::Perform(s, Move{UserAction::Ticks, 1, {}});
                while (const predict::Question* q = s.Predict().Questions().Current()) {
                    ASSERT_EQ(s.State().TickCount(), before) << "a question let its tick run";
                    const int choice = answers.Between(0, static_cast<int>(q->answers.size()) - 1);
                    const session::Outcome outcome = s.Apply(Act(ActionKind::Answer, choice));
                    while (s.MessageOpen()) s.Apply(Act(ActionKind::CloseMessage));
                    EXPECT_TRUE(Reports<session::AnswerJudged>(outcome));
                    ++answered;
                }
                ASSERT_EQ(s.State().TickCount(), before + 1);
                EXPECT_TRUE(s.State().Running());
            }
            ASSERT_TRUE(Same(s.State(), plain.session.State())) << "after step " << step;
        }
    }
    EXPECT_GT(answered, 100);
}

// The first step of the first lesson wants A learned above the bridge and a
// flood: reached after Reset, through the boxes' keys and a frame to D rather
// than Show me's frame to C, it is done all the same.
TEST(Session, AStepIsDoneWhenItsGoalHoldsWhateverPathReachedIt) {
    FixedSeedRandom random;
    session::Session s(random);
    s.Apply(Act(ActionKind::StartLesson, 0));
    ASSERT_EQ(s.Lesson().StepIndex(), 0U);
    s.Apply(Act(ActionKind::Reset));
    ASSERT_EQ(s.State().chkLearn().value + s.State().chkForward().value, 0);
    s.Apply(Act(ActionKind::ToggleLearning));
    s.Apply(Act(ActionKind::ToggleForwarding));
    s.Apply(Act(ActionKind::Letter, 3));
    s.Apply(Act(ActionKind::Send, 0));
    bool done = false;
    for (int tick = 0; tick < 200 && !done; ++tick) {
        done = Reports<session::StepsDone>(s.Tick());
        while (const predict::Question* q = s.Predict().Questions().Current())
            done = Reports<session::StepsDone>(
                       s.Apply(Act(ActionKind::Answer, static_cast<int>(q->right)))) ||
                   done;
    }
    EXPECT_TRUE(done);
    EXPECT_EQ(s.Lesson().StepIndex(), 1U);
    EXPECT_EQ(s.Lesson().Tally(0).rightFirstTry, 1);
}

// Start-up builds "One Bridge" twice (picked, then built), which is one fact.
TEST(Session, StartUpSaysOnceThatTheNetworkIsBuilt) {
    FixedSeedRandom random;
    session::Session s(random);
    const std::vector<LogLine> lines = LinesOf(s.StartUp());
    const auto built = std::find_if(lines.begin(), lines.end(), [](const LogLine& line) {
        return line.kind == DecisionKind::ScenarioBuilt;
    });
    ASSERT_NE(built, lines.end());
    EXPECT_EQ(built->times, 1);
    EXPECT_EQ(LineText(*built).find("times"), std::string::npos) << LineText(*built);
}

}  // namespace
}  // namespace bridging::testing
