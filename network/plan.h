// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A network as a teacher builds it: segments, bridges on their link lines and
// stations, as one plain value; the rules that make the tick carry every frame
// where the network says it goes; and the lattice on which the editor places
// elements. Toolkit-free. Positions are whole twips of the window's drawing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bridging::network {

// The window owns six of each element (Part of the fixed window: `lneNetA`,
// `Line1` with `Bridge1`, `Computer1`); a plan uses the first ones in order,
// so element k of a plan is the window's element k.
inline constexpr int MaxElements = 6;

// A horizontal line; stations stand above it, link lines end on it.
struct SegmentPlan {
    int x1 = 0;  // left end
    int x2 = 0;  // right end
    int y = 0;
    bool operator==(const SegmentPlan&) const = default;
};

// A bridge with its vertical link line, which runs from the upper segment down
// to the lower one. Port A faces the upper segment.
struct BridgePlan {
    int x = 0;      // the link line's X; the bridge is centred on it
    int upper = 0;  // index of the segment at the link line's upper end
    int lower = 0;  // index of the segment at its lower end
    int y1 = 0;     // the link line's upper end, on or just below the upper segment
    int y2 = 0;     // its lower end, on or just above the lower segment
    int top = 0;    // the bridge's Top
    int number = 1;
    int costA = 1;
    int costB = 1;
    // Preset learning tables in the bridge's own text form ("A:B"); empty: none.
    std::string tableA;
    std::string tableB;
    bool operator==(const BridgePlan&) const = default;
};

// A station stands `rise` twips above its segment (its Top = segment y - rise),
// so moving the segment carries it along and no segment can come between.
struct StationPlan {
    int segment = 0;
    int left = 0;
    int rise = 1620;
    bool operator==(const StationPlan&) const = default;
};

struct Plan {
    std::string name;
    std::string description;
    std::vector<SegmentPlan> segments;
    std::vector<BridgePlan> bridges;
    std::vector<StationPlan> stations;
    bool operator==(const Plan&) const = default;
};

// The numbers the rules use, each with the reason it has the value it has.
namespace limits {

// The drawing: the window's client area. The topmost segment is where the
// builder puts its highest one (its station then pokes 180 above the area, as
// station F does); the lowest leaves room below for its tokens and markers.
inline constexpr int DrawingWidth = 14490;
inline constexpr int DrawingHeight = 10740;
inline constexpr int HighestSegment = 1440;
inline constexpr int LowestSegment = 9660;
// End markers reach 120 left of a segment and 135 right of it.
inline constexpr int MarkerLeft = 120;
inline constexpr int MarkerRight = 135;
inline constexpr int ShortestSegment = 1200;

// A station sees tokens whose Top lies within 2000 of its own Top + 1200, and
// the end-of-segment test looks 1000 above and below a segment. Tokens run at
// the segment's height - 400, or up to 120 higher and 60 lower after a split at
// a link line's end; so a station standing r above segment s sees the tokens of
// segment i when |Yi - Ys + r - 1600 + shift| < 2000. With r = 1560 and a shift
// of -120 that reaches 2159 below: one more keeps every segment to its own.
inline constexpr int SegmentSpacing = 2160;
// How many segments fit the drawing at that spacing.
inline constexpr int SegmentsThatFit = (LowestSegment - HighestSegment) / SegmentSpacing + 1;

// The builder stands stations 1620 above their segment, or 1560 in the default network.
inline constexpr int StationRise = 1620;
inline constexpr int LowestRise = 1560;
// The widest station; two on one segment must not cover each other.
inline constexpr int StationWidth = 1455;

// A link line starts on its upper segment or up to 60 below it, and ends on
// its lower one or up to 120 above it, as the builder's do.
inline constexpr int LinkTopGap = 60;
inline constexpr int LinkBottomGap = 120;
// A link line stands at least this far inside both of its segments' ends (the
// builder's link line 0 stands 480 inside segment 0).
inline constexpr int LinkInset = 480;
// Tokens on a link line arrive at bridges and link-line ends within 1200 of
// their own: link lines whose spans meet must stand further apart.
inline constexpr int LinkSpacing = 1200;
// A link line passing a segment it does not join keeps this far from its ends.
inline constexpr int LinkClearance = 600;

// The bridge's box, centred on its link line.
inline constexpr int BridgeHalfWidth = 1500;
inline constexpr int BridgeHeight = 1575;
// Its drawn body, which must not cover another's.
inline constexpr int BridgeBodyWidth = 2910;
inline constexpr int BridgeBodyHeight = 1455;
// Room between a bridge and each of its segments (the builder's closest is 405).
inline constexpr int BridgeMargin = 400;

// A token starts 640 left of a link line's X.
inline constexpr int LeftOfLink = 640;
// A token moves 200 a tick and meets a junction only within 100 of it: a
// token whose positions lie exactly halfway between steps never meets it.
inline constexpr int TokenStep = 200;
inline constexpr int JunctionWindow = 100;

inline constexpr int HighestBridgeNumber = 9;  // one digit on the bridge's face
inline constexpr int HighestCost = 99;         // two digits on the face
inline constexpr int TableItems = 7;           // a learning table's positions
inline constexpr char HighestStationLetter = 'A' + MaxElements - 1;
inline constexpr std::size_t NameCharacters = 64;  // the scenario list's text limit
inline constexpr std::size_t DescriptionCharacters = 2000;

}  // namespace limits

static_assert(limits::SegmentsThatFit == 4);

// Where the editor puts things. Horizontal places of stations and link lines
// form one lattice with the token's step, so that every token meets every
// junction on its segment; heights and segment ends use a finer one.
namespace lattice {

inline constexpr int TrackStep = limits::TokenStep;
// A station's Left and a link line's X - 640 are 40 more than a multiple of
// 200. The built-in networks' stations D, E and link lines 3, 4 stand on it,
// and no element of any built-in network stands halfway between its points,
// so anything placed on it works beside them.
inline constexpr int TrackPhase = 40;
inline constexpr int HeightStep = 60;  // segment heights, bridge tops
inline constexpr int EndStep = 60;     // segment ends

// The nearest allowed value; halves go up.
int SnapStationLeft(int left);
int SnapLinkX(int x);
int SnapHeight(int y);
int SnapEnd(int x);
bool IsStationLeft(int left);
bool IsLinkX(int x);

}  // namespace lattice

enum class ElementType : std::uint8_t { Network, Segment, Bridge, Station };

// An element of a plan by index; a station's letter is 'A' + index, a bridge
// is shown by its number (BridgePlan::number).
struct Element {
    ElementType type = ElementType::Network;
    int index = -1;
    bool operator==(const Element&) const = default;
};

constexpr Element NetworkElement() { return {ElementType::Network, -1}; }
constexpr Element SegmentElement(int k) { return {ElementType::Segment, k}; }
constexpr Element BridgeElement(int k) { return {ElementType::Bridge, k}; }
constexpr Element StationElement(int k) { return {ElementType::Station, k}; }

// What breaks a rule (or what an edit cannot do). Each has a message key
// (MessageKey) and reads its arguments from the Problem's fields as noted.
enum class ProblemId : std::uint8_t {
    TooMany,                 // subject's type, value = count, limit = most allowed
    NoSuchElement,           // an edit names subject, which the plan lacks
    NoSuchSegment,           // subject names segment `value`, which does not exist
    OutsideDrawing,          // subject reaches `value`, beyond the drawing's edge `limit`
    SegmentTooShort,         // value = length, limit = shortest
    SegmentBackwards,        // x1 >= x2
    SegmentsTooClose,        // subject and other: value = height apart, limit = spacing
    BridgeOnOneSegment,      // both ends of the link line on segment `value`
    BridgeUpsideDown,        // its upper segment lies lower than its lower one
    LinkTopOff,              // the upper end is `value` below the upper segment; limit = most
    LinkBottomOff,           // the lower end is `value` above the lower segment; limit = most
    LinkOutsideSegment,      // link line not `limit` inside segment other's ends; value = its X
    LinkCrossesSegment,      // the link line crosses segment other
    LinksTooClose,           // subject and other: value = apart, limit = spacing
    BridgeDoesNotFit,        // between its segments: value = room found, limit = room needed
    BridgesOverlap,          // subject and other bridge cover each other
    BridgeCrossesSegment,    // the bridge's box crosses segment other
    StationOutsideSegment,   // station's Left `value` not within its segment other
    StationRiseOff,          // value = rise, limit = the usual rise
    StationsOverlap,         // subject and other: value = apart, limit = station width
    StationOverJunction,     // a station within `limit` of bridge other's junction: frames miss it
    StationCoversBridge,     // the station, down to its segment, and bridge other cover each other
    OffLattice,              // subject's tokens step over bridge other's junction; value = offset
    BridgeNumberOutOfRange,  // value = number, limit = highest
    BridgeNumberTaken,       // value = number, other = the bridge that has it
    CostOutOfRange,          // value = cost, limit = highest; which port in `port`
    TableText,               // port's table text is not station letters; value = item
    NameTooLong,             // value = characters, limit
    DescriptionTooLong,      // value = characters, limit
    NameNotPlain,            // the name holds a control character or is not UTF-8
    DescriptionNotText,      // not UTF-8, or control characters other than line breaks
};

// One problem: what, on which element, against which other element, with the
// numbers that make it a problem. `port` is 0 (A) or 1 (B) where it matters.
struct Problem {
    ProblemId id = ProblemId::TooMany;
    Element subject;
    Element other;
    int value = 0;
    int limit = 0;
    int port = -1;
    bool operator==(const Problem&) const = default;
};

// The translation catalogue's key of a problem's message, e.g.
// "network.problem.segments-too-close".
std::string_view MessageKey(ProblemId id);

// Every rule the plan breaks, in the order of its elements; empty when the
// tick will carry every frame as the network says.
std::vector<Problem> Check(const Plan& plan);

// Segments joined through bridges: the group of each segment (the lowest
// segment index in it).
std::vector<int> SegmentGroups(const Plan& plan);
// Whether the bridges close a loop (two bridges between the same segments do).
bool HasLoop(const Plan& plan);

// A station's Top and the Left of a bridge, as the window places them.
int StationTop(const Plan& plan, const StationPlan& station);
constexpr int BridgeLeft(const BridgePlan& bridge) { return bridge.x - limits::BridgeHalfWidth; }

// Count of UTF-8 characters (continuation bytes excluded); -1 if not UTF-8.
long Utf8Characters(std::string_view text);

}  // namespace bridging::network
