// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears from the real window without moving the focus:
// each utterance a new notification in the window's status bar, the ration
// while the frames run, the focused control's new name and a key's choice in a
// list, the events kept from the reader, and the short ways: F6 between the
// panes and F8 to the control a lesson's step asks for.
#include <QAccessible>
#include <QComboBox>
#include <QPushButton>

#include "ui/lesson/lesson_announcer.h"
#include "ui/shell/accessibility.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

using Kind = Telling::Kind;

QAccessibleInterface& Accessible(QObject& object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&object);
    if (iface == nullptr) throw std::runtime_error("no accessible interface");
    return *iface;
}

QString LastSaid(const MainWindow& window) {
    return window.announcer().Text().section(QLatin1Char('\n'), -1);
}

// A key as the user presses it, to the control with the focus.
void Key(MainWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &window, key, modifiers);
}

void Activate(MainWindow& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    static_cast<void>(QTest::qWaitForWindowActive(&window));
}

// A reader reads a notification as it shows, with its label; a second
// showing of the same object before it has read the first is a repeat to it.
TEST(Spoken, EachUtteranceIsANewNotificationInTheWindowsStatusBar) {
    MainWindow window;
    QAccessibleInterface* bar = window.announcer().Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::StatusBar);
    QAccessibleInterface& top = Accessible(window);
    EXPECT_EQ(bar->parent(), &top);
    EXPECT_EQ(top.child(top.childCount() - 1), bar);
    EXPECT_EQ(top.indexOfChild(bar), top.childCount() - 1);

    window.announcer().Say(QStringLiteral("Bridge #1 learns A\nThe frame reaches C"));
    QAccessibleInterface* first = bar->child(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->role(), QAccessible::Notification);
    EXPECT_EQ(first->parent(), bar);
    ASSERT_NE(first->child(0), nullptr);
    EXPECT_EQ(first->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(first->child(0)->text(QAccessible::Name),
              QStringLiteral("Bridge #1 learns A. The frame reaches C."));
    window.announcer().Say(QStringLiteral("Paused."));
    QAccessibleInterface* second = bar->child(0);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->child(0)->text(QAccessible::Name), QStringLiteral("Paused."));
}

// At most three sentences of what happened, the landmarks first, then the
// latest decisions; a repeat once; the rest counted; answers whole and in order.
TEST(Spoken, AnUtteranceSaysAFewOfWhatHappenedAndCountsTheRest) {
    const std::vector<Telling> tellings = {
        {QStringLiteral("Bridge #1 learns A."), Kind::Decision},
        {QStringLiteral("Bridge #1 floods C:A."), Kind::Decision},
        {QStringLiteral("C turns red."), Kind::Landmark},
        {QStringLiteral("Step 2 of 6: press C's Send."), Kind::Answer},
        {QStringLiteral("C turns red."), Kind::Landmark},
        {QStringLiteral("Bridge #1 forgets B."), Kind::Decision},
        {QStringLiteral("Bridge #2 blocks both ports."), Kind::Landmark},
    };
    EXPECT_EQ(Utterance(tellings, 3),
              QStringLiteral("C turns red. Step 2 of 6: press C's Send. Bridge #1 forgets B. "
                             "Bridge #2 blocks both ports. 3 more lines in the log."));
    EXPECT_EQ(Utterance({tellings[0], tellings[1]}, 3),
              QStringLiteral("Bridge #1 learns A. Bridge #1 floods C:A."));
    EXPECT_EQ(Utterance({tellings[2], tellings[4]}, 3),
              QStringLiteral("C turns red. 1 more line in the log."));
}

// While the reader still speaks, what ticks tell waits and is said in one
// utterance when it is done; a user's key throws the reader's queue away, so
// what waited is said at once, before the answer to the key.
TEST(Spoken, WhatTicksTellWaitsForTheReaderToBeDone) {
    QWidget window;
    LessonAnnouncer announcer(window);
    std::int64_t now = 1000;
    announcer.SetClock([&now] { return now; });
    const QString step = QStringLiteral("Step 1 of 6: make C the destination.");
    announcer.Tell({{step, Kind::Answer}}, true);
    const std::int64_t speaking = LessonAnnouncer::SpeakingMs(step);
    now += speaking / 2;
    announcer.Tell({{QStringLiteral("C turns red."), Kind::Landmark}}, false);
    announcer.Tell({{QStringLiteral("Bridge #1 learns C."), Kind::Decision}}, false);
    EXPECT_TRUE(announcer.Holding());
    EXPECT_EQ(announcer.Text(), step);
    now += speaking;
    QTest::qWait(static_cast<int>(speaking / 2 + 50));
    EXPECT_FALSE(announcer.Holding());
    EXPECT_EQ(announcer.Text(), step + QStringLiteral("\nC turns red. Bridge #1 learns C."));

    // Busy again: a tick's landmark waits, and the next key says it first.
    announcer.Tell({{QStringLiteral("Bridge #2 blocks both ports."), Kind::Landmark}}, false);
    EXPECT_TRUE(announcer.Holding());
    announcer.Tell({{QStringLiteral("Paused."), Kind::Answer}}, true);
    EXPECT_FALSE(announcer.Holding());
    EXPECT_TRUE(announcer.Text().endsWith(QStringLiteral("\nBridge #2 blocks both ports. Paused.")))
        << announcer.Text().toStdString();
    // Once the reader is done, a tick's sentence goes at once.
    now += 60'000;
    announcer.Tell({{QStringLiteral("C turns red."), Kind::Landmark}}, false);
    EXPECT_FALSE(announcer.Holding());
    EXPECT_TRUE(announcer.Text().endsWith(QStringLiteral("\nC turns red.")));
}

// Qt sends a name change as the object, which a reader cannot say: the
// window says the focused control's new name itself, and only that one's.
TEST(Spoken, TheFocusedControlsNewNameIsSaidAndItsEventKept) {
    MainWindow window;
    Activate(window);
    auto& letterC = Child<QPushButton>(window, QStringLiteral("Computer1_2_Command1"));
    letterC.setFocus();
    Accessible(letterC).actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(LastSaid(window), QStringLiteral("Station C, the destination."));
    auto& letterB = Child<QPushButton>(window, QStringLiteral("Computer1_1_Command1"));
    Accessible(letterB).actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(LastSaid(window), QStringLiteral("Station C, not the destination."));

    QAccessibleEvent focusedName(&letterC, QAccessible::NameChanged);
    QAccessibleEvent otherName(&letterB, QAccessible::NameChanged);
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent focusedState(&letterC, checked);
    EXPECT_FALSE(ReachesReader(focusedName));
    EXPECT_TRUE(ReachesReader(otherName));
    EXPECT_TRUE(ReachesReader(focusedState));
}

TEST(Spoken, ChoiceListsReadTheirNameAndChoiceAndSayAKeysChoice) {
    MainWindow window;
    Activate(window);
    window.Perform(Act(ActionKind::ToggleLessons));
    EXPECT_EQ(Accessible(Child(window, QStringLiteral("Combo1"))).text(QAccessible::Name),
              QStringLiteral("Example network"));
    auto& lessons = Child<QComboBox>(window, QStringLiteral("cboLesson"));
    EXPECT_EQ(Accessible(lessons).text(QAccessible::Name), QStringLiteral("Lessons"));
    QAccessibleTextInterface* choice = Accessible(lessons).textInterface();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->text(0, choice->characterCount()), lessons.currentText());

    ASSERT_TRUE(lessons.hasFocus());
    QTest::keyClick(&lessons, Qt::Key_Down);
    QCoreApplication::processEvents();
    ASSERT_EQ(lessons.currentIndex(), 1);
    EXPECT_EQ(choice->text(0, choice->characterCount()), lessons.currentText());
    EXPECT_EQ(LastSaid(window), lessons.currentText() + QLatin1Char('.'));
    // A choice made by the program is not the user's: nothing is said.
    const QString said = window.announcer().Text();
    lessons.setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.announcer().Text(), said);
}

// F6 goes round the control column, the network and the panel, each at the
// control last focused in it, and passes over the panel while it is hidden.
TEST(Spoken, F6GoesRoundThePanesAndShiftF6Back) {
    MainWindow window;
    Activate(window);
    QWidget& kill = Child(window, QStringLiteral("btnKill"));
    QWidget& sendB = Child(window, QStringLiteral("Computer1_1_btnKeys"));
    QWidget& panel = Child(window, QStringLiteral("LessonPanel"));
    kill.setFocus();
    Key(window, Qt::Key_F6);
    EXPECT_TRUE(Child(window, QStringLiteral("Computer1_0_Command1")).hasFocus());
    sendB.setFocus();
    Key(window, Qt::Key_F6);
    EXPECT_TRUE(kill.hasFocus());
    Key(window, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(sendB.hasFocus());

    window.Perform(Act(ActionKind::TogglePanel));
    Key(window, Qt::Key_F6);
    EXPECT_TRUE(panel.isAncestorOf(QApplication::focusWidget()));
    Key(window, Qt::Key_F6);
    EXPECT_TRUE(kill.hasFocus());
    Key(window, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(panel.isAncestorOf(QApplication::focusWidget()));
}

// Lesson 1's first step asks for C's letter, then A's Send: F8 goes to each
// in turn, and their description says why, after their own.
TEST(Spoken, F8GoesToTheControlTheStepAsksFor) {
    MainWindow window;
    Activate(window);
    window.Perform(Act(ActionKind::ToggleLessons));
    window.Perform(Act(ActionKind::StartLesson, 0));
    auto& letterC = Child<QPushButton>(window, QStringLiteral("Computer1_2_Command1"));
    Key(window, Qt::Key_F8);
    ASSERT_TRUE(letterC.hasFocus());
    EXPECT_TRUE(letterC.accessibleDescription().endsWith(
        QStringLiteral("(now A). The lesson asks you to press this.")))
        << letterC.accessibleDescription().toStdString();
    Key(window, Qt::Key_Space);
    auto& sendA = Child<QPushButton>(window, QStringLiteral("Computer1_0_btnKeys"));
    Key(window, Qt::Key_F8);
    EXPECT_TRUE(sendA.hasFocus());
    EXPECT_TRUE(sendA.accessibleDescription().endsWith(
        QStringLiteral("the destination. The lesson asks you to press this.")))
        << sendA.accessibleDescription().toStdString();
    EXPECT_FALSE(letterC.accessibleDescription().contains(QStringLiteral("lesson asks")));

    window.Perform(Act(ActionKind::LeaveLesson));
    Key(window, Qt::Key_F8);
    EXPECT_TRUE(sendA.hasFocus());
    EXPECT_EQ(LastSaid(window), QStringLiteral("No lesson is under way: F4 opens the lessons."));
}

}  // namespace
}  // namespace bridging::ui::testing
