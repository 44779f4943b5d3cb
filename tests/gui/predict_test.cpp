// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Predict mode in the real window: the question before a bridge decides, an
// answer by key, and the frames' fate the same whatever the class answers.
#include <QComboBox>
#include <QPushButton>
#include <random>

#include "ui/lesson/lesson_panel.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

// "One Bridge" with both boxes ticked and C the destination; `station` sends.
void Road(MainWindow& window, int station) {
    Click(window, QStringLiteral("chkLearn"));
    Click(window, QStringLiteral("chkForward"));
    Click(window, QStringLiteral("Computer1_2_Command1"));
    Click(window, QStringLiteral("Computer1_%1_btnKeys").arg(station));
}

bool BridgeDecided(const MainWindow& window) {
    const LessonLog& log = window.session().Log();
    return std::any_of(log.Lines().begin(), log.Lines().end(), [](const LogLine& line) {
        return line.element == ElementKind::Bridge && line.kind != DecisionKind::Learns;
    });
}

TEST(PredictWindow, F3AsksBeforeTheBridgeDecidesAndKeyTwoAnswers) {
    MainWindow window;
    window.show();
    QTest::keyClick(&window, Qt::Key_F3);
    Road(window, 0);
    auto& pause = Child<QWidget>(window, QStringLiteral("btnPause"));
    pause.setFocus();
    int ticks = 0;
    while (!window.session().Predict().Asking() && ticks++ < 200) Tick(window);
    ASSERT_TRUE(window.session().Predict().Asking());
    EXPECT_FALSE(BridgeDecided(window));
    EXPECT_FALSE(window.ticking());
    EXPECT_EQ(window.demo().btnPause().caption, "Resume");
    EXPECT_EQ(window.focusWidget(), &pause);  // the question takes no focus
    EXPECT_TRUE(window.lessonPanel().isVisible());
    EXPECT_TRUE(Child<QLabel>(window, QStringLiteral("lblQuestion"))
                    .text()
                    .startsWith(QStringLiteral("Bridge #1 is about to receive C:A on port A")));
    const predict::Question question = *window.session().Predict().Questions().Current();
    EXPECT_TRUE(Child(window, QStringLiteral("btnAnswer3")).isVisible());
    // The timer keeps firing: the question holds the tick.
    Tick(window, 5);
    EXPECT_FALSE(BridgeDecided(window));

    QTest::keyClick(&window, Qt::Key_2);
    EXPECT_FALSE(window.session().Predict().Asking());
    EXPECT_TRUE(BridgeDecided(window));
    EXPECT_TRUE(window.ticking());
    const QString feedback = Child<QLabel>(window, QStringLiteral("lblFeedback")).text();
    EXPECT_TRUE(feedback.contains(QString::fromStdString(question.reason)))
        << feedback.toStdString();
    EXPECT_EQ(feedback.startsWith(QStringLiteral("Right.")), question.right == 1);
    EXPECT_EQ(window.session().Predict().Questions().Score(),
              question.right == 1 ? "First tries right: 1 of 1" : "First tries right: 0 of 1");
    EXPECT_TRUE(Child(window, QStringLiteral("btnWatchAgain")).isVisible());
    EXPECT_FALSE(Child(window, QStringLiteral("btnAnswer1")).isVisible());
}

// Two windows take the same session, one of them in predict mode, asking
// about every decision and stopping before blocks, with its questions met by
// any key, a click, Resume or Step: after as many ticks, the simulations are equal.
TEST(PredictWindow, AnswersNeverChangeWhatHappens) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        MainWindow plain;
        MainWindow asked;
        asked.Perform(Act(ActionKind::TogglePredict));
        Click(asked, QStringLiteral("chkAskEvery"));
        asked.Perform(Act(ActionKind::PickScenario, seed % 2 == 0 ? 1 : 0));
        plain.Perform(Act(ActionKind::PickScenario, seed % 2 == 0 ? 1 : 0));
        std::mt19937 draw(seed);
        int questions = 0;
        for (MainWindow* window : {&plain, &asked}) Road(*window, 0);
        for (std::uint64_t tick = 1; tick <= 160; ++tick) {
            for (MainWindow* window : {&plain, &asked}) {
                if (tick % 50 == 0)
                    Click(*window, QStringLiteral("Bridge1_%1_btnSpanTree").arg(tick % 100 == 0));
                if (tick % 30 == 0)
                    Click(*window, QStringLiteral("Computer1_%1_btnKeys").arg(tick / 30 % 3));
            }
            Tick(plain);
            int guard = 0;
            while (asked.demo().TickCount() < plain.demo().TickCount() && guard++ < 20) {
                if (!asked.session().Predict().Asking()) {
                    if (asked.demo().Running())
                        Tick(asked);
                    else
                        asked.Perform(Act(ActionKind::PauseResume));
                    continue;
                }
                ++questions;
                switch (draw() % 4) {
                    case 0:
                        QTest::keyClick(&asked, Qt::Key(Qt::Key_1 + draw() % 4));
                        break;
                    case 1:
                        Click(asked, QStringLiteral("btnAnswer1"));
                        break;
                    case 2:
                        asked.Perform(Act(ActionKind::PauseResume));
                        break;
                    default:
                        asked.Perform(Act(ActionKind::Step));
                        break;
                }
            }
            ASSERT_EQ(asked.demo().TickCount(), plain.demo().TickCount());
            if (!asked.demo().Running()) asked.Perform(Act(ActionKind::PauseResume));
        }
        EXPECT_GT(questions, 0);
        EXPECT_TRUE(asked.demo() == plain.demo());
    }
}

// The class answers aloud: Step reveals, unscored, and the animation runs on
// as before; Watch again shows the question's moment, then its tick.
TEST(PredictWindow, StepRevealsAndWatchAgainPlaysTheTickOnceMore) {
    MainWindow window;
    window.show();
    QTest::keyClick(&window, Qt::Key_F3);
    Road(window, 0);
    for (int i = 0; i < 200 && !window.session().Predict().Asking(); ++i) Tick(window);
    const history::Moment asked = *window.session().Predict().AskedIn();
    QTest::keyClick(&window, Qt::Key_Period, Qt::ControlModifier);
    EXPECT_FALSE(window.session().Predict().Asking());
    EXPECT_TRUE(window.ticking());
    EXPECT_EQ(window.session().Predict().Questions().Score(), "First tries right: 0 of 0");
    EXPECT_TRUE(Child<QLabel>(window, QStringLiteral("lblFeedback"))
                    .text()
                    .startsWith(QStringLiteral("The answer is")));
    Tick(window, 3);
    Click(window, QStringLiteral("btnWatchAgain"));
    EXPECT_EQ(window.session().Time().Shown(), asked);
    EXPECT_EQ(window.demo().Bridge1[0].PortATable()[0], -1);  // not learned yet
    QTRY_COMPARE_WITH_TIMEOUT(window.session().Time().Shown(), asked + 1, 2000);
    EXPECT_EQ(window.demo().Bridge1[0].PortATable()[0], 1);
    // Back at the present, the question is not asked again.
    QTest::keyClick(&window, Qt::Key_End, Qt::ControlModifier);
    Tick(window, 3);
    EXPECT_FALSE(window.session().Predict().Asking());
}

TEST(PredictWindow, StopBeforeAFramesArrivalPausesWithTheReasonOnce) {
    MainWindow window;
    window.show();
    auto& stop = Child<QComboBox>(window, QStringLiteral("cboStopBefore"));
    stop.setCurrentIndex(static_cast<int>(predict::StopBefore::FrameArrives));
    emit stop.activated(stop.currentIndex());
    Road(window, 0);
    const auto arrived = [&window] {
        const LessonLog& log = window.session().Log();
        return std::count_if(log.Lines().begin(), log.Lines().end(), [](const LogLine& line) {
            return line.kind == DecisionKind::FrameArrives;
        });
    };
    for (int i = 0; i < 200 && window.ticking(); ++i) Tick(window);
    ASSERT_FALSE(window.ticking());
    EXPECT_EQ(arrived(), 0);
    const LogLine& why =
        *std::find_if(window.session().Log().Lines().begin(), window.session().Log().Lines().end(),
                      [](const LogLine& line) { return line.kind == DecisionKind::StoppedBefore; });
    EXPECT_EQ(why.sentence, "Stopped before: The frame C:A reaches station C: C turns red.");
    window.Perform(Act(ActionKind::PauseResume));
    Tick(window);
    EXPECT_TRUE(window.ticking());
    EXPECT_EQ(arrived(), 1);
}

}  // namespace
}  // namespace bridging::ui::testing
