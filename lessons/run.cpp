// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson run's steps, advanced by what the simulation reaches.
#include "lessons/run.h"

#include <algorithm>

#include "lessons/catalogue.h"
#include "lessons/goals.h"

namespace bridging::lessons {

void LessonRun::Begin(const Lesson& lesson, history::Moment moment) {
    lesson_ = &lesson;
    step_ = 0;
    began_ = moment;
    records_.clear();
    outcomes_.assign(lesson.steps.size(), StepOutcome::Waiting);
    questions_ = 0;
    right_ = 0;
}

void LessonRun::Begin(std::size_t index, history::Moment moment) {
    const std::vector<Lesson>& all = AllLessons();
    if (index < all.size()) Begin(all[index], moment);
}

const Step* LessonRun::CurrentStep() const {
    if (lesson_ == nullptr || step_ >= lesson_->steps.size()) return nullptr;
    return &lesson_->steps[step_];
}

std::string LessonRun::Progress() const {
    if (CurrentStep() == nullptr) return "";
    return explain::StepProgress(step_ + 1, StepCount());
}

bool LessonRun::Observe(const Simulation& now, std::span<const Decision> records,
                        history::Moment moment) {
    if (CurrentStep() == nullptr) return false;
    records_.insert(records_.end(), records.begin(), records.end());
    bool done = false;
    while (const Step* step = CurrentStep()) {
        if (!Reached(step->goal, now, records_)) break;
        Advance(StepOutcome::Done, moment);
        done = true;
    }
    return done;
}

void LessonRun::Skip(history::Moment moment) {
    if (CurrentStep() != nullptr) Advance(StepOutcome::Skipped, moment);
}

void LessonRun::Advance(StepOutcome outcome, history::Moment moment) {
    outcomes_[step_] = outcome;
    ++step_;
    began_ = moment;
    records_.clear();
}

void LessonRun::RecordAnswer(bool right) {
    ++questions_;
    if (right) ++right_;
}

explain::LessonTally LessonRun::Tally(long seconds) const {
    explain::LessonTally tally;
    if (lesson_ != nullptr) tally.title = lesson_->title;
    tally.steps = outcomes_.size();
    tally.done =
        static_cast<std::size_t>(std::count(outcomes_.begin(), outcomes_.end(), StepOutcome::Done));
    tally.skipped = static_cast<std::size_t>(
        std::count(outcomes_.begin(), outcomes_.end(), StepOutcome::Skipped));
    tally.questions = questions_;
    tally.rightFirstTry = right_;
    tally.seconds = seconds;
    return tally;
}

}  // namespace bridging::lessons
