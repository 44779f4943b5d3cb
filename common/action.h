// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One user action as a plain value: what a widget, a key, the context menu, a
// lesson's "Show me", a test or a fuzzer asks of the program. They all name
// what the user did in this one vocabulary and hand it to the same place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "common/decision.h"
#include "network/edit.h"

namespace bridging {

enum class ActionKind : std::uint8_t {
    // The scenario list: its whole text after an edit (`text`), or entry `index` picked.
    TypeScenario,
    PickScenario,
    // The control column.
    PauseResume,
    Kill,
    Renumber,
    Reset,
    SetLearning,  // the box set to `index` (0 or 1), as a click leaves it
    SetForwarding,
    ToggleLearning,  // the box turned over, as its key does
    ToggleForwarding,
    // The network's own buttons, by the element's index.
    Letter,
    Send,
    RootButton,
    // The root button of the shown bridge that wears the number `index`.
    RootButtonNumbered,
    // Time: one tick (or moment) on, and the moves through the moments kept.
    Step,
    Back,
    BackTen,
    ForwardTen,
    Oldest,
    Newest,
    GoTo,  // to `moment`
    Faster,
    Slower,
    SetSpeed,  // to speed `index`
    // Predict mode.
    TogglePredict,
    SetPredict,     // on when `index` is 1
    SetAskEvery,    // on when `index` is 1
    SetStopBefore,  // the choice `index`
    Answer,         // answer `index` (0 is the first) of the question waiting
    WatchAgain,
    // The lesson log.
    Follow,    // the lines of `element` `index`; ElementKind::Window is everything
    ClearLog,  // the log emptied and the score started afresh
    // Lessons.
    ToggleLessons,
    StartLesson,  // lesson `index`
    ShowMe,
    TryAgain,
    Skip,
    LeaveLesson,
    // OK on the dispatcher's message.
    CloseMessage,
    // Building a network.
    ToggleBuild,   // into build mode, or out of it, which builds the network
    RunNetwork,    // out of build mode: the network built and the frames going
    StartNetwork,  // build afresh from built-in network `index` (0 to 4), or an empty drawing (5)
    Select,        // the editor's keys and the panel act on element `target`
    Edit,          // the plan changed by `edit`
    Undo,
    Redo,
    OpenNetwork,  // the network file `text`
    SaveNetwork,  // the network, into the file `text`
    // The window's own view, which changes nothing in the simulation.
    TogglePanel,
    ZoomIn,
    ZoomOut,
    ActualSize,
    FitToScreen,
    SetZoom,  // to `index` per cent
    // The keyboard's short ways: the focus to the next or the previous pane
    // (the control column, the network, the lesson panel), and to the control
    // that the lesson's step asks for.
    NextPane,
    PreviousPane,
    GoToAsked,
};

struct Action {
    ActionKind kind = ActionKind::Kill;
    int index = 0;
    std::uint64_t moment = 0;
    ElementKind element = ElementKind::Window;
    std::string text;
    network::Element target;
    std::optional<network::Edit> edit;
    bool operator==(const Action&) const = default;
};

inline Action Act(ActionKind kind, int index = 0) {
    Action action;
    action.kind = kind;
    action.index = index;
    return action;
}
inline Action EditAction(network::Edit edit) {
    Action action = Act(ActionKind::Edit);
    action.edit = std::move(edit);
    return action;
}

// Whether the action only changes how the window shows things.
constexpr bool ChangesOnlyTheView(ActionKind kind) {
    return kind == ActionKind::TogglePanel || kind == ActionKind::ZoomIn ||
           kind == ActionKind::ZoomOut || kind == ActionKind::ActualSize ||
           kind == ActionKind::FitToScreen || kind == ActionKind::SetZoom ||
           kind == ActionKind::NextPane || kind == ActionKind::PreviousPane;
}

}  // namespace bridging
