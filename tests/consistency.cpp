// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each check derives what a face should show from the state behind it, written
// afresh here rather than through the components' own formatting, so that a
// fault in either side shows as a disagreement.
#include "tests/consistency.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

namespace bridging::consistency {

namespace {

constexpr ColourCode White = 0x00FFFFFF;
constexpr double Step = 200;
constexpr std::int16_t FirstStation = 1;
constexpr std::int16_t LastStation = ComputerCount;

// Collects what failed. The parts of a sentence are put together only when its
// check fails: the checks run after every step of long runs.
class Report {
public:
    explicit Report(std::vector<std::string>& found) : found_(found) {}
    template <typename... Parts>
    void Expect(bool holds, const Parts&... parts) {
        if (holds) return;
        std::ostringstream sentence;
        (sentence << ... << parts);
        found_.push_back(sentence.str());
    }

private:
    std::vector<std::string>& found_;
};

class Quoted {
public:
    explicit Quoted(const std::string& text) : text_(text) {}
    friend std::ostream& operator<<(std::ostream& out, const Quoted& quoted) {
        return out << '"' << quoted.text_ << '"';
    }

private:
    const std::string& text_;
};

bool InOneToSix(double number) {
    return number >= FirstStation && number <= LastStation && number == std::floor(number);
}

std::string Letter(double station) {
    return std::string(1, static_cast<char>('A' + static_cast<int>(station) - 1));
}

std::string Digit(double number) {
    return std::string(1, static_cast<char>('0' + static_cast<int>(number)));
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

// A table's stations in order, as its port label lists them.
std::string TableText(const StationTable& table) {
    std::string text;
    for (const std::int16_t entry : table) {
        if (entry == -1) continue;
        if (!text.empty()) text += ':';
        text += Letter(entry);
    }
    return text;
}

std::string PortLabel(std::int32_t state, const StationTable& table) {
    if (state == PortForwarding) return TableText(table);
    if (state == PortBlocked) return "Blocked";
    return "Blocking";
}

std::string CostCaption(std::int16_t cost) {
    return cost >= 0 ? " " + std::to_string(cost) : std::to_string(cost);
}

bool TableHolds(const StationTable& table, std::int16_t station) {
    for (const std::int16_t entry : table) {
        if (entry == station) return true;
    }
    return false;
}

// Learned stations from the front, each once, and only real stations.
void CheckTable(Report& report, const StationTable& table, const std::string& name) {
    bool gapSeen = false;
    std::array<bool, LastStation + 1> seen{};
    for (const std::int16_t entry : table) {
        if (entry == -1) {
            gapSeen = true;
            continue;
        }
        report.Expect(!gapSeen, name, " has a station after an empty position");
        const bool station = InOneToSix(entry);
        report.Expect(station, name, " holds ", entry, ", no station");
        if (!station) continue;
        report.Expect(!seen[static_cast<std::size_t>(entry)], name, " holds ", Letter(entry),
                      " twice");
        seen[static_cast<std::size_t>(entry)] = true;
    }
}

void CheckBridge(Report& report, const Simulation& demo, int k) {
    const Bridge& bridge = demo.Bridge1[static_cast<std::size_t>(k)];
    const BridgeFace& face = bridge.Face();
    const std::string name = "bridge " + std::to_string(k);
    const std::int16_t number = bridge.BridgeNumber();

    report.Expect(InOneToSix(number), name, " has number ", number);
    if (InOneToSix(number)) {
        report.Expect(face.lblName.text == "Bridge #" + Digit(number), name, " shows ",
                      Quoted(face.lblName.text), " for number ", number);
    }

    const double root = bridge.RootBridge().value_or(0);
    const bool rootKnown = root >= 1 && root <= number && root == std::floor(root);
    report.Expect(rootKnown, name, " takes ", root, " for its root");
    if (rootKnown) {
        const std::string caption = std::to_string(static_cast<int>(root));
        report.Expect(face.btnSpanTree.caption == caption, name, " root button reads ",
                      Quoted(face.btnSpanTree.caption), " for root ", caption);
    }

    report.Expect(face.lblPort0Cost.text == CostCaption(bridge.PortACost()), name,
                  " shows port A cost ", Quoted(face.lblPort0Cost.text));
    report.Expect(face.lblPort1Cost.text == CostCaption(bridge.PortBCost()), name,
                  " shows port B cost ", Quoted(face.lblPort1Cost.text));

    // A bridge that takes itself for the root has no path to show.
    const bool ownRoot = root == number;
    const auto pair = [ownRoot](std::int16_t total, std::int16_t best) -> std::string {
        if (ownRoot) return "0:0";
        if (total > 1000) return "X:X";
        return std::to_string(total) + ":" + std::to_string(best);
    };
    const std::string pairA = pair(bridge.TotalCostThroughPortA(), bridge.BestCostOnPortA());
    const std::string pairB = pair(bridge.TotalCostThroughPortB(), bridge.BestCostOnPortB());
    report.Expect(face.lblBestRealA.text == pairA, name, " shows ", Quoted(face.lblBestRealA.text),
                  " above, not ", pairA);
    report.Expect(face.lblBestRealB.text == pairB, name, " shows ", Quoted(face.lblBestRealB.text),
                  " below, not ", pairB);

    // The switches act on every bridge at once, shown or hidden.
    report.Expect(bridge.bLearn() == (demo.chkLearn().value == 1), name,
                  " learning disagrees with the Learning box");
    report.Expect(bridge.bForward() == (demo.chkForward().value == 1), name,
                  " forwarding disagrees with the Forwarding box");

    // Both ports move together: blocked by the spanning tree, or as the switch says.
    const std::int32_t state = bridge.PortAState();
    const std::int32_t switched = bridge.bForward() ? PortForwarding : PortBlocking;
    report.Expect(bridge.PortBState() == state, name, " ports in different states");
    report.Expect(state == PortBlocked || state == switched, name, " port state ", state);

    const std::string labelA = PortLabel(state, bridge.PortATable());
    const std::string labelB = PortLabel(bridge.PortBState(), bridge.PortBTable());
    report.Expect(face.lblPortA.text == labelA, name, " port A shows ", Quoted(face.lblPortA.text),
                  ", not ", Quoted(labelA));
    report.Expect(face.lblPortB.text == labelB, name, " port B shows ", Quoted(face.lblPortB.text),
                  ", not ", Quoted(labelB));

    CheckTable(report, bridge.PortATable(), name + " port A");
    CheckTable(report, bridge.PortBTable(), name + " port B");
    for (std::int16_t station = FirstStation; station <= LastStation; ++station) {
        report.Expect(
            !(TableHolds(bridge.PortATable(), station) && TableHolds(bridge.PortBTable(), station)),
            name, " learned ", Letter(station), " on both sides");
    }
}

void CheckStation(Report& report, const Simulation& demo, int k) {
    const Computer& station = demo.Computer1[static_cast<std::size_t>(k)];
    const std::string name = "station " + Letter(k + 1);
    const bool marked = station.Number() == Computer::Marked;
    report.Expect(station.Number() == k || marked, name, " has number ", station.Number());
    report.Expect(station.Command1().caption == Letter(k + 1), name, " letter reads ",
                  Quoted(station.Command1().caption));
    const ColourCode colour =
        marked ? Computer::MarkRed : Computer::StationColours[static_cast<std::size_t>(k)];
    report.Expect(station.Command1().backColour == colour, name, " letter has the wrong colour");
}

void CheckToken(Report& report, const Packet& token, int k) {
    const std::string name = "token " + std::to_string(k);
    const double dx = token.XOffset();
    const int dy = token.YOffset();
    const bool horizontal = std::fabs(dx) == Step && dy == 0;
    const bool vertical = dx == 0 && std::abs(dy) == Step;
    report.Expect(horizontal || vertical, name, " moves by (", dx, ", ", dy, ")");

    const std::int16_t destination = token.Destination();
    const double source = token.Source();
    report.Expect(token.BorderColour() == Packet::BorderGrey, name, " has the wrong border");
    if (destination == 0) {
        // A spanning-tree frame: the root it announces, in its sender's white.
        report.Expect(InOneToSix(source), name, " announces root ", source);
        if (!InOneToSix(source)) return;
        const std::string contents = "S:" + Digit(source) + ":" + std::to_string(token.Cost());
        report.Expect(token.ContentsText() == contents, name, " reads ",
                      Quoted(token.ContentsText()), ", not ", contents);
        const ColourCode sender = White - token.FillColour();
        report.Expect(sender >= 1 && sender <= BridgeCount, name, " is not in a sender's white");
        return;
    }
    report.Expect(InOneToSix(destination) && InOneToSix(source), name, " goes from ", source,
                  " to ", destination);
    if (!InOneToSix(destination) || !InOneToSix(source)) return;
    const std::string contents = Letter(destination) + ":" + Letter(source);
    report.Expect(token.ContentsText() == contents, name, " reads ", Quoted(token.ContentsText()),
                  ", not ", contents);
    report.Expect(token.FillColour() == Packet::FillColours[static_cast<std::size_t>(destination)],
                  name, " is not in its destination's colour");
}

}  // namespace

std::vector<std::string> Inconsistencies(const Simulation& demo, bool timerRunning) {
    std::vector<std::string> found;
    Report report(found);

    const std::string pause = timerRunning ? "Pause" : "Resume";
    report.Expect(demo.btnPause().caption == pause, "the pause button reads ",
                  Quoted(demo.btnPause().caption));
    report.Expect(demo.chkLearn().value == 0 || demo.chkLearn().value == 1,
                  "the Learning box holds ", demo.chkLearn().value);
    report.Expect(demo.chkForward().value == 0 || demo.chkForward().value == 1,
                  "the Forwarding box holds ", demo.chkForward().value);
    report.Expect(InOneToSix(demo.iSelectedStation()), "the destination is station ",
                  demo.iSelectedStation());
    const std::size_t characters = CharacterCount(demo.Combo1().text);
    report.Expect(characters <= ScenarioTextLimit, "the scenario text holds ", characters,
                  " characters");

    std::array<bool, BridgeCount + 1> numbered{};
    for (int k = 0; k < BridgeCount; ++k) {
        CheckBridge(report, demo, k);
        const std::int16_t number = demo.Bridge1[static_cast<std::size_t>(k)].BridgeNumber();
        if (number < 1 || number > BridgeCount) continue;
        report.Expect(!numbered[static_cast<std::size_t>(number)], "two bridges have number ",
                      number);
        numbered[static_cast<std::size_t>(number)] = true;
    }
    for (int k = 0; k < ComputerCount; ++k) CheckStation(report, demo, k);

    int shown = 0;
    for (int k = 0; k < PoolSize; ++k) {
        const Packet& token = demo.Packet1[static_cast<std::size_t>(k)];
        if (!token.place.Visible) continue;
        ++shown;
        CheckToken(report, token, k);
    }
    report.Expect(shown <= PoolSize, shown, " tokens shown");
    return found;
}

namespace {

std::ostream& operator<<(std::ostream& out, const Placement& place) {
    return out << place.Left << ',' << place.Top << ',' << place.Width << ',' << place.Height << ','
               << place.Visible << ' ';
}

std::ostream& operator<<(std::ostream& out, const LabelFace& label) {
    return out << '[' << label.text << ']' << label.foreColour << ',' << label.backColour << ','
               << label.opaque << ',' << label.visible << ' ';
}

std::ostream& operator<<(std::ostream& out, const ButtonFace& button) {
    return out << '[' << button.caption << ']' << button.backColour << ' ';
}

std::ostream& operator<<(std::ostream& out, const StationTable& table) {
    for (const std::int16_t entry : table) out << entry << ',';
    return out << ' ';
}

std::ostream& operator<<(std::ostream& out, const Packet& token) {
    return out << token.place << token.Source() << ',' << token.Destination() << ','
               << token.NextHop() << ',' << token.Cost() << ',' << token.XOffset() << ','
               << token.YOffset() << ',' << token.TimeToLive() << ',' << token.Visible() << ",["
               << token.SpanHistory() << "],[" << token.ContentsText() << "]," << token.FillColour()
               << ',' << token.BorderColour() << '\n';
}

std::ostream& operator<<(std::ostream& out, const LineFace& line) {
    return out << line.X1 << ',' << line.Y1 << ',' << line.X2 << ',' << line.Y2 << ','
               << line.Visible << ' ';
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::string Describe(const Simulation& state) {
    const Simulation::Controls& c = state.controls;
    std::ostringstream out;
    out << '[' << c.Combo1.text << "] " << c.Combo1.list.size() << ' ' << c.btnPause << c.btnKill
        << c.btnCost << c.btnReset << c.chkLearn.value << c.chkForward.value << ' ' << c.DebugNote
        << state.selectedStation << ',' << state.scenario << ", tick " << state.tickCount
        << ", speed " << state.speed << ", running " << state.running << ", colours";
    for (const ColourCode colour : state.colours) out << ' ' << colour;
    out << '\n';
    for (const Bridge& bridge : state.Bridge1) {
        const BridgeFace& face = bridge.Face();
        out << bridge.place << bridge.BridgeNumber() << ',' << bridge.PortACost() << ','
            << bridge.PortBCost() << ',' << bridge.TotalCostThroughPortA() << ','
            << bridge.TotalCostThroughPortB() << ',' << bridge.BestCostOnPortA() << ','
            << bridge.BestCostOnPortB() << ',' << bridge.RootBridge().value_or(-1) << ','
            << bridge.RootPort() << ',' << bridge.PortAState() << ',' << bridge.PortBState() << ','
            << bridge.bLearn() << bridge.bForward() << ' ' << bridge.PortATable()
            << bridge.PortBTable() << '[' << bridge.PortAString() << "][" << bridge.PortBString()
            << "] " << face.shape1Fill << ' ' << face.lblPortA << face.lblBestRealA
            << face.lblPort0Cost << face.lblName << face.btnSpanTree << face.lblPortB
            << face.lblBestRealB << face.lblPort1Cost << '\n';
    }
    for (const Computer& station : state.Computer1) {
        out << station.place << station.Number() << ' ' << station.Command1() << station.btnKeys()
            << station.OwnPacket();
    }
    for (const Packet& token : state.Packet1) out << token;
    for (int k = 0; k < LineCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        out << state.lneNetA[i] << state.Line1[i] << state.shpRT[i].place << state.shpLT[i].place
            << '\n';
    }
    return out.str();
}

std::string Difference(const Simulation& a, const Simulation& b) {
    if (a == b) return {};
    const std::vector<std::string> linesA = Lines(Describe(a));
    const std::vector<std::string> linesB = Lines(Describe(b));
    constexpr int MostLines = 8;
    std::ostringstream out;
    int shown = 0;
    for (std::size_t i = 0; i < std::max(linesA.size(), linesB.size()) && shown < MostLines; ++i) {
        const std::string lineA = i < linesA.size() ? linesA[i] : std::string();
        const std::string lineB = i < linesB.size() ? linesB[i] : std::string();
        if (lineA == lineB) continue;
        out << "line " << i + 1 << ":\n  " << lineA << "\n  " << lineB << '\n';
        ++shown;
    }
    if (shown == 0) out << "the simulations differ in something their descriptions leave out";
    return out.str();
}

}  // namespace bridging::consistency
