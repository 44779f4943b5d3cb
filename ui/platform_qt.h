// The platform interfaces of the window's logic on Qt: the tick timer is a
// QTimer, the dispatcher's message a QMessageBox.
#pragma once

#include <QTimer>

#include "driver/platform.h"

class QWidget;

namespace bridging::ui {

// A 100 ms QTimer, running from creation; the event loop starts its ticks.
class QtTickTimer : public TickTimer {
public:
    static constexpr int IntervalMs = 100;

    QtTickTimer();
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void SetIntervalMs(int intervalMs) override;
    QTimer& Timer() { return timer_; }

private:
    QTimer timer_;
};

// A modal information box with an OK button and the application's name as title.
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
