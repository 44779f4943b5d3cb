// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The timeline behind each command of time.
#include "ui/shell/travel.h"

#include <algorithm>

#include "explain/timeline.h"

namespace bridging::ui {

namespace {

constexpr history::Moment Ten = 10;

}  // namespace

bool MarksTheTimeline(const std::vector<LogLine>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const LogLine& line) {
        return line.kind == DecisionKind::FrameArrives || line.kind == DecisionKind::Blocks ||
               line.kind == DecisionKind::AdoptsRoot ||
               line.kind == DecisionKind::RunOutOfPackets ||
               line.kind == DecisionKind::NoSegmentBelow;
    });
}

Decision WentBackTo(std::uint64_t tick) {
    Decision decision;
    decision.kind = DecisionKind::WentBack;
    decision.tick = tick;
    decision.previous = static_cast<double>(tick);
    return decision;
}

std::string MovedInTimeText(const Demo& demo, bool lookingBack) {
    const auto frames =
        static_cast<int>(std::count_if(demo.Packet1.begin(), demo.Packet1.end(),
                                       [](const Packet& token) { return token.place.Visible; }));
    return explain::MovedInTime(demo.TickCount(), frames, lookingBack);
}

bool MovesInTime(Command command) {
    return command == Command::Back || command == Command::BackTen ||
           command == Command::ForwardTen || command == Command::Oldest ||
           command == Command::Newest;
}

bool RunInTime(history::Timeline& timeline, Command command) {
    switch (command) {
        case Command::Back:
            timeline.Back(1);
            return true;
        case Command::BackTen:
            timeline.Back(Ten);
            return true;
        case Command::ForwardTen:
            timeline.Forward(Ten);
            return true;
        case Command::Oldest:
            timeline.GoTo(timeline.Oldest());
            return true;
        case Command::Newest:
            timeline.GoTo(timeline.Newest());
            return true;
        case Command::Step:
            if (!timeline.LookingBack()) return false;
            timeline.Forward(1);
            return true;
        case Command::PauseResume:
            if (timeline.Replaying()) {
                timeline.StopReplay();
            } else if (timeline.LookingBack()) {
                timeline.StartReplay();
            } else {
                return false;
            }
            return true;
        case Command::Faster:
        case Command::Slower:
            if (!timeline.LookingBack()) return false;
            timeline.SetReplaySpeed(timeline.ReplaySpeed() + (command == Command::Faster ? 1 : -1));
            return true;
        default:
            return false;
    }
}

}  // namespace bridging::ui
