// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of predict mode: the question asked before a bridge decides about
// a frame, its answers, what the class hears after answering, the score and the
// line of a stop before a tick.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/decision.h"

namespace bridging::explain {

// What a bridge can do with a frame it receives, as a question offers it: the
// first five for a station's frame, the rest for a spanning-tree frame.
enum class Outcome : std::uint8_t {
    Forward,
    Flood,
    Filter,
    HeldByBlocking,
    HeldByBlocked,
    AdoptRoot,
    LowerCosts,
    Block,
    IgnoreRoot,
    Nothing,
};

// "Bridge #1 is about to receive C:A on port A (upper side). What will it do?"
std::string QuestionPrompt(const Decision& receives);
// An answer for the frame that `receives` names, its sides taken from the
// arrival port: "Pass it to the lower side: it knows C is there".
std::string AnswerText(Outcome outcome, const Decision& receives);
// Why a spanning-tree frame changes nothing, which no record of the log says.
std::string NothingChangesReason(const Decision& receives);

// After an answer: "Right. " and the reason, or the right answer and the reason.
std::string FeedbackText(bool right, const std::string& rightAnswer, const std::string& reason);
// The right answer and the reason, for a question the class answered aloud.
std::string RevealText(const std::string& rightAnswer, const std::string& reason);
// "First tries right: 7 of 9".
std::string ScoreText(int right, int tries);
// "Stopped before: " and the sentence of the record the stop is for.
std::string StoppedBeforeText(const Decision& record);

// A question as Copy puts it on the clipboard: the tick and prompt, the numbered
// answers with the right one marked, the first try (none when revealed) and the reason.
std::string QuestionTranscript(std::uint64_t tick, const std::string& prompt,
                               const std::vector<std::string>& answers, std::size_t right,
                               std::optional<std::size_t> firstTry, const std::string& reason);

// The controls of predict mode as the lesson panel and the context menu name them.
inline constexpr const char* PredictCaption = "Predict";
inline constexpr const char* PredictMenuText = "Predict, then watch";
inline constexpr const char* AskEveryCaption = "Ask about every decision";
inline constexpr const char* StopBeforeCaption = "Stop before:";
inline constexpr const char* WatchAgainCaption = "Watch again";
// The "Stop before" choices, in the order of predict::StopBefore.
inline constexpr std::array<const char*, 6> StopBeforeChoices = {
    "Nothing",
    "Any decision of the followed element",
    "A frame reaching its station",
    "A block",
    "A new root",
    "The pool running out"};

// What a screen reader hears when predict mode is switched.
std::string PredictSwitchedText(bool on);
// A question as a screen reader hears it: the prompt, each answer with its
// key, then how to answer.
std::string SpokenQuestion(const std::string& prompt, const std::vector<std::string>& answers);
// "Answer with a number key from 1 to 4."
std::string AnswerKeysText(std::size_t count);
// An answer button's caption: its key and its text.
std::string NumberedAnswer(std::size_t index, const std::string& text);

}  // namespace bridging::explain
