// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's entry: the application, its one window, and the event loop.
#include <QApplication>

#include "ui/scene/face_qt.h"
#include "ui/shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(bridging::ui::WindowCaption));
    bridging::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
