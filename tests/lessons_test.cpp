// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lessons run on the window's logic as the window runs them: every lesson
// reaches each goal in order through its "Show me" presses, goals reached
// another way count, goals not reached hold the step, and the run's help
// (Try again, Skip) and summary.
#include <gtest/gtest.h>

#include <functional>

#include "explain/lessons.h"
#include "lessons/catalogue.h"
#include "lessons/goals.h"
#include "lessons/press.h"
#include "lessons/run.h"
#include "predict/lookahead.h"
#include "predict/predictor.h"
#include "tests/fakes.h"

namespace bridging::testing {
namespace {

using lessons::Control;
using lessons::Press;

constexpr int TicksPerStep = 600;
constexpr int FirstLesson = 0;
constexpr int BroadcastLoop = 1;
constexpr int RenumberingLessons = 3;

// The window's logic with a lesson run beside it, told of each action and tick
// with its records, and a predictor that asks the steps' questions, answered right.
struct Classroom {
    explicit Classroom(std::uint64_t seed) : random(seed) {
        demo.Form_Load();
        demo.SetAccount(&account);
    }

    void Start(const lessons::Lesson& lesson) {
        for (const Press& press : lesson.setup) lessons::PerformPress(demo, press);
        run.Begin(lesson, moment);
        Cue();
    }

    bool Act(const std::function<void()>& action) {
        account.Clear();
        action();
        ++moment;
        const bool done = run.Observe(demo.State(), account.records, moment);
        if (done) Cue();
        return done;
    }
    bool Click(const lessons::Press& press) {
        return Act([&] { lessons::PerformPress(demo, press); });
    }
    bool Tick() {
        const predict::NextTick next = predict::LookAhead(demo.State());
        if (predictor.Prepare(moment, demo.State(), next)) {
            while (const predict::Question* q = predictor.Current()) {
                run.RecordAnswer(predictor.Answer(q->right).right);
                ++asked;
            }
        }
        return Act([&] { demo.Timer1_Timer(); });
    }
    // Ticks until a step is done; false when none is within `limit` ticks.
    bool TickUntilDone(int limit = TicksPerStep) {
        for (int n = 0; n < limit; ++n) {
            if (Tick()) return true;
        }
        return false;
    }
    void TickUntilQuiet() {
        for (int n = 0; n < TicksPerStep && demo.AnyTokenShown(); ++n) Tick();
    }

    void Cue() {
        const lessons::Step* step = run.CurrentStep();
        if (step != nullptr && step->question) {
            predictor.SetCue(predict::Cue{step->question->bridge, step->question->topic});
        } else {
            predictor.SetCue(std::nullopt);
        }
    }

    RecordingMessage message;
    FixedSeedRandom random;
    RecordingAccount account;
    Demo demo{message, random};
    lessons::LessonRun run;
    predict::Predictor predictor;
    history::Moment moment = 0;
    int asked = 0;
};

const lessons::Lesson& LessonAt(int index) {
    return lessons::AllLessons()[static_cast<std::size_t>(index)];
}

// Each step's presses, then ticks until its goal: exactly that step is done.
void RunThroughShowMe(Classroom& room, const lessons::Lesson& lesson) {
    room.Start(lesson);
    for (std::size_t k = 0; k < lesson.steps.size(); ++k) {
        SCOPED_TRACE(lesson.steps[k].text);
        ASSERT_EQ(room.run.StepIndex(), k);
        bool done = false;
        for (const Press& press : lesson.steps[k].showMe) done = room.Click(press) || done;
        if (!done) done = room.TickUntilDone();
        ASSERT_TRUE(done);
        ASSERT_EQ(room.run.StepIndex(), k + 1) << "the next step's goal was already reached";
    }
    EXPECT_TRUE(room.run.Finished());
    EXPECT_EQ(room.run.Tally(0).done, lesson.steps.size());
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
        EXPECT_EQ(lesson.setup.front().control, Control::Scenario) << lesson.title;
        for (const lessons::Step& step : lesson.steps) EXPECT_FALSE(step.showMe.empty());
    }
}

TEST(Lessons, EachReachesEveryGoalInOrderThroughShowMe) {
    for (int index = 0; index < static_cast<int>(lessons::AllLessons().size()); ++index) {
        const int seeds = index >= RenumberingLessons ? 12 : 1;
        for (int seed = 1; seed <= seeds; ++seed) {
            SCOPED_TRACE(LessonAt(index).title + ", seed " + std::to_string(seed));
            Classroom room(static_cast<std::uint64_t>(seed));
            RunThroughShowMe(room, LessonAt(index));
            if (index < RenumberingLessons) {
                std::size_t cues = 0;
                for (const lessons::Step& step : LessonAt(index).steps)
                    cues += step.question ? 1 : 0;
                EXPECT_EQ(room.asked, static_cast<int>(cues)) << "a step's question never came";
                EXPECT_EQ(room.run.Tally(0).rightFirstTry, room.asked);
            }
        }
    }
}

// The first step asks for A learned above the bridge and a flood: A's frame to
// D does it as well as A's frame to C; B's frame teaches the bridge only B.
TEST(Lessons, AGoalCountsHoweverItIsReachedAndAStepWaitsUntilItIs) {
    Classroom other(1);
    other.Start(LessonAt(FirstLesson));
    other.Click({Control::Letter, 3});
    other.Click({Control::Send, 0});
    EXPECT_TRUE(other.TickUntilDone());
    EXPECT_EQ(other.run.StepIndex(), 1U);

    Classroom unmet(1);
    unmet.Start(LessonAt(FirstLesson));
    unmet.Click({Control::Letter, 0});
    unmet.Click({Control::Send, 1});
    unmet.TickUntilQuiet();
    EXPECT_EQ(unmet.run.StepIndex(), 0U);
    EXPECT_TRUE(unmet.demo.Bridge1[0].PortATable()[0] == 2) << "the bridge learned B";
    unmet.Click({Control::Letter, 2});
    unmet.Click({Control::Send, 0});
    EXPECT_TRUE(unmet.TickUntilDone());
}

// A decision seen before Try again is not counted after it: the window has
// gone back to the moment the step began, and the step waits for it afresh.
TEST(Lessons, TryAgainChecksTheStepAfreshAndSkipMovesOn) {
    Classroom room(1);
    room.Start(LessonAt(BroadcastLoop));
    const lessons::Lesson& lesson = LessonAt(BroadcastLoop);
    for (int k = 0; k < 2; ++k) {
        for (const Press& press : lesson.steps[static_cast<std::size_t>(k)].showMe)
            room.Click(press);
        room.TickUntilDone();
    }
    ASSERT_EQ(room.run.StepIndex(), 2U);
    const Simulation began = room.demo.State();
    room.Click({Control::RootButton, 1});
    bool ignored = false;
    while (!ignored && room.demo.AnyTokenShown()) {
        room.Tick();
        for (const Decision& d : room.run.SinceStepBegan())
            ignored = ignored || d.kind == DecisionKind::IgnoresWorseRoot;
    }
    ASSERT_TRUE(ignored);
    ASSERT_EQ(room.run.StepIndex(), 2U);
    room.demo.Restore(began);
    room.run.TryAgain();
    room.Tick();
    EXPECT_EQ(room.run.StepIndex(), 2U) << "no frame flies, but the root was not ignored again";
    EXPECT_TRUE(room.run.SinceStepBegan().empty());

    room.run.Skip(room.moment);
    EXPECT_EQ(room.run.StepIndex(), 3U);
    EXPECT_EQ(room.run.Progress(), "Step 4 of 6");
    EXPECT_EQ(room.run.Outcomes()[2], lessons::StepOutcome::Skipped);
    const std::string summary = room.run.Summary(125);
    EXPECT_NE(summary.find("Steps done: 2 of 6"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Steps skipped: 1"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Time taken: 2 min 05 s"), std::string::npos) << summary;
}

// Renumber's lesson names its root buttons by number: whatever the draw, the
// press reaches the bridge that wears the number.
TEST(Lessons, ARootButtonNamedByNumberIsTheBridgeWearingIt) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        Classroom room(seed);
        room.Start(LessonAt(RenumberingLessons));
        room.Click({Control::Renumber});
        for (int number = 1; number <= BridgeCount; ++number) {
            const int k =
                lessons::PressedIndex(room.demo.State(), {Control::RootButton, number, true});
            ASSERT_GE(k, 0);
            EXPECT_EQ(room.demo.Bridge1[static_cast<std::size_t>(k)].BridgeNumber(), number);
        }
    }
}

}  // namespace
}  // namespace bridging::testing
