// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the editor's Add commands put a new element: beside the element
// selected, on the lattice, at the nearest place the rules accept. With no
// such place the edit still names the nearest one, so that its refusal tells
// the user why, instead of the command silently doing nothing.
#pragma once

#include <optional>

#include "network/edit.h"
#include "network/plan.h"

namespace bridging::network {

// The segment the selection stands on or belongs to: the segment itself, a
// station's segment, a bridge's upper segment; none for the network.
std::optional<int> SegmentOf(const Plan& plan, Element selected);

// A segment as long as the selection's, below it (or above it when the
// drawing has no room below), or across the builder's usual width.
Edit NewSegment(const Plan& plan, Element selected);
// A station on the selection's segment, after the selected station or in the
// middle of the segment.
Edit NewStation(const Plan& plan, Element selected);
// A bridge from the selection's segment to segment `other`, its link line
// near the middle of the stretch the two segments share.
Edit NewBridge(const Plan& plan, Element selected, int other);
// The selected segment, bridge or station deleted; nothing for the network.
std::optional<Edit> DeleteEdit(const Plan& plan, Element selected);

// Where an element is drawn, in twips: what a mark around it surrounds.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
std::optional<Box> BoxOf(const Plan& plan, Element element);

// The element drawn at a point of the drawing (twips): a station, else a
// bridge or its link line, else a segment; the network where there is none.
Element ElementAt(const Plan& plan, int x, int y);
// The edit that moves `element` by (dx, dy) twips, as a mouse drags it,
// kept to the lattice: a station goes to the segment nearest its new foot.
std::optional<Edit> DragEdit(const Plan& plan, Element element, int dx, int dy);

}  // namespace bridging::network
