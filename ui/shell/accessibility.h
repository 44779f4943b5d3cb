// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the window beyond Qt's own widgets: the
// moving frames as named pictures, present only while they are shown.
#pragma once

class QWidget;

namespace bridging::ui {

// Makes the window list only its shown frames among its children, and the
// frames read as pictures. Installing it twice does nothing more.
void InstallAccessibility();

// Tells assistive technology that a frame's view came or went, so that the
// window's list of children is read again.
void ReportTokenShown(QWidget& view, bool shown);

}  // namespace bridging::ui
