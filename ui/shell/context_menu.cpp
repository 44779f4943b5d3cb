// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the context menu from the key table.
#include "ui/shell/context_menu.h"

#include <QMenu>
#include <array>
#include <cmath>

#include "driver/demo.h"
#include "explain/building.h"
#include "network/history.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

constexpr std::array<const char*, SpeedIntervalsMs.size()> SpeedNames = {
    "\u00BC\u00D7 (slowest)", "\u00BD\u00D7", "1\u00D7 (normal)", "2\u00D7"};

void AddSpeeds(QMenu& menu, const MenuState& state, const ActionSink& act) {
    QMenu* speeds = menu.addMenu(QStringLiteral("Speed"));
    for (int speed = 0; speed < static_cast<int>(SpeedNames.size()); ++speed) {
        QAction* action = speeds->addAction(SpeedName(speed));
        action->setCheckable(true);
        action->setChecked(speed == state.speed);
        QObject::connect(action, &QAction::triggered, speeds,
                         [act, speed] { act(Act(ActionKind::SetSpeed, speed)); });
    }
}

void AddZooms(QMenu& menu, const MenuState& state, const ActionSink& act) {
    QMenu* zooms = menu.addMenu(QStringLiteral("Zoom"));
    for (int percent : ZoomPercents) {
        QAction* action = zooms->addAction(QStringLiteral("%1 %").arg(percent));
        action->setCheckable(true);
        action->setChecked(percent == state.zoomPercent);
        QObject::connect(action, &QAction::triggered, zooms,
                         [act, percent] { act(Act(ActionKind::SetZoom, percent)); });
    }
}

// The check boxes' entries show the boxes' state.
std::optional<bool> CheckedState(const Action& action, const MenuState& state) {
    if (action.kind == ActionKind::ToggleLearning) return state.learning;
    if (action.kind == ActionKind::ToggleForwarding) return state.forwarding;
    if (action.kind == ActionKind::TogglePredict) return state.predict;
    if (action.kind == ActionKind::ToggleBuild) return state.building;
    return std::nullopt;
}

// Groups of the table are separated where a new kind of action starts.
bool StartsGroup(const Action& action) {
    using enum ActionKind;
    const ActionKind kind = action.kind;
    return kind == Back || kind == Faster || kind == ZoomIn || kind == TogglePanel ||
           kind == Kill || kind == ToggleLearning || (kind == PickScenario && action.index == 0) ||
           kind == ToggleBuild || kind == OpenNetwork;
}

}  // namespace

MenuState MenuStateOf(const session::Session& session, double zoomFactor) {
    const Simulation& now = session.State();
    MenuState state;
    state.speed = session.SpeedShown();
    state.zoomPercent = static_cast<int>(std::lround(zoomFactor * 100));
    state.learning = now.chkLearn().value != 0;
    state.forwarding = now.chkForward().value != 0;
    state.predict = session.Predict().Questions().On();
    state.building = session.Building();
    if (const network::EditHistory* edits = session.Edits(); edits != nullptr && state.building) {
        if (const auto undo = network::UndoLabel(*edits))
            state.undo = explain::UndoMenuText(undo, false);
        if (const auto redo = network::RedoLabel(*edits))
            state.redo = explain::UndoMenuText(redo, true);
    }
    return state;
}

QString SpeedName(int speed) {
    if (speed < 0 || speed >= static_cast<int>(SpeedNames.size())) return {};
    return QString::fromUtf8(SpeedNames[static_cast<std::size_t>(speed)]);
}

QMenu* BuildContextMenu(QWidget& parent, const MenuState& state, const ActionSink& act) {
    auto* menu = new QMenu(&parent);
    menu->setObjectName(QStringLiteral("ContextMenu"));
    for (const KeyBinding& binding : KeyTable()) {
        if (StartsGroup(binding.action)) menu->addSeparator();
        QString text = QString::fromUtf8(binding.text);
        // Undo and Redo name the step they would take, and are greyed without one.
        const bool undo = binding.action.kind == ActionKind::Undo;
        const bool redo = binding.action.kind == ActionKind::Redo;
        if (undo && !state.undo.empty()) text = QString::fromStdString(state.undo);
        if (redo && !state.redo.empty()) text = QString::fromStdString(state.redo);
        QAction* action =
            menu->addAction(text + QLatin1Char('\t') + QString::fromUtf8(binding.keyText));
        if ((undo && state.undo.empty()) || (redo && state.redo.empty())) action->setEnabled(false);
        if (const std::optional<bool> checked = CheckedState(binding.action, state)) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
        QObject::connect(action, &QAction::triggered, menu,
                         [act, chosen = binding.action] { act(chosen); });
        if (binding.action.kind == ActionKind::Slower) AddSpeeds(*menu, state, act);
        if (binding.action.kind == ActionKind::FitToScreen) AddZooms(*menu, state, act);
    }
    return menu;
}

void OpenContextMenu(QWidget& parent, QPoint globalPos, const MenuState& state,
                     const ActionSink& act) {
    QMenu* menu = BuildContextMenu(parent, state, act);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

}  // namespace bridging::ui
