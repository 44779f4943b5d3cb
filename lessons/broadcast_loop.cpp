// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The second exercise: two bridges close a loop and a frame circles it for
// ever, until the root's spanning-tree frames make the other bridge block.
#include "lessons/catalogue.h"
#include "lessons/shorthand.h"

namespace bridging::lessons {

using namespace shorthand;
using predict::Topic;

Lesson BroadcastLoop() {
    // Bridge #1 is the right-hand bridge, Bridge #2 the left-hand one.
    constexpr int first = 0;
    constexpr int second = 1;
    return {
        "The broadcast loop and the root buttons",
        "Two bridges join the same two segments, which makes a loop. Watch a frame circle it, "
        "then break the loop with the root buttons.",
        {Pick(TwoBridges), Learning(true), Forwarding(true)},
        {
            {"Make C the destination, then press A's Send. Both bridges pass the frame down; "
             "each copy goes up through the other bridge and back: the frame circles the loop "
             "for ever. Bridge #1 ends up with A in its bottom row, because a copy of A's frame "
             "came up to it from below.",
             {{Learned{first, A, PortB}}},
             {LetterOf(C), SendFrom(A)},
             Ask(first, Topic::Flooding)},
            {"Press Kill. The frames are gone; the bridges keep what they learned.",
             {{Decision(DecisionKind::Kill), NoFrames{}}},
             {KillPress()},
             {}},
            {"Press the root button of Bridge #2, the left-hand bridge. It offers itself as "
             "root 2; Bridge #1 knows a lower root, itself, and ignores it.",
             {{ByBridge(DecisionKind::IgnoresWorseRoot, first), NoFrames{}}},
             {RootOf(second)},
             Ask(first, Topic::IgnoredRoot)},
            {"Press the root button of Bridge #1, the right-hand bridge. Its spanning-tree "
             "frames reach Bridge #2 from both sides: Bridge #2 takes bridge 1 for the root and "
             "blocks both ports. The loop is broken.",
             {{TakesRoot{second, 1}, BlocksBoth{second}}},
             {RootOf(first)},
             Ask(second, Topic::Block)},
            {"Make D the destination and press A's Send. Bridge #1 passes the frame down and "
             "Bridge #2 keeps it: it crosses once.",
             {{ReachesStation(D), ByBridge(DecisionKind::HeldByBlocked, second)}},
             {LetterOf(D), SendFrom(A)},
             Ask(second, Topic::Held)},
            {"Make A the destination and press C's Send. Bridge #1 now knows that A lies above "
             "it: the frame crosses once, through Bridge #1.",
             {{ReachesStation(A), ForFrameTo(DecisionKind::Forwards, A, first)}},
             {LetterOf(A), SendFrom(C)},
             Ask(first, Topic::Forwarding)},
        },
    };
}

}  // namespace bridging::lessons
