// Unit and colour conversion, fonts, and applying faces to Qt widgets.
#include "ui/scene/face_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace bridging::ui {
namespace {

double zoom = 1.0;

// Properties that remember a widget's design values.
const char* const DesignRect = "bridgingTwips";
const char* const DesignFont = "bridgingFontPoints";
const char* const DesignBold = "bridgingFontBold";

// Factors closer than this count as the same step.
constexpr double SameStep = 1e-6;

}  // namespace

double Zoom() { return zoom; }

void SetZoom(double factor) { zoom = std::clamp(factor, SmallestZoom, LargestZoom); }

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

int Pixels(float twips) {
    // At 100 % exactly the design's rounding, in single precision as before.
    if (zoom == 1.0) return static_cast<int>(std::lround(twips / TwipsPerPixel));
    return static_cast<int>(std::lround(static_cast<double>(twips) * zoom / TwipsPerPixel));
}

int ScaledPixels(int pixelsAt100) {
    return std::max(1, static_cast<int>(std::lround(pixelsAt100 * zoom)));
}

QPoint PixelPoint(float x, float y) { return {Pixels(x), Pixels(y)}; }

QRect PixelRect(float left, float top, float width, float height) {
    const int x = Pixels(left);
    const int y = Pixels(top);
    return {x, y, Pixels(left + width) - x, Pixels(top + height) - y};
}

QRect PixelRect(const Placement& place) {
    return PixelRect(place.Left, place.Top, place.Width, place.Height);
}

QColor QtColour(ColourCode colour) {
    const auto code = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(code & 0xFFu), static_cast<int>((code >> 8) & 0xFFu),
                  static_cast<int>((code >> 16) & 0xFFu));
}

QString QtText(const std::string& text) { return QString::fromStdString(text); }

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

}  // namespace

QFont FaceFont(double points, bool bold) {
    QFont font;
    font.setFamilies(FaceFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * 20 * zoom / TwipsPerPixel))));
    font.setBold(bold);
    return font;
}

void PlaceInTwips(QWidget& widget, float left, float top, float width, float height) {
    widget.setProperty(DesignRect, QRectF(left, top, width, height));
    widget.setGeometry(PixelRect(left, top, width, height));
}

void SetFaceFont(QWidget& widget, double points, bool bold) {
    widget.setProperty(DesignFont, points);
    widget.setProperty(DesignBold, bold);
    widget.setFont(FaceFont(points, bold));
}

namespace {

// The platform style draws a check box's square at one size: at any zoom but
// 100 % a style sheet sizes it, and its gap to the caption, with the picture;
// the application's style gives the sizes at 100 %, untouched by the sheet.
void ZoomIndicator(QCheckBox& box) {
    if (zoom == 1.0) {
        if (!box.styleSheet().isEmpty()) box.setStyleSheet(QString());
        return;
    }
    const int side = ScaledPixels(QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth));
    const int gap =
        ScaledPixels(QApplication::style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    box.setStyleSheet(QStringLiteral("QCheckBox { spacing: %1px; }"
                                     " QCheckBox::indicator { width: %2px; height: %2px; }")
                          .arg(gap)
                          .arg(side));
}

}  // namespace

void ApplyZoom(QWidget& root) {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        if (auto* box = qobject_cast<QCheckBox*>(widget)) ZoomIndicator(*box);
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

void PaintBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& border,
              int borderWidth) {
    if (fill.isValid()) painter.fillRect(box, fill);
    const int w = std::min(ScaledPixels(borderWidth), std::min(box.width(), box.height()) / 2);
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

void ShowButtonFace(QPushButton& button, const ButtonFace& face, const ButtonFace* shown) {
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
            .arg(ScaledPixels(1))
            .arg(ScaledPixels(2)));
}

}  // namespace bridging::ui
