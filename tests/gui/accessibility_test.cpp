// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the real window and hears change: the shown
// frames as children of the window, names that follow the core's state, and
// accessible actions that reach the core.
#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>
#include <array>

#include "ui/scene/token_layer.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

QAccessibleInterface& Accessible(QObject& object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&object);
    if (iface == nullptr) throw std::runtime_error("no accessible interface");
    return *iface;
}

// The names of the window's accessible children that are frames.
QStringList FrameNames(MainWindow& window) {
    QAccessibleInterface& drawing = Accessible(window);
    QStringList names;
    for (int i = 0; i < drawing.childCount(); ++i) {
        QAccessibleInterface* child = drawing.child(i);
        if (child->role() == QAccessible::Graphic) names << child->text(QAccessible::Name);
    }
    return names;
}

void TickUntilNoFrame(MainWindow& window) {
    for (int i = 0; i < 3000 && !ShownTokens(window).empty(); ++i) Tick(window);
}

void Toggle(QWidget& control) {
    Accessible(control).actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

TEST(Accessibility, WindowListsOnlyTheShownFramesByNameAndPlace) {
    MainWindow window;
    window.show();
    EXPECT_TRUE(FrameNames(window).isEmpty());

    Click(window, QStringLiteral("Computer1_2_Command1"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    const std::vector<int> shown = ShownTokens(window);
    ASSERT_FALSE(shown.empty());
    const QStringList names = FrameNames(window);
    EXPECT_EQ(names.size(), static_cast<qsizetype>(shown.size()));
    for (const QString& name : names)
        EXPECT_TRUE(name.startsWith(QStringLiteral("Frame C:A, from A to C, moving ")))
            << name.toStdString();

    // The child's place is its view's: where the frame is drawn.
    auto& view = Child<TokenView>(window, QStringLiteral("Packet1_%1").arg(shown.front()));
    QAccessibleInterface& frame = Accessible(view);
    EXPECT_EQ(Accessible(window).indexOfChild(&frame) >= 0, true);
    EXPECT_EQ(frame.rect().size(), view.size());
    // A free token's view is no child, though it exists.
    auto& free = Child<TokenView>(window, QStringLiteral("Packet1_%1").arg(PoolSize - 1));
    EXPECT_EQ(Accessible(window).indexOfChild(&Accessible(free)), -1);

    TickUntilNoFrame(window);
    EXPECT_TRUE(FrameNames(window).isEmpty());
    EXPECT_EQ(Accessible(window).indexOfChild(&frame), -1);
}

// Each view's name as it changes, over a frame's whole journey.
TEST(Accessibility, AFrameIsRenamedAsItTurns) {
    MainWindow window;
    Click(window, QStringLiteral("Computer1_2_Command1"));
    window.Perform(Act(ActionKind::ToggleLearning));
    window.Perform(Act(ActionKind::ToggleForwarding));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    std::array<QStringList, PoolSize> names;
    for (int tick = 0; tick < 300 && !ShownTokens(window).empty(); ++tick) {
        for (int k : ShownTokens(window)) {
            const QString now = Child(window, QStringLiteral("Packet1_%1").arg(k)).accessibleName();
            QStringList& seen = names[static_cast<std::size_t>(k)];
            if (seen.isEmpty() || seen.back() != now) seen << now;
        }
        Tick(window);
    }
    EXPECT_EQ(names[1].value(0), QStringLiteral("Frame C:A, from A to C, moving right"));
    EXPECT_TRUE(names[2].contains(QStringLiteral("Frame C:A, from A to C, moving down")))
        << names[2].join(QStringLiteral(" | ")).toStdString();
    // Token 0 first goes left, then carries the bridge's copy on the lower segment.
    EXPECT_EQ(names[0].value(0), QStringLiteral("Frame C:A, from A to C, moving left"));
    EXPECT_GE(names[0].size(), 2) << names[0].join(QStringLiteral(" | ")).toStdString();
}

TEST(Accessibility, RootButtonNameFollowsTheRootTheBridgeTakes) {
    MainWindow window;
    window.Perform(Act(ActionKind::PickScenario, 1));
    const auto& bridges = window.demo().Bridge1;
    const int low = bridges[0].BridgeNumber() < bridges[1].BridgeNumber() ? 0 : 1;
    const int high = 1 - low;
    auto& follower = Child<QPushButton>(window, QStringLiteral("Bridge1_%1_btnSpanTree").arg(high));
    const QString own = QStringLiteral("Bridge #%1, root %1: send spanning-tree frames")
                            .arg(bridges[static_cast<std::size_t>(high)].BridgeNumber());
    EXPECT_EQ(Accessible(follower).text(QAccessible::Name), own);

    Click(window, QStringLiteral("Bridge1_%1_btnSpanTree").arg(low));
    TickUntilNoFrame(window);
    EXPECT_EQ(Accessible(follower).text(QAccessible::Name),
              QStringLiteral("Bridge #%1, root %2: send spanning-tree frames")
                  .arg(bridges[static_cast<std::size_t>(high)].BridgeNumber())
                  .arg(bridges[static_cast<std::size_t>(low)].BridgeNumber()));
}

TEST(Accessibility, PortRowNameFollowsItsTable) {
    MainWindow window;
    window.Perform(Act(ActionKind::PickScenario, 0));
    auto& learn = Child<QCheckBox>(window, QStringLiteral("chkLearn"));
    auto& forward = Child<QCheckBox>(window, QStringLiteral("chkForward"));
    if (!learn.isChecked()) Toggle(learn);
    if (!forward.isChecked()) Toggle(forward);
    auto& row = Child<QLabel>(window, QStringLiteral("Bridge1_0_lblPortA"));
    const QString before = Accessible(row).text(QAccessible::Name);
    EXPECT_TRUE(before.endsWith(QStringLiteral("learned nothing"))) << before.toStdString();
    EXPECT_TRUE(before.startsWith(QStringLiteral("Port A, upper side: "))) << before.toStdString();

    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    TickUntilNoFrame(window);
    EXPECT_TRUE(Accessible(row).text(QAccessible::Name).endsWith(QStringLiteral("learned A")))
        << Accessible(row).text(QAccessible::Name).toStdString();
    // The other port's table learned nothing: its row keeps its name.
    EXPECT_TRUE(Accessible(Child(window, QStringLiteral("Bridge1_0_lblPortB")))
                    .text(QAccessible::Name)
                    .endsWith(QStringLiteral("learned nothing")));
}

TEST(Accessibility, StationLetterSaysDestinationAndArrival) {
    MainWindow window;
    window.Perform(Act(ActionKind::PickScenario, 0));
    auto& letterC = Child<QPushButton>(window, QStringLiteral("Computer1_2_Command1"));
    EXPECT_EQ(letterC.accessibleName(), QStringLiteral("Station C, not the destination"));
    Toggle(letterC);
    EXPECT_EQ(window.demo().iSelectedStation(), 3);
    EXPECT_TRUE(letterC.isChecked());
    EXPECT_EQ(letterC.accessibleName(), QStringLiteral("Station C, the destination"));
    // Toggling the destination again leaves it the destination, as a click does.
    Toggle(letterC);
    EXPECT_TRUE(letterC.isChecked());
    EXPECT_EQ(window.demo().iSelectedStation(), 3);

    window.Perform(Act(ActionKind::ToggleLearning));
    window.Perform(Act(ActionKind::ToggleForwarding));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    // The red mark lasts a few ticks; the name says so while it lasts.
    const auto marked = [&window] {
        return window.demo().Computer1[2].Number() == Computer::Marked;
    };
    for (int tick = 0; tick < 100 && !marked(); ++tick) Tick(window);
    ASSERT_TRUE(marked());
    EXPECT_EQ(letterC.accessibleName(),
              QStringLiteral("Station C, the destination, a frame has arrived"));
    for (int tick = 0; tick < 100 && marked(); ++tick) Tick(window);
    EXPECT_EQ(letterC.accessibleName(), QStringLiteral("Station C, the destination"));
    EXPECT_EQ(Child(window, QStringLiteral("Computer1_1_Command1")).accessibleName(),
              QStringLiteral("Station B, not the destination"));
}

TEST(Accessibility, AccessibleToggleOfTheBoxesReachesTheCore) {
    MainWindow window;
    auto& learn = Child<QCheckBox>(window, QStringLiteral("chkLearn"));
    const bool before = window.demo().chkLearn().value != 0;
    Toggle(learn);
    EXPECT_NE(window.demo().chkLearn().value != 0, before);
    EXPECT_NE(window.demo().Bridge1[0].bLearn(), before);
    // The next user action's showing keeps the box as the core now has it.
    window.Perform(Act(ActionKind::SetSpeed, window.demo().Speed()));
    EXPECT_NE(learn.isChecked(), before);

    // A change the core makes is shown, not sent back to it as the user's.
    auto& forward = Child<QCheckBox>(window, QStringLiteral("chkForward"));
    const bool forwarding = forward.isChecked();
    window.Perform(Act(ActionKind::ToggleForwarding));
    EXPECT_NE(forward.isChecked(), forwarding);
    EXPECT_NE(window.demo().chkForward().value != 0, forwarding);
}

}  // namespace
}  // namespace bridging::ui::testing
