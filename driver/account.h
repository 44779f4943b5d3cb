// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the main window's logic hands the records of its decisions: a small
// interface that a log, a screen-reader feed or a test implements.
#pragma once

#include "common/decision.h"

namespace bridging {

// Receives each record as the decision is taken, synchronously. A record says
// what was decided; the receiver must not call back into the window's logic.
class DecisionAccount {
public:
    virtual ~DecisionAccount() = default;
    virtual void Record(const Decision& decision) = 0;
    // Whether it also hears of every frame reaching a bridge, ahead of the
    // bridge's decisions about it (a look-ahead groups them by it).
    virtual bool WantsArrivals() const { return false; }
};

}  // namespace bridging
