// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson in the real window: F4, the first lesson's first step with its
// outline on what it asks to press, Show me, the step's question, the step done.
#include <QComboBox>

#include "explain/lessons.h"
#include "lessons/catalogue.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/shell/action_widgets.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

int MarksShown(QWidget& window) {
    int shown = 0;
    for (QWidget* mark : window.findChildren<QWidget*>(QStringLiteral("LessonMark")))
        shown += mark->isVisible() ? 1 : 0;
    return shown;
}

// Every press that a lesson makes or asks for has its control in the window's
// one table between actions and widgets, so that the outline and the words for
// a screen reader never go missing when a control is renamed or moved.
TEST(LessonWindow, EveryPressOfEveryLessonHasItsControl) {
    MainWindow window;
    int presses = 0;
    for (const lessons::Lesson& lesson : lessons::AllLessons()) {
        std::vector<Action> actions = lesson.setup;
        for (const lessons::Step& step : lesson.steps)
            actions.insert(actions.end(), step.showMe.begin(), step.showMe.end());
        for (Action action : actions) {
            // A number is worn by one of the six bridges, whichever Renumber chose.
            if (action.kind == ActionKind::RootButtonNumbered)
                action = Act(ActionKind::RootButton, action.index - 1);
            EXPECT_NE(window.actionWidgets().For(action), nullptr)
                << lesson.title << ": action " << static_cast<int>(action.kind);
            ++presses;
        }
    }
    EXPECT_GT(presses, 40);
}

TEST(LessonWindow, F4ShowMeAndTheFirstStepDone) {
    MainWindow window;
    window.show();
    QTest::keyClick(&window, Qt::Key_F4);
    ASSERT_TRUE(window.lessonPanel().isVisible());
    Click(window, QStringLiteral("btnLessonStart"));
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblLesson")).text(),
              QStringLiteral("Learning and filtering: Step 1 of 6"));
    // C's letter and A's Send are asked for, and say so to a screen reader.
    EXPECT_EQ(MarksShown(window), 2);
    EXPECT_TRUE(Child(window, QStringLiteral("Computer1_0_btnKeys"))
                    .accessibleDescription()
                    .endsWith(QString::fromUtf8(explain::AskedToPressDescription.data())));
    Click(window, QStringLiteral("btnShowMe"));
    EXPECT_EQ(window.demo().iSelectedStation(), 3);
    int ticks = 0;
    while (!window.session().Predict().Asking() && ticks++ < 200) Tick(window);
    ASSERT_TRUE(window.session().Predict().Asking())
        << "the step's question, with predict mode off";
    QTest::keyClick(
        &window,
        Qt::Key_1 + static_cast<int>(window.session().Predict().Questions().Current()->right));
    for (int i = 0; i < 100 && window.demo().Bridge1[0].PortATable()[0] != 1; ++i) Tick(window);
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblLesson")).text(),
              QStringLiteral("Learning and filtering: Step 2 of 6"));
    EXPECT_EQ(MarksShown(window), 2);  // A's letter, C's Send
    // Escape leaves the lesson; the network stays as it stands.
    const Simulation before = window.demo();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(MarksShown(window), 0);
    EXPECT_TRUE(window.demo() == before);
    EXPECT_TRUE(Child(window, QStringLiteral("lblTick")).isVisible());
}

// Every lesson, through the window's own Show me and the real widgets it
// presses, reaches its end with every step done; its questions are answered
// by key as they come.
TEST(LessonWindow, EveryLessonEndsThroughShowMe) {
    const int count = static_cast<int>(lessons::AllLessons().size());
    for (int lesson = 0; lesson < count; ++lesson) {
        SCOPED_TRACE(lesson);
        MainWindow window;
        window.show();
        QTest::keyClick(&window, Qt::Key_F4);
        Child<QComboBox>(window, QStringLiteral("cboLesson")).setCurrentIndex(lesson);
        Click(window, QStringLiteral("btnLessonStart"));
        auto& heading = Child<QLabel>(window, QStringLiteral("lblLesson"));
        QString shownMe;
        for (int tick = 0; tick < 8000 && heading.text().contains(QStringLiteral("Step")); ++tick) {
            if (window.session().Predict().Asking()) {
                QTest::keyClick(&window, Qt::Key_3);
                continue;
            }
            if (shownMe != heading.text()) {
                shownMe = heading.text();
                Click(window, QStringLiteral("btnShowMe"));
            }
            Tick(window);
        }
        EXPECT_EQ(heading.text().toStdString(), lessons::AllLessons()[lesson].title);
        EXPECT_TRUE(Child<QLabel>(window, QStringLiteral("lblLessonStep"))
                        .text()
                        .contains(QStringLiteral("Steps skipped: 0")))
            << Child<QLabel>(window, QStringLiteral("lblLessonStep")).text().toStdString();
        // A screen reader hears the summary too, each of its lines a sentence.
        const QString said = window.announcer().Text();
        EXPECT_TRUE(said.contains(QStringLiteral("Lesson done: ") +
                                  QString::fromStdString(lessons::AllLessons()[lesson].title)));
        EXPECT_TRUE(said.contains(QStringLiteral("Steps skipped: 0. Questions right")))
            << said.toStdString();
    }
}

}  // namespace
}  // namespace bridging::ui::testing
