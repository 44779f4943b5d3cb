// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversions of the loosely typed value. Number text is formed and read with
// std::to_chars / std::from_chars so that the user's locale never changes the
// decimal point (the window's toolkit sets the process locale).
#include "common/value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace bridging {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

// Length of the decimal number at text[start], or 0 when none stands there.
std::size_t NumberLength(const std::string& text, std::size_t start) {
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) i = j;
    }
    return i - start;
}

// Parses exactly text[start, start + length); from_chars takes no '+' sign.
double ParseNumber(const std::string& text, std::size_t start, std::size_t length) {
    const char* first = text.data() + start;
    const char* last = first + length;
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    double number = 0;
    auto [end, error] = std::from_chars(first, last, number);
    if (error == std::errc::result_out_of_range) {
        // A negative exponent underflows to zero; anything else is too large to hold.
        const std::string digits(first, last);
        const auto exponentAt = digits.find_first_of("eE");
        if (exponentAt != std::string::npos && digits.find('-', exponentAt) != std::string::npos)
            return 0.0;
        throw OverflowError();
    }
    if (error != std::errc() || end != last) return 0.0;
    return negative ? -number : number;
}

}  // namespace

std::string NumberText(double number) {
    if (number == 0) return "0";
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number > 0 ? "Infinity" : "-Infinity";
    char buffer[64];
    std::to_chars_result result{};
    if (number == std::trunc(number) && std::fabs(number) < 1e15) {
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(number));
    } else {
        result =
            std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 15);
    }
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

std::string TextForm(const Value& value) {
    if (value.IsEmpty()) return "";
    if (value.IsNumber()) return NumberText(value.AsNumber());
    if (value.IsBoolean()) return value.AsBoolean() ? "True" : "False";
    return value.AsText();
}

double LeadingNumber(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    const std::size_t length = NumberLength(text, start);
    return length == 0 ? 0.0 : ParseNumber(text, start, length);
}

double LeadingNumberOf(const Value& value) {
    if (value.IsNumber()) {
        const double number = value.AsNumber();
        if (!std::isfinite(number)) throw OverflowError();
        return LeadingNumber(NumberText(number));
    }
    return LeadingNumber(TextForm(value));
}

double DirectNumber(const Value& value) {
    if (value.IsEmpty()) return 0.0;
    if (value.IsNumber()) return value.AsNumber();
    if (value.IsBoolean()) return value.AsBoolean() ? -1.0 : 0.0;
    const std::string& text = value.AsText();
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    std::size_t end = text.size();
    while (end > start && IsBlank(text[end - 1])) --end;
    const std::size_t length = NumberLength(text, start);
    if (length == 0 || start + length != end) throw TypeMismatchError();
    return ParseNumber(text, start, length);
}

double RoundHalfEven(double number) {
    if (!std::isfinite(number)) return number;
    const double below = std::floor(number);
    const double fraction = number - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int16_t ToInt16(double number) {
    const double rounded = RoundHalfEven(number);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw OverflowError();
    return static_cast<std::int16_t>(rounded);
}

std::int32_t ToInt32(double number) {
    const double rounded = RoundHalfEven(number);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw OverflowError();
    return static_cast<std::int32_t>(rounded);
}

bool ToBoolean(const Value& value) {
    if (value.IsBoolean()) return value.AsBoolean();
    if (value.IsText()) {
        const std::string lower = AsciiLower(value.AsText());
        if (lower == "true") return true;
        if (lower == "false") return false;
    }
    const double number = DirectNumber(value);
    if (std::isnan(number)) throw TypeMismatchError();
    return number != 0;
}

std::string CharacterOf(double code) {
    if (!(code >= 0 && code <= 255)) return "?";
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    std::string utf8;
    utf8 += static_cast<char>(0xC0 | (c >> 6));
    utf8 += static_cast<char>(0x80 | (c & 0x3F));
    return utf8;
}

}  // namespace bridging
