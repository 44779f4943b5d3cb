// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What one tick costs with a full pool in the largest network, and what one
// frame's whole road through "One Bridge" costs, tick by tick; each also with
// the account of decisions kept (argument 1) or not (0), and a broadcast storm,
// where nearly every tick decides something.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>

#include "driver/demo.h"
#include "tests/fakes.h"

namespace {

using namespace bridging;
using bridging::testing::LogAccount;
using bridging::testing::SilentMessage;

struct Window {
    SilentMessage message;
    FixedSeedRandom random;
    Demo demo{message, random};

    explicit Window(const std::string& scenario) {
        demo.Form_Load();
        demo.SetCombo1Text(scenario);
        demo.SetChkLearn(1);
        demo.SetChkForward(1);
    }
};

// As many lines as the lesson log keeps in words.
constexpr std::size_t LogLines = 5000;

void KeepAccountIf(benchmark::State& state, Window& w, LogAccount& log) {
    if (state.range(0) != 0) w.demo.SetAccount(&log);
}

void CountRecords(benchmark::State& state, const LogAccount& log) {
    state.counters["records_per_iteration"] = benchmark::Counter(
        static_cast<double>(log.records) / static_cast<double>(state.iterations()));
}

struct Token {
    float left;
    float top;
    int dx;
    int dy;
};

// Sixteen tokens in "Full Network" that a tick moves and tests against every
// segment, link line, bridge and station without any of them arriving
// anywhere: eight on segment 2 (some passing stations C and D) and eight on
// link lines 0 and 5, away from the bridges' edges and the lines' ends.
constexpr std::array<Token, PoolSize> FullPool = {{{4000, 9260, 200, 0},
                                                   {4500, 9260, -200, 0},
                                                   {5000, 9260, 200, 0},
                                                   {5500, 9260, -200, 0},
                                                   {8000, 9260, 200, 0},
                                                   {8500, 9260, -200, 0},
                                                   {9000, 9260, 200, 0},
                                                   {9500, 9260, -200, 0},
                                                   {1880, 4200, 0, 200},
                                                   {1880, 4600, 0, 200},
                                                   {1880, 8000, 0, -200},
                                                   {1880, 8400, 0, -200},
                                                   {11960, 2200, 0, 200},
                                                   {11960, 2600, 0, 200},
                                                   {11960, 7500, 0, -200},
                                                   {11960, 8000, 0, -200}}};

void FillPool(Demo& demo) {
    for (int k = 0; k < PoolSize; ++k) {
        Packet& p = demo.Packet1[k];
        p.SetDestination(k % 6 + 1);
        p.SetSource(1);
        p.SetXOffset(FullPool[k].dx);
        p.SetYOffset(FullPool[k].dy);
        p.place.Left = FullPool[k].left;
        p.place.Top = FullPool[k].top;
        p.place.Visible = true;
    }
}

// Each iteration puts the tokens back where they stood (a few stores, part of
// the figure) so that every tick sees the same scene.
void BM_TickFullPool(benchmark::State& state) {
    Window w("Full Network");
    LogAccount log(LogLines);
    KeepAccountIf(state, w, log);
    FillPool(w.demo);
    std::array<Placement, PoolSize> start{};
    for (int k = 0; k < PoolSize; ++k) start[k] = w.demo.Packet1[k].place;
    for (auto _ : state) {
        w.demo.Timer1_Timer();
        for (int k = 0; k < PoolSize; ++k) w.demo.Packet1[k].place = start[k];
        benchmark::ClobberMemory();
    }
    int shown = 0;
    for (const Packet& p : w.demo.Packet1) shown += p.place.Visible ? 1 : 0;
    if (shown != PoolSize) state.SkipWithError("a token arrived somewhere");
    CountRecords(state, log);
}
BENCHMARK(BM_TickFullPool)->Arg(0)->Arg(1);

// Station A sends to C; the tick runs until every copy is gone (47 ticks).
void BM_OneBridgeRoad(benchmark::State& state) {
    Window w("One Bridge");
    LogAccount log(LogLines);
    KeepAccountIf(state, w, log);
    w.demo.Computer1_Command1_Click(2);
    auto anyShown = [&] {
        for (const Packet& p : w.demo.Packet1) {
            if (p.place.Visible) return true;
        }
        return false;
    };
    long ticks = 0;
    for (auto _ : state) {
        w.demo.Computer1_btnKeys_Click(0);
        while (anyShown()) {
            w.demo.Timer1_Timer();
            ++ticks;
        }
    }
    state.counters["ticks_per_road"] =
        benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(state.iterations()));
    CountRecords(state, log);
}
BENCHMARK(BM_OneBridgeRoad)->Arg(0)->Arg(1);

// "Two Bridges" learning and forwarding, with no spanning tree: one frame circles
// the loop for ever, and the bridges learn its source on alternate sides. One
// iteration is one tick.
void BM_TwoBridgesStormTick(benchmark::State& state) {
    Window w("Two Bridges");
    LogAccount log(LogLines);
    KeepAccountIf(state, w, log);
    w.demo.Computer1_Command1_Click(2);
    long shown = 0;
    for (auto _ : state) {
        int now = 0;
        for (const Packet& p : w.demo.Packet1) now += p.place.Visible ? 1 : 0;
        if (now == 0) w.demo.Computer1_btnKeys_Click(0);
        shown += now;
        w.demo.Timer1_Timer();
    }
    CountRecords(state, log);
    state.counters["tokens_shown"] =
        benchmark::Counter(static_cast<double>(shown) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TwoBridgesStormTick)->Arg(0)->Arg(1);

}  // namespace
