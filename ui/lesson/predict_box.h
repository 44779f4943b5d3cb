// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict mode in the lesson panel: its switches, the "Stop before" choice,
// the score, and while a question waits, the question with its answers as
// buttons; after an answer, the feedback and "Watch again".
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "predict/predict_mode.h"
#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace bridging::ui {

// What the box shows, read from predict mode.
struct PredictFacts {
    bool on = false;
    bool askEvery = false;
    predict::StopBefore stop = predict::StopBefore::Nothing;
    std::string score;
    std::string prompt;                // the question waiting, or the last one answered
    std::vector<std::string> answers;  // empty while no question waits
    std::string feedback;
    bool operator==(const PredictFacts&) const = default;
    // Whether the question's place is taken, by a question or its feedback.
    bool Questioning() const { return !answers.empty() || !feedback.empty(); }
};

PredictFacts FactsOf(const predict::PredictMode& mode);

class PredictBox {
public:
    static constexpr std::size_t MostAnswers = 4;
    // The switches and the score from `top`, the question's place from `questionTop`.
    PredictBox(QWidget& panel, const Zoom& zoom, float top, float questionTop,
               const ActionSink& act);

    void Show(const PredictFacts& facts);
    std::vector<QWidget*> FocusChain() const;
    QPushButton& AnswerButton(std::size_t index) { return *answers_[index]; }

private:
    const Zoom& zoom_;
    std::optional<PredictFacts> shown_;
    QCheckBox* on_ = nullptr;
    QCheckBox* askEvery_ = nullptr;
    QComboBox* stop_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* prompt_ = nullptr;
    std::array<QPushButton*, MostAnswers> answers_{};
    std::array<QLabel*, MostAnswers> answerTexts_{};
    QLabel* feedback_ = nullptr;
    QPushButton* watchAgain_ = nullptr;
};

}  // namespace bridging::ui
