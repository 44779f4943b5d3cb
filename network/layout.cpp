// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The five built-in networks as plans, and a plan laid out on the window's
// elements in the builder's order.
#include "network/layout.h"

namespace bridging::network {

namespace {

// The default network of the builder: "Full Network" shows all of it and
// "Four Bridges" its first three segments, four bridges and five stations.
const std::vector<SegmentPlan> DefaultSegments = {
    {2040, 11100, 3840}, {4320, 10740, 6780}, {1200, 13500, 9660}, {5340, 13080, 1440}};

// Bridge k is numbered k + 1; the costs are the builder's for every network.
constexpr std::array<std::array<int, 2>, BridgeCount> ScenarioCosts = {
    {{5, 5}, {2, 2}, {3, 3}, {5, 5}, {1, 1}, {4, 4}}};

BridgePlan Numbered(int k, int x, int upper, int lower, int y1, int y2, int top) {
    const auto& costs = ScenarioCosts[static_cast<std::size_t>(k)];
    return BridgePlan{x, upper, lower, y1, y2, top, k + 1, costs[0], costs[1], {}, {}};
}

std::vector<BridgePlan> DefaultBridges() {
    return {Numbered(0, 2520, 0, 2, 3840, 9600, 5880), Numbered(1, 5460, 0, 1, 3900, 6720, 4560),
            Numbered(2, 9600, 0, 1, 3900, 6720, 4560), Numbered(3, 7080, 1, 2, 6840, 9540, 7500),
            Numbered(4, 7680, 3, 0, 1440, 3780, 1860), Numbered(5, 12600, 3, 2, 1440, 9660, 4920)};
}

// Stations C and D stand 1560 above segment 2 in the default network.
const std::vector<StationPlan> DefaultStations = {{0, 3300, 1620}, {0, 9480, 1620},
                                                  {2, 3300, 1560}, {2, 9840, 1560},
                                                  {1, 6840, 1620}, {3, 10980, 1620}};

// The two-segment networks: link lines hang from segment 0 to 60 above segment
// 1, stations stand at a quarter and three quarters of each segment.
Plan TwoSegmentPlan(const std::vector<int>& linkXs) {
    Plan plan;
    plan.segments = {{2040, 11100, 3840}, {2040, 11100, 9660}};
    for (std::size_t k = 0; k < linkXs.size(); ++k)
        plan.bridges.push_back(Numbered(static_cast<int>(k), linkXs[k], 0, 1, 3840, 9600, 5880));
    plan.stations = {{0, 4305, 1620}, {0, 8835, 1620}, {1, 4305, 1620}, {1, 8835, 1620}};
    return plan;
}

template <typename T>
std::vector<T> First(const std::vector<T>& all, std::size_t n) {
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n)};
}

void HideAll(Simulation& s) {
    for (int k = 0; k < BridgeCount; ++k) {
        s.Bridge1[k].place.Visible = false;
        s.Line1[k].Visible = false;
        s.Computer1[k].place.Visible = false;
        s.shpLT[k].place.Visible = false;
        s.shpRT[k].place.Visible = false;
        s.lneNetA[k].Visible = false;
    }
}

void PlaceSegment(LineFace& line, const SegmentPlan& segment) {
    line.X1 = static_cast<float>(segment.x1);
    line.X2 = static_cast<float>(segment.x2);
    line.Y1 = static_cast<float>(segment.y);
    line.Y2 = line.Y1;
}

void PlaceBridge(Simulation& s, int k, const BridgePlan& b) {
    LineFace& line = s.Line1[k];
    line.X1 = static_cast<float>(b.x);
    line.X2 = line.X1;
    line.Y1 = static_cast<float>(b.y1);
    line.Y2 = static_cast<float>(b.y2);
    s.Bridge1[k].place.Top = static_cast<float>(b.top);
    s.Bridge1[k].place.Left = static_cast<float>(BridgeLeft(b));
}

void PlaceStation(Computer& station, const Plan& plan, const StationPlan& at) {
    station.place.Top = static_cast<float>(StationTop(plan, at));
    station.place.Left = static_cast<float>(at.left);
}

// Where the builder leaves every element before it shows a network; segments 4
// and 5 it never moves.
void PlaceDefaults(Simulation& s) {
    static const Plan defaults = BuiltInPlan(BuiltIn::FullNetwork);
    for (std::size_t k = 0; k < defaults.stations.size(); ++k)
        PlaceStation(s.Computer1[k], defaults, defaults.stations[k]);
    for (std::size_t k = 0; k < defaults.bridges.size(); ++k)
        PlaceBridge(s, static_cast<int>(k), defaults.bridges[k]);
    for (std::size_t k = 0; k < defaults.segments.size(); ++k)
        PlaceSegment(s.lneNetA[k], defaults.segments[k]);
}

void PlaceEndMarkers(Simulation& s) {
    for (int k = 0; k < LineCount; ++k) {
        const LineFace& segment = s.lneNetA[k];
        if (!segment.Visible) continue;
        s.shpRT[k].place.Top = segment.Y1 - 360;
        s.shpRT[k].place.Left = segment.X1 - limits::MarkerLeft;
        s.shpRT[k].place.Visible = true;
        s.shpLT[k].place.Top = segment.Y1 - 360;
        s.shpLT[k].place.Left = segment.X2;
        s.shpLT[k].place.Visible = true;
    }
}

// Numbering resets a bridge; the empty presets then empty both of its tables.
void NumberBridges(Simulation& s, const Plan& plan) {
    for (int k = 0; k < BridgeCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const bool used = index < plan.bridges.size();
        Bridge& bridge = s.Bridge1[k];
        bridge.SetBridgeNumber(used ? plan.bridges[index].number : k + 1);
        bridge.SetPortACost(1);
        bridge.SetPortBCost(1);
        bridge.zSetPortAString("");
        bridge.zSetPortBString("");
    }
    for (int k = 0; k < BridgeCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const bool used = index < plan.bridges.size();
        s.Bridge1[k].SetPortACost(used ? plan.bridges[index].costA : ScenarioCosts[index][0]);
        s.Bridge1[k].SetPortBCost(used ? plan.bridges[index].costB : ScenarioCosts[index][1]);
    }
    for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
        const BridgePlan& b = plan.bridges[k];
        if (b.tableA.empty() && b.tableB.empty()) continue;
        s.Bridge1[k].zSetPortAString(b.tableA);
        s.Bridge1[k].zSetPortBString(b.tableB);
    }
}

}  // namespace

std::string_view BuiltInName(BuiltIn network) {
    switch (network) {
        case BuiltIn::OneBridge:
            return "One Bridge";
        case BuiltIn::TwoBridges:
            return "Two Bridges";
        case BuiltIn::TwoManual:
            return "Two Manual";
        case BuiltIn::FourBridges:
            return "Four Bridges";
        case BuiltIn::FullNetwork:
            break;
    }
    return "Full Network";
}

std::string_view BuiltInFileStem(BuiltIn network) {
    switch (network) {
        case BuiltIn::OneBridge:
            return "one-bridge";
        case BuiltIn::TwoBridges:
            return "two-bridges";
        case BuiltIn::TwoManual:
            return "two-manual";
        case BuiltIn::FourBridges:
            return "four-bridges";
        case BuiltIn::FullNetwork:
            break;
    }
    return "full-network";
}

Plan BuiltInPlan(BuiltIn network) {
    Plan plan;
    switch (network) {
        case BuiltIn::OneBridge:
            plan = TwoSegmentPlan({6570});
            plan.description =
                "Two segments joined by one bridge. Send from A to C and watch the bridge "
                "learn where A is; send back from C and see it filter or forward.";
            break;
        case BuiltIn::TwoBridges:
            plan = TwoSegmentPlan({8080, 3852});
            plan.description =
                "Two bridges join the same two segments and close a loop. With forwarding "
                "on, a frame circles for ever until the spanning tree blocks one bridge.";
            break;
        case BuiltIn::TwoManual:
            plan = TwoSegmentPlan({8080, 3852});
            for (int k = 0; k < 2; ++k) {
                plan.bridges[static_cast<std::size_t>(k)].tableA = "A:B";
                plan.bridges[static_cast<std::size_t>(k)].tableB = "C:D";
            }
            plan.description =
                "The loop of Two Bridges with tables set by hand: both bridges already know "
                "that A and B are above them and C and D below.";
            break;
        case BuiltIn::FourBridges:
            plan.segments = First(DefaultSegments, 3);
            plan.bridges = First(DefaultBridges(), 4);
            plan.stations = First(DefaultStations, 5);
            plan.description =
                "Three segments and four bridges with loops between them. Press the root "
                "buttons and see which bridges the spanning tree blocks.";
            break;
        case BuiltIn::FullNetwork:
            plan.segments = DefaultSegments;
            plan.bridges = DefaultBridges();
            plan.stations = DefaultStations;
            plan.description =
                "Four segments, six bridges and six stations: every loop of the "
                "demonstration at once.";
            break;
    }
    plan.name = std::string(BuiltInName(network));
    return plan;
}

Plan EmptyPlan() {
    Plan plan;
    plan.name = "New network";
    return plan;
}

std::vector<Problem> LayOut(const Plan& plan, Simulation& simulation) {
    std::vector<Problem> problems = Check(plan);
    if (!problems.empty()) return problems;
    Simulation& s = simulation;
    HideAll(s);
    PlaceDefaults(s);
    for (std::size_t k = 0; k < plan.segments.size(); ++k) {
        PlaceSegment(s.lneNetA[k], plan.segments[k]);
        s.lneNetA[k].Visible = true;
    }
    for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
        PlaceBridge(s, static_cast<int>(k), plan.bridges[k]);
        s.Line1[k].Visible = true;
        s.Bridge1[k].place.Visible = true;
    }
    for (std::size_t k = 0; k < plan.stations.size(); ++k) {
        PlaceStation(s.Computer1[k], plan, plan.stations[k]);
        s.Computer1[k].place.Visible = true;
    }
    PlaceEndMarkers(s);
    NumberBridges(s, plan);
    for (int k = 0; k < ComputerCount; ++k) s.Computer1[k].SetNumber(k);
    return problems;
}

}  // namespace bridging::network
