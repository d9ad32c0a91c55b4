// The calculus window's timer steps: the moving points, the division count, and the
// approach of B to A (or of b to a) with its automatic enlargement and zoom frame.
#include <cmath>

#include "animate/ApproachStep.h"
#include "animate/CalculusDrawing.h"
#include "animate/CalculusTexts.h"
#include "animate/CalculusWindowModel.h"
#include "animate/RiemannSums.h"
#include "formula/AnimationState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/ViewZoom2D.h"

namespace {

constexpr int kZoomFrameSteps = 26;
constexpr int kZoomFramePause = 50;
constexpr int kEnlargedPause = 100;
constexpr gfx::Color kZoomFrameColour = 0x00FFFF;
// A or B moves by a twentieth of the x tick step.
constexpr int kMovesPerTick = 20;
constexpr const char* kDivisionLimitMessage = "分割数は 10000 までです。";

}  // namespace

// ---- points A and B ----

void CalculusWindowModel::MovePoint(uint8_t code) {
  const bool a = code == kMoveARight || code == kMoveALeft;
  Extended& x = a ? anim.MeanRateA : anim.MeanRateStart;
  PointMoves& moves = pointMoves_[a ? 0 : 1];
  // Put anywhere else meanwhile (typed, approached, restored), the point counts afresh.
  if (x != moves.at || eng.XTickStep != moves.tick) moves = {x, x, eng.XTickStep, 0};
  moves.count += code == kMoveARight || code == kMoveBRight ? 1 : -1;
  // From where it was put, not by adding rounded widths: twenty moves of 0.05 from 0 land
  // on 1 itself.
  x = moves.origin + moves.count * moves.tick / kMovesPerTick;
  moves.at = x;
  Repaint();
}

void CalculusWindowModel::MoveClick(uint8_t code) { MovePoint(code); }

void CalculusWindowModel::MoveDown(uint8_t code) {
  moveCode_ = code;
  timer_.AutoRepeatCount = 0;
  timer_.Arm(job::MeanRateMove);
}

void CalculusWindowModel::MoveUp() { timer_.StopAutoRepeat(); }

void CalculusWindowModel::MoveTick() { MovePoint(moveCode_); }

// ---- the division count ----

void CalculusWindowModel::StepDivisionsOnce(bool increase) {
  const std::optional<int32_t> n = StepDivisions(anim.RiemannDivisions, increase);
  if (!n) {
    EndAnimation();
    Host().ShowMessage(kDivisionLimitMessage);
    return;
  }
  anim.RiemannDivisions = *n;
  Repaint();
}

void CalculusWindowModel::DivisionClick(bool increase) { StepDivisionsOnce(increase); }

void CalculusWindowModel::DivisionDown(bool increase) {
  increasing_ = increase;
  timer_.Arm(job::RiemannStep);
}

void CalculusWindowModel::DivisionUp() { timer_.StopAutoRepeat(); }

void CalculusWindowModel::DecreaseHover() {
  if (StartDown)
    EndAnimation();
  else
    timer_.SetEnabled(false);
}

void CalculusWindowModel::DivisionTick() { StepDivisionsOnce(increasing_); }

// ---- B -> A and h -> 0 ----

void CalculusWindowModel::ShowUpperBound(Extended b) {
  Upper.text = XValueText(b);
  anim.IntegralTexts[4] = Upper.text;
}

bool CalculusWindowModel::ApproachStepIsZero() { return ApproachStepOf(Fixed(), Moving()) == 0; }

void CalculusWindowModel::ApproachTick() {
  const Extended p = Fixed();
  Extended q = Moving();
  if (ApproachStepIsZero()) {
    EndAnimation();
    return;
  }
  const TViewRange& v = doc.ViewRange;
  if (AutoLarge && ApproachWantsEnlargement(v.XMax - v.XMin, p, q)) {
    timer_.SetEnabled(false);
    const bool last = std::fabs(q - p) < kApproachStopDistance;
    // About the fixed point, which keeps its place in the view; about the moving one,
    // both would drift out of sight within a few enlargements.
    if (Enlarge(p)) {
      if (last) {
        EndAnimation();
        return;
      }
      pump_.sleep(kEnlargedPause);
      if (!closed_ && StartDown) timer_.SetEnabled(true);
      return;
    }
    if (closed_ || !StartDown) return;
    // The view could not be enlarged: the point moves on instead.
    timer_.SetEnabled(true);
  }
  const ApproachResult result = ApproachStep(p, q);
  Moving() = q;
  if (set_ == CalculusSet::Integral) ShowUpperBound(q);
  Repaint();
  if (result == ApproachResult::Ended) EndAnimation();
}

bool CalculusWindowModel::Enlarge(Extended x) {
  Extended y;
  if (!f_->At(x, y) || !ZoomAboutPoint(kZoomIn4, x, y)) return false;
  zoomFramePending_ = true;
  RedrawAll();
  zoomFramePending_ = false;
  return ZoomFrame();
}

bool CalculusWindowModel::ZoomFrame() {
  const int w = doc.GraphWidth, h = doc.GraphHeight;
  for (int i = 1; i <= kZoomFrameSteps; ++i) {
    if (gfx::Canvas* picture = render.WindowImage) {
      const int half = w * 4 * i / 200;
      const gfx::Rect r{w / 2 - half, -10, w / 2 + half, h + 10};
      picture->CopyRect(r, CompositeCanvas(), r, gfx::CopyMode::Copy);
      picture->pen = {kZoomFrameColour, 3};
      picture->brush.style = gfx::BrushStyle::Clear;
      picture->Rectangle(r.left, r.top, r.right, r.bottom);
      DrawValueBox();
      Host().PresentGraphPicture();
    }
    pump_.pumpMessages();
    // The window may have been closed, or the animation stopped, meanwhile.
    if (closed_ || !StartDown) return false;
    pump_.sleep(kZoomFramePause);
  }
  RefreshGraphPicture();
  DrawValueBox();
  SaveGraphFrame();
  return true;
}
