// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lessons in the session: the list opened and left, a lesson's setup and its
// steps checked after every action and tick, Show me, Try again and Skip.
#include <algorithm>

#include "lessons/catalogue.h"
#include "lessons/press.h"
#include "session/session.h"

namespace bridging::session {

void Session::ToggleLessons() {
    if (lessonsOpen_) {
        LeaveLesson();
        return;
    }
    lessonsOpen_ = true;
    Report(PanelShown{});
    out_->lessonChanged = true;
    Report(LessonListFocused{});
    Tell(LessonsOpened{});
}

void Session::LeaveLesson() {
    lessonsOpen_ = false;
    lessonRun_ = lessons::LessonRun{};
    collector_.KeepRecords(false);
    predict_.Questions().SetCue(std::nullopt);
    out_->lessonChanged = true;
    Tell(LessonLeft{});
}

// The setup's presses as the user would make them, then the first step; the
// frames run, for the steps wait on what moves.
void Session::StartLesson(std::size_t index) {
    if (index >= lessons::AllLessons().size()) return;
    for (const Action& press : lessons::AllLessons()[index].setup) Press(press);
    if (!State().Running()) Command(Act(ActionKind::PauseResume));
    collector_.KeepRecords(true);
    collector_.TakeRecords();
    lessonRun_.Begin(index, timeline_.Shown());
    lessonIndex_ = index;
    BeginStepCue();
    out_->lessonChanged = true;
    Tell(LessonBegins{index, lessonRun_.StepIndex()});
}

// A press as the user would make it on the control: one whose effect is there
// already is left alone, and a hidden element's control cannot be pressed.
void Session::Press(const Action& press) {
    if (lessons::AlreadyDone(State(), press) || !lessons::Pressable(State(), press)) return;
    Command(lessons::Resolved(State(), press));
}

void Session::ShowMe() {
    const lessons::Step* step = lessonRun_.CurrentStep();
    if (step == nullptr) return;
    const std::vector<Action> presses = step->showMe;
    for (const Action& press : presses) Press(press);
    if (!State().Running() && !predict_.Asking() && !timeline_.LookingBack())
        Command(Act(ActionKind::PauseResume));
}

void Session::TryAgain() {
    if (lessonRun_.CurrentStep() == nullptr) return;
    const history::Moment began = std::max(lessonRun_.StepBegan(), timeline_.Oldest());
    predict_.Withdraw();
    timeline_.GoTo(began);
    lessonRun_.TryAgain();
    BeginStepCue();
    ShowMoveInTime();
    Finish(true);
    Tell(StepAgain{lessonIndex_, lessonRun_.StepIndex()});
}

void Session::Skip() {
    if (lessonRun_.CurrentStep() == nullptr) return;
    const std::size_t skipped = lessonRun_.StepIndex() + 1;
    lessonRun_.Skip(timeline_.Shown());
    BeginStepCue();
    out_->lessonChanged = true;
    Tell(StepSkipped{lessonIndex_, skipped, lessonRun_.StepIndex()});
}

// The waiting step's question, asked whatever predict mode is set to.
void Session::BeginStepCue() {
    const lessons::Step* step = lessonRun_.CurrentStep();
    if (step == nullptr || !step->question) {
        predict_.Questions().SetCue(std::nullopt);
        return;
    }
    predict_.Questions().SetCue(*step->question);
}

bool Session::ObserveLesson(history::Moment moment) {
    if (!lessonRun_.Active()) return false;
    const std::vector<Decision> records = collector_.TakeRecords();
    if (lessonRun_.Finished()) return false;
    const std::size_t before = lessonRun_.StepIndex();
    if (!lessonRun_.Observe(State(), records, moment)) return false;
    BeginStepCue();
    Tell(StepsDone{lessonIndex_, before, lessonRun_.StepIndex()});
    return true;
}

// The control to press, or why there is none. A question waiting comes
// first: the frames wait for its answer, so it is asked again.
void Session::GoToAsked() {
    const std::vector<Action> asked = AskedActions();
    if (predict_.Asking()) {
        TellQuestion();
    } else if (!asked.empty()) {
        Report(AskedFocused{asked.front()});
    } else if (!lessonRun_.Active()) {
        Tell(NothingAsked{NothingAsked::Why::NoLesson});
    } else if (lessonRun_.Finished()) {
        Tell(NothingAsked{NothingAsked::Why::LessonDone});
    } else {
        Tell(NothingAsked{NothingAsked::Why::WaitsOnTheNetwork});
    }
}

std::vector<Action> Session::AskedActions() const {
    std::vector<Action> asked;
    const lessons::Step* step = lessonRun_.CurrentStep();
    if (step == nullptr) return asked;
    for (const Action& press : step->showMe) {
        if (!lessons::AlreadyDone(State(), press))
            asked.push_back(lessons::Resolved(State(), press));
    }
    return asked;
}

}  // namespace bridging::session
