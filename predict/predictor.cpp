// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which arrivals are asked about, the score of the answers, and the stops.
#include "predict/predictor.h"

#include <algorithm>
#include <limits>

#include "explain/questions.h"

namespace bridging::predict {

namespace {

bool Fits(StopBefore choice, const Decision& d, std::optional<int> followedBridge) {
    switch (choice) {
        case StopBefore::Nothing:
            return false;
        case StopBefore::FollowedDecision:
            return !followedBridge ||
                   (d.element == ElementKind::Bridge && d.index == *followedBridge);
        case StopBefore::FrameArrives:
            return d.kind == DecisionKind::FrameArrives;
        case StopBefore::Block:
            return d.kind == DecisionKind::Blocks;
        case StopBefore::NewRoot:
            return d.kind == DecisionKind::AdoptsRoot;
        case StopBefore::RunOut:
            return d.kind == DecisionKind::RunOutOfPackets;
    }
    return false;
}

}  // namespace

std::optional<Decision> StopRecord(StopBefore choice, const NextTick& next,
                                   std::optional<int> followedBridge) {
    for (const Decision& d : next.records) {
        if (Fits(choice, d, followedBridge)) return d;
    }
    return std::nullopt;
}

void Predictor::SetOn(bool on) {
    on_ = on;
    if (!on_) due_.clear();
}

bool Predictor::Prepare(history::Moment moment, const Simulation& state, const NextTick& next) {
    due_.clear();
    bool cueTaken = false;
    for (std::size_t k = 0; k < next.arrivals.size(); ++k) {
        const Arrival& arrival = next.arrivals[k];
        const Key key{moment, k};
        if (asked_.count(key) != 0) continue;
        const bool followedHere = !followed_ || arrival.receives.index == *followed_;
        if (!cue_ && !(on_ && followedHere)) continue;
        Question question = Ask(state, arrival);
        const bool cued = !cueTaken && CueFits(arrival, question);
        if (!cued && !(on_ && followedHere && Wanted(question.AskedTopic()))) continue;
        cueTaken = cueTaken || cued;
        due_.push_back({key, std::move(question), cued});
    }
    return !due_.empty();
}

bool Predictor::CueFits(const Arrival& arrival, const Question& question) const {
    if (!cue_) return false;
    if (cue_->bridgeIndex && arrival.receives.index != *cue_->bridgeIndex) return false;
    return !cue_->topic || question.AskedTopic() == *cue_->topic;
}

Feedback Predictor::Answer(std::size_t choice) {
    if (due_.empty()) return {};
    Feedback feedback = due_.front().question.Check(choice);
    ++tries_;
    if (feedback.right) {
        ++triesRight_;
        mastered_.insert(due_.front().question.AskedTopic());
    }
    Close(choice);
    return feedback;
}

Feedback Predictor::Reveal() {
    if (due_.empty()) return {};
    Feedback feedback = due_.front().question.Revealed();
    Close(std::nullopt);
    return feedback;
}

// The question leaves, and with it any later one of a kind just answered right.
void Predictor::Close(std::optional<std::size_t> firstTry) {
    const Due& closed = due_.front();
    const Question& q = closed.question;
    std::vector<std::string> answers;
    for (const predict::Answer& a : q.answers) answers.push_back(a.text);
    transcript_.push_back(
        explain::QuestionTranscript(q.tick, q.prompt, answers, q.right, firstTry, q.reason));
    asked_.insert(closed.key);
    if (closed.cued) cue_.reset();
    due_.erase(due_.begin());
    due_.erase(std::remove_if(
                   due_.begin(), due_.end(),
                   [this](const Due& d) { return !d.cued && !Wanted(d.question.AskedTopic()); }),
               due_.end());
}

std::optional<std::string> Predictor::StopLine(history::Moment moment, const NextTick& next) {
    if (stopped_.count(moment) != 0) return std::nullopt;
    const std::optional<Decision> record = StopRecord(stop_, next, followed_);
    if (!record) return std::nullopt;
    stopped_.insert(moment);
    return explain::StoppedBeforeText(*record);
}

std::string Predictor::Score() const { return explain::ScoreText(triesRight_, tries_); }

void Predictor::Clear() {
    tries_ = 0;
    triesRight_ = 0;
    mastered_.clear();
    transcript_.clear();
}

std::string Predictor::Transcript() const {
    if (transcript_.empty()) return {};
    std::string text;
    for (const std::string& entry : transcript_) text += entry;
    return text + Score() + "\n";
}

void Predictor::ForgetAfter(history::Moment moment) {
    asked_.erase(asked_.upper_bound({moment, std::numeric_limits<std::size_t>::max()}),
                 asked_.end());
    stopped_.erase(stopped_.upper_bound(moment), stopped_.end());
}

}  // namespace bridging::predict
