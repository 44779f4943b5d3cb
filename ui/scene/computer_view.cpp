// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing of a station's face at its design positions (twips inside the station).
// The station's own area is left unpainted: it is the window's face colour anyway,
// and so the segment that runs through the lower part of that area stays in view.
#include "ui/scene/computer_view.h"

#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "explain/accessible.h"
#include "ui/scene/face_qt.h"

namespace bridging::ui {
namespace {

constexpr ColourCode FrameRed = 0x00000080;
constexpr int FrameBorderPixels = 10;
constexpr int DropLinePixels = 6;

}  // namespace

ComputerView::ComputerView(const Computer& computer, int index, const Zoom& zoom, QWidget* parent)
    : QWidget(parent), zoom_(zoom), index_(index) {
    const QString name = QStringLiteral("Computer1_%1").arg(index);
    const QString letter = QString(QChar(u'A' + index));
    setObjectName(name);
    setAccessibleName(QStringLiteral("Station %1").arg(letter));

    command1_ = new QPushButton(this);
    command1_->setObjectName(name + QStringLiteral("_Command1"));
    zoom_.PlaceInTwips(*command1_, 240, 240, 700, 495);
    zoom_.SetFaceFont(*command1_, 16.5, true);

    btnKeys_ = new QPushButton(this);
    btnKeys_->setObjectName(name + QStringLiteral("_btnKeys"));
    zoom_.PlaceInTwips(*btnKeys_, 0, 840, 1200, 375);
    zoom_.SetFaceFont(*btnKeys_, 13.5);
    btnKeys_->setAccessibleName(QStringLiteral("Send from station %1").arg(letter));
    refresh(computer);
}

void ComputerView::refresh(const Computer& computer) {
    const QRect area = zoom_.PixelRect(computer.place);
    if (geometry() != area) setGeometry(area);
    if (isVisibleTo(parentWidget()) != computer.place.Visible) setVisible(computer.place.Visible);

    const Shown now{computer.Command1(), computer.btnKeys()};
    if (shown_ == now) return;
    ShowButtonFace(*command1_, zoom_, now.command1, shown_ ? &shown_->command1 : nullptr);
    ShowButtonFace(*btnKeys_, zoom_, now.btnKeys, shown_ ? &shown_->btnKeys : nullptr);
    shown_ = now;
}

void ComputerView::ShowDestination(const Simulation& now) {
    const Computer& computer = now.Computer1[static_cast<std::size_t>(index_)];
    const Letter letter{now.iSelectedStation() == index_ + 1,
                        computer.Number() == Computer::Marked};
    // A click toggles the check itself before the core has its say.
    if (command1_->isChecked() != letter.destination) {
        const QSignalBlocker quiet(command1_);
        command1_->setChecked(letter.destination);
    }
    if (letter_ == letter) return;
    letter_ = letter;
    command1_->setAccessibleName(QtText(explain::StationLetterName(now, index_)));
}

void ComputerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBox(painter, zoom_, zoom_.PixelRect(195, 240, 795, 615), QColor(), QtColour(FrameRed),
             FrameBorderPixels);
    painter.setPen(
        QPen(Qt::black, zoom_.ScaledPixels(DropLinePixels), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(zoom_.PixelPoint(600, 1200), zoom_.PixelPoint(600, 1560));
}

}  // namespace bridging::ui
