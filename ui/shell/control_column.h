// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's fixed controls on the left: the scenario list, Pause, Kill,
// Renumber and Reset, the Learning and Forwarding boxes, and the debug label.
// Each user action on one is handed on as an Action; Show brings them up to
// date with the simulation.
#pragma once

#include <functional>
#include <vector>

#include "driver/demo.h"
#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace bridging::ui {

class ControlColumn {
public:
    // The controls are children of `window`, created at their design places.
    ControlColumn(QWidget& window, const Zoom& zoom, ActionSink act);

    // Sets every control from the simulation with its signals blocked, so
    // that only the user is heard.
    void Show(const Simulation& now) const;
    // The controls in the column's design order.
    std::vector<QWidget*> FocusChain() const;
    // The control that makes an action of the column, or null.
    QWidget* ControlFor(ActionKind kind) const;

private:
    QPushButton* AddButton(const char* name, float left, float top, float width, float height,
                           ActionKind click);
    QCheckBox* AddCheckBox(const char* name, float left, float top, float width, float height,
                           ActionKind set);

    QWidget& window_;
    const Zoom& zoom_;
    ActionSink act_;

    QComboBox* combo1_ = nullptr;
    QPushButton* btnPause_ = nullptr;
    QPushButton* btnKill_ = nullptr;
    QPushButton* btnCost_ = nullptr;
    QPushButton* btnReset_ = nullptr;
    QCheckBox* chkLearn_ = nullptr;
    QCheckBox* chkForward_ = nullptr;
    QLabel* debugNote_ = nullptr;
};

}  // namespace bridging::ui
