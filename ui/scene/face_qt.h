// Where the core's units meet Qt's: twips become logical pixels at the
// window's zoom, 0x00BBGGRR codes become QColors, and the faces' labels,
// buttons and boxes are put on Qt widgets and painters. No other file converts
// units or colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <string>

#include "common/face.h"

class QLabel;
class QPainter;
class QPushButton;
class QWidget;

namespace bridging::ui {

// The caption of the window, which is also the application's name and so the
// title of its message boxes.
inline constexpr const char* WindowCaption = "Quen's Bridging Demo";

// The layout is made for 96 dots per inch; Qt's device-pixel ratio scales
// these logical pixels on high-density screens.
inline constexpr float TwipsPerPixel = 15;

// The zoom steps, in per cent; 100 % draws the design's pixels.
inline constexpr std::array<int, 8> ZoomPercents = {50, 75, 100, 125, 150, 200, 250, 300};
inline constexpr double SmallestZoom = 0.5;
inline constexpr double LargestZoom = 3.0;

// The one zoom factor of the picture; SetZoom keeps it within the steps' range.
double Zoom();
void SetZoom(double factor);
// The next step above or below a factor, which need not be a step itself; at
// either end the factor itself.
double ZoomedIn(double factor);
double ZoomedOut(double factor);
// The largest factor at which an area of the design (twips) fits into `room`
// pixels, within the steps' range.
double ZoomToFit(float widthTwips, float heightTwips, QSize room);

int Pixels(float twips);
// A line or border width of the design's 100 % picture, at the current zoom.
int ScaledPixels(int pixelsAt100);
QPoint PixelPoint(float x, float y);
// Edges are rounded, not sizes, so boxes that share an edge in twips share it
// in pixels too.
QRect PixelRect(float left, float top, float width, float height);
QRect PixelRect(const Placement& place);

QColor QtColour(ColourCode colour);
QString QtText(const std::string& text);

// The faces' "MS Sans Serif" at a point size, sized in pixels of this layout
// (a point is 20 twips) so that text keeps its size against the boxes.
QFont FaceFont(double points, bool bold = false);

// A widget's design rectangle (twips in its parent) and face font, set now and
// remembered, so that ApplyZoom can place and size it again at another zoom.
void PlaceInTwips(QWidget& widget, float left, float top, float width, float height);
void SetFaceFont(QWidget& widget, double points, bool bold = false);
// Re-applies the remembered rectangles and fonts of `root` and everything in
// it. The buttons' colour styles carry pixel widths: their views set them anew.
void ApplyZoom(QWidget& root);

// A box whose border lies inside its rectangle; no fill when `fill` is invalid.
void PaintBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& border,
              int borderWidth);

// Text, colours, opacity and visibility of a label, re-set only where they differ.
void ShowLabelFace(QLabel& label, const LabelFace& face);
// A push button's caption, with '&' shown as itself rather than as a shortcut.
void ShowCaption(QPushButton& button, const std::string& caption);
// Caption and background colour of a button that shows its colour, set where
// they differ from `shown`, the face that the button shows now (all when null).
void ShowButtonFace(QPushButton& button, const ButtonFace& face, const ButtonFace* shown);

}  // namespace bridging::ui
