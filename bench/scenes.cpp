// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The busy networks of the tick benchmarks: where the tokens of the full pool
// stand, and when a new frame is sent.
#include "bench/scenes.h"

namespace bridging::bench {

namespace {

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
        Packet& p = demo.Scene().Packet1[k];
        p.SetDestination(k % 6 + 1);
        p.SetSource(1);
        p.SetXOffset(FullPool[k].dx);
        p.SetYOffset(FullPool[k].dy);
        p.place.Left = FullPool[k].left;
        p.place.Top = FullPool[k].top;
        p.place.Visible = true;
    }
}

const char* NetworkOf(Scene scene) {
    switch (scene) {
        case Scene::OneBridgeRoad:
            return "One Bridge";
        case Scene::TwoBridgesStorm:
            return "Two Bridges";
        case Scene::FullPool:
            return "Full Network";
    }
    return "One Bridge";
}

}  // namespace

Window::Window(const std::string& scenario) {
    demo.Form_Load();
    Action typed = Act(ActionKind::TypeScenario);
    typed.text = scenario;
    Do(typed);
    Do(Act(ActionKind::SetLearning, 1));
    Do(Act(ActionKind::SetForwarding, 1));
}

int ShownTokens(const Demo& demo) {
    int shown = 0;
    for (const Packet& p : demo.State().Packet1) shown += p.place.Visible ? 1 : 0;
    return shown;
}

BusyNetwork::BusyNetwork(Scene scene) : scene_(scene), window_(NetworkOf(scene)) {
    if (scene_ == Scene::FullPool) {
        FillPool(window_.demo);
        for (int k = 0; k < PoolSize; ++k) start_[k] = window_.demo.State().Packet1[k].place;
    } else {
        window_.Do(Act(ActionKind::Letter, 2));
    }
}

void BusyNetwork::Renew() {
    Demo& d = window_.demo;
    if (scene_ == Scene::FullPool) {
        for (int k = 0; k < PoolSize; ++k) d.Scene().Packet1[k].place = start_[k];
    } else if (!d.State().AnyTokenShown()) {
        window_.Do(Act(ActionKind::Send, 0));
    }
}

bool BusyNetwork::AsBuilt() const {
    return scene_ != Scene::FullPool || ShownTokens(window_.demo) == PoolSize;
}

}  // namespace bridging::bench
