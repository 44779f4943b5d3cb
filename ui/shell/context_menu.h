// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's context menu: every command of the key table with its key, in
// the table's order, and the speeds and zoom levels to choose from with the
// current ones checked. It is how a mouse user finds the keyboard's commands.
#pragma once

#include <string>

#include <QPoint>
#include <QString>
#include <functional>

#include "session/session.h"
#include "ui/shell/action_sink.h"
#include "ui/shell/keys.h"

class QMenu;
class QWidget;

namespace bridging::ui {

// What the menu shows checked.
struct MenuState {
    int speed = 0;  // an index into SpeedIntervalsMs
    int zoomPercent = 100;
    bool learning = false;
    bool forwarding = false;
    bool predict = false;
    // Building a network: whether it is under way, and what Undo and Redo
    // would do ("Undo: add bridge 3"), empty when there is nothing to do.
    bool building = false;
    std::string undo{};
    std::string redo{};
};

// What the menu shows checked for the session as it stands at a zoom factor.
MenuState MenuStateOf(const session::Session& session, double zoomFactor);

// "1× (normal)": a speed as the menu and the lesson panel name it.
QString SpeedName(int speed);

// The menu, owned by `parent`; a chosen entry hands its action to `act`.
QMenu* BuildContextMenu(QWidget& parent, const MenuState& state, const ActionSink& act);

// Builds the menu and opens it at `globalPos`; it deletes itself once closed.
void OpenContextMenu(QWidget& parent, QPoint globalPos, const MenuState& state,
                     const ActionSink& act);

}  // namespace bridging::ui
