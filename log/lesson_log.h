// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson log: the records of one user action or tick collected as the
// core reports them, merged where a storm repeats itself, and the last lines
// kept with the tick and the moment they were written in, for the lesson panel
// to show. Plain data in standard types, no toolkit.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "driver/account.h"

namespace bridging {

struct LogLine {
    std::uint64_t tick = 0;
    DecisionKind kind = DecisionKind::Kill;
    ElementKind element = ElementKind::Window;
    int index = -1;
    std::string sentence;
    int times = 1;  // records of the same kind for the same element in the tick
    // The window's count of the user actions and ticks it has run, at the one
    // that wrote the line: the lines of one moment are the outcome of one step.
    std::uint64_t moment = 0;
    // The line's place among all the lines the log has kept, counting from 1.
    std::uint64_t serial = 0;
};

// "12  Bridge #1 learns A on port A (upper side)."; a merged line says how often.
std::string LineText(const LogLine& line);

// Whether a listener hears lines of this kind as they happen, whatever element
// is followed: the landmarks, which a sighted class sees happen on the
// drawing; Pause and Resume, a stop before a tick and a new future; and the
// window's commands that a key gives from anywhere (Kill, Reset, Renumber,
// Learning, Forwarding). The panel's log shows them too, but a screen reader
// does not read a text that grows unless it has the focus.
bool ToldAsItHappens(DecisionKind kind);

// An element the reader follows; none follows everything.
struct FollowedElement {
    ElementKind element = ElementKind::Window;
    int index = -1;
    bool operator==(const FollowedElement&) const = default;
};
bool Shows(const std::optional<FollowedElement>& followed, const LogLine& line);

// Collects the records of one action or tick. The words are made once per new
// line: a repeat only counts.
class DecisionCollector : public DecisionAccount {
public:
    void Record(const Decision& decision) override;
    // A line that goes before those collected so far.
    void RecordFirst(const Decision& decision);
    bool Empty() const { return pending_.empty(); }
    // The lines collected since the last call, in the order of their first record.
    std::vector<LogLine> Take();
    // Keeps the records themselves too, for a reader that needs their facts
    // (a lesson's goals); off, nothing is kept.
    void KeepRecords(bool keep);
    std::vector<Decision> TakeRecords() { return std::exchange(records_, {}); }

private:
    std::vector<LogLine> pending_;
    bool keepRecords_ = false;
    std::vector<Decision> records_;
};

// The last lines of the lesson, oldest first.
class LessonLog {
public:
    static constexpr std::size_t MaxLines = 5000;

    // Keeps the lines as written in `moment`; the oldest go beyond MaxLines.
    void Append(const std::vector<LogLine>& lines, std::uint64_t moment);
    void Clear();
    // Forgets the lines written after `moment`: a new future starts there.
    void DropAfter(std::uint64_t moment);
    const std::deque<LogLine>& Lines() const { return lines_; }
    // How often lines have gone other than the oldest beyond MaxLines: a view
    // that saw fewer shows the log afresh, and otherwise adds the lines after
    // the last serial it shows.
    std::uint64_t Cuts() const { return cuts_; }

private:
    std::deque<LogLine> lines_;
    std::uint64_t lastSerial_ = 0;
    std::uint64_t cuts_ = 0;
};

}  // namespace bridging
