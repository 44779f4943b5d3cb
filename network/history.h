// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's history: every edit since the network was opened or started,
// undoable and redoable one step at a time, each step with its menu label.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "network/edit.h"
#include "network/plan.h"

namespace bridging::network {

// One step: the plan on the other side of it and what it is called.
struct HistoryStep {
    Plan plan;
    StepLabel label;
    bool operator==(const HistoryStep&) const = default;
};

// The plan being edited, the steps that undo leads back through (latest last)
// and the steps that redo leads forward through (next last). A new edit clears
// the redo steps. Plans are small, so each step keeps a whole one.
struct EditHistory {
    Plan current;
    std::vector<HistoryStep> undo;
    std::vector<HistoryStep> redo;
    bool operator==(const EditHistory&) const = default;
};

// Steps kept; beyond it the oldest goes. Far more than a lesson's worth of edits.
inline constexpr std::size_t HistoryLimit = 10000;

// A history starting at `plan` (a built-in network, an opened file or an empty drawing).
EditHistory StartHistory(Plan plan);

// Applies the edit as one step; a refused edit leaves the history as it was.
// An edit that changes nothing is accepted and makes no step.
Outcome Perform(EditHistory& history, const Edit& edit);

// One step back or forward; false when there is none.
bool Undo(EditHistory& history);
bool Redo(EditHistory& history);

// The labels the Edit menu shows for Undo and Redo; none when there is no step.
std::optional<StepLabel> UndoLabel(const EditHistory& history);
std::optional<StepLabel> RedoLabel(const EditHistory& history);

}  // namespace bridging::network
