// The lesson panel beside the drawing: what the window is doing now, the step
// and speed commands, and the lesson log with its filter, Copy and Clear.
// Hidden at start-up; the window shows it with F2.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "common/face.h"
#include "log/lesson_log.h"
#include "ui/scene/zoom.h"
#include "ui/shell/keys.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

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

    // `run` carries out the Step, Slower and Faster buttons' commands.
    LessonPanel(QWidget& window, const Zoom& zoom, std::function<void(Command)> run);

    void ShowNow(const NowFacts& now);
    // The elements to follow besides all of them; the choice is kept where it
    // is still offered.
    void SetFollowChoices(const std::vector<FollowChoice>& choices);
    // Keeps the lines, written in `moment`, and shows those of the followed
    // element while the panel is shown; hidden, the view is brought up to date
    // when shown.
    void Append(const std::vector<LogLine>& lines, std::uint64_t moment);

    const LessonLog& log() const { return log_; }
    // Whether the panel's view shows a line as it is added, and so speaks it.
    bool ShowsNow(const LogLine& line) const { return isVisible() && Shows(followed_, line); }
    // The panel's controls in their keyboard order, to join the window's chain.
    std::vector<QWidget*> FocusChain() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(const char* name, float top, float left = 120, float width = 5160);
    QPushButton* AddButton(const char* name, const char* caption, float left, float top);
    void ShowLines();
    void Follow(int choice);
    void Clear();

    const Zoom& zoom_;
    LessonLog log_;
    std::optional<NowFacts> shownNow_;
    std::vector<FollowChoice> choices_;
    std::optional<FollowedElement> followed_;
    // The view lags the log while the panel is hidden.
    bool viewStale_ = false;

    QLabel* state_ = nullptr;
    QLabel* tick_ = nullptr;
    QLabel* speed_ = nullptr;
    QLabel* destination_ = nullptr;
    QLabel* destinationLetter_ = nullptr;
    QLabel* frames_ = nullptr;
    QPushButton* step_ = nullptr;
    QPushButton* slower_ = nullptr;
    QPushButton* faster_ = nullptr;
    QComboBox* follow_ = nullptr;
    QPlainTextEdit* view_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace bridging::ui
