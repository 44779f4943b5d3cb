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
    QTimer& Timer() { return timer_; }

private:
    QTimer timer_;
};

// A modal information box with an OK button and the application's name as title.
// The tick timer is held while it is open: a box can open in the middle of a
// tick, and a tick run from the box's event loop would run inside that one.
class QtModalMessage : public ModalMessage {
public:
    QtModalMessage(QWidget& window, QtTickTimer& timer) : window_(window), timer_(timer) {}
    void ShowMessage(const std::string& text) override;

private:
    QWidget& window_;
    QtTickTimer& timer_;
};

}  // namespace bridging::ui
