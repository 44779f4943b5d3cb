// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first exercise: one bridge learns where the stations are, floods what it
// does not know, passes on what it knows and filters what stays on its side.
#include "lessons/catalogue.h"
#include "lessons/shorthand.h"

namespace bridging::lessons {

using namespace shorthand;
using predict::Topic;

Lesson LearningAndFiltering() {
    constexpr int bridge = 0;
    return {
        "Learning and filtering",
        "One bridge joins two segments. Watch it learn on which side each station lies, and "
        "keep a frame on its own side when it can.",
        {Pick(OneBridge), Learning(true), Forwarding(true)},
        {
            {"Make C the destination, then press A's Send. The bridge learns that A lies above "
             "it (its top row now reads A), does not know C yet, and so passes the frame down.",
             {{Learned{bridge, A, PortA}, ByBridge(DecisionKind::Floods, bridge)}},
             {LetterOf(C), SendFrom(A)},
             Ask(bridge, Topic::Flooding)},
            {"Make A the destination, then press C's Send. The bridge learns C below it, and "
             "knows A lies on the other side: the frame goes up.",
             {{Learned{bridge, C, PortB}, ForFrameTo(DecisionKind::Forwards, A, bridge)}},
             {LetterOf(A), SendFrom(C)},
             Ask(bridge, Topic::Forwarding)},
            {"Make A the destination, then press B's Send. Will the frame appear below the "
             "bridge? A lies on the side the frame came from.",
             {{ForFrameTo(DecisionKind::Filters, A, bridge)}},
             {LetterOf(A), SendFrom(B)},
             Ask(bridge, Topic::Filtering)},
            {"Untick Forwarding, make B the destination and press D's Send. The port rows read "
             "\"Blocking\" and the frame does not cross, but the bridge still learns D below it.",
             {{BoxTicked{Box::Forwarding, false}, Learned{bridge, D, PortB},
               ByBridge(DecisionKind::HeldByBlocking, bridge)}},
             {Forwarding(false), LetterOf(B), SendFrom(D)},
             Ask(bridge, Topic::Held)},
            {"Tick Forwarding again and untick Learning: the tables freeze. Make C the "
             "destination and press D's Send: the bridge still filters from what its tables "
             "hold.",
             {{BoxTicked{Box::Forwarding, true}, BoxTicked{Box::Learning, false},
               ForFrameTo(DecisionKind::Filters, C, bridge)}},
             {Forwarding(true), Learning(false), LetterOf(C), SendFrom(D)},
             {}},
            {"Press Reset, tick both boxes again, make A the destination and press C's Send, "
             "then Ctrl+. (Step) to pause. Step on one tick at a time until the copy on the "
             "link line touches the bridge's bottom edge: which row will change? One more "
             "step and the bridge learns C in its bottom row.",
             {{Decision(DecisionKind::Reset), BoxTicked{Box::Learning, true},
               BoxTicked{Box::Forwarding, true}, Learned{bridge, C, PortB}}},
             {ResetPress(), Learning(true), Forwarding(true), LetterOf(A), SendFrom(C)},
             {}},
        },
    };
}

}  // namespace bridging::lessons
