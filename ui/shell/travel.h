// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands of time: moving through the kept moments and replaying them,
// and what Pause, Step and the speed mean while the window looks back.
#pragma once

#include <string>
#include <vector>

#include "history/timeline.h"
#include "log/lesson_log.h"
#include "ui/shell/keys.h"

namespace bridging::ui {

// Runs a command that concerns time; false for any other, and for Pause, Step
// and the speed at the present, which are the core's as always.
bool RunInTime(history::Timeline& timeline, Command command);

// Whether a command moves in time (and so shows the lesson panel).
bool MovesInTime(Command command);

// Whether a moment's lines earn it a mark on the timeline: a frame reaching
// its station, a block, a new root, a message.
bool MarksTheTimeline(const std::vector<LogLine>& lines);

// The log's record of a new future started at a moment of tick `tick`.
Decision WentBackTo(std::uint64_t tick);

// What a screen reader hears after a move in time.
std::string MovedInTimeText(const Demo& demo, bool lookingBack);

}  // namespace bridging::ui
