// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting of the pool's tokens at their face's design positions (twips inside
// the token): the light grey area, a filled box with a grey border, and the
// frame's label over it.
#include "ui/scene/token_layer.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "explain/accessible.h"
#include "ui/scene/face_qt.h"
#include "ui/shell/accessibility.h"

namespace bridging::ui {
namespace {

constexpr ColourCode AreaGrey = 0x00C0C0C0;
constexpr int BodyBorderPixels = 8;

// Both are rounded in the window's pixels, not the token's, so that a token
// looks the same wherever it stands between two pixels.
QRect BodyOf(const Packet& token, const Zoom& zoom) {
    return zoom.PixelRect(token.place.Left + 45, token.place.Top + 45, 1215, 735);
}

QRect LabelOf(const Packet& token, const Zoom& zoom) {
    return zoom.PixelRect(token.place.Left + 120, token.place.Top + 220, 1060, 615);
}

int SignOf(double value) { return (value > 0) - (value < 0); }

}  // namespace

TokenView::TokenView(int index, const Zoom& zoom, QWidget* parent) : QWidget(parent), zoom_(zoom) {
    setObjectName(QStringLiteral("Packet1_%1").arg(index));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    zoom_.SetFaceFont(*this, 13.5);
    label_.setTextFormat(Qt::PlainText);
    label_.setPerformanceHint(QStaticText::AggressiveCaching);
    setVisible(false);
}

TokenView::Face TokenView::FaceOf(const Packet& token, const Zoom& zoom, const QPoint& origin) {
    return {token.Visible(),
            BodyOf(token, zoom).translated(-origin),
            LabelOf(token, zoom).translated(-origin),
            token.ContentsText(),
            token.FillColour(),
            token.BorderColour()};
}

void TokenView::refresh(const Packet& token) {
    if (!token.place.Visible) {
        ShowVisible(false);
        return;
    }
    const QRect area = zoom_.PixelRect(token.place);
    if (geometry() != area) setGeometry(area);
    Face now = FaceOf(token, zoom_, area.topLeft());
    if (now != shown_) {
        if (now.text != shown_.text) {
            label_.setText(QtText(now.text));
            label_.prepare(QTransform(), font());
            labelWidth_ = label_.size().width();
            pictures_.clear();
        }
        shown_ = std::move(now);
        update();
    }
    ShowMeaning(token);
    ShowVisible(true);
}

void TokenView::ShowVisible(bool visible) {
    if (isVisibleTo(parentWidget()) == visible) return;
    setVisible(visible);
    ReportTokenShown(*this, visible);
}

// The name is formatted only when what it says has changed, not as the token moves.
void TokenView::ShowMeaning(const Packet& token) {
    Meaning now{shown_.text, SignOf(token.XOffset()), SignOf(token.YOffset())};
    if (now == named_) return;
    named_ = std::move(now);
    setAccessibleName(QtText(explain::TokenName(token)));
}

// A new zoom brings a new font: forgetting the face lays the label out again
// and redraws it at the next refresh.
void TokenView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        shown_ = Face{};
        pictures_.clear();
    }
    QWidget::changeEvent(event);
}

void TokenView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, Picture());
}

const QPixmap& TokenView::Picture() {
    const qreal ratio = devicePixelRatioF();
    const auto same = [&](const std::pair<Face, QPixmap>& kept) {
        return kept.first == shown_ && kept.second.deviceIndependentSize() == QSizeF(size()) &&
               kept.second.devicePixelRatio() == ratio;
    };
    auto kept = std::find_if(pictures_.begin(), pictures_.end(), same);
    if (kept == pictures_.end()) {
        constexpr std::size_t Kept = 4;
        if (pictures_.size() >= Kept) pictures_.pop_back();
        QPixmap picture(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        {
            QPainter painter(&picture);
            painter.setFont(font());
            PaintFace(painter);
        }
        pictures_.emplace(pictures_.begin(), shown_, std::move(picture));
        kept = pictures_.begin();
    }
    return kept->second;
}

void TokenView::PaintFace(QPainter& painter) const {
    painter.fillRect(rect(), QtColour(AreaGrey));
    if (!shown_.visible) return;
    PaintBox(painter, zoom_, shown_.body, QtColour(shown_.fill), QtColour(shown_.border),
             BodyBorderPixels);
    // Centred at the top of the label's box, as a one-line text drawn into it is.
    const QRect& box = shown_.label;
    painter.setPen(Qt::black);
    painter.drawStaticText(QPointF(box.left() + (box.width() - labelWidth_) / 2, box.top()),
                           label_);
}

TokenLayer::TokenLayer(const Zoom& zoom, QWidget& window) {
    // Created in index order: higher indices stand over lower ones.
    for (std::size_t k = 0; k < views_.size(); ++k)
        views_[k] = new TokenView(static_cast<int>(k), zoom, &window);
}

void TokenLayer::refresh(const std::array<Packet, PoolSize>& pool) {
    for (std::size_t k = 0; k < views_.size(); ++k) views_[k]->refresh(pool[k]);
}

}  // namespace bridging::ui
