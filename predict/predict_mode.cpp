// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Holding a tick for a question or a stop, and letting it run after the answer.
#include "predict/predict_mode.h"

#include "predict/lookahead.h"

namespace bridging::predict {

Hold PredictMode::BeforeTick(const Simulation& now, history::Moment moment) {
    if (!Watching() || heldTick_ == now.TickCount()) return Hold::None;
    const NextTick next = LookAhead(now);
    if (const std::optional<std::string> line = predictor_.StopLine(moment, next)) {
        heldTick_ = now.TickCount();
        stopLine_ = Decision{};
        stopLine_.kind = DecisionKind::StoppedBefore;
        stopLine_.tick = now.TickCount();
        stopLine_.text = *line;
        return Hold::Stop;
    }
    if (!predictor_.Prepare(moment, now, next)) return Hold::None;
    heldTick_ = now.TickCount();
    resumeAfter_ = now.Running();
    feedback_.reset();
    return Hold::Ask;
}

Closed PredictMode::Answer(std::size_t choice) {
    if (!Asking()) return {};
    lastPrompt_ = predictor_.Current()->prompt;
    feedback_ = predictor_.Answer(choice);
    return Close(false);
}

Closed PredictMode::Reveal(bool all, bool resume) {
    if (!Asking()) return {};
    do {
        lastPrompt_ = predictor_.Current()->prompt;
        feedback_ = predictor_.Reveal();
    } while (all && Asking());
    return Close(resume);
}

// Step runs exactly the tick the questions were about: the animation is paused.
Closed PredictMode::Close(bool resume) {
    Closed closed{*feedback_, !Asking(), false};
    if (closed.runHeldTick) {
        closed.resume = resume || resumeAfter_;
        resumeAfter_ = false;
    }
    return closed;
}

// The tick is looked at again: what the user did may have changed it.
void PredictMode::Withdraw() {
    if (!Asking()) return;
    predictor_.Withdraw();
    resumeAfter_ = false;
    heldTick_.reset();
}

bool PredictMode::SetOn(bool on) {
    const bool resume = Asking() && resumeAfter_ && !on;
    predictor_.SetOn(on);
    feedback_.reset();
    if (!on) resumeAfter_ = false;
    return resume;
}

void PredictMode::ForgetAfter(history::Moment moment) {
    predictor_.ForgetAfter(moment);
    heldTick_.reset();
}

}  // namespace bridging::predict
