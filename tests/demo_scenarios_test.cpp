// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, the layout of each of the five networks, and the scenario list's
// handling of picks, typed text and Reset.
#include <ostream>
#include <set>

#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

struct SegmentAt {
    int k;
    float X1, X2, Y;
    float leftMarker, rightMarker, markerTop;
};
struct LinkAt {
    int k;
    float X, Y1, Y2;
};
struct SpotAt {
    int k;
    float Left, Top;
};

struct Layout {
    std::string name;
    int iScenario;
    std::vector<SegmentAt> segments;
    std::vector<LinkAt> links;
    std::vector<SpotAt> bridges;
    std::vector<SpotAt> computers;
};

const std::vector<SegmentAt> DefaultSegments = {{0, 2040, 11100, 3840, 1920, 11100, 3480},
                                                {1, 4320, 10740, 6780, 4200, 10740, 6420},
                                                {2, 1200, 13500, 9660, 1080, 13500, 9300},
                                                {3, 5340, 13080, 1440, 5220, 13080, 1080}};
const std::vector<LinkAt> DefaultLinks = {{0, 2520, 3840, 9600}, {1, 5460, 3900, 6720},
                                          {2, 9600, 3900, 6720}, {3, 7080, 6840, 9540},
                                          {4, 7680, 1440, 3780}, {5, 12600, 1440, 9660}};
const std::vector<SpotAt> DefaultBridges = {{0, 1020, 5880}, {1, 3960, 4560}, {2, 8100, 4560},
                                            {3, 5580, 7500}, {4, 6180, 1860}, {5, 11100, 4920}};
const std::vector<SpotAt> DefaultComputers = {{0, 3300, 2220}, {1, 9480, 2220}, {2, 3300, 8100},
                                              {3, 9840, 8100}, {4, 6840, 5160}, {5, 10980, -180}};
const std::vector<SegmentAt> TwoSegments = {{0, 2040, 11100, 3840, 1920, 11100, 3480},
                                            {1, 2040, 11100, 9660, 1920, 11100, 9300}};
const std::vector<SpotAt> FourStations = {
    {0, 4305, 2220}, {1, 8835, 2220}, {2, 4305, 8040}, {3, 8835, 8040}};

template <typename T>
std::vector<T> First(const std::vector<T>& all, std::size_t n) {
    return std::vector<T>(all.begin(), all.begin() + static_cast<long>(n));
}

const std::vector<Layout> Layouts = {
    {"One Bridge", 1, TwoSegments, {{0, 6570, 3840, 9600}}, {{0, 5070, 5880}}, FourStations},
    {"Two Bridges",
     2,
     TwoSegments,
     {{0, 8080, 3840, 9600}, {1, 3852, 3840, 9600}},
     {{0, 6580, 5880}, {1, 2352, 5880}},
     FourStations},
    {"Two Manual",
     3,
     TwoSegments,
     {{0, 8080, 3840, 9600}, {1, 3852, 3840, 9600}},
     {{0, 6580, 5880}, {1, 2352, 5880}},
     FourStations},
    {"Four Bridges", 4, First(DefaultSegments, 3), First(DefaultLinks, 4), First(DefaultBridges, 4),
     First(DefaultComputers, 5)},
    {"Full Network", 5, DefaultSegments, DefaultLinks, DefaultBridges, DefaultComputers},
};

// Named by the network in the test's name and its failures, not dumped as bytes.
void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

class ScenarioLayoutTest : public DemoTest, public ::testing::WithParamInterface<Layout> {};

TEST_P(ScenarioLayoutTest, PlacesAndShowsExactlyItsElements) {
    const Layout& layout = GetParam();
    Build("Full Network");  // whatever was built before must not show through
    Build(layout.name);
    EXPECT_EQ(demo.State().iScenario(), layout.iScenario);

    std::set<int> shown;
    for (const SegmentAt& s : layout.segments) {
        const LineFace& line = demo.State().lneNetA[s.k];
        EXPECT_TRUE(line.Visible) << "segment " << s.k;
        EXPECT_EQ(line.X1, s.X1);
        EXPECT_EQ(line.X2, s.X2);
        EXPECT_EQ(line.Y1, s.Y);
        EXPECT_EQ(line.Y2, s.Y);
        EXPECT_TRUE(demo.State().shpRT[s.k].place.Visible && demo.State().shpLT[s.k].place.Visible);
        EXPECT_EQ(demo.State().shpRT[s.k].place.Left, s.leftMarker);
        EXPECT_EQ(demo.State().shpLT[s.k].place.Left, s.rightMarker);
        EXPECT_EQ(demo.State().shpRT[s.k].place.Top, s.markerTop);
        EXPECT_EQ(demo.State().shpLT[s.k].place.Top, s.markerTop);
        shown.insert(s.k);
    }
    for (int k = 0; k < LineCount; ++k) {
        if (shown.count(k)) continue;
        EXPECT_FALSE(demo.State().lneNetA[k].Visible || demo.State().shpRT[k].place.Visible ||
                     demo.State().shpLT[k].place.Visible)
            << "segment " << k;
    }

    shown.clear();
    for (const LinkAt& l : layout.links) {
        const LineFace& line = demo.State().Line1[l.k];
        EXPECT_TRUE(line.Visible) << "link " << l.k;
        EXPECT_EQ(line.X1, l.X);
        EXPECT_EQ(line.X2, l.X);
        EXPECT_EQ(line.Y1, l.Y1);
        EXPECT_EQ(line.Y2, l.Y2);
        shown.insert(l.k);
    }
    for (int k = 0; k < LineCount; ++k)
        EXPECT_EQ(demo.State().Line1[k].Visible, shown.count(k) == 1);

    auto checkSpots = [](const std::vector<SpotAt>& spots, auto& elements, const char* what) {
        std::set<int> on;
        for (const SpotAt& s : spots) {
            EXPECT_EQ(elements[s.k].place.Left, s.Left) << what << " " << s.k;
            EXPECT_EQ(elements[s.k].place.Top, s.Top) << what << " " << s.k;
            on.insert(s.k);
        }
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(elements[k].place.Visible, on.count(k) == 1) << what << " " << k;
    };
    checkSpots(layout.bridges, demo.State().Bridge1, "bridge");
    checkSpots(layout.computers, demo.State().Computer1, "computer");

    // Every bridge is numbered and costed, shown or not; every station numbered.
    const std::array<int, 6> costs = {5, 2, 3, 5, 1, 4};
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& b = demo.State().Bridge1[k];
        EXPECT_EQ(b.BridgeNumber(), k + 1);
        EXPECT_EQ(b.PortACost(), costs[k]);
        EXPECT_EQ(b.PortBCost(), costs[k]);
        EXPECT_FALSE(b.bLearn() || b.bForward());
        EXPECT_EQ(b.PortAState(), PortBlocking);
        EXPECT_EQ(b.PortBState(), PortBlocking);
        const bool manual = layout.iScenario == 3 && k < 2;
        EXPECT_EQ(b.PortATable()[0], manual ? 1 : -1);
        EXPECT_EQ(b.PortATable()[1], manual ? 2 : -1);
        EXPECT_EQ(b.PortBTable()[0], manual ? 3 : -1);
        EXPECT_EQ(b.PortBTable()[1], manual ? 4 : -1);
        EXPECT_EQ(demo.State().Computer1[k].Number(), k);
    }
    EXPECT_EQ(demo.State().chkLearn().value, 0);
    EXPECT_EQ(demo.State().chkForward().value, 0);
}

INSTANTIATE_TEST_SUITE_P(AllFive, ScenarioLayoutTest, ::testing::ValuesIn(Layouts),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             name.erase(name.find(' '), 1);
                             return name;
                         });

TEST_F(DemoTest, StartUpShowsOneBridgeWithAnEmptyPool) {
    EXPECT_EQ(demo.State().Combo1().text, "One Bridge");
    EXPECT_EQ(demo.State().Combo1().list,
              (std::vector<std::string>{"One Bridge", "Two Bridges", "Two Manual", "Four Bridges",
                                        "Full Network"}));
    EXPECT_EQ(demo.State().iScenario(), 1);
    EXPECT_EQ(demo.State().iSelectedStation(), 1);
    EXPECT_TRUE(ShownTokens().empty());
    EXPECT_EQ(demo.State().Colours()[3], 0x00FFFFC0);
    EXPECT_EQ(demo.State().Colours()[8], 0x00E0E0E0);
    EXPECT_TRUE(demo.State().Running());
    EXPECT_EQ(demo.State().btnPause().caption, "Pause");
    EXPECT_EQ(demo.State().DebugNote().text, "Label1");
    // Hidden elements keep the default layout.
    EXPECT_EQ(demo.State().Computer1[5].place.Top, -180);
    EXPECT_EQ(demo.State().Line1[5].X1, 12600);
}

TEST(DemoDesignTest, ElementsHaveTheirDesignSizesBeforeStartUp) {
    RecordingMessage message;
    ScriptedRandom random;
    RecordingDemo demo(message, random);
    EXPECT_TRUE(demo.State().Running());
    EXPECT_EQ(demo.State().Combo1().text, "Combo1");
    EXPECT_EQ(demo.State().chkLearn().caption, "Learning");
    EXPECT_EQ(demo.State().chkForward().caption, "Forwarding");
    EXPECT_EQ(demo.State().btnCost().caption, "Renumber");
    EXPECT_EQ(demo.State().Bridge1[3].place.Height, 1575);
    EXPECT_EQ(demo.State().Computer1[4].place.Width, 1335);
    EXPECT_EQ(demo.State().Computer1[1].place.Width, 1455);
    EXPECT_EQ(demo.State().Computer1[5].place.Height, 1755);
    EXPECT_EQ(demo.State().Packet1[0].place.Width, 1305);
    EXPECT_EQ(demo.State().Packet1[15].place.Height, 975);
    // At design the segments run right to left.
    EXPECT_EQ(demo.State().lneNetA[0].X1, 11460);
    EXPECT_EQ(demo.State().Line1[0].Y1, 9600);
}

TEST_F(DemoTest, TypedPartialNamesHideTheNetworkAndKeepTheScenarioNumber) {
    Build("Two Manual");
    for (const std::string text : {"Two", "two manual", "Two Manua"}) {
        Build(text);
        EXPECT_EQ(demo.State().iScenario(), 3);
        for (int k = 0; k < 6; ++k) {
            EXPECT_FALSE(demo.State().lneNetA[k].Visible || demo.State().Line1[k].Visible ||
                         demo.State().shpRT[k].place.Visible ||
                         demo.State().Bridge1[k].place.Visible ||
                         demo.State().Computer1[k].place.Visible);
        }
        // The hidden first two bridges got the manual tables again.
        EXPECT_EQ(demo.State().Bridge1[1].PortATable()[1], 2);
        EXPECT_EQ(demo.State().Bridge1[1].PortBTable()[0], 3);
        EXPECT_EQ(demo.State().Bridge1[2].PortATable()[0], -1);
    }
    Build("Two Bridges");
    EXPECT_TRUE(demo.State().Bridge1[1].place.Visible);
    EXPECT_EQ(demo.State().Bridge1[0].PortATable()[0], -1);
}

TEST_F(DemoTest, ListHandlersRebuildButKeepFramesInFlight) {
    SwitchOn();
    demo.SetCombo1Text("One Bridge");  // unchanged text: no rebuild
    EXPECT_EQ(demo.State().chkForward().value, 1);
    EXPECT_TRUE(demo.State().Bridge1[0].bForward());

    Send(0, 2);
    demo.PickCombo1(7);  // no such entry
    EXPECT_EQ(demo.State().chkForward().value, 1);
    demo.PickCombo1(0);  // the entry already shown
    EXPECT_EQ(demo.State().chkForward().value, 0);
    EXPECT_EQ(demo.State().chkLearn().value, 0);
    EXPECT_FALSE(demo.State().Bridge1[0].bForward() || demo.State().Bridge1[0].bLearn());
    EXPECT_EQ(ShownTokens(), (std::vector<int>{0, 1}));

    demo.PickCombo1(3);
    EXPECT_EQ(demo.State().Combo1().text, "Four Bridges");
    EXPECT_EQ(demo.State().iScenario(), 4);
    EXPECT_EQ(ShownTokens().size(), 2u);

    demo.Scene().Computer1[1].SetNumber(Computer::Marked);
    demo.btnReset_Click();
    EXPECT_TRUE(ShownTokens().empty());
    EXPECT_EQ(demo.State().Computer1[1].Number(), 1);
    EXPECT_EQ(demo.State().iScenario(), 4);
    EXPECT_TRUE(demo.State().Computer1[4].place.Visible);
}

TEST(ScenarioText, FirstCharactersCountsCharactersNotBytes) {
    EXPECT_EQ(FirstCharacters("Two Bridges", 3), "Two");
    EXPECT_EQ(FirstCharacters("Two", 3), "Two");
    EXPECT_EQ(FirstCharacters("Two", 64), "Two");
    EXPECT_EQ(FirstCharacters("", 2), "");
    // "Brücke" with a two-byte u and "€" with three bytes: cut after whole characters.
    EXPECT_EQ(FirstCharacters("Br\xC3\xBC"
                              "cke",
                              3),
              "Br\xC3\xBC");
    EXPECT_EQ(FirstCharacters("Br\xC3\xBC"
                              "cke",
                              2),
              "Br");
    EXPECT_EQ(FirstCharacters("\xE2\x82\xAC\xE2\x82\xAC", 1), "\xE2\x82\xAC");
    EXPECT_EQ(FirstCharacters("\xF0\x9F\x8C\x89x", 1), "\xF0\x9F\x8C\x89");
    // A stray continuation byte stays with the character before it.
    EXPECT_EQ(FirstCharacters("a\x80\x80"
                              "b",
                              1),
              "a\x80\x80");
}

TEST_F(DemoTest, ALongTextIsCutToTheFieldsLimit) {
    const std::string sixtyFour(ScenarioTextLimit, 'x');
    demo.SetCombo1Text(sixtyFour + "yyyy");
    EXPECT_EQ(demo.State().Combo1().text, sixtyFour);
    EXPECT_EQ(demo.State().chkForward().value, 0);

    // The same text cut again is no change: nothing is rebuilt.
    SwitchOn();
    demo.SetCombo1Text(sixtyFour + "zzzzzzzz");
    EXPECT_EQ(demo.State().chkForward().value, 1);

    // Sixty-four two-byte characters fit whole; the sixty-fifth is cut.
    std::string umlauts;
    for (std::size_t n = 0; n < ScenarioTextLimit; ++n) umlauts += "\xC3\xBC";
    demo.SetCombo1Text(umlauts + "\xC3\xBC");
    EXPECT_EQ(demo.State().Combo1().text, umlauts);
}

TEST_F(DemoTest, ATextUpToTheLimitIsKeptAsTypedAndStillBuilds) {
    const std::string padded = "Full Network" + std::string(ScenarioTextLimit - 12, ' ');
    demo.SetCombo1Text(padded);
    EXPECT_EQ(demo.State().Combo1().text, padded);
    EXPECT_FALSE(demo.State().Bridge1[0].place.Visible);
    Build("Full Network");
    EXPECT_EQ(demo.State().iScenario(), 5);
    EXPECT_TRUE(demo.State().Bridge1[5].place.Visible);
}

}  // namespace
}  // namespace bridging::testing
