// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The packet dispatcher: the one place where a token is taken from the pool,
// filled with a frame, given its direction and put at its starting point; and
// the handlers of the stations' and bridges' events that call it.
#include <cmath>

#include "driver/demo.h"
#include "driver/geometry.h"

namespace bridging {

namespace {

// A hidden token is free; there is no other bookkeeping.
int LowestFreeToken(const std::array<Packet, PoolSize>& pool) {
    for (int k = 0; k < PoolSize; ++k) {
        if (!pool[k].place.Visible) return k;
    }
    return -1;
}

// The nearest shown segment below a station's top edge, ties to the lower
// index; -1 when none lies less than 10000 below it.
int SegmentBelow(const std::array<LineFace, LineCount>& segments, float top) {
    double best = 10000;
    int chosen = -1;
    for (int k = 0; k < LineCount; ++k) {
        const LineFace& segment = segments[k];
        const float distance = segment.Y1 - top;
        if (segment.Visible && top < segment.Y1 && distance < best) {
            best = RoundHalfEven(distance);
            chosen = k;
        }
    }
    return chosen;
}

// Copies keep every frame field of the token they were made from. Colour goes
// first so that a spanning-tree frame keeps its sender's colour.
void CopyFrame(const Packet& from, Packet& to) {
    to.SetColour(from.Colour());
    to.SetCost(from.Cost());
    to.SetDestination(from.Destination());
    to.SetNextHop(from.NextHop());
    to.SetSource(from.Source());
    to.SetTimeToLive(from.TimeToLive());
    to.SetSpanHistory(from.SpanHistory());
}

// A new frame from station iIndex to the selected station, in that station's colour.
void FillNewFrame(Packet& to, std::int16_t iIndex, std::int16_t iSelectedStation,
                  ColourCode colour) {
    to.SetColour(colour);
    to.SetCost(0);
    to.SetDestination(iSelectedStation);
    to.SetNextHop(0);
    to.SetSource(iIndex + 1);
    to.SetTimeToLive(8);
    to.SetSpanHistory("");
}

bool IsVertical(std::int16_t iDirection) { return iDirection == DirUp || iDirection == DirDown; }

void SetDirection(Packet& token, std::int16_t iDirection) {
    if (IsVertical(iDirection)) {
        token.SetYOffset(iDirection == DirUp ? -geometry::Step : geometry::Step);
        token.SetXOffset(0);
    } else {
        token.SetXOffset(iDirection == DirRight ? geometry::Step : -geometry::Step);
        token.SetYOffset(0);
    }
}

// On the segment under the station; false when there is none.
bool PlaceAtComputer(Packet& token, const Placement& station,
                     const std::array<LineFace, LineCount>& segments) {
    token.place.Left = station.Left;
    const int segment = SegmentBelow(segments, station.Top);
    if (segment < 0) return false;
    token.place.Top = segments[segment].Y1 - geometry::AboveLine;
    return true;
}

void PlaceAtBridge(Packet& token, const Placement& bridge, std::int16_t iDirection) {
    if (iDirection == DirUp) token.place.Top = bridge.Top - geometry::AboveBridgeTop;
    if (iDirection == DirDown) token.place.Top = bridge.Top + geometry::BelowBridgeTop;
    token.place.Left = bridge.Left + geometry::IntoBridgeFirst;
    token.place.Left = token.place.Left + geometry::IntoBridgeThen;
}

// A vertical copy starts at the link line's end it leaves; a horizontal one at
// the named end, on the segment there.
void PlaceOnLink(Packet& token, const LineFace& link, std::int16_t iDirection, std::int16_t iEnd) {
    if (IsVertical(iDirection)) {
        token.place.Top = (iDirection == DirDown ? link.Y1 : link.Y2) - geometry::AboveLine;
    } else {
        token.place.Top = (iEnd == EndTop ? link.Y1 : link.Y2) - geometry::AboveLine;
    }
    token.place.Left = link.X1 - geometry::LeftOfLink;
}

}  // namespace

Raised Demo::LaunchPacket(const Packet& pktSrc, std::int16_t iIndex, std::int16_t iOrigin,
                          std::int16_t iDirection, std::int16_t iEnd) {
    return Run([&] { Dispatch(pktSrc, iIndex, iOrigin, iDirection, iEnd); });
}

void Demo::Dispatch(const Packet& pktSrc, std::int16_t iIndex, std::int16_t iOrigin,
                    std::int16_t iDirection, std::int16_t iEnd) {
    const int free = LowestFreeToken(sim_.Packet1);
    if (free < 0) {
        // The frame asked for is lost; Kill frees the whole pool for the next request.
        ReportWindow(DecisionKind::RunOutOfPackets);
        RaiseMessage(MessageKind::RunOutOfPackets);
        Kill();
        return;
    }
    Packet& token = sim_.Packet1[free];
    if (iOrigin == OriginComputer) {
        FillNewFrame(token, iIndex, sim_.selectedStation,
                     sim_.colours[static_cast<std::size_t>(sim_.selectedStation)]);
    } else {
        CopyFrame(pktSrc, token);
    }
    token.place.Visible = true;
    SetDirection(token, iDirection);
    if (iOrigin == OriginComputer) {
        if (!PlaceAtComputer(token, sim_.Computer1[iIndex].place, sim_.lneNetA)) {
            // Nothing gives the token a height: give it back to the pool.
            token.place.Visible = false;
            ReportStation(DecisionKind::NoSegmentBelow, iIndex);
            RaiseMessage(MessageKind::NoSegmentBelow);
        }
    } else if (iOrigin == OriginBridge) {
        PlaceAtBridge(token, sim_.Bridge1[iIndex].place, iDirection);
    } else {
        PlaceOnLink(token, sim_.Line1[iIndex], iDirection, iEnd);
    }
}

void Demo::RaiseMessage(MessageKind kind) { raised_.messages.push_back({kind}); }

void Demo::Computer1_zPacketGo(int Index, const Packet& pkt) {
    const auto index = static_cast<std::int16_t>(Index);
    if (Accounting()) {
        // The frame as the dispatcher will fill it: to the chosen destination.
        Packet frame;
        frame.SetDestination(sim_.selectedStation);
        frame.SetSource(Index + 1);
        ReportStation(DecisionKind::StationSends, Index, &frame);
    }
    Dispatch(pkt, index, OriginComputer, DirLeft, 0);
    Dispatch(pkt, index, OriginComputer, DirRight, 0);
}

void Demo::Computer1_zSetSource(int Index) {
    sim_.selectedStation = static_cast<std::int16_t>(Index + 1);
}

void Demo::Bridge1_zBridgeTx(int Index, const Packet& pktTx, std::int16_t iDirection) {
    Dispatch(pktTx, static_cast<std::int16_t>(Index), OriginBridge, iDirection, 0);
}

void Demo::TakeUp(int index, BridgeEvents& raised) {
    for (Decision& decision : raised.zDecision) {
        decision.index = index;
        Report(decision);
    }
    for (const BridgeTx& sent : raised.zBridgeTx)
        Bridge1_zBridgeTx(index, sent.pktTx, sent.iDirection);
}

// The elements' own buttons. The window only names elements that exist; any
// other index is ignored rather than read out of bounds.
Raised Demo::Computer1_Command1_Click(int index) {
    return Run([&] {
        if (index < 0 || index >= ComputerCount) return;
        if (sim_.Computer1[index].Command1_Click().zSetSource) Computer1_zSetSource(index);
    });
}

Raised Demo::Computer1_btnKeys_Click(int index) {
    return Run([&] {
        if (index < 0 || index >= ComputerCount) return;
        const ComputerEvents raised = sim_.Computer1[index].btnKeys_Click();
        if (raised.zDecision && Accounting()) {
            Decision decision = *raised.zDecision;
            decision.element = ElementKind::Station;
            decision.index = index;
            decision.station = index + 1;
            Report(decision);
        }
        if (raised.zPacketGo) Computer1_zPacketGo(index, *raised.zPacketGo);
    });
}

Raised Demo::Bridge1_btnSpanTree_Click(int index) {
    return Run([&] {
        if (index < 0 || index >= BridgeCount) return;
        BridgeEvents raised = Listening();
        sim_.Bridge1[index].btnSpanTree_Click(raised);
        TakeUp(index, raised);
    });
}

}  // namespace bridging
