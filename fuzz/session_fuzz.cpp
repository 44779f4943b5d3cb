// Fuzzes whole user sessions on the main window's logic: the input is read as a
// sequence of user actions and timer ticks (every command and check box, the
// stations' and bridges' buttons, typing, pasting and picking in the scenario
// list, pauses, bursts of ticks), some of them tried while a message box is
// open. After every action the window must be consistent; nothing may throw,
// and whatever is tried while a box is open must change nothing.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "driver/demo.h"
#include "fuzz/fuzz_check.h"
#include "tests/consistency.h"

namespace bridging {
namespace {

// Enough to storm the loops of the largest network and run the pool out.
constexpr int MostActions = 300;
constexpr int MostTicksInABurst = 80;
constexpr std::size_t LongestTypedPiece = 24;
constexpr std::size_t LongestPaste = 200;

enum class Action : std::uint8_t {
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
    Pick,
    TypeName,
    InsertText,
    DeleteText,
    Paste,
    ArmMessageBox,
    Step,
    Faster,
    Slower,
    kMaxValue = Slower,
};

const char* const Names[] = {"One Bridge", "Two Bridges", "Two Manual", "Four Bridges",
                             "Full Network"};

class Session;

// The window's modal box: while "open" it may try the user's next actions,
// which the modal box keeps from the window.
struct TryingMessage : ModalMessage {
    Session* session = nullptr;
    void ShowMessage(const std::string& text) override;
};

class Session {
public:
    Session(FuzzedDataProvider& input, std::uint64_t seed)
        : input_(input), random_(seed), demo_(message_, random_) {
        message_.session = this;
        demo_.Form_Load();
        Check("start-up");
    }

    void Run() {
        for (int n = 0; n < MostActions && input_.remaining_bytes() > 0; ++n) {
            const Action action = input_.ConsumeEnum<Action>();
            Do(action);
            Check("action");
        }
    }

    // Tries up to `armed_` actions while the box is open; each must change nothing.
    void WhileOpen(const std::string& text) {
        FUZZ_CHECK(text == "Run Out of Packets" || text == "Can't find Segment below Computer");
        FUZZ_CHECK(demo_.MessageOpen());
        if (opening_) return;
        opening_ = true;
        const std::string before = consistency::Describe(demo_);
        const bool running = demo_.Running();
        for (; armed_ > 0 && input_.remaining_bytes() > 0; --armed_) {
            Do(input_.ConsumeEnum<Action>());
        }
        FUZZ_CHECK(consistency::Describe(demo_) == before);
        FUZZ_CHECK(demo_.Running() == running);
        opening_ = false;
    }

private:
    // An index of an element, now and then one that is hidden or does not exist.
    int AnyIndex(int count) { return input_.ConsumeIntegralInRange<int>(-1, count); }

    void Do(Action action) {
        switch (action) {
            case Action::Ticks: {
                const int ticks = input_.ConsumeIntegralInRange<int>(1, MostTicksInABurst);
                for (int t = 0; t < ticks; ++t) demo_.Timer1_Timer();
                break;
            }
            case Action::Send:
                demo_.Computer1_btnKeys_Click(AnyIndex(ComputerCount));
                break;
            case Action::Letter:
                demo_.Computer1_Command1_Click(AnyIndex(ComputerCount));
                break;
            case Action::RootButton:
                demo_.Bridge1_btnSpanTree_Click(AnyIndex(BridgeCount));
                break;
            case Action::Learning:
                demo_.SetChkLearn(input_.ConsumeIntegralInRange<int>(-1, 2));
                break;
            case Action::Forwarding:
                demo_.SetChkForward(input_.ConsumeIntegralInRange<int>(-1, 2));
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
            case Action::Pick:
                demo_.PickCombo1(AnyIndex(5));
                break;
            case Action::TypeName:
                demo_.SetCombo1Text(Names[input_.ConsumeIntegralInRange<int>(0, 4)]);
                break;
            case Action::InsertText:
                Edit(input_.ConsumeRandomLengthString(LongestTypedPiece), 0);
                break;
            case Action::DeleteText:
                Edit("", input_.ConsumeIntegralInRange<std::size_t>(1, 8));
                break;
            case Action::Paste: {
                const std::string piece = input_.ConsumeRandomLengthString(LongestTypedPiece);
                std::string paste;
                while (!piece.empty() && paste.size() < LongestPaste) paste += piece;
                demo_.SetCombo1Text(paste);
                break;
            }
            case Action::ArmMessageBox:
                armed_ = input_.ConsumeIntegralInRange<int>(1, 4);
                break;
            case Action::Step:
                demo_.Step();
                break;
            case Action::Faster:
                demo_.Faster();
                break;
            case Action::Slower:
                demo_.Slower();
                break;
        }
    }

    // Replaces `erase` bytes at some point of the text by `insert`, as typing does
    // one change at a time; the field's own limit applies to the result.
    void Edit(const std::string& insert, std::size_t erase) {
        std::string text = demo_.Combo1().text;
        const std::size_t at = input_.ConsumeIntegralInRange<std::size_t>(0, text.size());
        text.replace(at, erase, insert);
        demo_.SetCombo1Text(text);
    }

    void Check(const char* when) {
        const auto found = consistency::Inconsistencies(demo_, demo_.Running());
        if (found.empty()) return;
        for (const std::string& line : found) std::fprintf(stderr, "%s: %s\n", when, line.c_str());
        std::abort();
    }

    FuzzedDataProvider& input_;
    TryingMessage message_;
    FixedSeedRandom random_;
    Demo demo_;
    int armed_ = 0;
    bool opening_ = false;
};

void TryingMessage::ShowMessage(const std::string& text) {
    if (session != nullptr) session->WhileOpen(text);
}

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
