// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The face of one bridge: its body, separator lines and port arrows painted,
// its labels and its spanning-tree root button as widgets, all read from the
// bridge's state.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "bridge/bridge.h"
#include "ui/scene/zoom.h"

class QLabel;
class QPushButton;

namespace bridging::ui {

class BridgeView : public QWidget {
    Q_OBJECT

public:
    // `index` names the view's objects ("Bridge1_2_btnSpanTree").
    BridgeView(const Bridge& bridge, int index, const Zoom& zoom, QWidget* parent);

    // Brings place, visibility, texts and colours up to date with the bridge;
    // texts and colours are touched only where the bridge's face changed.
    void refresh(const Bridge& bridge);
    // The next refresh sets every face anew, as after a zoom change.
    void ForgetShown() { shown_.reset(); }

    QPushButton& btnSpanTree() { return *btnSpanTree_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* AddLabel(const char* name, float left, float top, float width, float height,
                     double points, bool centred);
    void ShowNames(const Bridge& bridge);

    // What the widgets show, so that a refresh touches only what changed.
    struct Shown {
        BridgeFace face;
        std::int16_t number = 0;
    };

    const Zoom& zoom_;
    std::optional<Shown> shown_;
    QLabel* lblPortA_;
    QLabel* lblBestRealA_;
    QLabel* lblPort0Cost_;
    QLabel* lblName_;
    QLabel* lblPortB_;
    QLabel* lblBestRealB_;
    QLabel* lblPort1Cost_;
    QPushButton* btnSpanTree_;
};

}  // namespace bridging::ui
