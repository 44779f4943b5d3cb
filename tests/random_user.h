// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A random user of the program: what to do next, drawn from a source of numbers
// (a seeded generator, or a fuzzer's bytes) as a user would choose it on the
// window as it stands, and done through the session as the window does it: an
// Action, or the timer's ticks. The long soak, the session fuzz target and the
// seeded runs of the tests all draw and perform here, so that a session means
// the same to each of them. Toolkit-free and without a test framework.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/action.h"
#include "driver/demo.h"
#include "driver/platform.h"
#include "session/session.h"
#include "tests/fakes.h"

namespace bridging::user {

// What a user sets out to do, to weigh how often each comes; ticks are the
// timer firing. A name is typed key by key, edited in place, or pasted whole.
enum class UserAction : std::uint8_t {
    Ticks,
    Send,
    Letter,
    RootButton,
    Learning,
    Forwarding,
    Pause,
    Kill,
    Renumber,
    Reset,
    PickScenario,
    TypeScenario,
    EditScenario,
    PasteScenario,
    Step,
    Faster,
    Slower,
};
inline constexpr int UserActionCount = static_cast<int>(UserAction::Slower) + 1;

const char* NameOf(UserAction action);

// One thing the user does: a burst of `ticks` of the timer, or the action
// (the station or bridge pressed is now and then one that is hidden, or -1 or
// one past the last; a typed name is the whole name, typed key by key).
struct Move {
    UserAction kind = UserAction::Ticks;
    int ticks = 0;
    Action action;
};

// Where the draws come from.
class NumberSource {
public:
    virtual ~NumberSource() = default;
    // An integer in [lo, hi], both included.
    virtual int Between(int lo, int hi) = 0;
    // Up to `most` bytes of any value, whether they make text or not.
    virtual std::string Bytes(std::size_t most);
};

// Numbers from the program's own seeded generator. A copy goes on drawing
// exactly what the original draws.
class SeededNumbers : public NumberSource {
public:
    explicit SeededNumbers(std::uint64_t seed) : random_(seed) {}
    int Between(int lo, int hi) override;

private:
    FixedSeedRandom random_;
};

struct Weight {
    UserAction action;
    int weight;
};

// How often each action comes (one not listed never does), and the size of
// the large ones.
struct Mix {
    std::vector<Weight> weights;
    int mostTicks = 1;
    std::size_t pasteBytes = 200;
};

// Every action, each as often as the others.
std::vector<Weight> EveryActionEvenly();

// The names a user types: the five exact ones, and near misses that match none,
// some of them in other scripts. The first five are the scenarios' names.
const std::vector<std::string>& TypedNames();

UserAction DrawKind(NumberSource& numbers, const Mix& mix);
// A move of the given kind, its details drawn as a user would choose them on
// the window as it stands: mostly a shown element, a name, a neat edit; now
// and then anything at all.
Move Draw(UserAction kind, NumberSource& numbers, const Simulation& now, const Mix& mix);
Move Draw(NumberSource& numbers, const Simulation& now, const Mix& mix);

// One of the session's own actions, beyond the simulation's: moves in time,
// predict mode and its answers, lessons, the log's filter and Clear, the
// speed, now and then the view's and OK with no message open. Mostly what the
// window offers as it stands (a moment kept, an answer of the question
// waiting, a shown element to follow); now and then anything.
Action DrawSessionAction(NumberSource& numbers, const session::Session& session);

// What came of a move: every outcome, in order.
using Outcomes = std::vector<session::Outcome>;

// Does the move through the session as the window passes it on, answering OK
// to each message as it opens. `afterEachKey` runs after each change of the
// text while a name is typed; `whileOpen` while a message waits, before OK.
Outcomes Perform(session::Session& session, const Move& move,
                 const std::function<void()>& afterEachKey = {},
                 const std::function<void()>& whileOpen = {});

// Does the move on the window's logic alone, through the same handlers that the
// session runs, each message answered at once.
void Perform(testing::RecordingDemo& demo, const Move& move,
             const std::function<void()>& afterEachKey = {});

// The messages of the outcomes, in words.
std::vector<std::string> MessageTexts(const Outcomes& outcomes);

}  // namespace bridging::user
