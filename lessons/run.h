// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One lesson in progress: which step waits, the decisions taken since it
// began, and how each step ended. The window tells it every user action and
// every tick with their records; it has no clock and changes no simulation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/decision.h"
#include "driver/demo.h"
#include "explain/lessons.h"
#include "history/history.h"
#include "lessons/lesson.h"

namespace bridging::lessons {

enum class StepOutcome : std::uint8_t { Waiting, Done, Skipped };

class LessonRun {
public:
    // Starts a lesson at `moment`, after its setup presses have been made. The
    // lesson must outlive the run (those of AllLessons() do).
    void Begin(const Lesson& lesson, history::Moment moment);
    // Lesson `index` of AllLessons(); an index out of range starts nothing.
    void Begin(std::size_t index, history::Moment moment);

    bool Active() const { return lesson_ != nullptr; }
    const Lesson* Current() const { return lesson_; }
    // The step that waits; null before Begin and once every step has ended.
    const Step* CurrentStep() const;
    std::size_t StepIndex() const { return step_; }
    std::size_t StepCount() const { return lesson_ == nullptr ? 0 : lesson_->steps.size(); }
    bool Finished() const { return Active() && step_ >= StepCount(); }
    // "Step 3 of 7"; empty before Begin and once finished.
    std::string Progress() const;
    // The moment the waiting step began, for "Try again" to go back to.
    history::Moment StepBegan() const { return began_; }
    std::span<const Decision> SinceStepBegan() const { return records_; }
    const std::vector<StepOutcome>& Outcomes() const { return outcomes_; }

    // After a user action or a tick that made `moment`, with its records: the
    // steps whose goal the simulation now reaches are done, one after the
    // other, each next one checked against the same state at once. True when
    // one got done.
    bool Observe(const Simulation& now, std::span<const Decision> records, history::Moment moment);
    // The waiting step ends undone; the next begins at `moment`.
    void Skip(history::Moment moment);
    // The window has gone back to StepBegan(): the step is checked afresh.
    void TryAgain() { records_.clear(); }
    // The class's first try at a question the lesson asked.
    void RecordAnswer(bool right);

    // How it went so far; `seconds` is the time since Begin, as the window measured it.
    explain::LessonTally Tally(long seconds) const;
    std::string Summary(long seconds) const { return explain::LessonSummaryText(Tally(seconds)); }

private:
    void Advance(StepOutcome outcome, history::Moment moment);

    const Lesson* lesson_ = nullptr;
    std::size_t step_ = 0;
    history::Moment began_ = 0;
    std::vector<Decision> records_;
    std::vector<StepOutcome> outcomes_;
    int questions_ = 0;
    int right_ = 0;
};

}  // namespace bridging::lessons
