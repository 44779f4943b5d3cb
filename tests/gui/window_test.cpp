// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven through its real widgets: start-up, a frame through the
// bridge, pausing, the scenario list, keyboard use and accessible names.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "ui/scene/face_qt.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

// One QApplication for the whole run, on the offscreen platform.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QString::fromUtf8(WindowCaption));
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const application =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

TEST(Window, StartsWithOneBridgeAndNoFrame) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quen's Bridging Demo"));
    EXPECT_EQ(window.size(), QSize(966, 716));

    auto& combo = Child<QComboBox>(window, QStringLiteral("Combo1"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("One Bridge"));
    ASSERT_EQ(combo.count(), 5);
    EXPECT_EQ(combo.itemText(4), QStringLiteral("Full Network"));
    EXPECT_TRUE(ShownTokens(window).empty());

    EXPECT_TRUE(Child(window, QStringLiteral("Bridge1_0")).isVisibleTo(&window));
    EXPECT_FALSE(Child(window, QStringLiteral("Bridge1_1")).isVisibleTo(&window));
    EXPECT_TRUE(Child(window, QStringLiteral("Computer1_3")).isVisibleTo(&window));
    EXPECT_FALSE(Child(window, QStringLiteral("Computer1_4")).isVisibleTo(&window));
    EXPECT_EQ(Child<QPushButton>(window, QStringLiteral("Bridge1_0_btnSpanTree")).text(),
              QStringLiteral("1"));
    EXPECT_TRUE(window.ticking());
    EXPECT_EQ(window.tickTimer().interval(), 100);
}

// The frame of the worked example: A sends to C through the one bridge.
TEST(Window, FrameFromAThroughTheBridgeTurnsStationCRed) {
    MainWindow window;
    window.show();
    Click(window, QStringLiteral("Computer1_2_Command1"));
    Click(window, QStringLiteral("chkLearn"));
    Click(window, QStringLiteral("chkForward"));
    EXPECT_TRUE(Child<QCheckBox>(window, QStringLiteral("chkLearn")).isChecked());
    EXPECT_TRUE(window.demo().Bridge1[0].bForward());
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    ASSERT_EQ(ShownTokens(window).size(), 2u);

    auto& letterC = Child<QPushButton>(window, QStringLiteral("Computer1_2_Command1"));
    const QRgb cyan = Rgb(0x00FFFFC0);
    EXPECT_EQ(PixelAt(Picture(letterC), 4, 4), cyan);
    int redAt = -1;
    for (int tick = 1; tick <= 60 && redAt < 0; ++tick) {
        Tick(window);
        if (PixelAt(Picture(letterC), 4, 4) == Rgb(0x000000FF)) redAt = tick;
    }
    ASSERT_GT(redAt, 0) << "station C never showed a received frame";
    EXPECT_EQ(window.demo().Computer1[2].Number(), Computer::Marked);
    // The bridge learned A on its upper side and shows it.
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("Bridge1_0_lblPortA")).text(),
              QStringLiteral("A"));

    // Once the frame has moved on, the station's own colour returns.
    Tick(window, 6);
    EXPECT_EQ(PixelAt(Picture(letterC), 4, 4), cyan);
}

TEST(Window, PauseStopsTheFramesAndResumeMovesThemOn) {
    MainWindow window;
    window.show();
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    auto& pause = Child<QPushButton>(window, QStringLiteral("btnPause"));
    QTest::mouseClick(&pause, Qt::LeftButton);
    EXPECT_EQ(pause.text(), QStringLiteral("Resume"));
    EXPECT_FALSE(window.tickTimer().isActive());

    const std::vector<float> before = TokenLefts(window);
    ASSERT_EQ(before.size(), 2u);
    QTest::qWait(350);
    EXPECT_EQ(TokenLefts(window), before);

    QTest::mouseClick(&pause, Qt::LeftButton);
    EXPECT_EQ(pause.text(), QStringLiteral("Pause"));
    QTest::qWait(350);
    const std::vector<float> after = TokenLefts(window);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_LT(after[0], before[0]);
    EXPECT_GT(after[1], before[1]);
}

// The timer runs as the Pause button says; under that, it sleeps while no frame
// is shown and wakes when one is sent, whose first step comes within a period.
TEST(Window, TheTimerSleepsWhileNoFrameIsShown) {
    MainWindow window;
    window.show();
    EXPECT_TRUE(window.ticking());
    EXPECT_FALSE(window.tickTimer().isActive());

    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    EXPECT_TRUE(window.tickTimer().isActive());
    // Started by the send: the first step is at most one period away.
    EXPECT_LE(window.tickTimer().remainingTime(), 100);
    const std::vector<float> sent = TokenLefts(window);
    QTest::qWait(300);
    EXPECT_NE(TokenLefts(window), sent);

    Click(window, QStringLiteral("btnKill"));
    EXPECT_TRUE(window.ticking());
    EXPECT_FALSE(window.tickTimer().isActive());

    // Paused, a frame sent waits; Resume wakes the timer for it.
    Click(window, QStringLiteral("btnPause"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    EXPECT_FALSE(window.ticking());
    EXPECT_FALSE(window.tickTimer().isActive());
    Click(window, QStringLiteral("btnPause"));
    EXPECT_TRUE(window.ticking());
    EXPECT_TRUE(window.tickTimer().isActive());
}

TEST(Window, TypingAScenarioHidesTheNetworkUntilTheNameIsComplete) {
    MainWindow window;
    window.show();
    auto& bridge6 = Child(window, QStringLiteral("Bridge1_5"));
    auto& bridge1 = Child(window, QStringLiteral("Bridge1_0"));
    TypeScenario(window, QStringLiteral("Full Netw"));
    EXPECT_EQ(window.demo().Combo1().text, "Full Netw");
    EXPECT_FALSE(bridge1.isVisibleTo(&window));
    QTest::keyClicks(&ScenarioText(window), QStringLiteral("ork"));
    EXPECT_EQ(window.demo().iScenario(), 5);
    EXPECT_TRUE(bridge6.isVisibleTo(&window));
    EXPECT_TRUE(Child(window, QStringLiteral("Computer1_5")).isVisibleTo(&window));
    // Typing never adds to the list.
    EXPECT_EQ(Child<QComboBox>(window, QStringLiteral("Combo1")).count(), 5);
}

TEST(Window, PickingFromTheListBuildsThatScenario) {
    MainWindow window;
    window.show();
    auto& combo = Child<QComboBox>(window, QStringLiteral("Combo1"));
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(window.demo().iScenario(), 2);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Two Bridges"));
    EXPECT_TRUE(Child(window, QStringLiteral("Bridge1_1")).isVisibleTo(&window));
}

TEST(Window, TabFollowsTheControlColumnThenTheStationsAndBridges) {
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& combo = Child<QComboBox>(window, QStringLiteral("Combo1"));
    combo.setFocus();
    const auto focusedName = [] {
        QWidget* focused = QApplication::focusWidget();
        while (focused != nullptr && focused->objectName().isEmpty())
            focused = focused->parentWidget();
        return focused == nullptr ? QString() : focused->objectName();
    };
    EXPECT_EQ(focusedName(), QStringLiteral("Combo1"));
    // Stations C and D stand on the lower segment; E, F and bridges 2 to 6 are hidden.
    const QStringList expected = {"btnPause",
                                  "btnKill",
                                  "btnCost",
                                  "chkLearn",
                                  "chkForward",
                                  "btnReset",
                                  "Computer1_0_Command1",
                                  "Computer1_0_btnKeys",
                                  "Computer1_1_Command1",
                                  "Computer1_1_btnKeys",
                                  "Computer1_2_Command1",
                                  "Computer1_2_btnKeys",
                                  "Computer1_3_Command1",
                                  "Computer1_3_btnKeys",
                                  "Bridge1_0_btnSpanTree",
                                  "Combo1"};
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusedName(), name);
    }
}

TEST(Window, EveryCommandWorksFromTheKeyboard) {
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto& send = Child<QPushButton>(window, QStringLiteral("Computer1_1_btnKeys"));
    send.setFocus();
    QTest::keyClick(&send, Qt::Key_Space);
    EXPECT_EQ(ShownTokens(window).size(), 2u);

    auto& learn = Child<QCheckBox>(window, QStringLiteral("chkLearn"));
    learn.setFocus();
    QTest::keyClick(&learn, Qt::Key_Space);
    EXPECT_TRUE(window.demo().Bridge1[3].bLearn());

    auto& kill = Child<QPushButton>(window, QStringLiteral("btnKill"));
    kill.setFocus();
    QTest::keyClick(&kill, Qt::Key_Space);
    EXPECT_TRUE(ShownTokens(window).empty());

    auto& letter = Child<QPushButton>(window, QStringLiteral("Computer1_3_Command1"));
    letter.setFocus();
    QTest::keyClick(&letter, Qt::Key_Space);
    EXPECT_EQ(window.demo().iSelectedStation(), 4);

    auto& root = Child<QPushButton>(window, QStringLiteral("Bridge1_0_btnSpanTree"));
    root.setFocus();
    QTest::keyClick(&root, Qt::Key_Space);
    EXPECT_EQ(ShownTokens(window).size(), 2u);
}

TEST(Window, ButtonsSayWhatTheyDoForTheirElement) {
    MainWindow window;
    EXPECT_EQ(Child(window, QStringLiteral("Computer1_0_Command1")).accessibleName(),
              QStringLiteral("Station A, the destination"));
    EXPECT_EQ(Child(window, QStringLiteral("Computer1_5_btnKeys")).accessibleName(),
              QStringLiteral("Send from station F"));
    auto& root = Child(window, QStringLiteral("Bridge1_2_btnSpanTree"));
    EXPECT_EQ(root.accessibleName(),
              QStringLiteral("Bridge #3, root 3: send spanning-tree frames"));

    // The name follows the number that the bridge's face shows.
    Click(window, QStringLiteral("btnCost"));
    const double number = window.demo().Bridge1[2].BridgeNumber();
    EXPECT_TRUE(root.accessibleName().startsWith(QStringLiteral("Bridge #%1, root ").arg(number)))
        << root.accessibleName().toStdString();
    for (const char* name :
         {"btnPause", "btnKill", "btnCost", "btnReset", "chkLearn", "chkForward"}) {
        auto& control = Child(window, QLatin1String(name));
        EXPECT_FALSE(control.accessibleDescription().isEmpty()) << name;
    }
}

// The field holds a network's name: a long paste is cut to its first 64
// characters, which is what the network is built from.
TEST(Window, ALongPasteIntoTheScenarioListIsCut) {
    MainWindow window;
    window.show();
    QLineEdit& edit = ScenarioText(window);
    EXPECT_EQ(edit.maxLength(), 64);

    QApplication::clipboard()->setText(QStringLiteral("Full Network") + QString(40000, u'x'));
    edit.setFocus();
    edit.selectAll();
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("Full Network") + QString(52, u'x'));
    EXPECT_EQ(window.demo().Combo1().text, edit.text().toStdString());
    EXPECT_FALSE(window.demo().Bridge1[0].place.Visible);

    // Up to the limit, a paste is taken whole.
    QApplication::clipboard()->setText(QStringLiteral("Two Bridges"));
    edit.selectAll();
    edit.paste();
    EXPECT_EQ(window.demo().Combo1().text, "Two Bridges");
    EXPECT_TRUE(window.demo().Bridge1[1].place.Visible);
}

}  // namespace
}  // namespace bridging::ui::testing
