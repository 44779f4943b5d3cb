// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a Renumber does to the tree: with new numbers and costs, the class
// predicts which bridges will block and then watches the tree form again. The
// goals hold whatever numbering Renumber draws.
#include <string>

#include "lessons/catalogue.h"
#include "lessons/shorthand.h"

namespace bridging::lessons {

using namespace shorthand;
using predict::Topic;

namespace {

constexpr int LastNumber = 6;

Step PressNumbered(int number) {
    const std::string n = std::to_string(number);
    return {"Press the root button of the bridge now numbered " + n +
                " and let the frames settle. Which bridges will block?",
            {{PressedRootOfNumber(number), NoFrames{}}},
            {RootNumbered(number)},
            Ask(std::nullopt, Topic::Block)};
}

}  // namespace

Lesson RenumberAndTree() {
    Lesson lesson{
        "What a Renumber does to the tree",
        "Renumber draws new port costs and a new numbering of the bridges. The tree the root "
        "buttons build then changes: predict which bridges will block, then watch.",
        {Pick(FullNetwork), Forwarding(true)},
        {
            {"Press Renumber, then tick Forwarding again, which Renumber unticked. Every bridge "
             "is its own root again, with both ports \"Blocking\".",
             {{Decision(DecisionKind::Renumber), BoxTicked{Box::Forwarding, true}}},
             {RenumberPress(), Forwarding(true)},
             {}},
            {"Which bridge will be the root? Press the root button of the bridge now numbered "
             "1 and let its frames settle: the bridges beside it take it for the root.",
             {{PressedRootOfNumber(1), NoFrames{}}},
             {RootNumbered(1)},
             Ask(std::nullopt, Topic::NewRoot)},
        },
    };
    for (int number = 2; number <= LastNumber; ++number)
        lesson.steps.push_back(PressNumbered(number));
    lesson.steps.back().goal.all.insert(lesson.steps.back().goal.all.end(),
                                        {TakesRoot{{}, 1}, BlocksBoth{}});
    lesson.steps.back().text +=
        " Every bridge now takes bridge 1 for the root; compare the blocked bridges with the "
        "tree before Renumber.";
    return lesson;
}

}  // namespace bridging::lessons
