// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The key table, matching a pressed key against it, and routing the key.
#include "ui/shell/keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <array>

#include "explain/lessons.h"
#include "explain/questions.h"

namespace bridging::ui {
namespace {

constexpr QKeyCombination Ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }

using enum ActionKind;

const std::array Table = {
    KeyBinding{Act(PauseResume), "Pause / Resume", "Ctrl+P", Ctrl(Qt::Key_P)},
    KeyBinding{Act(Back), "Back one moment", "Ctrl+,", Ctrl(Qt::Key_Comma)},
    KeyBinding{Act(Step), "Step one tick", "Ctrl+.", Ctrl(Qt::Key_Period)},
    KeyBinding{Act(BackTen), "Ten moments back", "Ctrl+Page Up", Ctrl(Qt::Key_PageUp)},
    KeyBinding{Act(ForwardTen), "Ten moments forward", "Ctrl+Page Down", Ctrl(Qt::Key_PageDown)},
    KeyBinding{Act(Oldest), "Oldest moment kept", "Ctrl+Home", Ctrl(Qt::Key_Home)},
    KeyBinding{Act(Newest), "Back to now", "Ctrl+End", Ctrl(Qt::Key_End)},
    KeyBinding{Act(Faster), "Faster", "Ctrl+Up", Ctrl(Qt::Key_Up)},
    KeyBinding{Act(Slower), "Slower", "Ctrl+Down", Ctrl(Qt::Key_Down)},
    KeyBinding{Act(ZoomIn), "Zoom in", "Ctrl+=", Ctrl(Qt::Key_Equal), Ctrl(Qt::Key_Plus)},
    KeyBinding{Act(ZoomOut), "Zoom out", "Ctrl+-", Ctrl(Qt::Key_Minus)},
    KeyBinding{Act(ActualSize), "Normal size (100 %)", "Ctrl+0", Ctrl(Qt::Key_0)},
    KeyBinding{Act(FitToScreen), "Fit to screen", "F11", QKeyCombination(Qt::Key_F11)},
    KeyBinding{Act(TogglePanel), "Lesson panel", "F2", QKeyCombination(Qt::Key_F2)},
    KeyBinding{Act(NextPane), "Next pane", "F6", QKeyCombination(Qt::Key_F6)},
    KeyBinding{Act(PreviousPane), "Previous pane", "Shift+F6",
               QKeyCombination(Qt::ShiftModifier, Qt::Key_F6)},
    KeyBinding{Act(GoToAsked), "Go to what the step asks for", "F8", QKeyCombination(Qt::Key_F8)},
    KeyBinding{Act(TogglePredict), explain::PredictMenuText, "F3", QKeyCombination(Qt::Key_F3)},
    KeyBinding{Act(ToggleLessons), explain::LessonsCaption.data(), "F4",
               QKeyCombination(Qt::Key_F4)},
    KeyBinding{Act(Kill), "Kill", "Ctrl+K", Ctrl(Qt::Key_K)},
    KeyBinding{Act(Renumber), "Renumber", "Ctrl+N", Ctrl(Qt::Key_N)},
    KeyBinding{Act(Reset), "Reset", "Ctrl+R", Ctrl(Qt::Key_R)},
    KeyBinding{Act(ToggleLearning), "Learning", "Ctrl+L", Ctrl(Qt::Key_L)},
    KeyBinding{Act(ToggleForwarding), "Forwarding", "Ctrl+F", Ctrl(Qt::Key_F)},
    KeyBinding{Act(PickScenario, 0), "One Bridge", "Ctrl+1", Ctrl(Qt::Key_1)},
    KeyBinding{Act(PickScenario, 1), "Two Bridges", "Ctrl+2", Ctrl(Qt::Key_2)},
    KeyBinding{Act(PickScenario, 2), "Two Manual", "Ctrl+3", Ctrl(Qt::Key_3)},
    KeyBinding{Act(PickScenario, 3), "Four Bridges", "Ctrl+4", Ctrl(Qt::Key_4)},
    KeyBinding{Act(PickScenario, 4), "Full Network", "Ctrl+5", Ctrl(Qt::Key_5)},
    KeyBinding{Act(ToggleBuild), "Build a network", "F5", QKeyCombination(Qt::Key_F5)},
    KeyBinding{Act(Undo), "Undo", "Ctrl+Z", Ctrl(Qt::Key_Z)},
    KeyBinding{Act(Redo), "Redo", "Ctrl+Shift+Z",
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z),
               Ctrl(Qt::Key_Y)},
    KeyBinding{Act(OpenNetwork), "Open network...", "Ctrl+O", Ctrl(Qt::Key_O)},
    KeyBinding{Act(SaveNetwork), "Save network", "Ctrl+S", Ctrl(Qt::Key_S)},
    KeyBinding{Act(SaveNetwork, 1), "Save network as...", "Ctrl+Shift+S",
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S)},
};

bool Matches(QKeyCombination bound, int key, Qt::KeyboardModifiers modifiers) {
    return bound.key() == key && bound.keyboardModifiers() == modifiers;
}

// The keypad's keys count as the main keys, and the plus sign needs Shift on
// most layouts.
Qt::KeyboardModifiers Significant(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    if (key == Qt::Key_Plus) modifiers &= ~Qt::ShiftModifier;
    return modifiers;
}

}  // namespace

std::span<const KeyBinding> KeyTable() { return Table; }

std::optional<Action> ActionForKey(int key, Qt::KeyboardModifiers modifiers) {
    modifiers = Significant(key, modifiers);
    for (const KeyBinding& binding : Table) {
        if (Matches(binding.key, key, modifiers) || Matches(binding.otherKey, key, modifiers))
            return binding.action;
    }
    return std::nullopt;
}

bool IsActivateKey(int key, Qt::KeyboardModifiers modifiers) {
    return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
           Significant(key, modifiers) == Qt::NoModifier;
}

std::optional<std::size_t> AnswerForKey(int key, Qt::KeyboardModifiers modifiers) {
    if (Significant(key, modifiers) != Qt::NoModifier || key < Qt::Key_1 || key > Qt::Key_4)
        return std::nullopt;
    return static_cast<std::size_t>(key - Qt::Key_1);
}

std::optional<Action> ActionForKeyNow(int key, Qt::KeyboardModifiers modifiers, bool inLesson,
                                      bool asking) {
    if (inLesson && key == Qt::Key_Escape && modifiers == Qt::NoModifier)
        return Act(ActionKind::LeaveLesson);
    const std::optional<std::size_t> answer = AnswerForKey(key, modifiers);
    if (answer && asking) return Act(ActionKind::Answer, static_cast<int>(*answer));
    return std::nullopt;
}

bool IsMenuKey(int key, Qt::KeyboardModifiers modifiers) {
    modifiers = Significant(key, modifiers);
    return (key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

// Accepting the override claims the key from the focused control's own
// editing keys; the key press that follows runs the command and goes no further.
bool RouteKey(QWidget& receiver, QKeyEvent& key, bool pressed, const ActionSink& act,
              const std::function<void(QPoint globalPos)>& openMenu) {
    const std::optional<Action> action = ActionForKey(key.key(), key.modifiers());
    auto* button = qobject_cast<QAbstractButton*>(&receiver);
    const bool activate = button != nullptr && IsActivateKey(key.key(), key.modifiers());
    const bool menu = IsMenuKey(key.key(), key.modifiers());
    if (!action && !activate && !menu) return false;
    if (!pressed) {
        key.accept();
        return true;
    }
    if (action) {
        act(*action);
    } else if (activate) {
        button->click();
    } else {
        openMenu(receiver.mapToGlobal(receiver.rect().center()));
    }
    return true;
}

}  // namespace bridging::ui
