// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bridge's creation, its properties and their side effects, the text form of
// its learning tables (both ways) and the labels of its face.
#include "bridge/bridge.h"

#include <cstddef>

namespace bridging {

namespace {

constexpr std::size_t TablePositions = std::tuple_size_v<StationTable>;
constexpr char ItemSeparator = ':';
// The character that stands in for a code point the bridge's character set lacks.
constexpr int UnformableCode = '?';

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code of the first character of a UTF-8 text. A broken sequence counts as
// its first byte, so every byte of arbitrary text still yields some code.
int FirstCodePoint(const std::string& text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    int code = 0;
    int lowest = 0;
    if (lead < 0x80) return lead;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return lead;
    }
    if (text.size() < length) return lead;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuationByte(byte)) return lead;
        code = (code << 6) | (byte & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < lowest || code > 0x10FFFF || surrogate) return lead;
    return code;
}

// The station an item names: its first character's code minus 64. An empty item,
// or one whose first character the bridge cannot hold, names none (-1).
std::int16_t StationOfItem(const std::string& item) {
    if (item.empty()) return -1;
    int code = FirstCodePoint(item);
    if (code > 255) code = UnformableCode;
    return static_cast<std::int16_t>(code - 64);
}

// Rebuilds a table from its text; items beyond the table's capacity are ignored.
StationTable TableOfText(const std::string& text) {
    StationTable table = Port::EmptyTable();
    if (text.empty()) return table;
    std::size_t position = 0;
    std::size_t start = 0;
    while (position < TablePositions) {
        const std::size_t end = text.find(ItemSeparator, start);
        table[position++] = StationOfItem(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return table;
}

std::string TextOfTable(const StationTable& table) {
    std::string text;
    for (const std::int16_t station : table) {
        if (station >= 0) text += CharacterOf(station + 64) + ItemSeparator;
    }
    if (text.size() > 1) text.pop_back();
    return text;
}

std::string PortLabelText(std::int32_t state, const std::string& tableText) {
    if (state == PortForwarding) return tableText;
    if (state == PortBlocked) return "Blocked";
    return "Blocking";
}

std::string CostLabelText(std::int16_t cost) {
    return cost >= 0 ? " " + NumberText(cost) : NumberText(cost);
}

// Forwarding on releases Blocking ports, off holds Forwarding ones; a port the
// spanning tree blocked, or one never numbered, keeps its state either way.
std::int32_t SwitchedState(std::int32_t state, bool forward) {
    if (forward && state == PortBlocking) return PortForwarding;
    if (!forward && state == PortForwarding) return PortBlocking;
    return state;
}

}  // namespace

Bridge::Bridge() {
    face_.lblName.text = "Bridge #";
    RefreshPortLabels();
    face_.lblPort0Cost.text = "1";
    face_.lblPort1Cost.text = "1";
    face_.lblPortA.text = "OFF";
    face_.lblPortB.text = "OFF";
    packet1_.place = Placement{2520, 1560, 1095, 735, true};
}

void Bridge::SetPortCost(int port, const Value& vNewValue) {
    ports_[port].cost = ToInt16(LeadingNumberOf(vNewValue));
    LabelFace& label = port == PortA ? face_.lblPort0Cost : face_.lblPort1Cost;
    label.text = CostLabelText(ports_[port].cost);
    label.visible = true;
}

// Numbering starts the bridge afresh as its own root with its ports held. The
// tables stay: only their text is emptied, so the next preset of either port
// rebuilds the other port's table from that empty text.
void Bridge::SetBridgeNumber(const Value& vNewValue) {
    bridgeNumber_ = ToInt16(LeadingNumberOf(vNewValue));
    face_.lblName.text = "Bridge #" + CharacterOf(48 + bridgeNumber_);
    rootBridge_ = bridgeNumber_;
    ShowRootBridge();
    for (Port& port : ports_) {
        port.text.clear();
        port.total = 0;
        port.best = 0;
        port.state = PortBlocking;
    }
    face_.lblBestRealA.text = "0:0";
    face_.lblBestRealB.text = "0:0";
    bLearn_ = false;
    bForward_ = false;
    face_.lblPortA.text = "Blocking";
    face_.lblPortB.text = "Blocking";
}

void Bridge::SetBackColour(const Value& vNewValue) {
    const ColourCode colour = ToInt32(LeadingNumberOf(vNewValue));
    face_.shape1Fill = colour;
    face_.lblPortA.backColour = colour;
    face_.lblPortB.backColour = colour;
    face_.lblName.backColour = colour;
}

void Bridge::SetTotalCostThroughPortA(const Value& vNewValue) {
    ports_[PortA].total = ToInt16(LeadingNumberOf(vNewValue));
}

void Bridge::SetTotalCostThroughPortB(const Value& vNewValue) {
    ports_[PortB].total = ToInt16(LeadingNumberOf(vNewValue));
}

void Bridge::SetbLearn(const Value& vNewValue) {
    bLearn_ = ToBoolean(vNewValue);
    RefreshPortLabels();
}

void Bridge::SetbForward(const Value& vNewValue) {
    bForward_ = ToBoolean(vNewValue);
    for (Port& port : ports_) port.state = SwitchedState(port.state, bForward_);
    RefreshPortLabels();
}

void Bridge::SetPortString(int port, const std::string& strTable) {
    ports_[port].text = strTable;
    ParsePortStrings();
    RefreshPortLabels();
}

void Bridge::ParsePortStrings() {
    for (Port& port : ports_) port.table = TableOfText(port.text);
}

// The tables own the stations; their texts are rewritten from them here.
void Bridge::RefreshPortLabels() {
    for (int port : {PortA, PortB}) {
        Port& side = ports_[port];
        side.text = TextOfTable(side.table);
        TableLabel(port).text = PortLabelText(side.state, side.text);
    }
}

std::string Bridge::RootPort() const {
    switch (rootPort_) {
        case RootPortChoice::PortA:
            return "PortA";
        case RootPortChoice::PortB:
            return "PortB";
        case RootPortChoice::None:
            break;
    }
    return "";
}

void Bridge::ShowRootBridge() { face_.btnSpanTree.caption = NumberText(RootBridgeValue()); }

Decision Bridge::Record(DecisionKind kind, int port) const {
    Decision decision;
    decision.kind = kind;
    decision.element = ElementKind::Bridge;
    decision.bridgeNumber = bridgeNumber_;
    decision.port = port;
    return decision;
}

FrameFacts FactsOfFrame(const Packet& frame) {
    return {frame.ContentsText(), frame.Source(), frame.Destination(), frame.Cost(),
            SenderOfColour(frame.Colour())};
}

}  // namespace bridging
