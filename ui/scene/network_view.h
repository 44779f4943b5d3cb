// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The network in the window: a view for each bridge and station and one for
// each frame token, and the segments and link lines painted on the window
// itself, all brought up to date from the core after every action and tick.
#pragma once

#include <QPixmap>
#include <QRegion>
#include <array>
#include <memory>
#include <vector>

#include "driver/demo.h"
#include "ui/scene/network_picture.h"
#include "ui/scene/zoom.h"

class QWidget;

namespace bridging::ui {

class BridgeView;
class ComputerView;
class TokenLayer;

class NetworkView {
public:
    // The views are children of `window`, created over its present children
    // and in this order, so stations stand over bridges and the frames over
    // everything.
    NetworkView(const Simulation& now, const Zoom& zoom, QWidget& window);
    ~NetworkView();
    NetworkView(const NetworkView&) = delete;
    NetworkView& operator=(const NetworkView&) = delete;

    // Stations, bridges and frames: all that a tick can change; and the
    // segments and link lines too when `lines` says they may have changed,
    // which only a user's action does.
    void Refresh(const Simulation& now, bool lines = true);
    // The next refresh sets every face anew, as after a zoom change.
    void ForgetShown();
    // Paints the window's background with the network on it, where the
    // window's paint event says it is damaged.
    void Paint(const QRegion& damaged);
    // The picture is drawn again at the next paint, as after a palette change.
    void ForgetImage() { image_ = QPixmap(); }

    BridgeView& bridge(int index) { return *bridges_[static_cast<std::size_t>(index)]; }
    ComputerView& computer(int index) { return *computers_[static_cast<std::size_t>(index)]; }
    // The stations' buttons (letter, then Send, station A first), then the
    // bridges' root buttons.
    std::vector<QWidget*> FocusChain() const;

private:
    void ShowNetwork(const Simulation& now);
    void DrawImage();

    const Zoom& zoom_;
    QWidget& window_;
    // The network as last painted, only to know when to paint it again.
    NetworkPicture painted_;
    // The window's background with the network drawn on it, at the window's
    // size; repaints copy from it. Null when it must be drawn again.
    QPixmap image_;
    std::array<BridgeView*, BridgeCount> bridges_{};
    std::array<ComputerView*, ComputerCount> computers_{};
    std::unique_ptr<TokenLayer> tokens_;
};

}  // namespace bridging::ui
