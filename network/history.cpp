// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo and redo over whole plans.
#include "network/history.h"

#include <utility>

namespace bridging::network {

EditHistory StartHistory(Plan plan) { return EditHistory{std::move(plan), {}, {}}; }

Outcome Perform(EditHistory& history, const Edit& edit) {
    Outcome outcome = Apply(history.current, edit);
    const Plan* next = std::get_if<Plan>(&outcome);
    if (next == nullptr || *next == history.current) return outcome;
    StepLabel label = LabelOf(history.current, edit);
    history.undo.push_back({std::move(history.current), label});
    if (history.undo.size() > HistoryLimit) history.undo.erase(history.undo.begin());
    history.redo.clear();
    history.current = *next;
    return outcome;
}

namespace {

// Moves the current plan to `to` and takes the latest step of `from`.
bool Travel(EditHistory& history, std::vector<HistoryStep>& from, std::vector<HistoryStep>& to) {
    if (from.empty()) return false;
    HistoryStep step = std::move(from.back());
    from.pop_back();
    to.push_back({std::move(history.current), step.label});
    history.current = std::move(step.plan);
    return true;
}

}  // namespace

bool Undo(EditHistory& history) { return Travel(history, history.undo, history.redo); }
bool Redo(EditHistory& history) { return Travel(history, history.redo, history.undo); }

std::optional<StepLabel> UndoLabel(const EditHistory& history) {
    if (history.undo.empty()) return std::nullopt;
    return history.undo.back().label;
}

std::optional<StepLabel> RedoLabel(const EditHistory& history) {
    if (history.redo.empty()) return std::nullopt;
    return history.redo.back().label;
}

}  // namespace bridging::network
