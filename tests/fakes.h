// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform's parts as the tests, the fuzz targets and the benchmarks fake
// them: the window's logic with the messages it raises kept, a scripted random
// sequence, and accounts that keep the records or their words. Toolkit-free and
// without a test framework, so that every caller can use them.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "driver/account.h"
#include "driver/demo.h"
#include "driver/platform.h"
#include "explain/sentences.h"

namespace bridging::testing {

// The texts of the dispatcher's messages, in the order they were raised.
struct RecordingMessage {
    std::vector<std::string> texts;
    const Raised& Keep(const Raised& raised) {
        for (const DispatcherMessage& message : raised.messages)
            texts.emplace_back(MessageText(message.kind));
        return raised;
    }
};

// The scripted values, then the program's own generator, so that a test which
// runs out of script (Renumber's cost loop, say) cannot loop for ever.
struct ScriptedRandom : RandomSource {
    std::vector<double> values;
    std::size_t next = 0;
    FixedSeedRandom afterScript;
    double Next() override { return next < values.size() ? values[next++] : afterScript.Next(); }
};

// The window's logic driven as the window drives it, with the texts of the
// messages it raises kept in `message` and Renumber drawing from `random`.
class RecordingDemo : public Demo {
public:
    RecordingDemo(RecordingMessage& message, RandomSource& random)
        : message_(message), random_(random) {}
    RecordingDemo(const Simulation& state, RecordingMessage& message, RandomSource& random)
        : Demo(state), message_(message), random_(random) {}

    Raised NextTick() { return Keep(Demo::NextTick()); }
    Raised Timer1_Timer() { return Keep(Demo::Timer1_Timer()); }
    Raised Step() { return Keep(Demo::Step()); }
    Raised SetCombo1Text(const std::string& text) { return Keep(Demo::SetCombo1Text(text)); }
    Raised PickCombo1(int listIndex) { return Keep(Demo::PickCombo1(listIndex)); }
    Raised btnReset_Click() { return Keep(Demo::btnReset_Click()); }
    Raised btnPause_Click() { return Keep(Demo::btnPause_Click()); }
    Raised btnKill_Click() { return Keep(Demo::btnKill_Click()); }
    Raised btnCost_Click() { return Keep(Demo::btnCost_Click(random_)); }
    Raised SetChkLearn(int value) { return Keep(Demo::SetChkLearn(value)); }
    Raised SetChkForward(int value) { return Keep(Demo::SetChkForward(value)); }
    Raised Computer1_Command1_Click(int index) {
        return Keep(Demo::Computer1_Command1_Click(index));
    }
    Raised Computer1_btnKeys_Click(int index) { return Keep(Demo::Computer1_btnKeys_Click(index)); }
    Raised Bridge1_btnSpanTree_Click(int index) {
        return Keep(Demo::Bridge1_btnSpanTree_Click(index));
    }
    Raised Perform(const Action& action) {
        std::optional<Raised> raised = Demo::Perform(action, random_);
        return raised ? Keep(std::move(*raised)) : Raised{};
    }
    Raised LaunchPacket(const Packet& pktSrc, std::int16_t iIndex, std::int16_t iOrigin,
                        std::int16_t iDirection, std::int16_t iEnd) {
        return Keep(Demo::LaunchPacket(pktSrc, iIndex, iOrigin, iDirection, iEnd));
    }

private:
    Raised Keep(Raised raised) {
        message_.Keep(raised);
        return raised;
    }

    RecordingMessage& message_;
    RandomSource& random_;
};

// Keeps every record as it came.
struct RecordingAccount : DecisionAccount {
    std::vector<Decision> records;
    void Record(const Decision& decision) override { records.push_back(decision); }
    void Clear() { records.clear(); }
};

// Keeps the last lines in words, as the window's lesson log does, and counts
// every record.
struct LogAccount : DecisionAccount {
    std::size_t keep;
    std::deque<std::string> lines;
    long records = 0;
    explicit LogAccount(std::size_t lastLines) : keep(lastLines) {}
    void Record(const Decision& decision) override {
        lines.push_back(explain::Sentence(decision));
        if (lines.size() > keep) lines.pop_front();
        ++records;
    }
};

}  // namespace bridging::testing
