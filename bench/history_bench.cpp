// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What keeping the past costs: a tick of a storm in the session, which keeps
// its moment, the bytes the last moments take, and bringing back one moment or
// one far back.
#include <benchmark/benchmark.h>

#include <string>

#include "session/session.h"

namespace {

using namespace bridging;
using history::History;

// "Two Bridges" without the spanning tree: a frame every 40 ticks keeps it
// busy. The session keeps a moment after each tick and writes the log's lines.
struct Storm {
    FixedSeedRandom random;
    session::Session session{random};
    int ticks = 0;

    Storm() {
        Action typed = Act(ActionKind::TypeScenario);
        typed.text = "Two Bridges";
        session.Apply(typed);
        session.Apply(Act(ActionKind::SetLearning, 1));
        session.Apply(Act(ActionKind::SetForwarding, 1));
    }

    void Tick() {
        if (ticks++ % 40 == 0) session.Apply(Act(ActionKind::Send, ticks / 40 % 4));
        session.Tick();
    }
};

void BM_TickKeepingTheMoment(benchmark::State& state) {
    Storm storm;
    for (auto _ : state) storm.Tick();
    const History& kept = storm.session.Time().Kept();
    const auto moments = static_cast<double>(kept.Newest() - kept.Oldest() + 1);
    state.counters["bytes_per_moment"] = static_cast<double>(kept.Bytes()) / moments;
    state.counters["moments_kept"] = moments;
}
BENCHMARK(BM_TickKeepingTheMoment);

// A full history of the least number of moments kept, then the way back.
void BM_BringBack(benchmark::State& state) {
    Storm storm;
    for (std::size_t n = 0; n < History::LeastMoments + 100; ++n) storm.Tick();
    const History& kept = storm.session.Time().Kept();
    const auto distance = static_cast<history::Moment>(state.range(0));
    for (auto _ : state) {
        // The hardest case of each distance: the moment just before a keyframe.
        Simulation back = kept.At(kept.Newest() - distance);
        benchmark::DoNotOptimize(back);
    }
    state.counters["bytes"] = static_cast<double>(kept.Bytes());
}
BENCHMARK(BM_BringBack)->Arg(1)->Arg(10)->Arg(10'000)->Unit(benchmark::kMicrosecond);

}  // namespace
