// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The selection mark and the mouse on the drawing while building.
#include "ui/build/drawing_edit.h"

#include <QMouseEvent>
#include <QPainter>

#include "driver/demo.h"
#include "network/place.h"
#include "session/session.h"

namespace bridging::ui {

namespace {

// A press that moves less than this is a click, not a drag.
constexpr int DragPixels = 4;

}  // namespace

DrawingEdit::DrawingEdit(QWidget& window, const Zoom& zoom, const session::Session& session,
                         ActionSink act)
    : QWidget(&window), window_(window), zoom_(zoom), session_(session), act_(std::move(act)) {
    setObjectName(QStringLiteral("SelectionMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void DrawingEdit::Show() { Place(QPoint()); }

void DrawingEdit::Place(QPoint offset) {
    const network::Plan* plan = session_.Plan();
    const std::optional<network::Box> box = session_.Building() && plan != nullptr
                                                ? network::BoxOf(*plan, session_.Selected())
                                                : std::nullopt;
    if (!box) {
        if (isVisible()) hide();
        return;
    }
    const int width = zoom_.ScaledPixels(MarkPixels);
    const QRect area =
        zoom_.PixelRect(static_cast<float>(box->left), static_cast<float>(box->top),
                        static_cast<float>(box->width), static_cast<float>(box->height));
    const QRect around =
        area.adjusted(-2 * width, -2 * width, 2 * width, 2 * width).translated(offset);
    if (isVisible() && geometry() == around) return;
    setGeometry(around);
    raise();
    show();
    update();
}

bool DrawingEdit::Mouse(const QMouseEvent& event, QPoint at) {
    const network::Plan* plan = session_.Plan();
    if (!session_.Building() || plan == nullptr) return false;
    const bool onDrawing = at.x() >= 0 && at.y() >= 0 &&
                           at.x() < zoom_.Pixels(Simulation::ClientWidth) &&
                           at.y() < zoom_.Pixels(Simulation::ClientHeight);
    switch (event.type()) {
        case QEvent::MouseButtonPress: {
            if (!onDrawing || event.button() != Qt::LeftButton) return false;
            Action select = Act(ActionKind::Select);
            select.target = network::ElementAt(*plan, zoom_.Twips(at.x()), zoom_.Twips(at.y()));
            act_(select);
            held_ = select.target;
            pressedAt_ = at;
            return true;
        }
        case QEvent::MouseMove:
            if (!held_) return false;
            Place(at - pressedAt_);
            return true;
        case QEvent::MouseButtonRelease: {
            if (!held_ || event.button() != Qt::LeftButton) return false;
            const network::Element element = *held_;
            held_.reset();
            const QPoint moved = at - pressedAt_;
            if (moved.manhattanLength() >= DragPixels) {
                if (const auto edit = network::DragEdit(*plan, element, zoom_.Twips(moved.x()),
                                                        zoom_.Twips(moved.y())))
                    act_(EditAction(*edit));
            }
            Place(QPoint());
            return true;
        }
        default:
            return false;
    }
}

// A thick frame in the highlight colour, with a white line inside it, so that
// it stands out on the grey drawing and on a bridge alike.
void DrawingEdit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int width = zoom_.ScaledPixels(MarkPixels);
    QPen outer(palette().color(QPalette::Highlight), width);
    outer.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outer);
    painter.drawRect(rect().adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
    QPen inner(Qt::white, 1);
    painter.setPen(inner);
    painter.drawRect(rect().adjusted(width, width, -width - 1, -width - 1));
}

}  // namespace bridging::ui
