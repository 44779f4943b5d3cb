// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One run of the program without its window: the simulation, its timeline,
// predict mode, the lesson under way and the lesson log, and the rules between
// them. A user action (an `Action`, whatever produced it) and a tick of the
// window's timer are the only ways in; each hands back what it brought about,
// and the window shows that. Nothing here calls back into the window.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "common/action.h"
#include "driver/demo.h"
#include "driver/platform.h"
#include "history/timeline.h"
#include "lessons/run.h"
#include "log/lesson_log.h"
#include "network/history.h"
#include "predict/predict_mode.h"
#include "session/outcome.h"

namespace bridging::session {

class Session {
public:
    // Start-up runs at once; `random` is what Renumber draws from.
    explicit Session(RandomSource& random);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // What start-up wrote, for the window's first showing.
    Outcome StartUp();
    Outcome Apply(const Action& action);
    // One firing of the window's timer.
    Outcome Tick();
    // The tick of the moment that Watch again went to, one tick's time later.
    Outcome PlayWatched();

    // The simulation as shown: the present, or the moment looked back at.
    const Simulation& State() const { return demo_.State(); }
    const history::Timeline& Time() const { return timeline_; }
    const predict::PredictMode& Predict() const { return predict_; }
    const lessons::LessonRun& Lesson() const { return lessonRun_; }
    bool LessonsOpen() const { return lessonsOpen_; }
    const LessonLog& Log() const { return log_; }
    // The element whose lines the log shows and whose decisions the questions
    // are about; none is everything.
    const std::optional<FollowedElement>& Followed() const { return followed_; }

    // Building a network: whether build mode is on, the plan being built (or
    // the one built last, which the window shows as the built network; null
    // before any), the element the editor's keys act on, the file the plan
    // was last opened from or saved to, and whether it has edits not saved.
    bool Building() const { return building_; }
    const network::Plan* Plan() const { return editor_ ? &editor_->current : nullptr; }
    const network::EditHistory* Edits() const { return editor_ ? &*editor_ : nullptr; }
    const network::Element& Selected() const { return selected_; }
    const std::string& File() const { return file_; }
    bool Unsaved() const { return unsaved_; }

    // A dispatcher message waits for OK: nothing else is taken meanwhile.
    bool MessageOpen() const { return !messages_.empty(); }
    const DispatcherMessage* Message() const;
    // Whether the window's timer fires, how often, and whether a tick would
    // find nothing to do, so that the timer may sleep.
    bool Ticking() const { return !MessageOpen() && !building_ && timeline_.Ticking(); }
    int IntervalMs() const { return timeline_.IntervalMs(); }
    bool Idle() const { return !timeline_.Replaying() && !State().AnyTokenShown(); }
    // The speed the menu shows: a replay's while looking back.
    int SpeedShown() const;

    // What the waiting step of the lesson still asks to press, each as it
    // means the simulation now (a root button named by number resolved).
    std::vector<Action> AskedActions() const;

private:
    // Every user action that reaches the simulation or the timeline, from a
    // key, the menu or a widget alike.
    void Command(const Action& action);
    bool RunInTime(const Action& action);
    bool RunOnCore(const Action& action);
    void Take(const Raised& raised);
    void StartNewFutureIfBack();
    void ShowMoveInTime();
    void GoTo(history::Moment moment);
    // What each action and tick ends with: its lines kept in the log in the
    // moment it made, and the lesson told.
    void Finish(bool afterUserAction);
    void DropFollowedIfGone();

    // Predict mode (session_predict.cpp).
    bool HoldTick();
    void SetPredict(bool on);
    void AnswerQuestion(std::size_t choice);
    void RevealAnswer(bool resume);
    void Release(const predict::Closed& closed);
    void TellQuestion();
    void WatchAgain();

    // Lessons (session_lessons.cpp).
    void ToggleLessons();
    void LeaveLesson();
    void StartLesson(std::size_t index);
    void Press(const Action& press);
    void ShowMe();
    void TryAgain();
    void Skip();
    void BeginStepCue();
    void GoToAsked();
    bool ObserveLesson(history::Moment moment);

    // Building a network (session_build.cpp).
    bool BuildAction(const Action& action);
    void EnterBuild();
    void RunBuilt();
    void StartFrom(network::Plan plan);
    void EditPlan(const network::Edit& edit);
    void UndoEdit(bool redo);
    void ShowPlan();
    void OpenFile(const std::string& file);
    void SaveFile(const std::string& file);
    bool ResetBuilt();

    void Tell(Notice notice);
    template <typename R>
    void Report(R report) {
        out_->reports.emplace_back(std::move(report));
    }

    RandomSource& random_;
    // The collector hears the simulation's decisions from start-up on.
    DecisionCollector collector_;
    Demo demo_;
    history::Timeline timeline_;
    predict::PredictMode predict_;
    lessons::LessonRun lessonRun_;
    std::size_t lessonIndex_ = 0;
    bool lessonsOpen_ = false;
    LessonLog log_;
    std::optional<FollowedElement> followed_;
    std::vector<DispatcherMessage> messages_;
    std::optional<network::EditHistory> editor_;
    bool building_ = false;
    network::Element selected_;
    std::string file_;
    bool unsaved_ = false;
    // The outcome of the call under way.
    Outcome* out_ = nullptr;
};

}  // namespace bridging::session
