// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Qt window with the program's size and caption and nothing of the program in
// it: the floor that scripts/measure-window.sh compares the program against.
//
//   bare-window            an empty window, idle
//   bare-window --repaint  repaints its whole area every 100 ms, as a window
//                          that redraws everything on each tick would
//   bare-window --text     shows one line of text in the font that the
//                          program's captions end up in
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

constexpr int Width = 966;
constexpr int Height = 716;
constexpr int TickMs = 100;
// 13.5 points at 20 twips a point and 15 twips a pixel.
constexpr int TextPixels = 18;

bool HasOption(int argc, char* argv[], const char* option) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString caption = QStringLiteral("Quen's Bridging Demo");
    QApplication::setApplicationName(caption);
    QWidget window;
    window.setWindowTitle(caption);
    window.resize(Width, Height);

    if (HasOption(argc, argv, "--text")) {
        auto* line = new QLabel(QStringLiteral("Learning"), &window);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(TextPixels);
        line->setFont(font);
        line->move(12, 12);
    }
    QTimer repaint;
    if (HasOption(argc, argv, "--repaint")) {
        QObject::connect(&repaint, &QTimer::timeout, &window, [&window] { window.update(); });
        repaint.start(TickMs);
    }
    window.show();
    return QApplication::exec();
}
