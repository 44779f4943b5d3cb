// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict mode around the ticks of the present: before a tick, whether it may
// run or is held for a question or a stop; after the class has answered,
// whether the held tick now runs and the animation goes on as it stood before.
// It only decides: the session pauses, steps and resumes the simulation, and
// what happens to the frames never depends on an answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/decision.h"
#include "driver/demo.h"
#include "history/history.h"
#include "predict/predictor.h"

namespace bridging::predict {

enum class Hold : std::uint8_t {
    None,  // the tick may run
    Stop,  // paused before it: StopLine() says why
    Ask,   // paused before it: a question waits
};

// A question closed: what the class hears, and whether no question is left,
// so that the held tick runs now (as Step runs it) and the animation runs on
// after it when `resume` says so.
struct Closed {
    Feedback feedback;
    bool runHeldTick = false;
    bool resume = false;
};

class PredictMode {
public:
    // Whether it is on, what it asks about, the questions due and the score.
    Predictor& Questions() { return predictor_; }
    const Predictor& Questions() const { return predictor_; }

    // Whether ticks are looked at before they run: the look-ahead costs a tick
    // of its own, so only while something may hold them (a lesson's question too).
    bool Watching() const {
        return predictor_.On() || predictor_.Stop() != StopBefore::Nothing ||
               predictor_.CuePending();
    }
    bool Asking() const { return predictor_.Current() != nullptr; }

    // Before a tick of `now` at the present, whose newest moment is `moment`:
    // whether the tick is held, in which case the animation pauses as Pause
    // does. A tick is held at most once, so that Resume or Step after a stop runs it.
    Hold BeforeTick(const Simulation& now, history::Moment moment);
    // The log's record of the last stop.
    const Decision& StopLine() const { return stopLine_; }

    // The class's answer to the current question; once none is left, the held
    // tick runs and the animation goes on as it stood before the question.
    Closed Answer(std::size_t choice);
    // The answer without a try. `all` reveals every question still due; once
    // none is left the held tick runs, and `resume` leaves the animation running.
    Closed Reveal(bool all, bool resume);
    // The questions due go unasked: the user changed the simulation, or moved
    // in time, before answering. The animation stays paused.
    void Withdraw();
    // Turns the questions on or off; off, a question waiting goes. True when
    // the animation is to run again, since the question had paused it.
    bool SetOn(bool on);

    // The feedback of the last question closed, until the next one is asked.
    const std::optional<Feedback>& LastFeedback() const { return feedback_; }
    const std::string& LastPrompt() const { return lastPrompt_; }
    // The moment the last question was asked in, for "Watch again".
    std::optional<history::Moment> AskedIn() const { return askedIn_; }
    // The window keeps the paused moment: the question belongs to it.
    void AskedAt(history::Moment moment) { askedIn_ = moment; }

    // A new future starts after `moment`.
    void ForgetAfter(history::Moment moment);

private:
    Closed Close(bool resume);

    Predictor predictor_;
    std::optional<std::uint64_t> heldTick_;
    bool resumeAfter_ = false;
    Decision stopLine_;
    std::optional<Feedback> feedback_;
    std::string lastPrompt_;
    std::optional<history::Moment> askedIn_;
};

}  // namespace bridging::predict
