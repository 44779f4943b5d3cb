// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What keeping the past costs: a moment kept after each tick of a storm, the
// bytes the last moments take, and bringing back one moment or one far back.
#include <benchmark/benchmark.h>

#include <string>

#include "driver/demo.h"
#include "history/timeline.h"

namespace {

using namespace bridging;
using history::History;
using history::Timeline;

struct SilentMessage : ModalMessage {
    void ShowMessage(const std::string&) override {}
};

// "Two Bridges" without the spanning tree: a frame every 40 ticks keeps it busy.
struct Storm {
    SilentMessage message;
    FixedSeedRandom random;
    Demo demo{message, random};
    Timeline timeline{Started(demo)};
    int ticks = 0;

    static Demo& Started(Demo& demo) {
        demo.Form_Load();
        demo.SetCombo1Text("Two Bridges");
        demo.SetChkLearn(1);
        demo.SetChkForward(1);
        return demo;
    }

    void Tick() {
        if (ticks++ % 40 == 0) demo.Computer1_btnKeys_Click(ticks / 40 % 4);
        demo.Timer1_Timer();
        timeline.Keep(false);
    }
};

void BM_TickKeepingTheMoment(benchmark::State& state) {
    Storm storm;
    for (auto _ : state) storm.Tick();
    const History& kept = storm.timeline.Kept();
    const auto moments = static_cast<double>(kept.Newest() - kept.Oldest() + 1);
    state.counters["bytes_per_moment"] = static_cast<double>(kept.Bytes()) / moments;
    state.counters["moments_kept"] = moments;
}
BENCHMARK(BM_TickKeepingTheMoment);

// A full history of the least number of moments kept, then the way back.
void BM_BringBack(benchmark::State& state) {
    Storm storm;
    for (std::size_t n = 0; n < History::LeastMoments + 100; ++n) storm.Tick();
    const History& kept = storm.timeline.Kept();
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
