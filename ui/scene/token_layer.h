// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The moving frames: one opaque widget for each token of the window's pool, in
// the token's own area, stacked above bridges and stations. Being opaque, a
// token neither repaints what lies beneath it nor lets it show through; moving
// one repaints only the strip of the window that it uncovers.
#pragma once

#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "driver/demo.h"
#include "stations/packet.h"
#include "ui/scene/zoom.h"

namespace bridging::ui {

// One token's face: its own area in light grey, the body and the label over it.
class TokenView : public QWidget {
    Q_OBJECT

public:
    TokenView(int index, const Zoom& zoom, QWidget* parent);

    // Brings place, visibility, label and colours up to date with the token.
    void refresh(const Packet& token);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the face shows, in the view's own pixels. A paint draws this, not
    // the token, which may have moved on inside an unfinished tick.
    struct Face {
        bool visible = false;
        QRect body;
        QRect label;
        std::string text;
        ColourCode fill = 0;
        ColourCode border = 0;
        bool operator==(const Face&) const = default;
    };
    static Face FaceOf(const Packet& token, const Zoom& zoom, const QPoint& origin);
    // What the accessible name says: the label and the direction of motion.
    struct Meaning {
        std::string text;
        int across = 0;
        int down = 0;
        bool operator==(const Meaning&) const = default;
    };
    void ShowVisible(bool visible);
    void ShowMeaning(const Packet& token);
    void PaintFace(QPainter& painter) const;
    // The face as a picture, drawn once and then copied at every paint while
    // the token moves: where a token stands between two pixels shifts its
    // body by one pixel, so a few pictures are kept, the latest first.
    const QPixmap& Picture();

    const Zoom& zoom_;
    Face shown_;
    Meaning named_;
    // Laid out once for each new text, not on every paint.
    QStaticText label_;
    qreal labelWidth_ = 0;
    std::vector<std::pair<Face, QPixmap>> pictures_;
};

class TokenLayer {
public:
    // The views are children of `window` and are created above its present children.
    TokenLayer(const Zoom& zoom, QWidget& window);

    void refresh(const std::array<Packet, PoolSize>& pool);

private:
    std::array<TokenView*, PoolSize> views_{};
};

}  // namespace bridging::ui
