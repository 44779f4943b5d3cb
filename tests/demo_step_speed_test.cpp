// Stepping one tick at a time while paused, and the tick's four speeds.
#include <string>
#include <vector>

#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

// Everything the tick can change: where the tokens are, which stations show a
// received frame, and what the bridges have learned.
std::string Snapshot(const Demo& demo) {
    std::string text;
    for (const Packet& token : demo.Packet1) {
        if (!token.place.Visible) continue;
        text += std::to_string(token.place.Left) + ',' + std::to_string(token.place.Top) + ' ';
    }
    for (const Computer& station : demo.Computer1) text += std::to_string(station.Number()) + ' ';
    for (const Bridge& bridge : demo.Bridge1) {
        for (int entry : bridge.PortATable()) text += std::to_string(entry);
        text += '|';
    }
    return text;
}

class Stepping : public DemoTest {
protected:
    Stepping() {
        SwitchOn();
        Send(0, 2);
    }
};

// A twin window that ticks normally sets the standard: each step must leave the
// paused window exactly where one tick leaves the running one, through the
// junction, the bridge, the split at the link's end and the marked station.
TEST_F(Stepping, EachStepWhilePausedIsExactlyOneTick) {
    RecordingMessage twinMessage;
    ScriptedRandom twinRandom;
    Demo twin{twinMessage, twinRandom};
    twin.Form_Load();
    twin.SetChkLearn(1);
    twin.SetChkForward(1);
    twin.Computer1_Command1_Click(2);
    twin.Computer1_btnKeys_Click(0);

    demo.btnPause_Click();
    ASSERT_EQ(Snapshot(demo), Snapshot(twin));
    bool stationMarked = false;
    for (int tick = 1; tick <= 47; ++tick) {
        SCOPED_TRACE(tick);
        demo.Step();
        twin.Timer1_Timer();
        ASSERT_EQ(Snapshot(demo), Snapshot(twin));
        stationMarked = stationMarked || demo.Computer1[2].Number() == Computer::Marked;
        EXPECT_EQ(demo.btnPause().caption, "Resume");
        EXPECT_FALSE(demo.Running());
    }
    EXPECT_TRUE(stationMarked);
    EXPECT_EQ(demo.Bridge1[0].PortATable()[0], 1);
    EXPECT_TRUE(ShownTokens().empty());
}

TEST_F(Stepping, StepWhileRunningOnlyPauses) {
    const std::string before = Snapshot(demo);
    demo.Step();
    EXPECT_EQ(Snapshot(demo), before);
    EXPECT_FALSE(demo.Running());
    EXPECT_EQ(demo.btnPause().caption, "Resume");
    // The next step moves the tokens.
    demo.Step();
    EXPECT_EQ(demo.Packet1[0].place.Left, 4305 - 200);
    EXPECT_EQ(demo.btnPause().caption, "Resume");
}

// A step from inside a message (a key pressed while "Run Out of Packets" waits)
// would run a tick inside the unfinished one that opened it.
TEST_F(DemoTest, NoStepWhileAMessageIsOpen) {
    for (int k = 0; k < PoolSize; ++k) PlaceToken(k, 3000, 5000, 200, 0);
    demo.btnPause_Click();
    std::string atOpen;
    std::string afterStep;
    message.whileOpen = [&] {
        atOpen = Snapshot(demo);
        demo.Step();
        afterStep = Snapshot(demo);
    };
    demo.Computer1_btnKeys_Click(1);  // the full pool opens "Run Out of Packets"
    ASSERT_EQ(message.texts, std::vector<std::string>{"Run Out of Packets"});
    EXPECT_EQ(afterStep, atOpen);
    EXPECT_NE(atOpen.find("3000.000000,5000.000000"), std::string::npos);
    EXPECT_FALSE(demo.Running());
    EXPECT_EQ(demo.btnPause().caption, "Resume");
}

TEST_F(DemoTest, StartsAtNormalSpeed) {
    EXPECT_EQ(demo.Speed(), Demo::NormalSpeed);
    EXPECT_EQ(Demo::SpeedIntervalsMs[Demo::NormalSpeed], 100);
    EXPECT_EQ(demo.IntervalMs(), 100);
}

TEST_F(DemoTest, FasterAndSlowerSetTheTimersIntervalAndStopAtTheEnds) {
    demo.Faster();
    EXPECT_EQ(demo.IntervalMs(), 50);
    demo.Faster();
    EXPECT_EQ(demo.IntervalMs(), 50);
    EXPECT_EQ(demo.Speed(), 3);
    const std::vector<int> slower = {100, 200, 400, 400};
    for (int expected : slower) {
        demo.Slower();
        EXPECT_EQ(demo.IntervalMs(), expected);
    }
    EXPECT_EQ(demo.Speed(), 0);
    // The speed leaves the running state alone, paused or not.
    EXPECT_TRUE(demo.Running());
    demo.btnPause_Click();
    demo.Faster();
    EXPECT_FALSE(demo.Running());
    EXPECT_EQ(demo.IntervalMs(), 200);
}

TEST_F(DemoTest, SpeedOutsideTheListIsIgnored) {
    demo.SetSpeed(-1);
    demo.SetSpeed(4);
    EXPECT_EQ(demo.Speed(), Demo::NormalSpeed);
    EXPECT_EQ(demo.IntervalMs(), 100);
    demo.SetSpeed(0);
    EXPECT_EQ(demo.IntervalMs(), 400);
}

}  // namespace
}  // namespace bridging::testing
