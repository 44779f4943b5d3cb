// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dispatcher's "Run Out of Packets" as a real message box: the text and OK
// only, in the window's font, the application's name as title, no tick while it
// is open, and Kill after it.
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

TEST(Message, AnEmptyPoolShowsTheBoxAndNoTickRunsWhileItIsOpen) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Eight sends take all sixteen tokens; no tick runs between the clicks.
    for (int send = 0; send < 8; ++send) Click(window, QStringLiteral("Computer1_0_btnKeys"));
    ASSERT_EQ(ShownTokens(window).size(), 16u);

    std::vector<float> whenOpened;
    std::vector<float> beforeOk;
    MessageAnswerer answerer([&] {
        whenOpened = TokenLefts(window);
        QTest::qWait(450);  // four periods of the running tick timer
        beforeOk = TokenLefts(window);
    });
    Click(window, QStringLiteral("Computer1_0_btnKeys"));

    ASSERT_EQ(answerer.count, 1);
    EXPECT_EQ(answerer.text, QStringLiteral("Run Out of Packets"));
    EXPECT_EQ(answerer.title, QStringLiteral("Quen's Bridging Demo"));
    EXPECT_EQ(answerer.buttons, 1);
    EXPECT_EQ(answerer.icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.textFont.families(), window.font().families());
    EXPECT_EQ(answerer.textFont.pixelSize(), window.font().pixelSize());
    EXPECT_TRUE(window.tickTimer().isActive());
    EXPECT_EQ(whenOpened.size(), 16u);
    EXPECT_EQ(beforeOk, whenOpened);
    // Kill emptied the pool; the send's right-going token went out after it.
    ASSERT_EQ(ShownTokens(window).size(), 1u);
    EXPECT_EQ(window.demo().Packet1[0].XOffset(), 200);

    // Ticks go on once the box is closed.
    const std::vector<float> afterOk = TokenLefts(window);
    QTest::qWait(400);
    EXPECT_NE(TokenLefts(window), afterOk);
}

// Forwarding bridges in the loops of the full network copy a frame faster than
// the segment ends retire the copies.
TEST(Message, AFloodInTheFullNetworkRunsThePoolOutDuringATick) {
    MainWindow window;
    window.show();
    TypeScenario(window, QStringLiteral("Full Network"));
    Click(window, QStringLiteral("chkForward"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));

    MessageAnswerer answerer;
    for (int tick = 0; tick < 400 && answerer.count == 0; ++tick) Tick(window);
    ASSERT_EQ(answerer.count, 1) << "the loop never filled the pool";
    EXPECT_EQ(answerer.text, QStringLiteral("Run Out of Packets"));
    // Kill ran inside the tick: what is left are copies launched after it.
    EXPECT_LT(ShownTokens(window).size(), 16u);
}

}  // namespace
}  // namespace bridging::ui::testing
