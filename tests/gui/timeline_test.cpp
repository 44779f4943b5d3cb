// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Going back in the real window: the keys of time on a paused window, a click
// on a log line, a new future started in the past, and the timeline's words.
#include <QAccessible>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTextBlock>

#include "ui/lesson/lesson_panel.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

void Press(MainWindow& window, Qt::Key key) { QTest::keyClick(&window, key, Qt::ControlModifier); }

// Station A sends to C through "One Bridge", the window paused after `ticks`.
void SendAndPause(MainWindow& window, int ticks) {
    Click(window, QStringLiteral("Computer1_2_Command1"));
    Click(window, QStringLiteral("chkLearn"));
    Click(window, QStringLiteral("chkForward"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    Tick(window, ticks);
    Click(window, QStringLiteral("btnPause"));
}

TEST(Timeline, BackAndForwardOnAPausedWindowShowTheTicksAsTheyWere) {
    MainWindow window;
    window.show();
    SendAndPause(window, 9);
    const std::vector<float> now = TokenLefts(window);
    Tick(window);                   // paused: nothing moves, no moment is made
    Press(window, Qt::Key_Period);  // a step at the present: tick 10
    const std::vector<float> stepped = TokenLefts(window);
    ASSERT_NE(stepped, now);
    Press(window, Qt::Key_Comma);
    EXPECT_TRUE(window.session().Time().LookingBack());
    EXPECT_EQ(TokenLefts(window), now);
    EXPECT_EQ(window.demo().TickCount(), 9U);
    EXPECT_TRUE(Child(window, QStringLiteral("LessonPanel")).isVisible());
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblTime")).text(),
              QStringLiteral("Looking back: tick 9 of 10"));
    auto& slider = Child<QSlider>(window, QStringLiteral("sldTimeline"));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Value), QStringLiteral("tick 9 of 10"));
    // A reader reads a spin box's value by its text, a slider's as a bare number.
    EXPECT_EQ(reader->role(), QAccessible::SpinBox);
    ASSERT_NE(reader->textInterface(), nullptr);
    EXPECT_EQ(reader->textInterface()->text(0, reader->textInterface()->characterCount()),
              QStringLiteral("tick 9 of 10"));
    Press(window, Qt::Key_Period);
    EXPECT_FALSE(window.session().Time().LookingBack());
    EXPECT_EQ(TokenLefts(window), stepped);
    Press(window, Qt::Key_Home);
    EXPECT_EQ(window.session().Time().Shown(), window.session().Time().Oldest());
    Press(window, Qt::Key_End);
    EXPECT_EQ(TokenLefts(window), stepped);
}

TEST(Timeline, ClickOnALogLineGoesToTheMomentBeforeItPaused) {
    MainWindow window;
    window.show();
    QTest::keyClick(&window, Qt::Key_F2);
    SendAndPause(window, 30);
    auto& view = Child<QPlainTextEdit>(window, QStringLiteral("txtLog"));
    const LessonLog& log = window.session().Log();
    const auto learned = std::find_if(log.Lines().begin(), log.Lines().end(), [](const LogLine& l) {
        return l.kind == DecisionKind::Learns;
    });
    ASSERT_NE(learned, log.Lines().end());
    const int block = static_cast<int>(learned - log.Lines().begin());
    const QTextBlock line = view.document()->findBlockByNumber(block);
    ASSERT_TRUE(line.text().contains(QStringLiteral("learns A")));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.cursorRect(QTextCursor(line)).center());
    EXPECT_EQ(window.session().Time().Shown() + 1, learned->moment);
    EXPECT_FALSE(window.ticking());
    EXPECT_EQ(window.demo().Bridge1[0].PortATable()[0], -1);  // not learned yet
    Press(window, Qt::Key_Period);
    EXPECT_EQ(window.demo().Bridge1[0].PortATable()[0], 1);
}

TEST(Timeline, AnActionInThePastStartsANewFutureAndTheLogSaysSo) {
    MainWindow window;
    window.show();
    SendAndPause(window, 20);
    const history::Moment newest = window.session().Time().Newest();
    Press(window, Qt::Key_PageUp);
    const history::Moment back = window.session().Time().Shown();
    ASSERT_EQ(back + 10, newest);
    const std::uint64_t tick = window.demo().TickCount();
    Click(window, QStringLiteral("btnKill"));
    EXPECT_FALSE(window.session().Time().LookingBack());
    EXPECT_EQ(window.session().Time().Newest(), back + 1);
    EXPECT_TRUE(ShownTokens(window).empty());
    const LessonLog& log = window.session().Log();
    for (const LogLine& line : log.Lines()) EXPECT_LE(line.moment, back + 1);
    const auto went = std::find_if(log.Lines().begin(), log.Lines().end(), [](const LogLine& l) {
        return l.kind == DecisionKind::WentBack;
    });
    ASSERT_NE(went, log.Lines().end());
    EXPECT_EQ(went->sentence,
              "Went back to tick " + std::to_string(tick) + ": the later moments are gone");
}

}  // namespace
}  // namespace bridging::ui::testing
