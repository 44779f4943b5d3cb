// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lessons the program offers, in the order it lists them; each is defined
// in a file of its own.
#pragma once

#include <vector>

#include "lessons/lesson.h"

namespace bridging::lessons {

Lesson LearningAndFiltering();
Lesson BroadcastLoop();
Lesson TablesSetByHand();
Lesson CostsAndNumbering();
Lesson RenumberAndTree();

const std::vector<Lesson>& AllLessons();

}  // namespace bridging::lessons
