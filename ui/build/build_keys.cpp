// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Matching the editor's keys to the nudges and the deletion of the network's elements.
#include "ui/build/build_keys.h"

#include "network/place.h"
#include "session/session.h"

namespace bridging::ui {

std::optional<Action> BuildActionForKey(int key, Qt::KeyboardModifiers modifiers,
                                        const session::Session& session, bool inTextField) {
    const network::Plan* plan = session.Plan();
    if (!session.Building() || plan == nullptr) return std::nullopt;
    modifiers &= ~Qt::KeypadModifier;
    const network::Element selected = session.Selected();
    if (key == Qt::Key_Delete && modifiers == Qt::NoModifier && !inTextField) {
        if (const auto edit = network::DeleteEdit(*plan, selected)) return EditAction(*edit);
        return std::nullopt;
    }
    const bool alt = modifiers == Qt::AltModifier;
    const bool altShift = modifiers == (Qt::AltModifier | Qt::ShiftModifier);
    if (!alt && !altShift) return std::nullopt;
    std::optional<network::Nudge> nudge;
    switch (key) {
        case Qt::Key_Left:
            nudge = network::Nudge::Left;
            break;
        case Qt::Key_Right:
            nudge = network::Nudge::Right;
            break;
        case Qt::Key_Up:
            nudge = network::Nudge::Up;
            break;
        case Qt::Key_Down:
            nudge = network::Nudge::Down;
            break;
        default:
            return std::nullopt;
    }
    const auto edit = network::NudgeEdit(*plan, selected, *nudge, altShift ? LongNudge : 1);
    if (!edit) return std::nullopt;
    return EditAction(*edit);
}

}  // namespace bridging::ui
