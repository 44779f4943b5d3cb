// A long seeded run of the main window's logic: random user actions (every
// command and switch, scenarios picked, typed, edited and pasted, letters, Send
// and root buttons, now and then of hidden elements) between timer ticks, with
// the window's consistency and the invariants that a fault would break checked
// after every step. The message box tries more actions and ticks while it is
// open, which must change nothing. BRIDGING_SOAK_SEED picks the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "driver/demo.h"
#include "tests/consistency.h"

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

// Counts what it shows, and while "open" lets the soak try what a user cannot.
struct CountingMessage : ModalMessage {
    std::map<std::string, int> shown;
    int total = 0;
    std::function<void()> whileOpen;
    void ShowMessage(const std::string& text) override {
        ++shown[text];
        ++total;
        if (whileOpen) whileOpen();
    }
};

// What the user does; a tick is the timer firing, which only happens while it runs.
enum class Action {
    Tick,
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
};

struct WeightedAction {
    Action action;
    int weight;
};

// Mostly ticks, so that frames travel, storm around the loops and run the pool out.
constexpr std::array<WeightedAction, 14> Mix = {{
    {Action::Tick, 700},
    {Action::Send, 80},
    {Action::Letter, 40},
    {Action::RootButton, 60},
    {Action::Learning, 25},
    {Action::Forwarding, 30},
    {Action::Pause, 6},
    {Action::Kill, 8},
    {Action::Renumber, 8},
    {Action::Reset, 8},
    {Action::PickScenario, 15},
    {Action::TypeScenario, 10},
    {Action::EditScenario, 10},
    {Action::PasteScenario, 2},
}};

// The names as typed: the five exact ones, and near misses that match none,
// some of them in other scripts.
const std::vector<std::string> TypedNames = {
    "One Bridge",
    "Two Bridges",
    "Two Manual",
    "Four Bridges",
    "Full Network",
    "one bridge",
    "Two",
    "Full Netw",
    "Four Bridges ",
    "",
    "Zwei Br\xC3\xBC"
    "cken",
    "\xE7\xBD\x91\xE7\xBB\x9C",
    "\xF0\x9F\x8C\x89 One Bridge",
};

// Pieces typed into the middle of the text.
const std::vector<std::string> Pieces = {
    " ", "e", "Bridge", "s", "Two ", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8C\x89", "\t",
};

const char* NameOf(Action action) {
    switch (action) {
        case Action::Tick:
            return "tick";
        case Action::Send:
            return "Send";
        case Action::Letter:
            return "letter";
        case Action::RootButton:
            return "root button";
        case Action::Learning:
            return "Learning";
        case Action::Forwarding:
            return "Forwarding";
        case Action::Pause:
            return "Pause";
        case Action::Kill:
            return "Kill";
        case Action::Renumber:
            return "Renumber";
        case Action::Reset:
            return "Reset";
        case Action::PickScenario:
            return "scenario picked";
        case Action::TypeScenario:
            return "scenario typed";
        case Action::EditScenario:
            return "scenario edited";
        case Action::PasteScenario:
            return "scenario pasted";
    }
    return "?";
}

struct Figures {
    std::map<Action, int> actions;
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
    explicit Soak(std::uint64_t seed) : actionRandom_(seed), demo_(message_, random_) {
        message_.whileOpen = [this] { TryWhileOpen(); };
        demo_.Form_Load();
        CheckAfterBuild("start-up");
    }

    void Run(int steps) {
        for (step_ = 0; step_ < steps && !::testing::Test::HasFailure(); ++step_) {
            const Action action = Choose();
            ++figures_.actions[action];
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
            if (action != Action::Tick) userActions += count;
        }
        std::cout << "soak: " << step_ << " steps, " << userActions << " user actions, "
                  << figures_.ticks << " ticks run, " << figures_.framesSent << " frames sent, "
                  << figures_.spanningTreeRounds << " root-button rounds, " << figures_.deliveries
                  << " deliveries, " << figures_.builds << " builds\n"
                  << "soak: " << message_.total << " messages";
        for (const auto& [text, count] : message_.shown)
            std::cout << ", " << count << " \"" << text << "\"";
        std::cout << "; " << figures_.tokenTicks << " token moves, at most "
                  << figures_.mostTokensShown << " tokens shown at once; " << figures_.hiddenPresses
                  << " presses of hidden elements, " << figures_.triedWhileOpen
                  << " actions tried while a message was open\n";
        ::testing::Test::RecordProperty("steps", step_);
        ::testing::Test::RecordProperty("user_actions", userActions);
        ::testing::Test::RecordProperty("ticks", figures_.ticks);
        ::testing::Test::RecordProperty("frames_sent", figures_.framesSent);
        ::testing::Test::RecordProperty("messages", message_.total);
        ::testing::Test::RecordProperty("token_moves", static_cast<int>(figures_.tokenTicks));
    }

    const Figures& figures() const { return figures_; }
    const CountingMessage& messages() const { return message_; }

private:
    int Below(int n) { return std::min(n - 1, static_cast<int>(actionRandom_.Next() * n)); }

    Action Choose() {
        int total = 0;
        for (const auto& m : Mix) total += m.weight;
        int pick = Below(total);
        for (const auto& m : Mix) {
            if (pick < m.weight) return m.action;
            pick -= m.weight;
        }
        return Action::Tick;
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

    // Mostly an element the window shows; now and then any index at all, shown
    // or hidden or none, as a call from code could name.
    template <typename Element>
    int Pressed(const Element& elements) {
        if (Below(20) > 0) return AnyOf(Shown(elements));
        const int count = static_cast<int>(elements.size());
        const int k = Below(count + 2) - 1;
        if (k < 0 || k >= count || !elements[static_cast<std::size_t>(k)].place.Visible) {
            ++figures_.hiddenPresses;
        }
        return k;
    }

    int AnyOf(const std::vector<int>& indices) {
        return indices.empty()
                   ? -1
                   : indices[static_cast<std::size_t>(Below(static_cast<int>(indices.size())))];
    }

    void Do(Action action) {
        switch (action) {
            case Action::Tick:
                if (demo_.Running()) {
                    demo_.Timer1_Timer();
                    ++figures_.ticks;
                    CountTokens();
                } else if (Below(20) == 0) {
                    // A paused window is resumed sooner or later.
                    demo_.btnPause_Click();
                }
                break;
            case Action::Send:
                Send(Pressed(demo_.Computer1));
                break;
            case Action::Letter: {
                const int k = Pressed(demo_.Computer1);
                const std::int16_t before = demo_.iSelectedStation();
                demo_.Computer1_Command1_Click(k);
                const bool exists = k >= 0 && k < ComputerCount;
                EXPECT_EQ(demo_.iSelectedStation(), exists ? k + 1 : before) << Where(action);
                break;
            }
            case Action::RootButton:
                if (const int k = Pressed(demo_.Bridge1); k >= 0) {
                    demo_.Bridge1_btnSpanTree_Click(k);
                    ++figures_.spanningTreeRounds;
                }
                break;
            case Action::Learning:
                demo_.SetChkLearn(1 - demo_.chkLearn().value);
                break;
            case Action::Forwarding:
                demo_.SetChkForward(1 - demo_.chkForward().value);
                break;
            case Action::Pause:
                demo_.btnPause_Click();
                break;
            case Action::Kill:
                demo_.btnKill_Click();
                CheckPoolEmpty(action);
                break;
            case Action::Renumber:
                demo_.btnCost_Click();
                CheckAfterRenumber();
                break;
            case Action::Reset:
                demo_.btnReset_Click();
                CheckPoolEmpty(action);
                CheckAfterBuild(NameOf(action));
                break;
            case Action::PickScenario:
                demo_.PickCombo1(Below(5));
                CheckAfterBuild(NameOf(action));
                break;
            case Action::TypeScenario:
                Type(TypedNames[static_cast<std::size_t>(
                    Below(static_cast<int>(TypedNames.size())))]);
                break;
            case Action::EditScenario:
                Edit();
                break;
            case Action::PasteScenario:
                Paste();
                break;
        }
    }

    // Every shown station stands above a segment, so its Send always finds one;
    // a hidden one may not, and then the message says so.
    void Send(int k) {
        if (k < 0) return;
        const std::size_t station = static_cast<std::size_t>(k);
        const bool shown = k < ComputerCount && demo_.Computer1[station].place.Visible;
        const int lostBefore = message_.shown["Can't find Segment below Computer"];
        if (k < ComputerCount && demo_.Computer1[station].Number() < Computer::Marked) {
            ++figures_.framesSent;
        }
        demo_.Computer1_btnKeys_Click(k);
        if (shown) {
            EXPECT_EQ(message_.shown["Can't find Segment below Computer"], lostBefore)
                << Where(Action::Send) << ": station " << k;
        }
    }

    // What an edit in the middle of the text gives: a piece typed in, or a few
    // characters deleted, at a character boundary anywhere in the text.
    void Edit() {
        const std::string& text = demo_.Combo1().text;
        std::vector<std::size_t> boundaries;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
                boundaries.push_back(i);
        }
        const std::size_t at = static_cast<std::size_t>(Below(static_cast<int>(boundaries.size())));
        std::string edited = text;
        if (Below(2) == 0) {
            edited.insert(boundaries[at],
                          Pieces[static_cast<std::size_t>(Below(static_cast<int>(Pieces.size())))]);
        } else {
            const std::size_t last = std::min(boundaries.size() - 1, at + 1 + Below(3));
            edited.erase(boundaries[at], boundaries[last] - boundaries[at]);
        }
        demo_.SetCombo1Text(edited);
        CheckText(edited, Action::EditScenario);
    }

    // A paste far longer than the field: what stays is its first characters.
    void Paste() {
        const std::string& name =
            TypedNames[static_cast<std::size_t>(Below(static_cast<int>(TypedNames.size())))];
        std::string paste;
        while (paste.size() < LongPaste) paste += name.empty() ? std::string("x") : name;
        demo_.SetCombo1Text(paste);
        CheckText(paste, Action::PasteScenario);
    }

    void CheckText(const std::string& typed, Action action) {
        const std::string kept = FirstCharacters(typed, ScenarioTextLimit);
        EXPECT_EQ(demo_.Combo1().text, kept) << Where(action);
        const auto exact = TypedNames.begin() + 5;
        const auto known = std::find(TypedNames.begin(), exact, kept);
        if (known != exact) {
            EXPECT_EQ(demo_.iScenario(), known - TypedNames.begin() + 1) << Where(action);
            EXPECT_FALSE(Shown(demo_.Bridge1).empty()) << Where(action);
        } else {
            EXPECT_TRUE(Shown(demo_.Bridge1).empty() && Shown(demo_.Computer1).empty())
                << Where(action) << " \"" << kept << "\"";
        }
    }

    // An action as the window would pass it on, without looking at its result.
    void Try(Action action) {
        switch (action) {
            case Action::Tick:
                demo_.Timer1_Timer();
                break;
            case Action::Send:
                demo_.Computer1_btnKeys_Click(Below(ComputerCount));
                break;
            case Action::Letter:
                demo_.Computer1_Command1_Click(Below(ComputerCount));
                break;
            case Action::RootButton:
                demo_.Bridge1_btnSpanTree_Click(Below(BridgeCount));
                break;
            case Action::Learning:
                demo_.SetChkLearn(1 - demo_.chkLearn().value);
                break;
            case Action::Forwarding:
                demo_.SetChkForward(1 - demo_.chkForward().value);
                break;
            case Action::Pause:
                demo_.btnPause_Click();
                break;
            case Action::Kill:
                demo_.btnKill_Click();
                break;
            case Action::Renumber:
                demo_.btnCost_Click();
                break;
            case Action::Reset:
                demo_.btnReset_Click();
                break;
            case Action::PickScenario:
                demo_.PickCombo1(Below(5));
                break;
            case Action::TypeScenario:
            case Action::EditScenario:
            case Action::PasteScenario:
                demo_.SetCombo1Text(demo_.Combo1().text + "x");
                break;
        }
    }

    // The box is modal: ticks and clicks tried while it is open change nothing.
    void TryWhileOpen() {
        if (tryingWhileOpen_) return;
        tryingWhileOpen_ = true;
        const std::string before = consistency::Describe(demo_);
        const bool running = demo_.Running();
        for (int n = Below(4); n >= 0; --n) {
            ++figures_.triedWhileOpen;
            Try(Choose());
        }
        EXPECT_EQ(consistency::Describe(demo_), before) << "step " << step_ << ": box open";
        EXPECT_EQ(demo_.Running(), running) << "step " << step_ << ": box open";
        tryingWhileOpen_ = false;
    }

    // Typing rebuilds on every change of the text: clear it, then one letter at a time.
    void Type(const std::string& name) {
        if (!demo_.Combo1().text.empty()) {
            demo_.SetCombo1Text("");
            CheckAfterBuild("scenario cleared");
        }
        // A key types a whole character, whatever its length in bytes.
        for (std::size_t n = 1; n <= name.size(); ++n) {
            if (n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) continue;
            demo_.SetCombo1Text(name.substr(0, n));
            CheckAfterBuild("scenario typed");
        }
        CheckText(name, Action::TypeScenario);
    }

    void CountTokens() {
        int shown = 0;
        for (const Packet& token : demo_.Packet1) shown += token.place.Visible ? 1 : 0;
        figures_.tokenTicks += shown;
        figures_.mostTokensShown = std::max(figures_.mostTokensShown, shown);
        for (int k = 0; k < ComputerCount; ++k) {
            const bool marked = demo_.Computer1[k].Number() == Computer::Marked;
            if (marked && !marked_[k]) ++figures_.deliveries;
            marked_[k] = marked;
        }
    }

    std::string Where(Action action) const {
        // A failed cut would leave a long text; the first characters say enough.
        return "step " + std::to_string(step_) + " (" + NameOf(action) + ", scenario \"" +
               FirstCharacters(demo_.Combo1().text, 2 * ScenarioTextLimit) + "\")";
    }

    void CheckAlways(Action action) {
        const std::string where = Where(action);
        EXPECT_FALSE(demo_.MessageOpen()) << where;
        EXPECT_EQ(demo_.Running(), demo_.btnPause().caption == "Pause") << where;
        EXPECT_GE(demo_.iSelectedStation(), 1) << where;
        EXPECT_LE(demo_.iSelectedStation(), 6) << where;
        CheckTokens(where);
        CheckStations(where);
        CheckBridges(where);
        for (const std::string& found : consistency::Inconsistencies(demo_, demo_.Running()))
            ADD_FAILURE() << where << ": " << found;
    }

    void CheckTokens(const std::string& where) {
        for (int k = 0; k < PoolSize; ++k) {
            const Packet& token = demo_.Packet1[k];
            if (!token.place.Visible) continue;
            const double dx = token.XOffset();
            const int dy = token.YOffset();
            const bool horizontal = (dx == 200 || dx == -200) && dy == 0;
            const bool vertical = dx == 0 && (dy == 200 || dy == -200);
            EXPECT_TRUE(horizontal != vertical)
                << where << ": token " << k << " moves by (" << dx << ", " << dy << ")";
            // Tokens that run off every line are retired, none travels for ever.
            EXPECT_TRUE(token.place.Left > -4000 && token.place.Left < Demo::ClientWidth + 4000 &&
                        token.place.Top > -4000 && token.place.Top < Demo::ClientHeight + 4000)
                << where << ": token " << k << " at (" << token.place.Left << ", "
                << token.place.Top << ")";
            const std::int16_t destination = token.Destination();
            EXPECT_TRUE(destination >= 0 && destination <= 6) << where << ": token " << k;
        }
    }

    void CheckStations(const std::string& where) {
        for (int k = 0; k < ComputerCount; ++k) {
            const Computer& station = demo_.Computer1[k];
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
        const bool forwarding = demo_.chkForward().value == 1;
        for (int k = 0; k < BridgeCount; ++k) {
            const Bridge& bridge = demo_.Bridge1[k];
            CheckTable(bridge.PortATable(), where, k);
            CheckTable(bridge.PortBTable(), where, k);
            // The switches act on all six bridges at once; Renumber switches learning
            // off in the bridges and leaves the box as it was.
            EXPECT_EQ(bridge.bForward(), forwarding) << where << ": bridge " << k;
            EXPECT_EQ(bridge.bLearn(), demo_.Bridge1[0].bLearn()) << where << ": bridge " << k;
            if (bridge.bLearn()) {
                EXPECT_EQ(demo_.chkLearn().value, 1) << where;
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

    void CheckPoolEmpty(Action action) {
        for (int k = 0; k < PoolSize; ++k) {
            EXPECT_FALSE(demo_.Packet1[k].place.Visible) << Where(action) << ": token " << k;
        }
    }

    void CheckAfterBuild(const std::string& what) {
        ++figures_.builds;
        const std::string where = "step " + std::to_string(step_) + " (" + what + ")";
        EXPECT_EQ(demo_.chkLearn().value, 0) << where;
        EXPECT_EQ(demo_.chkForward().value, 0) << where;
        for (int k = 0; k < BridgeCount; ++k) {
            const Bridge& bridge = demo_.Bridge1[k];
            EXPECT_EQ(bridge.BridgeNumber(), k + 1) << where;
            EXPECT_EQ(bridge.PortAState(), PortBlocking) << where << ": bridge " << k;
            EXPECT_EQ(bridge.PortBState(), PortBlocking) << where << ": bridge " << k;
            EXPECT_FALSE(bridge.bLearn() || bridge.bForward()) << where << ": bridge " << k;
        }
    }

    void CheckAfterRenumber() {
        const std::string where = Where(Action::Renumber);
        CheckPoolEmpty(Action::Renumber);
        std::vector<int> numbers;
        for (int k = 0; k < BridgeCount; ++k) {
            const Bridge& bridge = demo_.Bridge1[k];
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
        for (int k = 0; k < 4; ++k) costs.push_back(demo_.Bridge1[k].PortACost());
        std::sort(costs.begin(), costs.end());
        EXPECT_EQ(std::adjacent_find(costs.begin(), costs.end()), costs.end())
            << where << ": bridges 0 to 3 share a cost";
        EXPECT_EQ(demo_.chkForward().value, 0) << where;
    }

    CountingMessage message_;
    FixedSeedRandom random_;
    // The user's choices come from a generator of their own, so that Renumber's
    // draws are the program's fixed sequence.
    FixedSeedRandom actionRandom_;
    Demo demo_;
    int step_ = 0;
    Figures figures_;
    std::array<bool, ComputerCount> marked_{};
    bool tryingWhileOpen_ = false;
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
    EXPECT_GT(soak.messages().shown.count("Run Out of Packets"), 0u);
    for (const auto& m : Mix) EXPECT_GT(figures.actions.count(m.action), 0u) << NameOf(m.action);
}

}  // namespace
}  // namespace bridging
