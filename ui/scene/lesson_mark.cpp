// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing and painting the lesson's outlines.
#include "ui/scene/lesson_mark.h"

#include <QPainter>

#include "ui/scene/face_qt.h"

namespace bridging::ui {

namespace {

const QColor MarkColour(0xC2, 0x18, 0x5B);

class Mark : public QWidget {
public:
    Mark(QWidget& window, const Zoom& zoom) : QWidget(&window), zoom_(zoom) {
        setObjectName(QStringLiteral("LessonMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintBox(painter, zoom_, rect(), QColor(), MarkColour, LessonMarks::ColourPixels);
        const int colour = zoom_.ScaledPixels(LessonMarks::ColourPixels);
        PaintBox(painter, zoom_, rect().adjusted(colour, colour, -colour, -colour), QColor(),
                 Qt::white, LessonMarks::LightPixels);
    }

private:
    const Zoom& zoom_;
};

}  // namespace

LessonMarks::LessonMarks(QWidget& window, const Zoom& zoom) : window_(window), zoom_(zoom) {}

LessonMarks::~LessonMarks() = default;

void LessonMarks::Follow(const std::vector<QWidget*>& controls) {
    std::vector<QPointer<QWidget>> wanted;
    for (QWidget* control : controls) {
        if (control != nullptr && control->isVisible()) wanted.emplace_back(control);
    }
    while (marks_.size() < wanted.size()) marks_.push_back(std::make_unique<Mark>(window_, zoom_));
    const int width = zoom_.ScaledPixels(ColourPixels) + zoom_.ScaledPixels(LightPixels);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        QWidget& mark = *marks_[i];
        if (i >= wanted.size()) {
            if (mark.isVisible()) mark.hide();
            continue;
        }
        const QWidget& control = *wanted[i];
        const QRect around = QRect(control.mapTo(&window_, QPoint(0, 0)), control.size())
                                 .adjusted(-width, -width, width, width);
        // Called after every tick: only a change moves or repaints a mark.
        if (mark.isVisible() && mark.geometry() == around) continue;
        mark.setGeometry(around);
        mark.raise();
        mark.show();
    }
    marked_ = std::move(wanted);
}

}  // namespace bridging::ui
