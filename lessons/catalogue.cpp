// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of lessons, made once.
#include "lessons/catalogue.h"

namespace bridging::lessons {

const std::vector<Lesson>& AllLessons() {
    static const std::vector<Lesson> all = {LearningAndFiltering(), BroadcastLoop(),
                                            TablesSetByHand(), CostsAndNumbering(),
                                            RenumberAndTree()};
    return all;
}

}  // namespace bridging::lessons
