// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's design values, the binding of its elements' events, its
// start-up and the handlers that rebuild the network (scenario list, Reset).
#include "driver/demo.h"

#include <algorithm>

#include "driver/geometry.h"

namespace bridging {

namespace {

struct Ends {
    float X1;
    float Y1;
    float X2;
    float Y2;
};

// Design positions; the scenario builder replaces those of the network before
// the window is first shown. At design the segments run right to left and the
// link lines bottom to top.
constexpr std::array<Ends, LineCount> DesignSegments = {{{11460, 3840, 2040, 3840},
                                                         {10740, 6780, 4320, 6780},
                                                         {13500, 9660, 1200, 9660},
                                                         {13080, 1440, 5340, 1440},
                                                         {7080, 10260, 4260, 10260},
                                                         {3840, 10260, 2100, 10260}}};
constexpr std::array<Ends, LineCount> DesignLinks = {{{2520, 9600, 2520, 3840},
                                                      {5460, 6720, 5460, 3900},
                                                      {9600, 6720, 9600, 3900},
                                                      {7080, 9540, 7080, 6840},
                                                      {7680, 3780, 7680, 1440},
                                                      {12600, 9660, 12600, 1440}}};
constexpr std::array<geometry::Spot, LineCount> DesignLeftMarkers = {
    {{13080, 1080}, {11460, 3480}, {10740, 6420}, {13500, 9300}, {7080, 9900}, {3840, 9900}}};
constexpr std::array<geometry::Spot, LineCount> DesignRightMarkers = {
    {{5220, 1080}, {1920, 3480}, {4200, 6420}, {1080, 9300}, {4140, 9900}, {1980, 9900}}};
constexpr std::array<geometry::Spot, BridgeCount> DesignBridges = {
    {{1020, 5880}, {3960, 4560}, {8100, 4560}, {5580, 7500}, {6180, 1860}, {11100, 4920}}};
constexpr std::array<geometry::Spot, ComputerCount> DesignComputers = {
    {{6840, 5160}, {10020, 2220}, {3360, 8100}, {9840, 8040}, {3300, 2220}, {10980, -180}}};
constexpr std::array<geometry::Spot, PoolSize> DesignPackets = {{{3300, 3420},
                                                                 {120, 2820},
                                                                 {120, 240},
                                                                 {120, 120},
                                                                 {0, 360},
                                                                 {0, 360},
                                                                 {0, 360},
                                                                 {0, 360},
                                                                 {0, 360},
                                                                 {0, 360},
                                                                 {0, 360},
                                                                 {0, 240},
                                                                 {0, 240},
                                                                 {0, 360},
                                                                 {0, 240},
                                                                 {0, 240}}};

constexpr float MarkerWidth = 135;
constexpr float MarkerHeight = 735;
constexpr float BridgeWidth = 3000;
constexpr float BridgeHeight = 1575;
constexpr float PacketWidth = 1575;
constexpr float PacketHeight = 975;

// Stations 0 and 4 are narrower, station 5 is shorter, token 0 is narrower.
float ComputerWidth(int k) { return k == 0 || k == 4 ? 1335.0f : 1455.0f; }
float ComputerHeight(int k) { return k == 5 ? 1755.0f : 1935.0f; }
float PacketWidthOf(int k) { return k == 0 ? 1305.0f : PacketWidth; }

}  // namespace

Demo::Demo() {
    Simulation& d = sim_;
    for (int k = 0; k < LineCount; ++k) {
        const Ends& s = DesignSegments[k];
        d.lneNetA[k] = LineFace{s.X1, s.Y1, s.X2, s.Y2, true};
        const Ends& l = DesignLinks[k];
        d.Line1[k] = LineFace{l.X1, l.Y1, l.X2, l.Y2, true};
        d.shpRT[k].place = Placement{DesignLeftMarkers[k].Left, DesignLeftMarkers[k].Top,
                                     MarkerWidth, MarkerHeight, true};
        d.shpLT[k].place = Placement{DesignRightMarkers[k].Left, DesignRightMarkers[k].Top,
                                     MarkerWidth, MarkerHeight, true};
    }
    for (int k = 0; k < BridgeCount; ++k) {
        d.Bridge1[k].place =
            Placement{DesignBridges[k].Left, DesignBridges[k].Top, BridgeWidth, BridgeHeight, true};
    }
    for (int k = 0; k < ComputerCount; ++k) {
        d.Computer1[k].place = Placement{DesignComputers[k].Left, DesignComputers[k].Top,
                                         ComputerWidth(k), ComputerHeight(k), true};
    }
    for (int k = 0; k < PoolSize; ++k) {
        d.Packet1[k].place = Placement{DesignPackets[k].Left, DesignPackets[k].Top,
                                       PacketWidthOf(k), PacketHeight, true};
    }
}

void Demo::Form_Load() {
    Run([this] {
        for (int k = 0; k < PoolSize; ++k) sim_.Packet1[k].place.Visible = false;
        // A new frame wears its destination's colour: the token's own table.
        sim_.colours = Packet::FillColours;
        for (std::string_view name : ScenarioNames) sim_.controls.Combo1.list.emplace_back(name);
        SetText("One Bridge");
        BuildScenario();
        sim_.selectedStation = 1;
    });
}

bool Simulation::AnyTokenShown() const {
    return std::any_of(Packet1.begin(), Packet1.end(),
                       [](const Packet& token) { return token.place.Visible; });
}

int Simulation::FramesInFlight() const {
    return static_cast<int>(std::count_if(Packet1.begin(), Packet1.end(),
                                          [](const Packet& token) { return token.place.Visible; }));
}

std::string_view MessageText(MessageKind kind) {
    return kind == MessageKind::RunOutOfPackets ? "Run Out of Packets"
                                                : "Can't find Segment below Computer";
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (continuation) continue;
        if (characters == count) return text.substr(0, i);
        ++characters;
    }
    return text;
}

Raised Demo::SetCombo1Text(const std::string& text) {
    return Run([&] { SetText(text); });
}

void Demo::SetText(const std::string& text) {
    std::string bounded = FirstCharacters(text, ScenarioTextLimit);
    if (sim_.controls.Combo1.text == bounded) return;
    sim_.controls.Combo1.text = std::move(bounded);
    Combo1_Change();
}

Raised Demo::PickCombo1(int listIndex) {
    return Run([&] {
        const std::vector<std::string>& list = sim_.controls.Combo1.list;
        if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return;
        sim_.controls.Combo1.text = list[static_cast<std::size_t>(listIndex)];
        Combo1_Click();
    });
}

// Neither list handler removes the frames in flight; only Reset does.
void Demo::Combo1_Change() {
    Contain([this] { BuildScenario(); });
}

void Demo::Combo1_Click() {
    Contain([this] { BuildScenario(); });
}

Raised Demo::BuildNetwork(const Simulation& laidOut, const std::string& name) {
    return Run([&] { TakeUpNetwork(laidOut, name); });
}

Raised Demo::ResetNetwork(const Simulation& laidOut, const std::string& name) {
    return Run([&] {
        ReportWindow(DecisionKind::Reset);
        Kill();
        TakeUpNetwork(laidOut, name);
    });
}

void Demo::TakeUpNetwork(const Simulation& laidOut, const std::string& name) {
    sim_.Bridge1 = laidOut.Bridge1;
    sim_.Computer1 = laidOut.Computer1;
    sim_.lneNetA = laidOut.lneNetA;
    sim_.Line1 = laidOut.Line1;
    sim_.shpRT = laidOut.shpRT;
    sim_.shpLT = laidOut.shpLT;
    sim_.controls.Combo1.text = FirstCharacters(name, ScenarioTextLimit);
    sim_.scenario = Simulation::BuiltNetwork;
    if (Accounting()) {
        Decision decision;
        decision.kind = DecisionKind::ScenarioBuilt;
        decision.text = sim_.controls.Combo1.text;
        Report(decision);
    }
    SetCheckBox(sim_.controls.chkForward, 0, &Demo::chkForward_Click);
    SetCheckBox(sim_.controls.chkLearn, 0, &Demo::chkLearn_Click);
}

Raised Demo::btnReset_Click() {
    return Run([this] {
        ReportWindow(DecisionKind::Reset);
        Kill();
        BuildScenario();
    });
}

}  // namespace bridging
