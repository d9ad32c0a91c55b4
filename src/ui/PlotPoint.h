#pragma once
// "点をプロット": a new point entry by coordinates at the pixel where the graph's pop-up
// menu was opened, named on the point-name picker and finished in the entry window.
#include <cstdint>
#include <functional>
#include <string>

struct TPlotPointSteps {
  // The point-name picker for the new point: the chosen letter's number, 0 for none.
  std::function<int()> pickName;
  // The entry window on the new entry in the mode (1 plane, 4 space); true when accepted.
  std::function<bool(int entry, std::uint8_t mode)> openEntryWindow;
};

// The coordinates the mouse last read out in space (texts, CP932).
struct TSpaceReadout {
  std::string x = "0", y = "0", z = "0";
};

// Adds the point: in the plane at the pixel (px, py), snapped to the grid; in space at
// the read-out. Nothing is added without room for another point, without a name, or when
// the entry window is cancelled. True when the point was added.
bool PlotPointAt(int px, int py, const TSpaceReadout& readout, const TPlotPointSteps& steps);

// Where the picker of size (width, height) goes for the pixel whose screen position is
// (x, y) and whose drawing column is px: beside the pixel, turned to the left near the
// screen's right edge or where it would pass the drawing's right edge, and above the pixel
// near the screen's bottom.
struct TPickerPlace {
  int left = 0, top = 0;
};
TPickerPlace PickerNearPixel(int x, int y, int px, int width, int height, int screenRight, int screenBottom);
