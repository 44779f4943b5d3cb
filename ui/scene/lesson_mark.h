// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The outline around each control a lesson's step asks the student to press,
// while the step waits: magenta, 5:1 against the window's grey and at least
// 4:1 against the stations' colours, with a white line inside it so that it
// stands apart from the control's own dark border.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/scene/zoom.h"

namespace bridging::ui {

class LessonMarks {
public:
    static constexpr int ColourPixels = 3;
    static constexpr int LightPixels = 1;

    LessonMarks(QWidget& window, const Zoom& zoom);
    ~LessonMarks();
    LessonMarks(const LessonMarks&) = delete;
    LessonMarks& operator=(const LessonMarks&) = delete;

    // Outlines these controls, and no others; a hidden one goes unmarked.
    void Follow(const std::vector<QWidget*>& controls);
    const std::vector<QPointer<QWidget>>& Marked() const { return marked_; }

private:
    QWidget& window_;
    const Zoom& zoom_;
    std::vector<QPointer<QWidget>> marked_;
    std::vector<std::unique_ptr<QWidget>> marks_;
};

}  // namespace bridging::ui
