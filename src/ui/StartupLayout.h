#pragma once
// Where the graph window and the navigator go: their sizes at start-up, the first
// placement side by side inside the screen's work area, and the docking moves of the
// tool bar and status bar clicks. Plain geometry on frame rectangles (window frames of
// X11 window managers do not overlap, so windows simply touch).
#include "platform/Screen.h"

inline constexpr int kToolStripHeight = 26;
inline constexpr int kStatusBarHeight = 20;

struct TWindowPos {
  int left = 0, top = 0;
  bool operator==(const TWindowPos&) const = default;
};

// The graph window's height at creation: 3/4 of the screen width on screens at most 4:3
// wide, else the screen height less 34.
int GraphWindowHeightAtStart(const platform::ScreenRect& screen);
// The client width that makes the drawing area square for a client height.
int SquareClientWidth(int clientHeight);
// The width the pair of windows may take: the screen width, or a 4:3 area of a wider screen.
int PairWidth(const platform::ScreenRect& screen);

struct TPairPlacement {
  TWindowPos graph, navigator;
};
// The first show: both windows at the work area's top, the graph window at its left, the
// navigator to its right, and the pair centred in the width left over.
TPairPlacement FirstPlacement(const platform::ScreenRect& screen, const platform::ScreenRect& work, int graphWidth,
                              int navigatorWidth);
// The graph window directly left of the navigator (not left of the screen), level with it.
TWindowPos GraphLeftOfNavigator(const TWindowPos& navigator, int graphWidth);
