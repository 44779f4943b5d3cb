// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lessons in the window: the list, a lesson's setup and steps checked after
// every action and tick, the outline on what a step asks to press, Show me,
// Try again, Skip, and the summary.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>

#include "explain/lessons.h"
#include "lessons/catalogue.h"
#include "lessons/press.h"
#include "ui/lesson/lesson_feed.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/scene/face_qt.h"
#include "ui/scene/lesson_mark.h"
#include "ui/shell/main_window.h"

namespace bridging::ui {

namespace {

// The name of the control that a press presses, as the window names its widgets.
QString ControlName(const Simulation& now, const lessons::Press& press) {
    const int index = lessons::PressedIndex(now, press);
    switch (press.control) {
        case lessons::Control::Send:
            return QStringLiteral("Computer1_%1_btnKeys").arg(index);
        case lessons::Control::Letter:
            return QStringLiteral("Computer1_%1_Command1").arg(index);
        case lessons::Control::RootButton:
            return QStringLiteral("Bridge1_%1_btnSpanTree").arg(index);
        case lessons::Control::Learning:
            return QStringLiteral("chkLearn");
        case lessons::Control::Forwarding:
            return QStringLiteral("chkForward");
        case lessons::Control::Pause:
            return QStringLiteral("btnPause");
        case lessons::Control::Kill:
            return QStringLiteral("btnKill");
        case lessons::Control::Renumber:
            return QStringLiteral("btnCost");
        case lessons::Control::Reset:
            return QStringLiteral("btnReset");
        case lessons::Control::Scenario:
            return QStringLiteral("Combo1");
    }
    return {};
}

// A press whose effect is there already asks nothing of the student.
bool AlreadyDone(const Demo& demo, const lessons::Press& press) {
    switch (press.control) {
        case lessons::Control::Learning:
            return demo.chkLearn().value == press.index;
        case lessons::Control::Forwarding:
            return demo.chkForward().value == press.index;
        case lessons::Control::Letter:
            return demo.iSelectedStation() == press.index + 1;
        case lessons::Control::Scenario:
            return demo.iScenario() == press.index + 1;
        default:
            return false;
    }
}

const QString AskedSuffix =
    QStringLiteral(", ") + QtText(std::string(explain::AskedToPressDescription));

}  // namespace

std::vector<std::string> MainWindow::LessonTitles() {
    std::vector<std::string> titles;
    for (const lessons::Lesson& lesson : lessons::AllLessons()) titles.push_back(lesson.title);
    return titles;
}

LessonActions MainWindow::LessonWiring() {
    return LessonActions{[this](std::size_t index) { StartLesson(index); },
                         [this] { LessonShowMe(); },
                         [this] { LessonTryAgain(); },
                         [this] { LessonSkip(); },
                         [this] {
                             QApplication::clipboard()->setText(
                                 QtText(lessonRun_.Summary(lessonClock_.elapsed() / 1000)));
                         },
                         [this] {
                             if (lessonsOpen_) ShowLessonState();
                         }};
}

void MainWindow::ToggleLessons() {
    if (lessonsOpen_) {
        LeaveLesson();
        return;
    }
    lessonsOpen_ = true;
    if (!panel_->isVisibleTo(this)) ToggleLessonPanel();
    ShowLessonState();
    panel_->lessonBox().List().setFocus();
    lesson_->Say(std::string(explain::LessonsOpenedText));
}

void MainWindow::LeaveLesson() {
    lessonsOpen_ = false;
    lessonRun_ = lessons::LessonRun{};
    decisions_.KeepRecords(false);
    predict_.Settings().SetCue(std::nullopt);
    ShowLessonState();
    lesson_->Say(std::string(explain::LessonLeftText));
}

// The setup's presses as the user would make them, then the first step; the
// frames run, for the steps wait on what moves.
void MainWindow::StartLesson(std::size_t index) {
    if (demo_.MessageOpen() || index >= lessons::AllLessons().size()) return;
    const lessons::Lesson& lesson = lessons::AllLessons()[index];
    for (const lessons::Press& press : lesson.setup) Press(press);
    if (!demo_.Running()) RunCommand(Command::PauseResume);
    decisions_.KeepRecords(true);
    decisions_.TakeRecords();
    lessonRun_.Begin(index, timeline_->Shown());
    lessonClock_.start();
    BeginStepCue();
    ShowLessonState();
    lesson_->Say(explain::LessonBeginsText(lesson.title, lesson.intro) + " " + StepSpoken());
}

void MainWindow::Press(const lessons::Press& press) {
    if (demo_.MessageOpen() || AlreadyDone(demo_, press)) return;
    if (press.control == lessons::Control::Scenario) {
        RunCommand(static_cast<Command>(static_cast<int>(Command::OneBridge) + press.index));
        return;
    }
    auto* button = findChild<QAbstractButton*>(ControlName(demo_, press));
    if (button != nullptr && button->isVisible()) button->click();
}

void MainWindow::LessonShowMe() {
    const lessons::Step* step = lessonRun_.CurrentStep();
    if (step == nullptr) return;
    const std::vector<lessons::Press> presses = step->showMe;
    for (const lessons::Press& press : presses) Press(press);
    if (!demo_.Running() && !predict_.Asking() && !timeline_->LookingBack())
        RunCommand(Command::PauseResume);
}

void MainWindow::LessonTryAgain() {
    if (demo_.MessageOpen() || lessonRun_.CurrentStep() == nullptr) return;
    const history::Moment began = std::max(lessonRun_.StepBegan(), timeline_->Oldest());
    predict_.Withdraw();
    timeline_->GoTo(began);
    lessonRun_.TryAgain();
    BeginStepCue();
    ShowMoveInTime();
    refresh();
    lesson_->Say(StepSpoken());
}

void MainWindow::LessonSkip() {
    if (lessonRun_.CurrentStep() == nullptr) return;
    const std::size_t skipped = lessonRun_.StepIndex() + 1;
    lessonRun_.Skip(timeline_->Shown());
    BeginStepCue();
    ShowLessonState();
    lesson_->Say(explain::StepSkippedText(skipped, lessonRun_.StepCount()) + " " + StepSpoken());
}

void MainWindow::BeginStepCue() {
    const lessons::Step* step = lessonRun_.CurrentStep();
    if (step == nullptr || !step->question) {
        predict_.Settings().SetCue(std::nullopt);
        return;
    }
    predict_.Settings().SetCue(predict::Cue{step->question->bridge, step->question->topic});
}

std::string MainWindow::StepSpoken() const {
    const lessons::Step* step = lessonRun_.CurrentStep();
    if (step != nullptr)
        return explain::StepBeginsText(lessonRun_.StepIndex() + 1, lessonRun_.StepCount(),
                                       step->text);
    if (lessonRun_.Finished())
        return explain::LessonDoneText(lessonRun_.Current()->title) + " " +
               lessonRun_.Summary(lessonClock_.elapsed() / 1000);
    return {};
}

bool MainWindow::ObserveLesson(history::Moment moment) {
    if (!lessonRun_.Active()) return false;
    const std::vector<Decision> records = decisions_.TakeRecords();
    if (lessonRun_.Finished()) return false;
    const std::size_t before = lessonRun_.StepIndex();
    if (!lessonRun_.Observe(demo_.State(), records, moment)) return false;
    std::string said;
    for (std::size_t step = before; step < lessonRun_.StepIndex(); ++step)
        said += explain::StepDoneText(step + 1, lessonRun_.StepCount()) + " ";
    BeginStepCue();
    lesson_->Say(said + StepSpoken());
    return true;
}

void MainWindow::ShowLessonState() {
    LessonFacts facts;
    facts.open = lessonsOpen_;
    facts.running = lessonRun_.Active();
    facts.finished = lessonRun_.Finished();
    std::vector<QWidget*> asked;
    if (!facts.running) {
        facts.heading = std::string(explain::ChooseLessonHeading);
        const int chosen = panel_->lessonBox().List().currentIndex();
        if (chosen >= 0 && chosen < static_cast<int>(lessons::AllLessons().size()))
            facts.text = lessons::AllLessons()[static_cast<std::size_t>(chosen)].intro;
    } else if (facts.finished) {
        facts.heading = lessonRun_.Current()->title;
        facts.text = lessonRun_.Summary(lessonClock_.elapsed() / 1000);
    } else {
        facts.heading = lessonRun_.Current()->title + ": " + lessonRun_.Progress();
        facts.text = lessonRun_.CurrentStep()->text;
        for (const lessons::Press& press : lessonRun_.CurrentStep()->showMe) {
            if (AlreadyDone(demo_, press)) continue;
            asked.push_back(findChild<QWidget*>(ControlName(demo_, press)));
        }
    }
    if (!facts.open) facts = LessonFacts{};
    panel_->ShowLessons(facts);
    MarkAsked(asked);
}

// The outline, and the words for a screen reader, on the controls asked for.
void MainWindow::MarkAsked(const std::vector<QWidget*>& asked) {
    for (const QPointer<QWidget>& was : lessonMarks_->Marked()) {
        if (was.isNull()) continue;
        QString description = was->accessibleDescription();
        if (description.endsWith(AskedSuffix)) {
            description.chop(AskedSuffix.size());
            was->setAccessibleDescription(description);
        }
    }
    lessonMarks_->Follow(asked);
    for (const QPointer<QWidget>& now : lessonMarks_->Marked()) {
        const QString description = now->accessibleDescription();
        if (!description.endsWith(AskedSuffix))
            now->setAccessibleDescription(description + AskedSuffix);
    }
}

}  // namespace bridging::ui
