// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each control's handler, as the window's widgets call it.
#include "lessons/press.h"

namespace bridging::lessons {

int PressedIndex(const Simulation& now, const Press& press) {
    if (press.control != Control::RootButton || !press.byNumber) return press.index;
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& bridge = now.Bridge1[static_cast<std::size_t>(k)];
        if (bridge.place.Visible && bridge.BridgeNumber() == press.index) return k;
    }
    return -1;
}

void PerformPress(Demo& demo, const Press& press) {
    const int k = PressedIndex(demo.State(), press);
    switch (press.control) {
        case Control::Send:
            demo.Computer1_btnKeys_Click(k);
            break;
        case Control::Letter:
            demo.Computer1_Command1_Click(k);
            break;
        case Control::RootButton:
            demo.Bridge1_btnSpanTree_Click(k);
            break;
        case Control::Learning:
            demo.SetChkLearn(k);
            break;
        case Control::Forwarding:
            demo.SetChkForward(k);
            break;
        case Control::Pause:
            demo.btnPause_Click();
            break;
        case Control::Kill:
            demo.btnKill_Click();
            break;
        case Control::Renumber:
            demo.btnCost_Click();
            break;
        case Control::Reset:
            demo.btnReset_Click();
            break;
        case Control::Scenario:
            demo.PickCombo1(k);
            break;
    }
}

}  // namespace bridging::lessons
