// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulation as a value, over random seeded sessions: a window made from a
// copy of another's state, with a copy of its random source, goes on exactly as
// the original does and shows the same messages; whatever the copy does alone
// leaves the original as it was; and an original that takes up the copy's
// state goes on as the copy does.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "driver/demo.h"
#include "tests/demo_fixture.h"
#include "tests/fakes.h"
#include "tests/random_user.h"

namespace bridging::testing {
namespace {

using user::UserAction;

constexpr int Sessions = 300;
constexpr int MostStepsBefore = 40;
constexpr int StepsTogether = 60;
constexpr int StepsAlone = 20;

// Every action; bursts of ticks, Send and the switches most often, so that
// frames meet the bridges and now and then run the pool out.
user::Mix SessionMix() {
    user::Mix mix{user::EveryActionEvenly(), 12, 200};
    for (user::Weight& w : mix.weights) {
        switch (w.action) {
            case UserAction::Ticks:
                w.weight = 16;
                break;
            case UserAction::Send:
                w.weight = 10;
                break;
            case UserAction::Learning:
            case UserAction::Forwarding:
                w.weight = 4;
                break;
            default:
                w.weight = 2;
        }
    }
    return mix;
}

// A session's original window and the draws of its user, shared with the copy.
struct Pair {
    explicit Pair(std::uint64_t seed) : numbers(seed), random(seed ^ 0xC0FFEE) {
        original.Form_Load();
    }

    void Alone(RecordingDemo& demo, int steps) {
        for (int n = 0; n < steps; ++n) user::Perform(demo, user::Draw(numbers, demo.State(), mix));
        actions += steps;
    }

    // The same actions on both; after each they must be equal.
    ::testing::AssertionResult Together(RecordingDemo& first, RecordingDemo& second, int steps) {
        for (int n = 0; n < steps; ++n) {
            const user::Move move = user::Draw(numbers, first.State(), mix);
            user::Perform(first, move);
            user::Perform(second, move);
            actions += 1;
            if (::testing::AssertionResult same = Same(first.State(), second.State()); !same) {
                return same << "after step " << n << ", " << user::NameOf(move.kind) << ' '
                            << move.action.index;
            }
        }
        return ::testing::AssertionSuccess();
    }

    user::Mix mix = SessionMix();
    user::SeededNumbers numbers;
    RecordingMessage message;
    FixedSeedRandom random;
    RecordingDemo original{message, random};
    long actions = 0;
};

std::vector<std::string> Since(const RecordingMessage& message, std::size_t from) {
    return {message.texts.begin() + static_cast<std::ptrdiff_t>(from), message.texts.end()};
}

TEST(SimulationValue, ACopyGoesOnAsTheOriginalAndAloneLeavesItAsItWas) {
    int sessionsWithMessages = 0;
    int copiesThatMoved = 0;
    long actions = 0;
    for (int seed = 1; seed <= Sessions && !::testing::Test::HasFailure(); ++seed) {
        SCOPED_TRACE("session " + std::to_string(seed));
        Pair pair(static_cast<std::uint64_t>(seed));
        RecordingDemo& original = pair.original;
        pair.Alone(original, pair.numbers.Between(0, MostStepsBefore));

        RecordingMessage copyMessage;
        FixedSeedRandom copyRandom = pair.random;
        RecordingDemo copy(original.State(), copyMessage, copyRandom);
        const std::size_t shown = pair.message.texts.size();
        ASSERT_TRUE(pair.Together(original, copy, StepsTogether));
        EXPECT_EQ(copyMessage.texts, Since(pair.message, shown));
        if (!copyMessage.texts.empty()) ++sessionsWithMessages;

        const Simulation kept = original.State();
        pair.Alone(copy, StepsAlone);
        EXPECT_TRUE(Same(original.State(), kept));
        if (!(copy.State() == kept)) ++copiesThatMoved;

        original.Restore(copy.State());
        pair.random = copyRandom;
        const std::size_t copyShown = copyMessage.texts.size();
        const std::size_t originalShown = pair.message.texts.size();
        ASSERT_TRUE(pair.Together(original, copy, StepsTogether / 2));
        EXPECT_EQ(Since(pair.message, originalShown), Since(copyMessage, copyShown));
        actions += pair.actions;
    }
    std::cout << "simulation value: " << Sessions << " sessions, " << actions << " actions, "
              << sessionsWithMessages << " with messages, " << copiesThatMoved
              << " copies moved on alone\n";
    // Sessions that never showed a message or whose copy stood still would prove little.
    EXPECT_GT(sessionsWithMessages, Sessions / 20);
    EXPECT_GT(copiesThatMoved, Sessions * 9 / 10);
}

}  // namespace
}  // namespace bridging::testing
