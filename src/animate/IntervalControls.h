#pragma once
// Interval mode, the parameter panel's second layout: the bounds of an interval of x typed
// on the formula keyboard (formulas allowed) and moved step by step, the switches for the
// maximum and minimum and their value box, the colour and style of the shading, and the
// refresh of the interval's picture on the graph window. The window shows what this holds.
#include <cstdint>
#include <string>

#include "platform/Canvas.h"
#include "platform/Extended.h"

class ParameterPanelModel;

// Keyboard kind of a bound: a formula without x and y.
inline constexpr uint8_t kIntervalBoundKeyboardKind = 10;

// The step buttons and the held one (IntervalButtonKind).
enum IntervalButton : uint8_t {
  kLowerMinus = 0,
  kLowerPlus = 1,
  kUpperMinus = 2,
  kUpperPlus = 3,
  kMoveLeft = 4,
  kMoveRight = 5,
};

class IntervalControls {
 public:
  // Registers the bound entry and the held step as the actions of jobs 3 and 4.
  explicit IntervalControls(ParameterPanelModel& panel);
  ~IntervalControls();
  IntervalControls(const IntervalControls&) = delete;
  IntervalControls& operator=(const IntervalControls&) = delete;

  // --- what the window shows (texts UTF-8, colours $BBGGRR) ---
  Extended Lower() const { return lower_; }
  Extended Upper() const { return upper_; }
  const std::string& LowerPanelText() const { return lowerPanel_; }
  const std::string& UpperPanelText() const { return upperPanel_; }
  uint32_t LowerPanelColor() const { return lowerColor_; }
  uint32_t UpperPanelColor() const { return upperColor_; }
  // "＜" instead of "≦" at that end; shown only.
  bool LowerStrict() const { return lowerStrict_; }
  bool UpperStrict() const { return upperStrict_; }
  // MaxMIn and texthyouji are enabled with an explicit function; texthyouji is visible
  // while the maximum and minimum are shown.
  static bool MaxMinEnabled();
  static bool MaxMinShown();
  static bool TextBoxShown();

  // --- the layout ---
  // Panels "0.000", both signs "≦".
  void ResetControls();
  // The bound panels as the formula side resets them.
  void SetBoundPanels(const std::string& lower, const std::string& upper);
  // At every show: a bound that uses a parameter keeps interval mode on and gives that
  // parameter a row.
  bool IntervalUsesParameter();
  // The interval layout shown: an interval already set is drawn; otherwise its bounds are
  // asked on the next tick (job 3).
  void ShowIntervalLayout();

  // --- the bounds ---
  // Job 3: lower, then upper bound. Both given: drawn, and held buttons may repeat (job
  // 4). Either cancelled: interval mode ends and the panel closes.
  void AskBounds();
  // A click on a bound panel: that bound asked again, the interval drawn.
  void BoundPanelClick(bool upper);

  // --- the step buttons ---
  // A click steps once; with bounds that use a parameter the parameter layout comes
  // instead, where the parameter's row moves the interval.
  void StepButtonClick(IntervalButton kind);
  // Held down: the step repeats on the timer until the button is released.
  void StepButtonDown(IntervalButton kind);
  void StepButtonUp();
  // One step of StepWidth; the bounds never meet or cross, and both are written with the
  // pattern "0.000" (a bound typed as a formula becomes a number).
  void Step(IntervalButton kind);

  // --- the other controls ---
  void ToggleSign(bool upper);
  void SetMaxMinShown(bool shown);
  void SetTextShown(bool shown);
  // The colour and style selector: pressed at (x, y), then released there: the swatch
  // asks for a colour, the style buttons set the style; any hit draws the interval again.
  void SelectorDown(int x, int y);
  void SelectorUp(int x, int y);
  // "区間解除": interval mode ends, the graph is redrawn and the panel closes.
  void ReleaseInterval();

  // --- the picture ---
  // Both bounds evaluated, swapped (texts and panels too) when the lower exceeds the upper.
  void EvaluateBounds();
  // The bounds evaluated and the interval drawn on the graph window's picture (or on the
  // print picture while it is recorded).
  void DrawInterval();
  // DrawInterval, then the graph window saves its serial frame unless printing.
  void RefreshInterval();

 private:
  bool AskBound(bool upper);
  bool SwitchedToParameters();
  void WriteBoundsAsNumbers();

  ParameterPanelModel& panel_;
  Extended lower_ = 0, upper_ = 0;
  std::string lowerPanel_ = "0.000", upperPanel_ = "0.000";
  uint32_t lowerColor_ = 0xFFFFFF, upperColor_ = 0xFFFFFF;
  bool lowerStrict_ = false, upperStrict_ = false;
  uint8_t buttonKind_ = kLowerMinus;
};
