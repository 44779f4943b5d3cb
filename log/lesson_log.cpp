// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Collecting, merging and keeping the lesson log's lines.
#include "log/lesson_log.h"

#include <algorithm>

#include "explain/sentences.h"

namespace bridging {

std::string LineText(const LogLine& line) {
    std::string text = std::to_string(line.tick) + "  " + line.sentence;
    if (line.times > 1) text += " (" + std::to_string(line.times) + " times in this tick)";
    return text;
}

bool ToldAsItHappens(DecisionKind kind) {
    switch (kind) {
        case DecisionKind::StoppedBefore:
        case DecisionKind::Paused:
        case DecisionKind::Resumed:
        case DecisionKind::WentBack:
        case DecisionKind::Kill:
        case DecisionKind::Reset:
        case DecisionKind::Renumber:
        case DecisionKind::LearningSwitched:
        case DecisionKind::ForwardingSwitched:
            return true;
        default:
            return IsLandmark(kind);
    }
}

bool Shows(const std::optional<FollowedElement>& followed, const LogLine& line) {
    return !followed || (followed->element == line.element && followed->index == line.index);
}

// A storm repeats a handful of kinds for a handful of elements, so the search
// stays short however many records a tick makes.
void DecisionCollector::Record(const Decision& decision) {
    if (keepRecords_) records_.push_back(decision);
    const auto same = std::find_if(pending_.begin(), pending_.end(), [&](const LogLine& line) {
        return line.tick == decision.tick && line.kind == decision.kind &&
               line.element == decision.element && line.index == decision.index;
    });
    if (same != pending_.end()) {
        // Building the network shown again in the same moment (start-up picks
        // the first entry, then builds it) is one fact, not a repeat.
        if (decision.kind != DecisionKind::ScenarioBuilt) ++same->times;
        return;
    }
    pending_.push_back(LogLine{decision.tick, decision.kind, decision.element, decision.index,
                               explain::Sentence(decision), 1});
}

void DecisionCollector::RecordFirst(const Decision& decision) {
    if (keepRecords_) records_.insert(records_.begin(), decision);
    pending_.insert(pending_.begin(), LogLine{decision.tick, decision.kind, decision.element,
                                              decision.index, explain::Sentence(decision), 1});
}

std::vector<LogLine> DecisionCollector::Take() {
    std::vector<LogLine> taken;
    taken.swap(pending_);
    return taken;
}

void LessonLog::Append(const std::vector<LogLine>& lines, std::uint64_t moment) {
    for (const LogLine& line : lines) {
        lines_.push_back(line);
        lines_.back().moment = moment;
        lines_.back().serial = ++lastSerial_;
    }
    while (lines_.size() > MaxLines) lines_.pop_front();
}

void LessonLog::Clear() {
    lines_.clear();
    ++cuts_;
}

// Lines go in moment order, so the later ones are all at the end.
void LessonLog::DropAfter(std::uint64_t moment) {
    while (!lines_.empty() && lines_.back().moment > moment) lines_.pop_back();
    ++cuts_;
}

void DecisionCollector::KeepRecords(bool keep) {
    keepRecords_ = keep;
    if (!keep) records_.clear();
}

}  // namespace bridging
