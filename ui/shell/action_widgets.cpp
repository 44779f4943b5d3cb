// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The network's buttons as actions, and the control behind each action.
#include "ui/shell/action_widgets.h"

#include <QPushButton>
#include <QWidget>

#include "driver/demo.h"
#include "ui/scene/bridge_view.h"
#include "ui/scene/computer_view.h"
#include "ui/scene/network_view.h"
#include "ui/shell/control_column.h"

namespace bridging::ui {

QWidget* ActionWidgets::For(const Action& action) const {
    const int k = action.index;
    switch (action.kind) {
        case ActionKind::Letter:
            return k >= 0 && k < ComputerCount ? &network_.computer(k).Command1() : nullptr;
        case ActionKind::Send:
            return k >= 0 && k < ComputerCount ? &network_.computer(k).btnKeys() : nullptr;
        case ActionKind::RootButton:
            return k >= 0 && k < BridgeCount ? &network_.bridge(k).btnSpanTree() : nullptr;
        default:
            return controls_.ControlFor(action.kind);
    }
}

void ConnectNetworkClicks(QWidget& window, NetworkView& network, const ActionSink& act) {
    for (int k = 0; k < BridgeCount; ++k) {
        QObject::connect(&network.bridge(k).btnSpanTree(), &QPushButton::clicked, &window,
                         [act, k] { act(Act(ActionKind::RootButton, k)); });
    }
    for (int k = 0; k < ComputerCount; ++k) {
        ComputerView& view = network.computer(k);
        // Checked tells assistive technology which station is the destination;
        // the button's style sheet draws it the same either way.
        view.Command1().setCheckable(true);
        // Toggled, not clicked: an accessible toggle does not click. The
        // window checks the button again with its signals blocked.
        QObject::connect(&view.Command1(), &QPushButton::toggled, &window,
                         [act, k] { act(Act(ActionKind::Letter, k)); });
        QObject::connect(&view.btnKeys(), &QPushButton::clicked, &window,
                         [act, k] { act(Act(ActionKind::Send, k)); });
    }
}

}  // namespace bridging::ui
