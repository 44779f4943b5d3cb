// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Making the panel's labels and buttons.
#include "ui/lesson/panel_widgets.h"

#include <QLabel>
#include <QPushButton>

namespace bridging::ui {

namespace {

constexpr float ButtonWidth = 1620;
constexpr float ButtonHeight = 495;

}  // namespace

QLabel* PanelLabel(QWidget& panel, const Zoom& zoom, const char* name, float left, float top,
                   float width, float height) {
    auto* label = new QLabel(&panel);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    zoom.PlaceInTwips(*label, left, top, width, height);
    zoom.SetFaceFont(*label, PanelPoints);
    return label;
}

QLabel* WrappedLabel(QWidget& parent, const char* name) {
    auto* label = new QLabel(&parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* PanelButton(QWidget& panel, const Zoom& zoom, const char* name, const QString& caption,
                         float left, float top) {
    auto* button = new QPushButton(caption, &panel);
    button->setObjectName(QLatin1String(name));
    button->setContextMenuPolicy(Qt::PreventContextMenu);
    zoom.PlaceInTwips(*button, left, top, ButtonWidth, ButtonHeight);
    zoom.SetFaceFont(*button, PanelPoints);
    return button;
}

}  // namespace bridging::ui
