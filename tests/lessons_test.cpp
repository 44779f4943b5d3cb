// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lessons run in the session as the window runs them: every lesson reaches
// each goal in order through its "Show me" presses, goals reached another way
// count, goals not reached hold the step, and the run's help (Try again, Skip)
// and summary.
#include <gtest/gtest.h>

#include <functional>

#include "explain/lessons.h"
#include "lessons/catalogue.h"
#include "lessons/goals.h"
#include "lessons/press.h"
#include "lessons/run.h"
#include "session/session.h"
#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

constexpr int TicksPerStep = 600;
constexpr int FirstLesson = 0;
constexpr int BroadcastLoop = 1;
constexpr int RenumberingLessons = 3;

// A class following a lesson in the session, as the window runs it: each
// question a step asks is answered right, and every tick the timer would fire.
struct Classroom {
    explicit Classroom(std::uint64_t seed) : random(seed), session(random) {}

    void Start(int lesson) { session.Apply(Act(ActionKind::StartLesson, lesson)); }

    // True when a step got done.
    bool Take(const session::Outcome& outcome) {
        bool done = false;
        for (const session::Report& report : outcome.reports) {
            const auto* notice = std::get_if<session::Notice>(&report);
            done =
                done || (notice != nullptr && std::holds_alternative<session::StepsDone>(*notice));
        }
        while (session.MessageOpen()) session.Apply(Act(ActionKind::CloseMessage));
        return done;
    }
    bool Click(const Action& press) { return Take(session.Apply(press)); }
    bool Tick() {
        bool done = Take(session.Tick());
        while (const predict::Question* q = session.Predict().Questions().Current()) {
            done = Take(session.Apply(Act(ActionKind::Answer, static_cast<int>(q->right)))) || done;
            ++asked;
        }
        return done;
    }
    // Ticks until a step is done; false when none is within `limit` ticks.
    bool TickUntilDone(int limit = TicksPerStep) {
        for (int n = 0; n < limit; ++n) {
            if (Tick()) return true;
        }
        return false;
    }
    void TickUntilQuiet() {
        for (int n = 0; n < TicksPerStep && session.State().AnyTokenShown(); ++n) Tick();
    }
    const lessons::LessonRun& run() const { return session.Lesson(); }

    FixedSeedRandom random;
    session::Session session;
    int asked = 0;
};

const lessons::Lesson& LessonAt(int index) {
    return lessons::AllLessons()[static_cast<std::size_t>(index)];
}

// Each step's presses, then ticks until its goal: exactly that step is done.
void RunThroughShowMe(Classroom& room, int index) {
    const lessons::Lesson& lesson = LessonAt(index);
    room.Start(index);
    for (std::size_t k = 0; k < lesson.steps.size(); ++k) {
        SCOPED_TRACE(lesson.steps[k].text);
        ASSERT_EQ(room.run().StepIndex(), k);
        bool done = false;
        for (const Action& press : lesson.steps[k].showMe) done = room.Click(press) || done;
        if (!done) done = room.TickUntilDone();
        ASSERT_TRUE(done);
        ASSERT_EQ(room.run().StepIndex(), k + 1) << "the next step's goal was already reached";
    }
    EXPECT_TRUE(room.run().Finished());
    EXPECT_EQ(room.run().Tally(0).done, lesson.steps.size());
}

TEST(Lessons, FiveInTheOrderOfTheGuideEachBuildingItsNetwork) {
    const std::vector<lessons::Lesson>& all = lessons::AllLessons();
    ASSERT_GE(all.size(), 5U);
    const std::vector<std::string> titles = {"Learning and filtering",
                                             "The broadcast loop and the root buttons",
                                             "Tables set by hand", "Costs and numbering"};
    for (std::size_t k = 0; k < titles.size(); ++k) EXPECT_EQ(all[k].title, titles[k]);
    for (const lessons::Lesson& lesson : all) {
        ASSERT_FALSE(lesson.setup.empty());
        EXPECT_EQ(lesson.setup.front().kind, ActionKind::PickScenario) << lesson.title;
        for (const lessons::Step& step : lesson.steps) EXPECT_FALSE(step.showMe.empty());
    }
}

TEST(Lessons, EachReachesEveryGoalInOrderThroughShowMe) {
    for (int index = 0; index < static_cast<int>(lessons::AllLessons().size()); ++index) {
        const int seeds = index >= RenumberingLessons ? 12 : 1;
        for (int seed = 1; seed <= seeds; ++seed) {
            SCOPED_TRACE(LessonAt(index).title + ", seed " + std::to_string(seed));
            Classroom room(static_cast<std::uint64_t>(seed));
            RunThroughShowMe(room, index);
            if (index < RenumberingLessons) {
                std::size_t cues = 0;
                for (const lessons::Step& step : LessonAt(index).steps)
                    cues += step.question ? 1 : 0;
                EXPECT_EQ(room.asked, static_cast<int>(cues)) << "a step's question never came";
                EXPECT_EQ(room.run().Tally(0).rightFirstTry, room.asked);
            }
        }
    }
}

// The first step asks for A learned above the bridge and a flood: A's frame to
// D does it as well as A's frame to C; B's frame teaches the bridge only B.
TEST(Lessons, AGoalCountsHoweverItIsReachedAndAStepWaitsUntilItIs) {
    Classroom other(1);
    other.Start(FirstLesson);
    other.Click(Act(ActionKind::Letter, 3));
    other.Click(Act(ActionKind::Send, 0));
    EXPECT_TRUE(other.TickUntilDone());
    EXPECT_EQ(other.run().StepIndex(), 1U);

    Classroom unmet(1);
    unmet.Start(FirstLesson);
    unmet.Click(Act(ActionKind::Letter, 0));
    unmet.Click(Act(ActionKind::Send, 1));
    unmet.TickUntilQuiet();
    EXPECT_EQ(unmet.run().StepIndex(), 0U);
    EXPECT_TRUE(unmet.session.State().Bridge1[0].PortATable()[0] == 2) << "the bridge learned B";
    unmet.Click(Act(ActionKind::Letter, 2));
    unmet.Click(Act(ActionKind::Send, 0));
    EXPECT_TRUE(unmet.TickUntilDone());
}

// A decision seen before Try again is not counted after it: the window has
// gone back to the moment the step began, and the step waits for it afresh.
TEST(Lessons, TryAgainChecksTheStepAfreshAndSkipMovesOn) {
    Classroom room(1);
    room.Start(BroadcastLoop);
    const lessons::Lesson& lesson = LessonAt(BroadcastLoop);
    for (int k = 0; k < 2; ++k) {
        for (const Action& press : lesson.steps[static_cast<std::size_t>(k)].showMe)
            room.Click(press);
        room.TickUntilDone();
    }
    ASSERT_EQ(room.run().StepIndex(), 2U);
    room.Click(Act(ActionKind::RootButton, 1));
    bool ignored = false;
    while (!ignored && room.session.State().AnyTokenShown()) {
        room.Tick();
        for (const Decision& d : room.run().SinceStepBegan())
            ignored = ignored || d.kind == DecisionKind::IgnoresWorseRoot;
    }
    ASSERT_TRUE(ignored);
    ASSERT_EQ(room.run().StepIndex(), 2U);
    room.Click(Act(ActionKind::TryAgain));
    EXPECT_EQ(room.session.Time().Shown(), room.run().StepBegan());
    room.Tick();
    EXPECT_EQ(room.run().StepIndex(), 2U) << "no frame flies, but the root was not ignored again";
    for (const Decision& d : room.run().SinceStepBegan())
        EXPECT_NE(d.kind, DecisionKind::IgnoresWorseRoot);

    room.Click(Act(ActionKind::Skip));
    EXPECT_EQ(room.run().StepIndex(), 3U);
    EXPECT_EQ(room.run().Progress(), "Step 4 of 6");
    EXPECT_EQ(room.run().Outcomes()[2], lessons::StepOutcome::Skipped);
    const std::string summary = room.run().Summary(125);
    EXPECT_NE(summary.find("Steps done: 2 of 6"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Steps skipped: 1"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Time taken: 2 min 05 s"), std::string::npos) << summary;
}

// Renumber's lesson names its root buttons by number: whatever the draw, the
// press reaches the bridge that wears the number.
TEST(Lessons, ARootButtonNamedByNumberIsTheBridgeWearingIt) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        Classroom room(seed);
        room.Start(RenumberingLessons);
        room.Click(Act(ActionKind::Renumber));
        for (int number = 1; number <= BridgeCount; ++number) {
            const int k =
                lessons::Resolved(room.session.State(), Act(ActionKind::RootButtonNumbered, number))
                    .index;
            ASSERT_GE(k, 0);
            EXPECT_EQ(room.session.State().Bridge1[static_cast<std::size_t>(k)].BridgeNumber(),
                      number);
        }
    }
}

}  // namespace
}  // namespace bridging::testing
