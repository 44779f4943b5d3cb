// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dispatcher's "Run Out of Packets" as a real message box: the text and OK
// only, in the window's font, the application's name as title, the picture of
// the moment before and no tick while it is open, and what Kill did after it.
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

    std::vector<QRect> whenOpened;
    std::vector<QRect> beforeOk;
    std::uint64_t ticksWhileOpen = 0;
    MessageAnswerer answerer([&] {
        whenOpened = TokenViews(window);
        const std::uint64_t ticks = window.demo().TickCount();
        QTest::qWait(450);  // four periods of the tick timer
        beforeOk = TokenViews(window);
        ticksWhileOpen = window.demo().TickCount() - ticks;
    });
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    ASSERT_TRUE(window.session().MessageOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.count > 0; }));

    ASSERT_EQ(answerer.count, 1);
    EXPECT_EQ(answerer.text, QStringLiteral("Run Out of Packets"));
    EXPECT_EQ(answerer.title, QStringLiteral("Quen's Bridging Demo"));
    EXPECT_EQ(answerer.buttons, 1);
    EXPECT_EQ(answerer.icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.textFont.families(), window.font().families());
    EXPECT_EQ(answerer.textFont.pixelSize(), window.font().pixelSize());
    EXPECT_EQ(whenOpened.size(), 16u);
    EXPECT_EQ(beforeOk, whenOpened);
    EXPECT_EQ(ticksWhileOpen, 0u);
    EXPECT_TRUE(window.tickTimer().isActive());
    // Kill emptied the pool; the send's right-going token went out after it.
    ASSERT_EQ(ShownTokens(window).size(), 1u);
    EXPECT_EQ(TokenViews(window).size(), 1u);
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
    for (int tick = 0; tick < 400 && !window.session().MessageOpen(); ++tick) Tick(window);
    ASSERT_TRUE(window.session().MessageOpen()) << "the loop never filled the pool";
    ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.count > 0; }));
    ASSERT_EQ(answerer.count, 1);
    EXPECT_EQ(answerer.text, QStringLiteral("Run Out of Packets"));
    // Kill ran inside the tick: what is left are copies launched after it.
    EXPECT_LT(ShownTokens(window).size(), 16u);
}

}  // namespace
}  // namespace bridging::ui::testing
