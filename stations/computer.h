// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer station: a letter button that makes it the destination of new
// frames, a Send button that asks the host to send a frame from it, and the red
// mark of a frame that has arrived for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "common/decision.h"
#include "common/face.h"
#include "common/value.h"
#include "stations/packet.h"

namespace bridging {

// What a press of one of the station's buttons raised, as its events name it.
struct ComputerEvents {
    // The letter: this station becomes the destination of new frames.
    bool zSetSource = false;
    // Send: the frame the host is to launch, built in the station's own token.
    std::optional<Packet> zPacketGo;
    // A record of a decision (a Send ignored while marked); the host fills in
    // which station and when.
    std::optional<Decision> zDecision;
};

class Computer {
public:
    // `Number` from this value up is the mark of a received frame.
    static constexpr std::int16_t Marked = 100;
    static constexpr ColourCode MarkRed = 0x000000FF;
    // Letter-button colours of stations A to F: a station wears the colour of
    // the frames addressed to it, the token's own table.
    static constexpr std::array<ColourCode, 6> StationColours = [] {
        std::array<ColourCode, 6> colours{};
        for (std::size_t k = 0; k < colours.size(); ++k) colours[k] = Packet::FillColours[k + 1];
        return colours;
    }();

    Computer();

    std::int16_t Number() const { return number_; }
    // Converts directly (TypeMismatchError for a non-number, OverflowError outside
    // 16 bits); above 10 the station is marked and `Number` reads 100.
    void SetNumber(const Value& vNewValue);

    // The presses of the two buttons.
    ComputerEvents Command1_Click() const;
    ComputerEvents btnKeys_Click();

    // The face.
    const ButtonFace& Command1() const { return command1_; }
    const ButtonFace& btnKeys() const { return btnKeys_; }
    const Packet& OwnPacket() const { return packet1_; }

    bool operator==(const Computer&) const = default;

    Placement place;

private:
    void ShowNumber();

    std::int16_t number_ = 0;
    ButtonFace command1_{"A", 0x00FFC0FF};
    ButtonFace btnKeys_{"Send", 0x00FFC0C0};
    Packet packet1_;
};

}  // namespace bridging
