// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson panel, its log and the tooltips, driven through the real window.
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>

#include "explain/tooltips.h"
#include "ui/lesson/lesson_announcer.h"
#include "ui/lesson/lesson_panel.h"
#include "ui/scene/face_qt.h"
#include "ui/shell/tooltips.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

QPoint PositionIn(QWidget& window, const QString& name) {
    QWidget& widget = Child(window, name);
    return widget.mapTo(&window, widget.rect().center());
}

// A frame from A to C through the one bridge, Learning and Forwarding on,
// run until C has it.
void SendAToC(MainWindow& window) {
    Click(window, QStringLiteral("Computer1_2_Command1"));
    Click(window, QStringLiteral("chkLearn"));
    Click(window, QStringLiteral("chkForward"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    for (int tick = 0; tick < 60 && window.demo().Computer1[2].Number() != Computer::Marked; ++tick)
        Tick(window);
}

const LogLine* FindLine(const LessonLog& log, DecisionKind kind) {
    const auto found = std::find_if(log.Lines().begin(), log.Lines().end(),
                                    [kind](const LogLine& line) { return line.kind == kind; });
    return found == log.Lines().end() ? nullptr : &*found;
}

TEST(LessonPanel, F2ShowsAndHidesItBesideAnUnmovedDrawing) {
    MainWindow window;
    window.show();
    const QSize normal = window.size();
    const QPoint bridge = PositionIn(window, QStringLiteral("Bridge1_0"));
    auto& panel = Child(window, QStringLiteral("LessonPanel"));
    EXPECT_FALSE(panel.isVisible());

    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(window.size(), QSize(normal.width() + window.zoom().Pixels(LessonPanel::WidthTwips),
                                   normal.height()));
    EXPECT_EQ(PositionIn(window, QStringLiteral("Bridge1_0")), bridge);
    EXPECT_EQ(panel.geometry().left(), normal.width());

    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(window.size(), normal);
}

TEST(LessonPanel, FollowsTheZoomWithTheDrawing) {
    MainWindow window;
    window.show();
    window.Perform(Act(ActionKind::TogglePanel));
    window.SetZoomFactor(2.0);
    auto& panel = Child(window, QStringLiteral("LessonPanel"));
    EXPECT_EQ(window.width(),
              window.zoom().Pixels(Simulation::ClientWidth + LessonPanel::WidthTwips));
    EXPECT_EQ(panel.width(), window.zoom().Pixels(LessonPanel::WidthTwips));
    EXPECT_EQ(panel.font().pixelSize(), window.zoom().FaceFont(12).pixelSize());
}

TEST(LessonPanel, LogGetsEachDecisionWithItsTickEvenWhileHidden) {
    MainWindow window;
    window.show();
    SendAToC(window);
    const LessonLog& log = window.session().Log();
    const LogLine* learns = FindLine(log, DecisionKind::Learns);
    ASSERT_NE(learns, nullptr);
    EXPECT_EQ(learns->sentence, "Bridge #1 learns A on port A (upper side).");
    EXPECT_GT(learns->tick, 0u);
    const LogLine* arrives = FindLine(log, DecisionKind::FrameArrives);
    ASSERT_NE(arrives, nullptr);
    EXPECT_LE(learns->tick, arrives->tick);
    EXPECT_EQ(arrives->tick, window.demo().TickCount());
    // Nothing was filtered: the destination was not known on the arrival side.
    EXPECT_EQ(FindLine(log, DecisionKind::Filters), nullptr);

    // Shown, the panel's view holds the lines made while it was hidden.
    window.Perform(Act(ActionKind::TogglePanel));
    const QString shown = Child<QPlainTextEdit>(window, QStringLiteral("txtLog")).toPlainText();
    EXPECT_TRUE(shown.contains(
        QStringLiteral("%1  Bridge #1 learns A on port A (upper side).").arg(learns->tick)));
}

TEST(LessonPanel, FollowingOneElementShowsOnlyItsLinesAndClearEmptiesTheLog) {
    MainWindow window;
    window.show();
    window.Perform(Act(ActionKind::TogglePanel));
    SendAToC(window);
    auto& view = Child<QPlainTextEdit>(window, QStringLiteral("txtLog"));
    auto& follow = Child<QComboBox>(window, QStringLiteral("cboFollow"));
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("Station A sends")));
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("Bridge #1 learns")));

    ASSERT_EQ(follow.itemText(1), QStringLiteral("Bridge #1"));
    follow.activated(1);
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("Bridge #1 learns")));
    EXPECT_FALSE(view.toPlainText().contains(QStringLiteral("Station A sends")));

    Click(window, QStringLiteral("btnClear"));
    EXPECT_TRUE(view.toPlainText().isEmpty());
    EXPECT_TRUE(window.session().Log().Lines().empty());
}

TEST(LessonPanel, StepAndSpeedButtonsRunTheirCommands) {
    MainWindow window;
    window.show();
    window.Perform(Act(ActionKind::TogglePanel));
    Click(window, QStringLiteral("btnPause"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    const std::vector<float> before = TokenLefts(window);
    Click(window, QStringLiteral("btnStep"));
    EXPECT_NE(TokenLefts(window), before);
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblState")).text(), QStringLiteral("Paused"));
    EXPECT_EQ(Child<QLabel>(window, QStringLiteral("lblFrames")).text(),
              QStringLiteral("Frames in flight: 2 of 16"));
    const int speed = window.demo().Speed();
    Click(window, QStringLiteral("btnSlower"));
    EXPECT_EQ(window.demo().Speed(), speed - 1);
    Click(window, QStringLiteral("btnFaster"));
    EXPECT_EQ(window.demo().Speed(), speed);
}

TEST(Tooltips, PortRowNamesItsLearnedStationsAndTheRowWithoutThemDoesNot) {
    MainWindow window;
    window.show();
    SendAToC(window);
    auto& rowA = Child(window, QStringLiteral("Bridge1_0_lblPortA"));
    auto& rowB = Child(window, QStringLiteral("Bridge1_0_lblPortB"));
    QHelpEvent help(QEvent::ToolTip, rowA.rect().center(), rowA.mapToGlobal(rowA.rect().center()));
    QApplication::sendEvent(&rowA, &help);
    const QString tip = QToolTip::text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    EXPECT_TRUE(tip.contains(QStringLiteral("learned that A is on this side")))
        << tip.toStdString();
    // The same words, unbroken, serve as its accessible description.
    EXPECT_EQ(rowA.accessibleDescription(), tip);
    EXPECT_FALSE(rowB.accessibleDescription().contains(QStringLiteral("that A")));
    QToolTip::hideText();
}

TEST(Tooltips, TokenUnderThePointerWinsOverWhatLiesBeneath) {
    MainWindow window;
    window.show();
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    Tick(window, 3);
    const std::vector<int> shown = ShownTokens(window);
    ASSERT_FALSE(shown.empty());
    const Packet& token = window.demo().Packet1[static_cast<std::size_t>(shown.front())];
    const QPoint at = window.zoom().PixelRect(token.place).center();
    EXPECT_EQ(TipAt(window.demo(), window.zoom(), window, window, at),
              QtText(explain::TokenTip(token)));
    // Far from any token or line, the window has nothing to say.
    EXPECT_EQ(TipAt(window.demo(), window.zoom(), window, window, QPoint(940, 20)), std::nullopt);
}

TEST(Tooltips, SegmentsAndLinkLinesExplainThemselves) {
    MainWindow window;
    // Near a segment's left end, away from the lines and stations that join it.
    const LineFace& segment = window.demo().lneNetA[0];
    const QPoint onSegment = window.zoom().PixelPoint(segment.X1 + 60, segment.Y1);
    EXPECT_EQ(TipAt(window.demo(), window.zoom(), window, window, onSegment),
              QtText(explain::SegmentTip()));
    EXPECT_EQ(TipAt(window.demo(), window.zoom(), window, window, onSegment + QPoint(0, 30)),
              std::nullopt);
    const LineFace& link = window.demo().Line1[0];
    const QPoint onLink =
        (window.zoom().PixelPoint(link.X1, link.Y1) + window.zoom().PixelPoint(link.X2, link.Y2)) /
        2;
    EXPECT_EQ(TipAt(window.demo(), window.zoom(), window, window, onLink),
              QtText(explain::LinkLineTip()));
}

TEST(LessonLog, RepeatsOfAKindForAnElementInOneTickMergeIntoOneLine) {
    DecisionCollector collector;
    Decision flood;
    flood.kind = DecisionKind::Floods;
    flood.element = ElementKind::Bridge;
    flood.index = 0;
    flood.tick = 5;
    for (int i = 0; i < 3; ++i) collector.Record(flood);
    Decision otherBridge = flood;
    otherBridge.index = 1;
    collector.Record(otherBridge);
    Decision nextTick = flood;
    nextTick.tick = 6;
    collector.Record(nextTick);
    Decision otherKind = flood;
    otherKind.kind = DecisionKind::Learns;
    collector.Record(otherKind);

    const std::vector<LogLine> lines = collector.Take();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].times, 3);
    EXPECT_NE(LineText(lines[0]).find("(3 times in this tick)"), std::string::npos);
    EXPECT_EQ(lines[1].times, 1);
    EXPECT_EQ(LineText(lines[1]).find("times"), std::string::npos);
    EXPECT_EQ(lines[2].tick, 6u);
    EXPECT_EQ(lines[3].kind, DecisionKind::Learns);
    EXPECT_TRUE(collector.Take().empty());
}

TEST(LessonLog, KeepsTheLast5000LinesInTheLogAndTheView) {
    MainWindow window;
    window.show();
    window.Perform(Act(ActionKind::TogglePanel));
    std::vector<LogLine> lines;
    for (std::uint64_t i = 0; i < LessonLog::MaxLines + 3; ++i)
        lines.push_back(LogLine{i, DecisionKind::Kill, ElementKind::Window, -1, "Kill.", 1});
    LessonPanel& panel = Child<LessonPanel>(window, QStringLiteral("LessonPanel"));
    LessonLog log;
    log.Append(lines, 1);
    panel.ShowLog(log, std::nullopt);
    ASSERT_EQ(log.Lines().size(), LessonLog::MaxLines);
    EXPECT_EQ(log.Lines().front().tick, 3u);
    auto& view = Child<QPlainTextEdit>(window, QStringLiteral("txtLog"));
    EXPECT_EQ(view.blockCount(), static_cast<int>(LessonLog::MaxLines));
    EXPECT_TRUE(view.toPlainText().endsWith(QStringLiteral("5002  Kill.")));
}

// The panel's log is a text a screen reader does not read unless it has the
// focus: arrivals are spoken whether it shows or not, a bridge's learning and
// flooding only while the bridge is followed.
TEST(LessonLog, ArrivalsAreSpokenWithThePanelHiddenOrShown) {
    for (const bool panel : {false, true}) {
        SCOPED_TRACE(panel);
        MainWindow window;
        window.show();
        ReaderAlwaysDone(window);
        if (panel) window.Perform(Act(ActionKind::TogglePanel));
        SendAToC(window);
        const QString said = window.announcer().Text();
        EXPECT_TRUE(said.contains(QStringLiteral("reaches station C"))) << said.toStdString();
        EXPECT_FALSE(said.contains(QStringLiteral("learns")));
        EXPECT_FALSE(said.contains(QStringLiteral("floods")));
        EXPECT_TRUE(Child<QPlainTextEdit>(window, QStringLiteral("txtLog"))
                        .toPlainText()
                        .contains(QStringLiteral("reaches station C")) ||
                    !panel);
    }
}

// The window counts each user action and each tick it runs, and the log's
// lines keep the count of the one that wrote them.
TEST(LessonLog, EachActionAndTickWritesItsLinesInAMomentOfItsOwn) {
    MainWindow window;
    window.show();
    const std::uint64_t start = window.session().Time().Shown();
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    EXPECT_EQ(window.session().Time().Shown(), start + 1);
    const LogLine* sends = FindLine(window.session().Log(), DecisionKind::StationSends);
    ASSERT_NE(sends, nullptr);
    EXPECT_EQ(sends->moment, start + 1);
    Tick(window, 5);
    EXPECT_EQ(window.session().Time().Shown(), start + 6);
    window.Perform(Act(ActionKind::Kill));
    EXPECT_EQ(window.session().Time().Shown(), start + 7);
    const LessonLog& log = window.session().Log();
    ASSERT_EQ(log.Lines().back().kind, DecisionKind::Kill);
    EXPECT_EQ(log.Lines().back().moment, start + 7);
    // A tick's lines share its moment, and no two ticks share one.
    for (auto line = log.Lines().begin(); line + 1 < log.Lines().end(); ++line) {
        const auto next = line + 1;
        EXPECT_LE(line->moment, next->moment);
        if (line->tick != next->tick) {
            EXPECT_LT(line->moment, next->moment);
        }
    }
}

TEST(LessonLog, TheLandmarksPauseAndAStopAreToldAsTheyHappen) {
    for (const DecisionKind kind :
         {DecisionKind::FrameArrives, DecisionKind::Blocks, DecisionKind::AdoptsRoot,
          DecisionKind::RunOutOfPackets, DecisionKind::Paused, DecisionKind::Resumed,
          DecisionKind::StoppedBefore})
        EXPECT_TRUE(ToldAsItHappens(kind)) << static_cast<int>(kind);
    for (const DecisionKind kind : {DecisionKind::Floods, DecisionKind::Learns,
                                    DecisionKind::StationSends, DecisionKind::ScenarioBuilt})
        EXPECT_FALSE(ToldAsItHappens(kind)) << static_cast<int>(kind);
}

}  // namespace
}  // namespace bridging::ui::testing
