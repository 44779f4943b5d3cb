// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the session tells a listener, without a window: a lesson from its
// opening through a step, its question, the result and the step done; the
// landmarks as they happen, the decisions of the element followed and no
// other's, Pause and Resume; and where the key to the asked control leads.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "lessons/catalogue.h"
#include "session/session.h"
#include "tests/fakes.h"

namespace bridging::testing {
namespace {

using session::Happened;

template <typename Kind>
std::vector<Kind> NoticesOf(const session::Outcome& outcome) {
    std::vector<Kind> told;
    for (const session::Report& report : outcome.reports) {
        if (const auto* notice = std::get_if<session::Notice>(&report)) {
            if (const auto* kind = std::get_if<Kind>(notice)) told.push_back(*kind);
        }
    }
    return told;
}

// Whether the outcome's first notice is of the kind.
template <typename Kind>
bool FirstNoticeIs(const session::Outcome& outcome) {
    for (const session::Report& report : outcome.reports) {
        if (const auto* notice = std::get_if<session::Notice>(&report))
            return std::holds_alternative<Kind>(*notice);
    }
    return false;
}

std::vector<Action> Focused(const session::Outcome& outcome) {
    std::vector<Action> focused;
    for (const session::Report& report : outcome.reports) {
        if (const auto* asked = std::get_if<session::AskedFocused>(&report))
            focused.push_back(asked->action);
    }
    return focused;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class Telling : public ::testing::Test {
protected:
    Telling() { s.StartUp(); }

    // Ticks until `until` holds for an outcome, which it returns.
    template <typename Until>
    session::Outcome TickUntil(Until until, int most = 600) {
        for (int tick = 0; tick < most; ++tick) {
            session::Outcome outcome = s.Tick();
            if (until(outcome)) return outcome;
        }
        ADD_FAILURE() << "not within " << most << " ticks";
        return {};
    }

    // Every line told as it happened over `ticks` ticks, answering any question.
    std::vector<Happened> HappenedOver(int ticks) {
        std::vector<Happened> all;
        for (int tick = 0; tick < ticks; ++tick) {
            for (const Happened& happened : NoticesOf<Happened>(s.Tick())) all.push_back(happened);
            while (s.Predict().Asking()) s.Apply(Act(ActionKind::Answer, 0));
        }
        return all;
    }

    FixedSeedRandom random;
    session::Session s{random};
};

// Lesson 1 from the keyboard: the list opening, the lesson and its first step,
// the key to each control the step asks for, the question with its answers,
// the result before the step done and the next step, the frame reaching its
// station, and Pause.
TEST_F(Telling, ALessonsStepQuestionResultArrivalAndPauseAreEachTold) {
    EXPECT_EQ(NoticesOf<session::LessonsOpened>(s.Apply(Act(ActionKind::ToggleLessons))).size(),
              1U);
    const session::Outcome started = s.Apply(Act(ActionKind::StartLesson, 0));
    const std::vector<session::LessonBegins> begins = NoticesOf<session::LessonBegins>(started);
    ASSERT_EQ(begins.size(), 1U);
    EXPECT_EQ(begins[0].lesson, 0U);
    EXPECT_EQ(begins[0].step, 0U);
    EXPECT_TRUE(Contains(lessons::AllLessons()[0].steps[begins[0].step].text, "Make C"));

    // The step asks for C's letter, then A's Send: the key leads to each in turn.
    EXPECT_EQ(Focused(s.Apply(Act(ActionKind::GoToAsked))),
              std::vector<Action>{Act(ActionKind::Letter, 2)});
    s.Apply(Act(ActionKind::Letter, 2));
    EXPECT_EQ(Focused(s.Apply(Act(ActionKind::GoToAsked))),
              std::vector<Action>{Act(ActionKind::Send, 0)});
    s.Apply(Act(ActionKind::Send, 0));

    const session::Outcome asked = TickUntil(
        [](const session::Outcome& o) { return !NoticesOf<session::QuestionAsked>(o).empty(); });
    const std::vector<session::QuestionAsked> questions = NoticesOf<session::QuestionAsked>(asked);
    ASSERT_EQ(questions.size(), 1U);
    const predict::Question& question = questions[0].question;
    EXPECT_TRUE(Contains(question.prompt, "is about to receive C:A")) << question.prompt;
    EXPECT_TRUE(Contains(question.prompt, "What will it do?")) << question.prompt;
    ASSERT_GE(question.answers.size(), 3U);
    for (const predict::Answer& answer : question.answers) EXPECT_FALSE(answer.text.empty());
    // The same key while the question waits asks it again.
    EXPECT_EQ(NoticesOf<session::QuestionAsked>(s.Apply(Act(ActionKind::GoToAsked))).size(), 1U);

    const session::Outcome answered =
        s.Apply(Act(ActionKind::Answer, static_cast<int>(question.right)));
    const std::vector<session::AnswerJudged> results = NoticesOf<session::AnswerJudged>(answered);
    ASSERT_EQ(results.size(), 1U);
    EXPECT_TRUE(results[0].feedback.right);
    EXPECT_TRUE(Contains(results[0].feedback.text, "Right. ")) << results[0].feedback.text;
    EXPECT_GT(results[0].feedback.text.size(), std::string("Right. ").size());
    const std::vector<session::StepsDone> done = NoticesOf<session::StepsDone>(answered);
    ASSERT_EQ(done.size(), 1U);
    EXPECT_EQ(done[0].first, 0U);
    EXPECT_EQ(done[0].step, 1U);
    // The result explains what the held tick brings: it comes first.
    EXPECT_TRUE(FirstNoticeIs<session::AnswerJudged>(answered));

    const session::Outcome arrived = TickUntil([](const session::Outcome& o) {
        for (const Happened& happened : NoticesOf<Happened>(o)) {
            if (happened.line.kind == DecisionKind::FrameArrives) return true;
        }
        return false;
    });
    const std::vector<Happened> arrivals = NoticesOf<Happened>(arrived);
    ASSERT_FALSE(arrivals.empty());
    EXPECT_TRUE(Contains(arrivals.back().line.sentence, "reaches station C"))
        << arrivals.back().line.sentence;

    const std::vector<Happened> paused = NoticesOf<Happened>(s.Apply(Act(ActionKind::PauseResume)));
    ASSERT_EQ(paused.size(), 1U);
    EXPECT_EQ(paused[0].line.kind, DecisionKind::Paused);
    const std::vector<Happened> resumed =
        NoticesOf<Happened>(s.Apply(Act(ActionKind::PauseResume)));
    ASSERT_EQ(resumed.size(), 1U);
    EXPECT_EQ(resumed[0].line.kind, DecisionKind::Resumed);
}

// Predict mode's question and result are told the same way as a lesson's.
TEST_F(Telling, PredictModesQuestionAndResultAreTold) {
    s.Apply(Act(ActionKind::SetLearning, 1));
    s.Apply(Act(ActionKind::SetForwarding, 1));
    s.Apply(Act(ActionKind::Letter, 2));
    EXPECT_EQ(NoticesOf<session::PredictSwitched>(s.Apply(Act(ActionKind::TogglePredict))).size(),
              1U);
    if (!s.State().Running()) s.Apply(Act(ActionKind::PauseResume));
    s.Apply(Act(ActionKind::Send, 0));
    const session::Outcome asked = TickUntil(
        [](const session::Outcome& o) { return !NoticesOf<session::QuestionAsked>(o).empty(); });
    const std::vector<session::QuestionAsked> questions = NoticesOf<session::QuestionAsked>(asked);
    ASSERT_EQ(questions.size(), 1U);
    const predict::Question& question = questions[0].question;
    const std::size_t wrong = question.right == 0 ? 1 : 0;
    const std::vector<session::AnswerJudged> results =
        NoticesOf<session::AnswerJudged>(s.Apply(Act(ActionKind::Answer, static_cast<int>(wrong))));
    ASSERT_EQ(results.size(), 1U);
    EXPECT_FALSE(results[0].feedback.right);
    EXPECT_TRUE(Contains(results[0].feedback.text, question.answers[question.right].text))
        << results[0].feedback.text;
}

// With nothing followed only the landmarks are told; following the bridge adds
// its every decision, and no other element's.
TEST_F(Telling, TheLandmarksAndTheFollowedBridgesDecisionsAreTold) {
    s.Apply(Act(ActionKind::SetLearning, 1));
    s.Apply(Act(ActionKind::SetForwarding, 1));
    s.Apply(Act(ActionKind::Letter, 2));
    s.Apply(Act(ActionKind::Send, 0));
    const std::vector<Happened> plain = HappenedOver(200);
    ASSERT_FALSE(plain.empty());
    for (const Happened& happened : plain) {
        EXPECT_TRUE(ToldAsItHappens(happened.line.kind)) << happened.line.sentence;
        EXPECT_FALSE(happened.followed);
    }

    Action follow = Act(ActionKind::Follow, 0);
    follow.element = ElementKind::Bridge;
    s.Apply(follow);
    s.Apply(Act(ActionKind::Letter, 0));
    s.Apply(Act(ActionKind::Send, 2));
    const std::vector<Happened> followed = HappenedOver(200);
    bool learned = false;
    bool arrived = false;
    for (const Happened& happened : followed) {
        const LogLine& line = happened.line;
        EXPECT_EQ(happened.followed, line.element == ElementKind::Bridge && line.index == 0)
            << line.sentence;
        EXPECT_TRUE(happened.followed || ToldAsItHappens(line.kind)) << line.sentence;
        learned = learned || line.kind == DecisionKind::Learns;
        arrived = arrived || line.kind == DecisionKind::FrameArrives;
    }
    EXPECT_TRUE(learned);
    EXPECT_TRUE(arrived);
    // Station C sent the frame: a decision of an element not followed.
    for (const Happened& happened : followed)
        EXPECT_NE(happened.line.kind, DecisionKind::StationSends);
}

// Two bridges in a loop: a block and a new root are told; in "Four Bridges" a
// storm runs the pool out, and the message's line is told with the message.
TEST_F(Telling, ABlockANewRootAndThePoolRunningOutAreTold) {
    s.Apply(Act(ActionKind::PickScenario, 1));
    s.Apply(Act(ActionKind::RootButton, 0));
    s.Apply(Act(ActionKind::RootButton, 1));
    bool blocked = false;
    bool rooted = false;
    for (const Happened& happened : HappenedOver(300)) {
        blocked = blocked || happened.line.kind == DecisionKind::Blocks;
        rooted = rooted || happened.line.kind == DecisionKind::AdoptsRoot;
    }
    EXPECT_TRUE(blocked);
    EXPECT_TRUE(rooted);

    s.Apply(Act(ActionKind::PickScenario, 3));
    s.Apply(Act(ActionKind::SetLearning, 1));
    s.Apply(Act(ActionKind::SetForwarding, 1));
    s.Apply(Act(ActionKind::Letter, 2));
    s.Apply(Act(ActionKind::Send, 0));
    const session::Outcome ranOut =
        TickUntil([](const session::Outcome& o) { return !o.messages.empty(); });
    bool told = false;
    for (const Happened& happened : NoticesOf<Happened>(ranOut))
        told = told || happened.line.kind == DecisionKind::RunOutOfPackets;
    EXPECT_TRUE(told);
}

// The key to the asked control, with no lesson and once the lesson is done.
TEST_F(Telling, TheKeyToTheAskedControlSaysWhyThereIsNone) {
    std::vector<session::NothingAsked> nothing =
        NoticesOf<session::NothingAsked>(s.Apply(Act(ActionKind::GoToAsked)));
    ASSERT_EQ(nothing.size(), 1U);
    EXPECT_EQ(nothing[0].why, session::NothingAsked::Why::NoLesson);

    s.Apply(Act(ActionKind::StartLesson, 0));
    for (std::size_t step = 0; step < lessons::AllLessons()[0].steps.size(); ++step)
        s.Apply(Act(ActionKind::Skip));
    nothing = NoticesOf<session::NothingAsked>(s.Apply(Act(ActionKind::GoToAsked)));
    ASSERT_EQ(nothing.size(), 1U);
    EXPECT_EQ(nothing[0].why, session::NothingAsked::Why::LessonDone);
}

}  // namespace
}  // namespace bridging::testing
