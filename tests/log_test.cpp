// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson log without a window: every line keeps the moment that wrote it,
// the log keeps the newest lines in order, and the follow filter keeps one
// element's lines, over sessions of random actions and ticks on the core.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "demo_fixture.h"
#include "log/lesson_log.h"

namespace bridging::testing {
namespace {

// A window's loop without the window: each action or tick is one moment, and
// its collected lines go into the log with that moment.
class LogSession : public ::testing::Test {
protected:
    LogSession() {
        demo.SetAccount(&collector);
        demo.Form_Load();
        Keep();
    }
    ~LogSession() override { demo.SetAccount(nullptr); }

    void Keep() {
        const std::vector<LogLine> lines = collector.Take();
        ++moment;
        log.Append(lines, moment);
        written.push_back(lines.size());
    }

    // One random user action or tick, as the window runs them.
    void Step(std::mt19937& random) {
        switch (std::uniform_int_distribution<int>(0, 9)(random)) {
            case 0:
                demo.Computer1_btnKeys_Click(std::uniform_int_distribution<int>(0, 3)(random));
                break;
            case 1:
                demo.Computer1_Command1_Click(std::uniform_int_distribution<int>(0, 3)(random));
                break;
            case 2:
                demo.SetChkLearn(demo.State().chkLearn().value == 0 ? 1 : 0);
                break;
            case 3:
                demo.SetChkForward(demo.State().chkForward().value == 0 ? 1 : 0);
                break;
            case 4:
                demo.PickCombo1(std::uniform_int_distribution<int>(0, 4)(random));
                break;
            case 5:
                demo.Bridge1_btnSpanTree_Click(std::uniform_int_distribution<int>(0, 1)(random));
                break;
            default:
                demo.Timer1_Timer();
                break;
        }
        Keep();
    }

    // Counted back from the newest moment, the log's lines are exactly those
    // each moment wrote, in order, as far back as the log keeps them.
    void ExpectTheNewestLinesWithTheirMoments() const {
        auto line = log.Lines().rbegin();
        std::size_t expected = 0;
        for (std::uint64_t m = moment; m >= 1; --m) {
            for (std::size_t n = 0; n < written[m - 1] && expected < LessonLog::MaxLines; ++n) {
                ASSERT_NE(line, log.Lines().rend());
                EXPECT_EQ(line->moment, m);
                ++line;
                ++expected;
            }
        }
        EXPECT_EQ(line, log.Lines().rend());
        EXPECT_EQ(log.Lines().size(), expected);
        for (auto it = log.Lines().begin(); it + 1 < log.Lines().end(); ++it)
            EXPECT_LE(it->tick, (it + 1)->tick);
    }

    DecisionCollector collector;
    RecordingMessage message;
    ScriptedRandom random;
    RecordingDemo demo{message, random};
    LessonLog log;
    std::uint64_t moment = 0;
    std::vector<std::size_t> written;  // lines written in each moment, the first at [0]
};

TEST_F(LogSession, EveryLineKeepsTheMomentThatWroteItInTheOrderWritten) {
    for (const unsigned seed : {1u, 20240611u, 77u}) {
        std::mt19937 random(seed);
        for (int i = 0; i < 300; ++i) Step(random);
        ASSERT_FALSE(log.Lines().empty());
        ExpectTheNewestLinesWithTheirMoments();
    }
}

TEST_F(LogSession, AStormKeepsOnlyTheNewestLinesUpToTheLimit) {
    demo.PickCombo1(1);  // "Two Bridges": a loop
    demo.SetChkForward(1);
    Keep();
    std::size_t total = 0;
    for (int i = 0; i < 4000 && total <= LessonLog::MaxLines; ++i) {
        demo.Computer1_btnKeys_Click(i % 4);
        Keep();
        for (int t = 0; t < 20; ++t) {
            demo.Timer1_Timer();
            Keep();
        }
        total = 0;
        for (std::size_t n : written) total += n;
    }
    ASSERT_GT(total, LessonLog::MaxLines);
    EXPECT_EQ(log.Lines().size(), LessonLog::MaxLines);
    ExpectTheNewestLinesWithTheirMoments();
}

// The moment is the log's own record: the words a reader sees do not change with it.
TEST(LessonLog, TheMomentNeitherChangesTheWordsNorWhoseLineItIs) {
    LogLine early{7, DecisionKind::Learns, ElementKind::Bridge, 1, "Bridge #2 learns A.", 2};
    LogLine late = early;
    late.moment = 99;
    EXPECT_EQ(LineText(early), LineText(late));
    const FollowedElement bridge{ElementKind::Bridge, 1};
    const FollowedElement other{ElementKind::Bridge, 0};
    for (const LogLine& line : {early, late}) {
        EXPECT_TRUE(Shows(std::nullopt, line));
        EXPECT_TRUE(Shows(bridge, line));
        EXPECT_FALSE(Shows(other, line));
    }
    LessonLog log;
    log.Append({early, late}, 3);
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0].moment, 3u);
    EXPECT_EQ(log.Lines()[1].moment, 3u);
    log.Clear();
    EXPECT_TRUE(log.Lines().empty());
}

}  // namespace
}  // namespace bridging::testing
