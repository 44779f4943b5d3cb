// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's window: the control column, the network's views and the
// lesson panel, bound to the window's logic (`Demo`). Every user action and
// every tick runs the core's handler and then refresh(), which redraws from the
// core. Beside its widgets the window keeps the zoom and the lesson log, a
// record of what happened; the network's state is the core's alone.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "driver/demo.h"
#include "driver/platform.h"
#include "history/timeline.h"
#include "lessons/run.h"
#include "log/lesson_log.h"
#include "predict/predict_mode.h"
#include "ui/scene/zoom.h"
#include "ui/shell/keys.h"
#include "ui/shell/platform_qt.h"

namespace bridging::ui {

class ControlColumn;
class FocusMark;
class LessonAnnouncer;
class LessonFeed;
class LessonPanel;
class NetworkView;
struct PredictActions;
struct LessonActions;
class LessonMarks;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Runs Form_Load, so the window is ready to be shown.
    MainWindow();
    ~MainWindow() override;

    // Reads the core and brings every widget and painted element up to date.
    void refresh();

    // A command of the key table, as its key or the context menu runs it.
    void RunCommand(Command command);
    // Redraws everything at a zoom factor, within the zoom steps' range, and
    // sizes the window's client area to match.
    void SetZoomFactor(double factor);

    const Demo& demo() const { return demo_; }
    const Zoom& zoom() const { return zoom_; }
    const LessonPanel& lessonPanel() const { return *panel_; }
    const LessonAnnouncer& announcer() const;
    // The moment shown; the lesson log's lines carry the moment they were written in.
    std::uint64_t moment() const { return timeline_->Shown(); }
    const history::Timeline& timeline() const { return *timeline_; }
    const predict::PredictMode& predictMode() const { return predict_; }
    // Whether the frames move: the logic's running state (Pause / Resume) at
    // the present, a replay while looking back. The QTimer under it sleeps
    // besides while no frame is shown.
    bool ticking() const { return timeline_->Ticking(); }
    QTimer& tickTimer() { return timer_.Timer(); }

public slots:
    // One tick of Timer1.
    void onTick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The keys of the table win over the focused control's own keys, the
    // scenario list's text field included.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ChainFocus();
    // Network, stations, bridges and frames: all that a tick can change.
    void ShowElements();
    void OpenMenu(QPoint globalPos);
    void ToggleFit();
    // The client area: the drawing, and the lesson panel beside it when shown.
    QSize ClientSize() const;
    void ToggleLessonPanel();
    // The decisions of the action or tick just run: into the log, to the
    // screen reader, and into the descriptions of the elements they concern.
    void ShowLesson(bool afterUserAction);
    // A user action on the core has just run: in the past, it starts a new
    // future there, and the log says so.
    void StartNewFutureIfBack();
    // After a move in time: the panel shown, and the move said.
    void ShowMoveInTime();

    // Predict mode (main_window_predict.cpp). Before a tick at the present:
    // true when predict mode holds it, for a question or a stop.
    bool HoldTick();
    void SetPredict(bool on);
    void AnswerQuestion(std::size_t choice);
    // Resume or Step while a question waits: the answer, unscored, and on.
    void RevealAnswer(bool resume);
    // After an answer: the next question, or the feedback, said.
    void SayAfterAnswer(const predict::Feedback& feedback);
    void SayQuestion();
    void WatchAgain();
    void PlayWatchedTick();
    PredictActions PredictWiring();

    // Lessons (main_window_lessons.cpp).
    static std::vector<std::string> LessonTitles();
    LessonActions LessonWiring();
    void ToggleLessons();
    void LeaveLesson();
    void StartLesson(std::size_t index);
    // A lesson's press, made on the widget as the user would.
    void Press(const lessons::Press& press);
    void LessonShowMe();
    void LessonTryAgain();
    void LessonSkip();
    // The waiting step's question, asked whatever predict mode is set to.
    void BeginStepCue();
    // The waiting step as a screen reader hears it, or the summary at the end.
    std::string StepSpoken() const;
    // After each action or tick, with its records: the steps now done, said;
    // true when one was.
    bool ObserveLesson(history::Moment moment);
    void ShowLessonState();
    void MarkAsked(const std::vector<QWidget*>& asked);

    // Declared before the core, which reports into it until the end.
    DecisionCollector decisions_;
    QtTickTimer timer_;
    QtModalMessage message_;
    FixedSeedRandom random_;
    Demo demo_;
    Zoom zoom_;
    std::unique_ptr<history::Timeline> timeline_;
    predict::PredictMode predict_;
    // "Watch again" shows the question's moment, then this plays its tick.
    QTimer watchAgain_;
    lessons::LessonRun lessonRun_;
    bool lessonsOpen_ = false;
    QElapsedTimer lessonClock_;

    std::unique_ptr<ControlColumn> controls_;
    std::unique_ptr<NetworkView> network_;
    FocusMark* focusMark_ = nullptr;
    LessonPanel* panel_ = nullptr;
    std::unique_ptr<LessonMarks> lessonMarks_;
    std::unique_ptr<LessonFeed> lesson_;
    // The zoom to go back to when F11 leaves the fitted size.
    std::optional<double> zoomBeforeFit_;
};

}  // namespace bridging::ui
