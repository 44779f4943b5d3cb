// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long seeded run of the program's session: random user actions (every
// command and switch, scenarios picked, typed, edited and pasted, letters, Send
// and root buttons, now and then of hidden elements, stepping and the speed)
// between timer ticks, with the window's consistency and the invariants that a
// fault would break checked after every step. While a message is open more
// actions and ticks are tried, which must change nothing. BRIDGING_SOAK_SEED
// picks the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "driver/demo.h"
#include "session/session.h"
#include "tests/consistency.h"
#include "tests/demo_fixture.h"
#include "tests/fakes.h"
#include "tests/random_user.h"

namespace bridging {
namespace {

constexpr int Steps = 200'000;
constexpr std::uint64_t DefaultSeed = 0x50A6'7E57'0000'0001ULL;
// A paste far beyond what the scenario list's field holds.
constexpr std::size_t LongPaste = 40'000;

// The seed of the user's choices: BRIDGING_SOAK_SEED (decimal, or hex with 0x)
// when it is set, so that a failed run can be replayed and CI can vary it.
std::uint64_t SoakSeed() {
    const char* text = std::getenv("BRIDGING_SOAK_SEED");
    if (text == nullptr || *text == '\0') return DefaultSeed;
    return std::strtoull(text, nullptr, 0);
}

using user::Move;
using user::UserAction;

constexpr const char* LostStation = "Can't find Segment below Computer";

// Mostly ticks, one at a time, so that frames travel, storm around the loops
// and run the pool out; a paste far beyond what the scenario list's field holds.
const user::Mix Mix = {{
                           {UserAction::Ticks, 700},
                           {UserAction::Send, 80},
                           {UserAction::Letter, 40},
                           {UserAction::RootButton, 60},
                           {UserAction::Learning, 25},
                           {UserAction::Forwarding, 30},
                           {UserAction::Pause, 6},
                           {UserAction::Kill, 8},
                           {UserAction::Renumber, 8},
                           {UserAction::Reset, 8},
                           {UserAction::PickScenario, 15},
                           {UserAction::TypeScenario, 10},
                           {UserAction::EditScenario, 10},
                           {UserAction::PasteScenario, 2},
                           {UserAction::Step, 4},
                           {UserAction::Faster, 2},
                           {UserAction::Slower, 2},
                       },
                       1,
                       LongPaste};

struct Figures {
    std::map<UserAction, int> actions;
    int ticks = 0;
    int framesSent = 0;
    int spanningTreeRounds = 0;
    int deliveries = 0;
    long long tokenTicks = 0;
    int mostTokensShown = 0;
    int builds = 0;
    int hiddenPresses = 0;
    int triedWhileOpen = 0;
};

class Soak {
public:
    explicit Soak(std::uint64_t seed) : numbers_(seed), session_(random_) {
        CheckAfterBuild("start-up");
    }

    void Run(int steps) {
        for (step_ = 0; step_ < steps && !::testing::Test::HasFailure(); ++step_) {
            const Move action = user::Draw(numbers_, session_.State(), Mix);
            ++figures_.actions[action.kind];
            try {
                Do(action);
            } catch (const std::exception& e) {
                ADD_FAILURE() << Where(action) << ": exception escaped: " << e.what();
            } catch (...) {
                ADD_FAILURE() << Where(action) << ": unknown exception escaped";
            }
            CheckAlways(action);
        }
    }

    void Report() const {
        int userActions = 0;
        for (const auto& [action, count] : figures_.actions) {
            if (action != UserAction::Ticks) userActions += count;
        }
        std::map<std::string, int> shown;
        for (const std::string& text : texts_) ++shown[text];
        const int messages = static_cast<int>(texts_.size());
        std::cout << "soak: " << step_ << " steps, " << userActions << " user actions, "
                  << figures_.ticks << " ticks run, " << figures_.framesSent << " frames sent, "
                  << figures_.spanningTreeRounds << " root-button rounds, " << figures_.deliveries
                  << " deliveries, " << figures_.builds << " builds\n"
                  << "soak: " << messages << " messages";
        for (const auto& [text, count] : shown) std::cout << ", " << count << " \"" << text << "\"";
        std::cout << "; " << figures_.tokenTicks << " token moves, at most "
                  << figures_.mostTokensShown << " tokens shown at once; " << figures_.hiddenPresses
                  << " presses of hidden elements, " << figures_.triedWhileOpen
                  << " actions tried while a message was open\n";
        ::testing::Test::RecordProperty("steps", step_);
        ::testing::Test::RecordProperty("user_actions", userActions);
        ::testing::Test::RecordProperty("ticks", figures_.ticks);
        ::testing::Test::RecordProperty("frames_sent", figures_.framesSent);
        ::testing::Test::RecordProperty("messages", messages);
        ::testing::Test::RecordProperty("token_moves", static_cast<int>(figures_.tokenTicks));
    }

    const Figures& figures() const { return figures_; }
    const std::vector<std::string>& messages() const { return texts_; }

private:
    // The element an action presses, if it presses one, and whether the window shows it.
    static bool Presses(UserAction kind) {
        return kind == UserAction::Send || kind == UserAction::Letter ||
               kind == UserAction::RootButton;
    }

    template <typename Elements>
    static bool IsShown(const Elements& elements, int k) {
        return k >= 0 && k < static_cast<int>(elements.size()) &&
               elements[static_cast<std::size_t>(k)].place.Visible;
    }

    // A user can only press what the window shows.
    template <typename Element>
    std::vector<int> Shown(const Element& elements) const {
        std::vector<int> shown;
        for (int k = 0; k < static_cast<int>(elements.size()); ++k) {
            if (elements[k].place.Visible) shown.push_back(k);
        }
        return shown;
    }

    int LostStations() const {
        return static_cast<int>(std::count(texts_.begin(), texts_.end(), LostStation));
    }

    const Simulation& Now() const { return session_.State(); }

    void Do(const Move& action) {
        const int k = action.action.index;
        const bool station = action.kind != UserAction::RootButton;
        const bool shown = station ? IsShown(Now().Computer1, k) : IsShown(Now().Bridge1, k);
        // -1 is also what is pressed when nothing of the kind is shown: no hidden press.
        const bool noneShown =
            station ? Shown(Now().Computer1).empty() : Shown(Now().Bridge1).empty();
        if (Presses(action.kind) && !shown && !(k == -1 && noneShown)) ++figures_.hiddenPresses;
        const std::int16_t selectedBefore = Now().iSelectedStation();
        const std::uint64_t ticksBefore = Now().TickCount();
        const int lostBefore = action.kind == UserAction::Send ? LostStations() : 0;
        if (action.kind == UserAction::Send && k >= 0 && k < ComputerCount &&
            Now().Computer1[static_cast<std::size_t>(k)].Number() < Computer::Marked) {
            ++figures_.framesSent;
        }

        const user::Outcomes outcomes = user::Perform(
            session_, action, [this] { CheckAfterBuild("scenario typed"); },
            [this] { TryWhileOpen(); });
        for (const std::string& text : user::MessageTexts(outcomes)) texts_.push_back(text);

        switch (action.kind) {
            case UserAction::Ticks:
                if (Now().TickCount() != ticksBefore) {
                    figures_.ticks += static_cast<int>(Now().TickCount() - ticksBefore);
                    CountTokens();
                }
                break;
            case UserAction::Send:
                // Every shown station stands above a segment, so its Send always
                // finds one; a hidden one may not, and then the message says so.
                if (shown) {
                    EXPECT_EQ(LostStations(), lostBefore) << Where(action) << ": station " << k;
                }
                break;
            case UserAction::Letter: {
                const bool exists = k >= 0 && k < ComputerCount;
                EXPECT_EQ(Now().iSelectedStation(), exists ? k + 1 : selectedBefore)
                    << Where(action);
                break;
            }
            case UserAction::RootButton:
                if (k >= 0 && k < BridgeCount) ++figures_.spanningTreeRounds;
                break;
            case UserAction::Kill:
                CheckPoolEmpty(action);
                break;
            case UserAction::Renumber:
                CheckAfterRenumber(action);
                break;
            case UserAction::Reset:
                CheckPoolEmpty(action);
                CheckAfterBuild(user::NameOf(action.kind));
                break;
            case UserAction::PickScenario:
                if (k >= 0 && k < 5) CheckAfterBuild(user::NameOf(action.kind));
                break;
            case UserAction::TypeScenario:
            case UserAction::EditScenario:
            case UserAction::PasteScenario:
                CheckText(action);
                break;
            case UserAction::Learning:
            case UserAction::Forwarding:
            case UserAction::Pause:
            case UserAction::Step:
            case UserAction::Faster:
            case UserAction::Slower:
                break;
        }
    }

    // What the field keeps of a text typed, edited or pasted: its first characters.
    void CheckText(const Move& move) {
        const Action& action = move.action;
        const std::string kept = FirstCharacters(action.text, ScenarioTextLimit);
        EXPECT_EQ(Now().Combo1().text, kept) << Where(move);
        const auto& names = user::TypedNames();
        const auto exact = names.begin() + 5;
        const auto known = std::find(names.begin(), exact, kept);
        if (known != exact) {
            EXPECT_EQ(Now().iScenario(), known - names.begin() + 1) << Where(move);
            EXPECT_FALSE(Shown(Now().Bridge1).empty()) << Where(move);
        } else {
            EXPECT_TRUE(Shown(Now().Bridge1).empty() && Shown(Now().Computer1).empty())
                << Where(move) << " \"" << FirstCharacters(kept, 2 * ScenarioTextLimit) << "\"";
        }
    }

    // The message is modal: ticks and actions tried while it is open change nothing.
    void TryWhileOpen() {
        const Simulation before = Now();
        const history::Moment newest = session_.Time().Newest();
        for (int n = numbers_.Between(0, 3); n >= 0; --n) {
            ++figures_.triedWhileOpen;
            const Move move = user::Draw(numbers_, Now(), Mix);
            const session::Outcome outcome =
                move.kind == UserAction::Ticks ? session_.Tick() : session_.Apply(move.action);
            EXPECT_TRUE(outcome.Empty()) << "step " << step_ << ": message open";
        }
        EXPECT_TRUE(testing::Same(Now(), before)) << "step " << step_ << ": message open";
        EXPECT_EQ(session_.Time().Newest(), newest) << "step " << step_ << ": message open";
        EXPECT_TRUE(session_.MessageOpen()) << "step " << step_;
    }

    void CountTokens() {
        int shown = 0;
        for (const Packet& token : Now().Packet1) shown += token.place.Visible ? 1 : 0;
        figures_.tokenTicks += shown;
        figures_.mostTokensShown = std::max(figures_.mostTokensShown, shown);
        for (int k = 0; k < ComputerCount; ++k) {
            const bool marked = Now().Computer1[k].Number() == Computer::Marked;
            if (marked && !marked_[k]) ++figures_.deliveries;
            marked_[k] = marked;
        }
    }

    std::string Where(const Move& action) const {
        // A failed cut would leave a long text; the first characters say enough.
        return "step " + std::to_string(step_) + " (" + user::NameOf(action.kind) + " " +
               std::to_string(action.ticks + action.action.index) + ", scenario \"" +
               FirstCharacters(Now().Combo1().text, 2 * ScenarioTextLimit) + "\")";
    }

    void CheckAlways(const Move& action) {
        const std::string where = Where(action);
        EXPECT_FALSE(session_.MessageOpen()) << where;
        EXPECT_EQ(Now().Running(), Now().btnPause().caption == "Pause") << where;
        EXPECT_GE(Now().iSelectedStation(), 1) << where;
        EXPECT_LE(Now().iSelectedStation(), 6) << where;
        CheckTokens(where);
        CheckStations(where);
        CheckBridges(where);
        for (const std::string& found : consistency::Inconsistencies(Now(), Now().Running()))
            ADD_FAILURE() << where << ": " << found;
    }

    void CheckTokens(const std::string& where) {
        for (int k = 0; k < PoolSize; ++k) {
            const Packet& token = Now().Packet1[k];
            if (!token.place.Visible) continue;
            const double dx = token.XOffset();
            const int dy = token.YOffset();
            const bool horizontal = (dx == 200 || dx == -200) && dy == 0;
            const bool vertical = dx == 0 && (dy == 200 || dy == -200);
            EXPECT_TRUE(horizontal != vertical)
                << where << ": token " << k << " moves by (" << dx << ", " << dy << ")";
            // Tokens that run off every line are retired, none travels for ever.
            EXPECT_TRUE(
                token.place.Left > -4000 && token.place.Left < Simulation::ClientWidth + 4000 &&
                token.place.Top > -4000 && token.place.Top < Simulation::ClientHeight + 4000)
                << where << ": token " << k << " at (" << token.place.Left << ", "
                << token.place.Top << ")";
            const std::int16_t destination = token.Destination();
            EXPECT_TRUE(destination >= 0 && destination <= 6) << where << ": token " << k;
        }
    }

    void CheckStations(const std::string& where) {
        for (int k = 0; k < ComputerCount; ++k) {
            const Computer& station = Now().Computer1[k];
            const std::int16_t number = station.Number();
            EXPECT_TRUE(number == k || number == Computer::Marked) << where << ": station " << k;
            // The station's own token is shown only during its Send.
            EXPECT_EQ(station.OwnPacket().place.Top, 2000) << where << ": station " << k;
        }
    }

    static void CheckTable(const StationTable& table, const std::string& where, int bridge) {
        std::array<bool, 9> seen{};
        for (const std::int16_t entry : table) {
            if (entry == -1) continue;
            EXPECT_TRUE(entry >= 1 && entry <= 8)
                << where << ": bridge " << bridge << " holds " << entry;
            if (entry < 1 || entry > 8) continue;
            EXPECT_FALSE(seen[entry])
                << where << ": bridge " << bridge << " holds " << entry << " twice";
            seen[entry] = true;
        }
    }

    void CheckBridges(const std::string& where) {
        const bool forwarding = Now().chkForward().value == 1;
        for (int k = 0; k < BridgeCount; ++k) {
            const Bridge& bridge = Now().Bridge1[k];
            CheckTable(bridge.PortATable(), where, k);
            CheckTable(bridge.PortBTable(), where, k);
            // The switches act on all six bridges at once; Renumber switches learning
            // off in the bridges and leaves the box as it was.
            EXPECT_EQ(bridge.bForward(), forwarding) << where << ": bridge " << k;
            EXPECT_EQ(bridge.bLearn(), Now().Bridge1[0].bLearn()) << where << ": bridge " << k;
            if (bridge.bLearn()) {
                EXPECT_EQ(Now().chkLearn().value, 1) << where;
            }
            // Both ports move together: blocked by the tree, or by the switch.
            const std::int32_t state = bridge.PortAState();
            EXPECT_EQ(bridge.PortBState(), state) << where << ": bridge " << k;
            const std::int32_t open = forwarding ? PortForwarding : PortBlocking;
            EXPECT_TRUE(state == open || state == PortBlocked)
                << where << ": bridge " << k << " port state " << state;
            // The root only ever goes down from the bridge's own number.
            const double root = bridge.RootBridge().value_or(0);
            EXPECT_TRUE(root >= 1 && root <= bridge.BridgeNumber())
                << where << ": bridge " << k << " root " << root;
        }
    }

    void CheckPoolEmpty(const Move& action) {
        for (int k = 0; k < PoolSize; ++k) {
            EXPECT_FALSE(Now().Packet1[k].place.Visible) << Where(action) << ": token " << k;
        }
    }

    void CheckAfterBuild(const std::string& what) {
        ++figures_.builds;
        const std::string where = "step " + std::to_string(step_) + " (" + what + ")";
        EXPECT_EQ(Now().chkLearn().value, 0) << where;
        EXPECT_EQ(Now().chkForward().value, 0) << where;
        for (int k = 0; k < BridgeCount; ++k) {
            const Bridge& bridge = Now().Bridge1[k];
            EXPECT_EQ(bridge.BridgeNumber(), k + 1) << where;
            EXPECT_EQ(bridge.PortAState(), PortBlocking) << where << ": bridge " << k;
            EXPECT_EQ(bridge.PortBState(), PortBlocking) << where << ": bridge " << k;
            EXPECT_FALSE(bridge.bLearn() || bridge.bForward()) << where << ": bridge " << k;
        }
    }

    void CheckAfterRenumber(const Move& action) {
        const std::string where = Where(action);
        CheckPoolEmpty(action);
        std::vector<int> numbers;
        for (int k = 0; k < BridgeCount; ++k) {
            const Bridge& bridge = Now().Bridge1[k];
            numbers.push_back(bridge.BridgeNumber());
            EXPECT_EQ(bridge.PortACost(), bridge.PortBCost()) << where << ": bridge " << k;
            EXPECT_TRUE(bridge.PortACost() >= 1 && bridge.PortACost() <= 8) << where;
            EXPECT_EQ(bridge.PortAState(), PortBlocking) << where << ": bridge " << k;
            EXPECT_EQ(bridge.PortBState(), PortBlocking) << where << ": bridge " << k;
            for (const std::int16_t entry : bridge.PortATable()) EXPECT_EQ(entry, -1) << where;
            for (const std::int16_t entry : bridge.PortBTable()) EXPECT_EQ(entry, -1) << where;
        }
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6})) << where;
        std::vector<int> costs;
        for (int k = 0; k < 4; ++k) costs.push_back(Now().Bridge1[k].PortACost());
        std::sort(costs.begin(), costs.end());
        EXPECT_EQ(std::adjacent_find(costs.begin(), costs.end()), costs.end())
            << where << ": bridges 0 to 3 share a cost";
        EXPECT_EQ(Now().chkForward().value, 0) << where;
    }

    FixedSeedRandom random_;
    // The user's choices come from a generator of their own, so that Renumber's
    // draws are the program's fixed sequence.
    user::SeededNumbers numbers_;
    session::Session session_;
    std::vector<std::string> texts_;
    int step_ = 0;
    Figures figures_;
    std::array<bool, ComputerCount> marked_{};
};

TEST(Soak, RandomActionsKeepTheNetworkConsistent) {
    const std::uint64_t seed = SoakSeed();
    std::cout << "soak: seed " << seed << " (BRIDGING_SOAK_SEED=" << seed << " replays it)\n";
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    const auto start = std::chrono::steady_clock::now();
    Soak soak(seed);
    soak.Run(Steps);
    soak.Report();
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "soak: " << seconds << " s\n";

    // The run must have exercised what it claims to: frames crossed bridges to
    // their stations, the loops ran the pool out, and every action occurred.
    const Figures& figures = soak.figures();
    EXPECT_GT(figures.deliveries, 0);
    const auto& texts = soak.messages();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Run Out of Packets"), texts.end());
    for (const auto& m : Mix.weights) {
        EXPECT_GT(figures.actions.count(m.action), 0u) << user::NameOf(m.action);
    }
}

}  // namespace
}  // namespace bridging
