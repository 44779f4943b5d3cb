// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The account of decisions in words: one English sentence per record, naming
// things as the window shows them.
#pragma once

#include <string>

#include "common/decision.h"

namespace bridging::explain {

// The sentence for any record; the one place that picks the words by kind.
std::string Sentence(const Decision& decision);

}  // namespace bridging::explain
