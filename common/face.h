// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plain records of what the components show: labels, buttons, boxes, lines and the
// place a host gives a component. The window's binding draws these as they stand;
// the core keeps them current. Positions are twips, colours 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

namespace bridging {

using ColourCode = std::int32_t;

// Where a host puts a component or element, and whether the host shows it.
struct Placement {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = true;
    bool operator==(const Placement&) const = default;
};

struct LabelFace {
    std::string text;
    ColourCode foreColour = 0x00000000;
    ColourCode backColour = 0x00FFFFFF;
    bool opaque = false;
    bool visible = true;
    bool operator==(const LabelFace&) const = default;
};

struct ButtonFace {
    std::string caption;
    ColourCode backColour = 0x00C0C0C0;
    bool operator==(const ButtonFace&) const = default;
};

// A filled rectangle (the segments' end markers).
struct BoxFace {
    Placement place;
    ColourCode fill = 0x00008000;
    bool operator==(const BoxFace&) const = default;
};

// A straight line between two points (segments and link lines).
struct LineFace {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    bool Visible = true;
    bool operator==(const LineFace&) const = default;
};

struct CheckBoxFace {
    std::string caption;
    int value = 0;  // 0 unchecked, 1 checked
    bool operator==(const CheckBoxFace&) const = default;
};

}  // namespace bridging
