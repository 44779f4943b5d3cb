// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the context menu from the key table.
#include "ui/shell/context_menu.h"

#include <QMenu>
#include <array>

#include "driver/demo.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

constexpr std::array<const char*, Demo::SpeedIntervalsMs.size()> SpeedNames = {
    "\u00BC\u00D7 (slowest)", "\u00BD\u00D7", "1\u00D7 (normal)", "2\u00D7"};

void AddSpeeds(QMenu& menu, const MenuState& state, const MenuActions& actions) {
    QMenu* speeds = menu.addMenu(QStringLiteral("Speed"));
    for (int speed = 0; speed < static_cast<int>(SpeedNames.size()); ++speed) {
        QAction* action = speeds->addAction(SpeedName(speed));
        action->setCheckable(true);
        action->setChecked(speed == state.speed);
        QObject::connect(action, &QAction::triggered, speeds,
                         [set = actions.setSpeed, speed] { set(speed); });
    }
}

void AddZooms(QMenu& menu, const MenuState& state, const MenuActions& actions) {
    QMenu* zooms = menu.addMenu(QStringLiteral("Zoom"));
    for (int percent : ZoomPercents) {
        QAction* action = zooms->addAction(QStringLiteral("%1 %").arg(percent));
        action->setCheckable(true);
        action->setChecked(percent == state.zoomPercent);
        QObject::connect(action, &QAction::triggered, zooms,
                         [set = actions.setZoomPercent, percent] { set(percent); });
    }
}

// The check boxes' entries show the boxes' state.
std::optional<bool> CheckedState(Command command, const MenuState& state) {
    if (command == Command::Learning) return state.learning;
    if (command == Command::Forwarding) return state.forwarding;
    if (command == Command::Predict) return state.predict;
    return std::nullopt;
}

// Groups of the table are separated where a new kind of command starts.
bool StartsGroup(Command command) {
    return command == Command::Back || command == Command::Faster || command == Command::ZoomIn ||
           command == Command::LessonPanel || command == Command::Kill ||
           command == Command::Learning || command == Command::OneBridge;
}

}  // namespace

QString SpeedName(int speed) {
    if (speed < 0 || speed >= static_cast<int>(SpeedNames.size())) return {};
    return QString::fromUtf8(SpeedNames[static_cast<std::size_t>(speed)]);
}

QMenu* BuildContextMenu(QWidget& parent, const MenuState& state, const MenuActions& actions) {
    auto* menu = new QMenu(&parent);
    menu->setObjectName(QStringLiteral("ContextMenu"));
    for (const KeyBinding& binding : KeyTable()) {
        if (StartsGroup(binding.command)) menu->addSeparator();
        QAction* action = menu->addAction(QString::fromUtf8(binding.text) + QLatin1Char('\t') +
                                          QString::fromUtf8(binding.keyText));
        if (const std::optional<bool> checked = CheckedState(binding.command, state)) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
        QObject::connect(action, &QAction::triggered, menu,
                         [run = actions.run, command = binding.command] { run(command); });
        if (binding.command == Command::Slower) AddSpeeds(*menu, state, actions);
        if (binding.command == Command::FitToScreen) AddZooms(*menu, state, actions);
    }
    return menu;
}

void OpenContextMenu(QWidget& parent, QPoint globalPos, const MenuState& state,
                     const MenuActions& actions) {
    QMenu* menu = BuildContextMenu(parent, state, actions);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

}  // namespace bridging::ui
