// The Qt timer and message box behind the window's logic.
#include "ui/platform_qt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include "ui/face_qt.h"

namespace bridging::ui {

QtTickTimer::QtTickTimer() {
    timer_.setInterval(IntervalMs);
    timer_.start();
}

bool QtTickTimer::Enabled() const { return timer_.isActive(); }

void QtTickTimer::SetEnabled(bool enabled) {
    if (enabled) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void QtTickTimer::SetIntervalMs(int intervalMs) { timer_.setInterval(intervalMs); }

void QtModalMessage::ShowMessage(const std::string& text) {
    // Named explicitly: Qt leaves an empty title empty on some platforms.
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), QtText(text),
                    QMessageBox::Ok, &window_);
    box.exec();
    // What the box covered was painted in the middle of the action that opened
    // it; paint it again from the state that action leaves.
    window_.update();
}

}  // namespace bridging::ui
