// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The actions that the keyboard and the context menu reach, the one table that
// binds each of them to its keys, and the routing of a pressed key. The key
// handling and the menu both read the table, so the menu lists every action in
// the table's order.
#pragma once

#include <QKeyCombination>
#include <QPoint>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>

#include "common/action.h"
#include "ui/shell/action_sink.h"

class QKeyEvent;
class QWidget;

namespace bridging::ui {

struct KeyBinding {
    Action action;
    // What the context menu says, and the key as the menu shows it.
    const char* text;
    const char* keyText;
    // Further keys for the same command; an empty combination is none.
    QKeyCombination key;
    QKeyCombination otherKey = QKeyCombination(Qt::Key_unknown);
};

std::span<const KeyBinding> KeyTable();

// The action bound to a pressed key, whatever widget has the focus.
std::optional<Action> ActionForKey(int key, Qt::KeyboardModifiers modifiers);

// Return and Enter press the focused button or check box, as Space does.
bool IsActivateKey(int key, Qt::KeyboardModifiers modifiers);

// Keys 1 to 4, the main ones or the keypad's, answer the question waiting:
// the index of the answer.
std::optional<std::size_t> AnswerForKey(int key, Qt::KeyboardModifiers modifiers);

// The keys that mean something only now, wherever the focus is: Escape leaves
// a lesson, and keys 1 to 4 answer while a question waits.
std::optional<Action> ActionForKeyNow(int key, Qt::KeyboardModifiers modifiers, bool inLesson,
                                      bool asking);

// Shift+F10 and the Menu key open the context menu at the focused control.
bool IsMenuKey(int key, Qt::KeyboardModifiers modifiers);

// A key on its way to `receiver`, the window's widget with the focus, as a
// shortcut override (`pressed` false) or a press: an action of the table is
// handed to `act`, Return or Enter clicks a focused button, and the menu keys
// ask `openMenu` for the menu at the receiver's centre. True when the key is
// the window's, and so goes no further.
bool RouteKey(QWidget& receiver, QKeyEvent& key, bool pressed, const ActionSink& act,
              const std::function<void(QPoint globalPos)>& openMenu);

}  // namespace bridging::ui
