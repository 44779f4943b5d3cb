// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared helpers of the window's tests: finding the real widgets by name,
// driving ticks, reading pixels, and answering the dispatcher's message boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/lesson/lesson_announcer.h"
#include "ui/shell/main_window.h"

namespace bridging::ui::testing {

template <typename W = QWidget>
W& Child(QWidget& window, const QString& name) {
    auto* widget = window.findChild<W*>(name);
    if (widget == nullptr) throw std::runtime_error("no widget " + name.toStdString());
    return *widget;
}

inline void Click(QWidget& window, const QString& name) {
    QTest::mouseClick(&Child(window, name), Qt::LeftButton);
}

inline void Tick(MainWindow& window, int count = 1) {
    for (int i = 0; i < count; ++i) window.onTick();
}

// A reader that is always done speaking by the next utterance, so that
// nothing is held back while a test runs ticks faster than speech.
inline void ReaderAlwaysDone(MainWindow& window) {
    window.announcer().SetClock([hours = std::int64_t{0}]() mutable {
        hours += 3'600'000;
        return hours;
    });
}

// Pool indices of the tokens shown on the window.
inline std::vector<int> ShownTokens(const MainWindow& window) {
    std::vector<int> shown;
    for (int k = 0; k < PoolSize; ++k) {
        if (window.demo().Packet1[static_cast<std::size_t>(k)].place.Visible) shown.push_back(k);
    }
    return shown;
}

inline std::vector<float> TokenLefts(const MainWindow& window) {
    std::vector<float> lefts;
    for (int k : ShownTokens(window))
        lefts.push_back(window.demo().Packet1[static_cast<std::size_t>(k)].place.Left);
    return lefts;
}

// Where the window draws its frames, pool order: what the picture shows, which
// may lag the simulation while a message is open.
inline std::vector<QRect> TokenViews(QWidget& window) {
    std::vector<QRect> shown;
    for (int k = 0; k < PoolSize; ++k) {
        const auto* view = window.findChild<QWidget*>(QStringLiteral("Packet1_%1").arg(k));
        if (view != nullptr && view->isVisibleTo(&window)) shown.push_back(view->geometry());
    }
    return shown;
}

inline QLineEdit& ScenarioText(QWidget& window) {
    return *Child<QComboBox>(window, QStringLiteral("Combo1")).lineEdit();
}

// The scenario as a user types it: the whole text replaced, one key at a time.
inline void TypeScenario(QWidget& window, const QString& text) {
    QLineEdit& edit = ScenarioText(window);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

// 0x00BBGGRR as an RGB value, to compare with the grabbed pixels.
inline QRgb Rgb(std::uint32_t code) {
    return qRgb(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
                static_cast<int>((code >> 16) & 0xFF)) &
           0xFFFFFFu;
}

inline QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

inline QImage Picture(QWidget& widget) { return widget.grab().toImage(); }

// While it lives, answers every modal box that opens (its timer fires only in
// an event loop, which the test spins): records what it showed, lets
// `whileOpen` look at the window, and accepts it.
class MessageAnswerer {
public:
    explicit MessageAnswerer(std::function<void()> whileOpen = {})
        : whileOpen_(std::move(whileOpen)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(10);
    }

    int count = 0;
    QString text;
    QString title;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QFont textFont;

private:
    void Answer() {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || answering_) return;
        answering_ = true;
        ++count;
        text = box->property("text").toString();
        title = box->windowTitle();
        buttons = static_cast<int>(box->findChildren<QAbstractButton*>().size());
        if (auto* message = qobject_cast<QMessageBox*>(box)) icon = message->icon();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            textFont = label->font();
        if (whileOpen_) whileOpen_();
        QMetaObject::invokeMethod(box, "accept");
        answering_ = false;
    }

    std::function<void()> whileOpen_;
    QTimer timer_;
    bool answering_ = false;
};

}  // namespace bridging::ui::testing
