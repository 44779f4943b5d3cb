// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the pointer rests on, in words: the text of each part's tooltip and
// accessible description, computed from the core when asked.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "common/decision.h"
#include "driver/demo.h"
#include "ui/scene/zoom.h"

class QHelpEvent;
class QWidget;

namespace bridging::ui {

// A widget that stands for a part of a bridge or station, as its name says.
struct DescribedPart {
    QWidget* widget = nullptr;
    ElementKind element = ElementKind::Window;
    int index = -1;
    QString part;  // the part of the element, as the widget's name ends
};

// The parts of the bridges and stations among `window`'s widgets.
std::vector<DescribedPart> DescribedParts(QWidget& window);

// The words for one part, empty for a widget that is no such part.
std::string PartTip(const Simulation& demo, const QString& objectName);

// Sets the accessible description of each part of `element` (or of every
// part, for none) to its tooltip text, where it differs.
void Describe(const Simulation& demo, const std::vector<DescribedPart>& parts,
              std::optional<std::pair<ElementKind, int>> element = std::nullopt);

// The tooltip at a point of the window: a token there first, since tokens
// take no mouse events, then the widget under the pointer, then a segment or
// link line drawn on the window itself.
std::optional<QString> TipAt(const Simulation& demo, const Zoom& zoom, const QWidget& window,
                             const QWidget& receiver, QPoint windowPos);

// Shows the tooltip of a help event that `receiver`, a widget of `window`,
// gets; false when no part of the network is there, which leaves the event to
// the widget's own tooltip, if it has one.
bool ShowTip(const Simulation& demo, const Zoom& zoom, const QWidget& window, QWidget& receiver,
             const QHelpEvent& help);

}  // namespace bridging::ui
