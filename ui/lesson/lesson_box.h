// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lessons in the lesson panel: the list to choose one from, then the
// waiting step with its progress and the help buttons, then the summary. While
// it is open it takes the place of the panel's *now*.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace bridging::ui {

// What the box's buttons ask of the window besides actions.
struct LessonBoxCalls {
    std::function<void()> copySummary;
    // Another lesson is chosen in the list: its introduction is shown.
    std::function<void()> chosen;
};

// What the box shows, read from the lesson run.
struct LessonFacts {
    bool open = false;
    bool running = false;   // a lesson has begun
    bool finished = false;  // ... and every step has ended
    std::string heading;    // the title and the progress
    std::string text;       // the step, or the summary
    bool operator==(const LessonFacts&) const = default;
};

class LessonBox {
public:
    LessonBox(QWidget& panel, const Zoom& zoom, const std::vector<std::string>& titles,
              const ActionSink& act, LessonBoxCalls calls);

    void Show(const LessonFacts& facts);
    std::vector<QWidget*> FocusChain() const;
    QComboBox& List() { return *list_; }

private:
    const Zoom* zoom_ = nullptr;
    std::optional<LessonFacts> shown_;
    QLabel* heading_ = nullptr;
    QComboBox* list_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* showMe_ = nullptr;
    QPushButton* tryAgain_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* copy_ = nullptr;
};

}  // namespace bridging::ui
