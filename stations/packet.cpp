// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The packet token's setters and the refresh that keeps its label and body
// colour in step with the addressing fields.
#include "stations/packet.h"

namespace bridging {

Packet::Packet() = default;

void Packet::SetSource(const Value& vNewValue) {
    source_ = LeadingNumberOf(vNewValue);
    RefreshContents();
}

void Packet::SetDestination(const Value& vNewValue) {
    destination_ = ToInt16(LeadingNumberOf(vNewValue));
    RefreshContents();
}

void Packet::SetNextHop(const Value& vNewValue) { nextHop_ = LeadingNumberOf(vNewValue); }

void Packet::SetColour(const Value& vNewValue) { fill_ = ToInt32(LeadingNumberOf(vNewValue)); }

void Packet::SetCost(const Value& vNewValue) { cost_ = ToInt16(LeadingNumberOf(vNewValue)); }

void Packet::SetXOffset(const Value& vNewValue) { xOffset_ = LeadingNumberOf(vNewValue); }

void Packet::SetYOffset(const Value& vNewValue) { yOffset_ = ToInt16(LeadingNumberOf(vNewValue)); }

void Packet::SetTimeToLive(const Value& vNewValue) {
    timeToLive_ = ToInt16(LeadingNumberOf(vNewValue));
}

void Packet::AddCost(std::int16_t increment) {
    cost_ = ToInt16(static_cast<double>(cost_) + increment);
    RefreshContents();
}

void Packet::SetVisible(const Value& vNewValue) { faceVisible_ = ToBoolean(vNewValue); }

void Packet::SetSpanHistory(const Value& vNewValue) { spanHistory_ = TextForm(vNewValue); }

// A station frame reads "destination:source" in letters; a spanning-tree frame
// (destination 0) reads "S:root digit:cost". Codes that form no character show "?".
void Packet::RefreshContents() {
    const double source = RoundHalfEven(source_);
    std::string first = "S";
    std::string second = CharacterOf(48 + source);
    if (destination_ >= 1) {
        first = CharacterOf(64 + destination_);
        second = CharacterOf(64 + source);
    }
    contents_ = first + ":" + second;
    if (IsSpanningTreeFrame()) contents_ += ":" + NumberText(cost_);
    if (destination_ >= 1 && destination_ < static_cast<int>(FillColours.size())) {
        fill_ = FillColours[static_cast<std::size_t>(destination_)];
    }
    border_ = BorderGrey;
}

}  // namespace bridging
