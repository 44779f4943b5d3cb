// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The loosely typed value's conversions: text form, leading number, rounding,
// integer ranges and the station's direct conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/value.h"

namespace bridging {
namespace {

TEST(ValueText, NumbersBooleansAndEmpty) {
    EXPECT_EQ(TextForm(Value()), "");
    EXPECT_EQ(TextForm(Value(5)), "5");
    EXPECT_EQ(TextForm(Value(-3)), "-3");
    EXPECT_EQ(TextForm(Value(2.5)), "2.5");
    EXPECT_EQ(TextForm(Value(0.1 + 0.2)), "0.3");
    EXPECT_EQ(TextForm(Value(1e20)), "1E+20");
    EXPECT_EQ(TextForm(Value(true)), "True");
    EXPECT_EQ(TextForm(Value(false)), "False");
    EXPECT_EQ(TextForm(Value("A:B")), "A:B");
}

TEST(ValueLeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber("42"), 42);
    EXPECT_EQ(LeadingNumber("  7 apples"), 7);
    EXPECT_EQ(LeadingNumber("-3.5x"), -3.5);
    EXPECT_EQ(LeadingNumber("+8"), 8);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("1e"), 1);
    EXPECT_EQ(LeadingNumber("12:34"), 12);
}

TEST(ValueLeadingNumber, TextWithoutANumberGivesZero) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumberOf(Value(true)), 0);
    EXPECT_EQ(LeadingNumberOf(Value()), 0);
    EXPECT_EQ(LeadingNumber("1e-999"), 0);
}

TEST(ValueLeadingNumber, TooLargeToHoldIsAnOverflow) {
    EXPECT_THROW(LeadingNumber("1e999"), OverflowError);
    EXPECT_THROW(LeadingNumberOf(Value(std::numeric_limits<double>::infinity())), OverflowError);
}

TEST(ValueRounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST(ValueRanges, SixteenAndThirtyTwoBits) {
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_THROW(ToInt16(32767.5), OverflowError);
    EXPECT_THROW(ToInt16(-32768.6), OverflowError);
    EXPECT_THROW(ToInt16(std::nan("")), OverflowError);
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_THROW(ToInt32(2147483648.0), OverflowError);
}

TEST(ValueDirect, StationConversion) {
    EXPECT_EQ(DirectNumber(Value(2.5)), 2.5);
    EXPECT_EQ(DirectNumber(Value(" 12 ")), 12);
    EXPECT_EQ(DirectNumber(Value("-4.5")), -4.5);
    EXPECT_EQ(DirectNumber(Value(true)), -1);
    EXPECT_EQ(DirectNumber(Value(false)), 0);
    EXPECT_EQ(DirectNumber(Value()), 0);
    EXPECT_THROW(DirectNumber(Value("abc")), TypeMismatchError);
    EXPECT_THROW(DirectNumber(Value("12abc")), TypeMismatchError);
    EXPECT_THROW(DirectNumber(Value("")), TypeMismatchError);
}

TEST(ValueBoolean, FlagsFromAnyKind) {
    EXPECT_TRUE(ToBoolean(Value(true)));
    EXPECT_TRUE(ToBoolean(Value(1)));
    EXPECT_TRUE(ToBoolean(Value(-1)));
    EXPECT_TRUE(ToBoolean(Value(0.5)));
    EXPECT_FALSE(ToBoolean(Value(0)));
    EXPECT_TRUE(ToBoolean(Value("true")));
    EXPECT_FALSE(ToBoolean(Value("False")));
    EXPECT_TRUE(ToBoolean(Value("3")));
    EXPECT_FALSE(ToBoolean(Value()));
    EXPECT_THROW(ToBoolean(Value("yes")), TypeMismatchError);
}

TEST(ValueCharacter, CodesOutsideTheCharacterSetShowAQuestionMark) {
    EXPECT_EQ(CharacterOf(65), "A");
    EXPECT_EQ(CharacterOf(60), "<");
    EXPECT_EQ(CharacterOf(0xE9), "\xC3\xA9");
    EXPECT_EQ(CharacterOf(256), "?");
    EXPECT_EQ(CharacterOf(-1), "?");
    EXPECT_EQ(CharacterOf(std::nan("")), "?");
}

}  // namespace
}  // namespace bridging
