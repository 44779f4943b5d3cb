// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding the part of the network under the pointer and asking the explaining
// words for it.
#include "ui/shell/tooltips.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>
#include <QWidget>
#include <cmath>

#include "explain/tooltips.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

// How near to a drawn line the pointer must be, in pixels at 100 %.
constexpr int LineReach = 4;

struct PartName {
    ElementKind element = ElementKind::Window;
    int index = -1;
    QString part;  // empty for the element's own body
};

// "Bridge1_2_lblPortA", "Computer1_0_btnKeys", "Bridge1_3".
std::optional<PartName> ParseName(const QString& objectName) {
    static const QRegularExpression pattern(
        QStringLiteral("^(Bridge1|Computer1)_(\\d+)(?:_([A-Za-z0-9]+))?$"));
    const QRegularExpressionMatch match = pattern.match(objectName);
    if (!match.hasMatch()) return std::nullopt;
    const bool bridge = match.captured(1) == QLatin1String("Bridge1");
    const int index = match.captured(2).toInt();
    if (index < 0 || index >= (bridge ? BridgeCount : ComputerCount)) return std::nullopt;
    return PartName{bridge ? ElementKind::Bridge : ElementKind::Station, index, match.captured(3)};
}

std::string BridgePartTip(const Bridge& bridge, const QString& part) {
    if (part == QLatin1String("lblPortA")) return explain::PortRowTip(bridge, 0);
    if (part == QLatin1String("lblPortB")) return explain::PortRowTip(bridge, 1);
    if (part == QLatin1String("lblBestRealA")) return explain::CostPairTip(bridge, 0);
    if (part == QLatin1String("lblBestRealB")) return explain::CostPairTip(bridge, 1);
    if (part == QLatin1String("lblPort0Cost")) return explain::PortCostTip(bridge, 0);
    if (part == QLatin1String("lblPort1Cost")) return explain::PortCostTip(bridge, 1);
    if (part == QLatin1String("btnSpanTree")) return explain::RootButtonTip(bridge);
    if (part.isEmpty() || part == QLatin1String("lblName")) return explain::BridgeTip(bridge);
    return {};
}

std::string StationPartTip(const Simulation& demo, int index, const QString& part) {
    if (part == QLatin1String("Command1")) return explain::StationLetterTip(demo, index);
    if (part == QLatin1String("btnKeys")) return explain::SendTip(demo, index);
    return {};
}

std::string PartTipOf(const Simulation& demo, const PartName& name) {
    if (name.element == ElementKind::Bridge)
        return BridgePartTip(demo.Bridge1[static_cast<std::size_t>(name.index)], name.part);
    return StationPartTip(demo, name.index, name.part);
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    double t = length2 > 0 ? QPointF::dotProduct(p - a, ab) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

bool NearLine(const Zoom& zoom, const LineFace& line, QPoint point) {
    if (!line.Visible) return false;
    return DistanceToSegment(point, zoom.PixelPoint(line.X1, line.Y1),
                             zoom.PixelPoint(line.X2, line.Y2)) <= zoom.ScaledPixels(LineReach);
}

// A plain tooltip is one line however long: break it between words.
QString WrappedForTip(const QString& text) {
    constexpr qsizetype Columns = 64;
    QString wrapped;
    qsizetype lineStart = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (!wrapped.isEmpty()) {
            const bool full = wrapped.size() - lineStart + 1 + word.size() > Columns;
            wrapped += full ? QLatin1Char('\n') : QLatin1Char(' ');
            if (full) lineStart = wrapped.size();
        }
        wrapped += word;
    }
    return wrapped;
}

}  // namespace

std::vector<DescribedPart> DescribedParts(QWidget& window) {
    std::vector<DescribedPart> parts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const std::optional<PartName> name = ParseName(widget->objectName());
        if (name && !name->part.isEmpty())
            parts.push_back({widget, name->element, name->index, name->part});
    }
    return parts;
}

std::string PartTip(const Simulation& demo, const QString& objectName) {
    const std::optional<PartName> name = ParseName(objectName);
    if (!name) return {};
    return PartTipOf(demo, *name);
}

void Describe(const Simulation& demo, const std::vector<DescribedPart>& parts,
              std::optional<std::pair<ElementKind, int>> element) {
    for (const DescribedPart& part : parts) {
        if (element && (element->first != part.element || element->second != part.index)) continue;
        const QString text = QtText(PartTipOf(demo, {part.element, part.index, part.part}));
        if (part.widget->accessibleDescription() != text)
            part.widget->setAccessibleDescription(text);
    }
}

std::optional<QString> TipAt(const Simulation& demo, const Zoom& zoom, const QWidget& window,
                             const QWidget& receiver, QPoint windowPos) {
    // The pool's last tokens are stacked on top.
    for (auto token = demo.Packet1.rbegin(); token != demo.Packet1.rend(); ++token) {
        if (token->place.Visible && zoom.PixelRect(token->place).contains(windowPos))
            return QtText(explain::TokenTip(*token));
    }
    for (const QWidget* widget = &receiver; widget != nullptr && widget != &window;
         widget = widget->parentWidget()) {
        const std::string tip = PartTip(demo, widget->objectName());
        if (!tip.empty()) return QtText(tip);
    }
    if (&receiver != &window) return std::nullopt;
    for (const LineFace& line : demo.Line1) {
        if (NearLine(zoom, line, windowPos)) return QtText(explain::LinkLineTip());
    }
    for (const LineFace& line : demo.lneNetA) {
        if (NearLine(zoom, line, windowPos)) return QtText(explain::SegmentTip());
    }
    return std::nullopt;
}

// The words are made now, from the core as it stands.
bool ShowTip(const Simulation& demo, const Zoom& zoom, const QWidget& window, QWidget& receiver,
             const QHelpEvent& help) {
    const std::optional<QString> tip =
        TipAt(demo, zoom, window, receiver, receiver.mapTo(&window, help.pos()));
    if (!tip) return false;
    QToolTip::showText(help.globalPos(), WrappedForTip(*tip), &receiver);
    return true;
}

}  // namespace bridging::ui
