// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The station's number and face, and what its two buttons do.
#include "stations/computer.h"

namespace bridging {

Computer::Computer() { packet1_.place = Placement{600, 2000, 1575, 975, true}; }

void Computer::SetNumber(const Value& vNewValue) {
    const std::int16_t number = ToInt16(DirectNumber(vNewValue));
    number_ = number > 10 ? Marked : number;
    ShowNumber();
}

// 0 to 5 are the six stations; 6 to 9 and negatives only get a letter, 10 changes
// nothing, the mark turns the button red and keeps its letter.
void Computer::ShowNumber() {
    if (number_ == Marked) {
        command1_.backColour = MarkRed;
        return;
    }
    if (number_ == 10) return;
    command1_.caption = CharacterOf(65 + number_);
    if (number_ >= 0 && number_ < static_cast<int>(StationColours.size())) {
        command1_.backColour = StationColours[static_cast<std::size_t>(number_)];
    }
}

ComputerEvents Computer::Command1_Click() const {
    ComputerEvents raised;
    raised.zSetSource = true;
    return raised;
}

ComputerEvents Computer::btnKeys_Click() {
    ComputerEvents raised;
    if (number_ >= 99) {
        Decision decision;
        decision.kind = DecisionKind::SendIgnored;
        raised.zDecision = decision;
        return raised;
    }
    packet1_.SetSpanHistory("");
    packet1_.place.Top = 960;
    packet1_.SetCost(0);
    packet1_.SetColour(0x00FF0000);
    packet1_.SetDestination(number_ + 1);
    packet1_.SetSource(number_ + 1);
    packet1_.SetTimeToLive(8);
    raised.zPacketGo = packet1_;
    packet1_.place.Top = 2000;
    return raised;
}

}  // namespace bridging
