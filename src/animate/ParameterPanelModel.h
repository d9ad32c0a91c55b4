#pragma once
// The parameter panel's logic, without widgets: which parameters have a row, what the
// value and increment panels show, the steps of one or all parameters (a click, or a held
// button repeating on the timer), typed values, the change list of each step, and the
// redraw of the moving layer that follows. The window (TValueChange) shows what this holds
// and forwards its events here; macros and the file reader call the same operations.
//
// Every change of a value, an increment or the step width is refused while a macro runs.
#include <array>
#include <cstdint>
#include <string>

#include "animate/AfterImageControls.h"
#include "animate/IntervalControls.h"
#include "animate/ModelView.h"
#include "animate/ParameterPanelHost.h"
#include "animate/ParameterRows.h"
#include "animate/TimerJobs.h"
#include "platform/Extended.h"

inline constexpr uint32_t kPanelWhite = 0xFFFFFF;
inline constexpr uint32_t kPanelEditing = 0xFFFF00;
// Keyboard kind of a typed value: a signed decimal (digits, point and minus keys).
inline constexpr uint8_t kValueKeyboardKind = 9;

enum class PanelLayout : uint8_t { None, Parameters, Interval };

class ParameterPanelModel {
 public:
  // Registers the parameter steps as the actions of jobs 10 and 19 of the timer.
  explicit ParameterPanelModel(TimerJobs& timer = Timer1());
  ~ParameterPanelModel();
  ParameterPanelModel(const ParameterPanelModel&) = delete;
  ParameterPanelModel& operator=(const ParameterPanelModel&) = delete;

  // nullptr restores the no-op host; the caller keeps ownership.
  void SetHost(ParameterPanelHost* host);
  ParameterPanelHost& Host() { return *host_; }
  TimerJobs& Timer() { return timer_; }
  // The window that shows the panel (nullptr: none); the caller keeps ownership.
  void SetWindow(ModelView* window) { window_ = window; }
  // The window shows again what the panel holds.
  void Changed();
  // The window closes itself (what its close handler then decides is FormClose's); without
  // a window FormClose alone runs.
  void Close();

  // The after-image and locus controls and interval mode, hosted by the panel.
  AfterImageControls& AfterImages() { return afterImages_; }
  IntervalControls& Interval() { return interval_; }

  // --- fields of the panel ---
  // The step width item and the angle units live in the program state, where the
  // equation file saves and loads them.
  float StepWidth = 0.1f;  // 10, 1, 0.1, 0.01 or 0.001
  int StepWidthIndex() const;
  uint8_t HeldButtonCode = 0;      // direction code of the last pressed value button
  uint8_t AngleRowUnderMouse = 0;  // 0 the θ row, 1 the ω row
  // The window's top-left corner at its last show; the formula keyboard is placed by it.
  int PanelLeft = 0, PanelTop = 0;

  // --- what the window shows (texts UTF-8, colours $BBGGRR) ---
  const std::string& Caption() const { return caption_; }
  PanelLayout Layout() const { return layout_; }
  bool RowShown(int row) const { return rows_[row].shown; }
  int ShownRowCount() const;
  // The all-up and all-down buttons, shown with two rows or more.
  bool AllButtonsShown() const { return ShownRowCount() >= 2; }
  const std::string& ValueText(int row) const { return rows_[row].valueText; }
  uint32_t ValueColor(int row) const { return rows_[row].valueColor; }
  const std::string& IncrementText(int row) const { return rows_[row].incrementText; }
  uint32_t IncrementColor(int row) const { return rows_[row].incrementColor; }
  bool AngleInDegrees(int row) const;

  // --- the window's life ---
  void FormCreate();
  // Called by the navigator: after a calculus animation the graph comes back without
  // after-images; AnimationMode := 0. The window shows itself afterwards.
  void ShowParameterForm();
  // The window is being shown: the layout of the current AnimationMode.
  void FormShow();
  // The window is asked to close: false when it stays open with the parameter layout.
  bool FormClose();

  // --- layout and panels ---
  void ShowParameterRows();
  void ShowParameterValues();
  void ShowIncrements();
  // The change list rebuilt from the shown rows: mode 0 the values whose text changed,
  // mode 1 every value and the coordinates of every point entry.
  void ApplyParameterValues(int mode);

  // --- steps ---
  // Button codes: 0..13 up, 14..27 down (by ParameterRow::upCode), 28 all up, 29 all down.
  void StepOneParameter(int code);
  void StepAllParameters(int code);
  void RedrawForParameters();
  // The parameter layer repainted without drawing after-images.
  void RepaintGraphs();
  // A value button went down: one step at once, then the timer repeats it while held.
  void PressValueButton(int code);
  void ReleaseValueButton();

  // --- direct edits ---
  // A click on a value panel: the value is asked on the formula keyboard.
  void EnterValue(int row);
  void ClearValue(int row);
  void SpinIncrement(int row, bool up);
  void ClearIncrement(int row);
  void SetStepWidthIndex(int index);
  // The unit of the angle row under the mouse: degrees or multiples of π.
  void SetAngleUnit(bool degrees);

 private:
  struct RowState {
    bool shown = false;
    std::string valueText = "0.000";
    uint32_t valueColor = kPanelWhite;
    std::string incrementText = "0.000";
    uint32_t incrementColor = 0x808080;
  };

  Extended RowValue(int row) const;  // θ and ω: the display value
  void SetRowValue(int row, Extended value);
  std::string RowValueText(int row);  // also derives θ's and ω's radians
  Extended& RowIncrement(int row);
  void WriteRadians(int row);
  bool Refused() const;
  void RunStepGuarded(int code);

  TimerJobs& timer_;
  ParameterPanelHost* host_;
  ModelView* window_ = nullptr;
  AfterImageControls afterImages_{*this};
  IntervalControls interval_{*this};
  std::array<RowState, kParameterRowCount> rows_;
  std::string caption_ = "ﾊﾟﾗﾒ-ﾀ変更";
  PanelLayout layout_ = PanelLayout::None;
  bool stepping_ = false;
};

// The panel of the program; its timer is Timer1().
ParameterPanelModel& ParameterPanel();
