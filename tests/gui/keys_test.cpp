// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard's commands, the context menu, zoom, the focus mark and the
// destination's checked state, driven through the real window.
#include <QAccessible>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

#include "ui/scene/face_qt.h"
#include "ui/shell/context_menu.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

class Keys : public ::testing::Test {
protected:
    Keys() {
        window.show();
        QApplication::setActiveWindow(&window);
        static_cast<void>(QTest::qWaitForWindowActive(&window));
        edit.setFocus();
        edit.setCursorPosition(0);
    }

    // A key pressed in the scenario list's text field.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&edit, key, modifiers);
    }

    QString Caption(const char* name) {
        return Child<QAbstractButton>(window, QLatin1String(name)).text();
    }

    bool Checked(const char* name) {
        return Child<QCheckBox>(window, QLatin1String(name)).isChecked();
    }

    MainWindow window;
    QLineEdit& edit = ScenarioText(window);
};

// The field's own keys (Ctrl+K deletes to the end of the line, Ctrl+L and
// Ctrl+F are nothing to it) must neither run nor type: its text stays the
// network's name throughout.
TEST_F(Keys, EachKeyReachesItsCommandFromTheScenarioText) {
    Press(Qt::Key_P);
    EXPECT_EQ(Caption("btnPause"), QStringLiteral("Resume"));
    EXPECT_FALSE(window.ticking());
    Press(Qt::Key_P);
    EXPECT_EQ(Caption("btnPause"), QStringLiteral("Pause"));

    Press(Qt::Key_L);
    EXPECT_TRUE(Checked("chkLearn"));
    EXPECT_TRUE(window.demo().Bridge1[0].bLearn());
    Press(Qt::Key_F);
    EXPECT_TRUE(Checked("chkForward"));
    EXPECT_TRUE(window.demo().Bridge1[0].bForward());

    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    edit.setFocus();
    edit.setCursorPosition(0);
    ASSERT_FALSE(ShownTokens(window).empty());
    Press(Qt::Key_K);
    EXPECT_TRUE(ShownTokens(window).empty());
    EXPECT_EQ(edit.text(), QStringLiteral("One Bridge"));

    Press(Qt::Key_N);  // Renumber unticks Forwarding
    EXPECT_FALSE(Checked("chkForward"));
    EXPECT_TRUE(Checked("chkLearn"));
    Press(Qt::Key_R);  // Reset unticks both
    EXPECT_FALSE(Checked("chkLearn"));

    Press(Qt::Key_Up);
    EXPECT_EQ(window.tickTimer().interval(), 50);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(window.tickTimer().interval(), 200);
    EXPECT_TRUE(window.ticking());

    const QSize normal = window.size();
    Press(Qt::Key_Equal);
    EXPECT_EQ(window.size(), QSize(1208, 895));
    Press(Qt::Key_Minus);
    Press(Qt::Key_Minus);
    EXPECT_EQ(window.size(), QSize(725, 537));
    Press(Qt::Key_0);
    EXPECT_EQ(window.size(), normal);

    const std::vector<std::pair<Qt::Key, const char*>> scenarios = {
        {Qt::Key_5, "Full Network"}, {Qt::Key_2, "Two Bridges"}, {Qt::Key_1, "One Bridge"}};
    for (const auto& [key, name] : scenarios) {
        Press(key);
        EXPECT_EQ(window.demo().Combo1().text, name);
        EXPECT_EQ(edit.text(), QLatin1String(name));
    }
    EXPECT_EQ(window.demo().iScenario(), 1);

    Press(Qt::Key_Period);
    EXPECT_EQ(Caption("btnPause"), QStringLiteral("Resume"));
    EXPECT_EQ(edit.text(), QStringLiteral("One Bridge"));
}

TEST_F(Keys, PlusOnTheKeypadOrWithShiftZoomsIn) {
    Press(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(window.zoom().Factor(), 1.25);
    Press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(window.zoom().Factor(), 1.5);
    // Without Ctrl it is only a character of the field.
    Press(Qt::Key_Plus, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(window.zoom().Factor(), 1.5);
    EXPECT_EQ(edit.text(), QStringLiteral("+One Bridge"));
}

TEST_F(Keys, StepWhileRunningPausesAndRunsNoTickThenStepsOneTick) {
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    edit.setFocus();
    const std::vector<float> before = TokenLefts(window);
    ASSERT_EQ(before.size(), 2u);
    Press(Qt::Key_Period);
    EXPECT_EQ(Caption("btnPause"), QStringLiteral("Resume"));
    EXPECT_FALSE(window.ticking());
    EXPECT_EQ(TokenLefts(window), before);

    Press(Qt::Key_Period);
    EXPECT_EQ(TokenLefts(window), (std::vector<float>{before[0] - 200, before[1] + 200}));
    EXPECT_EQ(Caption("btnPause"), QStringLiteral("Resume"));
    EXPECT_FALSE(window.ticking());
}

QRect InWindow(QWidget& window, const QString& name) {
    QWidget& widget = Child(window, name);
    return {widget.mapTo(&window, QPoint(0, 0)), widget.size()};
}

TEST_F(Keys, ZoomTo200DoublesTheClientAreaAndEveryElement) {
    const QSize client = window.size();
    const QRect letter = InWindow(window, QStringLiteral("Computer1_2_Command1"));
    const QRect pause = InWindow(window, QStringLiteral("btnPause"));
    const int fontPixels = Child(window, QStringLiteral("btnPause")).font().pixelSize();
    for (int i = 0; i < 3; ++i) Press(Qt::Key_Equal);  // 125, 150, 200 %
    ASSERT_DOUBLE_EQ(window.zoom().Factor(), 2.0);
    EXPECT_EQ(window.size(), client * 2);
    const QRect letterAt200 = InWindow(window, QStringLiteral("Computer1_2_Command1"));
    EXPECT_NEAR(letterAt200.left(), 2 * letter.left(), 1);
    EXPECT_NEAR(letterAt200.top(), 2 * letter.top(), 1);
    EXPECT_NEAR(letterAt200.width(), 2 * letter.width(), 1);
    EXPECT_NEAR(letterAt200.height(), 2 * letter.height(), 1);
    const QRect pauseAt200 = InWindow(window, QStringLiteral("btnPause"));
    EXPECT_NEAR(pauseAt200.width(), 2 * pause.width(), 1);
    EXPECT_EQ(Child(window, QStringLiteral("btnPause")).font().pixelSize(), 2 * fontPixels);

    // The picture grows with it: a segment is twice as thick.
    const QImage picture = Picture(window);
    const auto blackRun = [&picture](int x, int fromY) {
        int y = fromY;
        while (y < picture.height() && PixelAt(picture, x, y) != 0) ++y;
        int run = 0;
        while (y + run < picture.height() && PixelAt(picture, x, y + run) == 0) ++run;
        return run;
    };
    // The upper segment of "One Bridge", left of its first station.
    EXPECT_EQ(blackRun(2 * 200, 2 * 240), 24);

    Press(Qt::Key_0);
    EXPECT_EQ(window.size(), client);
    EXPECT_EQ(InWindow(window, QStringLiteral("Computer1_2_Command1")), letter);
}

TEST_F(Keys, FitGrowsTheWindowToTheScreenAndF11AgainGoesBack) {
    Press(Qt::Key_Equal);
    Press(Qt::Key_F11, Qt::NoModifier);
    EXPECT_GE(window.zoom().Factor(), SmallestZoom);
    EXPECT_LE(window.zoom().Factor(), LargestZoom);
    const QRect available = window.screen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().width(), available.width());
    EXPECT_LE(window.frameGeometry().height(), available.height());
    Press(Qt::Key_F11, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(window.zoom().Factor(), 1.25);
}

// From a fitted zoom between two steps, zooming goes on to the nearer step
// in that direction; the fitted area never exceeds the room.
TEST(Zoom, StepsFromAnyFactorAndFitsWithinTheRoom) {
    EXPECT_DOUBLE_EQ(ZoomedIn(1.0), 1.25);
    EXPECT_DOUBLE_EQ(ZoomedIn(1.1), 1.25);
    EXPECT_DOUBLE_EQ(ZoomedOut(1.1), 1.0);
    EXPECT_DOUBLE_EQ(ZoomedIn(3.0), 3.0);
    EXPECT_DOUBLE_EQ(ZoomedOut(0.5), 0.5);
    for (const QSize room : {QSize(1600, 1200), QSize(1280, 1024), QSize(1920, 1050)}) {
        Zoom zoom;
        zoom.Set(ZoomToFit(Simulation::ClientWidth, Simulation::ClientHeight, room));
        const QSize client =
            zoom.PixelRect(0, 0, Simulation::ClientWidth, Simulation::ClientHeight).size();
        EXPECT_LE(client.width(), room.width());
        EXPECT_LE(client.height(), room.height());
        // One side fills the room.
        EXPECT_TRUE(client.width() >= room.width() - 2 || client.height() >= room.height() - 2);
    }
    EXPECT_DOUBLE_EQ(ZoomToFit(Simulation::ClientWidth, Simulation::ClientHeight, QSize(100, 100)),
                     0.5);
}

TEST_F(Keys, ReturnPressesTheFocusedButtonOrBox) {
    auto& send = Child<QPushButton>(window, QStringLiteral("Computer1_1_btnKeys"));
    send.setFocus();
    QTest::keyClick(&send, Qt::Key_Return);
    EXPECT_EQ(ShownTokens(window).size(), 2u);
    QTest::keyClick(&send, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ShownTokens(window).size(), 4u);

    auto& learn = Child<QCheckBox>(window, QStringLiteral("chkLearn"));
    learn.setFocus();
    QTest::keyClick(&learn, Qt::Key_Return);
    EXPECT_TRUE(window.demo().Bridge1[0].bLearn());

    // In the text field Return is the field's own and presses nothing.
    edit.setFocus();
    Press(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(ShownTokens(window).size(), 4u);
}

// A is the destination at start-up.
TEST_F(Keys, TheDestinationsLetterIsCheckedAndLooksTheSame) {
    auto& letterA = Child<QPushButton>(window, QStringLiteral("Computer1_0_Command1"));
    auto& letterC = Child<QPushButton>(window, QStringLiteral("Computer1_2_Command1"));
    EXPECT_TRUE(letterA.isChecked());
    EXPECT_FALSE(letterC.isChecked());
    const QImage aChecked = Picture(letterA);
    const QImage cUnchecked = Picture(letterC);
    QTest::mouseClick(&letterC, Qt::LeftButton);
    EXPECT_TRUE(letterC.isChecked());
    EXPECT_FALSE(letterA.isChecked());
    EXPECT_EQ(window.demo().iSelectedStation(), 3);
    // What a screen reader is told.
    QAccessibleInterface* reported = QAccessible::queryAccessibleInterface(&letterC);
    ASSERT_NE(reported, nullptr);
    EXPECT_TRUE(reported->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&letterA)->state().checked);
    // The click gave C the focus, which its border shows as before: compare
    // with the focus elsewhere.
    Child(window, QStringLiteral("btnKill")).setFocus();
    EXPECT_EQ(Picture(letterC), cUnchecked);
    EXPECT_EQ(Picture(letterA), aChecked);
    // A second click on the destination keeps it the destination.
    QTest::mouseClick(&letterC, Qt::LeftButton);
    EXPECT_TRUE(letterC.isChecked());
}

TEST_F(Keys, TheFocusMarkShowsAfterAKeyOnlyAroundTheFocusedControl) {
    QWidget& mark = Child(window, QStringLiteral("FocusMark"));
    EXPECT_FALSE(mark.isVisible());
    QTest::keyClick(&edit, Qt::Key_Tab);
    auto& pause = Child<QPushButton>(window, QStringLiteral("btnPause"));
    ASSERT_TRUE(pause.hasFocus());
    ASSERT_TRUE(mark.isVisible());
    const QRect around = InWindow(window, QStringLiteral("btnPause"));
    EXPECT_EQ(mark.geometry(), around.adjusted(-4, -4, 4, 4));
    const QImage picture = Picture(window);
    for (int d = 1; d <= 3; ++d)
        EXPECT_EQ(PixelAt(picture, around.left() - 1 - d, around.center().y()), 0u) << d;
    EXPECT_EQ(PixelAt(picture, around.left() - 1, around.center().y()), 0xFFFFFFu);

    QTest::keyClick(&pause, Qt::Key_Tab);
    EXPECT_EQ(mark.geometry(), InWindow(window, QStringLiteral("btnKill")).adjusted(-4, -4, 4, 4));
    Click(window, QStringLiteral("btnReset"));
    EXPECT_FALSE(mark.isVisible());
}

// The menu lists the table's commands in order, each with its key.
TEST(ContextMenu, ListsEveryCommandWithItsKeyAndChecksSpeedAndZoom) {
    QWidget parent;
    std::vector<Action> ran;
    const ActionSink act = [&ran](const Action& action) { ran.push_back(action); };
    QMenu* menu = BuildContextMenu(parent, MenuState{1, 150, true, false}, act);
    QStringList entries;
    QString checkedSpeed;
    QString checkedZoom;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (QMenu* sub = action->menu()) {
            for (QAction* choice : sub->actions()) {
                if (!choice->isChecked()) continue;
                (action->text() == QStringLiteral("Speed") ? checkedSpeed : checkedZoom) =
                    choice->text();
            }
            continue;
        }
        entries << action->text();
        if (action->text().startsWith(QStringLiteral("Learning"))) {
            EXPECT_TRUE(action->isChecked());
        }
        if (action->text().startsWith(QStringLiteral("Forwarding"))) {
            EXPECT_FALSE(action->isChecked());
        }
    }
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(KeyTable().size()));
    for (std::size_t i = 0; i < KeyTable().size(); ++i) {
        const KeyBinding& binding = KeyTable()[i];
        EXPECT_EQ(entries[static_cast<qsizetype>(i)],
                  QString::fromUtf8(binding.text) + u'\t' + QString::fromUtf8(binding.keyText));
    }
    EXPECT_EQ(checkedSpeed, QString::fromUtf8("\u00BD\u00D7"));
    EXPECT_EQ(checkedZoom, QStringLiteral("150 %"));

    menu->actions().first()->trigger();
    EXPECT_EQ(ran, std::vector<Action>{Act(ActionKind::PauseResume)});
}

}  // namespace
}  // namespace bridging::ui::testing
