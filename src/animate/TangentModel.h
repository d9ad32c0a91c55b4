#pragma once
// The tangent animation without widgets: P moves along y = f(x) (entry 1) in steps of dx,
// by single clicks, while a button is held or on its own on the timer (job 14); the
// tangent at P, the slope point (x, f'(x)) and optionally the graph of f' are drawn over
// the background. Where f' changes sign P stops on the stationary point, shows the slope
// 0 and pauses one second. The window (Tdtangent) shows what this holds and forwards its
// events here; the redraw pipeline paints mode 5 through PaintTangent.
//
// Drawing P lets pending events run, so the window may close in the middle of a step; the
// step then ends without touching what the close released.
#include <cstdint>
#include <optional>
#include <string>

#include "animate/CalculusHost.h"
#include "animate/CalculusTexts.h"
#include "animate/ModelView.h"
#include "animate/TangentMath.h"
#include "animate/TimerJobs.h"
#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "platform/EventPump.h"

inline constexpr uint32_t kTangentPanelWhite = 0xFFFFFF;
inline constexpr uint32_t kTangentPanelEditing = 0xFFFF00;
// Keyboard kind of P's x: a number.
inline constexpr uint8_t kTangentKeyboardKind = 7;
// The pause at a stationary point.
inline constexpr int kStationaryPauseMs = 1000;

enum class TangentMove : uint8_t { Stopped, Left, Right };

class TangentModel {
 public:
  // Registers StepPoint as the action of job 14; the newest model paints animation mode 5
  // (CurrentTangentModel).
  explicit TangentModel(TimerJobs& timer = Timer1());
  ~TangentModel();
  TangentModel(const TangentModel&) = delete;
  TangentModel& operator=(const TangentModel&) = delete;

  // nullptr restores the no-op host; the caller keeps ownership.
  void SetHost(CalculusHost* host);
  CalculusHost& Host() { return *host_; }
  // What runs pending events and sleeps while P is drawn; nullptr neither pumps nor sleeps.
  void SetPump(platform::EventPump* pump) { pump_ = pump; }
  TimerJobs& Timer() { return timer_; }
  // The window shown while it is open (nullptr: none); told of every change of what it
  // shows. The caller keeps ownership.
  void SetWindow(ModelView* window) { window_ = window; }
  // A window that goes leaves no view behind (another may have taken its place).
  void DropWindow(const ModelView* window) {
    if (window_ == window) window_ = nullptr;
  }

  // --- the window's life ---
  // Before the window is made: after-images off, AnimationMode 5, the parameter panel
  // closed, the graph's drag-shift button disabled.
  void OpenTangentNavi();
  // The window is shown: P placed at the start of its range and drawn. `resumeSavedPoint`
  // (a file saved during the animation is being loaded) puts P back where the file left it
  // when the file kept that place (it does with the graph of the rate) and it lies in the
  // range.
  void FormShow(bool resumeSavedPoint = false);
  // The window closes: trees released, the graph and the parameter panel back,
  // AnimationMode 6, the graph redrawn. Freeing the window is the window's.
  void FormClose();
  bool TangentNaviOpen() const { return open_; }

  // --- the buttons ---
  // Aleft (-1) and Aright (+1): P moves on its own.
  void mpButtonclick(int direction);
  // Pleft (-1) and Pright (+1): one step.
  void PmoveClick(int direction);
  // A P button held: it repeats on the timer after a first delay, until released.
  void PMouseDown(int direction);
  void PMouseUp();
  void StopClick();
  void zancheckClick(bool checked);
  void sesstexthyoujiClick(bool checked);
  // 0 the tangent's colour (linecolor), 1 the rate's (difcolor), through the colour dialog.
  void colorClick(int which);
  // Pxvalue: x asked on the keyboard placed with its top and right edge there, again
  // until f is defined at it.
  void psescoodinateClick(int keyboardTop, int keyboardRight);

  // --- the timer and the redraw pipeline ---
  void StepPoint();  // job 14
  void PaintTangent(gfx::Canvas& canvas);

  // --- what the window shows (texts ASCII, colours $BBGGRR) ---
  const std::string& XText() const { return xText_; }
  const std::string& YText() const { return yText_; }
  const std::string& SlopeText() const { return slopeText_; }
  uint32_t XPanelColor() const { return xPanelColor_; }
  TangentMove Move() const { return move_; }
  // The movement buttons work while P has a stretch of the view to move along.
  bool MovesEnabled() const { return range_.found; }

  // --- state ---
  const TangentPoint& Point() const { return point_; }
  Extended Slope() const { return slope_; }
  Extended StepWidth() const { return dx_; }
  const TangentRange& Range() const { return range_; }

 private:
  void BuildTrees();
  void ReleaseTrees();
  void ComputeRange(Tfrec* f, Tfrec* df);
  // P placed at xP: the point evaluated, the previous one the same.
  void PlacePoint();
  void UpdatePoint();
  // Draws P when it is defined and lets events run; false when the window closed meanwhile.
  bool DrawPoint();
  bool UpdateAndDraw();
  void DrawValueBox();
  void ShowValues();
  void ShowNoValues();
  // The slope shown at P; none where f' is undefined.
  std::optional<Extended> ShownSlope() const;
  void Stop();
  void StartMoving(int direction, int firstInterval);
  bool Alive(uint64_t session) const { return open_ && session_ == session; }
  void Changed();

  TimerJobs& timer_;
  CalculusHost* host_;
  platform::EventPump* pump_ = nullptr;
  ModelView* window_ = nullptr;

  bool open_ = false;
  // Counts opens and closes: a step that let events run sees whether it is still in the
  // same showing of the window.
  uint64_t session_ = 0;
  TreePtr f_, df_;
  Extended xP_ = 0;  // where the steps have got to; P itself is point_
  TangentPoint point_, previous_;
  Extended slope_ = 0, previousSlope_ = 0;
  // The last drawing showed the slope 0: P has arrived at its stationary point already.
  bool zeroShown_ = true;
  Extended dx_ = 0, step_ = 0;
  TangentRange range_;
  TangentMove move_ = TangentMove::Stopped;
  std::string xText_ = kNoValueText, yText_ = kNoValueText, slopeText_ = kNoValueText;
  uint32_t xPanelColor_ = kTangentPanelWhite;
};

// The animation of the program; its timer is Timer1().
TangentModel& Tangent();
// The newest model while one exists.
TangentModel* CurrentTangentModel();
