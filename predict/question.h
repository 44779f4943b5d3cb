// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The question asked before a bridge decides about a frame it is about to
// receive: the bridge's own possible outcomes as answers, exactly one of them
// what the look-ahead says will happen, and what the log will give as the reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/decision.h"
#include "driver/demo.h"
#include "explain/questions.h"
#include "predict/lookahead.h"

namespace bridging::predict {

using explain::Outcome;

// The kind of decision a question is about. Unless every decision is asked
// about, a kind answered right at the first try is not asked about again.
enum class Topic : std::uint8_t {
    Filtering,
    Flooding,
    Forwarding,
    Held,
    NewRoot,
    Block,
    IgnoredRoot,
    LoweredCosts,
    Nothing,
};
Topic TopicOf(Outcome outcome);

struct Answer {
    Outcome outcome = Outcome::Nothing;
    Topic topic = Topic::Nothing;
    std::string text;
};

// What the class hears after an answer, or after the answer is revealed.
struct Feedback {
    bool right = false;
    std::string rightAnswer;  // the right answer's text
    std::string reason;       // the log's sentence for the decisive record
    std::string text;         // all of it in one line, to show and to speak
};

struct Question {
    int bridgeIndex = -1;
    double bridgeNumber = 0;
    int port = -1;
    FrameFacts frame;
    std::uint64_t tick = 0;  // the tick in which the bridge receives the frame
    std::string prompt;
    std::vector<Answer> answers;
    std::size_t right = 0;  // the index of the right answer
    std::string reason;

    const Answer& RightAnswer() const { return answers[right]; }
    Topic AskedTopic() const { return RightAnswer().topic; }
    // A choice out of range is a wrong answer.
    Feedback Check(std::size_t choice) const;
    Feedback Revealed() const;
};

// The outcome that matters most among the bridge's decisions about the frame:
// for a spanning-tree frame a block before a new root, an ignored root, then
// lowered costs; nothing when none of these happens.
Outcome OutcomeOf(const Arrival& arrival);
// The record the outcome stands for; null for Outcome::Nothing.
const Decision* DecisiveRecord(const Arrival& arrival);

// The question about one arrival of the look-ahead of `state`.
Question Ask(const Simulation& state, const Arrival& arrival);

}  // namespace bridging::predict
