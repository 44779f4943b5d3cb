// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of the questions, their feedback and the stops, naming things as
// the window and the log do.
#include "explain/questions.h"

#include "common/value.h"
#include "explain/names.h"
#include "explain/sentences.h"

namespace bridging::explain {

namespace {

std::string Side(int port) { return port == 0 ? "upper" : "lower"; }
std::string OtherSide(int port) { return port == 0 ? "lower" : "upper"; }
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string QuestionPrompt(const Decision& receives) {
    return BridgeName(receives.bridgeNumber) + " is about to receive " + receives.frame.label +
           " on " + PortWithSide(receives.port) + ". What will it do?";
}

std::string AnswerText(Outcome outcome, const Decision& receives) {
    const int port = receives.port;
    const std::string destination = StationLetter(receives.frame.destination);
    switch (outcome) {
        case Outcome::Forward:
            return "Pass it to the " + OtherSide(port) + " side: it knows " + destination +
                   " is there";
        case Outcome::Flood:
            return "Pass it to the " + OtherSide(port) + " side: it does not know where " +
                   destination + " is";
        case Outcome::Filter:
            return "Keep it: " + destination + " is on the " + Side(port) + " side";
        case Outcome::HeldByBlocking:
            return "Keep it: its " + OtherSide(port) + " port does not pass frames";
        case Outcome::HeldByBlocked:
            return "Keep it: the spanning tree has blocked it";
        case Outcome::AdoptRoot:
            return "Take bridge " + NumberText(receives.frame.source) + " as its root";
        case Outcome::LowerCosts:
            return "Keep its root and only lower its costs";
        case Outcome::Block:
            return "Block both ports";
        case Outcome::IgnoreRoot:
            return "Ignore it: its own root is lower";
        case Outcome::Nothing:
            return "Nothing changes";
    }
    return "";
}

std::string NothingChangesReason(const Decision& receives) {
    return BridgeName(receives.bridgeNumber) + " already takes bridge " +
           NumberText(receives.frame.source) + " for the root, and " + receives.frame.label +
           " lowers none of its costs.";
}

std::string FeedbackText(bool right, const std::string& rightAnswer, const std::string& reason) {
    if (right) return "Right. " + reason;
    return "Not quite: the answer is " + Quoted(rightAnswer) + ". " + reason;
}

std::string RevealText(const std::string& rightAnswer, const std::string& reason) {
    return "The answer is " + Quoted(rightAnswer) + ". " + reason;
}

std::string ScoreText(int right, int tries) {
    return "First tries right: " + std::to_string(right) + " of " + std::to_string(tries);
}

std::string StoppedBeforeText(const Decision& record) {
    return "Stopped before: " + Sentence(record);
}

std::string QuestionTranscript(std::uint64_t tick, const std::string& prompt,
                               const std::vector<std::string>& answers, std::size_t right,
                               std::optional<std::size_t> firstTry, const std::string& reason) {
    std::string text = std::to_string(tick) + "  " + prompt + "\n";
    for (std::size_t k = 0; k < answers.size(); ++k) {
        text += "    " + std::to_string(k + 1) + ". " + answers[k] +
                (k == right ? " (the answer)" : "") + "\n";
    }
    if (!firstTry) {
        text += "    Answered aloud, not scored.\n";
    } else {
        text += "    First try: " + std::to_string(*firstTry + 1) +
                (*firstTry == right ? ", right.\n" : ", not right.\n");
    }
    return text + "    " + reason + "\n";
}

std::string PredictSwitchedText(bool on) {
    if (on) return "Predict on: before a bridge decides, the program asks what it will do.";
    return "Predict off: the frames move on without questions.";
}

std::string NumberedAnswer(std::size_t index, const std::string& text) {
    return std::to_string(index + 1) + "  " + text;
}

std::string AnswerKeysText(std::size_t count) {
    return "Answer with a number key from 1 to " + std::to_string(count) + ".";
}

std::string SpokenQuestion(const std::string& prompt, const std::vector<std::string>& answers) {
    std::string text = prompt;
    for (std::size_t i = 0; i < answers.size(); ++i)
        text += " " + std::to_string(i + 1) + ": " + answers[i] + ".";
    return text + " " + AnswerKeysText(answers.size());
}

}  // namespace bridging::explain
