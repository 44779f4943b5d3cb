// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build mode's share of the window: the build box in the lesson panel's place,
// the mark and the mouse on the drawing, the editor's keys and the questions
// about files. The window hands it the events and resizes when it says so.
#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "common/action.h"
#include "session/outcome.h"
#include "ui/scene/zoom.h"
#include "ui/shell/action_sink.h"

class QEvent;
class QWidget;

namespace bridging::session {
class Session;
}

namespace bridging::ui {

class BuildBox;
class DrawingEdit;
class NetworkFiles;

class BuildMode {
public:
    // `panel`: the lesson panel, which gives the box its place; `column`: the
    // control column's controls, which the mouse keeps while building.
    BuildMode(QWidget& window, const Zoom& zoom, const ActionSink& act,
              const session::Session& session, QWidget& panel, std::vector<QWidget*> column);
    ~BuildMode();
    BuildMode(const BuildMode&) = delete;
    BuildMode& operator=(const BuildMode&) = delete;

    BuildBox& Box() { return *box_; }
    std::vector<QWidget*> FocusChain() const;

    // Whether the panel or the box stands beside the drawing.
    bool SideShown() const;
    // The panel shown or hidden; while building, the panel and the box take
    // turns.
    void ToggleSide();
    // The box, the mark and the window's title as the session now is; true
    // when the box came or went, so that the window takes its new size.
    bool Show();

    // The action as the session is to take it (see NetworkFiles::Complete).
    std::optional<Action> Complete(const Action& action);
    bool MayClose();
    void ShowFailure(const session::FileFailed& failed);

    // A mouse or key event for `receiver`, one of the window's widgets: true
    // when build mode took it.
    bool Take(QWidget& receiver, QEvent& event);

private:
    bool OnDrawing(const QWidget& receiver) const;

    QWidget& window_;
    const session::Session& session_;
    ActionSink act_;
    QWidget& panel_;
    std::vector<QWidget*> column_;
    BuildBox* box_ = nullptr;
    DrawingEdit* drawing_ = nullptr;
    std::unique_ptr<NetworkFiles> files_;
    // Whether the window shows build mode, and whether the lesson panel was
    // shown when it began.
    bool showing_ = false;
    bool panelBefore_ = false;
};

}  // namespace bridging::ui
