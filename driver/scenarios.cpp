// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scenario builder: it lays the window's fixed elements out as one of the
// five example networks. The network is nothing but these positions and
// visibilities; the tick and the dispatcher read them back.
#include <algorithm>

#include "driver/demo.h"
#include "driver/geometry.h"

namespace bridging {

namespace {

// The default network, of which "Four Bridges" and "Full Network" show parts
// (bridge k is drawn [k + 1]; x is not to scale):
//
//   "Four Bridges": stations A to E, segments 0 to 2, bridges 1 to 4.
//                  A                             B
//        ===+=============+====================+========              segment 0, y 3840
//           |             |                    |
//           |             |                    |
//           |            [2]                  [3]
//           |             |                    |
//           |             |         E          |
//          [1]       =====+=======+============+======                segment 1, y 6780
//           |                     |
//           |                     |
//           |                    [4]
//           |                     |
//           |      C              |                D
//    =======+=====================+=================================  segment 2, y 9660
//
//   "Full Network": all of it; bridge 5 joins segments 3 and 0, bridge 6 (at x
//   12600) passes right of segments 0 and 1 and joins segments 3 and 2.
//                                                        F
//                         ===========+========================+==     segment 3, y 1440
//                                    |                        |
//                                    |                        |
//                                   [5]                       |
//                  A                 |           B            |
//        ===+=============+==========+=========+========      |       segment 0, y 3840
//           |             |                    |              |
//           |             |                    |              |
//           |            [2]                  [3]             |
//           |             |                    |             [6]
//           |             |         E          |              |
//          [1]       =====+=======+============+======        |       segment 1, y 6780
//           |                     |                           |
//           |                     |                           |
//           |                    [4]                          |
//           |                     |                           |
//           |      C              |                D          |
//    =======+=====================+===========================+=====  segment 2, y 9660
//
// Link lines 1 to 3 start 60 below their upper segment, and link line 3 ends
// 120 above segment 2: the tick's tolerances cover those gaps.

struct Link {
    float X;
    float Y1;
    float Y2;
};

struct Segment {
    float X1;
    float X2;
    float Y;
};

constexpr std::array<geometry::Spot, ComputerCount> DefaultStations = {
    {{3300, 2220}, {9480, 2220}, {3300, 8100}, {9840, 8100}, {6840, 5160}, {10980, -180}}};
constexpr std::array<geometry::Spot, BridgeCount> DefaultBridges = {
    {{1020, 5880}, {3960, 4560}, {8100, 4560}, {5580, 7500}, {6180, 1860}, {11100, 4920}}};
constexpr std::array<Link, LineCount> DefaultLinks = {{{2520, 3840, 9600},
                                                       {5460, 3900, 6720},
                                                       {9600, 3900, 6720},
                                                       {7080, 6840, 9540},
                                                       {7680, 1440, 3780},
                                                       {12600, 1440, 9660}}};
// Segments 4 and 5 exist but no scenario positions or shows them.
constexpr std::array<Segment, 4> DefaultSegments = {
    {{2040, 11100, 3840}, {4320, 10740, 6780}, {1200, 13500, 9660}, {5340, 13080, 1440}}};

// How many of each element, from index 0, a scenario on the default network shows.
struct Shown {
    int computers;
    int segments;
    int bridges;
    int lines;
};
constexpr Shown FourBridgesShown{5, 3, 4, 4};
constexpr Shown FullNetworkShown{6, 4, 6, 6};

// "One Bridge", "Two Bridges" and "Two Manual" move segment 1 down and place
// their bridges and stations at fractions of the segments:
//
//   "One Bridge": bridge 1 at the middle.
//                       A                     B
//        =======================+=======================              segment 0, y 3840
//                               |
//                               |
//                               |
//                               |
//                               |
//                              [1]
//                               |
//                               |
//                               |
//                               |
//                       C       |             D
//        =======================+=======================              segment 1, y 9660
//
//   "Two Bridges" and "Two Manual": bridge 1 at two thirds, bridge 2 at one
//   fifth; the two bridges close a loop.
//                       A                     B
//        =========+====================+================              segment 0, y 3840
//                 |                    |
//                 |                    |
//                 |                    |
//                 |                    |
//                 |                    |
//                [2]                  [1]
//                 |                    |
//                 |                    |
//                 |                    |
//                 |                    |
//                 |     C              |      D
//        =========+====================+================              segment 1, y 9660

// The upper segment 0 and the lower segment 1 of these three scenarios.
constexpr Segment UpperSegment{2040, 11100, 3840};
constexpr Segment LowerSegment{2040, 11100, 9660};

// A point of a segment: (wLeft * X1 + wRight * X2) / (wLeft + wRight).
struct Division {
    float wLeft;
    float wRight;
};

float At(const LineFace& segment, Division d) {
    return (d.wLeft * segment.X1 + d.wRight * segment.X2) / (d.wLeft + d.wRight);
}

// Link lines hang from segment 0 to 60 above segment 1; bridges sit at one height.
constexpr float TwoSegmentLinkBottom = 9600;
constexpr float TwoSegmentBridgeTop = 5880;
constexpr std::array<Division, 1> OneBridgeLinks = {{{1, 1}}};
constexpr std::array<Division, 2> TwoBridgesLinks = {{{1, 2}, {4, 1}}};
// Stations A and B on segment 0, C and D on segment 1, at a quarter and three quarters.
constexpr Division QuarterIn{3, 1};
constexpr Division QuarterFromEnd{1, 3};
constexpr float StationAboveSegment = 1620;

// A bridge is centred on its link line.
constexpr float BridgeHalfWidth = 1500;
// End markers stand over a segment's ends.
constexpr float MarkerAboveSegment = 360;
constexpr float MarkerLeftOfStart = 120;

struct PortCosts {
    std::int16_t portA;
    std::int16_t portB;
};
constexpr std::array<PortCosts, BridgeCount> ScenarioCosts = {
    {{5, 5}, {2, 2}, {3, 3}, {5, 5}, {1, 1}, {4, 4}}};

constexpr std::int16_t TwoManual = 3;

void HideNetwork(Simulation& d) {
    for (int k = 0; k < BridgeCount; ++k) {
        d.Bridge1[k].place.Visible = false;
        d.Line1[k].Visible = false;
        d.Computer1[k].place.Visible = false;
        d.shpLT[k].place.Visible = false;
        d.shpRT[k].place.Visible = false;
        d.lneNetA[k].Visible = false;
    }
}

void LayOutDefaultNetwork(Simulation& d) {
    for (int k = 0; k < ComputerCount; ++k) {
        d.Computer1[k].place.Top = DefaultStations[k].Top;
        d.Computer1[k].place.Left = DefaultStations[k].Left;
    }
    for (int k = 0; k < BridgeCount; ++k) {
        d.Bridge1[k].place.Top = DefaultBridges[k].Top;
        d.Bridge1[k].place.Left = DefaultBridges[k].Left;
    }
    for (int k = 0; k < LineCount; ++k) {
        LineFace& line = d.Line1[k];
        line.X1 = DefaultLinks[k].X;
        line.X2 = DefaultLinks[k].X;
        line.Y1 = DefaultLinks[k].Y1;
        line.Y2 = DefaultLinks[k].Y2;
    }
    for (std::size_t k = 0; k < DefaultSegments.size(); ++k) {
        LineFace& segment = d.lneNetA[k];
        segment.X1 = DefaultSegments[k].X1;
        segment.X2 = DefaultSegments[k].X2;
        segment.Y1 = DefaultSegments[k].Y;
        segment.Y2 = segment.Y1;
    }
}

void ShowSegment(LineFace& segment, const Segment& at) {
    segment.Y1 = at.Y;
    segment.Y2 = at.Y;
    segment.X1 = at.X1;
    segment.X2 = at.X2;
    segment.Visible = true;
}

void ShowStation(Computer& station, const LineFace& segment, Division d) {
    station.place.Top = segment.Y1 - StationAboveSegment;
    station.place.Left = At(segment, d);
    station.place.Visible = true;
}

template <std::size_t N>
void ShowTwoSegmentNetwork(Simulation& d, const std::array<Division, N>& links) {
    ShowSegment(d.lneNetA[0], UpperSegment);
    ShowSegment(d.lneNetA[1], LowerSegment);
    for (std::size_t k = 0; k < N; ++k) {
        LineFace& line = d.Line1[k];
        line.Y1 = d.lneNetA[0].Y1;
        line.Y2 = TwoSegmentLinkBottom;
        line.X1 = At(d.lneNetA[0], links[k]);
        line.X2 = line.X1;
        line.Visible = true;
        Bridge& bridge = d.Bridge1[k];
        bridge.place.Top = TwoSegmentBridgeTop;
        bridge.place.Left = line.X1 - BridgeHalfWidth;
        bridge.place.Visible = true;
    }
    ShowStation(d.Computer1[0], d.lneNetA[0], QuarterIn);
    ShowStation(d.Computer1[1], d.lneNetA[0], QuarterFromEnd);
    ShowStation(d.Computer1[2], d.lneNetA[1], QuarterIn);
    ShowStation(d.Computer1[3], d.lneNetA[1], QuarterFromEnd);
}

void ShowDefaultNetwork(Simulation& d, const Shown& shown) {
    for (int k = 0; k < shown.computers; ++k) d.Computer1[k].place.Visible = true;
    for (int k = 0; k < shown.segments; ++k) d.lneNetA[k].Visible = true;
    for (int k = 0; k < shown.bridges; ++k) d.Bridge1[k].place.Visible = true;
    for (int k = 0; k < shown.lines; ++k) d.Line1[k].Visible = true;
}

void ShowScenario(Simulation& d, std::int16_t scenario) {
    switch (scenario) {
        case 1:
            ShowTwoSegmentNetwork(d, OneBridgeLinks);
            break;
        case 2:
        case 3:
            ShowTwoSegmentNetwork(d, TwoBridgesLinks);
            break;
        case 4:
            ShowDefaultNetwork(d, FourBridgesShown);
            break;
        default:
            ShowDefaultNetwork(d, FullNetworkShown);
            break;
    }
}

void PlaceEndMarkers(Simulation& d) {
    for (int k = 0; k < LineCount; ++k) {
        const LineFace& segment = d.lneNetA[k];
        if (!segment.Visible) continue;
        Placement& left = d.shpRT[k].place;
        left.Top = segment.Y1 - MarkerAboveSegment;
        left.Left = segment.X1 - MarkerLeftOfStart;
        left.Visible = true;
        Placement& right = d.shpLT[k].place;
        right.Top = segment.Y1 - MarkerAboveSegment;
        right.Left = segment.X2;
        right.Visible = true;
    }
}

// Numbering resets a bridge; the empty presets then empty both of its tables.
void ResetBridges(Simulation& d) {
    for (int k = 0; k < BridgeCount; ++k) {
        Bridge& bridge = d.Bridge1[k];
        bridge.SetBridgeNumber(k + 1);
        bridge.SetPortACost(1);
        bridge.SetPortBCost(1);
        bridge.zSetPortAString("");
        bridge.zSetPortBString("");
    }
}

void SetPortCosts(Simulation& d) {
    for (int k = 0; k < BridgeCount; ++k) {
        d.Bridge1[k].SetPortACost(ScenarioCosts[k].portA);
        d.Bridge1[k].SetPortBCost(ScenarioCosts[k].portB);
    }
}

// Port A faces the segment with stations A and B, port B the one with C and D.
void PresetManualTables(Simulation& d) {
    for (int k = 0; k < 2; ++k) {
        d.Bridge1[k].zSetPortAString("A:B");
        d.Bridge1[k].zSetPortBString("C:D");
    }
}

void NumberStations(Simulation& d) {
    for (int k = 0; k < ComputerCount; ++k) d.Computer1[k].SetNumber(k);
}

}  // namespace

void Demo::BuildScenario() {
    Simulation& d = sim_;
    HideNetwork(d);
    LayOutDefaultNetwork(d);
    // Only an exact name builds; a partly typed one leaves the network hidden
    // and the last scenario number in force.
    const std::string text = d.controls.Combo1.text;
    const auto match = std::find(ScenarioNames.begin(), ScenarioNames.end(), text);
    if (match != ScenarioNames.end()) {
        d.scenario = static_cast<std::int16_t>(match - ScenarioNames.begin() + 1);
        ShowScenario(d, d.scenario);
    }
    PlaceEndMarkers(d);
    ResetBridges(d);
    SetPortCosts(d);
    if (d.scenario == TwoManual) PresetManualTables(d);
    NumberStations(d);
    ReportScenario();
    SetCheckBox(d.controls.chkForward, 0, &Demo::chkForward_Click);
    SetCheckBox(d.controls.chkLearn, 0, &Demo::chkLearn_Click);
}

}  // namespace bridging
