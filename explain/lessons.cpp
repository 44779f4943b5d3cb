// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson run's words.
#include "explain/lessons.h"

namespace bridging::explain {

namespace {

constexpr long SecondsPerMinute = 60;
constexpr long TwoDigits = 10;

std::string Count(std::size_t n) { return std::to_string(n); }

}  // namespace

std::string StepProgress(std::size_t step, std::size_t count) {
    return "Step " + Count(step) + " of " + Count(count);
}

std::string LessonBeginsText(const std::string& title, const std::string& intro) {
    return "Lesson: " + title + ". " + intro;
}

std::string StepBeginsText(std::size_t step, std::size_t count, const std::string& text) {
    return StepProgress(step, count) + ": " + text;
}

std::string StepDoneText(std::size_t step, std::size_t count) {
    return StepProgress(step, count) + " done.";
}

std::string StepSkippedText(std::size_t step, std::size_t count) {
    return StepProgress(step, count) + " skipped.";
}

std::string LessonDoneText(const std::string& title) { return "Lesson done: " + title + "."; }

std::string DurationText(long seconds) {
    if (seconds < 0) seconds = 0;
    const long minutes = seconds / SecondsPerMinute;
    const long rest = seconds % SecondsPerMinute;
    if (minutes == 0) return std::to_string(rest) + " s";
    return std::to_string(minutes) + " min " + (rest < TwoDigits ? "0" : "") +
           std::to_string(rest) + " s";
}

std::string LessonSummaryText(const LessonTally& tally) {
    return "Lesson: " + tally.title + "\n" + "Steps done: " + Count(tally.done) + " of " +
           Count(tally.steps) + "\n" + "Steps skipped: " + Count(tally.skipped) + "\n" +
           "Questions right at the first try: " + std::to_string(tally.rightFirstTry) + " of " +
           std::to_string(tally.questions) + "\n" + "Time taken: " + DurationText(tally.seconds) +
           "\n";
}

}  // namespace bridging::explain
