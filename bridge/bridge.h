// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two-port bridge: its state and properties, its learning tables and their
// text form, its face, frame handling (learning, filtering, flooding) and the
// small spanning-tree exchange. Port A is the upper side, port B the lower.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/decision.h"
#include "common/face.h"
#include "common/value.h"
#include "stations/packet.h"

namespace bridging {

// Port state codes; any other code shows as "Blocking".
inline constexpr std::int32_t PortUnset = 0;
inline constexpr std::int32_t PortBlocking = 1;
inline constexpr std::int32_t PortBlocked = 3;
inline constexpr std::int32_t PortForwarding = 4;

// Station numbers learned on one port, most recent first; -1 is an empty position.
using StationTable = std::array<std::int16_t, 7>;

// What the bridge shows. Design texts stay until the bridge first rewrites them.
struct BridgeFace {
    ColourCode shape1Fill = 0x00FFC0C0;  // the body, border 3 pixels
    LabelFace lblPortA{"RouteStrA", 0x00000000, 0x00FFC0C0, false, true};
    LabelFace lblBestRealA{"3", 0x00004080, 0x00FFC0C0, false, true};
    LabelFace lblPort0Cost{"3", 0x00004080, 0x00FFC0C0, false, true};
    LabelFace lblName{"Bridge # 5", 0x00000000, 0x00FFC0C0, true, true};
    ButtonFace btnSpanTree{"1", 0x00FFC0C0};
    LabelFace lblPortB{"RouteStrB", 0x00000000, 0x00FFC0C0, false, true};
    LabelFace lblBestRealB{"3", 0x00008000, 0x00FFC0C0, false, true};
    LabelFace lblPort1Cost{"3", 0x00008000, 0x00FFC0C0, false, true};
    bool operator==(const BridgeFace&) const = default;
};

// A cost field holding this knows no path to the root yet.
inline constexpr std::int16_t NoPath = 10000;
// The highest cost the window shows; a total above it stands for an unknown path.
inline constexpr std::int16_t LargestKnownCost = 1000;
// Whether a cost to the root names a path that a spanning-tree frame has shown.
constexpr bool KnowsPath(std::int16_t total) { return total <= LargestKnownCost; }

// Port indices, as a frame's arrival (`iPort`) and a bridge's sending direction use them.
inline constexpr int PortA = 0;
inline constexpr int PortB = 1;
constexpr int OtherPort(int port) { return port == PortA ? PortB : PortA; }
// A bridge sends upwards (iDirection 0) out of port A and downwards (1) out of port B.
constexpr std::int16_t DirectionOutOf(int port) { return port == PortA ? 0 : 1; }

// One side of the bridge: everything a port knows and holds.
struct Port {
    std::int32_t state = PortUnset;
    std::int16_t cost = 0;   // the port's own cost (PortACost)
    std::int16_t total = 0;  // cost to the root through it (TotalCostThroughPortA)
    std::int16_t best = 0;   // the lowest cost to the root heard on its side
    StationTable table = EmptyTable();
    std::string text;  // the table's text form (PortAString)
    bool operator==(const Port&) const = default;

    static constexpr StationTable EmptyTable() {
        StationTable empty{};
        for (std::int16_t& entry : empty) entry = -1;
        return empty;
    }
};

// The port through which the bridge reaches the root the cheapest way, when one
// of its totals is lower than the other.
enum class RootPortChoice : std::uint8_t { None, PortA, PortB };

// The number of the bridge that sent a spanning-tree frame of this colour.
double SenderOfColour(ColourCode colour);

// The fields of a frame that a decision record carries.
FrameFacts FactsOfFrame(const Packet& frame);

// A frame the bridge sends out of port A (iDirection 0, upwards) or port B (1,
// downwards): the event zBridgeTx, handed back to the container to launch.
struct BridgeTx {
    Packet pktTx;
    std::int16_t iDirection = 0;
};

// What one call on a bridge raised, in the order raised: the frames to launch
// and, when `recording` is set, the records of its decisions, with the bridge's
// part filled in. Without `recording` no record is even made; the bridge
// decides the same either way.
struct BridgeEvents {
    bool recording = false;
    std::vector<BridgeTx> zBridgeTx;
    std::vector<Decision> zDecision;
};

class Bridge {
public:
    static constexpr std::int16_t NoPath = bridging::NoPath;

    Bridge();

    // Properties. Numeric setters read the leading number of the value's text,
    // round half to even, and throw OverflowError outside 16 bits (32 for the
    // colour), leaving the property and the face unchanged.
    std::int16_t PortACost() const { return ports_[PortA].cost; }
    void SetPortACost(const Value& vNewValue) { SetPortCost(PortA, vNewValue); }
    std::int16_t PortBCost() const { return ports_[PortB].cost; }
    void SetPortBCost(const Value& vNewValue) { SetPortCost(PortB, vNewValue); }
    std::int16_t BridgeNumber() const { return bridgeNumber_; }
    void SetBridgeNumber(const Value& vNewValue);  // the numbering reset
    ColourCode BackColour() const { return face_.shape1Fill; }
    void SetBackColour(const Value& vNewValue);
    std::int16_t TotalCostThroughPortA() const { return ports_[PortA].total; }
    void SetTotalCostThroughPortA(const Value& vNewValue);
    std::int16_t TotalCostThroughPortB() const { return ports_[PortB].total; }
    void SetTotalCostThroughPortB(const Value& vNewValue);
    bool bLearn() const { return bLearn_; }
    void SetbLearn(const Value& vNewValue);
    bool bForward() const { return bForward_; }
    void SetbForward(const Value& vNewValue);

    // Preset a port's learning table from its text form ("A:B"); "" empties it.
    void zSetPortAString(const std::string& strTable) { SetPortString(PortA, strTable); }
    void zSetPortBString(const std::string& strTable) { SetPortString(PortB, strTable); }

    // A frame reaches port A (iPort 0) or port B (any other value). What the
    // bridge sends on and decides goes into `raised`.
    void xPacketArrives(const Packet& pktIn, std::int16_t iPort, BridgeEvents& raised);

    // The root button: originate spanning-tree frames out of both ports.
    void btnSpanTree_Click(BridgeEvents& raised);

    // Read-only state.
    const Port& PortOf(int port) const { return ports_[port == PortA ? PortA : PortB]; }
    const std::string& PortAString() const { return ports_[PortA].text; }
    const std::string& PortBString() const { return ports_[PortB].text; }
    const StationTable& PortATable() const { return ports_[PortA].table; }
    const StationTable& PortBTable() const { return ports_[PortB].table; }
    std::int16_t BestCostOnPortA() const { return ports_[PortA].best; }
    std::int16_t BestCostOnPortB() const { return ports_[PortB].best; }
    // No value until the bridge is numbered; compares as 0.
    std::optional<double> RootBridge() const { return rootBridge_; }
    RootPortChoice ChosenRootPort() const { return rootPort_; }
    // The same as the component's text property: "PortA", "PortB" or empty.
    std::string RootPort() const;
    std::int32_t PortAState() const { return ports_[PortA].state; }
    std::int32_t PortBState() const { return ports_[PortB].state; }

    const BridgeFace& Face() const { return face_; }
    // The bridge's own carrier of the spanning-tree frames it originates.
    const Packet& OwnPacket() const { return packet1_; }

    bool operator==(const Bridge&) const = default;

    Placement place;

private:
    void SetPortCost(int port, const Value& vNewValue);
    void SetPortString(int port, const std::string& strTable);
    LabelFace& TableLabel(int port) { return port == PortA ? face_.lblPortA : face_.lblPortB; }
    LabelFace& CostPairLabel(int port) {
        return port == PortA ? face_.lblBestRealA : face_.lblBestRealB;
    }
    void RefreshPortLabels();
    void ParsePortStrings();
    void LearnStation(std::int16_t station, StationTable& table);
    static void ForgetStation(std::int16_t station, StationTable& table);
    void LearnFrom(const Packet& pktIn, int arrival, BridgeEvents& raised);
    void ReportStation(DecisionKind kind, int port, const Packet& pktIn,
                       BridgeEvents& raised) const;
    DecisionKind PassingOf(int arrival, bool knownOnA, bool knownOnB) const;
    void ForwardDataFrame(const Packet& pktIn, int arrival, BridgeEvents& raised);
    void ReceiveSpanningTreeFrame(const Packet& pktIn, int arrival, BridgeEvents& raised);
    void AdoptRoot(double root);
    void UpdateCostsFrom(std::int16_t cost, int arrival);
    void UpdateCrossCosts();
    void ChooseRootPort();
    // What a root frame heard on one side says about blocking, and why.
    struct BlockVerdict {
        BlockReason reason = BlockReason::None;
        int throughPort = -1;
        std::int16_t ownTotal = 0;
    };
    BlockVerdict JudgeBlock(std::int16_t cost, ColourCode senderColour, int arrival) const;
    void ReportBlock(const Packet& pktIn, int arrival, const BlockVerdict& verdict,
                     BridgeEvents& raised) const;
    // The four costs of the spanning tree, to report the ones a frame lowered.
    struct Costs {
        std::int16_t totalA, totalB, bestA, bestB;
    };
    Costs CurrentCosts() const;
    void ReportCostChanges(const Costs& before, BridgeEvents& raised) const;
    void ReportRootHeard(const Packet& pktIn, int arrival, double before, bool wasBlocked,
                         BridgeEvents& raised) const;
    Decision Record(DecisionKind kind, int port) const;
    void ShowCostPairs();
    void ShowRootBridge();
    void Block();
    double RootBridgeValue() const { return rootBridge_.value_or(0.0); }
    bool TakesItselfForRoot() const { return RootBridgeValue() == bridgeNumber_; }

    std::int16_t bridgeNumber_ = 0;
    std::array<Port, 2> ports_;
    std::optional<double> rootBridge_;
    bool bLearn_ = false;
    bool bForward_ = false;
    RootPortChoice rootPort_ = RootPortChoice::None;

    BridgeFace face_;
    Packet packet1_;
};

}  // namespace bridging
