// The moving frames: a transparent layer over the whole network that paints the
// shown tokens of the window's pool above bridges and stations, and repaints
// only where a token was or now is.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "driver/demo.h"
#include "stations/packet.h"

namespace bridging::ui {

class TokenLayer : public QWidget {
    Q_OBJECT

public:
    TokenLayer(const std::array<Packet, PoolSize>& pool, QWidget* parent);

    // Schedules a repaint of the old and new areas of every token whose picture changed.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What a token looked like when last painted: only to find what to repaint.
    struct Drawn {
        bool shown = false;
        QRect area;
        std::string text;
        ColourCode fill = 0;
        ColourCode border = 0;
        bool operator==(const Drawn&) const = default;
    };
    static Drawn PictureOf(const Packet& token);

    const std::array<Packet, PoolSize>& pool_;
    std::array<Drawn, PoolSize> drawn_{};
};

}  // namespace bridging::ui
