// The platform interfaces of the window's logic on Qt: the tick timer is a
// QTimer, the dispatcher's message a QMessageBox.
#pragma once

#include <QTimer>

#include "driver/platform.h"

class QWidget;

namespace bridging::ui {

// A timer at the speed's interval (IntervalMs at the start, and whatever the
// logic sets as the speed changes), enabled from creation; the event loop
// starts its ticks. The enabled state is the logic's running state; the QTimer
// under it also sleeps while the window has told it that a tick would find
// nothing to do, so that an idle window does not wake up.
class QtTickTimer : public TickTimer {
public:
    // The interval of 1×, the speed at the start.
    static constexpr int IntervalMs = 100;

    QtTickTimer();
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void SetIntervalMs(int intervalMs) override;
    // Called after every action and tick with whether a tick would do anything.
    void SetIdle(bool idle);
    QTimer& Timer() { return timer_; }

private:
    // Starts the QTimer only when it is not running already, so that the ticks
    // keep their rhythm across actions.
    void Apply();

    QTimer timer_;
    bool enabled_ = true;
    bool idle_ = false;
};

// A modal box with the message and an OK button only, in the window's font and
// with the application's name as title.
// Ticks that fall due while it is open reach the window's logic, which ignores
// them until the box is closed.
class QtModalMessage : public ModalMessage {
public:
    explicit QtModalMessage(QWidget& window) : window_(window) {}
    void ShowMessage(const std::string& text) override;

private:
    QWidget& window_;
};

}  // namespace bridging::ui
