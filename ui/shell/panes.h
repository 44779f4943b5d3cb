// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's panes for F6 and Shift+F6, as desktop programs move between
// theirs: the control column, the network and the lesson panel, each left
// at the control last focused in it.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace bridging::ui {

class Panes : public QObject {
public:
    // Each pane's controls in their keyboard order.
    explicit Panes(std::vector<std::vector<QWidget*>> panes);

    // The focus to the next pane (`step` 1) or the previous one (-1) that
    // shows a control: a hidden panel is passed over.
    void Move(int step);

private:
    void Focused(QWidget* now);
    int PaneOf(const QWidget* widget) const;

    std::vector<std::vector<QWidget*>> panes_;
    std::vector<QPointer<QWidget>> last_;
};

}  // namespace bridging::ui
