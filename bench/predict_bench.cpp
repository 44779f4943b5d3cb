// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What predict mode adds to a tick: before each tick the window runs the
// look-ahead and prepares the questions, and here every question due is
// revealed, so that a question is made for every arrival of every tick, the
// most the class can be asked. Argument `predict` 0 is the plain tick beside it;
// the lesson log's account is kept in both, as the window keeps it.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "bench/scenes.h"
#include "driver/demo.h"
#include "history/history.h"
#include "predict/lookahead.h"
#include "predict/predictor.h"
#include "tests/fakes.h"

namespace {

using namespace bridging;

void BM_TickWithLookAhead(benchmark::State& state) {
    bench::BusyNetwork busy(static_cast<bench::Scene>(state.range(0)));
    const bool predicting = state.range(1) != 0;
    testing::LogAccount log(5000);
    busy.demo().SetAccount(&log);
    predict::Predictor predictor;
    predictor.SetOn(true);
    history::Moment moment = 0;
    long questions = 0;
    for (auto _ : state) {
        busy.Renew();
        if (predicting) {
            const predict::NextTick next = predict::LookAhead(busy.State());
            if (predictor.Prepare(moment, busy.State(), next)) {
                while (predictor.Current() != nullptr) {
                    benchmark::DoNotOptimize(predictor.Reveal());
                    ++questions;
                }
            }
        }
        busy.demo().Timer1_Timer();
        ++moment;
        benchmark::ClobberMemory();
    }
    if (!busy.AsBuilt()) state.SkipWithError("a token arrived somewhere");
    state.counters["questions_per_tick"] = benchmark::Counter(
        static_cast<double>(questions) / static_cast<double>(state.iterations()));
}
// Scenes: 0 "One Bridge" road, 1 "Two Bridges" storm, 2 "Full Network" full pool.
BENCHMARK(BM_TickWithLookAhead)->ArgsProduct({{0, 1, 2}, {0, 1}})->ArgNames({"scene", "predict"});

}  // namespace
