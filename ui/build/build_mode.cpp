// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build mode's share of the window: which of the panel and the box is shown,
// and which events are the editor's.
#include "ui/build/build_mode.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWidget>

#include "explain/building.h"
#include "session/session.h"
#include "ui/build/build_box.h"
#include "ui/build/build_keys.h"
#include "ui/build/drawing_edit.h"
#include "ui/build/network_files.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

BuildMode::BuildMode(QWidget& window, const Zoom& zoom, const ActionSink& act,
                     const session::Session& session, QWidget& panel, std::vector<QWidget*> column)
    : window_(window),
      session_(session),
      act_(act),
      panel_(panel),
      column_(std::move(column)),
      box_(new BuildBox(window, zoom, act, session)),
      drawing_(new DrawingEdit(window, zoom, session, act)),
      files_(std::make_unique<NetworkFiles>(window, session)) {}

BuildMode::~BuildMode() = default;

std::vector<QWidget*> BuildMode::FocusChain() const { return box_->FocusChain(); }

bool BuildMode::SideShown() const {
    return panel_.isVisibleTo(&window_) || box_->isVisibleTo(&window_);
}

void BuildMode::ToggleSide() {
    if (showing_) {
        const bool box = box_->isVisibleTo(&window_);
        box_->setVisible(!box);
        panel_.setVisible(box);
    } else {
        panel_.setVisible(!panel_.isVisibleTo(&window_));
    }
}

bool BuildMode::Show() {
    const bool building = session_.Building();
    const bool changed = building != showing_;
    if (changed) {
        showing_ = building;
        if (building) {
            panelBefore_ = panel_.isVisibleTo(&window_);
            panel_.hide();
            box_->show();
        } else {
            box_->hide();
            panel_.setVisible(panelBefore_);
        }
        const QString caption = QString::fromUtf8(WindowCaption);
        window_.setWindowTitle(building ? caption + QStringLiteral(" - ") +
                                              QtText(std::string(explain::BuildHeading))
                                        : caption);
        if (building) box_->Elements().setFocus(Qt::OtherFocusReason);
    }
    if (building) box_->Show();
    drawing_->Show();
    return changed;
}

std::optional<Action> BuildMode::Complete(const Action& action) {
    return files_->Complete(action, act_);
}

bool BuildMode::MayClose() { return files_->MayClose(act_); }

void BuildMode::ShowFailure(const session::FileFailed& failed) { files_->ShowFailure(failed); }

bool BuildMode::OnDrawing(const QWidget& receiver) const {
    if (&receiver == &window_) return true;
    const auto within = [&receiver](const QWidget* part) {
        return part == &receiver || part->isAncestorOf(&receiver);
    };
    if (within(&panel_) || within(box_)) return false;
    for (const QWidget* control : column_)
        if (within(control)) return false;
    return true;
}

bool BuildMode::Take(QWidget& receiver, QEvent& event) {
    if (!session_.Building()) return false;
    const QEvent::Type type = event.type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
        type == QEvent::MouseButtonRelease) {
        // The mouse on the drawing selects and drags its elements.
        if (!OnDrawing(receiver)) return false;
        auto& mouse = static_cast<QMouseEvent&>(event);
        return drawing_->Mouse(mouse, receiver.mapTo(&window_, mouse.position().toPoint()));
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    const bool inTextField = qobject_cast<QLineEdit*>(&receiver) != nullptr ||
                             qobject_cast<QPlainTextEdit*>(&receiver) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(&receiver) != nullptr;
    auto& key = static_cast<QKeyEvent&>(event);
    const std::optional<Action> edit =
        BuildActionForKey(key.key(), key.modifiers(), session_, inTextField);
    if (!edit) return false;
    key.accept();
    if (type == QEvent::KeyPress) act_(*edit);
    return true;
}

}  // namespace bridging::ui
