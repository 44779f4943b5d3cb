// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt timer and message box behind the window's logic.
#include "ui/shell/platform_qt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "driver/demo.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

QtTickTimer::QtTickTimer() {
    // A coarse timer may stretch a period by 5 %: a frame sent while running
    // must move within the next period, not a little after it.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(SpeedIntervalsMs[NormalSpeed]);
}

// Started only when it is not running already, and its interval set only when
// it changes (which restarts it), so that the ticks keep their rhythm across
// actions.
void QtTickTimer::Follow(bool running, int intervalMs, bool idle) {
    if (timer_.interval() != intervalMs) timer_.setInterval(intervalMs);
    const bool wake = running && !idle;
    if (wake && !timer_.isActive()) {
        timer_.start();
    } else if (!wake && timer_.isActive()) {
        timer_.stop();
    }
}

bool MessageBoxes::Hold(session::Outcome& outcome) {
    if (!session_.MessageOpen()) return false;
    waiting_.push_back(std::move(outcome));
    if (waiting_.size() == 1) Open();
    return true;
}

void MessageBoxes::Open() {
    const DispatcherMessage* message = session_.Message();
    if (message == nullptr) return;
    timer_.Follow(false, session_.IntervalMs(), true);
    // Named explicitly: Qt leaves an empty title empty on some platforms.
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                        QtText(std::string(MessageText(message->kind))), QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("DispatcherMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A dialog does not take its parent's font by itself.
    box->setFont(window_.font());
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, &window_, [this] { Closed(); });
    box->show();
}

void MessageBoxes::Closed() {
    session_.Apply(Act(ActionKind::CloseMessage));
    if (session_.MessageOpen()) return Open();
    for (session::Outcome& outcome : std::exchange(waiting_, {})) show_(std::move(outcome));
}

}  // namespace bridging::ui
