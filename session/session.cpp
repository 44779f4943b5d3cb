// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The session's ladder: a user action or a tick while a message waits, while
// looking back, while a question waits; the commands of time; and the end of
// every action and tick, which keeps its moment and its lines.
#include "session/session.h"

#include <algorithm>

#include "lessons/press.h"

namespace bridging::session {

namespace {

constexpr history::Moment Ten = 10;

// The log's record of a new future started at a moment of tick `tick`.
Decision WentBackTo(std::uint64_t tick) {
    Decision decision;
    decision.kind = DecisionKind::WentBack;
    decision.tick = tick;
    decision.previous = static_cast<double>(tick);
    return decision;
}

bool MarksTheTimeline(const std::vector<LogLine>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const LogLine& line) { return IsLandmark(line.kind); });
}

bool MovesInTime(ActionKind kind) {
    return kind == ActionKind::Back || kind == ActionKind::BackTen ||
           kind == ActionKind::ForwardTen || kind == ActionKind::Oldest ||
           kind == ActionKind::Newest;
}

Demo& StartedUp(Demo& demo, DecisionCollector& collector) {
    // The account stays on: the log holds what happened while the panel was hidden.
    demo.SetAccount(&collector);
    demo.Form_Load();
    return demo;
}

// Whether the element a Follow names is among those shown, which are the ones
// the panel offers to follow.
bool Shown(const Simulation& now, const FollowedElement& element) {
    if (element.element == ElementKind::Bridge && element.index >= 0 && element.index < BridgeCount)
        return now.Bridge1[static_cast<std::size_t>(element.index)].place.Visible;
    if (element.element == ElementKind::Station && element.index >= 0 &&
        element.index < ComputerCount)
        return now.Computer1[static_cast<std::size_t>(element.index)].place.Visible;
    return false;
}

}  // namespace

bool Outcome::AfterUserAction() const {
    return std::any_of(reports.begin(), reports.end(), [](const session::Report& report) {
        const auto* written = std::get_if<Written>(&report);
        return written != nullptr && written->afterUserAction;
    });
}

Session::Session(RandomSource& random) : random_(random), timeline_(StartedUp(demo_, collector_)) {}

Outcome Session::StartUp() {
    Outcome out;
    out_ = &out;
    Finish(true);
    out_ = nullptr;
    return out;
}

const DispatcherMessage* Session::Message() const {
    return messages_.empty() ? nullptr : &messages_.front();
}

int Session::SpeedShown() const {
    return timeline_.LookingBack() ? timeline_.ReplaySpeed() : State().Speed();
}

Outcome Session::Apply(const Action& action) {
    Outcome out;
    out_ = &out;
    if (MessageOpen()) {
        // The message is modal: OK is the one thing it takes.
        if (action.kind == ActionKind::CloseMessage) messages_.erase(messages_.begin());
        out_ = nullptr;
        return out;
    }
    if (BuildAction(action)) {
        out_ = nullptr;
        return out;
    }
    switch (action.kind) {
        case ActionKind::CloseMessage:
            break;
        case ActionKind::TogglePanel:
        case ActionKind::ZoomIn:
        case ActionKind::ZoomOut:
        case ActionKind::ActualSize:
        case ActionKind::FitToScreen:
        case ActionKind::SetZoom:
        case ActionKind::NextPane:
        case ActionKind::PreviousPane:
            Report(ViewChanged{action});
            Finish(true);
            break;
        case ActionKind::TogglePredict:
            SetPredict(!predict_.Questions().On());
            Finish(true);
            break;
        case ActionKind::SetPredict:
            if ((action.index != 0) != predict_.Questions().On()) SetPredict(action.index != 0);
            break;
        case ActionKind::SetAskEvery:
            predict_.Questions().SetAskEveryDecision(action.index != 0);
            Finish(true);
            break;
        case ActionKind::SetStopBefore:
            if (action.index >= 0 && action.index <= static_cast<int>(predict::StopBefore::RunOut))
                predict_.Questions().SetStop(static_cast<predict::StopBefore>(action.index));
            Finish(true);
            break;
        case ActionKind::Answer:
            if (action.index >= 0) AnswerQuestion(static_cast<std::size_t>(action.index));
            break;
        case ActionKind::WatchAgain:
            WatchAgain();
            break;
        case ActionKind::Follow:
            if (action.element == ElementKind::Window) {
                followed_.reset();
            } else if (Shown(State(), {action.element, action.index})) {
                followed_ = FollowedElement{action.element, action.index};
            }
            break;
        case ActionKind::ClearLog:
            predict_.Questions().Clear();
            Finish(true);
            log_.Clear();
            break;
        case ActionKind::ToggleLessons:
            ToggleLessons();
            Finish(true);
            break;
        case ActionKind::StartLesson:
            if (action.index >= 0) StartLesson(static_cast<std::size_t>(action.index));
            break;
        case ActionKind::ShowMe:
            ShowMe();
            break;
        case ActionKind::TryAgain:
            TryAgain();
            break;
        case ActionKind::Skip:
            Skip();
            break;
        case ActionKind::LeaveLesson:
            if (lessonsOpen_) LeaveLesson();
            break;
        case ActionKind::GoToAsked:
            GoToAsked();
            break;
        case ActionKind::GoTo:
            predict_.Withdraw();
            GoTo(action.moment);
            Finish(true);
            break;
        case ActionKind::SetSpeed:
            if (timeline_.LookingBack()) {
                timeline_.SetReplaySpeed(action.index);
            } else {
                demo_.SetSpeed(action.index);
            }
            Finish(true);
            break;
        default:
            Command(action);
            break;
    }
    out_ = nullptr;
    return out;
}

void Session::Command(const Action& action) {
    const ActionKind kind = action.kind;
    if (predict_.Asking() && (kind == ActionKind::PauseResume || kind == ActionKind::Step)) {
        RevealAnswer(kind == ActionKind::PauseResume);
        return;
    }
    if (kind != ActionKind::Faster && kind != ActionKind::Slower) predict_.Withdraw();
    // A step at the present is a tick, and predict mode may hold it.
    if (kind == ActionKind::Step && !timeline_.LookingBack() && !State().Running() && HoldTick())
        return;
    if (RunInTime(action)) {
        if (MovesInTime(kind) || timeline_.LookingBack()) ShowMoveInTime();
    } else if (kind == ActionKind::Reset && ResetBuilt()) {
        StartNewFutureIfBack();
    } else if (RunOnCore(action)) {
        StartNewFutureIfBack();
    }
    Finish(true);
}

// The commands of time; false for any other, and for Pause, Step and the
// speed at the present, which are the simulation's as always.
bool Session::RunInTime(const Action& action) {
    switch (action.kind) {
        case ActionKind::Back:
            timeline_.Back(1);
            return true;
        case ActionKind::BackTen:
            timeline_.Back(Ten);
            return true;
        case ActionKind::ForwardTen:
            timeline_.Forward(Ten);
            return true;
        case ActionKind::Oldest:
            timeline_.GoTo(timeline_.Oldest());
            return true;
        case ActionKind::Newest:
            timeline_.GoTo(timeline_.Newest());
            return true;
        case ActionKind::Step:
            if (!timeline_.LookingBack()) return false;
            timeline_.Forward(1);
            return true;
        case ActionKind::PauseResume:
            if (timeline_.Replaying()) {
                timeline_.StopReplay();
            } else if (timeline_.LookingBack()) {
                timeline_.StartReplay();
            } else {
                return false;
            }
            return true;
        case ActionKind::Faster:
        case ActionKind::Slower:
            if (!timeline_.LookingBack()) return false;
            timeline_.SetReplaySpeed(timeline_.ReplaySpeed() +
                                     (action.kind == ActionKind::Faster ? 1 : -1));
            return true;
        default:
            return false;
    }
}

// The simulation's handler behind each action; false for an action that is
// not the simulation's. A root button named by its number is the one that the
// shown bridge wearing the number has now.
bool Session::RunOnCore(const Action& action) {
    std::optional<Raised> raised = demo_.Perform(lessons::Resolved(State(), action), random_);
    if (raised) Take(*raised);
    return raised.has_value();
}

void Session::Take(const Raised& raised) {
    messages_.insert(messages_.end(), raised.messages.begin(), raised.messages.end());
    out_->messages.insert(out_->messages.end(), raised.messages.begin(), raised.messages.end());
}

void Session::StartNewFutureIfBack() {
    if (!timeline_.LookingBack()) return;
    const history::Moment from = timeline_.Shown();
    timeline_.StartNewFuture();
    predict_.ForgetAfter(from);
    log_.DropAfter(from);
    collector_.RecordFirst(WentBackTo(timeline_.Kept().Facts(from).tick));
}

void Session::ShowMoveInTime() {
    Report(PanelShown{});
    Tell(MovedInTime{State().TickCount(), State().FramesInFlight(), timeline_.LookingBack()});
}

void Session::GoTo(history::Moment moment) {
    timeline_.GoTo(moment);
    ShowMoveInTime();
}

Outcome Session::Tick() {
    Outcome out;
    if (MessageOpen() || building_) return out;
    out_ = &out;
    if (timeline_.Replaying()) {
        timeline_.ReplayNext();
        Finish(true);
    } else if (!State().Running() || !HoldTick()) {
        Take(demo_.Timer1_Timer());
        Finish(false);
    }
    out_ = nullptr;
    return out;
}

void Session::Finish(bool afterUserAction) {
    std::vector<LogLine> lines = collector_.Take();
    const history::Moment moment =
        timeline_.LookingBack() ? timeline_.Shown() : timeline_.Keep(MarksTheTimeline(lines));
    log_.Append(lines, moment);
    std::vector<Happened> told;
    for (const LogLine& line : lines) {
        const bool followed = followed_.has_value() && Shows(followed_, line);
        if (followed || ToldAsItHappens(line.kind)) told.push_back({line, followed});
    }
    Report(Written{std::move(lines), moment, afterUserAction});
    for (Happened& happened : told) Tell(std::move(happened));
    if (afterUserAction) DropFollowedIfGone();
    const bool stepDone = ObserveLesson(moment);
    if (lessonsOpen_ && (afterUserAction || stepDone)) out_->lessonChanged = true;
}

// A network built anew may not show the element followed: everything is
// followed again, as the panel's list then offers it no more.
void Session::DropFollowedIfGone() {
    if (followed_ && !Shown(State(), *followed_)) followed_.reset();
}

void Session::Tell(Notice notice) { Report(std::move(notice)); }

}  // namespace bridging::session
