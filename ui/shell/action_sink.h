// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the window's widgets, keys and menu hand what the user did: every
// control turns its input into an Action and gives it here, and nowhere else.
#pragma once

#include <functional>

#include "common/action.h"

namespace bridging::ui {

using ActionSink = std::function<void(const Action&)>;

}  // namespace bridging::ui
