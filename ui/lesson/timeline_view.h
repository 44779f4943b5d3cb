// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson panel's timeline: where the window stands in the kept past, and
// a slider from the oldest moment kept to now, with marks at the moments that
// matter (a frame reaching its station, a block, a new root, a message).
#pragma once

#include <QSlider>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>

#include "history/timeline.h"
#include "ui/scene/zoom.h"

class QLabel;

namespace bridging::ui {

// The slider, which paints the marks under its groove and says its value in
// words to a screen reader ("tick 120 of 300"). The program moves it every
// tick while the frames run; only the user's moves are news to a reader.
class TimelineSlider : public QSlider {
    Q_OBJECT

public:
    explicit TimelineSlider(QWidget& parent);
    // The marks as positions of the slider's range.
    void SetMarks(std::vector<int> marks);
    const QString& ValueText() const { return valueText_; }
    void SetValueText(const QString& text);
    // The range and the value as the program sets them.
    void Show(int newest, int shown);
    bool MovedByProgram() const { return movedByProgram_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> marks_;
    QString valueText_;
    bool movedByProgram_ = false;
};

class TimelineView {
public:
    // The status line and the slider are children of `panel`, at `top` in
    // twips; `goTo` takes the user to a moment.
    TimelineView(QWidget& panel, const Zoom& zoom, float top,
                 std::function<void(history::Moment)> goTo);

    // Brings the status, the slider's range, value and marks up to date.
    void Show(const history::Timeline& timeline);
    QWidget& Slider() { return *slider_; }

private:
    QLabel* status_ = nullptr;
    TimelineSlider* slider_ = nullptr;
    history::Moment oldest_ = 0;
    struct MarksSeen {
        history::Moment oldest = 0;
        std::size_t count = 0;
        history::Moment newest = 0;
        bool operator==(const MarksSeen&) const = default;
    };
    std::optional<MarksSeen> marksSeen_;
};

}  // namespace bridging::ui
