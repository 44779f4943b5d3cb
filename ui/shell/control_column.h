// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's fixed controls on the left: the scenario list, Pause, Kill,
// Renumber and Reset, the Learning and Forwarding boxes, and the debug label.
// Each user action on one runs the core's handler and then the window's
// refresh; Show brings them up to date with the core.
#pragma once

#include <functional>
#include <vector>

#include "driver/demo.h"
#include "ui/scene/zoom.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace bridging::ui {

class ControlColumn {
public:
    // The controls are children of `window`, created at their design places.
    // `refresh` follows an action on the core; Pause is the window's own
    // command (`pause`), since it replays the past while looking back.
    ControlColumn(QWidget& window, const Zoom& zoom, Demo& demo, std::function<void()> refresh,
                  const std::function<void()>& pause);

    // Sets every control from the core with its signals blocked, so that only
    // the user is heard.
    void Show() const;
    // The controls in the column's design order.
    std::vector<QWidget*> FocusChain() const;

private:
    QPushButton* AddButton(const char* name, float left, float top, float width, float height,
                           void (Demo::*click)());
    QCheckBox* AddCheckBox(const char* name, float left, float top, float width, float height,
                           void (Demo::*set)(int));

    QWidget& window_;
    const Zoom& zoom_;
    Demo& demo_;
    std::function<void()> refresh_;

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
