// Painting of the pool's tokens at their face's design positions (twips inside
// the token): a filled box with a grey border and the frame's label over it.
#include "ui/token_layer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "ui/face_qt.h"

namespace bridging::ui {
namespace {

constexpr int BodyBorderPixels = 8;

QRect BodyOf(const Packet& token) {
    return PixelRect(token.place.Left + 45, token.place.Top + 45, 1215, 735);
}

QRect LabelOf(const Packet& token) {
    return PixelRect(token.place.Left + 120, token.place.Top + 220, 1060, 615);
}

// Where the token's face paints: the token's area beyond it stays see-through.
QRect PaintedArea(const Packet& token) { return BodyOf(token).united(LabelOf(token)); }

}  // namespace

TokenLayer::TokenLayer(const std::array<Packet, PoolSize>& pool, QWidget* parent)
    : QWidget(parent), pool_(pool) {
    setObjectName(QStringLiteral("Packet1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    SetFaceFont(*this, 13.5);
}

TokenLayer::Drawn TokenLayer::PictureOf(const Packet& token) {
    if (!token.place.Visible || !token.Visible()) return {};
    return {true, PaintedArea(token), token.ContentsText(), token.FillColour(),
            token.BorderColour()};
}

void TokenLayer::refresh() {
    QRegion dirty;
    for (std::size_t k = 0; k < pool_.size(); ++k) {
        Drawn now = PictureOf(pool_[k]);
        if (now == drawn_[k]) continue;
        if (drawn_[k].shown) dirty += drawn_[k].area;
        if (now.shown) dirty += now.area;
        drawn_[k] = std::move(now);
    }
    if (!dirty.isEmpty()) update(dirty);
}

void TokenLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    // Higher indices are drawn over lower ones.
    for (const Packet& token : pool_) {
        if (!token.place.Visible || !token.Visible()) continue;
        if (!event->region().intersects(PaintedArea(token))) continue;
        PaintBox(painter, BodyOf(token), QtColour(token.FillColour()),
                 QtColour(token.BorderColour()), BodyBorderPixels);
        painter.drawText(LabelOf(token), Qt::AlignHCenter | Qt::AlignTop,
                         QtText(token.ContentsText()));
    }
}

}  // namespace bridging::ui
