// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Creating the network's views, refreshing them from the core, and painting
// the window's picture of segments and link lines.
#include "ui/scene/network_view.h"

#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include "ui/scene/bridge_view.h"
#include "ui/scene/computer_view.h"
#include "ui/scene/token_layer.h"

namespace bridging::ui {

NetworkView::NetworkView(const Simulation& now, const Zoom& zoom, QWidget& window)
    : zoom_(zoom), window_(window) {
    for (int k = 0; k < BridgeCount; ++k)
        bridges_[static_cast<std::size_t>(k)] =
            new BridgeView(now.Bridge1[static_cast<std::size_t>(k)], k, zoom_, &window_);
    for (int k = 0; k < ComputerCount; ++k)
        computers_[static_cast<std::size_t>(k)] =
            new ComputerView(now.Computer1[static_cast<std::size_t>(k)], k, zoom_, &window_);
    tokens_ = std::make_unique<TokenLayer>(zoom_, window_);
}

NetworkView::~NetworkView() = default;

std::vector<QWidget*> NetworkView::FocusChain() const {
    std::vector<QWidget*> chain;
    for (ComputerView* view : computers_) {
        chain.push_back(&view->Command1());
        chain.push_back(&view->btnKeys());
    }
    for (BridgeView* view : bridges_) chain.push_back(&view->btnSpanTree());
    return chain;
}

void NetworkView::Refresh(const Simulation& now, bool lines) {
    if (lines) ShowNetwork(now);
    for (std::size_t k = 0; k < bridges_.size(); ++k) bridges_[k]->refresh(now.Bridge1[k]);
    for (std::size_t k = 0; k < computers_.size(); ++k) {
        computers_[k]->refresh(now.Computer1[k]);
        computers_[k]->ShowDestination(now);
    }
    tokens_->refresh(now.Packet1);
}

void NetworkView::ForgetShown() {
    for (BridgeView* view : bridges_) view->ForgetShown();
    for (ComputerView* view : computers_) view->ForgetShown();
}

void NetworkView::ShowNetwork(const Simulation& now) {
    NetworkPicture picture = PictureOf(now, zoom_);
    if (picture == painted_) return;
    painted_ = std::move(picture);
    image_ = QPixmap();
    window_.update();
}

void NetworkView::DrawImage() {
    const qreal ratio = window_.devicePixelRatioF();
    image_ = QPixmap(window_.size() * ratio);
    image_.setDevicePixelRatio(ratio);
    image_.fill(window_.palette().color(window_.backgroundRole()));
    QPainter painter(&image_);
    PaintNetwork(painter, zoom_, painted_);
}

// Only the damaged rectangles are copied: a copy of the whole picture, even
// clipped, is work for every pixel of it, spread over threads.
void NetworkView::Paint(const QRegion& damaged) {
    if (image_.isNull() || image_.deviceIndependentSize() != QSizeF(window_.size()) ||
        image_.devicePixelRatio() != window_.devicePixelRatioF())
        DrawImage();
    QPainter painter(&window_);
    const qreal ratio = image_.devicePixelRatio();
    for (const QRect& rect : damaged) {
        const QRectF source(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                            rect.height() * ratio);
        painter.drawPixmap(QRectF(rect), image_, source);
    }
}

}  // namespace bridging::ui
