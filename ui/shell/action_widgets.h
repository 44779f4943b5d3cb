// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one table between actions and the controls that make them: the
// network's buttons hand their presses on as actions, and an action that a
// lesson asks for finds the control to outline and describe here, never by a
// widget's name.
#pragma once

#include "common/action.h"
#include "ui/shell/action_sink.h"

class QWidget;

namespace bridging::ui {

class ControlColumn;
class NetworkView;

class ActionWidgets {
public:
    ActionWidgets(const ControlColumn& controls, NetworkView& network)
        : controls_(controls), network_(network) {}

    // The control a user presses for the action (a root button named by its
    // number resolved first); null when no control of the window makes it.
    QWidget* For(const Action& action) const;

private:
    const ControlColumn& controls_;
    NetworkView& network_;
};

// Hands the presses of the bridges' root buttons and of the stations' letter
// and Send buttons to `act`; `window` is the connections' context.
void ConnectNetworkClicks(QWidget& window, NetworkView& network, const ActionSink& act);

}  // namespace bridging::ui
