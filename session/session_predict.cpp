// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict mode in the session: a tick of the present held for a question or a
// stop, the class's answer and the held tick run after it, and Watch again.
// The result is told before what the held tick brings, which it explains.
#include "session/session.h"

namespace bridging::session {

namespace {

// Questions follow a followed bridge; a followed station leaves them all asked.
std::optional<int> FollowedBridge(const std::optional<FollowedElement>& followed) {
    if (!followed || followed->element != ElementKind::Bridge) return std::nullopt;
    return followed->index;
}

}  // namespace

bool Session::HoldTick() {
    predict_.Questions().Follow(FollowedBridge(followed_));
    const predict::Hold hold = predict_.BeforeTick(State(), timeline_.Newest());
    if (hold == predict::Hold::None) return false;
    if (State().Running()) Take(demo_.btnPause_Click());
    if (hold == predict::Hold::Stop) collector_.RecordFirst(predict_.StopLine());
    if (hold == predict::Hold::Ask) Report(PanelShown{});
    Finish(true);
    if (hold == predict::Hold::Ask) {
        predict_.AskedAt(timeline_.Shown());
        TellQuestion();
    }
    return true;
}

void Session::SetPredict(bool on) {
    if (predict_.SetOn(on) && !State().Running()) Take(demo_.btnPause_Click());
    Finish(true);
    Tell(PredictSwitched{on});
}

void Session::TellQuestion() {
    if (const predict::Question* question = predict_.Questions().Current())
        Tell(QuestionAsked{*question});
}

void Session::AnswerQuestion(std::size_t choice) {
    if (!predict_.Asking()) return;
    const bool cued = predict_.Questions().CurrentIsCued();
    const predict::Closed closed = predict_.Answer(choice);
    Tell(AnswerJudged{closed.feedback});
    Release(closed);
    if (cued) lessonRun_.RecordAnswer(closed.feedback.right);
    Finish(true);
    TellQuestion();
}

void Session::RevealAnswer(bool resume) {
    const predict::Closed closed = predict_.Reveal(resume, resume);
    Tell(AnswerJudged{closed.feedback});
    Release(closed);
    Finish(true);
    TellQuestion();
}

// Once no question is left, the tick they were about runs as Step runs it.
void Session::Release(const predict::Closed& closed) {
    if (!closed.runHeldTick) return;
    Take(demo_.Step());
    if (closed.resume) Take(demo_.btnPause_Click());
}

// The moment the question was asked in, then one tick's time later, its tick.
void Session::WatchAgain() {
    const std::optional<history::Moment> asked = predict_.AskedIn();
    if (!asked || *asked < timeline_.Oldest() || *asked >= timeline_.Newest()) return;
    predict_.Withdraw();
    GoTo(*asked);
    Finish(true);
    out_->watchAgainAfterMs = timeline_.IntervalMs();
}

Outcome Session::PlayWatched() {
    Outcome out;
    const std::optional<history::Moment> asked = predict_.AskedIn();
    if (MessageOpen() || !asked || timeline_.Shown() != *asked) return out;
    out_ = &out;
    timeline_.Forward(1);
    ShowMoveInTime();
    Finish(true);
    out_ = nullptr;
    return out;
}

}  // namespace bridging::session
