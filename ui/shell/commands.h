// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user's commands do to the core: the commands of the key table
// that are the core's, and the clicks on the network's buttons. The window
// refreshes after each of them.
#pragma once

#include <functional>

#include "driver/demo.h"
#include "ui/scene/network_view.h"
#include "ui/shell/keys.h"

class QWidget;

namespace bridging::ui {

// Runs a command on the core; false for the window's own commands (zoom,
// fitting and the lesson panel), which it leaves to the window.
bool RunOnCore(Demo& demo, Command command);

// Wires the root buttons of the bridges and the letter and Send buttons of the
// stations to the core's handlers, each followed by `refresh`; `window` is the
// connections' context.
void ConnectNetworkClicks(QWidget& window, Demo& demo, NetworkView& network,
                          const std::function<void()>& refresh);

}  // namespace bridging::ui
