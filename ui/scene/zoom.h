// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where twips become pixels: the window's zoom factor and every conversion
// that depends on it, from lengths and rectangles to fonts and the design
// places of widgets. The window owns one and hands it to what draws; no other
// code converts the design's units.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

#include "common/face.h"

class QWidget;

namespace bridging::ui {

// The layout is made for 96 dots per inch; Qt's device-pixel ratio scales
// these logical pixels on high-density screens.
inline constexpr float TwipsPerPixel = 15;

// The zoom steps, in per cent; 100 % draws the design's pixels.
inline constexpr std::array<int, 8> ZoomPercents = {50, 75, 100, 125, 150, 200, 250, 300};
inline constexpr double SmallestZoom = 0.5;
inline constexpr double LargestZoom = 3.0;

// The next step above or below a factor, which need not be a step itself; at
// either end the factor itself.
double ZoomedIn(double factor);
double ZoomedOut(double factor);
// The largest factor at which an area of the design (twips) fits into `room`
// pixels, within the steps' range.
double ZoomToFit(float widthTwips, float heightTwips, QSize room);

class Zoom {
public:
    // Every window starts at 100 %: nothing is kept from an earlier one.
    double Factor() const { return factor_; }
    // Kept within the steps' range.
    void Set(double factor);

    int Pixels(float twips) const;
    // A pixel of the window back in the design's twips, for the mouse.
    int Twips(int pixels) const;
    // A line or border width of the design's 100 % picture, at this zoom.
    int ScaledPixels(int pixelsAt100) const;
    QPoint PixelPoint(float x, float y) const;
    // Edges are rounded, not sizes, so boxes that share an edge in twips share
    // it in pixels too.
    QRect PixelRect(float left, float top, float width, float height) const;
    QRect PixelRect(const Placement& place) const;

    // The faces' "MS Sans Serif" at a point size, sized in pixels of this
    // layout (a point is 20 twips) so that text keeps its size against the boxes.
    QFont FaceFont(double points, bool bold = false) const;

    // A widget's design rectangle (twips in its parent) and face font, set now
    // and remembered, so that Apply can place and size it again at another zoom.
    void PlaceInTwips(QWidget& widget, float left, float top, float width, float height) const;
    void SetFaceFont(QWidget& widget, double points, bool bold = false) const;
    // Re-applies the remembered rectangles and fonts of `root` and everything
    // in it. The buttons' colour styles carry pixel widths: their views set them anew.
    void Apply(QWidget& root) const;

private:
    double factor_ = 1.0;
};

}  // namespace bridging::ui
