#include "ui/StartupLayout.h"

#include <algorithm>

#include "platform/Runtime.h"

int GraphWindowHeightAtStart(const platform::ScreenRect& screen) {
  const int w = screen.width, h = screen.height;
  if (3 * w < 4 * h) return static_cast<int>(rtl::Round(w * 3 / 4.0L));
  return h - 34;
}

int SquareClientWidth(int clientHeight) { return clientHeight - kToolStripHeight - kStatusBarHeight; }

int PairWidth(const platform::ScreenRect& screen) {
  if (screen.height * 4 < screen.width * 3) return static_cast<int>(rtl::Round(screen.height * 4 / 3.0L));
  return screen.width;
}

TPairPlacement FirstPlacement(const platform::ScreenRect& screen, const platform::ScreenRect& work, int graphWidth,
                              int navigatorWidth) {
  TPairPlacement p;
  p.graph = {work.left, work.top};
  const int free = screen.width - (p.graph.left + graphWidth + navigatorWidth);
  p.graph.left = std::max(work.left, p.graph.left + static_cast<int>(rtl::Round(free / 2.0L)));
  p.navigator = {p.graph.left + graphWidth, p.graph.top};
  return p;
}

TWindowPos GraphLeftOfNavigator(const TWindowPos& navigator, int graphWidth) {
  return {std::max(0, navigator.left - graphWidth), navigator.top};
}
