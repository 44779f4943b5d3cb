// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the core's faces meet Qt's: 0x00BBGGRR codes become QColors, text
// becomes QString, and the faces' labels, buttons and boxes are put on Qt
// widgets and painters, at the window's zoom (ui/scene/zoom.h). No other file
// converts colours.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string>

#include "common/face.h"
#include "ui/scene/zoom.h"

class QLabel;
class QPainter;
class QPushButton;
class QWidget;

namespace bridging::ui {

// The caption of the window, which is also the application's name and so the
// title of its message boxes.
inline constexpr const char* WindowCaption = "Quen's Bridging Demo";

QColor QtColour(ColourCode colour);
QString QtText(const std::string& text);

// A box whose border lies inside its rectangle; no fill when `fill` is invalid.
// The border width is in the design's pixels, scaled by `zoom`.
void PaintBox(QPainter& painter, const Zoom& zoom, const QRect& box, const QColor& fill,
              const QColor& border, int borderWidth);

// Text, colours, opacity and visibility of a label, re-set only where they differ.
void ShowLabelFace(QLabel& label, const LabelFace& face);
// A push button's caption, with '&' shown as itself rather than as a shortcut.
void ShowCaption(QPushButton& button, const std::string& caption);
// Caption and background colour of a button that shows its colour, set where
// they differ from `shown`, the face that the button shows now (all when null).
void ShowButtonFace(QPushButton& button, const Zoom& zoom, const ButtonFace& face,
                    const ButtonFace* shown);

}  // namespace bridging::ui
