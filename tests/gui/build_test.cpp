// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building a network in the real window with the keyboard alone: a ring of
// three segments made from an empty drawing through the build box's keys, run
// with a frame sent on it, and an edit undone once back in build mode.
#include "network/plan.h"
#include "ui/build/build_box.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

class Build : public ::testing::Test {
protected:
    Build() {
        window.show();
        QApplication::setActiveWindow(&window);
        static_cast<void>(QTest::qWaitForWindowActive(&window));
        ScenarioText(window).setFocus();
    }

    // A key as the user presses it: to whatever has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int n = 0; n < times; ++n) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, static_cast<Qt::Key>(key), modifiers);
        }
    }
    // A button's letter clicks it as the mouse would, a moment later.
    void Alt(int key, int times = 1) {
        for (int n = 0; n < times; ++n) {
            Press(key, Qt::AltModifier);
            QTest::qWait(130);
        }
    }
    void Type(const char* text) {
        Press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(text));
        Press(Qt::Key_Return);
    }
    // The list's row `row` chosen with its letter, Home and Down.
    void Row(int row) {
        Alt(Qt::Key_E);
        Press(Qt::Key_Home);
        Press(Qt::Key_Down, Qt::NoModifier, row);
    }
    const network::Plan& Plan() const { return *window.session().Plan(); }

    MainWindow window;
};

TEST_F(Build, ARingIsBuiltFromAnEmptyDrawingByKeysAloneAndRuns) {
    Press(Qt::Key_F5);
    ASSERT_TRUE(window.session().Building());
    EXPECT_TRUE(window.buildBox().isVisible());
    // Start from the empty drawing.
    Alt(Qt::Key_F);
    Press(Qt::Key_End);
    Alt(Qt::Key_A);
    ASSERT_TRUE(Plan().segments.empty());
    Alt(Qt::Key_S, 3);
    ASSERT_EQ(Plan().segments.size(), 3U);
    // Segment 1 to 2 and segment 2 to 3: each bridge joins the selected
    // segment and the one below it, the box's first choice.
    for (const int row : {1, 2}) {
        Row(row);
        Alt(Qt::Key_B);
    }
    ASSERT_EQ(Plan().bridges.size(), 2U);
    // The middle segment made shorter, so that a link line passes it from 1 to 3.
    Row(2);
    ASSERT_EQ(window.session().Selected(), network::SegmentElement(1));
    Alt(Qt::Key_G);
    Type("9000");
    ASSERT_EQ(Plan().segments[1].x2, 9000);
    Row(1);
    Alt(Qt::Key_O);
    Press(Qt::Key_Down);
    Alt(Qt::Key_B);
    ASSERT_EQ(Plan().bridges.size(), 3U);
    const network::BridgePlan& ring = Plan().bridges.back();
    EXPECT_EQ(std::minmax(ring.upper, ring.lower), std::minmax(0, 2));
    // A station on the first segment and one on the last.
    Row(1);
    Alt(Qt::Key_T);
    Row(3);
    Alt(Qt::Key_T);
    ASSERT_EQ(Plan().stations.size(), 2U);
    Alt(Qt::Key_N);
    Type("Ring");
    EXPECT_EQ(Plan().name, "Ring");
    EXPECT_TRUE(network::Check(Plan()).empty());

    // Run it: the box gives way, the list shows its name and a frame goes.
    Press(Qt::Key_F5);
    ASSERT_FALSE(window.session().Building());
    EXPECT_FALSE(window.buildBox().isVisible());
    EXPECT_EQ(ScenarioText(window).text(), QStringLiteral("Ring"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    EXPECT_FALSE(ShownTokens(window).empty());

    // Back to building: Ctrl+Z takes back the name, Ctrl+Shift+Z gives it again.
    Press(Qt::Key_F5);
    ASSERT_TRUE(window.session().Building());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(Plan().name, "Ring");
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Plan().name, "Ring");
}

}  // namespace
}  // namespace bridging::ui::testing
