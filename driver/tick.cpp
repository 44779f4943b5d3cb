// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The timer's tick: every shown token moves one step and is tested against the
// scene, in index order. All tests are made in single precision on the
// position after the move, with the token's centre height = Top + Height / 2.
#include <cmath>

#include "driver/demo.h"
#include "driver/geometry.h"

namespace bridging {

namespace {

namespace g = geometry;

bool IsHorizontal(const Packet& token) { return token.XOffset() != 0; }
bool IsVertical(const Packet& token) { return token.YOffset() != 0; }

float CentreHeight(const Placement& p) { return p.Top + p.Height / 2; }

// Beyond the drawing no test can ever hold again: such a token (left on a line
// that a scenario change or a typed name hid) would never be freed otherwise.
bool HasLeftDrawing(const Placement& p) {
    return p.Left < -g::OutsideDrawing || p.Left > Simulation::ClientWidth + g::OutsideDrawing ||
           p.Top < -g::OutsideDrawing || p.Top > Simulation::ClientHeight + g::OutsideDrawing;
}

bool UnderLink(const Placement& p, const LineFace& link, float width) {
    return std::abs(p.Left - link.X1 + g::LeftOfLink) < width;
}

bool UnderBridge(const Placement& p, const Placement& bridge) {
    return std::abs(p.Left - bridge.Left - g::IntoBridge) < g::ArrivalWidth;
}

// The offset is a double: the sum is formed in double and stored as a single.
void MoveToken(Packet& token) {
    token.place.Left = static_cast<float>(token.place.Left + token.XOffset());
    token.place.Top = token.place.Top + token.YOffset();
}

}  // namespace

Raised Demo::Timer1_Timer() {
    return Run([this] {
        if (sim_.running) MoveAndTestTokens();
    });
}

Raised Demo::NextTick() {
    return Run([this] { MoveAndTestTokens(); });
}

Raised Demo::Step() {
    return Run([this] {
        if (sim_.running) {
            Pause();
            return;
        }
        MoveAndTestTokens();
    });
}

void Demo::MoveAndTestTokens() {
    Contain([this] {
        ++sim_.tickCount;
        // By index: launches during the loop show tokens, and one above R is
        // still moved in this tick.
        for (int R = 0; R < PoolSize; ++R) {
            Packet& token = sim_.Packet1[R];
            if (!token.place.Visible) continue;
            MoveToken(token);
            if (HasLeftDrawing(token.place)) {
                token.place.Visible = false;
                continue;
            }
            TestSegmentEnds(token);
            TestJunctions(token);
            // A split that cleared the pool may have handed this very token out again.
            if (TestBridgesAndLinkEnds(token)) continue;
            TestComputers(token);
        }
    });
}

// The only way a horizontal token ends, apart from Kill.
void Demo::TestSegmentEnds(Packet& token) {
    const Placement& p = token.place;
    // Every shown segment, 4 and 5 included: a network laid out from a plan may show them.
    for (int k = 0; k < LineCount; ++k) {
        const LineFace& segment = sim_.lneNetA[k];
        if (!segment.Visible) continue;
        const bool onSegment = std::abs(p.Top - (segment.Y1 - g::AboveLine)) < g::OnSegmentHeight &&
                               token.YOffset() == 0;
        const bool beyondEnd =
            p.Left < segment.X1 - g::SegmentEndInset || p.Left > segment.X2 - g::SegmentEndInset;
        if (onSegment && beyondEnd) token.place.Visible = false;
    }
}

// A horizontal token crossing a link line leaves a copy on it, travelling away
// from the segment; the token itself goes on.
void Demo::TestJunctions(Packet& token) {
    if (!token.place.Visible || !IsHorizontal(token)) return;
    for (int k = 0; k < LineCount; ++k) {
        const LineFace& link = sim_.Line1[k];
        if (!link.Visible || !UnderLink(token.place, link, g::JunctionWidth)) continue;
        const auto index = static_cast<std::int16_t>(k);
        if (std::abs(token.place.Top + g::AboveLine - link.Y1) < g::JunctionHeight) {
            Dispatch(token, index, OriginLink, DirDown, 0);
        } else if (std::abs(token.place.Top + g::AboveLine - link.Y2) < g::JunctionHeight) {
            Dispatch(token, index, OriginLink, DirUp, 0);
        }
    }
}

// A vertical token enters a bridge through the edge it travels towards, or
// splits onto the segment at the end of its link line. True when a split
// cleared the pool, so that the token must not be tested further.
bool Demo::TestBridgesAndLinkEnds(Packet& token) {
    if (!token.place.Visible || !IsVertical(token)) return false;
    for (int k = 0; k < BridgeCount; ++k) {
        Bridge& bridge = sim_.Bridge1[k];
        if (!bridge.place.Visible) continue;
        const Placement& p = token.place;
        const bool under = UnderBridge(p, bridge.place);
        if (under && token.YOffset() > 0 &&
            std::abs(CentreHeight(p) - bridge.place.Top) < g::BridgeEdgeHeight) {
            ReportArrival(k, token, 0);
            BridgeEvents raised = Listening();
            bridge.xPacketArrives(token, 0, raised);
            TakeUp(k, raised);
            token.place.Visible = false;
        } else if (under && token.YOffset() < 0 &&
                   std::abs(CentreHeight(p) - bridge.place.Top - bridge.place.Height) <
                       g::BridgeEdgeHeight) {
            ReportArrival(k, token, 1);
            BridgeEvents raised = Listening();
            bridge.xPacketArrives(token, 1, raised);
            TakeUp(k, raised);
            token.place.Visible = false;
        }
    }
    for (int k = 0; k < LineCount; ++k) {
        const LineFace& link = sim_.Line1[k];
        if (!link.Visible || !token.place.Visible) continue;
        const Placement& p = token.place;
        const bool under = UnderLink(p, link, g::ArrivalWidth);
        const auto index = static_cast<std::int16_t>(k);
        if (under && token.YOffset() < 0 &&
            std::abs(CentreHeight(p) - link.Y1) < g::LinkEndHeight) {
            if (SplitAtLinkEnd(token, index, EndTop)) return true;
        } else if (under && token.YOffset() > 0 &&
                   std::abs(CentreHeight(p) - link.Y2) < g::LinkEndHeight) {
            if (SplitAtLinkEnd(token, index, EndBottom)) return true;
        }
    }
    return false;
}

// The token is replaced by a left-going and a right-going copy on the segment at
// that end. When the first copy finds the pool exhausted, Kill frees every
// token, this one included, and the second copy takes the lowest free token:
// when that is this very token it must go on as the copy, not be hidden.
// Returns whether the pool was cleared, after which the token is not tested further.
bool Demo::SplitAtLinkEnd(Packet& token, std::int16_t index, std::int16_t iEnd) {
    Dispatch(token, index, OriginLink, DirLeft, iEnd);
    const bool poolCleared = !token.place.Visible;
    Dispatch(token, index, OriginLink, DirRight, iEnd);
    if (!poolCleared) token.place.Visible = false;
    return poolCleared;
}

// A frame passing its destination marks it; any horizontal token a little
// further away gives a station its normal face back.
void Demo::TestComputers(Packet& token) {
    for (int k = 0; k < ComputerCount; ++k) {
        Computer& station = sim_.Computer1[k];
        if (!station.place.Visible || !token.place.Visible || !IsHorizontal(token)) continue;
        const float across = std::abs(token.place.Left - station.place.Left);
        const bool level =
            std::abs(token.place.Top - station.place.Top - g::StationToLine) < g::StationReach;
        if (across < g::NearStation && level) {
            if (token.Destination() != k + 1) continue;
            const bool wasMarked = station.Number() == Computer::Marked;
            station.SetNumber(Computer::Marked);
            if (!wasMarked) ReportStation(DecisionKind::FrameArrives, k, &token);
        } else if (across >= g::NearStation && across < g::PastStation && level) {
            station.SetNumber(k);
        }
    }
}

}  // namespace bridging
