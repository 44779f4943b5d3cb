// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Network files: what is saved opens as the same plan, the shipped examples are
// the built-in networks and lay out as the builder builds them, every kind of
// bad file gets its one error with where, and saving replaces a file whole.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "network/file.h"
#include "network/layout.h"
#include "tests/demo_fixture.h"
#include "tests/network_trials.h"

namespace bridging::testing {
namespace {

using namespace network;
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder of its own for each test, removed afterwards.
class NetworkFileTest : public ::testing::Test {
protected:
    NetworkFileTest() {
        folder = fs::temp_directory_path() /
                 ("network-file-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    ~NetworkFileTest() override { fs::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const fs::path file = folder / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

    fs::path folder;
};

TEST_F(NetworkFileTest, WhatIsSavedOpensAsTheSamePlan) {
    std::mt19937 random(5);
    const std::vector<std::string> names = {"", "Réseau d'essai", "\"quoted\" \\ back", "日本語"};
    for (int n = 0; n < 300; ++n) {
        Plan plan = trials::RandomPlan(random, 60);
        plan.name = names[static_cast<std::size_t>(n) % names.size()];
        plan.description = n % 3 == 0 ? "Line one\nline two\twith a tab" : "";
        if (!plan.bridges.empty() && n % 4 == 0) plan.bridges[0].tableA = "A:C";
        ASSERT_TRUE(Check(plan).empty());
        const Opened parsed = ParseNetwork(NetworkText(plan), "plan");
        ASSERT_TRUE(std::holds_alternative<Plan>(parsed)) << NetworkText(plan);
        EXPECT_EQ(std::get<Plan>(parsed), plan);
        if (n % 50 == 0) {
            const std::string file = (folder / "saved.json").string();
            ASSERT_FALSE(SaveNetwork(plan, file));
            EXPECT_EQ(std::get<Plan>(OpenNetwork(file)), plan);
        }
    }
}

TEST_F(NetworkFileTest, TheExamplesAreTheBuiltInNetworksAndLayOutAsTheBuilderBuildsThem) {
    RecordingMessage message;
    ScriptedRandom random;
    RecordingDemo demo(message, random);
    demo.Form_Load();
    for (const BuiltIn network : BuiltIns) {
        const fs::path file = fs::path(BRIDGING_SOURCE_DIR) / "examples" /
                              (std::string(BuiltInFileStem(network)) + ".json");
        // Out of date: network-tool examples examples
        EXPECT_EQ(ReadAll(file), NetworkText(BuiltInPlan(network))) << file;
        const Opened opened = OpenNetwork(file.string());
        ASSERT_TRUE(std::holds_alternative<Plan>(opened)) << file;
        Simulation laidOut = demo.State();
        ASSERT_TRUE(LayOut(std::get<Plan>(opened), laidOut).empty());
        demo.SetCombo1Text(std::string(BuiltInName(network)));
        laidOut.controls.Combo1 = demo.State().Combo1();
        laidOut.scenario = demo.State().iScenario();
        EXPECT_TRUE(Same(laidOut, demo.State())) << file;
    }
}

struct BadFile {
    std::string what;
    std::string bytes;
    FileErrorId id;
    std::string path;
};

// The example of One Bridge, changed by `change`.
std::string Changed(const std::function<void(Json&)>& change) {
    Json json = Json::parse(NetworkText(BuiltInPlan(BuiltIn::OneBridge)));
    change(json);
    return json.dump();
}

TEST_F(NetworkFileTest, EachBadFileGetsOneErrorSayingWhere) {
    const std::vector<BadFile> cases = {
        {"empty", "", FileErrorId::Empty, ""},
        {"blank", " \n\t ", FileErrorId::Empty, ""},
        {"binary", std::string("{\0}", 3), FileErrorId::NotText, ""},
        {"latin-1", "{\"name\": \"caf\xe9\"}", FileErrorId::NotText, ""},
        {"not JSON", "segments: 2", FileErrorId::NotJson, ""},
        {"cut short", NetworkText(BuiltInPlan(BuiltIn::OneBridge)).substr(0, 200),
         FileErrorId::NotJson, ""},
        {"deep", std::string(100, '[') + std::string(100, ']'), FileErrorId::TooDeep, ""},
        {"an array", "[]", FileErrorId::NotNetwork, ""},
        {"another format", Changed([](Json& j) { j["format"] = "drawing"; }),
         FileErrorId::NotNetwork, "/format"},
        {"no format", Changed([](Json& j) { j.erase("format"); }), FileErrorId::MissingField,
         "/format"},
        {"newer", Changed([](Json& j) {
             j["version"] = 2;
             j["colours"] = true;
         }),
         FileErrorId::NewerVersion, "/version"},
        {"version as text", Changed([](Json& j) { j["version"] = "1"; }), FileErrorId::WrongType,
         "/version"},
        {"version 0", Changed([](Json& j) { j["version"] = 0; }), FileErrorId::OutOfRange,
         "/version"},
        {"no name", Changed([](Json& j) { j.erase("name"); }), FileErrorId::MissingField, "/name"},
        {"unknown field", Changed([](Json& j) { j["colour"] = 3; }), FileErrorId::UnknownField,
         "/colour"},
        {"segments not a list", Changed([](Json& j) { j["segments"] = 2; }), FileErrorId::WrongType,
         "/segments"},
        {"seven stations", Changed([](Json& j) {
             for (int k = 0; k < 3; ++k) j["stations"].push_back(j["stations"][0]);
         }),
         FileErrorId::TooMany, "/stations"},
        {"fraction", Changed([](Json& j) { j["segments"][1]["x1"] = 2040.5; }),
         FileErrorId::WrongType, "/segments/1/x1"},
        {"missing y", Changed([](Json& j) { j["segments"][0].erase("y"); }),
         FileErrorId::MissingField, "/segments/0/y"},
        {"cost too high", Changed([](Json& j) { j["bridges"][0]["costB"] = 100; }),
         FileErrorId::OutOfRange, "/bridges/0/costB"},
        {"far away", Changed([](Json& j) { j["stations"][2]["left"] = 1000000000000LL; }),
         FileErrorId::OutOfRange, "/stations/2/left"},
        {"table not text", Changed([](Json& j) { j["bridges"][0]["tableA"] = 1; }),
         FileErrorId::WrongType, "/bridges/0/tableA"},
        {"unknown station field", Changed([](Json& j) { j["stations"][0]["colour"] = 1; }),
         FileErrorId::UnknownField, "/stations/0/colour"},
        {"segments too close", Changed([](Json& j) { j["segments"][1]["y"] = 5640; }),
         FileErrorId::BreaksRule, "/segments/1"},
        {"station off the lattice", Changed([](Json& j) { j["stations"][1]["left"] = 8830; }),
         FileErrorId::BreaksRule, "/stations/1"},
        {"no such segment", Changed([](Json& j) { j["stations"][3]["segment"] = 4; }),
         FileErrorId::BreaksRule, "/stations/3"},
        {"bad table", Changed([](Json& j) { j["bridges"][0]["tableB"] = "C::D"; }),
         FileErrorId::BreaksRule, "/bridges/0/tableB"},
        {"too large", std::string(FileSizeLimit + 1, ' '), FileErrorId::TooLarge, ""},
    };
    for (const BadFile& bad : cases) {
        const std::string file = Write("bad.json", bad.bytes);
        const Opened opened = OpenNetwork(file);
        const auto* error = std::get_if<FileError>(&opened);
        ASSERT_NE(error, nullptr) << bad.what;
        EXPECT_EQ(MessageKey(error->id), MessageKey(bad.id)) << bad.what;
        EXPECT_EQ(error->path, bad.path) << bad.what;
        EXPECT_EQ(error->file, file) << bad.what;
        EXPECT_EQ(error->problem.has_value(), bad.id == FileErrorId::BreaksRule) << bad.what;
    }
}

TEST_F(NetworkFileTest, WhatIsNotAReadableFileIsToldApart) {
    EXPECT_EQ(std::get<FileError>(OpenNetwork((folder / "missing.json").string())).id,
              FileErrorId::NotFound);
    EXPECT_EQ(std::get<FileError>(OpenNetwork(folder.string())).id, FileErrorId::NotAFile);
    EXPECT_EQ(std::get<FileError>(OpenNetwork("/dev/null")).id, FileErrorId::NotAFile);
    EXPECT_EQ(OpenErrorId(EACCES), FileErrorId::NoPermission);
    EXPECT_EQ(OpenErrorId(ENOENT), FileErrorId::NotFound);
    EXPECT_EQ(OpenErrorId(EIO), FileErrorId::ReadFailed);
    const std::string locked = Write("locked.json", NetworkText(EmptyPlan()));
    ::chmod(locked.c_str(), 0);
    if (::geteuid() != 0) {
        // Root reads it anyway.
        EXPECT_EQ(std::get<FileError>(OpenNetwork(locked)).id, FileErrorId::NoPermission);
    }
}

TEST_F(NetworkFileTest, SavingReplacesTheFileWholeAndLeavesNothingBesideIt) {
    const std::string file = Write("net.json", "old contents");
    ASSERT_FALSE(SaveNetwork(BuiltInPlan(BuiltIn::FourBridges), file));
    EXPECT_EQ(ReadAll(file), NetworkText(BuiltInPlan(BuiltIn::FourBridges)));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
    EXPECT_EQ(entries, 1);

    // A plan that breaks a rule is not written, and the old file stays.
    Plan broken = BuiltInPlan(BuiltIn::OneBridge);
    broken.segments[1].y = broken.segments[0].y;
    const auto refused = SaveNetwork(broken, file);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->id, FileErrorId::BreaksRule);
    EXPECT_EQ(ReadAll(file), NetworkText(BuiltInPlan(BuiltIn::FourBridges)));

    const auto nowhere = SaveNetwork(EmptyPlan(), (folder / "no" / "such.json").string());
    ASSERT_TRUE(nowhere);
    EXPECT_EQ(nowhere->id, FileErrorId::WriteFailed);
    EXPECT_EQ(SaveNetwork(EmptyPlan(), folder.string())->id, FileErrorId::NotAFile);
}

}  // namespace
}  // namespace bridging::testing
