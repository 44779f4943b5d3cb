// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict mode in the window: holding a tick of the present for a question or
// a stop, the class's answer and what it hears, and "Watch again".
#include <optional>

#include "explain/questions.h"
#include "ui/lesson/lesson_feed.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/shell/main_window.h"

namespace bridging::ui {

namespace {

// Questions follow a followed bridge; a followed station leaves them all asked.
std::optional<int> FollowedBridge(const std::optional<FollowedElement>& followed) {
    if (!followed || followed->element != ElementKind::Bridge) return std::nullopt;
    return followed->index;
}

}  // namespace

PredictActions MainWindow::PredictWiring() {
    return PredictActions{[this](bool on) {
                              if (on != predict_.Settings().On()) SetPredict(on);
                          },
                          [this](bool every) {
                              predict_.Settings().SetAskEveryDecision(every);
                              refresh();
                          },
                          [this](predict::StopBefore choice) {
                              predict_.Settings().SetStop(choice);
                              refresh();
                          },
                          [this](std::size_t choice) { AnswerQuestion(choice); },
                          [this] { WatchAgain(); },
                          [this] { return predict_.Settings().Transcript(); },
                          [this] {
                              predict_.Settings().Clear();
                              refresh();
                          }};
}

bool MainWindow::HoldTick() {
    predict_.Settings().Follow(FollowedBridge(panel_->Followed()));
    const predict::Hold hold = predict_.BeforeTick(demo_, timeline_->Newest());
    if (hold == predict::Hold::None) return false;
    if (hold == predict::Hold::Stop) decisions_.RecordFirst(predict_.StopLine());
    if (hold == predict::Hold::Ask && !panel_->isVisibleTo(this)) ToggleLessonPanel();
    refresh();
    if (hold == predict::Hold::Ask) {
        predict_.AskedAt(timeline_->Shown());
        SayQuestion();
    }
    return true;
}

void MainWindow::SetPredict(bool on) {
    if (demo_.MessageOpen()) return;
    predict_.SetOn(demo_, on);
    refresh();
    lesson_->Say(explain::PredictSwitchedText(on));
}

void MainWindow::SayQuestion() {
    const predict::Question* question = predict_.Settings().Current();
    if (question == nullptr) return;
    std::vector<std::string> answers;
    for (const predict::Answer& answer : question->answers) answers.push_back(answer.text);
    lesson_->Say(explain::SpokenQuestion(question->prompt, answers));
}

void MainWindow::AnswerQuestion(std::size_t choice) {
    if (demo_.MessageOpen() || !predict_.Asking()) return;
    const bool cued = predict_.Settings().CurrentIsCued();
    const predict::Feedback feedback = predict_.Answer(demo_, choice);
    if (cued) lessonRun_.RecordAnswer(feedback.right);
    refresh();
    SayAfterAnswer(feedback);
}

void MainWindow::RevealAnswer(bool resume) {
    const predict::Feedback feedback = predict_.Reveal(demo_, resume, resume);
    refresh();
    SayAfterAnswer(feedback);
}

void MainWindow::SayAfterAnswer(const predict::Feedback& feedback) {
    lesson_->Say(feedback.text);
    SayQuestion();
}

// The moment the question was asked in, then one tick's time later, its tick.
void MainWindow::WatchAgain() {
    const std::optional<history::Moment> asked = predict_.AskedIn();
    if (demo_.MessageOpen() || !asked || *asked < timeline_->Oldest() ||
        *asked >= timeline_->Newest())
        return;
    predict_.Withdraw();
    timeline_->GoTo(*asked);
    ShowMoveInTime();
    refresh();
    watchAgain_.start(timeline_->IntervalMs());
}

void MainWindow::PlayWatchedTick() {
    const std::optional<history::Moment> asked = predict_.AskedIn();
    if (demo_.MessageOpen() || !asked || timeline_->Shown() != *asked) return;
    timeline_->Forward(1);
    ShowMoveInTime();
    refresh();
}

}  // namespace bridging::ui
