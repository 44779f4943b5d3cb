// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The packet token: one frame's record and its moving picture. Hosts move it by
// its placement and read or write the frame only through these properties.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/decision.h"
#include "common/face.h"
#include "common/value.h"

namespace bridging {

class Packet {
public:
    // Colours by destination station; entries 1 to 6 are the stations' own colours.
    static constexpr std::array<ColourCode, 9> FillColours = {0x00FFFFFF, 0x00FFC0C0, 0x00FFC0FF,
                                                              0x00FFFFC0, 0x00C0FFC0, 0x00C0FFFF,
                                                              0x00C0C0FF, 0x00C0C0FF, 0x00E0E0E0};
    static constexpr ColourCode BorderGrey = 0x00808080;

    Packet();

    // Frame properties, in the token's interface order. Setters throw
    // ConversionError and leave the field and the face unchanged.
    double Source() const { return source_; }
    void SetSource(const Value& vNewValue);
    std::int16_t Destination() const { return destination_; }
    void SetDestination(const Value& vNewValue);
    double NextHop() const { return nextHop_; }
    void SetNextHop(const Value& vNewValue);
    ColourCode Colour() const { return fill_; }
    void SetColour(const Value& vNewValue);
    std::int16_t Cost() const { return cost_; }
    void SetCost(const Value& vNewValue);
    double XOffset() const { return xOffset_; }
    void SetXOffset(const Value& vNewValue);
    std::int16_t YOffset() const { return yOffset_; }
    void SetYOffset(const Value& vNewValue);
    std::int16_t TimeToLive() const { return timeToLive_; }
    void SetTimeToLive(const Value& vNewValue);
    void AddCost(std::int16_t increment);
    // A spanning-tree frame rather than a station's frame.
    bool IsSpanningTreeFrame() const { return IsSpanningTreeDestination(destination_); }
    bool Visible() const { return faceVisible_; }
    void SetVisible(const Value& vNewValue);
    const std::string& SpanHistory() const { return spanHistory_; }
    void SetSpanHistory(const Value& vNewValue);

    // The face: the label's text over the body's fill and border colours.
    const std::string& ContentsText() const { return contents_; }
    ColourCode FillColour() const { return fill_; }
    ColourCode BorderColour() const { return border_; }

    bool operator==(const Packet&) const = default;

    // Set by the host: where the token stands and whether the host shows it
    // (a hidden pool token is free). Not the token's own `Visible`.
    Placement place;

private:
    void RefreshContents();

    double source_ = 0;
    std::int16_t destination_ = 0;
    double nextHop_ = 0;
    std::int16_t cost_ = 0;
    double xOffset_ = 0;
    std::int16_t yOffset_ = 0;
    std::int16_t timeToLive_ = 0;
    bool faceVisible_ = true;
    std::string spanHistory_;

    std::string contents_ = "X:X:0";
    ColourCode fill_ = 0x00FFC0C0;
    ColourCode border_ = BorderGrey;
};

}  // namespace bridging
