// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The third exercise: the loop of two bridges whose tables were filled in by
// hand passes every frame without circling, until learning spoils the tables.
#include "lessons/catalogue.h"
#include "lessons/shorthand.h"

namespace bridging::lessons {

using namespace shorthand;
using predict::Topic;

Lesson TablesSetByHand() {
    constexpr int first = 0;
    constexpr int second = 1;
    return {
        "Tables set by hand",
        "The loop of \"Two Bridges\", with both bridges' tables filled in by hand: A and B in "
        "their top row, C and D in their bottom row. Only Forwarding is ticked.",
        {Pick(TwoManual), Forwarding(true)},
        {
            {"Make C the destination, then press A's Send. Both bridges know C is below them: "
             "both pass the frame down, and C receives it twice. The copies that then reach "
             "the other bridge from below are filtered there: no loop, although there are two "
             "bridges.",
             {{ForFrameTo(DecisionKind::Forwards, C, first),
               ForFrameTo(DecisionKind::Forwards, C, second),
               ForFrameTo(DecisionKind::Filters, C)}},
             {LetterOf(C), SendFrom(A)},
             Ask(std::nullopt, Topic::Forwarding)},
            {"Make B the destination, then press A's Send: both bridges filter, and the frame "
             "stays above.",
             {{ForFrameTo(DecisionKind::Filters, B, first),
               ForFrameTo(DecisionKind::Filters, B, second)}},
             {LetterOf(B), SendFrom(A)},
             Ask(std::nullopt, Topic::Filtering)},
            {"Tick Learning, make C the destination and press A's Send again. Each bridge "
             "receives from below the copy that came through the other one, and moves A into "
             "its bottom row.",
             {{BoxTicked{Box::Learning, true}, Learned{first, A, PortB},
               Learned{second, A, PortB}}},
             {Learning(true), LetterOf(C), SendFrom(A)},
             Ask(std::nullopt, Topic::Filtering)},
            {"Make A the destination and press C's Send: both bridges filter the frame and A "
             "never gets it. Learning in a network with a loop learns the wrong places, which "
             "is why the bridges need the spanning tree.",
             {{ForFrameTo(DecisionKind::Filters, A, first),
               ForFrameTo(DecisionKind::Filters, A, second)}},
             {LetterOf(A), SendFrom(C)},
             Ask(std::nullopt, Topic::Filtering)},
            {"Press Reset: the hand-made tables come back.",
             {{Decision(DecisionKind::Reset), Learned{first, A, PortA}, Learned{second, A, PortA}}},
             {ResetPress()},
             {}},
        },
    };
}

}  // namespace bridging::lessons
