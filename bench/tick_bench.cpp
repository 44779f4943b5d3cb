// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What one tick costs with a full pool in the largest network, and what one
// frame's whole road through "One Bridge" costs, tick by tick; each also with
// the account of decisions kept (argument 1) or not (0), and a broadcast storm,
// where nearly every tick decides something.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "bench/scenes.h"
#include "driver/demo.h"
#include "tests/fakes.h"

namespace {

using namespace bridging;
using bench::BusyNetwork;
using bench::Scene;
using bridging::testing::LogAccount;

// As many lines as the lesson log keeps in words.
constexpr std::size_t LogLines = 5000;

void KeepAccountIf(benchmark::State& state, Demo& demo, LogAccount& log) {
    if (state.range(0) != 0) demo.SetAccount(&log);
}

void CountRecords(benchmark::State& state, const LogAccount& log) {
    state.counters["records_per_iteration"] = benchmark::Counter(
        static_cast<double>(log.records) / static_cast<double>(state.iterations()));
}

void BM_TickFullPool(benchmark::State& state) {
    BusyNetwork busy(Scene::FullPool);
    LogAccount log(LogLines);
    KeepAccountIf(state, busy.demo(), log);
    for (auto _ : state) {
        busy.Renew();
        busy.demo().Timer1_Timer();
        benchmark::ClobberMemory();
    }
    if (!busy.AsBuilt()) state.SkipWithError("a token arrived somewhere");
    CountRecords(state, log);
}
BENCHMARK(BM_TickFullPool)->Arg(0)->Arg(1);

// Station A sends to C; the tick runs until every copy is gone (47 ticks).
void BM_OneBridgeRoad(benchmark::State& state) {
    bench::Window w("One Bridge");
    LogAccount log(LogLines);
    KeepAccountIf(state, w.demo, log);
    w.Do(Act(ActionKind::Letter, 2));
    long ticks = 0;
    for (auto _ : state) {
        w.Do(Act(ActionKind::Send, 0));
        while (w.demo.State().AnyTokenShown()) {
            w.demo.Timer1_Timer();
            ++ticks;
        }
    }
    state.counters["ticks_per_road"] =
        benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(state.iterations()));
    CountRecords(state, log);
}
BENCHMARK(BM_OneBridgeRoad)->Arg(0)->Arg(1);

// One iteration is one tick of the storm.
void BM_TwoBridgesStormTick(benchmark::State& state) {
    BusyNetwork busy(Scene::TwoBridgesStorm);
    LogAccount log(LogLines);
    KeepAccountIf(state, busy.demo(), log);
    long shown = 0;
    for (auto _ : state) {
        busy.Renew();
        shown += bench::ShownTokens(busy.demo());
        busy.demo().Timer1_Timer();
    }
    CountRecords(state, log);
    state.counters["tokens_shown"] =
        benchmark::Counter(static_cast<double>(shown) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TwoBridgesStormTick)->Arg(0)->Arg(1);

}  // namespace
