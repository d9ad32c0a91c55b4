// The calculus window's questions: the points A and B, the bounds a and b.
#include <functional>
#include <string>

#include "animate/CalculusDrawing.h"
#include "animate/CalculusTexts.h"
#include "animate/CalculusWindowModel.h"
#include "formula/AnimationState.h"
#include "render/DrawToolkit.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/ViewZoom2D.h"

namespace {

// Where the keyboard goes, from the window's top and right edge.
constexpr int kPointKeyboardTop = 120, kPointKeyboardRight = 92;
constexpr int kBoundKeyboardTop = 90, kBoundKeyboardRight = 60;

}  // namespace

bool CalculusWindowModel::AskValue(Panel& panel, const char* caption, int top, int right,
                                   const std::function<bool(Extended)>& accepts, Extended& x, Extended& y) {
  panel.colour = kValuePanelAsking;
  Changed();
  std::string text = panel.text;
  for (;;) {
    const bool answered = Host().AskText(caption, kCalculusKeyboardKind, text, top, right);
    if (closed_) return false;
    if (answered && !(EvaluateInputText(text, x) && f_->At(x, y) && (!accepts || accepts(x)))) continue;
    panel.colour = kValuePanelWhite;
    if (answered) panel.text = text;
    Changed();
    return answered;
  }
}

bool CalculusWindowModel::AskPoint(bool b) {
  Panel& panel = b ? Bx : Ax;
  Extended x = 0, y = 0;
  if (!AskValue(panel, b ? "点Ｂのｘ座標の入力" : "点Ａのｘ座標の入力", Top + kPointKeyboardTop,
                Right - kPointKeyboardRight, nullptr, x, y))
    return false;
  (b ? anim.MeanRateStart : anim.MeanRateA) = x;
  panel.text = XValueText(x);
  (b ? By : Ay).text = YValueText(y);
  if (!b) {
    CentreViewOn(x, y);
    PrepareRedraw();
    RedrawToBackBitmap();
  }
  DrawNamedPoint(CompositeCanvas(), x, y, KindDefaultColor(b ? 2 : 1, gfx::kBlack),
                 doc.EntryCount >= 1 ? doc.FigureTable[1].penWidth + 2 : 4, b ? "B" : "A");
  RefreshGraphPicture();
  Changed();
  return true;
}

void CalculusWindowModel::PointInput() {
  timer_.SetEnabled(false);
  const std::string oldA = Ax.text, oldB = Bx.text;
  lastInputCancelled_ = false;
  if (!AskPoint(false) || !AskPoint(true)) {
    if (closed_) return;
    Ax.text = oldA;
    Bx.text = oldB;
    lastInputCancelled_ = true;
    if (window_) window_->CloseWindow();
    return;
  }
  doc.GridSettings.kind = 0;
  RedrawAll();
  timer_.JobCode = job::MeanRateStep;
  timer_.SetInterval(kReleasedInterval);
}

void CalculusWindowModel::AskPointClick(bool b) {
  if (StartDown) EndAnimation();
  timer_.SetEnabled(false);
  if (AskPoint(b)) RedrawAll();
}

bool CalculusWindowModel::AskBound(bool upper, bool keepOrder) {
  Panel& panel = upper ? Upper : Lower;
  Extended x = 0, y = 0;
  const auto inOrder = [upper](Extended v) { return upper ? anim.IntegralA < v : v < anim.IntegralB; };
  if (!AskValue(panel, upper ? "区間の上限" : "区間の下限", Top + kBoundKeyboardTop, Right - kBoundKeyboardRight,
                keepOrder ? std::function<bool(Extended)>(inOrder) : nullptr, x, y))
    return false;
  anim.IntegralTexts[LowerTextIndex() + (upper ? 1 : 0)] = panel.text;
  (upper ? anim.IntegralB : anim.IntegralA) = x;
  if (set_ == CalculusSet::Integral && !upper) {
    CentreViewOn(x, y);
    PrepareRedraw();
    RedrawToBackBitmap();
  }
  DrawBoundLine(CompositeCanvas(), x, y);
  RefreshGraphPicture();
  Changed();
  return true;
}

void CalculusWindowModel::BoundInput() {
  timer_.SetEnabled(false);
  timer_.SetInterval(kFastInterval);
  timer_.JobCode = set_ == CalculusSet::Riemann ? job::RiemannStep : job::IntegralStep;
  const std::string oldLower = Lower.text;
  const std::string oldLowerText = anim.IntegralTexts[LowerTextIndex()];
  lastInputCancelled_ = false;
  if (!AskBound(false, false) || !AskBound(true, true)) {
    if (closed_) return;
    Lower.text = oldLower;
    anim.IntegralTexts[LowerTextIndex()] = oldLowerText;
    lastInputCancelled_ = true;
    if (window_) window_->CloseWindow();
    return;
  }
  timer_.SetInterval(kReleasedInterval);
  RedrawAll();
}

void CalculusWindowModel::AskBoundClick(bool upper) {
  if (StartDown) EndAnimation();
  timer_.SetEnabled(false);
  if (AskBound(upper, true)) RedrawAll();
}
