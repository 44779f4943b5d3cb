// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's commands that the keyboard and the context menu reach, the one
// table that binds each of them to its keys, and the routing of a pressed key.
// The key handling and the menu both read the table, so the menu lists every
// command in the table's order.
#pragma once

#include <QKeyCombination>
#include <QPoint>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>

class QKeyEvent;
class QWidget;

namespace bridging::ui {

enum class Command {
    PauseResume,
    // Back in time and forward again; Step is one moment forward while looking back.
    Back,
    Step,
    BackTen,
    ForwardTen,
    Oldest,
    Newest,
    Faster,
    Slower,
    ZoomIn,
    ZoomOut,
    ActualSize,
    FitToScreen,
    LessonPanel,
    Predict,
    Lessons,
    Kill,
    Renumber,
    Reset,
    Learning,
    Forwarding,
    OneBridge,
    TwoBridges,
    TwoManual,
    FourBridges,
    FullNetwork,
};

struct KeyBinding {
    Command command;
    // What the context menu says, and the key as the menu shows it.
    const char* text;
    const char* keyText;
    // Further keys for the same command; an empty combination is none.
    QKeyCombination key;
    QKeyCombination otherKey = QKeyCombination(Qt::Key_unknown);
};

std::span<const KeyBinding> KeyTable();

// The command bound to a pressed key, whatever widget has the focus.
std::optional<Command> CommandForKey(int key, Qt::KeyboardModifiers modifiers);

// Return and Enter press the focused button or check box, as Space does.
bool IsActivateKey(int key, Qt::KeyboardModifiers modifiers);

// Keys 1 to 4, the main ones or the keypad's, answer the question waiting:
// the index of the answer.
std::optional<std::size_t> AnswerForKey(int key, Qt::KeyboardModifiers modifiers);

// Shift+F10 and the Menu key open the context menu at the focused control.
bool IsMenuKey(int key, Qt::KeyboardModifiers modifiers);

// The list entry that a scenario command picks, or -1 for other commands.
int ScenarioIndex(Command command);

// A key on its way to `receiver`, the window's widget with the focus, as a
// shortcut override (`pressed` false) or a press: a command of the table is
// handed to `run`, Return or Enter clicks a focused button, and the menu keys
// ask `openMenu` for the menu at the receiver's centre. True when the key is
// the window's, and so goes no further.
bool RouteKey(QWidget& receiver, QKeyEvent& key, bool pressed,
              const std::function<void(Command)>& run,
              const std::function<void(QPoint globalPos)>& openMenu);

}  // namespace bridging::ui
