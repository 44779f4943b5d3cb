// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform's parts as the tests, the fuzz targets and the benchmarks fake
// them: message boxes that record or say nothing, a scripted random sequence,
// and accounts that keep the records or their words. Toolkit-free and without a
// test framework, so that every caller can use them.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "driver/account.h"
#include "driver/platform.h"
#include "explain/sentences.h"

namespace bridging::testing {

// Records each text it shows; `whileOpen` runs while the box is "open", after
// the text is recorded, for what a test does before pressing OK.
struct RecordingMessage : ModalMessage {
    std::vector<std::string> texts;
    std::function<void()> whileOpen;
    void ShowMessage(const std::string& text) override {
        texts.push_back(text);
        if (whileOpen) whileOpen();
    }
};

// OK pressed at once, nothing kept: for measurements.
struct SilentMessage : ModalMessage {
    void ShowMessage(const std::string& /*text*/) override {}
};

// The scripted values, then the program's own generator, so that a test which
// runs out of script (Renumber's cost loop, say) cannot loop for ever.
struct ScriptedRandom : RandomSource {
    std::vector<double> values;
    std::size_t next = 0;
    FixedSeedRandom afterScript;
    double Next() override { return next < values.size() ? values[next++] : afterScript.Next(); }
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
