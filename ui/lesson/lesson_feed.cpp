// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the panel's facts from the core, handing each new line to the
// parts' descriptions, and a key's choice in a list to the screen reader.
#include "ui/lesson/lesson_feed.h"

#include <QComboBox>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "explain/names.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/scene/face_qt.h"
#include "ui/shell/accessibility.h"

namespace bridging::ui {
namespace {

NowFacts NowOf(const Simulation& demo, bool running) {
    NowFacts now{running, demo.TickCount(), demo.Speed(), demo.iSelectedStation(), 0, 0};
    const int station = demo.iSelectedStation() - 1;
    if (station >= 0 && station < ComputerCount)
        now.destinationColour = Computer::StationColours[static_cast<std::size_t>(station)];
    now.framesInFlight = demo.FramesInFlight();
    return now;
}

std::vector<FollowChoice> ChoicesOf(const Simulation& demo) {
    std::vector<FollowChoice> choices;
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& bridge = demo.Bridge1[static_cast<std::size_t>(k)];
        if (bridge.place.Visible)
            choices.push_back(
                {explain::BridgeName(bridge.BridgeNumber()), {ElementKind::Bridge, k}});
    }
    for (int k = 0; k < ComputerCount; ++k) {
        if (demo.Computer1[static_cast<std::size_t>(k)].place.Visible)
            choices.push_back(
                {"Station " + explain::StationLetter(k + 1), {ElementKind::Station, k}});
    }
    return choices;
}

}  // namespace

LessonFeed::LessonFeed(QWidget& window, LessonPanel& panel)
    : panel_(panel), announcer_(window), described_(DescribedParts(window)) {
    for (QComboBox* list : window.findChildren<QComboBox*>())
        EchoChoices(*list, [this](const QString& choice) { announcer_.Say(choice); });
}

void LessonFeed::Show(const Simulation& demo, const std::vector<LogLine>& lines,
                      bool afterUserAction, bool running,
                      const std::optional<FollowedElement>& followed) {
    if (afterUserAction) {
        Describe(demo, described_);
    } else {
        // A storm writes many lines about few elements: each is described once.
        std::vector<std::pair<ElementKind, int>> elements;
        for (const LogLine& line : lines) {
            const std::pair element(line.element, line.index);
            if (line.element != ElementKind::Window &&
                std::find(elements.begin(), elements.end(), element) == elements.end())
                elements.push_back(element);
        }
        for (const auto& element : elements) Describe(demo, described_, element);
    }
    if (panel_.isVisible()) {
        panel_.ShowNow(NowOf(demo, running));
        if (afterUserAction) panel_.SetFollowChoices(ChoicesOf(demo), followed);
    }
}

void LessonFeed::OfferChoices(const Simulation& demo,
                              const std::optional<FollowedElement>& followed) {
    if (panel_.isVisibleTo(panel_.parentWidget()))
        panel_.SetFollowChoices(ChoicesOf(demo), followed);
}

}  // namespace bridging::ui
