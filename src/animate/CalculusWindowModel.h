#pragma once
// The logic of the calculus window (Tintegnavi), without widgets. One window serves three
// animations on the first explicit function f of the document:
//   set 0  the mean rate of change between A and B, with B moving towards A;
//   set 1  the seven Riemann sums of f over [a, b] cut into n pieces;
//   set 2  the definite integral over [a, b], with b moving towards a (h -> 0) and the
//          fundamental theorem's maximum, minimum and mean value.
// It asks its points and bounds on the formula keyboard, runs its steps on the program's
// timer (jobs 5, 6, 11, 12, 13, 16), paints through the redraw pipeline (animation modes
// 2, 3, 4) and keeps a history of the views its animations left. The window (Tintegnavi)
// shows what this holds and forwards its events here.
//
// Closing the window while one of its own steps waits (in the zoom frame's pauses, or a
// question on the keyboard) leaves that step to return without touching anything; the
// function's tree goes with this object, which is freed once no nested loop is open.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "animate/CalculusHost.h"
#include "animate/DefiniteIntegral.h"
#include "animate/EntryFunction.h"
#include "animate/ModelView.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/Canvas.h"
#include "platform/EventPump.h"

struct TViewHistoryNode;

enum class CalculusSet : uint8_t { MeanRate = 0, Riemann = 1, Integral = 2 };

// The move codes of the point buttons.
enum : uint8_t { kMoveARight = 0, kMoveBRight = 1, kMoveALeft = 14, kMoveBLeft = 15 };

inline constexpr uint32_t kValuePanelWhite = 0xFFFFFF;
inline constexpr uint32_t kValuePanelAsking = 0xFFFF00;
inline constexpr gfx::Color kDefaultSecantColour = 0x0265F9;
// Keyboard of the points and bounds: digits, point, minus.
inline constexpr uint8_t kCalculusKeyboardKind = 7;

class CalculusWindowModel {
 public:
  // FormCreate. The pump lets the window's events through in the zoom frame's pauses.
  CalculusWindowModel(CalculusSet set, TimerJobs& timer, platform::EventPump& pump);
  ~CalculusWindowModel();
  CalculusWindowModel(const CalculusWindowModel&) = delete;
  CalculusWindowModel& operator=(const CalculusWindowModel&) = delete;

  // nullptr restores the no-op host; the caller keeps ownership.
  void SetHost(CalculusHost* host);
  // The window (nullptr: none): told of every change of what it shows, closes itself on a
  // cancelled first question (its close handler calls FormClose), and gives the action
  // that frees it (and this) once the close handler has returned. The caller keeps
  // ownership.
  void SetWindow(ModelView* window) { window_ = window; }

  CalculusSet Set() const { return set_; }
  // The window's top and right edge on the screen: the keyboard is placed by them.
  int Top = 0, Right = 0;

  void FormShow();
  void FormClose();
  bool Closed() const { return closed_; }

  // ---- what the window shows (texts CP932, colours $BBGGRR) ----
  struct Panel {
    std::string text;
    uint32_t colour = kValuePanelWhite;
  };
  // Set 0: x and f(x) of A and B, their differences and the mean rate.
  Panel Ax, Ay, Bx, By;
  std::string DeltaX, DeltaY, Slope;
  gfx::Color SecantColour = kDefaultSecantColour;
  // Sets 1 and 2: the bounds as typed (or b as it moves).
  Panel Lower, Upper;
  // Set 1: the division count and the texts of the seven sums by kind (1..7).
  std::string Divisions;
  const std::string& SumText(int kind) const;
  // Set 2: S, h, S / h, the maximum and the minimum.
  IntegralTexts Integral;
  bool Theorem = false;
  // The operation panel.
  std::string NaviLabel;
  bool StartDown = false;
  bool RedoEnabled = false;
  bool AutoLarge = false;
  bool TextShown = false;

  // ---- events ----
  // Axvalue / Bxvalue: that point asked again.
  void AskPointClick(bool b);
  // The point buttons: a click moves once; held, the point moves on the timer.
  void MoveClick(uint8_t code);
  void MoveDown(uint8_t code);
  void MoveUp();
  void LineColourClick();
  // integmin / integmax, intega / integb: that bound asked again.
  void AskBoundClick(bool upper);
  // The seven sum buttons (RiemannSumKind).
  void SumClick(int kind);
  void DivisionClick(bool increase);
  void DivisionDown(bool increase);
  void DivisionUp();
  // The mouse over the decrease button stops the repeat.
  void DecreaseHover();
  void TheoremClick(bool checked);
  void StartClick(bool down);
  void RedoClick();
  void AutoLargeClick(bool checked) { AutoLarge = checked; }
  void TextShownClick(bool checked);

  // ---- the painters of animation modes 3, 2 and 4 (the redraw pipeline calls them) ----
  void PaintMeanRate(gfx::Canvas& canvas);
  void PaintRiemannSums(gfx::Canvas& canvas);
  void PaintDefiniteIntegral(gfx::Canvas& canvas);
  // The point the zoom buttons zoom about: B, or b on the curve.
  bool AnimationPoint(Extended& x, Extended& y);

  // ---- timer jobs (public for the window's tests) ----
  void PointInput();    // 11
  void BoundInput();    // 5
  void ApproachTick();  // 12, 16
  void MoveTick();      // 13
  void DivisionTick();  // 6

 private:
  void Changed();
  CalculusHost& Host() { return *host_; }
  // Inputs (CalculusWindowInput.cpp). AskValue asks with the panel highlighted until the
  // answer has a value where f is defined that `accepts` takes (any, when empty); the
  // panel keeps the text. False when cancelled, or when the window closed meanwhile.
  bool AskValue(Panel& panel, const char* caption, int top, int right, const std::function<bool(Extended)>& accepts,
                Extended& x, Extended& y);
  bool AskPoint(bool b);
  bool AskBound(bool upper, bool keepOrder);
  void ShowMeanRateTexts(Extended fa, Extended fb);
  // Animation (CalculusWindowAnimation.cpp).
  void MovePoint(uint8_t code);
  void StepDivisionsOnce(bool increase);
  void EndAnimation();
  // The approach has no step: the moving point is on the fixed one.
  bool ApproachStepIsZero();
  // Zooms in about the point (x, f(x)) and shows the new view through the zoom frame;
  // false when the window closed or the animation was stopped meanwhile.
  bool Enlarge(Extended x);
  bool ZoomFrame();
  // The value box of the set over the window's picture (or on the print picture).
  void DrawValueBox();
  // The composite onto the window's picture, the value box, the serial frame.
  void FinishPicture();
  // The moving layer painted anew over the unchanged back layer.
  void Repaint();
  void ShowUpperBound(Extended b);
  void SaveState();
  void RestoreState();
  // The bound texts of the set in anim.IntegralTexts: 1, 2 or 3, 4.
  int LowerTextIndex() const { return set_ == CalculusSet::Riemann ? 1 : 3; }
  Extended& Moving();
  Extended& Fixed();

  CalculusSet set_;
  TimerJobs& timer_;
  platform::EventPump& pump_;
  CalculusHost* host_;
  ModelView* window_ = nullptr;
  std::unique_ptr<EntryFunction> f_;
  TViewHistoryNode* history_ = nullptr;
  bool closed_ = false;
  bool lastInputCancelled_ = false;
  bool zoomFramePending_ = false;
  uint8_t moveCode_ = kMoveARight;
  // Where A and B were put and how many moves they made since, on which tick step.
  struct PointMoves {
    Extended origin = 0, at = 0, tick = 0;
    int64_t count = 0;
  };
  PointMoves pointMoves_[2];
  bool increasing_ = true;
  // Saved at show, given back at close.
  TViewRange savedView_;
  uint8_t savedGridKind_ = 1;
  uint8_t savedPenWidth_ = 2;
};

// The window's model while one exists (the newest, when a closed one waits to be freed).
CalculusWindowModel* CurrentCalculusModel();
