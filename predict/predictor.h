// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict mode's state for one run of the window: whether it is on, what it
// asks about, the questions due before the next tick, the score of first
// tries, and the stops before a tick that ask nothing. The window asks it
// before every tick it runs and tells it what the class answered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "history/history.h"
#include "predict/lookahead.h"
#include "predict/question.h"

namespace bridging::predict {

// What the simulation stops before, without a question.
enum class StopBefore : std::uint8_t {
    Nothing,
    FollowedDecision,  // any decision of the followed bridge, or of anything when none is followed
    FrameArrives,      // a frame reaching its station
    Block,
    NewRoot,
    RunOut,  // the pool of frame tokens running out
};

// The first record of the next tick that `choice` stops before, if any.
std::optional<Decision> StopRecord(StopBefore choice, const NextTick& next,
                                   std::optional<int> followedBridge);

// A lesson's question: the first arrival, at the bridge (by index) or at any
// bridge, whose question is about the topic, or about anything.
struct Cue {
    std::optional<int> bridgeIndex;
    std::optional<Topic> topic;
};

class Predictor {
public:
    bool On() const { return on_; }
    // Turning it off drops the questions due.
    void SetOn(bool on);
    bool AsksEveryDecision() const { return askEvery_; }
    void SetAskEveryDecision(bool every) { askEvery_ = every; }
    // The bridge, by index, whose arrivals are asked about and whose decisions
    // "any decision" stops before; none follows everything. Counts from the
    // next Prepare.
    std::optional<int> Followed() const { return followed_; }
    void Follow(std::optional<int> bridgeIndex) { followed_ = bridgeIndex; }
    StopBefore Stop() const { return stop_; }
    void SetStop(StopBefore choice) { stop_ = choice; }

    // The cue's question is made due even while predict mode is off and
    // whatever kinds were answered right; it is asked once, and goes when it is
    // answered or revealed. A new cue, or none, replaces the one set.
    void SetCue(std::optional<Cue> cue) { cue_ = cue; }
    bool CuePending() const { return cue_.has_value(); }

    // Before the tick that follows `moment`, whose look-ahead from `state` is
    // `next`: makes due a question for each arrival to ask about, in the
    // tick's order, in place of any still due. None while off but the cue's,
    // and none again for an arrival already answered or revealed at that
    // moment. True when one is due.
    bool Prepare(history::Moment moment, const Simulation& state, const NextTick& next);
    // The question to ask now; null when none is due and the tick may run.
    const Question* Current() const { return due_.empty() ? nullptr : &due_.front().question; }
    std::size_t QuestionsDue() const { return due_.size(); }
    // Whether the current question is the cue's.
    bool CurrentIsCued() const { return !due_.empty() && due_.front().cued; }
    // The class's one try at the current question, scored; the next one due
    // becomes current. Without a current question, an empty feedback.
    Feedback Answer(std::size_t choice);
    // The answer without a try, unscored, for a class that answered aloud.
    Feedback Reveal();
    // The questions due go, neither answered nor asked: the simulation changed first.
    void Withdraw() { due_.clear(); }

    // Before the tick that follows `moment`: the log line to stop with, once
    // per moment, when the stop chosen holds for `next`.
    std::optional<std::string> StopLine(history::Moment moment, const NextTick& next);

    int FirstTries() const { return tries_; }
    int FirstTriesRight() const { return triesRight_; }
    // "First tries right: 7 of 9".
    std::string Score() const;
    // A fresh start for the class: the score, the kinds answered right and the
    // transcript go; the moments already asked about stay asked.
    void Clear();
    // The questions closed since the last Clear, and the score, for Copy;
    // empty when none was closed.
    std::string Transcript() const;

    // A new future starts after `moment`: its moments are not the ones asked about.
    void ForgetAfter(history::Moment moment);

private:
    using Key = std::pair<history::Moment, std::size_t>;  // the moment and the arrival's index
    struct Due {
        Key key;
        Question question;
        bool cued = false;
    };

    bool Wanted(Topic topic) const { return askEvery_ || mastered_.count(topic) == 0; }
    bool CueFits(const Arrival& arrival, const Question& question) const;
    void Close(std::optional<std::size_t> firstTry);

    bool on_ = false;
    bool askEvery_ = false;
    std::optional<int> followed_;
    std::optional<Cue> cue_;
    StopBefore stop_ = StopBefore::Nothing;

    std::vector<Due> due_;
    std::set<Key> asked_;
    std::set<history::Moment> stopped_;
    std::set<Topic> mastered_;
    int tries_ = 0;
    int triesRight_ = 0;
    std::vector<std::string> transcript_;
};

}  // namespace bridging::predict
