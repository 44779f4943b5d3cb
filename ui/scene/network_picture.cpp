// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Segments, link lines and end markers drawn with the widths and colours of the
// window's design.
#include "ui/scene/network_picture.h"

#include <QPainter>

#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

constexpr ColourCode SegmentBlack = 0x00000000;
constexpr int SegmentPixels = 12;
constexpr ColourCode LinkGrey = 0x00404040;
constexpr int LinkPixels = 8;
constexpr ColourCode MarkerBorder = 0x00000000;

void AddShownLines(std::vector<QLine>& lines, const Zoom& zoom,
                   const std::array<LineFace, LineCount>& faces) {
    for (const LineFace& line : faces) {
        if (line.Visible)
            lines.emplace_back(zoom.PixelPoint(line.X1, line.Y1),
                               zoom.PixelPoint(line.X2, line.Y2));
    }
}

void AddShownMarkers(std::vector<Marker>& markers, const Zoom& zoom,
                     const std::array<BoxFace, LineCount>& boxes) {
    for (const BoxFace& box : boxes) {
        if (box.place.Visible) markers.push_back({zoom.PixelRect(box.place), box.fill});
    }
}

void PaintLines(QPainter& painter, const Zoom& zoom, const std::vector<QLine>& lines,
                ColourCode colour, int width) {
    // Thick lines end in round caps, as wide pens do by default.
    painter.setPen(QPen(QtColour(colour), zoom.ScaledPixels(width), Qt::SolidLine, Qt::RoundCap));
    for (const QLine& line : lines) painter.drawLine(line);
}

}  // namespace

NetworkPicture PictureOf(const Simulation& demo, const Zoom& zoom) {
    NetworkPicture picture;
    AddShownLines(picture.links, zoom, demo.Line1);
    AddShownLines(picture.segments, zoom, demo.lneNetA);
    AddShownMarkers(picture.markers, zoom, demo.shpRT);
    AddShownMarkers(picture.markers, zoom, demo.shpLT);
    return picture;
}

void PaintNetwork(QPainter& painter, const Zoom& zoom, const NetworkPicture& picture) {
    PaintLines(painter, zoom, picture.links, LinkGrey, LinkPixels);
    PaintLines(painter, zoom, picture.segments, SegmentBlack, SegmentPixels);
    for (const Marker& marker : picture.markers) {
        PaintBox(painter, zoom, marker.box, QtColour(marker.fill), QtColour(MarkerBorder), 1);
    }
}

}  // namespace bridging::ui
