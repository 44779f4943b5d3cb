// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The timeline's widgets, and the marks painted under the slider's groove.
#include "ui/lesson/timeline_view.h"

#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

#include "explain/timeline.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {

namespace {

constexpr double TimelinePoints = 12;
// A red that stands out from the grey groove and the panel's background.
const QColor MarkColour(0xB0, 0x00, 0x00);

}  // namespace

TimelineSlider::TimelineSlider(QWidget& parent) : QSlider(Qt::Horizontal, &parent) {
    setObjectName(QStringLiteral("sldTimeline"));
    setAccessibleName(QStringLiteral("Timeline"));
    setPageStep(10);
    setSingleStep(1);
    setFocusPolicy(Qt::StrongFocus);
}

void TimelineSlider::SetMarks(std::vector<int> marks) {
    if (marks == marks_) return;
    marks_ = std::move(marks);
    update();
}

// A reader reads the text when it hears of a change of the value.
void TimelineSlider::SetValueText(const QString& text) { valueText_ = text; }

void TimelineSlider::Show(int newest, int shown) {
    const QSignalBlocker quiet(this);
    movedByProgram_ = true;
    setRange(0, newest);
    setValue(shown);
    movedByProgram_ = false;
}

void TimelineSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (marks_.empty() || maximum() <= minimum()) return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    QPainter painter(this);
    painter.setPen(QPen(MarkColour, std::max(1, height() / 12)));
    const int top = height() * 3 / 4;
    for (const int mark : marks_) {
        const int x = groove.left() + handle.width() / 2 +
                      QStyle::sliderPositionFromValue(minimum(), maximum(), mark, span);
        painter.drawLine(x, top, x, height() - 1);
    }
}

TimelineView::TimelineView(QWidget& panel, const Zoom& zoom, float top,
                           std::function<void(history::Moment)> goTo) {
    status_ = new QLabel(&panel);
    status_->setObjectName(QStringLiteral("lblTime"));
    status_->setTextFormat(Qt::PlainText);
    zoom.PlaceInTwips(*status_, 120, top, 5160, 330);
    zoom.SetFaceFont(*status_, TimelinePoints);
    slider_ = new TimelineSlider(panel);
    zoom.PlaceInTwips(*slider_, 120, top + 360, 5160, 420);
    QObject::connect(slider_, &QSlider::valueChanged, slider_, [this, goTo](int value) {
        goTo(oldest_ + static_cast<history::Moment>(value));
    });
}

void TimelineView::Show(const history::Timeline& timeline) {
    const history::History& kept = timeline.Kept();
    oldest_ = timeline.Oldest();
    const std::uint64_t tick = kept.Facts(timeline.Shown()).tick;
    const std::uint64_t newestTick = kept.Facts(timeline.Newest()).tick;
    status_->setText(QtText(explain::TimeStatus(tick, newestTick, timeline.LookingBack())));
    slider_->SetValueText(QtText(explain::TimelineValue(tick, newestTick)));
    slider_->Show(static_cast<int>(timeline.Newest() - oldest_),
                  static_cast<int>(timeline.Shown() - oldest_));
    // Marks come and go only at the ends: the oldest kept, their count and the
    // newest one say whether they changed, without a walk over them every tick.
    const MarksSeen seen{oldest_, kept.Marks().size(),
                         kept.Marks().empty() ? 0 : kept.Marks().back()};
    if (seen == marksSeen_) return;
    marksSeen_ = seen;
    std::vector<int> marks;
    marks.reserve(kept.Marks().size());
    for (const history::Moment mark : kept.Marks())
        marks.push_back(static_cast<int>(mark - oldest_));
    slider_->SetMarks(std::move(marks));
}

}  // namespace bridging::ui
