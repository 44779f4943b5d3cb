// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the text form of a bridge's learning tables: arbitrary text for both
// ports on a numbered bridge with forwarding on. The tables may hold only empty
// positions or the numbers a single character can give, and neither the tables'
// text nor the port labels may grow beyond what seven entries can produce.
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "bridge/bridge.h"
#include "fuzz/fuzz_check.h"

namespace bridging {
namespace {

// The lowest and highest number an item's first character can give (code - 64).
constexpr int LowestEntry = 0 - 64;
constexpr int HighestEntry = 255 - 64;
// Seven one-character entries of at most two bytes each, joined by six ":".
constexpr std::size_t LongestTableText = 7 * 2 + 6;

void CheckTable(const StationTable& table) {
    for (const std::int16_t entry : table) {
        FUZZ_CHECK(entry == -1 || (entry >= LowestEntry && entry <= HighestEntry));
    }
}

void CheckPort(const StationTable& table, const std::string& tableText, const LabelFace& label) {
    CheckTable(table);
    FUZZ_CHECK(tableText.size() <= LongestTableText);
    FUZZ_CHECK(label.text.size() <= LongestTableText);
}

void CheckBridge(const Bridge& bridge) {
    CheckPort(bridge.PortATable(), bridge.PortAString(), bridge.Face().lblPortA);
    CheckPort(bridge.PortBTable(), bridge.PortBString(), bridge.Face().lblPortB);
}

// Texts of plain station letters read back exactly, position by position.
void CheckPlainLetters(const std::string& text, const StationTable& table) {
    if (text.empty() || text.size() % 2 == 0) return;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool letterHere = i % 2 == 0;
        if (letterHere && !(text[i] >= 'A' && text[i] <= 'Z')) return;
        if (!letterHere && text[i] != ':') return;
    }
    const std::size_t items = (text.size() + 1) / 2;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const int expected = k < items ? text[2 * k] - 64 : -1;
        FUZZ_CHECK(table[k] == expected);
    }
}

}  // namespace
}  // namespace bridging

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bridging;
    FuzzedDataProvider input(data, size);
    const std::string textA = input.ConsumeRandomLengthString(64);
    const std::string textB = input.ConsumeRandomLengthString(64);
    const bool learnFirst = input.ConsumeBool();

    Bridge bridge;
    BridgeEvents raised;
    bridge.SetBridgeNumber(Value(1));
    bridge.SetbForward(Value(true));
    if (learnFirst) {
        // Tables that learning has filled are replaced as a whole by the preset.
        bridge.SetbLearn(Value(true));
        Packet frame;
        frame.SetDestination(Value(2));
        frame.SetSource(Value(1));
        bridge.xPacketArrives(frame, 0, raised);
    }

    bridge.zSetPortAString(textA);
    CheckBridge(bridge);
    CheckPlainLetters(textA, bridge.PortATable());
    bridge.zSetPortBString(textB);
    CheckBridge(bridge);
    CheckPlainLetters(textA, bridge.PortATable());
    CheckPlainLetters(textB, bridge.PortBTable());

    // A data frame through the preset tables keeps them within their bounds.
    Packet frame;
    frame.SetDestination(Value(input.ConsumeIntegralInRange<int>(1, 8)));
    frame.SetSource(Value(input.ConsumeIntegralInRange<int>(1, 8)));
    bridge.SetbLearn(Value(true));
    bridge.xPacketArrives(frame, input.ConsumeBool() ? 0 : 1, raised);
    CheckBridge(bridge);
    FUZZ_CHECK(raised.zBridgeTx.size() <= 2);
    return 0;
}
