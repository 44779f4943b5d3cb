// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving the focus between the panes, and remembering where it was in each.
#include "ui/shell/panes.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace bridging::ui {
namespace {

bool Takes(const QWidget* control) {
    return control != nullptr && control->isVisible() && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) != 0;
}

}  // namespace

Panes::Panes(std::vector<std::vector<QWidget*>> panes)
    : panes_(std::move(panes)), last_(panes_.size()) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Focused(now); });
}

int Panes::PaneOf(const QWidget* widget) const {
    for (std::size_t pane = 0; pane < panes_.size(); ++pane) {
        const std::vector<QWidget*>& controls = panes_[pane];
        if (std::find(controls.begin(), controls.end(), widget) != controls.end())
            return static_cast<int>(pane);
    }
    return -1;
}

// An editable list's field takes the focus for its list.
void Panes::Focused(QWidget* now) {
    for (QWidget* widget = now; widget != nullptr; widget = widget->parentWidget()) {
        const int pane = PaneOf(widget);
        if (pane >= 0) {
            last_[static_cast<std::size_t>(pane)] = widget;
            return;
        }
        if (widget->isWindow()) return;
    }
}

void Panes::Move(int step) {
    const auto count = static_cast<int>(panes_.size());
    int from = -1;
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr && from < 0;
         widget = widget->parentWidget())
        from = PaneOf(widget);
    // From nowhere, the first pane (the last, going back) is the next one.
    const int start = from >= 0 ? from : (step > 0 ? -1 : count);
    for (int tried = 1; tried <= count; ++tried) {
        const int next = ((start + step * tried) % count + count) % count;
        if (next == from) return;
        const auto pane = static_cast<std::size_t>(next);
        QWidget* target = last_[pane];
        if (!Takes(target)) {
            const std::vector<QWidget*>& controls = panes_[pane];
            const auto first = std::find_if(controls.begin(), controls.end(), Takes);
            target = first != controls.end() ? *first : nullptr;
        }
        if (target != nullptr) {
            target->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

}  // namespace bridging::ui
