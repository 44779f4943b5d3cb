// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing of a bridge's face at its design positions (twips inside the bridge).
#include "ui/scene/bridge_view.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "explain/accessible.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

constexpr ColourCode Black = 0x00000000;
constexpr ColourCode Brown = 0x00004080;
constexpr ColourCode Green = 0x00008000;
constexpr int BodyBorderPixels = 3;

struct FaceLine {
    float x1, y1, x2, y2;
    ColourCode colour;
};

// Row and column separators, then the up arrow of port A and the down arrow of port B.
constexpr std::array<FaceLine, 11> FaceLines = {{
    {0, 480, 2040, 480, Black},
    {0, 960, 2040, 960, Black},
    {1500, 0, 1500, 480, Black},
    {1500, 960, 1500, 1440, Black},
    {2220, 0, 2220, 1440, Black},
    {2700, 540, 2700, 120, Brown},
    {2700, 120, 2820, 300, Brown},
    {2580, 300, 2700, 120, Brown},
    {2700, 1320, 2700, 900, Green},
    {2700, 1320, 2820, 1140, Green},
    {2700, 1320, 2580, 1140, Green},
}};

void PaintFaceLine(QPainter& painter, const Zoom& zoom, const FaceLine& line) {
    painter.setPen(QPen(QtColour(line.colour), zoom.ScaledPixels(1)));
    painter.drawLine(zoom.PixelPoint(line.x1, line.y1), zoom.PixelPoint(line.x2, line.y2));
}

}  // namespace

BridgeView::BridgeView(const Bridge& bridge, int index, const Zoom& zoom, QWidget* parent)
    : QWidget(parent), zoom_(zoom) {
    setObjectName(QStringLiteral("Bridge1_%1").arg(index));
    lblPortA_ = AddLabel("lblPortA", 120, 80, 2175, 375, 13.5, false);
    lblBestRealA_ = AddLabel("lblBestRealA", 1440, 60, 840, 495, 16.5, true);
    lblPort0Cost_ = AddLabel("lblPort0Cost", 2100, 120, 600, 495, 16.5, true);
    lblName_ = AddLabel("lblName", 120, 540, 1455, 375, 13.5, false);
    btnSpanTree_ = new QPushButton(this);
    btnSpanTree_->setObjectName(objectName() + QStringLiteral("_btnSpanTree"));
    zoom_.PlaceInTwips(*btnSpanTree_, 1740, 480, 495, 495);
    zoom_.SetFaceFont(*btnSpanTree_, 13.5);
    btnSpanTree_->setAccessibleDescription(
        QStringLiteral("Shows the root bridge's number; press to send spanning-tree frames "
                       "out of both ports"));
    lblPortB_ = AddLabel("lblPortB", 120, 1040, 2175, 375, 13.5, false);
    lblBestRealB_ = AddLabel("lblBestRealB", 1440, 1020, 840, 495, 16.5, true);
    lblPort1Cost_ = AddLabel("lblPort1Cost", 2100, 960, 600, 495, 16.5, true);
    refresh(bridge);
}

QLabel* BridgeView::AddLabel(const char* name, float left, float top, float width, float height,
                             double points, bool centred) {
    auto* label = new QLabel(this);
    label->setObjectName(objectName() + QLatin1Char('_') + QLatin1String(name));
    zoom_.PlaceInTwips(*label, left, top, width, height);
    zoom_.SetFaceFont(*label, points);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignTop | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

void BridgeView::refresh(const Bridge& bridge) {
    const QRect area = zoom_.PixelRect(bridge.place);
    if (geometry() != area) setGeometry(area);
    if (isVisibleTo(parentWidget()) != bridge.place.Visible) setVisible(bridge.place.Visible);

    const BridgeFace& face = bridge.Face();
    const Shown* shown = shown_ ? &*shown_ : nullptr;
    if (shown != nullptr && shown->face == face && shown->number == bridge.BridgeNumber()) return;
    const auto show = [shown, &face](QLabel& label, LabelFace BridgeFace::*part) {
        if (shown == nullptr || shown->face.*part != face.*part) ShowLabelFace(label, face.*part);
    };
    show(*lblPortA_, &BridgeFace::lblPortA);
    show(*lblBestRealA_, &BridgeFace::lblBestRealA);
    show(*lblPort0Cost_, &BridgeFace::lblPort0Cost);
    show(*lblName_, &BridgeFace::lblName);
    show(*lblPortB_, &BridgeFace::lblPortB);
    show(*lblBestRealB_, &BridgeFace::lblBestRealB);
    show(*lblPort1Cost_, &BridgeFace::lblPort1Cost);
    ShowButtonFace(*btnSpanTree_, zoom_, face.btnSpanTree,
                   shown ? &shown->face.btnSpanTree : nullptr);

    if (shown == nullptr || shown->number != bridge.BridgeNumber())
        setAccessibleName(QStringLiteral("Bridge %1").arg(bridge.BridgeNumber()));
    ShowNames(bridge);
    // The body's fill is painted here, so a new colour needs a repaint.
    if (shown != nullptr && shown->face.shape1Fill != face.shape1Fill) update();
    shown_ = Shown{face, bridge.BridgeNumber()};
}

// Every name reads the bridge as a whole (a port's row its table, a cost its
// root), so all are formatted again when any part of the face changed; a name
// that comes out the same is no change to report.
void BridgeView::ShowNames(const Bridge& bridge) {
    const auto name = [](QWidget& widget, const std::string& text) {
        widget.setAccessibleName(QtText(text));
    };
    name(*lblPortA_, explain::PortRowName(bridge, 0));
    name(*lblBestRealA_, explain::CostPairName(bridge, 0));
    name(*lblPort0Cost_, explain::PortCostName(bridge, 0));
    name(*lblPortB_, explain::PortRowName(bridge, 1));
    name(*lblBestRealB_, explain::CostPairName(bridge, 1));
    name(*lblPort1Cost_, explain::PortCostName(bridge, 1));
    name(*btnSpanTree_, explain::RootButtonName(bridge));
}

// The face as last shown, not the bridge, which may have changed since.
void BridgeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBox(painter, zoom_, zoom_.PixelRect(15, 15, 2910, 1455),
             QtColour(shown_ ? shown_->face.shape1Fill : BridgeFace{}.shape1Fill), QtColour(Black),
             BodyBorderPixels);
    for (const FaceLine& line : FaceLines) PaintFaceLine(painter, zoom_, line);
}

}  // namespace bridging::ui
