#pragma once
// The view buttons of the graph window's tool strip: a click makes one step; a held button
// repeats its step on the timer (job 7 in the plane, 8 in space) until it is released. In
// the plane the steps pan and zoom the view; in space they turn the viewpoint, scale the
// range, move the camera and change the shading.
#include <cstdint>

class TimerJobs;

// Codes of the buttons: gleft 0, gright 1, gup 2, gdown 3, gsmall 4, glarge 5, xlarge 9,
// xsmall 10, ylarge 11, ysmall 12, Rightup 13, rightdown 14, nearBT 15, farBT 16.
// One step of a button (the macros call it too), then a redraw.
void ViewButtonStep(int code);
// "O": the standard view; "1:1": both axes at the same unit length.
void origiClick();
void hiritu1Click();

class GraphViewButtons {
 public:
  // Registers the held button's step as the action of the timer's jobs 7 and 8.
  explicit GraphViewButtons(TimerJobs& timer);
  ~GraphViewButtons();
  GraphViewButtons(const GraphViewButtons&) = delete;
  GraphViewButtons& operator=(const GraphViewButtons&) = delete;

  // The mouse went down on the button: the timer repeats its step while it is held.
  void Press(int code);
  // The click that follows the release: one step at once, the repeat off.
  void Click(int code);
  // The mouse went up: the next tick returns the timer to its former job.
  void Release();

  std::uint8_t ViewButtonCode = 0;

 private:
  TimerJobs& timer_;
};
