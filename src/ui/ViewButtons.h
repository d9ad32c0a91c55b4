#pragma once
// The view buttons of the graph window's tool strip. A click makes one step of the view:
// in the plane a shift or zoom, in space a turn of the camera, a larger or smaller range,
// lighter or darker shading, or a nearer or farther camera. A held button repeats the
// step through the timer until it is released. No widgets here: the window forwards its
// buttons' presses, releases and clicks.
#include <cstdint>

struct TViewButton {
  const char* name;  // the button's component name
  std::uint8_t code;
};
inline constexpr TViewButton kViewButtons[] = {
    {"gleft", 0},   {"gright", 1},  {"gup", 2},      {"gdown", 3},      {"gsmall", 4},  {"glarge", 5}, {"xlarge", 9},
    {"xsmall", 10}, {"ylarge", 11}, {"ysmall", 12}, {"Rightup", 13}, {"rightdown", 14}, {"nearBT", 15}, {"farBT", 16},
};

// The code of the button pressed last; the held button's repeat steps by it.
extern std::uint8_t ViewButtonCode;

// Press: the view job (7 plane, 8 space) repeats every 200 ms, the timer's job kept aside.
void ViewButtonPress(int code);
// Release: the next tick gives the timer its kept job back.
void ViewButtonRelease();
// Click (after the release): one step, unless a held repeat has already stepped.
void ViewButtonClick(int code);
// One step of the view by the code, then a redraw.
void ViewButtonStep(int code);
// The reset button ("O"): the standard plane view, or the space view's defaults.
void ResetViewClick();

// The timer's view jobs step by ViewButtonCode; removed again with false.
void InstallViewButtonJobs(bool install);
