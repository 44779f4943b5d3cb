// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of a lesson run: its progress, what is said when a step begins and
// when it is done, the help buttons' captions and the summary for a worksheet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bridging::explain {

inline constexpr std::string_view ShowMeCaption = "Show me";
inline constexpr std::string_view TryAgainCaption = "Try again";
inline constexpr std::string_view SkipCaption = "Skip";
inline constexpr std::string_view StartLessonCaption = "Start";
inline constexpr std::string_view CopySummaryCaption = "Copy";
inline constexpr std::string_view LessonsCaption = "Lessons";
// The heading of the list of lessons, and what is said when it opens and when a lesson is left.
inline constexpr std::string_view ChooseLessonHeading = "Lessons: choose one, then Start";
inline constexpr std::string_view LessonsOpenedText =
    "Lessons: choose a lesson from the list, then press Start.";
inline constexpr std::string_view LessonLeftText = "Lesson left: the network stays as it stands.";
// What a highlighted control says to a screen reader while a step waits for
// it: a sentence after the control's own description.
inline constexpr std::string_view AskedToPressDescription = "The lesson asks you to press this.";
// Said once a lesson begins: the short way to the controls its steps ask for.
inline constexpr std::string_view AskedKeyText = "F8 takes you to the control a step asks for.";
// Why F8 found no control to go to.
inline constexpr std::string_view NoLessonText = "No lesson is under way: F4 opens the lessons.";
inline constexpr std::string_view LessonOverText = "The lesson is done: nothing is left to press.";
inline constexpr std::string_view WaitsOnTheNetworkText =
    "Nothing to press now: the step waits for what the frames do.";

// How a lesson went, counted by its run; the seconds come from the window's clock.
struct LessonTally {
    std::string title;
    std::size_t steps = 0;
    std::size_t done = 0;
    std::size_t skipped = 0;
    int questions = 0;
    int rightFirstTry = 0;
    long seconds = 0;
};

// "Step 3 of 7"; `step` counts from 1.
std::string StepProgress(std::size_t step, std::size_t count);
// "Lesson: Learning and filtering. " and the lesson's introduction.
std::string LessonBeginsText(const std::string& title, const std::string& intro);
// "Step 3 of 7: " and the step's text.
std::string StepBeginsText(std::size_t step, std::size_t count, const std::string& text);
// "Step 3 of 7 done."
std::string StepDoneText(std::size_t step, std::size_t count);
// "Step 3 of 7 skipped."
std::string StepSkippedText(std::size_t step, std::size_t count);
// "Lesson done: Learning and filtering."
std::string LessonDoneText(const std::string& title);
// "4 min 05 s", "35 s".
std::string DurationText(long seconds);
// A few lines of plain text, for Copy to put on the clipboard.
std::string LessonSummaryText(const LessonTally& tally);

}  // namespace bridging::explain
