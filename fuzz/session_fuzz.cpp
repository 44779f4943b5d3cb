// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes whole user sessions on the main window's logic: the input is read as a
// sequence of user actions and timer ticks (every command and check box, the
// stations' and bridges' buttons, typing, editing, pasting and picking in the
// scenario list, pauses, steps, the speed, bursts of ticks), some of them tried
// while a message box is open. After every action the window must be
// consistent; nothing may throw, and whatever is tried while a box is open must
// change nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "driver/demo.h"
#include "fuzz/fuzz_check.h"
#include "tests/consistency.h"
#include "tests/fakes.h"
#include "tests/session_actions.h"

namespace bridging {
namespace {

using session::UserAction;

// Enough to storm the loops of the largest network and run the pool out.
constexpr int MostActions = 300;
// The input picks each action's kind itself; the mix gives only the sizes: the
// longest burst of ticks and a paste's length.
const session::Mix Mix = {{}, 80, 200};

// The fuzzer's bytes as the numbers of the session's draws.
class FuzzedNumbers : public session::NumberSource {
public:
    explicit FuzzedNumbers(FuzzedDataProvider& input) : input_(input) {}
    int Between(int lo, int hi) override { return input_.ConsumeIntegralInRange<int>(lo, hi); }
    std::string Bytes(std::size_t most) override { return input_.ConsumeRandomLengthString(most); }

private:
    FuzzedDataProvider& input_;
};

class Session {
public:
    Session(FuzzedDataProvider& input, std::uint64_t seed)
        : input_(input), numbers_(input), random_(seed), demo_(message_, random_) {
        message_.whileOpen = [this] { WhileOpen(message_.texts.back()); };
        demo_.Form_Load();
        Check("start-up");
    }

    void Run() {
        for (int n = 0; n < MostActions && input_.remaining_bytes() > 0; ++n) {
            Next();
            Check("action");
        }
    }

private:
    // One past the user's actions arms the message box: the next time it opens
    // it tries that many of the input's next actions.
    void Next() {
        const int pick = numbers_.Between(0, session::UserActionCount);
        if (pick == session::UserActionCount) {
            armed_ = numbers_.Between(1, 4);
            return;
        }
        const auto kind = static_cast<UserAction>(pick);
        session::Apply(demo_, session::Draw(kind, numbers_, demo_, Mix));
    }

    // Each action tried while the box is open must change nothing. The speed
    // buttons still act while a box is open, so the speed is left out.
    void WhileOpen(const std::string& text) {
        FUZZ_CHECK(text == "Run Out of Packets" || text == "Can't find Segment below Computer");
        FUZZ_CHECK(demo_.MessageOpen());
        if (opening_) return;
        opening_ = true;
        const Simulation before = demo_.State();
        for (; armed_ > 0 && input_.remaining_bytes() > 0; --armed_) Next();
        Simulation after = demo_.State();
        after.speed = before.speed;
        if (after != before) {
            std::fprintf(stderr, "changed while a box was open:\n%s\n",
                         consistency::Difference(before, after).c_str());
            std::abort();
        }
        FUZZ_CHECK(demo_.Running() == before.running);
        opening_ = false;
    }

    void Check(const char* when) {
        const auto found = consistency::Inconsistencies(demo_, demo_.Running());
        if (found.empty()) return;
        for (const std::string& line : found) std::fprintf(stderr, "%s: %s\n", when, line.c_str());
        std::abort();
    }

    FuzzedDataProvider& input_;
    FuzzedNumbers numbers_;
    testing::RecordingMessage message_;
    FixedSeedRandom random_;
    Demo demo_;
    int armed_ = 0;
    bool opening_ = false;
};

}  // namespace
}  // namespace bridging

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto seed = input.ConsumeIntegral<std::uint64_t>();
    try {
        bridging::Session session(input, seed);
        session.Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exception escaped: %s\n", e.what());
        std::abort();
    }
    return 0;
}
