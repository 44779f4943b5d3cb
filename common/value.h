// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The loosely typed value that every component property setter takes, and the
// conversions the components apply to it (text form, leading number, rounding).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace bridging {

// A failed conversion in a property setter. The property keeps its old value.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The number does not fit the property's integer type.
class OverflowError : public ConversionError {
public:
    OverflowError() : ConversionError("Overflow") {}
};

// The value cannot be read as a number at all.
class TypeMismatchError : public ConversionError {
public:
    TypeMismatchError() : ConversionError("Type mismatch") {}
};

// Empty, a number, a text or a boolean.
class Value {
public:
    Value() = default;
    Value(double number) : v_(number) {}
    Value(int number) : v_(static_cast<double>(number)) {}
    Value(bool flag) : v_(flag) {}
    Value(std::string text) : v_(std::move(text)) {}
    Value(const char* text) : v_(std::string(text)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    bool IsNumber() const { return std::holds_alternative<double>(v_); }
    bool IsText() const { return std::holds_alternative<std::string>(v_); }
    bool IsBoolean() const { return std::holds_alternative<bool>(v_); }

    double AsNumber() const { return std::get<double>(v_); }
    const std::string& AsText() const { return std::get<std::string>(v_); }
    bool AsBoolean() const { return std::get<bool>(v_); }

private:
    std::variant<std::monostate, double, std::string, bool> v_;
};

// Decimal text of a number: whole numbers without a decimal point, others with
// at most 15 significant digits, very large or small ones in E notation ("1E+20").
std::string NumberText(double number);

// Text form of any value: empty gives "", booleans "True" / "False".
std::string TextForm(const Value& value);

// The decimal number at the start of a text, after leading blanks; 0 when the
// text does not start with one. Accepts a sign, a fraction and an exponent.
double LeadingNumber(const std::string& text);

// The number at the start of the value's text form (the bridge's and the token's setters).
double LeadingNumberOf(const Value& value);

// The value read directly as a number (the station's setter): booleans give -1 / 0,
// a text must be a number as a whole (blanks around it allowed), empty gives 0.
// Throws TypeMismatchError otherwise.
double DirectNumber(const Value& value);

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double number);

// Rounded to the integer type; throws OverflowError outside its range.
std::int16_t ToInt16(double number);
std::int32_t ToInt32(double number);

// A property flag: booleans as they are, numbers (and numeric text) true when
// nonzero, the texts "True" and "False" in any case. Throws TypeMismatchError otherwise.
bool ToBoolean(const Value& value);

// The one character whose code is given, as UTF-8 (codes 128 to 255 are taken
// as Latin-1); "?" for a code outside 0 to 255, which no character has.
std::string CharacterOf(double code);

}  // namespace bridging
