// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Networks on the command line, without a window:
//
//   network-tool examples FOLDER        writes the five built-in networks as files
//   network-tool flood [COUNT] [SEED]   floods every station pair of COUNT random
//                                       networks without loops; prints the faults
//   network-tool trees [COUNT] [SEED]   runs the spanning-tree exchange on COUNT
//                                       random networks with loops; prints how
//                                       often a tree forms and a few where none does
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "network/file.h"
#include "network/layout.h"
#include "tests/network_trials.h"

namespace {

using namespace bridging::network;

constexpr int Attempts = 80;
constexpr int RoundLimit = 12;
constexpr int ExamplesShown = 3;

int Examples(const std::string& folder) {
    for (const BuiltIn network : BuiltIns) {
        const std::string file = folder + "/" + std::string(BuiltInFileStem(network)) + ".json";
        if (const auto error = SaveNetwork(BuiltInPlan(network), file)) {
            std::fprintf(stderr, "%s: %s\n", file.c_str(),
                         std::string(MessageKey(error->id)).c_str());
            return 1;
        }
        std::printf("%s\n", file.c_str());
    }
    return 0;
}

// A random network that closes a loop or that does not, as asked.
Plan RandomWith(std::mt19937& random, bool loop) {
    while (true) {
        Plan plan = trials::RandomPlan(random, Attempts);
        if (HasLoop(plan) == loop && !plan.stations.empty()) return plan;
    }
}

int Flood(long count, unsigned seed) {
    std::mt19937 random(seed);
    long faulty = 0;
    long sends = 0;
    for (long n = 0; n < count; ++n) {
        const Plan plan = RandomWith(random, false);
        sends += static_cast<long>(plan.stations.size() * plan.stations.size());
        const auto faults = trials::Flood(plan, true);
        if (faults.empty()) continue;
        ++faulty;
        if (faulty <= ExamplesShown) {
            const auto& f = faults.front();
            std::printf("station %c to %c: expected %s, seen %s, quiet %s, messages %zu\n%s",
                        'A' + f.from, 'A' + f.to, f.expected ? "yes" : "no", f.seen ? "yes" : "no",
                        f.quiet ? "yes" : "no", f.messages.size(), NetworkText(plan).c_str());
        }
    }
    std::printf("networks without loops: %ld, frames sent: %ld, networks with a fault: %ld\n",
                count, sends, faulty);
    return faulty == 0 ? 0 : 1;
}

int Trees(long count, unsigned seed) {
    std::mt19937 random(seed);
    long trees = 0;
    long settled = 0;
    long ranOut = 0;
    long rounds = 0;
    int shown = 0;
    std::array<long, MaxElements + 1> byLoops{};
    std::array<long, MaxElements + 1> treesByLoops{};
    for (long n = 0; n < count; ++n) {
        // Every other network renumbered and recosted at random, as Renumber does.
        Plan plan = RandomWith(random, true);
        if (n % 2 == 1) plan = trials::Renumbered(random, plan);
        const auto loops = static_cast<std::size_t>(trials::Loops(plan));
        ++byLoops[loops];
        const trials::TreeOutcome outcome = trials::SettleSpanningTree(plan, random, RoundLimit);
        trees += outcome.tree ? 1 : 0;
        treesByLoops[loops] += outcome.tree ? 1 : 0;
        settled += outcome.settled ? 1 : 0;
        ranOut += outcome.poolRanOut ? 1 : 0;
        rounds += outcome.rounds;
        if (!outcome.tree && shown < ExamplesShown) {
            ++shown;
            std::string forwarding;
            for (const int k : outcome.forwarding)
                forwarding +=
                    " " + std::to_string(plan.bridges[static_cast<std::size_t>(k)].number);
            std::printf("no tree (settled %s after %d rounds; forwarding bridges:%s)\n%s\n",
                        outcome.settled ? "yes" : "no", outcome.rounds, forwarding.c_str(),
                        NetworkText(plan).c_str());
        }
    }
    for (std::size_t loops = 1; loops < byLoops.size(); ++loops) {
        if (byLoops[loops] > 0)
            std::printf("%zu independent loop(s): %ld networks, %ld trees\n", loops, byLoops[loops],
                        treesByLoops[loops]);
    }
    std::printf(
        "networks with loops: %ld, settled within %d rounds: %ld, mean rounds: %.2f, "
        "tree formed: %ld (%.1f%%), pool ran out: %ld\n",
        count, RoundLimit, settled, count ? static_cast<double>(rounds) / count : 0.0, trees,
        count ? 100.0 * static_cast<double>(trees) / static_cast<double>(count) : 0.0, ranOut);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "examples" && argc == 3) return Examples(argv[2]);
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 2000;
    const auto seed = static_cast<unsigned>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    if (command == "flood" && count > 0) return Flood(count, seed);
    if (command == "trees" && count > 0) return Trees(count, seed);
    std::fprintf(stderr,
                 "usage: network-tool examples FOLDER | flood [COUNT] [SEED] | "
                 "trees [COUNT] [SEED]\n");
    return 2;
}
