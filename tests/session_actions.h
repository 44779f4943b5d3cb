// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A user's actions on the main window's logic as values: what a user can do,
// drawn from a source of numbers (a seeded generator, or a fuzzer's bytes) and
// performed on a Demo. The long soak, the session fuzz target and the seeded
// runs of the tests all draw and perform them here, so that a session means the
// same to each of them. Toolkit-free and without a test framework.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "driver/demo.h"
#include "driver/platform.h"

namespace bridging::session {

// Everything a user does; ticks are the timer firing.
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

struct Action {
    UserAction kind = UserAction::Ticks;
    // The ticks of a burst; the station or bridge pressed (now and then one that
    // is hidden, or -1 or one past the last); the value a box is set to; the
    // entry picked from the list.
    int number = 1;
    // The name typed key by key, the whole text after an edit, or the paste.
    std::string text;
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
// An action of the given kind, its details drawn as a user would choose them
// on the window as it stands: mostly a shown element, a name, a neat edit;
// now and then anything at all.
Action Draw(UserAction kind, NumberSource& numbers, const Demo& demo, const Mix& mix);
Action Draw(NumberSource& numbers, const Demo& demo, const Mix& mix);

// Performs the action as the window passes it on. `afterEachKey` runs after
// each change of the text while a name is typed.
void Apply(Demo& demo, const Action& action, const std::function<void()>& afterEachKey = {});

}  // namespace bridging::session
