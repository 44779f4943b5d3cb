// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes whole sessions of the program without its window: the input is read
// as a sequence of user actions and timer ticks (every command and check box,
// the stations' and bridges' buttons, typing, editing, pasting and picking in
// the scenario list, pauses, steps, the speed, bursts of ticks, moves in time,
// predict mode and its answers, lessons, the log), all handed to the session
// as the window hands them, some of them tried while a message is open. After
// every action what the window shows must be consistent; nothing may throw, and
// whatever is tried while a message is open must change nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_check.h"
#include "session/session.h"
#include "tests/consistency.h"
#include "tests/random_user.h"

namespace bridging {
namespace {

using user::UserAction;

// Enough to storm the loops of the largest network and run the pool out.
constexpr int MostActions = 300;
// The input picks each action's kind itself; the mix gives only the sizes: the
// longest burst of ticks and a paste's length.
const user::Mix Mix = {{}, 80, 200};

// The fuzzer's bytes as the numbers of the session's draws.
class FuzzedNumbers : public user::NumberSource {
public:
    explicit FuzzedNumbers(FuzzedDataProvider& input) : input_(input) {}
    int Between(int lo, int hi) override { return input_.ConsumeIntegralInRange<int>(lo, hi); }
    std::string Bytes(std::size_t most) override { return input_.ConsumeRandomLengthString(most); }

private:
    FuzzedDataProvider& input_;
};

class Run {
public:
    Run(FuzzedDataProvider& input, std::uint64_t seed)
        : input_(input), numbers_(input), random_(seed), session_(random_) {
        session_.StartUp();
        Check("start-up");
    }

    void Go() {
        for (int n = 0; n < MostActions && input_.remaining_bytes() > 0; ++n) {
            Next();
            Check("action");
        }
    }

private:
    // The user's moves, one of the session's own actions, the watch-again
    // timer, or arming the message: the next time one opens, it tries that
    // many of the input's next actions before OK.
    void Next() {
        const int pick = numbers_.Between(0, user::UserActionCount + 2);
        if (pick == user::UserActionCount + 2) {
            armed_ = numbers_.Between(1, 4);
        } else if (pick == user::UserActionCount + 1) {
            Answered(session_.PlayWatched());
        } else if (pick == user::UserActionCount) {
            Answered(session_.Apply(user::DrawSessionAction(numbers_, session_)));
        } else {
            const user::Move move =
                user::Draw(static_cast<UserAction>(pick), numbers_, session_.State(), Mix);
            user::Perform(session_, move, {}, [this] { WhileOpen(); });
        }
    }

    void Answered(const session::Outcome&) {
        while (session_.MessageOpen()) {
            WhileOpen();
            session_.Apply(Act(ActionKind::CloseMessage));
        }
    }

    // Each action tried while a message is open must change nothing.
    void WhileOpen() {
        FUZZ_CHECK(session_.MessageOpen());
        if (opening_) return;
        opening_ = true;
        const Simulation before = session_.State();
        const history::Moment newest = session_.Time().Newest();
        for (; armed_ > 0 && input_.remaining_bytes() > 0; --armed_) {
            const session::Outcome outcome =
                numbers_.Between(0, 1) == 0
                    ? session_.Tick()
                    : session_.Apply(user::DrawSessionAction(numbers_, session_));
            FUZZ_CHECK(outcome.Empty() || !session_.MessageOpen());
            if (!session_.MessageOpen()) break;
        }
        if (session_.MessageOpen()) {
            if (session_.State() != before) {
                std::fprintf(stderr, "changed while a message was open:\n%s\n",
                             consistency::Difference(before, session_.State()).c_str());
                std::abort();
            }
            FUZZ_CHECK(session_.Time().Newest() == newest);
        }
        opening_ = false;
    }

    void Check(const char* when) {
        FUZZ_CHECK(!session_.MessageOpen());
        const Simulation& now = session_.State();
        const auto found = consistency::Inconsistencies(now, now.Running());
        if (found.empty()) return;
        for (const std::string& line : found) std::fprintf(stderr, "%s: %s\n", when, line.c_str());
        std::abort();
    }

    FuzzedDataProvider& input_;
    FuzzedNumbers numbers_;
    FixedSeedRandom random_;
    session::Session session_;
    int armed_ = 0;
    bool opening_ = false;
};

}  // namespace
}  // namespace bridging

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto seed = input.ConsumeIntegral<std::uint64_t>();
    try {
        bridging::Run run(input, seed);
        run.Go();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exception escaped: %s\n", e.what());
        std::abort();
    }
    return 0;
}
