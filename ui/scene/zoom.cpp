// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Twips to pixels at the window's zoom, and the design places and fonts of
// widgets that follow it.
#include "ui/scene/zoom.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace bridging::ui {
namespace {

// Properties that remember a widget's design values.
const char* const DesignRect = "bridgingTwips";
const char* const DesignFont = "bridgingFontPoints";
const char* const DesignBold = "bridgingFontBold";

// Factors closer than this count as the same step.
constexpr double SameStep = 1e-6;

}  // namespace

double ZoomedIn(double factor) {
    for (int percent : ZoomPercents) {
        if (percent / 100.0 > factor + SameStep) return percent / 100.0;
    }
    return factor;
}

double ZoomedOut(double factor) {
    for (auto it = ZoomPercents.rbegin(); it != ZoomPercents.rend(); ++it) {
        if (*it / 100.0 < factor - SameStep) return *it / 100.0;
    }
    return factor;
}

double ZoomToFit(float widthTwips, float heightTwips, QSize room) {
    const double across = room.width() * TwipsPerPixel / widthTwips;
    const double down = room.height() * TwipsPerPixel / heightTwips;
    // Down to a thousandth, so that rounding to pixels cannot overflow the room.
    const double fit = std::floor(std::min(across, down) * 1000) / 1000;
    return std::clamp(fit, SmallestZoom, LargestZoom);
}

void Zoom::Set(double factor) { factor_ = std::clamp(factor, SmallestZoom, LargestZoom); }

int Zoom::Twips(int pixels) const {
    return static_cast<int>(std::lround(pixels * static_cast<double>(TwipsPerPixel) / factor_));
}

int Zoom::Pixels(float twips) const {
    // At 100 % exactly the design's rounding, in single precision as before.
    if (factor_ == 1.0) return static_cast<int>(std::lround(twips / TwipsPerPixel));
    return static_cast<int>(std::lround(static_cast<double>(twips) * factor_ / TwipsPerPixel));
}

int Zoom::ScaledPixels(int pixelsAt100) const {
    return std::max(1, static_cast<int>(std::lround(pixelsAt100 * factor_)));
}

QPoint Zoom::PixelPoint(float x, float y) const { return {Pixels(x), Pixels(y)}; }

QRect Zoom::PixelRect(float left, float top, float width, float height) const {
    const int x = Pixels(left);
    const int y = Pixels(top);
    return {x, y, Pixels(left + width) - x, Pixels(top + height) - y};
}

QRect Zoom::PixelRect(const Placement& place) const {
    return PixelRect(place.Left, place.Top, place.Width, place.Height);
}

namespace {

// A family that is not installed costs a search of the system's fonts for
// fallbacks the first time it is asked for; the faces' own family is therefore
// named only where it exists, and the same fonts as before stand in for it.
const QStringList& FaceFamilies() {
    static const QStringList families = [] {
        QStringList list = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        const QString own = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::hasFamily(own)) list.prepend(own);
        return list;
    }();
    return families;
}

// The platform style draws a check box's square at one size: at any zoom but
// 100 % a style sheet sizes it, and its gap to the caption, with the picture;
// the application's style gives the sizes at 100 %, untouched by the sheet.
void ZoomIndicator(QCheckBox& box, const Zoom& zoom) {
    if (zoom.Factor() == 1.0) {
        if (!box.styleSheet().isEmpty()) box.setStyleSheet(QString());
        return;
    }
    const int side =
        zoom.ScaledPixels(QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth));
    const int gap =
        zoom.ScaledPixels(QApplication::style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    box.setStyleSheet(QStringLiteral("QCheckBox { spacing: %1px; }"
                                     " QCheckBox::indicator { width: %2px; height: %2px; }")
                          .arg(gap)
                          .arg(side));
}

}  // namespace

QFont Zoom::FaceFont(double points, bool bold) const {
    QFont font;
    font.setFamilies(FaceFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * 20 * factor_ / TwipsPerPixel))));
    font.setBold(bold);
    return font;
}

void Zoom::PlaceInTwips(QWidget& widget, float left, float top, float width, float height) const {
    widget.setProperty(DesignRect, QRectF(left, top, width, height));
    widget.setGeometry(PixelRect(left, top, width, height));
}

void Zoom::SetFaceFont(QWidget& widget, double points, bool bold) const {
    widget.setProperty(DesignFont, points);
    widget.setProperty(DesignBold, bold);
    widget.setFont(FaceFont(points, bold));
}

void Zoom::Apply(QWidget& root) const {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        if (auto* box = qobject_cast<QCheckBox*>(widget)) ZoomIndicator(*box, *this);
        const QVariant rect = widget->property(DesignRect);
        if (rect.isValid()) {
            const QRectF r = rect.toRectF();
            widget->setGeometry(PixelRect(static_cast<float>(r.left()), static_cast<float>(r.top()),
                                          static_cast<float>(r.width()),
                                          static_cast<float>(r.height())));
        }
        const QVariant points = widget->property(DesignFont);
        if (points.isValid())
            widget->setFont(FaceFont(points.toDouble(), widget->property(DesignBold).toBool()));
    }
}

}  // namespace bridging::ui
