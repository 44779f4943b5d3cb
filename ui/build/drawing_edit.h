// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing while a network is built: the mark on the element selected, and
// the mouse selecting an element and dragging it, which makes one edit when
// it is let go. Every drag has its keys (Alt and the arrows) and its fields
// in the build box.
#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

#include "network/plan.h"
#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QMouseEvent;

namespace bridging::session {
class Session;
}

namespace bridging::ui {

class DrawingEdit : public QWidget {
    Q_OBJECT

public:
    static constexpr int MarkPixels = 3;

    DrawingEdit(QWidget& window, const Zoom& zoom, const session::Session& session, ActionSink act);

    // The mark put around the element selected, or hidden out of build mode.
    void Show();
    // A press, move or release of the mouse at `at` (the window's pixels)
    // while building; true when it was the drawing's.
    bool Mouse(const QMouseEvent& event, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place(QPoint offset);

    QWidget& window_;
    const Zoom& zoom_;
    const session::Session& session_;
    ActionSink act_;
    // The element held by the mouse and where the press was.
    std::optional<network::Element> held_;
    QPoint pressedAt_;
};

}  // namespace bridging::ui
