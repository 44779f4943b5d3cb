// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fourth exercise: the root buttons pressed in order build the spanning
// tree of the whole network; Renumber then draws new costs and numbers.
#include <string>

#include "lessons/catalogue.h"
#include "lessons/shorthand.h"

namespace bridging::lessons {

using namespace shorthand;
using predict::Topic;

namespace {

Step PressInOrder(int bridge, std::string text, std::optional<predict::Cue> cue) {
    return {std::move(text),
            {{ByBridge(DecisionKind::Originates, bridge), NoFrames{}}},
            {RootOf(bridge)},
            cue};
}

}  // namespace

Lesson CostsAndNumbering() {
    Step last = PressInOrder(5,
                             "Press Bridge #6's root button and let the frames settle. Bridges "
                             "#3, #4 and #6 end \"Blocked\"; #1, #2 and #5 join all four "
                             "segments without a loop.",
                             Ask(std::nullopt, Topic::Block));
    last.goal.all.insert(last.goal.all.end(),
                         {BlocksBoth{2}, BlocksBoth{3}, BlocksBoth{5}, TakesRoot{{}, 1}});
    return {
        "Costs and numbering",
        "Four segments, six bridges, six stations. Press the root buttons one at a time, "
        "Bridge #1 first, and let the frames of each settle before the next: there are only "
        "sixteen frame tokens.",
        {Pick(FullNetwork), Learning(true), Forwarding(true)},
        {
            PressInOrder(0,
                         "Press Bridge #1's root button and let its frames settle, until no "
                         "frame moves. The bridges beside it take bridge 1 for the root.",
                         Ask(std::nullopt, Topic::NewRoot)),
            PressInOrder(1, "Press Bridge #2's root button and let the frames settle.", {}),
            PressInOrder(2, "Press Bridge #3's root button and let the frames settle.", {}),
            PressInOrder(3, "Press Bridge #4's root button and let the frames settle.", {}),
            PressInOrder(4, "Press Bridge #5's root button and let the frames settle.", {}),
            last,
            {"Make C the destination and press A's Send: the frame still reaches C.",
             {{ReachesStation(C)}},
             {LetterOf(C), SendFrom(A)},
             {}},
            {"Make E the destination and press F's Send: every station is still reached.",
             {{ReachesStation(E)}},
             {LetterOf(E), SendFrom(F)},
             {}},
            {"Press Renumber. The small numbers beside the arrows are the new port costs, the "
             "\"Bridge #\" labels the new numbers; every bridge is its own root again, and "
             "Forwarding is unticked.",
             {{Decision(DecisionKind::Renumber), BoxTicked{Box::Forwarding, false}}},
             {RenumberPress()},
             {}},
            {"Tick Forwarding again. Which bridge will be the root? The one now numbered 1: "
             "press its root button and let the frames settle.",
             {{BoxTicked{Box::Forwarding, true}, PressedRootOfNumber(1), NoFrames{}}},
             {Forwarding(true), RootNumbered(1)},
             Ask(std::nullopt, Topic::NewRoot)},
        },
    };
}

}  // namespace bridging::lessons
