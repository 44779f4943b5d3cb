// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Holding a tick for a question or a stop, and letting it run after the answer.
#include "predict/predict_mode.h"

#include "predict/lookahead.h"

namespace bridging::predict {

namespace {

void PauseIfRunning(Demo& demo) {
    if (demo.Running()) demo.btnPause_Click();
}

}  // namespace

Hold PredictMode::BeforeTick(Demo& demo, history::Moment moment) {
    if (!Watching() || demo.MessageOpen() || heldTick_ == demo.TickCount()) return Hold::None;
    const NextTick next = LookAhead(demo.State());
    if (const std::optional<std::string> line = predictor_.StopLine(moment, next)) {
        heldTick_ = demo.TickCount();
        stopLine_ = Decision{};
        stopLine_.kind = DecisionKind::StoppedBefore;
        stopLine_.tick = demo.TickCount();
        stopLine_.text = *line;
        PauseIfRunning(demo);
        return Hold::Stop;
    }
    if (!predictor_.Prepare(moment, demo.State(), next)) return Hold::None;
    heldTick_ = demo.TickCount();
    resumeAfter_ = demo.Running();
    feedback_.reset();
    PauseIfRunning(demo);
    return Hold::Ask;
}

Feedback PredictMode::Answer(Demo& demo, std::size_t choice) {
    if (!Asking()) return {};
    lastPrompt_ = predictor_.Current()->prompt;
    feedback_ = predictor_.Answer(choice);
    if (!Asking()) RunHeldTick(demo, resumeAfter_);
    return *feedback_;
}

Feedback PredictMode::Reveal(Demo& demo, bool all, bool resume) {
    if (!Asking()) return {};
    do {
        lastPrompt_ = predictor_.Current()->prompt;
        feedback_ = predictor_.Reveal();
    } while (all && Asking());
    if (!Asking()) RunHeldTick(demo, resume || resumeAfter_);
    return *feedback_;
}

// Step runs exactly the tick the questions were about: the animation is paused.
void PredictMode::RunHeldTick(Demo& demo, bool resume) {
    demo.Step();
    if (resume && !demo.MessageOpen()) demo.btnPause_Click();
    resumeAfter_ = false;
}

// The tick is looked at again: what the user did may have changed it.
void PredictMode::Withdraw() {
    if (!Asking()) return;
    predictor_.Withdraw();
    resumeAfter_ = false;
    heldTick_.reset();
}

void PredictMode::SetOn(Demo& demo, bool on) {
    const bool resume = Asking() && resumeAfter_ && !on;
    predictor_.SetOn(on);
    feedback_.reset();
    if (!on) resumeAfter_ = false;
    if (resume && !demo.Running()) demo.btnPause_Click();
}

void PredictMode::ForgetAfter(history::Moment moment) {
    predictor_.ForgetAfter(moment);
    heldTick_.reset();
}

}  // namespace bridging::predict
