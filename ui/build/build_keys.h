// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys that edit the drawing while a network is built: Alt and an arrow
// move the element selected one step of the lattice (with Shift, five), and
// Delete deletes it, wherever the focus is but in a field that edits text.
#pragma once

#include <Qt>
#include <optional>

#include "common/action.h"

namespace bridging::session {
class Session;
}

namespace bridging::ui {

// The steps Alt+Shift and an arrow take at once.
inline constexpr int LongNudge = 5;

// The edit a key makes now; none when the key is not the editor's or there
// is nothing selected that it could move or delete. `inTextField`: the
// focused control edits text, so Delete is its own.
std::optional<Action> BuildActionForKey(int key, Qt::KeyboardModifiers modifiers,
                                        const session::Session& session, bool inTextField);

}  // namespace bridging::ui
