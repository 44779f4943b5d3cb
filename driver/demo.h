// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's logic: its elements and fixed controls, start-up and the
// scenario builder, the tick, the packet dispatcher and the control-panel
// commands. Toolkit-free: the window's binding draws this state and turns clicks
// and timer ticks into calls on it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bridge/bridge.h"
#include "common/action.h"
#include "common/face.h"
#include "common/value.h"
#include "driver/account.h"
#include "driver/platform.h"
#include "stations/computer.h"
#include "stations/packet.h"

namespace bridging {

// Where LaunchPacket takes a token's frame and starting point from.
inline constexpr std::int16_t OriginComputer = 0;
inline constexpr std::int16_t OriginBridge = 1;
inline constexpr std::int16_t OriginLink = 2;

// Directions of travel.
inline constexpr std::int16_t DirUp = 0;
inline constexpr std::int16_t DirDown = 1;
inline constexpr std::int16_t DirRight = 2;
inline constexpr std::int16_t DirLeft = 3;

// Which end of a link line a horizontal copy starts at; any other value is the bottom.
inline constexpr std::int16_t EndTop = 2;
inline constexpr std::int16_t EndBottom = 1;

inline constexpr int BridgeCount = 6;
inline constexpr int ComputerCount = 6;
inline constexpr int PoolSize = 16;
inline constexpr int LineCount = 6;

// The scenario list's text field holds a network's name, not a document: at
// most this many characters; a longer text is cut to its first ones.
inline constexpr std::size_t ScenarioTextLimit = 64;

// The first `count` characters of a UTF-8 text, never splitting a character's
// bytes; a stray continuation byte stays with the character before it.
std::string FirstCharacters(const std::string& text, std::size_t count);

// The editable scenario list: its text field and its drop-down entries.
struct ComboBoxState {
    std::string text;
    std::vector<std::string> list;
    bool operator==(const ComboBoxState&) const = default;
};

// The tick's speeds, slowest first, as the time between ticks: a quarter, half,
// normal and double speed.
inline constexpr std::array<int, 4> SpeedIntervalsMs = {400, 200, 100, 50};
inline constexpr int NormalSpeed = 2;

// The whole simulation as one plain value: everything a tick or a user action
// changes. It refers to nothing outside itself, so a copy is a second
// simulation that goes its own way, and two compare equal when they show the
// same and will do the same. What only reads it is asked of the value itself.
struct Simulation {
    // The window's client area in twips.
    static constexpr float ClientWidth = 14490;
    static constexpr float ClientHeight = 10740;
    // The scenario number of a network that a teacher built, beyond the list's five.
    static constexpr std::int16_t BuiltNetwork = 6;

    // The network's elements: their placements and visibility are the network.
    std::array<Bridge, BridgeCount> Bridge1;
    std::array<Computer, ComputerCount> Computer1;
    std::array<Packet, PoolSize> Packet1;
    std::array<LineFace, LineCount> lneNetA;
    std::array<LineFace, LineCount> Line1;
    std::array<BoxFace, LineCount> shpRT;
    std::array<BoxFace, LineCount> shpLT;

    // The fixed controls, as the window shows them.
    struct Controls {
        ComboBoxState Combo1{"Combo1", {}};
        ButtonFace btnPause{"Pause"};
        ButtonFace btnKill{"Kill"};
        ButtonFace btnCost{"Renumber"};
        ButtonFace btnReset{"Reset"};
        CheckBoxFace chkLearn{"Learning", 0};
        CheckBoxFace chkForward{"Forwarding", 0};
        LabelFace DebugNote{"Label1"};
        bool operator==(const Controls&) const = default;
    } controls;

    // Window state shared by the handlers: the colour table, the destination of
    // new frames (1 to 6) and the scenario last built (1 to 5).
    std::array<ColourCode, 9> colours{};
    std::int16_t selectedStation = 1;
    std::int16_t scenario = 0;
    // Ticks that ran: a tick arriving while paused moves nothing and is not counted.
    std::uint64_t tickCount = 0;
    // An index into SpeedIntervalsMs.
    int speed = NormalSpeed;
    // Timer1's enabled state: Pause clears it, Resume sets it. The window's
    // timer follows it.
    bool running = true;

    bool operator==(const Simulation&) const = default;

    // The fixed controls.
    const ComboBoxState& Combo1() const { return controls.Combo1; }
    const ButtonFace& btnPause() const { return controls.btnPause; }
    const ButtonFace& btnKill() const { return controls.btnKill; }
    const ButtonFace& btnCost() const { return controls.btnCost; }
    const ButtonFace& btnReset() const { return controls.btnReset; }
    const CheckBoxFace& chkLearn() const { return controls.chkLearn; }
    const CheckBoxFace& chkForward() const { return controls.chkForward; }
    const LabelFace& DebugNote() const { return controls.DebugNote; }
    const std::array<ColourCode, 9>& Colours() const { return colours; }
    std::int16_t iSelectedStation() const { return selectedStation; }
    std::int16_t iScenario() const { return scenario; }

    // Pause / Resume: whether ticks move the frames.
    bool Running() const { return running; }
    std::uint64_t TickCount() const { return tickCount; }
    int Speed() const { return speed; }
    // The time between ticks at the current speed.
    int IntervalMs() const { return SpeedIntervalsMs[static_cast<std::size_t>(speed)]; }
    // Whether the window shows a token of the pool: only then has a tick anything to do.
    bool AnyTokenShown() const;
    int FramesInFlight() const;
};

// One of the dispatcher's two messages, each with an OK button only.
enum class MessageKind : std::uint8_t { RunOutOfPackets, NoSegmentBelow };
// The message's own words: "Run Out of Packets", "Can't find Segment below Computer".
std::string_view MessageText(MessageKind kind);

// A message raised in the middle of a tick or an action. The tick or action
// goes on to its end as if OK had been pressed at once; the window then shows
// the message over the picture of the moment before, and what the tick or
// action brought about once it is closed.
struct DispatcherMessage {
    MessageKind kind = MessageKind::RunOutOfPackets;
    bool operator==(const DispatcherMessage&) const = default;
};

// What a tick or an action raised for the window to show once it is over.
struct Raised {
    std::vector<DispatcherMessage> messages;
};

// The main window's logic: the operations named after the window's controls
// and events, run on the simulation it holds. The account of decisions, when
// one is set, hears each decision as it is taken; the random numbers that
// Renumber draws are handed to it.
class Demo {
public:
    static constexpr float ClientWidth = Simulation::ClientWidth;
    static constexpr float ClientHeight = Simulation::ClientHeight;
    static constexpr auto SpeedIntervalsMs = bridging::SpeedIntervalsMs;
    static constexpr int NormalSpeed = bridging::NormalSpeed;

    // The window as designed, before start-up.
    Demo();
    // Goes on from a simulation kept earlier or made elsewhere.
    explicit Demo(const Simulation& state) : sim_(state) {}
    Demo(const Demo&) = delete;
    Demo& operator=(const Demo&) = delete;

    const Simulation& State() const { return sim_; }
    // Takes up a simulation kept earlier; the account stays.
    void Restore(const Simulation& state) { sim_ = state; }
    // The simulation itself, for a test or a tool that sets a scene up by hand.
    Simulation& Scene() { return sim_; }

    // One tick whatever the running state: what Timer1 does while running and
    // Step while paused. For running a kept or copied simulation on.
    Raised NextTick();

    // Start-up, before the window is first shown.
    void Form_Load();

    // The scenario list: a text edit (cut to ScenarioTextLimit characters; runs
    // the change handler when the text actually changes) and a pick from the
    // drop-down list (runs the click handler).
    Raised SetCombo1Text(const std::string& text);
    Raised PickCombo1(int listIndex);

    // A network laid out elsewhere (one a teacher built), built as the builder
    // builds a scenario: its elements' layout taken up, the scenario list's
    // text showing its name (without running the list's handler), the
    // scenario number BuiltNetwork, both check boxes cleared.
    Raised BuildNetwork(const Simulation& laidOut, const std::string& name);
    // Reset of such a network: Kill, then built again.
    Raised ResetNetwork(const Simulation& laidOut, const std::string& name);

    // Control-panel commands. Renumber is the one user of random numbers.
    Raised btnReset_Click();
    Raised btnPause_Click();
    Raised btnKill_Click();
    Raised btnCost_Click(RandomSource& random);
    // A check box set to 0 or 1, by the user's click or by the program: its
    // command runs only when the state actually changes.
    Raised SetChkLearn(int value);
    Raised SetChkForward(int value);

    // The presses of the elements' own buttons.
    Raised Computer1_Command1_Click(int index);
    Raised Computer1_btnKeys_Click(int index);
    Raised Bridge1_btnSpanTree_Click(int index);

    // One tick of Timer1: while running, move every shown token and test where
    // it stands.
    Raised Timer1_Timer();

    // While paused, exactly one tick; while running, the same as Pause and no
    // tick, so that a teacher can step on from the picture where it stopped.
    Raised Step();

    // A user action on the simulation, as the handler of its control runs
    // it; nothing (no value) for an action that is not the simulation's.
    std::optional<Raised> Perform(const Action& action, RandomSource& random);

    // One speed up or down; at either end nothing changes.
    void Faster();
    void Slower();
    // An index into SpeedIntervalsMs; out-of-range values are ignored.
    void SetSpeed(int newSpeed);

    // Take a free token from the pool, fill it, give it its direction and place it.
    Raised LaunchPacket(const Packet& pktSrc, std::int16_t iIndex, std::int16_t iOrigin,
                        std::int16_t iDirection, std::int16_t iEnd);

    // Where the records of decisions go; null (the default) makes none.
    void SetAccount(DecisionAccount* account) { account_ = account; }

private:
    // The scenario list's entries, in the order of the scenario numbers 1 to 5.
    static constexpr std::array<std::string_view, 5> ScenarioNames = {
        "One Bridge", "Two Bridges", "Two Manual", "Four Bridges", "Full Network"};

    // Each public operation runs here: what it raised is handed back, and a
    // component that refuses a value (ConversionError) abandons the rest of
    // the operation instead of unwinding into the window's toolkit.
    template <typename Operation>
    Raised Run(Operation&& operation) noexcept {
        raised_.messages.clear();
        try {
            operation();
        } catch (const ConversionError&) {}
        return std::exchange(raised_, {});
    }
    // Within an operation: a handler that another runs, abandoned alone when
    // a component refuses a value, as the window's event handlers are.
    template <typename Operation>
    void Contain(Operation&& operation) noexcept {
        try {
            operation();
        } catch (const ConversionError&) {}
    }

    void BuildScenario();
    void TakeUpNetwork(const Simulation& laidOut, const std::string& name);
    void Combo1_Change();
    void Combo1_Click();
    void Kill();
    void Pause();
    void Renumber(RandomSource& random);
    void chkLearn_Click();
    void chkForward_Click();
    void SetCheckBox(CheckBoxFace& box, int value, void (Demo::*command)());
    void SetText(const std::string& text);
    // Raises a dispatcher message; the operation goes on.
    void RaiseMessage(MessageKind kind);

    // The dispatcher's work, within a tick or an action.
    void Dispatch(const Packet& pktSrc, std::int16_t iIndex, std::int16_t iOrigin,
                  std::int16_t iDirection, std::int16_t iEnd);
    // Handlers of the elements' events; the element's index comes first.
    void Computer1_zPacketGo(int Index, const Packet& pkt);
    void Computer1_zSetSource(int Index);
    void Bridge1_zBridgeTx(int Index, const Packet& pktTx, std::int16_t iDirection);

    // The tick's work without its check of the running state, so that Step can run it while paused.
    void MoveAndTestTokens();
    // The tick's tests of one shown token after its move, in the tick's order.
    void TestSegmentEnds(Packet& token);
    void TestJunctions(Packet& token);
    bool TestBridgesAndLinkEnds(Packet& token);
    void TestComputers(Packet& token);
    bool SplitAtLinkEnd(Packet& token, std::int16_t index, std::int16_t iEnd);

    // What a bridge raised, taken up where it raised it: its records first,
    // then its frames launched in the order it sent them.
    void TakeUp(int index, BridgeEvents& raised);
    BridgeEvents Listening() const {
        BridgeEvents raised;
        raised.recording = Accounting();
        return raised;
    }

    // The account's side: records of the window's own decisions and of its
    // elements', each stamped with the tick.
    bool Accounting() const { return account_ != nullptr; }
    void Report(Decision& decision);
    void ReportArrival(int index, const Packet& frame, int port);
    void ReportWindow(DecisionKind kind);
    void ReportStation(DecisionKind kind, int index, const Packet* frame = nullptr);
    void ReportRenumbering();
    void ReportSwitch(DecisionKind kind, bool on);
    void ReportScenario();

    // Renumber's two random steps.
    void DrawPortCosts(RandomSource& random);
    void ShuffleBridgeNumbers(RandomSource& random);

    Simulation sim_;
    DecisionAccount* account_ = nullptr;
    Raised raised_;
};

}  // namespace bridging
