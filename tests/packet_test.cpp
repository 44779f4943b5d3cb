// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The packet token: its fields, their conversions, and the label and body colour
// that follow the addressing fields.
#include <gtest/gtest.h>

#include "stations/packet.h"

namespace bridging {
namespace {

TEST(PacketCreation, ShowsPlaceholderLabelOnLightBlue) {
    Packet p;
    EXPECT_EQ(p.ContentsText(), "X:X:0");
    EXPECT_EQ(p.FillColour(), 0x00FFC0C0);
    EXPECT_EQ(p.BorderColour(), 0x00808080);
    EXPECT_EQ(p.Source(), 0);
    EXPECT_EQ(p.Destination(), 0);
    EXPECT_EQ(p.NextHop(), 0);
    EXPECT_EQ(p.Cost(), 0);
    EXPECT_EQ(p.XOffset(), 0);
    EXPECT_EQ(p.YOffset(), 0);
    EXPECT_EQ(p.TimeToLive(), 0);
    EXPECT_EQ(p.SpanHistory(), "");
    EXPECT_TRUE(p.Visible());
}

TEST(PacketLabel, StationFrameNamesDestinationThenSource) {
    Packet p;
    p.SetDestination(3);
    p.SetSource(1);
    EXPECT_EQ(p.ContentsText(), "C:A");
    EXPECT_EQ(p.FillColour(), 0x00FFFFC0);
}

TEST(PacketLabel, SpanningTreeFrameShowsCostOnlyAfterARefresh) {
    Packet p;
    p.SetDestination(0);
    p.SetSource(2);
    p.SetCost(5);
    EXPECT_EQ(p.ContentsText(), "S:2:0");
    p.SetSource(2);
    EXPECT_EQ(p.ContentsText(), "S:2:5");
    p.SetCost(-3);
    p.AddCost(0);
    EXPECT_EQ(p.ContentsText(), "S:2:-3");
}

TEST(PacketLabel, SourceCodesBeyondDigitsAndNegativeDestinations) {
    Packet p;
    p.SetDestination(0);
    p.SetSource(12);
    EXPECT_EQ(p.ContentsText(), "S:<:0");
    p.SetColour(0x00123456);
    p.SetDestination(-1);
    p.SetSource(4);
    EXPECT_EQ(p.ContentsText(), "S:4");
    EXPECT_EQ(p.FillColour(), 0x00123456);
}

TEST(PacketLabel, SourceIsRoundedHalfToEvenForItsCharacter) {
    Packet p;
    p.SetDestination(1);
    p.SetSource(2.5);
    EXPECT_EQ(p.ContentsText(), "A:B");
    EXPECT_EQ(p.Source(), 2.5);
    p.SetSource(3.5);
    EXPECT_EQ(p.ContentsText(), "A:D");
}

TEST(PacketLabel, CodesThatFormNoCharacterShowAQuestionMark) {
    Packet p;
    p.SetDestination(1);
    p.SetSource(300);
    EXPECT_EQ(p.ContentsText(), "A:?");
    p.SetDestination(0);
    p.SetSource(-100);
    EXPECT_EQ(p.ContentsText(), "S:?:0");
}

TEST(PacketColour, DestinationPicksTheTableColourUnlessOutOfTable) {
    Packet p;
    p.SetDestination(6);
    EXPECT_EQ(p.FillColour(), 0x00C0C0FF);
    p.SetDestination(7);
    EXPECT_EQ(p.FillColour(), 0x00C0C0FF);
    p.SetColour(0x00FF0000);
    p.SetDestination(2);
    EXPECT_EQ(p.FillColour(), 0x00FFC0FF);
    EXPECT_EQ(p.Colour(), 0x00FFC0FF);
    p.SetDestination(9);
    EXPECT_EQ(p.FillColour(), 0x00FFC0FF);
    EXPECT_EQ(p.ContentsText(), "I:@");
}

TEST(PacketColour, SpanningTreeFrameKeepsItsSendersColour) {
    Packet p;
    p.SetColour(0x00FFFFFE);
    p.SetDestination(0);
    p.SetSource(1);
    EXPECT_EQ(p.Colour(), 0x00FFFFFE);
}

TEST(PacketSetters, RoundHalfToEvenAndReadLeadingNumbers) {
    Packet p;
    p.SetDestination(2.5);
    EXPECT_EQ(p.Destination(), 2);
    p.SetDestination(3.5);
    EXPECT_EQ(p.Destination(), 4);
    p.SetDestination("no number");
    EXPECT_EQ(p.Destination(), 0);
    p.SetTimeToLive("8 hops");
    EXPECT_EQ(p.TimeToLive(), 8);
    p.SetXOffset(-200.5);
    EXPECT_EQ(p.XOffset(), -200.5);
    p.SetYOffset(199.5);
    EXPECT_EQ(p.YOffset(), 200);
    p.SetNextHop("7.25");
    EXPECT_EQ(p.NextHop(), 7.25);
    p.SetSpanHistory(12);
    EXPECT_EQ(p.SpanHistory(), "12");
}

TEST(PacketSetters, OverflowLeavesFieldAndFaceUnchanged) {
    Packet p;
    p.SetDestination(3);
    p.SetSource(1);
    EXPECT_THROW(p.SetDestination(40000), OverflowError);
    EXPECT_EQ(p.Destination(), 3);
    EXPECT_EQ(p.ContentsText(), "C:A");
    EXPECT_THROW(p.SetCost(-32769), OverflowError);
    EXPECT_THROW(p.SetYOffset(1e6), OverflowError);
    EXPECT_THROW(p.SetTimeToLive(32768), OverflowError);
    EXPECT_THROW(p.SetColour(4294967296.0), OverflowError);
    EXPECT_EQ(p.Colour(), 0x00FFFFC0);
    EXPECT_EQ(p.Cost(), 0);
    EXPECT_EQ(p.YOffset(), 0);
}

TEST(PacketAddCost, AddsAndRefreshesAndRejectsOverflow) {
    Packet p;
    p.SetDestination(0);
    p.SetSource(1);
    p.SetCost(1);
    p.AddCost(4);
    p.AddCost(4);
    EXPECT_EQ(p.Cost(), 9);
    EXPECT_EQ(p.ContentsText(), "S:1:9");
    p.SetCost(32760);
    EXPECT_THROW(p.AddCost(8), OverflowError);
    EXPECT_EQ(p.Cost(), 32760);
    EXPECT_EQ(p.ContentsText(), "S:1:9");
}

TEST(PacketVisible, HidesTheFaceButKeepsPlaceAndFields) {
    Packet p;
    p.place.Left = 300;
    p.SetDestination(2);
    p.SetVisible(false);
    EXPECT_FALSE(p.Visible());
    EXPECT_EQ(p.place.Left, 300);
    EXPECT_EQ(p.Destination(), 2);
    EXPECT_THROW(p.SetVisible("maybe"), TypeMismatchError);
    EXPECT_FALSE(p.Visible());
}

}  // namespace
}  // namespace bridging
