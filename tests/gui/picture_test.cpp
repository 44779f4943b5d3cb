// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The grabbed window shows the network's elements with their design colours at
// the pixels that the layout gives them (twips / 15).
#include <QComboBox>

#include "ui/scene/face_qt.h"
#include "window_test_support.h"

namespace bridging::ui::testing {
namespace {

constexpr std::uint32_t SegmentBlack = 0x00000000;
constexpr std::uint32_t LinkGrey = 0x00404040;
constexpr std::uint32_t MarkerGreen = 0x00008000;
constexpr std::uint32_t BridgeBody = 0x00FFC0C0;
constexpr std::uint32_t BridgeBorder = 0x00000000;
constexpr std::uint32_t FrameRed = 0x00000080;

struct Probe {
    const char* what;
    int x;
    int y;
    std::uint32_t colour;
};

void ExpectColours(const QImage& image, const std::vector<Probe>& probes) {
    for (const Probe& probe : probes) {
        EXPECT_EQ(PixelAt(image, probe.x, probe.y), Rgb(probe.colour))
            << probe.what << " at (" << probe.x << ", " << probe.y << ")";
    }
}

TEST(Picture, OneBridgeShowsItsElementsWhereTheLayoutPutsThem) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = Picture(window);
    ASSERT_EQ(image.size(), QSize(966, 716));
    // Segments at 3840 and 9660 twips from 2040 to 11100; the link line at 6570;
    // the bridge at (5070, 5880); station A at (4305, 2220), C at (4305, 8040).
    ExpectColours(image, {
                             {"upper segment", 200, 256, SegmentBlack},
                             {"upper segment, 6 px off its centre line", 600, 251, SegmentBlack},
                             {"lower segment", 700, 644, SegmentBlack},
                             {"link line above the bridge", 438, 330, LinkGrey},
                             {"link line below the bridge", 435, 560, LinkGrey},
                             {"left marker of the upper segment", 132, 238, MarkerGreen},
                             {"right marker of the lower segment", 744, 630, MarkerGreen},
                             {"bridge body", 343, 477, BridgeBody},
                             {"bridge border", 340, 440, BridgeBorder},
                             {"station A's letter button", 307, 168, 0x00FFC0C0},
                             {"station A's frame", 327, 201, FrameRed},
                             {"station C's letter button", 307, 556, 0x00FFFFC0},
                             {"station D's letter button", 609, 556, 0x00C0FFC0},
                             {"station A's Send button", 292, 226, 0x00FFC0C0},
                             {"station A's drop line", 327, 240, SegmentBlack},
                         });
    // Beside the network the window shows its own face colour.
    const QRgb face = window.palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
    EXPECT_EQ(PixelAt(image, 900, 400), face);
    EXPECT_EQ(PixelAt(image, 438, 680), face);  // the link line stops at the lower segment
}

TEST(Picture, FullNetworkShowsAllSixBridgesAndStations) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TypeScenario(window, QStringLiteral("Full Network"));
    const QImage image = Picture(window);
    // Segment 3 at 1440 from 5340 to 13080, link line 5 at 12600, bridge 6 at
    // (11100, 4920), station F at (10980, -180), E at (6840, 5160), bridge 1 at
    // (1020, 5880) on link line 0 at 2520.
    ExpectColours(image, {
                             {"top segment", 600, 96, SegmentBlack},
                             {"middle segment", 500, 452, SegmentBlack},
                             {"bottom segment", 100, 644, SegmentBlack},
                             {"link line of bridge 6", 840, 200, LinkGrey},
                             {"link line of bridge 1", 168, 330, LinkGrey},
                             {"right marker of the top segment", 876, 80, MarkerGreen},
                             {"left marker of the bottom segment", 76, 628, MarkerGreen},
                             {"body of bridge 6", 745, 413, BridgeBody},
                             {"body of bridge 1", 73, 477, BridgeBody},
                             {"station F's letter button", 752, 8, 0x00C0C0FF},
                             {"station E's letter button", 476, 364, 0x00C0FFFF},
                             {"station B's letter button", 652, 168, 0x00FFC0FF},
                         });
}

// A forwarding bridge launches its copy out of port B inside its own lower part.
TEST(Picture, AFrameLeavingABridgeIsDrawnOverIt) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Click(window, QStringLiteral("chkForward"));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    const int bodyTop = window.zoom().Pixels(5880 + 15);
    const int bodyBottom = window.zoom().Pixels(5880 + 15 + 1455);
    for (int tick = 0; tick < 40; ++tick) {
        Tick(window);
        for (const Packet& token : window.demo().Packet1) {
            if (!token.place.Visible || token.YOffset() <= 0) continue;
            const int borderTop = window.zoom().Pixels(token.place.Top + 45);
            if (borderTop <= bodyTop || borderTop + 2 >= bodyBottom) continue;
            const QImage image = Picture(window);
            EXPECT_EQ(
                PixelAt(image, window.zoom().Pixels(token.place.Left + 45) + 2, borderTop + 2),
                Rgb(0x00808080));
            EXPECT_EQ(
                PixelAt(image, window.zoom().Pixels(token.place.Left + 45) + 20, borderTop + 12),
                Rgb(static_cast<std::uint32_t>(token.FillColour())));
            return;
        }
    }
    FAIL() << "no token left the bridge through port B";
}

// A token's whole area is light grey; the body and the label stand on it.
// Token 0 is narrower than the others.
TEST(Picture, ATokenPaintsItsWholeAreaGreyAndNothingBeyondIt) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Click(window, QStringLiteral("Computer1_0_btnKeys"));
    Tick(window, 6);  // apart, and short of the link line
    const Placement& left = window.demo().Packet1[0].place;
    const Placement& right = window.demo().Packet1[1].place;
    ASSERT_EQ(left.Left, 3105);
    ASSERT_EQ(right.Left, 5505);
    const QImage image = Picture(window);
    const QRgb grey = Rgb(0x00C0C0C0);
    const QRgb face = window.palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
    const auto at = [&image, &window](const Placement& p, float x, float y) {
        return PixelAt(image, window.zoom().Pixels(p.Left + x), window.zoom().Pixels(p.Top + y));
    };
    EXPECT_EQ(at(left, 600, 900), grey) << "below the body";
    EXPECT_EQ(at(left, 1290, 400), grey) << "right of the body, token 0";
    EXPECT_EQ(at(left, 1320, 100), face) << "beyond token 0's 1305";
    EXPECT_EQ(at(right, 600, 900), grey) << "below the body";
    EXPECT_EQ(at(right, 1500, 400), grey) << "right of the body";
    EXPECT_EQ(at(right, 1590, 100), face) << "beyond the token's 1575";
    EXPECT_EQ(at(right, 600, 300),
              Rgb(static_cast<std::uint32_t>(window.demo().Packet1[1].FillColour())))
        << "the body";
}

// The network is drawn once for the window's size: a larger window shows it
// unchanged with the face colour beyond.
TEST(Picture, AResizedWindowShowsTheSameNetwork) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    (void)Picture(window);
    window.resize(1100, 820);
    const QImage image = Picture(window);
    ASSERT_EQ(image.size(), QSize(1100, 820));
    const QRgb face = window.palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
    EXPECT_EQ(PixelAt(image, 200, 256), Rgb(SegmentBlack));
    EXPECT_EQ(PixelAt(image, 438, 330), Rgb(LinkGrey));
    EXPECT_EQ(PixelAt(image, 1050, 780), face);
    EXPECT_EQ(PixelAt(image, 900, 400), face);
}

}  // namespace
}  // namespace bridging::ui::testing
