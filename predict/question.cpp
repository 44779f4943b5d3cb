// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The answers a question offers: the outcomes a bridge can reach with this
// frame at this moment, in a fixed order, the wrong ones those a student could
// believe from the picture.
#include "predict/question.h"

#include <algorithm>
#include <array>
#include <utility>

#include "explain/sentences.h"

namespace bridging::predict {

namespace {

bool IsSpanningTreeFrame(const Arrival& arrival) {
    return IsSpanningTreeDestination(arrival.receives.frame.destination);
}

const Decision* FirstOf(const Arrival& arrival, DecisionKind kind) {
    for (const Decision& d : arrival.decisions) {
        if (d.kind == kind) return &d;
    }
    return nullptr;
}

constexpr std::array<std::pair<DecisionKind, Outcome>, 5> DataOutcomes = {{
    {DecisionKind::Forwards, Outcome::Forward},
    {DecisionKind::Floods, Outcome::Flood},
    {DecisionKind::Filters, Outcome::Filter},
    {DecisionKind::HeldByBlocking, Outcome::HeldByBlocking},
    {DecisionKind::HeldByBlocked, Outcome::HeldByBlocked},
}};

// By what matters most to the tree.
constexpr std::array<std::pair<DecisionKind, Outcome>, 5> TreeOutcomes = {{
    {DecisionKind::Blocks, Outcome::Block},
    {DecisionKind::AdoptsRoot, Outcome::AdoptRoot},
    {DecisionKind::IgnoresWorseRoot, Outcome::IgnoreRoot},
    {DecisionKind::UpdatesTotal, Outcome::LowerCosts},
    {DecisionKind::UpdatesBest, Outcome::LowerCosts},
}};

template <std::size_t N>
const Decision* Decisive(const Arrival& arrival,
                         const std::array<std::pair<DecisionKind, Outcome>, N>& outcomes,
                         Outcome* outcome) {
    for (const auto& [kind, meaning] : outcomes) {
        if (const Decision* d = FirstOf(arrival, kind)) {
            *outcome = meaning;
            return d;
        }
    }
    *outcome = Outcome::Nothing;
    return nullptr;
}

const Decision* Decisive(const Arrival& arrival, Outcome* outcome) {
    return IsSpanningTreeFrame(arrival) ? Decisive(arrival, TreeOutcomes, outcome)
                                        : Decisive(arrival, DataOutcomes, outcome);
}

// The outcomes to offer, in the order shown. A station's frame may go either
// way or stay, and only one reason for staying fits the far port's state. A
// root frame other than the bridge's own root is taken or ignored, and
// "Nothing changes" would then be the same as ignoring it; the own root's frame
// can only lower costs, block or change nothing.
std::vector<Outcome> Offered(const Simulation& state, const Arrival& arrival, Outcome right) {
    std::vector<Outcome> offered;
    if (!IsSpanningTreeFrame(arrival)) {
        const Bridge& bridge = state.Bridge1[static_cast<std::size_t>(arrival.receives.index)];
        const bool farBlocked =
            bridge.PortOf(OtherPort(arrival.receives.port)).state == PortBlocked;
        const Outcome held = right == Outcome::HeldByBlocking || right == Outcome::HeldByBlocked
                                 ? right
                             : farBlocked ? Outcome::HeldByBlocked
                                          : Outcome::HeldByBlocking;
        offered = {Outcome::Forward, Outcome::Flood, Outcome::Filter, held};
    } else if (FirstOf(arrival, DecisionKind::AdoptsRoot) != nullptr ||
               FirstOf(arrival, DecisionKind::IgnoresWorseRoot) != nullptr) {
        offered = {Outcome::AdoptRoot, Outcome::LowerCosts, Outcome::Block, Outcome::IgnoreRoot};
    } else {
        offered = {Outcome::LowerCosts, Outcome::Block, Outcome::Nothing};
    }
    return offered;
}

}  // namespace

Topic TopicOf(Outcome outcome) {
    switch (outcome) {
        case Outcome::Forward:
            return Topic::Forwarding;
        case Outcome::Flood:
            return Topic::Flooding;
        case Outcome::Filter:
            return Topic::Filtering;
        case Outcome::HeldByBlocking:
        case Outcome::HeldByBlocked:
            return Topic::Held;
        case Outcome::AdoptRoot:
            return Topic::NewRoot;
        case Outcome::LowerCosts:
            return Topic::LoweredCosts;
        case Outcome::Block:
            return Topic::Block;
        case Outcome::IgnoreRoot:
            return Topic::IgnoredRoot;
        case Outcome::Nothing:
            return Topic::Nothing;
    }
    return Topic::Nothing;
}

Outcome OutcomeOf(const Arrival& arrival) {
    Outcome outcome = Outcome::Nothing;
    Decisive(arrival, &outcome);
    return outcome;
}

const Decision* DecisiveRecord(const Arrival& arrival) {
    Outcome outcome = Outcome::Nothing;
    return Decisive(arrival, &outcome);
}

Question Ask(const Simulation& state, const Arrival& arrival) {
    const Decision& receives = arrival.receives;
    Question q;
    q.bridgeIndex = receives.index;
    q.bridgeNumber = receives.bridgeNumber;
    q.port = receives.port;
    q.frame = receives.frame;
    q.tick = receives.tick;
    q.prompt = explain::QuestionPrompt(receives);

    Outcome right = Outcome::Nothing;
    const Decision* decisive = Decisive(arrival, &right);
    q.reason = decisive != nullptr ? explain::Sentence(*decisive)
                                   : explain::NothingChangesReason(receives);
    for (Outcome outcome : Offered(state, arrival, right)) {
        q.answers.push_back({outcome, TopicOf(outcome), explain::AnswerText(outcome, receives)});
    }
    const auto found = std::find_if(q.answers.begin(), q.answers.end(),
                                    [right](const Answer& a) { return a.outcome == right; });
    q.right = static_cast<std::size_t>(found - q.answers.begin());
    // Only a bridge that decided nothing about a station's frame could get here.
    if (found == q.answers.end()) {
        q.answers.push_back({right, TopicOf(right), explain::AnswerText(right, receives)});
    }
    return q;
}

Feedback Question::Check(std::size_t choice) const {
    Feedback f;
    f.right = choice == right;
    f.rightAnswer = RightAnswer().text;
    f.reason = reason;
    f.text = explain::FeedbackText(f.right, f.rightAnswer, f.reason);
    return f;
}

Feedback Question::Revealed() const {
    Feedback f;
    f.rightAnswer = RightAnswer().text;
    f.reason = reason;
    f.text = explain::RevealText(f.rightAnswer, f.reason);
    return f;
}

}  // namespace bridging::predict
