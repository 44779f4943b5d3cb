// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer station: its letter button by number, the mark of a received
// frame, and the frames and events its buttons produce.
#include <gtest/gtest.h>

#include <vector>

#include "stations/computer.h"

namespace bridging {
namespace {

struct SentFrame {
    double source;
    int destination;
    int timeToLive;
    int cost;
    std::string spanHistory;
    std::string label;
    ColourCode fill;
    float top;
};

class ComputerTest : public ::testing::Test {
protected:
    // The presses, keeping what they raise as a host would take it up.
    void PressSend() {
        const ComputerEvents raised = computer.btnKeys_Click();
        if (!raised.zPacketGo) return;
        const Packet& pkt = *raised.zPacketGo;
        sent.push_back({pkt.Source(), pkt.Destination(), pkt.TimeToLive(), pkt.Cost(),
                        pkt.SpanHistory(), pkt.ContentsText(), pkt.FillColour(), pkt.place.Top});
    }
    void PressLetter() {
        if (computer.Command1_Click().zSetSource) ++sourcesSet;
    }

    Computer computer;
    std::vector<SentFrame> sent;
    int sourcesSet = 0;
};

TEST_F(ComputerTest, CreationShowsDesignFace) {
    EXPECT_EQ(computer.Number(), 0);
    EXPECT_EQ(computer.Command1().caption, "A");
    EXPECT_EQ(computer.Command1().backColour, 0x00FFC0FF);
    EXPECT_EQ(computer.btnKeys().caption, "Send");
    EXPECT_EQ(computer.OwnPacket().place.Top, 2000);
}

TEST_F(ComputerTest, NumbersZeroToFiveGiveLetterAndColour) {
    const char* letters[] = {"A", "B", "C", "D", "E", "F"};
    const ColourCode colours[] = {0x00FFC0C0, 0x00FFC0FF, 0x00FFFFC0,
                                  0x00C0FFC0, 0x00C0FFFF, 0x00C0C0FF};
    for (int n = 0; n < 6; ++n) {
        computer.SetNumber(n);
        EXPECT_EQ(computer.Command1().caption, letters[n]);
        EXPECT_EQ(computer.Command1().backColour, colours[n]);
        EXPECT_EQ(colours[n], Packet::FillColours[static_cast<std::size_t>(n + 1)]);
    }
}

TEST_F(ComputerTest, OtherNumbersChangeOnlyWhatTheyCan) {
    computer.SetNumber(2);
    computer.SetNumber(6);
    EXPECT_EQ(computer.Command1().caption, "G");
    EXPECT_EQ(computer.Command1().backColour, 0x00FFFFC0);
    computer.SetNumber(10);
    EXPECT_EQ(computer.Number(), 10);
    EXPECT_EQ(computer.Command1().caption, "G");
    computer.SetNumber(-1);
    EXPECT_EQ(computer.Command1().caption, "@");
    computer.SetNumber(-66);
    EXPECT_EQ(computer.Command1().caption, "?");
    EXPECT_EQ(computer.Command1().backColour, 0x00FFFFC0);
}

TEST_F(ComputerTest, MarkTurnsRedKeepsLetterAndBlocksSend) {
    computer.SetNumber(2);
    computer.SetNumber(11);
    EXPECT_EQ(computer.Number(), 100);
    EXPECT_EQ(computer.Command1().caption, "C");
    EXPECT_EQ(computer.Command1().backColour, 0x000000FF);
    PressSend();
    EXPECT_TRUE(sent.empty());
    computer.SetNumber(2);
    EXPECT_EQ(computer.Command1().backColour, 0x00FFFFC0);
    PressSend();
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(ComputerTest, SendFillsOwnTokenAsAFrameFromItself) {
    computer.SetNumber(2);
    PressSend();
    ASSERT_EQ(sent.size(), 1u);
    const SentFrame& f = sent[0];
    EXPECT_EQ(f.source, 3);
    EXPECT_EQ(f.destination, 3);
    EXPECT_EQ(f.timeToLive, 8);
    EXPECT_EQ(f.cost, 0);
    EXPECT_EQ(f.spanHistory, "");
    EXPECT_EQ(f.label, "C:C");
    EXPECT_EQ(f.fill, 0x00FFFFC0);
    EXPECT_EQ(f.top, 960);
    EXPECT_EQ(computer.OwnPacket().place.Top, 2000);
}

TEST_F(ComputerTest, LetterButtonRaisesSetSourceEvenWhileMarked) {
    PressLetter();
    computer.SetNumber(100);
    PressLetter();
    EXPECT_EQ(sourcesSet, 2);
    EXPECT_TRUE(sent.empty());
}

TEST_F(ComputerTest, NumberConvertsDirectlyAndRejectsWhatItCannotHold) {
    computer.SetNumber(3);
    EXPECT_THROW(computer.SetNumber("three"), TypeMismatchError);
    EXPECT_THROW(computer.SetNumber(32768), OverflowError);
    EXPECT_EQ(computer.Number(), 3);
    EXPECT_EQ(computer.Command1().caption, "D");
    computer.SetNumber(" 4 ");
    EXPECT_EQ(computer.Number(), 4);
    computer.SetNumber(2.5);
    EXPECT_EQ(computer.Number(), 2);
}

TEST_F(ComputerTest, PressesHandBackWhatTheyRaiseAndNothingElse) {
    Computer lone;
    const ComputerEvents send = lone.btnKeys_Click();
    EXPECT_TRUE(send.zPacketGo.has_value());
    EXPECT_FALSE(send.zSetSource);
    EXPECT_FALSE(send.zDecision.has_value());
    const ComputerEvents letter = lone.Command1_Click();
    EXPECT_TRUE(letter.zSetSource);
    EXPECT_FALSE(letter.zPacketGo.has_value());
    EXPECT_EQ(lone.OwnPacket().place.Top, 2000);
    lone.SetNumber(Computer::Marked);
    const ComputerEvents ignored = lone.btnKeys_Click();
    EXPECT_FALSE(ignored.zPacketGo.has_value());
    ASSERT_TRUE(ignored.zDecision.has_value());
    EXPECT_EQ(ignored.zDecision->kind, DecisionKind::SendIgnored);
}

}  // namespace
}  // namespace bridging
