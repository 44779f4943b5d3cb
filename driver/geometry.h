// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a launched token starts relative to the line, bridge or station it
// leaves, and the tolerances by which the tick sees it arrive somewhere. The
// two belong together: a token starts at the offsets the arrival tests expect.
// Twips, single precision.
#pragma once

namespace bridging::geometry {

// A component's top-left corner in the layout tables of the design and the networks.
struct Spot {
    float Left;
    float Top;
};

// A token travels this far above the line it runs on (its Top = line - 400).
inline constexpr float AboveLine = 400;
// A token on a link line stands this far left of it (its Left = link X - 640).
inline constexpr float LeftOfLink = 640;
// A token entering or leaving a bridge stands this far right of the bridge's left edge.
inline constexpr float IntoBridgeFirst = 680;
inline constexpr float IntoBridgeThen = 180;
inline constexpr float IntoBridge = IntoBridgeFirst + IntoBridgeThen;
// A bridge's output tokens start outside its own arrival windows.
inline constexpr float AboveBridgeTop = 360;
inline constexpr float BelowBridgeTop = 1080;

// Distance of one tick's move.
inline constexpr float Step = 200;

// End of a segment: how far before each end a token vanishes, and how far from
// its travelling height it still counts as on the segment.
inline constexpr float SegmentEndInset = 600;
inline constexpr float OnSegmentHeight = 1000;
// Junction of a segment with a link line: narrower than a step, so a token
// meets each junction at most once.
inline constexpr float JunctionWidth = 100;
inline constexpr float JunctionHeight = 480;
// Arrival at a bridge's edge or at a link line's end.
inline constexpr float ArrivalWidth = 1200;
inline constexpr float BridgeEdgeHeight = 200;
inline constexpr float LinkEndHeight = 400;
// Passing a station: near it marks it (when addressed to it), a little further restores it.
inline constexpr float NearStation = 600;
inline constexpr float PastStation = 1200;
inline constexpr float StationToLine = 1200;
inline constexpr float StationReach = 2000;

// Tokens this far outside the client area have left the drawing for good.
inline constexpr float OutsideDrawing = 2000;

}  // namespace bridging::geometry
