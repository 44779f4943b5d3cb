// The two-port bridge: its state and properties, its learning tables and their
// text form, its face, frame handling (learning, filtering, flooding) and the
// small spanning-tree exchange. Port A is the upper side, port B the lower.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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

// The number of the bridge that sent a spanning-tree frame of this colour.
double SenderOfColour(ColourCode colour);

// The fields of a frame that a decision record carries.
FrameFacts FactsOfFrame(const Packet& frame);

class Bridge {
public:
    // A cost field holding this knows no path to the root yet.
    static constexpr std::int16_t NoPath = 10000;

    Bridge();

    // Properties. Numeric setters read the leading number of the value's text,
    // round half to even, and throw OverflowError outside 16 bits (32 for the
    // colour), leaving the property and the face unchanged.
    std::int16_t PortACost() const { return portACost_; }
    void SetPortACost(const Value& vNewValue);
    std::int16_t PortBCost() const { return portBCost_; }
    void SetPortBCost(const Value& vNewValue);
    std::int16_t BridgeNumber() const { return bridgeNumber_; }
    void SetBridgeNumber(const Value& vNewValue);  // the numbering reset
    ColourCode BackColour() const { return face_.shape1Fill; }
    void SetBackColour(const Value& vNewValue);
    std::int16_t TotalCostThroughPortA() const { return totalCostThroughPortA_; }
    void SetTotalCostThroughPortA(const Value& vNewValue);
    std::int16_t TotalCostThroughPortB() const { return totalCostThroughPortB_; }
    void SetTotalCostThroughPortB(const Value& vNewValue);
    bool bLearn() const { return bLearn_; }
    void SetbLearn(const Value& vNewValue);
    bool bForward() const { return bForward_; }
    void SetbForward(const Value& vNewValue);

    // Preset a port's learning table from its text form ("A:B"); "" empties it.
    void zSetPortAString(const std::string& strTable);
    void zSetPortBString(const std::string& strTable);

    // A frame reaches port A (iPort 0) or port B (any other value).
    void xPacketArrives(Packet& pktIn, std::int16_t iPort);

    // The root button: originate spanning-tree frames out of both ports.
    void btnSpanTree_Click();

    // Raised synchronously: send a copy of pktTx out of port A (0, upwards) or
    // port B (1, downwards). The handler must have copied it when it returns.
    std::function<void(Packet& pktTx, std::int16_t iDirection)> zBridgeTx;
    // Raised synchronously at each decision, with the bridge's part of the
    // record filled in. Unset, no record is even made; set or not, the bridge
    // decides the same.
    std::function<void(Decision& decision)> zDecision;

    // Read-only state.
    const std::string& PortAString() const { return portAString_; }
    const std::string& PortBString() const { return portBString_; }
    const StationTable& PortATable() const { return portATable_; }
    const StationTable& PortBTable() const { return portBTable_; }
    std::int16_t BestCostOnPortA() const { return bestCostOnPortA_; }
    std::int16_t BestCostOnPortB() const { return bestCostOnPortB_; }
    // No value until the bridge is numbered; compares as 0.
    std::optional<double> RootBridge() const { return rootBridge_; }
    const std::string& RootPort() const { return rootPort_; }
    std::int32_t PortAState() const { return portAState_; }
    std::int32_t PortBState() const { return portBState_; }

    const BridgeFace& Face() const { return face_; }
    // The bridge's own carrier of the spanning-tree frames it originates.
    const Packet& OwnPacket() const { return packet1_; }

    Placement place;

private:
    void RefreshPortLabels();
    void ParsePortStrings();
    void LearnStation(std::int16_t station, StationTable& table);
    static void ForgetStation(std::int16_t station, StationTable& table);
    void LearnFrom(const Packet& pktIn, bool fromA);
    void ReportStation(DecisionKind kind, int port, const Packet& pktIn);
    DecisionKind PassingOf(bool fromA, bool knownOnA, bool knownOnB) const;
    void ForwardDataFrame(Packet& pktIn, bool fromA);
    void ReceiveSpanningTreeFrame(const Packet& pktIn, bool fromA);
    void AdoptRoot(double root);
    void UpdateCostsFrom(std::int16_t cost, bool fromA);
    void UpdateCrossCosts();
    void ChooseRootPort();
    // What a root frame heard on one side says about blocking, and why.
    struct BlockVerdict {
        BlockReason reason = BlockReason::None;
        int throughPort = -1;
        std::int16_t ownTotal = 0;
    };
    BlockVerdict JudgeBlock(std::int16_t cost, ColourCode senderColour, bool fromA) const;
    void ReportBlock(const Packet& pktIn, bool fromA, const BlockVerdict& verdict);
    struct Costs {
        std::int16_t totalA, totalB, bestA, bestB;
    };
    Costs CurrentCosts() const;
    void ReportCostChanges(const Costs& before);
    void ReportRootHeard(const Packet& pktIn, bool fromA, double before, bool wasBlocked);
    Decision Record(DecisionKind kind, int port) const;
    void Report(Decision& decision);
    void ShowCostPairs();
    void ShowRootBridge();
    void Block();
    double RootBridgeValue() const { return rootBridge_.value_or(0.0); }
    bool TakesItselfForRoot() const { return RootBridgeValue() == bridgeNumber_; }
    void RaiseBridgeTx(Packet& pktTx, std::int16_t iDirection);

    std::int16_t bridgeNumber_ = 0;
    std::string portAString_;
    std::string portBString_;
    StationTable portATable_{};
    StationTable portBTable_{};
    std::int16_t portACost_ = 0;
    std::int16_t portBCost_ = 0;
    std::int16_t totalCostThroughPortA_ = 0;
    std::int16_t totalCostThroughPortB_ = 0;
    std::int16_t bestCostOnPortA_ = 0;
    std::int16_t bestCostOnPortB_ = 0;
    std::optional<double> rootBridge_;
    bool bLearn_ = false;
    bool bForward_ = false;
    std::string rootPort_;
    std::int32_t portAState_ = PortUnset;
    std::int32_t portBState_ = PortUnset;

    BridgeFace face_;
    Packet packet1_;
};

}  // namespace bridging
