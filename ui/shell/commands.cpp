// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's handler behind each command and each button of the network.
#include "ui/shell/commands.h"

#include <QPushButton>
#include <QWidget>

#include "ui/scene/bridge_view.h"
#include "ui/scene/computer_view.h"

namespace bridging::ui {

bool RunOnCore(Demo& demo, Command command) {
    switch (command) {
        case Command::PauseResume:
            demo.btnPause_Click();
            return true;
        case Command::Step:
            demo.Step();
            return true;
        case Command::Faster:
            demo.Faster();
            return true;
        case Command::Slower:
            demo.Slower();
            return true;
        case Command::Back:
        case Command::BackTen:
        case Command::ForwardTen:
        case Command::Oldest:
        case Command::Newest:
        case Command::ZoomIn:
        case Command::ZoomOut:
        case Command::ActualSize:
        case Command::FitToScreen:
        case Command::LessonPanel:
        case Command::Predict:
        case Command::Lessons:
            return false;
        case Command::Kill:
            demo.btnKill_Click();
            return true;
        case Command::Renumber:
            demo.btnCost_Click();
            return true;
        case Command::Reset:
            demo.btnReset_Click();
            return true;
        case Command::Learning:
            demo.SetChkLearn(demo.chkLearn().value == 0 ? 1 : 0);
            return true;
        case Command::Forwarding:
            demo.SetChkForward(demo.chkForward().value == 0 ? 1 : 0);
            return true;
        case Command::OneBridge:
        case Command::TwoBridges:
        case Command::TwoManual:
        case Command::FourBridges:
        case Command::FullNetwork:
            demo.PickCombo1(ScenarioIndex(command));
            return true;
    }
    return false;
}

void ConnectNetworkClicks(QWidget& window, Demo& demo, NetworkView& network,
                          const std::function<void()>& refresh) {
    for (int k = 0; k < BridgeCount; ++k) {
        QObject::connect(&network.bridge(k).btnSpanTree(), &QPushButton::clicked, &window,
                         [&demo, refresh, k] {
                             demo.Bridge1_btnSpanTree_Click(k);
                             refresh();
                         });
    }
    for (int k = 0; k < ComputerCount; ++k) {
        ComputerView& view = network.computer(k);
        // Checked tells assistive technology which station is the destination;
        // the button's style sheet draws it the same either way.
        view.Command1().setCheckable(true);
        // Toggled, not clicked: an accessible toggle does not click. The
        // refresh checks the button with its signals blocked.
        QObject::connect(&view.Command1(), &QPushButton::toggled, &window, [&demo, refresh, k] {
            demo.Computer1_Command1_Click(k);
            refresh();
        });
        QObject::connect(&view.btnKeys(), &QPushButton::clicked, &window, [&demo, refresh, k] {
            demo.Computer1_btnKeys_Click(k);
            refresh();
        });
    }
}

}  // namespace bridging::ui
