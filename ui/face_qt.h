// Where the core's units meet Qt's: twips become logical pixels, 0x00BBGGRR
// codes become QColors, and the faces' labels, buttons and boxes are put on Qt
// widgets and painters. No other file converts units or colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "common/face.h"

class QLabel;
class QPainter;
class QPushButton;

namespace bridging::ui {

// The caption of the window, which is also the application's name and so the
// title of its message boxes.
inline constexpr const char* WindowCaption = "Quen's Bridging Demo";

// The layout is made for 96 dots per inch; Qt's device-pixel ratio scales
// these logical pixels on high-density screens.
inline constexpr float TwipsPerPixel = 15;

int Pixels(float twips);
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
