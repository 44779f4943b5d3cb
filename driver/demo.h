// The main window's logic: its elements and fixed controls, start-up and the
// scenario builder, the tick, the packet dispatcher and the control-panel
// commands. Toolkit-free: the window's binding draws this state and turns clicks
// and timer ticks into calls on it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bridge/bridge.h"
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
};

class Demo {
public:
    // The window's client area in twips.
    static constexpr float ClientWidth = 14490;
    static constexpr float ClientHeight = 10740;

    Demo(ModalMessage& message, TickTimer& timer, RandomSource& random);
    Demo(const Demo&) = delete;
    Demo& operator=(const Demo&) = delete;

    // Start-up, before the window is first shown.
    void Form_Load();

    // The scenario list: a text edit (cut to ScenarioTextLimit characters; runs
    // the change handler when the text actually changes) and a pick from the
    // drop-down list (runs the click handler).
    void SetCombo1Text(const std::string& text);
    void PickCombo1(int listIndex);
    void Combo1_Change();
    void Combo1_Click();

    // Control-panel commands.
    void btnReset_Click();
    void btnPause_Click();
    void btnKill_Click();
    void btnCost_Click();
    void chkLearn_Click();
    void chkForward_Click();
    // A check box set to 0 or 1, by the user's click or by the program: its
    // command runs only when the state actually changes.
    void SetChkLearn(int value);
    void SetChkForward(int value);

    // The presses of the elements' own buttons.
    void Computer1_Command1_Click(int index);
    void Computer1_btnKeys_Click(int index);
    void Bridge1_btnSpanTree_Click(int index);

    // One tick of Timer1: move every shown token and test where it stands.
    void Timer1_Timer();

    // While paused, exactly one tick; while running, the same as Pause and no
    // tick, so that a teacher can step on from the picture where it stopped.
    // Nothing while a message waits for OK.
    void Step();

    // The tick's speeds, slowest first, as the timer's interval: a quarter,
    // half, normal and double speed.
    static constexpr std::array<int, 4> SpeedIntervalsMs = {400, 200, 100, 50};
    static constexpr int NormalSpeed = 2;
    // One speed up or down; at either end nothing changes.
    void Faster();
    void Slower();
    // An index into SpeedIntervalsMs; out-of-range values are ignored.
    void SetSpeed(int speed);
    int Speed() const { return speed_; }

    // Take a free token from the pool, fill it, give it its direction and place it.
    void LaunchPacket(const Packet& pktSrc, std::int16_t iIndex, std::int16_t iOrigin,
                      std::int16_t iDirection, std::int16_t iEnd);

    // Handlers of the elements' events; the element's index comes first.
    void Computer1_zPacketGo(int Index, Packet& pkt);
    void Computer1_zSetSource(int Index);
    void Bridge1_zBridgeTx(int Index, Packet& pktTx, std::int16_t iDirection);

    // The fixed controls.
    const ComboBoxState& Combo1() const { return combo1_; }
    const ButtonFace& btnPause() const { return btnPause_; }
    const ButtonFace& btnKill() const { return btnKill_; }
    const ButtonFace& btnCost() const { return btnCost_; }
    const ButtonFace& btnReset() const { return btnReset_; }
    const CheckBoxFace& chkLearn() const { return chkLearn_; }
    const CheckBoxFace& chkForward() const { return chkForward_; }
    const LabelFace& DebugNote() const { return debugNote_; }

    // Window state shared by the handlers.
    const std::array<ColourCode, 9>& Colours() const { return colours_; }
    std::int16_t iSelectedStation() const { return iSelectedStation_; }
    std::int16_t iScenario() const { return iScenario_; }
    // True while a dispatcher message waits for OK. The message is modal: the
    // user's actions and the ticks that arrive meanwhile are ignored.
    bool MessageOpen() const { return messageOpen_; }
    // True while the window shows a token of the pool: only then has a tick anything to do.
    bool AnyTokenShown() const;

    // Where the records of decisions go; null (the default) makes none.
    void SetAccount(DecisionAccount* account);
    // Ticks that ran since start-up: a tick arriving while paused or while a
    // message waits for OK moves nothing and is not counted. Records made
    // between ticks carry the number of the last tick that ran.
    std::uint64_t TickCount() const { return tickCount_; }

    // The network's elements: their placements and visibility are the network.
    std::array<Bridge, BridgeCount> Bridge1;
    std::array<Computer, ComputerCount> Computer1;
    std::array<Packet, PoolSize> Packet1;
    std::array<LineFace, LineCount> lneNetA;
    std::array<LineFace, LineCount> Line1;
    std::array<BoxFace, LineCount> shpRT;
    std::array<BoxFace, LineCount> shpLT;

private:
    // The scenario list's entries, in the order of the scenario numbers 1 to 5.
    static constexpr std::array<std::string_view, 5> ScenarioNames = {
        "One Bridge", "Two Bridges", "Two Manual", "Four Bridges", "Full Network"};

    void BuildScenario();
    // Shows a dispatcher message and waits for OK; MessageOpen() holds meanwhile.
    void ShowMessage(const std::string& text);

    // The tick's work without its check of the timer, so that Step can run it while paused.
    void MoveAndTestTokens();
    // The tick's tests of one shown token after its move, in the tick's order.
    void TestSegmentEnds(Packet& token);
    void TestJunctions(Packet& token);
    bool TestBridgesAndLinkEnds(Packet& token);
    void TestComputers(Packet& token);
    bool SplitAtLinkEnd(Packet& token, std::int16_t index, std::int16_t iEnd);

    // The account's side: records of the window's own decisions and of its
    // elements', each stamped with the tick.
    bool Accounting() const { return account_ != nullptr; }
    void Report(Decision& decision);
    void ReportWindow(DecisionKind kind);
    void ReportStation(DecisionKind kind, int index, const Packet* frame = nullptr);
    void ReportRenumbering();
    void ReportSwitch(DecisionKind kind, bool on);
    void ReportScenario();

    void SetCheckBox(CheckBoxFace& box, int value, void (Demo::*command)());

    // Renumber's two random steps.
    void DrawPortCosts();
    void ShuffleBridgeNumbers();

    // Runs one of the window's actions. A component that refuses a value
    // (ConversionError) abandons the rest of that action instead of unwinding
    // into the window's toolkit; the program goes on with the next event.
    template <typename Action>
    void Contain(Action&& action) noexcept {
        try {
            action();
        } catch (const ConversionError&) {}
    }

    // A user's action: it cannot reach the window while a modal message is open.
    template <typename Action>
    void UserAction(Action&& action) noexcept {
        if (!messageOpen_) Contain(std::forward<Action>(action));
    }

    ModalMessage& message_;
    TickTimer& timer_;
    RandomSource& random_;

    ComboBoxState combo1_{"Combo1", {}};
    ButtonFace btnPause_{"Pause"};
    ButtonFace btnKill_{"Kill"};
    ButtonFace btnCost_{"Renumber"};
    ButtonFace btnReset_{"Reset"};
    CheckBoxFace chkLearn_{"Learning", 0};
    CheckBoxFace chkForward_{"Forwarding", 0};
    LabelFace debugNote_{"Label1"};

    std::array<ColourCode, 9> colours_{};
    std::int16_t iSelectedStation_ = 1;
    std::int16_t iScenario_ = 0;
    bool messageOpen_ = false;
    DecisionAccount* account_ = nullptr;
    std::uint64_t tickCount_ = 0;
    int speed_ = NormalSpeed;
};

}  // namespace bridging
