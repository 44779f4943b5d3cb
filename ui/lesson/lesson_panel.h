// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson panel beside the drawing: what the window is doing now, the step
// and speed commands, and the lesson log with its filter, Copy and Clear.
// Hidden at start-up; the window shows it with F2.
#pragma once

#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/face.h"
#include "history/timeline.h"
#include "log/lesson_log.h"
#include "ui/lesson/lesson_box.h"
#include "ui/lesson/predict_box.h"
#include "ui/lesson/timeline_view.h"
#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace bridging::session {
class Session;
}

namespace bridging::ui {

// The panel's *now*, read from the core after each action or tick.
struct NowFacts {
    bool running = false;
    std::uint64_t tick = 0;
    int speed = 0;
    int destination = 0;  // 1 is station A
    ColourCode destinationColour = 0;
    int framesInFlight = 0;
    bool operator==(const NowFacts&) const = default;
};

// An entry of the follow list: what it says and whose lines it keeps.
struct FollowChoice {
    std::string text;
    FollowedElement element;
    bool operator==(const FollowChoice&) const = default;
};

class LessonPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr float WidthTwips = 5400;

    // The panel's controls hand what the user does to `act`; Copy reads the
    // questions answered from `session`.
    LessonPanel(QWidget& window, const Zoom& zoom, ActionSink act, const session::Session& session,
                LessonBoxCalls lessons);

    void ShowNow(const NowFacts& now);
    // The elements to follow besides all of them, and the one followed.
    void SetFollowChoices(const std::vector<FollowChoice>& choices,
                          const std::optional<FollowedElement>& followed);
    // Brings the view up to date with the log, showing the lines of the
    // followed element; hidden, the view is brought up to date when shown.
    void ShowLog(const LessonLog& log, const std::optional<FollowedElement>& followed);

    // Where the window stands in time: the timeline, and the log's lines of
    // the moment shown marked and the later ones dimmed while looking back.
    void ShowTime(const history::Timeline& timeline);
    // Predict mode's switches and score, and the question waiting or its
    // feedback, which take the upper part of the log's place.
    void ShowPredict(const PredictFacts& facts);
    PredictBox& predictBox() { return *predict_; }
    // The lessons' box, which takes the place of *now* while it is open.
    void ShowLessons(const LessonFacts& facts);
    LessonBox& lessonBox() { return *lessons_; }

    // The panel's controls in their keyboard order, to join the window's chain.
    std::vector<QWidget*> FocusChain() const;

protected:
    void showEvent(QShowEvent* event) override;
    // Clicks, Return and tooltips on the log's lines.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddLabel(const char* name, float top, float left = 120, float width = 5160);
    QPushButton* AddButton(const char* name, const char* caption, float left, float top);
    void ShowLines();
    void AddLines();
    void MarkLines();
    // The moment of the line at a block of the view, if the view has one there.
    std::optional<history::Moment> MomentOfBlock(int block) const;
    void GoToLine(int block);
    void Follow(int choice);

    const Zoom& zoom_;
    ActionSink act_;
    const session::Session& session_;
    // The log and the element followed, as the view shows them.
    const LessonLog* log_ = nullptr;
    std::optional<FollowedElement> followed_;
    std::uint64_t lastSerial_ = 0;
    std::uint64_t cuts_ = 0;
    std::optional<NowFacts> shownNow_;
    std::vector<FollowChoice> choices_;
    // The view lags the log while the panel is hidden.
    bool viewStale_ = false;
    // The moment of each line in the view, in the view's order.
    std::deque<history::Moment> viewMoments_;
    // What the view's marking shows: the moment, and whether looking back.
    std::optional<std::pair<history::Moment, bool>> marked_;
    history::Moment oldestKept_ = 0;
    std::unique_ptr<TimelineView> timeline_;
    std::unique_ptr<PredictBox> predict_;
    std::unique_ptr<LessonBox> lessons_;
    std::vector<QWidget*> nowLabels_;
    QPushButton* openLessons_ = nullptr;
    float logTop_ = 0;

    QLabel* state_ = nullptr;
    QLabel* tick_ = nullptr;
    QLabel* speed_ = nullptr;
    QLabel* destination_ = nullptr;
    QLabel* destinationLetter_ = nullptr;
    QLabel* frames_ = nullptr;
    QPushButton* build_ = nullptr;
    QPushButton* step_ = nullptr;
    QPushButton* slower_ = nullptr;
    QPushButton* faster_ = nullptr;
    QComboBox* follow_ = nullptr;
    QPlainTextEdit* view_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace bridging::ui
