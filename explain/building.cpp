// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building a network put into words.
#include "explain/building.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace bridging::explain {

namespace {

using network::ElementType;
using network::FileErrorId;
using network::LabelId;
using network::ProblemId;

std::string Capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string SegmentNumber(int index) { return std::to_string(index + 1); }

std::string Letter(int index) { return std::string(1, static_cast<char>('A' + index)); }

bool Has(const auto& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size());
}

std::string Plural(ElementType type) {
    switch (type) {
        case ElementType::Segment:
            return "segments";
        case ElementType::Bridge:
            return "bridges";
        case ElementType::Station:
            return "stations";
        case ElementType::Network:
            break;
    }
    return "elements";
}

std::string Joined(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) joined += (joined.empty() ? "" : ", ") + item;
    return joined;
}

}  // namespace

std::string ElementWords(const network::Element& element, const network::Plan* plan) {
    switch (element.type) {
        case ElementType::Network:
            return "the network";
        case ElementType::Segment:
            return "segment " + SegmentNumber(element.index);
        case ElementType::Station:
            if (element.index < 0 || element.index >= network::MaxElements) return "a station";
            return "station " + Letter(element.index);
        case ElementType::Bridge:
            if (plan == nullptr) return "the file's bridge " + std::to_string(element.index + 1);
            if (Has(plan->bridges, element.index))
                return "bridge " +
                       std::to_string(
                           plan->bridges[static_cast<std::size_t>(element.index)].number);
            return "the new bridge";
    }
    return "the network";
}

std::string ProblemText(const network::Problem& problem, const network::Plan* plan) {
    const std::string element = ElementWords(problem.subject, plan);
    const std::string Element = Capitalised(element);
    const std::string other = ElementWords(problem.other, plan);
    const std::string value = std::to_string(problem.value);
    const std::string limit = std::to_string(problem.limit);
    switch (problem.id) {
        case ProblemId::TooMany:
            return "There can be at most " + limit + " " + Plural(problem.subject.type) + ".";
        case ProblemId::NoSuchElement:
            return "There is no " + element + ".";
        case ProblemId::NoSuchSegment:
            return Element + " would stand on segment " + SegmentNumber(problem.value) +
                   ", which does not exist.";
        case ProblemId::OutsideDrawing:
            return Element + " would reach beyond the edge of the drawing.";
        case ProblemId::SegmentTooShort:
            return Element + " would be " + value + " twips long; it needs at least " + limit + ".";
        case ProblemId::SegmentBackwards:
            return Element + " would end before it starts.";
        case ProblemId::SegmentsTooClose:
            return Element + " and " + other + " would be " + value +
                   " twips apart in height; they need " + limit +
                   ", or frames on one are seen on the other.";
        case ProblemId::BridgeOnOneSegment:
            return "A bridge joins two different segments, not segment " +
                   SegmentNumber(problem.value) + " to itself.";
        case ProblemId::BridgeUpsideDown:
            return Element + "'s upper segment lies below its lower one.";
        case ProblemId::LinkTopOff:
            return Element + "'s link line would start " + value +
                   " twips below its upper segment; at most " + limit + ".";
        case ProblemId::LinkBottomOff:
            return Element + "'s link line would end " + value +
                   " twips above its lower segment; at most " + limit + ".";
        case ProblemId::LinkOutsideSegment:
            return Element + "'s link line would not stand " + limit +
                   " twips inside the ends of " + other + ".";
        case ProblemId::LinkCrossesSegment:
            return Element + "'s link line would cross " + other + ", which it does not join.";
        case ProblemId::LinksTooClose:
            return "The link lines of " + element + " and " + other + " would be " + value +
                   " twips apart; they need " + limit + ".";
        case ProblemId::BridgeDoesNotFit:
            return Element + " would have " + value + " twips of room to a segment; it needs " +
                   limit + ".";
        case ProblemId::BridgesOverlap:
            return Element + " and " + other + " would cover each other.";
        case ProblemId::BridgeCrossesSegment:
            return Element + " would stand across " + other + ".";
        case ProblemId::StationOutsideSegment:
            return Element + " would stand beyond the ends of " + other + ".";
        case ProblemId::StationRiseOff:
            return Element + " would stand " + value + " twips above its segment instead of " +
                   limit + ".";
        case ProblemId::StationsOverlap:
            return Element + " and " + other + " would be " + value + " twips apart; they need " +
                   limit + ".";
        case ProblemId::StationOverJunction:
            return Element + " would stand over the junction of " + other +
                   ": its frames would never reach that bridge.";
        case ProblemId::StationCoversBridge:
            return Element + " and " + other + " would cover each other.";
        case ProblemId::OffLattice:
            return Element + " would stand halfway between the steps of the frames at " + other +
                   "'s junction: frames would step over it.";
        case ProblemId::BridgeNumberOutOfRange:
            return "Bridge numbers go from 1 to " + limit + ".";
        case ProblemId::BridgeNumberTaken:
            return Capitalised(other) + " already has number " + value + ".";
        case ProblemId::CostOutOfRange:
            return "Costs go from 1 to " + limit + ".";
        case ProblemId::TableText:
            return "A preset table is station letters A to F joined by \":\", at most " + limit +
                   ".";
        case ProblemId::NameTooLong:
            return "The name has " + value + " characters; at most " + limit + ".";
        case ProblemId::DescriptionTooLong:
            return "The description has " + value + " characters; at most " + limit + ".";
        case ProblemId::NameNotPlain:
            return "The name must be one line of text.";
        case ProblemId::DescriptionNotText:
            return "The description must be plain text.";
    }
    return "The network breaks a rule.";
}

std::string StepLabelText(const network::StepLabel& label) {
    const std::string segment = "segment " + SegmentNumber(label.number);
    const std::string bridge = "bridge " + std::to_string(label.number);
    const std::string station = "station " + Letter(label.number);
    switch (label.id) {
        case LabelId::AddSegment:
            return "add " + segment;
        case LabelId::MoveSegment:
            return "move " + segment;
        case LabelId::ResizeSegment:
            return "change the ends of " + segment;
        case LabelId::DeleteSegment:
            return "delete " + segment;
        case LabelId::AddBridge:
            return "add " + bridge;
        case LabelId::MoveBridge:
            return "move " + bridge;
        case LabelId::DeleteBridge:
            return "delete " + bridge;
        case LabelId::SetBridge:
            return "number and costs of " + bridge;
        case LabelId::SetTables:
            return "preset tables of " + bridge;
        case LabelId::AddStation:
            return "add " + station;
        case LabelId::MoveStation:
            return "move " + station;
        case LabelId::DeleteStation:
            return "delete " + station;
        case LabelId::Rename:
            return "rename the network";
        case LabelId::Describe:
            return "describe the network";
    }
    return "edit";
}

std::string UndoMenuText(const std::optional<network::StepLabel>& label, bool redo) {
    const std::string verb = redo ? "Redo" : "Undo";
    if (!label) return verb;
    return verb + ": " + StepLabelText(*label);
}

std::string EditDoneText(const network::StepLabel& label, const network::Plan& plan) {
    const int k = label.element.index;
    const auto segmentText = [&](const std::string& done) {
        if (!Has(plan.segments, k)) return done;
        const network::SegmentPlan& s = plan.segments[static_cast<std::size_t>(k)];
        return done + " It runs from " + std::to_string(s.x1) + " to " + std::to_string(s.x2) +
               " at height " + std::to_string(s.y) + ".";
    };
    const network::BridgePlan* bridge =
        Has(plan.bridges, k) && label.element.type == ElementType::Bridge
            ? &plan.bridges[static_cast<std::size_t>(k)]
            : nullptr;
    const network::StationPlan* station =
        Has(plan.stations, k) && label.element.type == ElementType::Station
            ? &plan.stations[static_cast<std::size_t>(k)]
            : nullptr;
    const std::string name = Capitalised(ElementWords(label.element, &plan));
    switch (label.id) {
        case LabelId::AddSegment:
            return segmentText(name + " added.");
        case LabelId::MoveSegment:
            return segmentText(name + " moved.");
        case LabelId::ResizeSegment:
            return segmentText(name + " has new ends.");
        case LabelId::DeleteSegment:
            return "Segment " + SegmentNumber(label.number) +
                   " deleted, with its stations and bridges.";
        case LabelId::AddBridge:
            if (bridge == nullptr) break;
            return name + " joins segments " + SegmentNumber(bridge->upper) + " and " +
                   SegmentNumber(bridge->lower) + ".";
        case LabelId::MoveBridge:
            if (bridge == nullptr) break;
            return name + " moved: its link line at " + std::to_string(bridge->x) +
                   ", its top at " + std::to_string(bridge->top) + ".";
        case LabelId::DeleteBridge:
            return "Bridge " + std::to_string(label.number) + " deleted.";
        case LabelId::SetBridge:
            if (bridge == nullptr) break;
            return name + ": cost " + std::to_string(bridge->costA) + " on port A and " +
                   std::to_string(bridge->costB) + " on port B.";
        case LabelId::SetTables:
            if (bridge == nullptr) break;
            return name + "'s preset tables: port A " +
                   (bridge->tableA.empty() ? "none" : bridge->tableA) + ", port B " +
                   (bridge->tableB.empty() ? "none" : bridge->tableB) + ".";
        case LabelId::AddStation:
        case LabelId::MoveStation:
            if (station == nullptr) break;
            return name + (label.id == LabelId::AddStation ? " stands" : " moved: it stands") +
                   " on segment " + SegmentNumber(station->segment) + " at " +
                   std::to_string(station->left) + ".";
        case LabelId::DeleteStation:
            return "Station " + Letter(label.number) + " deleted" +
                   (Has(plan.stations, label.number) ? "; the stations after it move up a letter."
                                                     : ".");
        case LabelId::Rename:
            return "The network is called " + Quoted(plan.name) + ".";
        case LabelId::Describe:
            return "The network's description is changed.";
    }
    return Capitalised(StepLabelText(label)) + ": done.";
}

std::string EditRefusedText(const network::StepLabel& label,
                            const std::vector<network::Problem>& problems,
                            const network::Plan& plan) {
    std::string text = "Cannot " + StepLabelText(label) + ".";
    if (problems.empty()) return text;
    text += " " + ProblemText(problems.front(), &plan);
    if (problems.size() == 2) text += " And one more problem.";
    if (problems.size() > 2)
        text += " And " + std::to_string(problems.size() - 1) + " more problems.";
    return text;
}

std::string EditUndoneText(const network::StepLabel& label, bool redone) {
    return (redone ? "Redone: " : "Undone: ") + StepLabelText(label) + ".";
}

std::string BuildEnteredText(const std::string& name) {
    return "Building the network " + Quoted(name) +
           ". The panel lists its elements; Alt and the arrow keys move the one selected; F5 "
           "runs the network.";
}

std::string NetworkRunText(const std::string& name) {
    return "The network " + Quoted(name) + " is built: the frames can go.";
}

std::string FileNameOf(const std::string& file) {
    const std::string name = std::filesystem::path(file).filename().string();
    return name.empty() ? file : name;
}

std::string FileOpenedText(const std::string& name, const std::string& file) {
    return "Opened " + Quoted(name) + " from " + Quoted(FileNameOf(file)) + ".";
}

std::string FileSavedText(const std::string& file) {
    return "Saved as " + Quoted(FileNameOf(file)) + ".";
}

std::string FileErrorText(const network::FileError& error, bool saving) {
    const std::string head =
        (saving ? "Cannot save " : "Cannot open ") + Quoted(FileNameOf(error.file)) + ": ";
    const std::string value = std::to_string(error.value);
    const std::string limit = std::to_string(error.limit);
    const std::string where = error.path.empty() ? std::string("the file") : error.path;
    const auto system = [&] {
        return std::error_code(static_cast<int>(error.value), std::generic_category()).message() +
               " (error " + value + ").";
    };
    switch (error.id) {
        case FileErrorId::NotFound:
            return head + "there is no such file.";
        case FileErrorId::NotAFile:
            return head + "it is a folder or something else that is not a file.";
        case FileErrorId::NoPermission:
            return head + (saving ? "you may not write there." : "you may not read it.");
        case FileErrorId::ReadFailed:
            return head + "the system could not read it: " + system();
        case FileErrorId::TooLarge:
            return head + "it has " + value + " bytes or more; a network file has at most " +
                   limit + ".";
        case FileErrorId::Empty:
            return head + "it is empty.";
        case FileErrorId::NotText:
            return head + "it is not text (at byte " + value + ").";
        case FileErrorId::NotJson:
            return head + "it is not a network file: its text is broken at byte " + value + ".";
        case FileErrorId::TooDeep:
            return head + "it nests deeper than " + limit + " levels, as no network file does.";
        case FileErrorId::NotNetwork:
            return head + "it is not a network file.";
        case FileErrorId::NewerVersion:
            return head + "a newer version of this program wrote it (format " + value +
                   "; this one reads " + limit + ").";
        case FileErrorId::WrongType:
            return head + "the value at " + where + " is of the wrong kind.";
        case FileErrorId::MissingField:
            return head + where + " is missing.";
        case FileErrorId::UnknownField:
            return head + where + " is not part of a network file.";
        case FileErrorId::OutOfRange:
            return head + "the number " + value + " at " + where + " is out of range.";
        case FileErrorId::TooMany:
            return head + where + " holds " + value + " items; at most " + limit + ".";
        case FileErrorId::BreaksRule:
            return head + "at " + where + " the network breaks a rule. " +
                   (error.problem ? ProblemText(*error.problem, nullptr) : std::string());
        case FileErrorId::WriteFailed:
            return head + "the system could not write it: " + system();
    }
    return head + "it cannot be used.";
}

std::string SegmentLine(const network::Plan& plan, int segment) {
    if (!Has(plan.segments, segment)) return {};
    const network::SegmentPlan& s = plan.segments[static_cast<std::size_t>(segment)];
    std::vector<std::string> stations;
    for (std::size_t k = 0; k < plan.stations.size(); ++k)
        if (plan.stations[k].segment == segment) stations.push_back(Letter(static_cast<int>(k)));
    std::vector<std::string> bridges;
    for (const network::BridgePlan& bridge : plan.bridges)
        if (bridge.upper == segment || bridge.lower == segment)
            bridges.push_back(std::to_string(bridge.number));
    std::string line = "Segment " + SegmentNumber(segment) + ": height " + std::to_string(s.y) +
                       ", " + std::to_string(s.x1) + " to " + std::to_string(s.x2);
    const auto listed = [](const std::vector<std::string>& items, const char* one,
                           const char* many) {
        if (items.empty()) return "; no " + std::string(one);
        return "; " + std::string(items.size() == 1 ? one : many) + " " + Joined(items);
    };
    line += listed(stations, "station", "stations");
    line += listed(bridges, "bridge", "bridges");
    return line;
}

std::string BridgeLine(const network::Plan& plan, int bridge) {
    if (!Has(plan.bridges, bridge)) return {};
    const network::BridgePlan& b = plan.bridges[static_cast<std::size_t>(bridge)];
    std::string line = "Bridge " + std::to_string(b.number) + ": segments " +
                       SegmentNumber(b.upper) + " and " + SegmentNumber(b.lower) + ", costs " +
                       std::to_string(b.costA) + " and " + std::to_string(b.costB);
    if (!b.tableA.empty() || !b.tableB.empty())
        line += ", preset tables " + (b.tableA.empty() ? std::string("none") : b.tableA) + " and " +
                (b.tableB.empty() ? std::string("none") : b.tableB);
    return line;
}

std::string StationLine(const network::Plan& plan, int station) {
    if (!Has(plan.stations, station)) return {};
    const network::StationPlan& s = plan.stations[static_cast<std::size_t>(station)];
    return "Station " + Letter(station) + " on segment " + SegmentNumber(s.segment) + " at " +
           std::to_string(s.left);
}

std::string NetworkLine(const network::Plan& plan) {
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return "The whole network: " + count(plan.segments.size(), "segment", "segments") + ", " +
           count(plan.bridges.size(), "bridge", "bridges") + ", " +
           count(plan.stations.size(), "station", "stations");
}

}  // namespace bridging::explain
