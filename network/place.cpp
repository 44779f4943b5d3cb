// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing the places of new elements from the places the rules accept.
#include "network/place.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace bridging::network {

namespace {

namespace l = limits;

// The builder's segments run between these ends.
constexpr int UsualLeft = 2040;
constexpr int UsualRight = 11100;
// A new segment goes this far below the one selected when the drawing has
// room: a bridge's box and its margins to both (1575 + 2 x 400) then fit
// between the two, so that neighbours can be joined in the gap, and a link
// line passing the end of one of them finds room for its box too.
constexpr int RoomyGap = 2520;
// A new station goes this far right of the selected one: past its width, on the lattice.
constexpr int NextStationGap = 1800;

template <typename Items>
bool Has(const Items& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size());
}

// The place nearest to `target`; the lower on a tie, so that a choice never
// depends on anything but the plan.
std::optional<int> Nearest(const std::vector<int>& places, int target) {
    if (places.empty()) return std::nullopt;
    return *std::min_element(places.begin(), places.end(), [target](int a, int b) {
        const int da = std::abs(a - target);
        const int db = std::abs(b - target);
        return da != db ? da < db : a < b;
    });
}

}  // namespace

std::optional<int> SegmentOf(const Plan& plan, Element selected) {
    const int k = selected.index;
    switch (selected.type) {
        case ElementType::Segment:
            if (Has(plan.segments, k)) return k;
            break;
        case ElementType::Station:
            if (Has(plan.stations, k)) return plan.stations[static_cast<std::size_t>(k)].segment;
            break;
        case ElementType::Bridge:
            if (Has(plan.bridges, k)) return plan.bridges[static_cast<std::size_t>(k)].upper;
            break;
        case ElementType::Network:
            break;
    }
    return std::nullopt;
}

Edit NewSegment(const Plan& plan, Element selected) {
    std::optional<int> reference = SegmentOf(plan, selected);
    if (!reference && !plan.segments.empty())
        reference = static_cast<int>(plan.segments.size()) - 1;
    int x1 = UsualLeft;
    int x2 = UsualRight;
    int target = l::HighestSegment;
    if (reference) {
        const SegmentPlan& s = plan.segments[static_cast<std::size_t>(*reference)];
        x1 = s.x1;
        x2 = s.x2;
        target = s.y + RoomyGap;
    }
    const std::vector<int> heights = SegmentHeights(plan, x1, x2);
    // Below the reference first, roomily if the drawing allows; above it
    // only when nothing fits below.
    std::vector<int> below;
    for (int y : heights)
        if (y >= target) below.push_back(y);
    if (below.empty() && reference)
        for (int y : heights)
            if (y > plan.segments[static_cast<std::size_t>(*reference)].y) below.push_back(y);
    const std::optional<int> y = Nearest(below.empty() ? heights : below, target);
    return AddSegment{x1, x2, y.value_or(std::min(target, l::LowestSegment))};
}

Edit NewStation(const Plan& plan, Element selected) {
    const int segment = SegmentOf(plan, selected).value_or(0);
    if (!Has(plan.segments, segment)) return AddStation{segment, lattice::SnapStationLeft(0)};
    const SegmentPlan& s = plan.segments[static_cast<std::size_t>(segment)];
    int target = (s.x1 + s.x2 - l::StationWidth) / 2;
    if (selected.type == ElementType::Station)
        target = plan.stations[static_cast<std::size_t>(selected.index)].left + NextStationGap;
    const std::optional<int> left = Nearest(StationPlaces(plan, segment), target);
    return AddStation{segment, left.value_or(lattice::SnapStationLeft(target))};
}

Edit NewBridge(const Plan& plan, Element selected, int other) {
    const int segment = SegmentOf(plan, selected).value_or(0);
    int target = (UsualLeft + UsualRight) / 2;
    if (Has(plan.segments, segment) && Has(plan.segments, other)) {
        const SegmentPlan& a = plan.segments[static_cast<std::size_t>(segment)];
        const SegmentPlan& b = plan.segments[static_cast<std::size_t>(other)];
        target = (std::max(a.x1, b.x1) + std::min(a.x2, b.x2)) / 2;
    }
    if (selected.type == ElementType::Bridge)
        target = plan.bridges[static_cast<std::size_t>(selected.index)].x + l::BridgeBodyWidth;
    const std::optional<int> x = Nearest(BridgePlaces(plan, segment, other), target);
    return AddBridge{segment, other, x.value_or(lattice::SnapLinkX(target)), std::nullopt};
}

std::optional<Edit> DeleteEdit(const Plan& plan, Element selected) {
    const int k = selected.index;
    switch (selected.type) {
        case ElementType::Segment:
            if (Has(plan.segments, k)) return DeleteSegment{k};
            break;
        case ElementType::Bridge:
            if (Has(plan.bridges, k)) return DeleteBridge{k};
            break;
        case ElementType::Station:
            if (Has(plan.stations, k)) return DeleteStation{k};
            break;
        case ElementType::Network:
            break;
    }
    return std::nullopt;
}

namespace {

// How far from a line a click still picks it.
constexpr int LineReach = 120;

int RoundTo(int value, int step) {
    const int half = step / 2;
    return value >= 0 ? (value + half) / step * step : -((-value + half) / step * step);
}

}  // namespace

std::optional<Box> BoxOf(const Plan& plan, Element element) {
    const auto k = static_cast<std::size_t>(element.index);
    switch (element.type) {
        case ElementType::Segment:
            if (!Has(plan.segments, element.index)) break;
            return Box{plan.segments[k].x1, plan.segments[k].y - LineReach,
                       plan.segments[k].x2 - plan.segments[k].x1, 2 * LineReach};
        case ElementType::Bridge:
            if (!Has(plan.bridges, element.index)) break;
            return Box{BridgeLeft(plan.bridges[k]), plan.bridges[k].top, 2 * l::BridgeHalfWidth,
                       l::BridgeHeight};
        case ElementType::Station:
            if (!Has(plan.stations, element.index)) break;
            return Box{plan.stations[k].left, StationTop(plan, plan.stations[k]), l::StationWidth,
                       plan.stations[k].rise};
        case ElementType::Network:
            break;
    }
    return std::nullopt;
}

Element ElementAt(const Plan& plan, int x, int y) {
    for (int k = 0; k < static_cast<int>(plan.stations.size()); ++k) {
        const StationPlan& station = plan.stations[static_cast<std::size_t>(k)];
        const int top = StationTop(plan, station);
        if (x >= station.left && x < station.left + l::StationWidth && y >= top &&
            y < top + station.rise)
            return StationElement(k);
    }
    for (int k = 0; k < static_cast<int>(plan.bridges.size()); ++k) {
        const BridgePlan& bridge = plan.bridges[static_cast<std::size_t>(k)];
        const bool onBox = x >= BridgeLeft(bridge) &&
                           x < BridgeLeft(bridge) + 2 * l::BridgeHalfWidth && y >= bridge.top &&
                           y < bridge.top + l::BridgeHeight;
        const bool onLine = std::abs(x - bridge.x) <= LineReach && y >= bridge.y1 && y <= bridge.y2;
        if (onBox || onLine) return BridgeElement(k);
    }
    for (int k = 0; k < static_cast<int>(plan.segments.size()); ++k) {
        const SegmentPlan& segment = plan.segments[static_cast<std::size_t>(k)];
        if (x >= segment.x1 - LineReach && x <= segment.x2 + LineReach &&
            std::abs(y - segment.y) <= LineReach)
            return SegmentElement(k);
    }
    return NetworkElement();
}

std::optional<Edit> DragEdit(const Plan& plan, Element element, int dx, int dy) {
    const auto k = static_cast<std::size_t>(element.index);
    switch (element.type) {
        case ElementType::Segment: {
            if (!Has(plan.segments, element.index)) break;
            const int stepX = RoundTo(dx, lattice::TrackStep);
            const int stepY = RoundTo(dy, lattice::HeightStep);
            if (stepX == 0 && stepY == 0) break;
            return MoveSegment{element.index, stepX, stepY};
        }
        case ElementType::Bridge: {
            if (!Has(plan.bridges, element.index)) break;
            const BridgePlan& bridge = plan.bridges[k];
            const int x = lattice::SnapLinkX(bridge.x + dx);
            const int top = lattice::SnapHeight(bridge.top + dy);
            if (x == bridge.x && top == bridge.top) break;
            return MoveBridge{element.index, x, top};
        }
        case ElementType::Station: {
            if (!Has(plan.stations, element.index)) break;
            const StationPlan& station = plan.stations[k];
            const int left = lattice::SnapStationLeft(station.left + dx);
            // The station's foot, where it meets its segment, after the drag.
            const int foot = StationTop(plan, station) + station.rise + dy;
            int segment = station.segment;
            int nearest = -1;
            for (int s = 0; s < static_cast<int>(plan.segments.size()); ++s) {
                const SegmentPlan& candidate = plan.segments[static_cast<std::size_t>(s)];
                if (left < candidate.x1 || left > candidate.x2) continue;
                const int distance = std::abs(candidate.y - foot);
                if (nearest < 0 || distance < nearest) {
                    nearest = distance;
                    segment = s;
                }
            }
            if (segment == station.segment && left == station.left) break;
            return MoveStation{element.index, segment, left};
        }
        case ElementType::Network:
            break;
    }
    return std::nullopt;
}

}  // namespace bridging::network
