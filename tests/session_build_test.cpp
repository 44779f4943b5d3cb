// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building a network in the session, as a teacher does: three segments joined
// in a ring, built and run, a frame sent, the root buttons pressed until one
// bridge blocks; an edit undone and redone; the network saved and opened in
// another session; a file that is not a network leaving everything as it was;
// Reset and a step back in time bringing the built network back.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "network/layout.h"
#include "session/session.h"
#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

namespace fs = std::filesystem;
using namespace network;

struct Teacher {
    Teacher() { session.StartUp(); }

    session::Outcome Do(Action action) {
        session::Outcome outcome = session.Apply(action);
        while (session.MessageOpen()) session.Apply(Act(ActionKind::CloseMessage));
        return outcome;
    }
    bool Edit(network::Edit edit) {
        const session::Outcome outcome = Do(EditAction(std::move(edit)));
        for (const session::Report& report : outcome.reports) {
            const auto* notice = std::get_if<session::Notice>(&report);
            if (notice != nullptr && std::holds_alternative<session::EditDone>(*notice))
                return true;
        }
        return false;
    }
    const Plan& Now() const { return *session.Plan(); }
    void TickUntilQuiet() {
        for (int n = 0; n < 2000 && session.State().AnyTokenShown(); ++n) {
            session.Tick();
            while (session.MessageOpen()) session.Apply(Act(ActionKind::CloseMessage));
        }
    }

    // Three segments, each pair joined by a bridge; a station on the first and the last.
    void BuildRing() {
        Do(Act(ActionKind::StartNetwork, static_cast<int>(BuiltIns.size())));
        ASSERT_TRUE(session.Building());
        for (const int y : {1440, 3960, 6480}) {
            const int x2 = y == 3960 ? 9000 : 13200;
            ASSERT_TRUE(Edit(AddSegment{1200, x2, y})) << y;
        }
        const std::pair<int, int> joins[] = {{0, 1}, {1, 2}, {0, 2}};
        for (const auto& [a, b] : joins) {
            const std::vector<int> places = BridgePlaces(Now(), a, b);
            ASSERT_FALSE(places.empty()) << a << "-" << b;
            ASSERT_TRUE(Edit(AddBridge{a, b, places[places.size() / 2], std::nullopt}));
        }
        for (const int segment : {0, 2}) {
            const std::vector<int> places = StationPlaces(Now(), segment);
            ASSERT_FALSE(places.empty());
            ASSERT_TRUE(Edit(AddStation{segment, places.front()}));
        }
        ASSERT_TRUE(Edit(Rename{"Ring"}));
    }

    FixedSeedRandom random;
    session::Session session{random};
};

TEST(SessionBuild, ARingIsBuiltByActionsAndOneBridgeBlocksOnceTheTreeSettles) {
    Teacher teacher;
    teacher.BuildRing();
    EXPECT_FALSE(teacher.session.Ticking()) << "nothing moves while building";
    teacher.Do(Act(ActionKind::RunNetwork));
    session::Session& s = teacher.session;
    ASSERT_FALSE(s.Building());
    EXPECT_EQ(s.State().iScenario(), Simulation::BuiltNetwork);
    EXPECT_EQ(s.State().Combo1().text, "Ring");
    EXPECT_EQ(s.State().chkLearn().value + s.State().chkForward().value, 0);
    EXPECT_EQ(s.State().Combo1().list.size(), 5U);

    teacher.Do(Act(ActionKind::SetLearning, 1));
    teacher.Do(Act(ActionKind::SetForwarding, 1));
    teacher.Do(Act(ActionKind::Letter, 1));
    teacher.Do(Act(ActionKind::Send, 0));
    bool arrived = false;
    for (int n = 0; n < 200 && !arrived; ++n) {
        s.Tick();
        arrived = s.State().Computer1[1].Number() == Computer::Marked;
    }
    EXPECT_TRUE(arrived) << "the frame reaches the station across the ring";
    teacher.Do(Act(ActionKind::Kill));

    for (int round = 0; round < 4; ++round) {
        for (int k = 0; k < 3; ++k) {
            teacher.Do(Act(ActionKind::RootButton, k));
            teacher.TickUntilQuiet();
        }
    }
    int blocked = 0;
    for (int k = 0; k < 3; ++k)
        blocked += s.State().Bridge1[static_cast<std::size_t>(k)].PortAState() == PortBlocked;
    EXPECT_EQ(blocked, 1);
}

TEST(SessionBuild, AnEditUndoneAndRedoneBringsBackThePlanAndTheDrawing) {
    Teacher teacher;
    teacher.BuildRing();
    const Plan before = teacher.Now();
    const Simulation drawn = teacher.session.State();
    ASSERT_TRUE(teacher.Edit(DeleteSegment{1}));
    EXPECT_EQ(teacher.Now().segments.size(), 2U);
    EXPECT_EQ(teacher.Now().bridges.size(), 1U) << "the segment's bridges go with it";
    teacher.Do(Act(ActionKind::Undo));
    EXPECT_EQ(teacher.Now(), before);
    EXPECT_TRUE(Same(teacher.session.State(), drawn));
    teacher.Do(Act(ActionKind::Redo));
    EXPECT_EQ(teacher.Now().segments.size(), 2U);
    EXPECT_TRUE(teacher.session.Unsaved());
}

// A refused edit says why and changes nothing; a place off the drawing is one.
TEST(SessionBuild, ARefusedEditChangesNothing) {
    Teacher teacher;
    teacher.BuildRing();
    const Simulation drawn = teacher.session.State();
    const Plan before = teacher.Now();
    EXPECT_FALSE(teacher.Edit(AddBridge{1, 1, 5080, std::nullopt}));
    EXPECT_FALSE(teacher.Edit(AddSegment{1200, 13200, 2040}));
    EXPECT_EQ(teacher.Now(), before);
    EXPECT_TRUE(Same(teacher.session.State(), drawn));
}

TEST(SessionBuild, ASavedNetworkOpensInAnotherSessionAsItWasBuilt) {
    const fs::path folder = fs::temp_directory_path() / "session-build-test";
    fs::create_directories(folder);
    const std::string file = (folder / "ring.bridging").string();
    Teacher teacher;
    teacher.BuildRing();
    teacher.Do(Act(ActionKind::RunNetwork));
    Action save = Act(ActionKind::SaveNetwork);
    save.text = file;
    const session::Outcome saved = teacher.Do(save);
    EXPECT_FALSE(saved.fileFailed);
    EXPECT_FALSE(teacher.session.Unsaved());

    Teacher student;
    Action open = Act(ActionKind::OpenNetwork);
    open.text = file;
    const session::Outcome opened = student.Do(open);
    ASSERT_FALSE(opened.fileFailed);
    EXPECT_EQ(student.Now(), teacher.Now());
    const Simulation& mine = student.session.State();
    const Simulation& theirs = teacher.session.State();
    EXPECT_EQ(mine.Bridge1, theirs.Bridge1);
    EXPECT_EQ(mine.Computer1, theirs.Computer1);
    EXPECT_EQ(mine.lneNetA, theirs.lneNetA);
    EXPECT_EQ(mine.Line1, theirs.Line1);
    EXPECT_EQ(student.session.State().Combo1().text, "Ring");
    fs::remove_all(folder);
}

TEST(SessionBuild, AFileThatIsNotANetworkLeavesTheNetworkShownAsItWas) {
    const fs::path folder = fs::temp_directory_path() / "session-bad-file-test";
    fs::create_directories(folder);
    const fs::path file = folder / "not-a-network.bridging";
    std::ofstream(file) << "{\"format\": \"something else\"}";
    Teacher teacher;
    const Simulation before = teacher.session.State();
    for (const fs::path& tried : {file, folder, folder / "missing.bridging"}) {
        Action open = Act(ActionKind::OpenNetwork);
        open.text = tried.string();
        const session::Outcome outcome = teacher.Do(open);
        ASSERT_TRUE(outcome.fileFailed) << tried;
        EXPECT_EQ(outcome.fileFailed->error.file, tried.string());
        EXPECT_TRUE(Same(teacher.session.State(), before)) << tried;
        EXPECT_EQ(teacher.session.Plan(), nullptr);
    }
    fs::remove_all(folder);
}

// Picking one of the five leaves the built network; a step back (paused, as a
// step back leaves the window) brings it back, and Reset then rebuilds it,
// not one of the five.
TEST(SessionBuild, ResetAndAStepBackKeepToTheBuiltNetwork) {
    Teacher teacher;
    teacher.BuildRing();
    teacher.Do(Act(ActionKind::RunNetwork));
    session::Session& s = teacher.session;
    teacher.Do(Act(ActionKind::PauseResume));
    const Simulation built = s.State();
    teacher.Do(Act(ActionKind::PickScenario, 1));
    EXPECT_EQ(s.State().iScenario(), 2);
    teacher.Do(Act(ActionKind::Back));
    EXPECT_EQ(s.State().iScenario(), Simulation::BuiltNetwork);
    teacher.Do(Act(ActionKind::Reset));
    EXPECT_FALSE(s.Time().LookingBack());
    EXPECT_EQ(s.State().iScenario(), Simulation::BuiltNetwork);
    EXPECT_EQ(s.State().Bridge1, built.Bridge1);
    EXPECT_EQ(s.State().lneNetA, built.lneNetA);
}

}  // namespace
}  // namespace bridging::testing
