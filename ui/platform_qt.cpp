// The Qt timer and message box behind the window's logic.
#include "ui/platform_qt.h"

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

void QtModalMessage::ShowMessage(const std::string& text) {
    QTimer& timer = timer_.Timer();
    const bool ticking = timer.isActive();
    timer.stop();
    QMessageBox::information(&window_, QString(), QtText(text));
    if (ticking) timer.start();
    // What the box covered was painted in the middle of the action that opened
    // it; paint it again from the state that action leaves.
    window_.update();
}

}  // namespace bridging::ui
