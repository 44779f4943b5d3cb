// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The face of one station: the dark red frame and the drop line painted, the
// letter and Send buttons as widgets, all read from the station's state.
#pragma once

#include <QWidget>
#include <optional>

#include "driver/demo.h"
#include "stations/computer.h"
#include "ui/scene/zoom.h"

class QPushButton;

namespace bridging::ui {

class ComputerView : public QWidget {
    Q_OBJECT

public:
    // `index` is the station's element index: 0 is station A.
    ComputerView(const Computer& computer, int index, const Zoom& zoom, QWidget* parent);

    // Brings place, visibility, captions and colours up to date with the station;
    // captions and colours are touched only where the station's face changed.
    void refresh(const Computer& computer);
    // The next refresh sets every face anew, as after a zoom change.
    void ForgetShown() { shown_.reset(); }
    // Checks the letter button of the destination and names the letter by
    // what a screen reader cannot see: the destination and the red mark.
    void ShowDestination(const Simulation& now);

    QPushButton& Command1() { return *command1_; }
    QPushButton& btnKeys() { return *btnKeys_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the widgets show, so that a refresh touches only what changed.
    struct Shown {
        ButtonFace command1;
        ButtonFace btnKeys;
        bool operator==(const Shown&) const = default;
    };

    // What the letter button's check and name last said.
    struct Letter {
        bool destination = false;
        bool arrived = false;
        bool operator==(const Letter&) const = default;
    };

    const Zoom& zoom_;
    const int index_;
    std::optional<Letter> letter_;
    std::optional<Shown> shown_;
    QPushButton* command1_;
    QPushButton* btnKeys_;
};

}  // namespace bridging::ui
