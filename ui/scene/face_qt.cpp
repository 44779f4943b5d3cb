// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour and text conversion, and applying faces to Qt widgets.
#include "ui/scene/face_qt.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace bridging::ui {

QColor QtColour(ColourCode colour) {
    const auto code = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(code & 0xFFu), static_cast<int>((code >> 8) & 0xFFu),
                  static_cast<int>((code >> 16) & 0xFFu));
}

QString QtText(const std::string& text) { return QString::fromStdString(text); }

void PaintBox(QPainter& painter, const Zoom& zoom, const QRect& box, const QColor& fill,
              const QColor& border, int borderWidth) {
    if (fill.isValid()) painter.fillRect(box, fill);
    const int w = std::min(zoom.ScaledPixels(borderWidth), std::min(box.width(), box.height()) / 2);
    if (w <= 0) return;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), w), border);
    painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), border);
    painter.fillRect(QRect(box.left(), box.top() + w, w, box.height() - 2 * w), border);
    painter.fillRect(QRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w), border);
}

void ShowLabelFace(QLabel& label, const LabelFace& face) {
    const QString text = QtText(face.text);
    if (label.text() != text) label.setText(text);
    const QColor fore = QtColour(face.foreColour);
    const QColor back = QtColour(face.backColour);
    const QPalette& current = label.palette();
    if (current.color(QPalette::WindowText) != fore || current.color(QPalette::Window) != back) {
        QPalette palette = current;
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::Window, back);
        label.setPalette(palette);
    }
    if (label.autoFillBackground() != face.opaque) label.setAutoFillBackground(face.opaque);
    if (label.isVisibleTo(label.parentWidget()) != face.visible) label.setVisible(face.visible);
}

void ShowCaption(QPushButton& button, const std::string& caption) {
    QString text = QtText(caption);
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (button.text() != text) button.setText(text);
}

void ShowButtonFace(QPushButton& button, const Zoom& zoom, const ButtonFace& face,
                    const ButtonFace* shown) {
    if (shown == nullptr || shown->caption != face.caption) ShowCaption(button, face.caption);
    if (shown != nullptr && shown->backColour == face.backColour) return;
    const QColor back = QtColour(face.backColour);
    // A style sheet, because the platform styles shade a palette's button colour.
    button.setStyleSheet(
        QStringLiteral(
            "QPushButton { background-color: %1; color: black; border: %3px solid #505050;"
            " padding: 0px; }"
            " QPushButton:focus { border: %4px solid black; }"
            " QPushButton:pressed { background-color: %2; }")
            .arg(back.name(), back.darker(120).name())
            .arg(zoom.ScaledPixels(1))
            .arg(zoom.ScaledPixels(2)));
}

}  // namespace bridging::ui
