// The bridge's properties, the text form of its tables and what its face shows
// after creation, numbering, costs, switches and presets.
#include <gtest/gtest.h>

#include "bridge/bridge.h"
#include "bridge_test_support.h"

namespace bridging {
namespace {

using bridge_test::RootFrame;
using bridge_test::Table;

const StationTable kEmpty = Table({});

TEST(BridgeFace, CreatedBridgeShowsItsStartTexts) {
    const Bridge bridge;
    const BridgeFace& face = bridge.Face();
    EXPECT_EQ(face.lblName.text, "Bridge #");
    EXPECT_EQ(face.lblPortA.text, "OFF");
    EXPECT_EQ(face.lblPortB.text, "OFF");
    EXPECT_EQ(face.lblPort0Cost.text, "1");
    EXPECT_EQ(face.lblPort1Cost.text, "1");
    EXPECT_EQ(face.lblBestRealA.text, "3");
    EXPECT_EQ(face.lblBestRealB.text, "3");
    EXPECT_EQ(face.btnSpanTree.caption, "1");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    EXPECT_EQ(bridge.PortBTable(), kEmpty);
    EXPECT_EQ(bridge.PortAState(), PortUnset);
    EXPECT_FALSE(bridge.RootBridge().has_value());
    const Placement& own = bridge.OwnPacket().place;
    EXPECT_EQ((std::array{own.Left, own.Top, own.Width, own.Height}),
              (std::array{2520.0F, 1560.0F, 1095.0F, 735.0F}));
}

TEST(BridgeFace, NumberingResetsStateButKeepsCostsAndTables) {
    Bridge bridge;
    bridge.SetPortACost(5);
    bridge.zSetPortAString("A:B");
    bridge.SetbLearn(true);
    bridge.SetbForward(true);
    bridge.SetBridgeNumber(4);
    const BridgeFace& face = bridge.Face();
    EXPECT_EQ(face.lblName.text, "Bridge #4");
    EXPECT_EQ(face.btnSpanTree.caption, "4");
    EXPECT_EQ(bridge.RootBridge(), 4.0);
    EXPECT_EQ(face.lblBestRealA.text, "0:0");
    EXPECT_EQ(face.lblBestRealB.text, "0:0");
    EXPECT_EQ(face.lblPortA.text, "Blocking");
    EXPECT_EQ(face.lblPortB.text, "Blocking");
    EXPECT_EQ(bridge.PortAState(), PortBlocking);
    EXPECT_EQ(bridge.PortBState(), PortBlocking);
    EXPECT_FALSE(bridge.bLearn());
    EXPECT_FALSE(bridge.bForward());
    EXPECT_EQ(bridge.PortACost(), 5);
    EXPECT_EQ(bridge.PortATable(), Table({1, 2}));
    EXPECT_EQ(bridge.PortAString(), "");
}

TEST(BridgeFace, NumberReadsTheLeadingNumberAndShowsUnformableDigitsAsQuestionMarks) {
    Bridge bridge;
    bridge.SetBridgeNumber("7 apples");
    EXPECT_EQ(bridge.BridgeNumber(), 7);
    bridge.SetBridgeNumber(2.5);
    EXPECT_EQ(bridge.Face().lblName.text, "Bridge #2");
    bridge.SetBridgeNumber(300);
    EXPECT_EQ(bridge.Face().lblName.text, "Bridge #?");
    EXPECT_EQ(bridge.Face().btnSpanTree.caption, "300");
    bridge.SetBridgeNumber(-49);
    EXPECT_EQ(bridge.Face().lblName.text, "Bridge #?");
}

TEST(BridgeFace, CostLabelsLeadNonNegativeCostsWithABlank) {
    Bridge bridge;
    bridge.SetPortACost(5);
    bridge.SetPortBCost(-3);
    EXPECT_EQ(bridge.Face().lblPort0Cost.text, " 5");
    EXPECT_EQ(bridge.Face().lblPort1Cost.text, "-3");
    EXPECT_TRUE(bridge.Face().lblPort1Cost.visible);
    bridge.SetPortBCost("0");
    EXPECT_EQ(bridge.Face().lblPort1Cost.text, " 0");
}

TEST(BridgeFace, FailedSettersLeavePropertyAndFaceUnchanged) {
    Bridge bridge;
    bridge.SetBridgeNumber(2);
    bridge.SetPortACost(3);
    EXPECT_THROW(bridge.SetPortACost(32768), OverflowError);
    EXPECT_THROW(bridge.SetPortBCost("-40000"), OverflowError);
    EXPECT_THROW(bridge.SetBridgeNumber(1e6), OverflowError);
    EXPECT_THROW(bridge.SetTotalCostThroughPortA(99999), OverflowError);
    EXPECT_THROW(bridge.SetBackColour(4294967296.0), OverflowError);
    EXPECT_THROW(bridge.SetbForward("perhaps"), TypeMismatchError);
    EXPECT_EQ(bridge.PortACost(), 3);
    EXPECT_EQ(bridge.Face().lblPort0Cost.text, " 3");
    EXPECT_EQ(bridge.Face().lblPort1Cost.text, "1");
    EXPECT_EQ(bridge.BridgeNumber(), 2);
    EXPECT_EQ(bridge.Face().lblName.text, "Bridge #2");
    EXPECT_EQ(bridge.TotalCostThroughPortA(), 0);
    EXPECT_EQ(bridge.BackColour(), 0x00FFC0C0);
    EXPECT_FALSE(bridge.bForward());
    EXPECT_EQ(bridge.PortAState(), PortBlocking);
}

TEST(BridgeFace, BackColourPaintsBodyPortLabelsAndName) {
    Bridge bridge;
    bridge.SetBackColour(0x0000FF00);
    const BridgeFace& face = bridge.Face();
    EXPECT_EQ(bridge.BackColour(), 0x0000FF00);
    EXPECT_EQ(face.lblPortA.backColour, 0x0000FF00);
    EXPECT_EQ(face.lblPortB.backColour, 0x0000FF00);
    EXPECT_EQ(face.lblName.backColour, 0x0000FF00);
    EXPECT_EQ(face.btnSpanTree.backColour, 0x00FFC0C0);
}

TEST(BridgeFace, ForwardingSwitchesHeldPortsButNotUnsetOnes) {
    Bridge bridge;
    bridge.SetbForward(true);
    EXPECT_EQ(bridge.PortAState(), PortUnset);
    EXPECT_EQ(bridge.Face().lblPortA.text, "Blocking");
    bridge.SetBridgeNumber(1);
    bridge.zSetPortBString("C");
    bridge.SetbForward(1);
    EXPECT_EQ(bridge.PortAState(), PortForwarding);
    EXPECT_EQ(bridge.Face().lblPortA.text, "");
    EXPECT_EQ(bridge.Face().lblPortB.text, "C");
    bridge.SetbForward("False");
    EXPECT_EQ(bridge.PortBState(), PortBlocking);
    EXPECT_EQ(bridge.Face().lblPortB.text, "Blocking");
}

TEST(BridgeFace, LearningSwitchRefreshesThePortLabels) {
    Bridge bridge;
    bridge.SetbLearn(true);
    EXPECT_TRUE(bridge.bLearn());
    EXPECT_EQ(bridge.Face().lblPortA.text, "Blocking");
    EXPECT_EQ(bridge.Face().lblPortB.text, "Blocking");
}

TEST(BridgeFace, ForwardingSwitchesKeepBlockedPorts) {
    Bridge bridge;
    bridge.SetBridgeNumber(2);
    bridge.SetPortACost(1);
    bridge.SetPortBCost(2);
    Packet fromRoot = RootFrame(1, 0, 1);
    bridge.xPacketArrives(fromRoot, 0);
    bridge.xPacketArrives(fromRoot, 1);
    ASSERT_EQ(bridge.PortAState(), PortBlocked);
    for (const bool on : {true, false, true}) {
        bridge.SetbForward(on);
        EXPECT_EQ(bridge.PortAState(), PortBlocked);
        EXPECT_EQ(bridge.PortBState(), PortBlocked);
        EXPECT_EQ(bridge.Face().lblPortA.text, "Blocked");
        EXPECT_EQ(bridge.Face().lblPortB.text, "Blocked");
    }
}

TEST(BridgeFace, PresetsFillBothTablesAndShowWhileForwarding) {
    Bridge bridge;
    bridge.SetBridgeNumber(1);
    bridge.SetbForward(true);
    bridge.zSetPortAString("A:B");
    bridge.zSetPortBString("C:D");
    EXPECT_EQ(bridge.PortATable(), Table({1, 2}));
    EXPECT_EQ(bridge.PortBTable(), Table({3, 4}));
    EXPECT_EQ(bridge.Face().lblPortA.text, "A:B");
    EXPECT_EQ(bridge.Face().lblPortB.text, "C:D");
    EXPECT_EQ(bridge.PortBString(), "C:D");
}

// Numbering empties the texts but not the tables, so the next preset of one port
// rebuilds the other's table from its empty text.
TEST(BridgeFace, PresetAfterRenumberingEmptiesTheOtherTable) {
    Bridge bridge;
    bridge.zSetPortAString("A:B");
    bridge.zSetPortBString("C:D");
    bridge.SetBridgeNumber(3);
    bridge.zSetPortBString("E");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    EXPECT_EQ(bridge.PortBTable(), Table({5}));
    bridge.SetBridgeNumber(3);
    bridge.zSetPortAString("");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    EXPECT_EQ(bridge.PortBTable(), kEmpty);
}

TEST(BridgeFace, MalformedTableTextsStayWithinTheSevenPositions) {
    Bridge bridge;
    bridge.zSetPortAString("A:B:C:D:E:F:G:H:I");
    EXPECT_EQ(bridge.PortATable(), Table({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(bridge.PortAString(), "A:B:C:D:E:F:G");
    bridge.zSetPortAString("A::B");
    EXPECT_EQ(bridge.PortATable(), Table({1, -1, 2}));
    EXPECT_EQ(bridge.PortAString(), "A:B");
    bridge.zSetPortAString("Cat:");
    EXPECT_EQ(bridge.PortATable(), Table({3, -1}));
    bridge.zSetPortAString(":::::::::");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
    EXPECT_EQ(bridge.PortAString(), "");
}

TEST(BridgeFace, NonAsciiItemsTakeTheirFirstCodePoint) {
    Bridge bridge;
    // U+00E9, a stray byte, a cut-off sequence, an overlong form, U+20AC, U+1F600.
    bridge.zSetPortAString("\xC3\xA9:\xFF:\xC3:\xC0\x81:\xE2\x82\xAC:\xF0\x9F\x98\x80:@");
    EXPECT_EQ(bridge.PortATable(), (StationTable{169, 191, 131, 128, -1, -1, 0}));
    EXPECT_EQ(bridge.PortAString().substr(0, 3), "\xC3\xA9:");
    EXPECT_EQ(bridge.PortAString().substr(bridge.PortAString().size() - 2), ":@");
}

TEST(BridgeFace, StationsBeyondTheCharacterSetShowAsQuestionMarks) {
    Bridge bridge;
    bridge.SetBridgeNumber(1);
    bridge.SetbLearn(true);
    bridge.SetbForward(true);
    Packet frame = bridge_test::DataFrame(200, 1);
    bridge.xPacketArrives(frame, 0);
    EXPECT_EQ(bridge.Face().lblPortA.text, "?");
    // That text names no station when read back.
    bridge.zSetPortBString("");
    EXPECT_EQ(bridge.PortATable(), kEmpty);
}

}  // namespace
}  // namespace bridging
