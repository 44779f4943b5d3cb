// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window asks before a network file is opened or saved: which file,
// and what becomes of unsaved edits (Save, Discard or Cancel) before they
// would be lost, by opening, starting afresh or closing the window; and the
// box that tells why a file could not be opened or saved.
#pragma once

#include <optional>

#include "common/action.h"
#include "session/outcome.h"
#include "ui/shell/action_sink.h"

class QWidget;

namespace bridging::session {
class Session;
}

namespace bridging::ui {

// The extension of network files, and the file dialogs' filter.
inline constexpr const char* NetworkExtension = "bridging";

class NetworkFiles {
public:
    NetworkFiles(QWidget& window, const session::Session& session);

    // The action as the session is to take it: the file asked for where the
    // action names none, and unsaved edits saved (through `act`) or given up
    // first. None when the user cancels.
    std::optional<Action> Complete(const Action& action, const ActionSink& act);
    // Whether the window may close now: unsaved edits are saved or given up.
    bool MayClose(const ActionSink& act);
    // The box that says why a file could not be opened or saved.
    void ShowFailure(const session::FileFailed& failed);

private:
    bool KeepEditsSafe(const ActionSink& act);

    QWidget& window_;
    const session::Session& session_;
};

}  // namespace bridging::ui
