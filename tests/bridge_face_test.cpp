// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bridge's properties, the text form of its tables and what its face shows
// after creation, numbering, costs, switches and presets.
#include <gtest/gtest.h>

#include "bridge/bridge.h"
#include "bridge_test_support.h"

namespace bridging {
namespace {

using namespace bridge_test;

const StationTable kEmpty = Table({});
using PortStates = std::array<std::int32_t, 2>;

std::string PortLabels(const Bridge& bridge) {
    return bridge.Face().lblPortA.text + "|" + bridge.Face().lblPortB.text;
}

TEST(BridgeFace, CreationThenNumberingKeepsCostsAndTables) {
    Bridge bridge;
    EXPECT_EQ(Shown(bridge), (Texts{"Bridge #", "OFF", "OFF", "3", "3", "1", "1", "1"}));
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    EXPECT_FALSE(bridge.RootBridge().has_value());
    const Placement& own = bridge.OwnPacket().place;
    EXPECT_EQ((std::array{own.Left, own.Top, own.Width, own.Height}),
              (std::array{2520.0F, 1560.0F, 1095.0F, 735.0F}));

    bridge.SetPortACost(5);
    bridge.SetPortBCost("-3");
    bridge.zSetPortAString("A:B");
    bridge.SetbLearn(true);
    bridge.SetbForward(true);
    bridge.SetBridgeNumber("4.5 apples");
    EXPECT_EQ(Shown(bridge),
              (Texts{"Bridge #4", "Blocking", "Blocking", "0:0", "0:0", " 5", "-3", "4"}));
    EXPECT_EQ(States(bridge), (PortStates{PortBlocking, PortBlocking}));
    EXPECT_EQ(bridge.RootBridge(), 4.0);
    EXPECT_FALSE(bridge.bLearn() || bridge.bForward());
    EXPECT_EQ(bridge.PortATable(), Table({1, 2}));
    EXPECT_EQ(bridge.PortAString(), "");
}

TEST(BridgeFace, NumberWithoutADigitShowsAQuestionMark) {
    Bridge bridge;
    for (const int number : {300, -49}) {
        bridge.SetBridgeNumber(number);
        EXPECT_EQ(bridge.Face().lblName.text, "Bridge #?");
    }
}

TEST(BridgeFace, FailedSettersLeavePropertyAndFaceUnchanged) {
    Bridge bridge;
    bridge.SetBridgeNumber(2);
    bridge.SetPortACost(3);
    const Texts before = Shown(bridge);
    EXPECT_THROW(bridge.SetPortACost(32768), OverflowError);
    EXPECT_THROW(bridge.SetPortBCost("-40000"), OverflowError);
    EXPECT_THROW(bridge.SetBridgeNumber(1e6), OverflowError);
    EXPECT_THROW(bridge.SetTotalCostThroughPortA(99999), OverflowError);
    EXPECT_THROW(bridge.SetBackColour(4294967296.0), OverflowError);
    EXPECT_THROW(bridge.SetbForward("perhaps"), TypeMismatchError);
    EXPECT_EQ(Shown(bridge), before);
    EXPECT_EQ(bridge.PortACost(), 3);
    EXPECT_EQ(bridge.BridgeNumber(), 2);
    EXPECT_EQ(bridge.TotalCostThroughPortA(), 0);
    EXPECT_EQ(bridge.BackColour(), 0x00FFC0C0);
    EXPECT_EQ(States(bridge), (PortStates{PortBlocking, PortBlocking}));
}

TEST(BridgeFace, BackColourPaintsBodyPortLabelsAndName) {
    Bridge bridge;
    bridge.SetBackColour(0x0000FF00);
    const BridgeFace& f = bridge.Face();
    EXPECT_EQ((std::array{f.shape1Fill, f.lblPortA.backColour, f.lblPortB.backColour,
                          f.lblName.backColour}),
              (std::array<ColourCode, 4>{0x0000FF00, 0x0000FF00, 0x0000FF00, 0x0000FF00}));
    EXPECT_EQ(f.btnSpanTree.backColour, 0x00FFC0C0);
}

TEST(BridgeFace, SwitchesRefreshLabelsAndMoveOnlyHeldPorts) {
    Bridge bridge;
    bridge.SetbForward(true);
    EXPECT_EQ(States(bridge), (PortStates{PortUnset, PortUnset}));
    EXPECT_EQ(bridge.Face().lblPortA.text, "Blocking");
    bridge.SetBridgeNumber(2);
    bridge.zSetPortBString("C");
    bridge.SetbForward(1);
    EXPECT_EQ(States(bridge), (PortStates{PortForwarding, PortForwarding}));
    EXPECT_EQ(PortLabels(bridge), "|C");
    bridge.SetbForward("False");
    EXPECT_EQ(PortLabels(bridge), "Blocking|Blocking");

    bridge.SetPortACost(1);
    bridge.SetPortBCost(2);
    Packet fromRoot = RootFrame(1, 0, 1);
    HandIn(bridge, fromRoot, 0);
    HandIn(bridge, fromRoot, 1);
    for (const bool on : {true, false}) {
        bridge.SetbForward(on);
        EXPECT_EQ(States(bridge), (PortStates{PortBlocked, PortBlocked}));
        EXPECT_EQ(PortLabels(bridge), "Blocked|Blocked");
    }
}

// Numbering empties the texts but not the tables, so the next preset of one port
// rebuilds the other's table from its empty text.
TEST(BridgeFace, PresetsFillTablesAndAfterRenumberingEmptyTheOtherOne) {
    Bridge bridge;
    bridge.SetBridgeNumber(1);
    bridge.SetbForward(true);
    bridge.zSetPortAString("A:B");
    bridge.zSetPortBString("C:D");
    EXPECT_EQ(bridge.PortATable(), Table({1, 2}));
    EXPECT_EQ(bridge.PortBTable(), Table({3, 4}));
    EXPECT_EQ(PortLabels(bridge), "A:B|C:D");
    bridge.SetBridgeNumber(1);
    bridge.zSetPortBString("E");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    bridge.SetBridgeNumber(1);
    bridge.zSetPortAString("");
    EXPECT_EQ(bridge.PortBTable(), kEmpty);
}

TEST(BridgeFace, MalformedTableTextsStayWithinTheSevenPositions) {
    Bridge bridge;
    bridge.zSetPortAString("A:B:C:D:E:F:G:H:I");
    EXPECT_EQ(bridge.PortATable(), Table({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(bridge.PortAString(), "A:B:C:D:E:F:G");
    bridge.zSetPortAString("A::Bee:");
    EXPECT_EQ(bridge.PortATable(), Table({1, -1, 2, -1}));
    EXPECT_EQ(bridge.PortAString(), "A:B");
    bridge.zSetPortAString(":::::::::");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    // U+00E9, a stray byte, a cut-off sequence, an overlong form, U+20AC, U+1F600.
    bridge.zSetPortAString("\xC3\xA9:\xFF:\xC3:\xC0\x81:\xE2\x82\xAC:\xF0\x9F\x98\x80:@");
    EXPECT_EQ(bridge.PortATable(), (StationTable{169, 191, 131, 128, -1, -1, 0}));
    EXPECT_EQ(bridge.PortAString(), "\xC3\xA9:\xC3\xBF:\xC3\x83:\xC3\x80:@");
}

TEST(BridgeFace, LearnedStationsBeyondTheCharacterSetShowAsQuestionMarks) {
    Bridge bridge;
    bridge.SetBridgeNumber(1);
    bridge.SetbLearn(true);
    bridge.SetbForward(true);
    Packet frame = DataFrame(200, 1);
    HandIn(bridge, frame, 0);
    EXPECT_EQ(bridge.Face().lblPortA.text, "?");
    bridge.zSetPortBString("");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
}

}  // namespace
}  // namespace bridging
