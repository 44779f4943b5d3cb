// Unit and colour conversion, fonts, and applying faces to Qt widgets.
#include "ui/face_qt.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace bridging::ui {

int Pixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

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
    font.setPixelSize(static_cast<int>(std::lround(points * 20 / TwipsPerPixel)));
    font.setBold(bold);
    return font;
}

void PaintBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& border,
              int borderWidth) {
    if (fill.isValid()) painter.fillRect(box, fill);
    const int w = std::min(borderWidth, std::min(box.width(), box.height()) / 2);
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
            "QPushButton { background-color: %1; color: black; border: 1px solid #505050;"
            " padding: 0px; }"
            " QPushButton:focus { border: 2px solid black; }"
            " QPushButton:pressed { background-color: %2; }")
            .arg(back.name(), back.darker(120).name()));
}

}  // namespace bridging::ui
