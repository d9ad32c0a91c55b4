#include <gtest/gtest.h>

#include "ui/StartupLayout.h"

namespace {

TEST(StartupLayoutTest, SizesAtStartFollowTheScreen) {
  struct Case {
    int w, h, graphHeight, pairWidth;
  };
  const Case cases[] = {
      {1024, 768, 734, 1024}, {1280, 1024, 960, 1280}, {1920, 1080, 1046, 1440},
      {1366, 768, 734, 1024}, {2560, 1440, 1406, 1920}, {800, 600, 566, 800},
  };
  for (const Case& c : cases) {
    const platform::ScreenRect screen{0, 0, c.w, c.h};
    EXPECT_EQ(GraphWindowHeightAtStart(screen), c.graphHeight) << c.w << "x" << c.h;
    EXPECT_EQ(PairWidth(screen), c.pairWidth) << c.w << "x" << c.h;
  }
  // The drawing area (client less tool strip, status bar and a border) is square.
  EXPECT_EQ(SquareClientWidth(960) - 2, 960 - kToolStripHeight - kStatusBarHeight - 2);
}

TEST(StartupLayoutTest, FirstPlacementCentresThePairInTheWorkArea) {
  const platform::ScreenRect screen{0, 0, 1920, 1080};
  // A 4:3 pair on a wide screen: graph 1000, navigator 440 of 1920.
  TPairPlacement p = FirstPlacement(screen, screen, 1000, 440);
  EXPECT_EQ(p.graph, (TWindowPos{240, 0}));
  EXPECT_EQ(p.navigator, (TWindowPos{1240, 0}));
  // A panel on the left and one at the top of the desktop.
  p = FirstPlacement(screen, {64, 30, 1856, 1050}, 1000, 440);
  EXPECT_EQ(p.graph, (TWindowPos{64 + 208, 30}));
  EXPECT_EQ(p.navigator.left, p.graph.left + 1000);
  EXPECT_EQ(p.navigator.top, 30);
  // Windows wider than the screen start at the work area's left edge.
  p = FirstPlacement({0, 0, 1280, 1024}, {0, 0, 1280, 1024}, 1000, 400);
  EXPECT_EQ(p.graph.left, 0);
}

TEST(StartupLayoutTest, GraphLeftOfNavigatorStaysOnTheScreen) {
  EXPECT_EQ(GraphLeftOfNavigator({914, 40}, 914), (TWindowPos{0, 40}));
  EXPECT_EQ(GraphLeftOfNavigator({1200, 10}, 640), (TWindowPos{560, 10}));
  EXPECT_EQ(GraphLeftOfNavigator({300, 10}, 640), (TWindowPos{0, 10}));
}

}  // namespace
