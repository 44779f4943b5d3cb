// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the loosely typed value's conversions with arbitrary text and numbers:
// nothing but the two conversion errors may escape, the leading-number reader, the
// direct reader and the integer conversions agree with each other, and a number
// with 15 significant digits survives the trip through its text form.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "common/value.h"
#include "fuzz/fuzz_check.h"

namespace bridging {
namespace {

// Runs a conversion that may fail with one of the typed errors; any other
// exception escapes and crashes the target.
template <typename F>
auto Try(F convert) -> std::optional<decltype(convert())> {
    try {
        return convert();
    } catch (const OverflowError&) {
        return std::nullopt;
    } catch (const TypeMismatchError&) {
        return std::nullopt;
    }
}

void CheckIntegers(double number) {
    const double rounded = RoundHalfEven(number);
    if (std::isfinite(number)) {
        FUZZ_CHECK(std::fabs(rounded - number) <= 0.5);
        if (std::fabs(rounded - number) == 0.5) FUZZ_CHECK(std::fmod(rounded, 2.0) == 0);
    }
    const auto i16 = Try([&] { return ToInt16(number); });
    const bool fits16 = rounded >= -32768.0 && rounded <= 32767.0;
    FUZZ_CHECK(i16.has_value() == fits16);
    if (i16) FUZZ_CHECK(*i16 == rounded);
    const auto i32 = Try([&] { return ToInt32(number); });
    const bool fits32 = rounded >= -2147483648.0 && rounded <= 2147483647.0;
    FUZZ_CHECK(i32.has_value() == fits32);
    if (i32) FUZZ_CHECK(*i32 == rounded);
}

void CheckCharacter(double code) {
    const std::string text = CharacterOf(code);
    if (!(code >= 0 && code <= 255)) {
        FUZZ_CHECK(text == "?");
        return;
    }
    const auto c = static_cast<unsigned>(code);
    FUZZ_CHECK(text.size() == (c < 0x80 ? 1u : 2u));
}

void CheckText(const std::string& text) {
    const auto leading = Try([&] { return LeadingNumber(text); });
    if (leading) {
        FUZZ_CHECK(std::isfinite(*leading));
        // Blanks before the number and anything after it change nothing.
        FUZZ_CHECK(LeadingNumber(" " + text) == *leading);
        FUZZ_CHECK(LeadingNumber(text + ":") == *leading);
        FUZZ_CHECK(Try([&] { return LeadingNumberOf(Value(text)); }) == leading);
        CheckIntegers(*leading);
    }
    const auto direct = Try([&] { return DirectNumber(Value(text)); });
    if (direct) {
        // A text that reads as a number as a whole reads as the same leading number.
        FUZZ_CHECK(std::isfinite(*direct));
        FUZZ_CHECK(leading.has_value() && *direct == *leading);
    }
    const auto flag = Try([&] { return ToBoolean(Value(text)); });
    if (direct && !std::isnan(*direct)) FUZZ_CHECK(flag.has_value() && *flag == (*direct != 0));
}

// The number printed with 15 significant digits and read back: what the text
// form of a number can hold at most.
std::optional<double> FifteenDigits(double number) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", number);
    const double back = std::strtod(buffer, nullptr);
    if (!std::isfinite(back)) return std::nullopt;
    return back;
}

void CheckNumber(double number) {
    const std::string text = NumberText(number);
    FUZZ_CHECK(!text.empty());
    FUZZ_CHECK(text.find('e') == std::string::npos && text.find(',') == std::string::npos);
    FUZZ_CHECK(TextForm(Value(number)) == text);
    CheckIntegers(number);
    CheckCharacter(number);
    if (!std::isfinite(number)) return;

    const auto exact = FifteenDigits(number);
    const auto viaText = Try([&] { return LeadingNumberOf(Value(number)); });
    FUZZ_CHECK(viaText.has_value() == exact.has_value());
    if (!exact) return;
    FUZZ_CHECK(*viaText == *exact);
    const std::string exactText = NumberText(*exact);
    FUZZ_CHECK(LeadingNumber(exactText) == *exact);
    FUZZ_CHECK(Try([&] { return DirectNumber(Value(exactText)); }) == exact);
}

}  // namespace
}  // namespace bridging

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bridging;
    CheckText(std::string(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double number = 0;
        std::memcpy(&number, data, sizeof number);
        CheckNumber(number);
    }
    return 0;
}
