// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing and painting the focus mark.
#include "ui/scene/focus_mark.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>

#include "ui/scene/face_qt.h"

namespace bridging::ui {

FocusMark::FocusMark(QWidget& window, const Zoom& zoom)
    : QWidget(&window), window_(window), zoom_(zoom) {
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::SetKeyboardInUse(bool inUse) {
    if (keyboardInUse_ == inUse) return;
    keyboardInUse_ = inUse;
    Follow();
}

void FocusMark::Follow() {
    QWidget* focused = QApplication::focusWidget();
    // The scenario list's text field stands for the whole list.
    if (focused != nullptr && qobject_cast<QComboBox*>(focused->parentWidget()) != nullptr)
        focused = focused->parentWidget();
    if (!keyboardInUse_ || focused == nullptr || focused == &window_ ||
        !window_.isAncestorOf(focused) || !focused->isVisible()) {
        if (isVisible()) hide();
        return;
    }
    const int width = zoom_.ScaledPixels(DarkPixels) + zoom_.ScaledPixels(LightPixels);
    const QRect area(focused->mapTo(&window_, QPoint(0, 0)), focused->size());
    const QRect around = area.adjusted(-width, -width, width, width);
    // Called after every tick: only a change moves or repaints the mark.
    if (isVisible() && geometry() == around) return;
    setGeometry(around);
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // PaintBox scales the widths itself: it takes the design's pixels.
    PaintBox(painter, zoom_, rect(), QColor(), Qt::black, DarkPixels);
    const int dark = zoom_.ScaledPixels(DarkPixels);
    PaintBox(painter, zoom_, rect().adjusted(dark, dark, -dark, -dark), QColor(), Qt::white,
             LightPixels);
}

}  // namespace bridging::ui
