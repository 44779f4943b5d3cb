// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's operations on a plan, their labels and the cursor's steps.
#include "network/edit.h"

#include <algorithm>
#include <set>

namespace bridging::network {

namespace {

namespace l = limits;

template <typename... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

Refusal Refuse(ProblemId id, Element subject, int value = 0, int limit = 0) {
    return Refusal{{Problem{id, subject, {}, value, limit, -1}}};
}

template <typename T>
bool Has(const std::vector<T>& items, int k) {
    return k >= 0 && static_cast<std::size_t>(k) < items.size();
}

template <typename T>
std::optional<Refusal> RoomForOneMore(const std::vector<T>& items, ElementType type) {
    if (items.size() < static_cast<std::size_t>(MaxElements)) return std::nullopt;
    return Refuse(ProblemId::TooMany, {type, -1}, static_cast<int>(items.size()) + 1, MaxElements);
}

Outcome Checked(Plan plan) {
    std::vector<Problem> problems = Check(plan);
    if (!problems.empty()) return Refusal{std::move(problems)};
    return plan;
}

int LowestFreeNumber(const Plan& plan) {
    std::set<int> taken;
    for (const BridgePlan& b : plan.bridges) taken.insert(b.number);
    for (int n = 1; n <= l::HighestBridgeNumber; ++n) {
        if (taken.count(n) == 0) return n;
    }
    return l::HighestBridgeNumber + 1;
}

template <typename T>
void Erase(std::vector<T>& items, int k) {
    items.erase(items.begin() + k);
}

Outcome DeleteSegmentFrom(Plan plan, int s) {
    std::erase_if(plan.stations, [s](const StationPlan& st) { return st.segment == s; });
    std::erase_if(plan.bridges, [s](const BridgePlan& b) { return b.upper == s || b.lower == s; });
    const auto after = [s](int& index) {
        if (index > s) --index;
    };
    for (StationPlan& st : plan.stations) after(st.segment);
    for (BridgePlan& b : plan.bridges) {
        after(b.upper);
        after(b.lower);
    }
    Erase(plan.segments, s);
    return Checked(std::move(plan));
}

// Midway in each gap along the link line between segments it passes, top down.
std::vector<int> BridgeTops(const Plan& plan, int upperY, int lowerY) {
    std::vector<int> heights = {upperY, lowerY};
    for (const SegmentPlan& s : plan.segments) {
        if (s.y > upperY && s.y < lowerY) heights.push_back(s.y);
    }
    std::sort(heights.begin(), heights.end());
    std::vector<int> tops;
    for (std::size_t k = 0; k + 1 < heights.size(); ++k)
        tops.push_back(lattice::SnapHeight((heights[k] + heights[k + 1] - l::BridgeHeight) / 2));
    return tops;
}

Outcome AddBridgeTo(const Plan& plan, const AddBridge& add) {
    if (auto full = RoomForOneMore(plan.bridges, ElementType::Bridge)) return *full;
    const auto bridge = BridgeElement(static_cast<int>(plan.bridges.size()));
    for (const int s : {add.segmentA, add.segmentB}) {
        if (!Has(plan.segments, s)) return Refuse(ProblemId::NoSuchSegment, bridge, s);
    }
    if (add.segmentA == add.segmentB) {
        return Refusal{{Problem{ProblemId::BridgeOnOneSegment, bridge, SegmentElement(add.segmentA),
                                add.segmentA, 0, -1}}};
    }
    const auto& a = plan.segments[static_cast<std::size_t>(add.segmentA)];
    const auto& b = plan.segments[static_cast<std::size_t>(add.segmentB)];
    const bool aAbove = a.y < b.y;
    BridgePlan added;
    added.x = add.x;
    added.upper = aAbove ? add.segmentA : add.segmentB;
    added.lower = aAbove ? add.segmentB : add.segmentA;
    added.y1 = std::min(a.y, b.y);
    added.y2 = std::max(a.y, b.y) - l::LinkBottomGap / 2;
    added.number = LowestFreeNumber(plan);
    const std::vector<int> tops =
        add.top ? std::vector<int>{*add.top} : BridgeTops(plan, added.y1, std::max(a.y, b.y));
    std::optional<Outcome> first;
    for (const int top : tops) {
        Plan next = plan;
        added.top = top;
        next.bridges.push_back(added);
        Outcome outcome = Checked(std::move(next));
        if (std::holds_alternative<Plan>(outcome)) return outcome;
        if (!first) first = std::move(outcome);
    }
    return *first;
}

StationPlan* StationAt(Plan& plan, int k) {
    return Has(plan.stations, k) ? &plan.stations[static_cast<std::size_t>(k)] : nullptr;
}
BridgePlan* BridgeAt(Plan& plan, int k) {
    return Has(plan.bridges, k) ? &plan.bridges[static_cast<std::size_t>(k)] : nullptr;
}
SegmentPlan* SegmentAt(Plan& plan, int k) {
    return Has(plan.segments, k) ? &plan.segments[static_cast<std::size_t>(k)] : nullptr;
}

}  // namespace

Outcome Apply(const Plan& plan, const Edit& edit) {
    Plan next = plan;
    return std::visit(
        Overloaded{
            [&](const AddSegment& e) -> Outcome {
                if (auto full = RoomForOneMore(plan.segments, ElementType::Segment)) return *full;
                next.segments.push_back({e.x1, e.x2, e.y});
                return Checked(std::move(next));
            },
            [&](const MoveSegment& e) -> Outcome {
                SegmentPlan* s = SegmentAt(next, e.segment);
                if (!s) return Refuse(ProblemId::NoSuchElement, SegmentElement(e.segment));
                s->x1 += e.dx;
                s->x2 += e.dx;
                s->y += e.dy;
                for (StationPlan& st : next.stations) {
                    if (st.segment == e.segment) st.left += e.dx;
                }
                for (BridgePlan& b : next.bridges) {
                    if (b.upper == e.segment) b.y1 += e.dy;
                    if (b.lower == e.segment) b.y2 += e.dy;
                }
                return Checked(std::move(next));
            },
            [&](const ResizeSegment& e) -> Outcome {
                SegmentPlan* s = SegmentAt(next, e.segment);
                if (!s) return Refuse(ProblemId::NoSuchElement, SegmentElement(e.segment));
                s->x1 = e.x1;
                s->x2 = e.x2;
                return Checked(std::move(next));
            },
            [&](const DeleteSegment& e) -> Outcome {
                if (!Has(plan.segments, e.segment))
                    return Refuse(ProblemId::NoSuchElement, SegmentElement(e.segment));
                return DeleteSegmentFrom(std::move(next), e.segment);
            },
            [&](const AddBridge& e) -> Outcome { return AddBridgeTo(plan, e); },
            [&](const MoveBridge& e) -> Outcome {
                BridgePlan* b = BridgeAt(next, e.bridge);
                if (!b) return Refuse(ProblemId::NoSuchElement, BridgeElement(e.bridge));
                b->x = e.x;
                b->top = e.top;
                return Checked(std::move(next));
            },
            [&](const DeleteBridge& e) -> Outcome {
                if (!Has(plan.bridges, e.bridge))
                    return Refuse(ProblemId::NoSuchElement, BridgeElement(e.bridge));
                Erase(next.bridges, e.bridge);
                return Checked(std::move(next));
            },
            [&](const SetBridge& e) -> Outcome {
                BridgePlan* b = BridgeAt(next, e.bridge);
                if (!b) return Refuse(ProblemId::NoSuchElement, BridgeElement(e.bridge));
                b->number = e.number;
                b->costA = e.costA;
                b->costB = e.costB;
                return Checked(std::move(next));
            },
            [&](const SetTables& e) -> Outcome {
                BridgePlan* b = BridgeAt(next, e.bridge);
                if (!b) return Refuse(ProblemId::NoSuchElement, BridgeElement(e.bridge));
                b->tableA = e.tableA;
                b->tableB = e.tableB;
                return Checked(std::move(next));
            },
            [&](const AddStation& e) -> Outcome {
                if (auto full = RoomForOneMore(plan.stations, ElementType::Station)) return *full;
                next.stations.push_back({e.segment, e.left, l::StationRise});
                return Checked(std::move(next));
            },
            [&](const MoveStation& e) -> Outcome {
                StationPlan* st = StationAt(next, e.station);
                if (!st) return Refuse(ProblemId::NoSuchElement, StationElement(e.station));
                st->segment = e.segment;
                st->left = e.left;
                return Checked(std::move(next));
            },
            [&](const DeleteStation& e) -> Outcome {
                if (!Has(plan.stations, e.station))
                    return Refuse(ProblemId::NoSuchElement, StationElement(e.station));
                Erase(next.stations, e.station);
                return Checked(std::move(next));
            },
            [&](const Rename& e) -> Outcome {
                next.name = e.name;
                return Checked(std::move(next));
            },
            [&](const Describe& e) -> Outcome {
                next.description = e.description;
                return Checked(std::move(next));
            },
        },
        edit);
}

StepLabel LabelOf(const Plan& plan, const Edit& edit) {
    const auto numberOf = [&](int k) {
        return Has(plan.bridges, k) ? plan.bridges[static_cast<std::size_t>(k)].number : 0;
    };
    const auto segment = [](LabelId id, int k) { return StepLabel{id, SegmentElement(k), k}; };
    const auto station = [](LabelId id, int k) { return StepLabel{id, StationElement(k), k}; };
    const auto bridge = [&](LabelId id, int k) {
        return StepLabel{id, BridgeElement(k), numberOf(k)};
    };
    const int nextSegment = static_cast<int>(plan.segments.size());
    const int nextStation = static_cast<int>(plan.stations.size());
    return std::visit(
        Overloaded{
            [&](const AddSegment&) { return segment(LabelId::AddSegment, nextSegment); },
            [&](const MoveSegment& e) { return segment(LabelId::MoveSegment, e.segment); },
            [&](const ResizeSegment& e) { return segment(LabelId::ResizeSegment, e.segment); },
            [&](const DeleteSegment& e) { return segment(LabelId::DeleteSegment, e.segment); },
            [&](const AddBridge&) {
                return StepLabel{LabelId::AddBridge,
                                 BridgeElement(static_cast<int>(plan.bridges.size())),
                                 LowestFreeNumber(plan)};
            },
            [&](const MoveBridge& e) { return bridge(LabelId::MoveBridge, e.bridge); },
            [&](const DeleteBridge& e) { return bridge(LabelId::DeleteBridge, e.bridge); },
            [&](const SetBridge& e) {
                return StepLabel{LabelId::SetBridge, BridgeElement(e.bridge), e.number};
            },
            [&](const SetTables& e) { return bridge(LabelId::SetTables, e.bridge); },
            [&](const AddStation&) { return station(LabelId::AddStation, nextStation); },
            [&](const MoveStation& e) { return station(LabelId::MoveStation, e.station); },
            [&](const DeleteStation& e) { return station(LabelId::DeleteStation, e.station); },
            [&](const Rename&) {
                return StepLabel{LabelId::Rename, NetworkElement(), 0};
            },
            [&](const Describe&) {
                return StepLabel{LabelId::Describe, NetworkElement(), 0};
            },
        },
        edit);
}

std::string_view MessageKey(LabelId id) {
    switch (id) {
        case LabelId::AddSegment:
            return "network.step.add-segment";
        case LabelId::MoveSegment:
            return "network.step.move-segment";
        case LabelId::ResizeSegment:
            return "network.step.resize-segment";
        case LabelId::DeleteSegment:
            return "network.step.delete-segment";
        case LabelId::AddBridge:
            return "network.step.add-bridge";
        case LabelId::MoveBridge:
            return "network.step.move-bridge";
        case LabelId::DeleteBridge:
            return "network.step.delete-bridge";
        case LabelId::SetBridge:
            return "network.step.set-bridge";
        case LabelId::SetTables:
            return "network.step.set-tables";
        case LabelId::AddStation:
            return "network.step.add-station";
        case LabelId::MoveStation:
            return "network.step.move-station";
        case LabelId::DeleteStation:
            return "network.step.delete-station";
        case LabelId::Rename:
            return "network.step.rename";
        case LabelId::Describe:
            return "network.step.describe";
    }
    return "network.step.unknown";
}

namespace {

// The segment `steps` segments above (negative) or below a height, by height.
std::optional<int> SegmentFrom(const Plan& plan, int y, int steps) {
    std::vector<std::pair<int, int>> byHeight;
    for (std::size_t k = 0; k < plan.segments.size(); ++k)
        byHeight.emplace_back(plan.segments[k].y, static_cast<int>(k));
    std::sort(byHeight.begin(), byHeight.end());
    const auto here =
        std::find_if(byHeight.begin(), byHeight.end(), [y](const auto& s) { return s.first == y; });
    if (here == byHeight.end()) return std::nullopt;
    const auto at = (here - byHeight.begin()) + steps;
    if (at < 0 || at >= static_cast<std::ptrdiff_t>(byHeight.size())) return std::nullopt;
    return byHeight[static_cast<std::size_t>(at)].second;
}

}  // namespace

std::optional<Edit> NudgeEdit(const Plan& plan, Element element, Nudge direction, int steps) {
    const int across = direction == Nudge::Left ? -steps : direction == Nudge::Right ? steps : 0;
    const int down = direction == Nudge::Up ? -steps : direction == Nudge::Down ? steps : 0;
    const int k = element.index;
    switch (element.type) {
        case ElementType::Segment:
            if (!Has(plan.segments, k)) return std::nullopt;
            return MoveSegment{k, across * lattice::TrackStep, down * lattice::HeightStep};
        case ElementType::Bridge: {
            if (!Has(plan.bridges, k)) return std::nullopt;
            const BridgePlan& b = plan.bridges[static_cast<std::size_t>(k)];
            return MoveBridge{k, b.x + across * lattice::TrackStep,
                              b.top + down * lattice::HeightStep};
        }
        case ElementType::Station: {
            if (!Has(plan.stations, k)) return std::nullopt;
            const StationPlan& st = plan.stations[static_cast<std::size_t>(k)];
            if (down == 0) return MoveStation{k, st.segment, st.left + across * lattice::TrackStep};
            if (!Has(plan.segments, st.segment)) return std::nullopt;
            const auto to =
                SegmentFrom(plan, plan.segments[static_cast<std::size_t>(st.segment)].y, down);
            if (!to) return std::nullopt;
            return MoveStation{k, *to, st.left};
        }
        case ElementType::Network:
            break;
    }
    return std::nullopt;
}

std::optional<Edit> NudgeEndEdit(const Plan& plan, int segment, int end, int steps) {
    if (!Has(plan.segments, segment)) return std::nullopt;
    const SegmentPlan& s = plan.segments[static_cast<std::size_t>(segment)];
    const int by = steps * lattice::EndStep;
    return ResizeSegment{segment, end == 0 ? s.x1 + by : s.x1, end == 0 ? s.x2 : s.x2 + by};
}

std::vector<int> StationPlaces(const Plan& plan, int segment) {
    std::vector<int> places;
    if (!Has(plan.segments, segment)) return places;
    const SegmentPlan& s = plan.segments[static_cast<std::size_t>(segment)];
    for (int left = lattice::SnapStationLeft(s.x1); left <= s.x2; left += lattice::TrackStep) {
        if (std::holds_alternative<Plan>(Apply(plan, AddStation{segment, left})))
            places.push_back(left);
    }
    return places;
}

std::vector<int> BridgePlaces(const Plan& plan, int segmentA, int segmentB) {
    std::vector<int> places;
    for (int x = lattice::SnapLinkX(0); x <= l::DrawingWidth; x += lattice::TrackStep) {
        if (std::holds_alternative<Plan>(Apply(plan, AddBridge{segmentA, segmentB, x, {}})))
            places.push_back(x);
    }
    return places;
}

std::vector<int> SegmentHeights(const Plan& plan, int x1, int x2) {
    std::vector<int> heights;
    for (int y = l::HighestSegment; y <= l::LowestSegment; y += lattice::HeightStep) {
        if (std::holds_alternative<Plan>(Apply(plan, AddSegment{x1, x2, y}))) heights.push_back(y);
    }
    return heights;
}

}  // namespace bridging::network
