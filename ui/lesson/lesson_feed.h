// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window tells after each user action or tick: the decisions just
// reported go into the accessible descriptions of the parts they concern, and
// what the session tells goes to a screen reader; the lesson panel's *now* and
// its follow list are read from the simulation.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "driver/demo.h"
#include "log/lesson_log.h"
#include "ui/lesson/lesson_announcer.h"
#include "ui/shell/tooltips.h"

class QWidget;

namespace bridging::ui {

class LessonPanel;

class LessonFeed {
public:
    // The described parts are those among `window`'s widgets now: create the
    // feed after the network's views.
    LessonFeed(QWidget& window, LessonPanel& panel);

    // The lines of the action or tick just run. After a user action every
    // part is described anew, after a tick only the parts of the elements that
    // the lines concern.
    void Show(const Simulation& now, const std::vector<LogLine>& lines, bool afterUserAction,
              bool running, const std::optional<FollowedElement>& followed);
    // The elements to follow, offered to the panel when it is shown.
    void OfferChoices(const Simulation& now, const std::optional<FollowedElement>& followed);

    // What an action or tick tells, to a screen reader, without moving the focus.
    void Tell(const std::vector<Telling>& tellings, bool afterUserAction) {
        announcer_.Tell(tellings, afterUserAction);
    }

    const LessonAnnouncer& announcer() const { return announcer_; }
    LessonAnnouncer& announcer() { return announcer_; }

private:
    LessonPanel& panel_;
    LessonAnnouncer announcer_;
    std::vector<DescribedPart> described_;
};

}  // namespace bridging::ui
