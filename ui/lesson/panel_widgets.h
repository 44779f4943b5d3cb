// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson panel's small widgets, made alike for all its boxes: placed in
// design units so that they follow the zoom, in the panel's font, plain text,
// and buttons without a menu of their own.
#pragma once

#include <QString>

#include "ui/scene/zoom.h"

class QLabel;
class QPushButton;
class QWidget;

namespace bridging::ui {

// The panel's text size in points.
inline constexpr double PanelPoints = 12;

// A one-line label at a place of the panel.
QLabel* PanelLabel(QWidget& panel, const Zoom& zoom, const char* name, float left, float top,
                   float width, float height = 330);

// A label whose text wraps, top left; its place is set by its user.
QLabel* WrappedLabel(QWidget& parent, const char* name);

// A button of the panel's one size.
QPushButton* PanelButton(QWidget& panel, const Zoom& zoom, const char* name, const QString& caption,
                         float left, float top);

}  // namespace bridging::ui
