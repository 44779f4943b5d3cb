// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own drawing of the network: the segments, the link lines and the
// segments' end markers, in pixels, as the core's shown elements give them.
#pragma once

#include <QLine>
#include <QRect>
#include <vector>

#include "common/face.h"
#include "driver/demo.h"
#include "ui/scene/zoom.h"

class QPainter;

namespace bridging::ui {

struct Marker {
    QRect box;
    ColourCode fill = 0;
    bool operator==(const Marker&) const = default;
};

struct NetworkPicture {
    std::vector<QLine> links;
    std::vector<QLine> segments;
    std::vector<Marker> markers;
    bool operator==(const NetworkPicture&) const = default;
};

NetworkPicture PictureOf(const Simulation& now, const Zoom& zoom);

// Link lines first, so the segments run unbroken over their ends; the markers last.
void PaintNetwork(QPainter& painter, const Zoom& zoom, const NetworkPicture& picture);

}  // namespace bridging::ui
