// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of a plan and the lattice the editor places elements on.
#include "network/plan.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace bridging::network {

namespace lattice {

namespace {

// Floor division, so that positions left of the drawing snap the same way.
int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int Snap(int value, int step, int phase) {
    return phase + step * FloorDiv(value - phase + step / 2, step);
}

}  // namespace

int SnapStationLeft(int left) { return Snap(left, TrackStep, TrackPhase); }
int SnapLinkX(int x) { return Snap(x, TrackStep, TrackPhase + limits::LeftOfLink); }
int SnapHeight(int y) { return Snap(y, HeightStep, 0); }
int SnapEnd(int x) { return Snap(x, EndStep, 0); }
bool IsStationLeft(int left) { return SnapStationLeft(left) == left; }
bool IsLinkX(int x) { return SnapLinkX(x) == x; }

}  // namespace lattice

namespace {

namespace l = limits;

struct Checker {
    const Plan& plan;
    std::vector<Problem> problems;

    void Add(ProblemId id, Element subject, Element other = {}, int value = 0, int limit = 0,
             int port = -1) {
        problems.push_back({id, subject, other, value, limit, port});
    }

    bool ValidSegment(int k) const {
        return k >= 0 && static_cast<std::size_t>(k) < plan.segments.size();
    }
    const SegmentPlan& Segment(int k) const { return plan.segments[static_cast<std::size_t>(k)]; }
    int Junction(const BridgePlan& b) const { return b.x - l::LeftOfLink; }

    void Texts();
    void Counts();
    void Segments();
    void Bridges();
    void BridgePairs();
    void Stations();
    void JunctionPhases();
};

// Control characters other than those allowed; texts are validated as UTF-8 first.
bool HasControl(std::string_view text, std::string_view allowed) {
    return std::any_of(text.begin(), text.end(), [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 || byte == 0x7F) && allowed.find(c) == std::string_view::npos;
    });
}

void Checker::Texts() {
    const long name = Utf8Characters(plan.name);
    if (name < 0 || HasControl(plan.name, "")) {
        Add(ProblemId::NameNotPlain, NetworkElement());
    } else if (static_cast<std::size_t>(name) > l::NameCharacters) {
        Add(ProblemId::NameTooLong, NetworkElement(), {}, static_cast<int>(name),
            static_cast<int>(l::NameCharacters));
    }
    const long description = Utf8Characters(plan.description);
    if (description < 0 || HasControl(plan.description, "\n\t")) {
        Add(ProblemId::DescriptionNotText, NetworkElement());
    } else if (static_cast<std::size_t>(description) > l::DescriptionCharacters) {
        Add(ProblemId::DescriptionTooLong, NetworkElement(), {}, static_cast<int>(description),
            static_cast<int>(l::DescriptionCharacters));
    }
}

void Checker::Counts() {
    const auto tooMany = [&](std::size_t n, ElementType type) {
        if (n > static_cast<std::size_t>(MaxElements))
            Add(ProblemId::TooMany, {type, -1}, {}, static_cast<int>(n), MaxElements);
    };
    tooMany(plan.segments.size(), ElementType::Segment);
    tooMany(plan.bridges.size(), ElementType::Bridge);
    tooMany(plan.stations.size(), ElementType::Station);
}

void Checker::Segments() {
    for (std::size_t k = 0; k < plan.segments.size(); ++k) {
        const SegmentPlan& s = plan.segments[k];
        const Element me = SegmentElement(static_cast<int>(k));
        if (s.x1 >= s.x2) {
            Add(ProblemId::SegmentBackwards, me, {}, s.x1, s.x2);
        } else if (s.x2 - s.x1 < l::ShortestSegment) {
            Add(ProblemId::SegmentTooShort, me, {}, s.x2 - s.x1, l::ShortestSegment);
        }
        if (s.x1 < l::MarkerLeft) Add(ProblemId::OutsideDrawing, me, {}, s.x1, l::MarkerLeft);
        if (s.x2 > l::DrawingWidth - l::MarkerRight)
            Add(ProblemId::OutsideDrawing, me, {}, s.x2, l::DrawingWidth - l::MarkerRight);
        if (s.y < l::HighestSegment) Add(ProblemId::OutsideDrawing, me, {}, s.y, l::HighestSegment);
        if (s.y > l::LowestSegment) Add(ProblemId::OutsideDrawing, me, {}, s.y, l::LowestSegment);
        for (std::size_t j = 0; j < k; ++j) {
            const int apart = std::abs(s.y - plan.segments[j].y);
            if (apart < l::SegmentSpacing)
                Add(ProblemId::SegmentsTooClose, me, SegmentElement(static_cast<int>(j)), apart,
                    l::SegmentSpacing);
        }
    }
}

// Items of one station letter each, A to F, joined by ":"; at most seven.
int BadTableItem(const std::string& text) {
    if (text.empty()) return -1;
    int item = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(':', start);
        const std::string_view piece =
            std::string_view(text).substr(start, end == std::string::npos ? end : end - start);
        if (item >= l::TableItems) return item;
        if (piece.size() != 1 || piece[0] < 'A' || piece[0] > l::HighestStationLetter) return item;
        if (end == std::string::npos) return -1;
        start = end + 1;
        ++item;
    }
}

void Checker::Bridges() {
    for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
        const BridgePlan& b = plan.bridges[k];
        const Element me = BridgeElement(static_cast<int>(k));
        if (b.number < 1 || b.number > l::HighestBridgeNumber) {
            Add(ProblemId::BridgeNumberOutOfRange, me, {}, b.number, l::HighestBridgeNumber);
        } else {
            for (std::size_t j = 0; j < k; ++j) {
                if (plan.bridges[j].number == b.number) {
                    Add(ProblemId::BridgeNumberTaken, me, BridgeElement(static_cast<int>(j)),
                        b.number);
                    break;
                }
            }
        }
        const int costs[2] = {b.costA, b.costB};
        for (int port = 0; port < 2; ++port) {
            if (costs[port] < 1 || costs[port] > l::HighestCost)
                Add(ProblemId::CostOutOfRange, me, {}, costs[port], l::HighestCost, port);
        }
        const std::string* tables[2] = {&b.tableA, &b.tableB};
        for (int port = 0; port < 2; ++port) {
            const int bad = BadTableItem(*tables[port]);
            if (bad >= 0) Add(ProblemId::TableText, me, {}, bad, l::TableItems, port);
        }
        if (b.x - l::BridgeHalfWidth < 0)
            Add(ProblemId::OutsideDrawing, me, {}, b.x - l::BridgeHalfWidth, 0);
        if (b.x + l::BridgeHalfWidth > l::DrawingWidth)
            Add(ProblemId::OutsideDrawing, me, {}, b.x + l::BridgeHalfWidth, l::DrawingWidth);

        bool ends = true;
        for (const int s : {b.upper, b.lower}) {
            if (!ValidSegment(s)) {
                Add(ProblemId::NoSuchSegment, me, {}, s);
                ends = false;
            }
        }
        if (!ends) continue;
        if (b.upper == b.lower) {
            Add(ProblemId::BridgeOnOneSegment, me, SegmentElement(b.upper), b.upper);
            continue;
        }
        const SegmentPlan& up = Segment(b.upper);
        const SegmentPlan& down = Segment(b.lower);
        if (up.y >= down.y) {
            Add(ProblemId::BridgeUpsideDown, me, SegmentElement(b.upper));
            continue;
        }
        if (b.y1 - up.y < 0 || b.y1 - up.y > l::LinkTopGap)
            Add(ProblemId::LinkTopOff, me, SegmentElement(b.upper), b.y1 - up.y, l::LinkTopGap);
        if (down.y - b.y2 < 0 || down.y - b.y2 > l::LinkBottomGap)
            Add(ProblemId::LinkBottomOff, me, SegmentElement(b.lower), down.y - b.y2,
                l::LinkBottomGap);
        for (const int s : {b.upper, b.lower}) {
            const SegmentPlan& seg = Segment(s);
            if (b.x < seg.x1 + l::LinkInset || b.x > seg.x2 - l::LinkInset)
                Add(ProblemId::LinkOutsideSegment, me, SegmentElement(s), b.x, l::LinkInset);
        }
        const int room = std::min(b.top - up.y, down.y - (b.top + l::BridgeHeight));
        if (room < l::BridgeMargin) Add(ProblemId::BridgeDoesNotFit, me, {}, room, l::BridgeMargin);
        for (std::size_t s = 0; s < plan.segments.size(); ++s) {
            const auto index = static_cast<int>(s);
            if (index == b.upper || index == b.lower) continue;
            const SegmentPlan& other = plan.segments[s];
            if (other.y > up.y && other.y < down.y && b.x >= other.x1 - l::LinkClearance &&
                b.x <= other.x2 + l::LinkClearance) {
                Add(ProblemId::LinkCrossesSegment, me, SegmentElement(index), b.x,
                    l::LinkClearance);
            } else if (other.y >= b.top && other.y <= b.top + l::BridgeHeight &&
                       b.x - l::BridgeHalfWidth <= other.x2 &&
                       b.x + l::BridgeHalfWidth >= other.x1) {
                Add(ProblemId::BridgeCrossesSegment, me, SegmentElement(index));
            }
        }
    }
}

void Checker::BridgePairs() {
    for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
        const BridgePlan& b = plan.bridges[k];
        if (!ValidSegment(b.upper) || !ValidSegment(b.lower)) continue;
        for (std::size_t j = 0; j < k; ++j) {
            const BridgePlan& a = plan.bridges[j];
            if (!ValidSegment(a.upper) || !ValidSegment(a.lower)) continue;
            const int apart = std::abs(a.x - b.x);
            const bool spansMeet = Segment(a.upper).y <= Segment(b.lower).y &&
                                   Segment(b.upper).y <= Segment(a.lower).y;
            const Element me = BridgeElement(static_cast<int>(k));
            const Element other = BridgeElement(static_cast<int>(j));
            if (spansMeet && apart < l::LinkSpacing) {
                Add(ProblemId::LinksTooClose, me, other, apart, l::LinkSpacing);
            } else if (apart < l::BridgeBodyWidth &&
                       std::abs(a.top - b.top) < l::BridgeBodyHeight) {
                Add(ProblemId::BridgesOverlap, me, other, apart, l::BridgeBodyWidth);
            }
        }
    }
}

// A token that starts exactly halfway between two points of a junction's
// lattice steps over the junction's window on every tick.
bool Halfway(int start, int junction) {
    const int offset = ((start - junction) % l::TokenStep + l::TokenStep) % l::TokenStep;
    return offset == l::TokenStep / 2;
}

bool Joins(const BridgePlan& b, int segment) { return b.upper == segment || b.lower == segment; }

void Checker::Stations() {
    for (std::size_t k = 0; k < plan.stations.size(); ++k) {
        const StationPlan& st = plan.stations[k];
        const Element me = StationElement(static_cast<int>(k));
        if (!ValidSegment(st.segment)) {
            Add(ProblemId::NoSuchSegment, me, {}, st.segment);
            continue;
        }
        if (st.rise < l::LowestRise || st.rise > l::StationRise)
            Add(ProblemId::StationRiseOff, me, {}, st.rise, l::StationRise);
        const SegmentPlan& seg = Segment(st.segment);
        if (st.left < seg.x1 || st.left + l::StationWidth > seg.x2)
            Add(ProblemId::StationOutsideSegment, me, SegmentElement(st.segment), st.left);
        for (std::size_t j = 0; j < k; ++j) {
            const StationPlan& other = plan.stations[j];
            const int apart = std::abs(other.left - st.left);
            if (other.segment == st.segment && apart < l::StationWidth)
                Add(ProblemId::StationsOverlap, me, StationElement(static_cast<int>(j)), apart,
                    l::StationWidth);
        }
        // A station stands from its Top down to its segment, its link to
        // the segment included; a bridge there would hide it or be hidden.
        // Corners may touch: Four Bridges' station E overlaps two bridges'
        // sides by 75 and 150, and nobody reading it is misled.
        constexpr int touch = 240;
        const int top = seg.y - st.rise;
        for (std::size_t b = 0; b < plan.bridges.size(); ++b) {
            const BridgePlan& bridge = plan.bridges[b];
            const int bodyLeft = bridge.x - l::BridgeBodyWidth / 2;
            if (st.left + touch < bodyLeft + l::BridgeBodyWidth &&
                bodyLeft + touch < st.left + l::StationWidth &&
                top + touch < bridge.top + l::BridgeBodyHeight && bridge.top + touch < seg.y)
                Add(ProblemId::StationCoversBridge, me, BridgeElement(static_cast<int>(b)));
        }
        for (std::size_t b = 0; b < plan.bridges.size(); ++b) {
            const BridgePlan& bridge = plan.bridges[b];
            if (!Joins(bridge, st.segment)) continue;
            const int junction = Junction(bridge);
            const Element at = BridgeElement(static_cast<int>(b));
            if (std::abs(st.left - junction) < l::JunctionWindow) {
                Add(ProblemId::StationOverJunction, me, at, std::abs(st.left - junction),
                    l::JunctionWindow);
            } else if (Halfway(st.left, junction)) {
                Add(ProblemId::OffLattice, me, at, l::TokenStep / 2, l::JunctionWindow);
            }
        }
    }
}

// Tokens split at one link line's end run on to the other junctions of its segment.
void Checker::JunctionPhases() {
    for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
        for (std::size_t j = 0; j < k; ++j) {
            const BridgePlan& a = plan.bridges[j];
            const BridgePlan& b = plan.bridges[k];
            const bool shareSegment = Joins(a, b.upper) || Joins(a, b.lower);
            if (shareSegment && Halfway(Junction(b), Junction(a)))
                Add(ProblemId::OffLattice, BridgeElement(static_cast<int>(k)),
                    BridgeElement(static_cast<int>(j)), l::TokenStep / 2, l::JunctionWindow);
        }
    }
}

int Root(std::vector<int>& parent, int k) {
    while (parent[static_cast<std::size_t>(k)] != k) {
        parent[static_cast<std::size_t>(k)] =
            parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(k)])];
        k = parent[static_cast<std::size_t>(k)];
    }
    return k;
}

// Joins the two segments of every bridge with valid ends; true if one of them closed a loop.
bool Union(const Plan& plan, std::vector<int>& parent) {
    parent.resize(plan.segments.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto valid = [&](int s) {
        return s >= 0 && static_cast<std::size_t>(s) < plan.segments.size();
    };
    bool loop = false;
    for (const BridgePlan& b : plan.bridges) {
        if (!valid(b.upper) || !valid(b.lower)) continue;
        const int ru = Root(parent, b.upper);
        const int rl = Root(parent, b.lower);
        if (ru == rl) {
            loop = true;
        } else {
            parent[static_cast<std::size_t>(std::max(ru, rl))] = std::min(ru, rl);
        }
    }
    return loop;
}

}  // namespace

std::vector<Problem> Check(const Plan& plan) {
    Checker checker{plan, {}};
    checker.Texts();
    checker.Counts();
    checker.Segments();
    checker.Bridges();
    checker.BridgePairs();
    checker.Stations();
    checker.JunctionPhases();
    return std::move(checker.problems);
}

std::vector<int> SegmentGroups(const Plan& plan) {
    std::vector<int> parent;
    Union(plan, parent);
    std::vector<int> groups(plan.segments.size());
    for (std::size_t k = 0; k < groups.size(); ++k) groups[k] = Root(parent, static_cast<int>(k));
    return groups;
}

bool HasLoop(const Plan& plan) {
    std::vector<int> parent;
    return Union(plan, parent);
}

int StationTop(const Plan& plan, const StationPlan& station) {
    return plan.segments.at(static_cast<std::size_t>(station.segment)).y - station.rise;
}

long Utf8Characters(std::string_view text) {
    long characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        unsigned int code = lead;
        unsigned int lowest = 0;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) {
                length = 2;
                code = lead & 0x1Fu;
                lowest = 0x80;
            } else if ((lead & 0xF0) == 0xE0) {
                length = 3;
                code = lead & 0x0Fu;
                lowest = 0x800;
            } else if ((lead & 0xF8) == 0xF0) {
                length = 4;
                code = lead & 0x07u;
                lowest = 0x10000;
            } else {
                return -1;
            }
            if (i + length > text.size()) return -1;
            for (std::size_t k = 1; k < length; ++k) {
                const auto byte = static_cast<unsigned char>(text[i + k]);
                if ((byte & 0xC0) != 0x80) return -1;
                code = (code << 6) | (byte & 0x3Fu);
            }
            if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return -1;
        }
        i += length;
        ++characters;
    }
    return characters;
}

std::string_view MessageKey(ProblemId id) {
    switch (id) {
        case ProblemId::TooMany:
            return "network.problem.too-many";
        case ProblemId::NoSuchElement:
            return "network.problem.no-such-element";
        case ProblemId::NoSuchSegment:
            return "network.problem.no-such-segment";
        case ProblemId::OutsideDrawing:
            return "network.problem.outside-drawing";
        case ProblemId::SegmentTooShort:
            return "network.problem.segment-too-short";
        case ProblemId::SegmentBackwards:
            return "network.problem.segment-backwards";
        case ProblemId::SegmentsTooClose:
            return "network.problem.segments-too-close";
        case ProblemId::BridgeOnOneSegment:
            return "network.problem.bridge-on-one-segment";
        case ProblemId::BridgeUpsideDown:
            return "network.problem.bridge-upside-down";
        case ProblemId::LinkTopOff:
            return "network.problem.link-top-off";
        case ProblemId::LinkBottomOff:
            return "network.problem.link-bottom-off";
        case ProblemId::LinkOutsideSegment:
            return "network.problem.link-outside-segment";
        case ProblemId::LinkCrossesSegment:
            return "network.problem.link-crosses-segment";
        case ProblemId::LinksTooClose:
            return "network.problem.links-too-close";
        case ProblemId::BridgeDoesNotFit:
            return "network.problem.bridge-does-not-fit";
        case ProblemId::BridgesOverlap:
            return "network.problem.bridges-overlap";
        case ProblemId::BridgeCrossesSegment:
            return "network.problem.bridge-crosses-segment";
        case ProblemId::StationOutsideSegment:
            return "network.problem.station-outside-segment";
        case ProblemId::StationRiseOff:
            return "network.problem.station-rise-off";
        case ProblemId::StationsOverlap:
            return "network.problem.stations-overlap";
        case ProblemId::StationOverJunction:
            return "network.problem.station-over-junction";
        case ProblemId::StationCoversBridge:
            return "network.problem.station-covers-bridge";
        case ProblemId::OffLattice:
            return "network.problem.off-lattice";
        case ProblemId::BridgeNumberOutOfRange:
            return "network.problem.bridge-number-out-of-range";
        case ProblemId::BridgeNumberTaken:
            return "network.problem.bridge-number-taken";
        case ProblemId::CostOutOfRange:
            return "network.problem.cost-out-of-range";
        case ProblemId::TableText:
            return "network.problem.table-text";
        case ProblemId::NameTooLong:
            return "network.problem.name-too-long";
        case ProblemId::DescriptionTooLong:
            return "network.problem.description-too-long";
        case ProblemId::NameNotPlain:
            return "network.problem.name-not-plain";
        case ProblemId::DescriptionNotText:
            return "network.problem.description-not-text";
    }
    return "network.problem.unknown";
}

}  // namespace bridging::network
