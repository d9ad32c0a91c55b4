#include "animate/CalculusWindowModel.h"

#include <algorithm>
#include <optional>

#include "animate/CalculusDrawing.h"
#include "animate/CalculusTexts.h"
#include "animate/IntegralPicture.h"
#include "animate/MeanRatePicture.h"
#include "animate/RiemannPicture.h"
#include "animate/RiemannSums.h"
#include "formula/AnimationState.h"
#include "formula/Records.h"
#include "formula/FormulaHost.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/ViewZoom2D.h"

namespace {

CalculusHost noHost;
CalculusWindowModel* current = nullptr;


uint8_t& StartedFlag(CalculusSet set) {
  switch (set) {
    case CalculusSet::MeanRate: return modes.MeanRateStarted;
    case CalculusSet::Riemann: return modes.RiemannStarted;
    default: return modes.IntegralStarted;
  }
}

uint8_t& TextShownFlag(CalculusSet set) {
  switch (set) {
    case CalculusSet::MeanRate: return modes.MeanRateTextShown;
    case CalculusSet::Riemann: return modes.RiemannTextShown;
    default: return modes.IntegralTextShown;
  }
}

uint8_t AnimationModeOf(CalculusSet set) {
  switch (set) {
    case CalculusSet::MeanRate: return 3;
    case CalculusSet::Riemann: return 2;
    default: return 4;
  }
}

}  // namespace

CalculusWindowModel* CurrentCalculusModel() { return current; }

CalculusWindowModel::CalculusWindowModel(CalculusSet set, TimerJobs& timer, platform::EventPump& pump)
    : set_(set), timer_(timer), pump_(pump), host_(&noHost), f_(std::make_unique<EntryFunction>()) {
  current = this;
  timer_.SetJobAction(job::CalculusInput, [this] { BoundInput(); });
  timer_.SetJobAction(job::RiemannStep, [this] { DivisionTick(); });
  timer_.SetJobAction(job::MeanRateInput, [this] { PointInput(); });
  timer_.SetJobAction(job::MeanRateStep, [this] { ApproachTick(); });
  timer_.SetJobAction(job::MeanRateMove, [this] { MoveTick(); });
  timer_.SetJobAction(job::IntegralStep, [this] { ApproachTick(); });
  // A window opened afresh shows its values on the graph; one that takes up a saved
  // animation keeps the file's choice.
  if (!StartedFlag(set_)) {
    if (set_ == CalculusSet::MeanRate) modes.MeanRateTextShown = 1;
    if (set_ == CalculusSet::Integral) modes.IntegralTextShown = 1;
  }
}

CalculusWindowModel::~CalculusWindowModel() {
  DisposeViewHistory(history_);
  if (current != this) return;  // a newer window took the jobs over
  current = nullptr;
  for (uint8_t code : {job::CalculusInput, job::RiemannStep, job::MeanRateInput, job::MeanRateStep, job::MeanRateMove,
                       job::IntegralStep})
    timer_.SetJobAction(code, nullptr);
}

void CalculusWindowModel::SetHost(CalculusHost* host) { host_ = host ? host : &noHost; }

void CalculusWindowModel::Changed() {
  if (window_) window_->ModelChanged();
}

const std::string& CalculusWindowModel::SumText(int kind) const { return anim.RiemannSumTexts[kind]; }

Extended& CalculusWindowModel::Fixed() { return set_ == CalculusSet::MeanRate ? anim.MeanRateA : anim.IntegralA; }

Extended& CalculusWindowModel::Moving() { return set_ == CalculusSet::MeanRate ? anim.MeanRateStart : anim.IntegralB; }

// ---- show and close ----

void CalculusWindowModel::SaveState() {
  doc.AxisNumberPosition = 1;
  savedView_ = doc.ViewRange;
  savedGridKind_ = doc.GridSettings.kind;
  if (doc.EntryCount >= 1) {
    savedPenWidth_ = doc.FigureTable[1].penWidth;
    doc.FigureTable[1].penWidth = 2;
  }
}

void CalculusWindowModel::RestoreState() {
  doc.ViewRange = savedView_;
  doc.GridSettings.kind = savedGridKind_;
  if (doc.EntryCount >= 1) doc.FigureTable[1].penWidth = savedPenWidth_;
}

void CalculusWindowModel::FormShow() {
  SaveState();
  modes.PreviousAnimationMode = modes.AnimationMode;
  Host().EnableGraphEditing(false);
  Host().HideParameterPanel();
  modes.AnimationMode = AnimationModeOf(set_);
  uint8_t& started = StartedFlag(set_);
  bool restored = false;
  switch (set_) {
    case CalculusSet::MeanRate: {
      NaviLabel = "Ｂ─>Ａ のアニメ－ション";
      Extended fa;
      restored = started && f_->At(anim.MeanRateA, fa);
      if (restored) {
        doc.GridSettings.kind = 0;
        CentreViewOn(anim.MeanRateA, fa);
        RedrawAll();
        timer_.JobCode = job::MeanRateStep;
      }
      break;
    }
    case CalculusSet::Riemann:
      anim.RiemannDivisions = std::clamp(anim.RiemannDivisions, 2, kMaxRiemannDivisions);
      restored = started && EvaluateInputText(anim.IntegralTexts[1], anim.IntegralA) &&
                 EvaluateInputText(anim.IntegralTexts[2], anim.IntegralB) && anim.IntegralA < anim.IntegralB;
      if (restored) {
        Lower.text = anim.IntegralTexts[1];
        Upper.text = anim.IntegralTexts[2];
        RedrawAll();
        timer_.JobCode = job::RiemannStep;
      } else {
        settings.RiemannSumKind = kSumNone;
        anim.RiemannDivisions = 2;
      }
      Divisions = rtl::IntToStr(anim.RiemannDivisions);
      break;
    case CalculusSet::Integral: {
      NaviLabel = "ｈ─>０のアニメ－ション";
      Extended fb;
      restored = started && EvaluateInputText(anim.IntegralTexts[3], anim.IntegralA) &&
                 EvaluateInputText(anim.IntegralTexts[4], anim.IntegralB) && anim.IntegralA < anim.IntegralB &&
                 f_->At(anim.IntegralB, fb);
      if (restored) {
        CentreViewOn(anim.IntegralB, fb);
        Lower.text = anim.IntegralTexts[3];
        Upper.text = anim.IntegralTexts[4];
        RedrawAll();
        timer_.JobCode = job::IntegralStep;
      }
      break;
    }
  }
  if (!restored) {
    timer_.SetInterval(kFastInterval);
    timer_.Arm(set_ == CalculusSet::MeanRate ? job::MeanRateInput : job::CalculusInput);
  }
  started = 1;
  TextShown = TextShownFlag(set_) != 0;
  Changed();
}

void CalculusWindowModel::FormClose() {
  if (closed_) return;
  closed_ = true;
  DisposeViewHistory(history_);
  modes.AfterImageOn = 0;
  timer_.SetEnabled(false);
  timer_.SetInterval(kFastInterval);
  ui.SubFormOpen = 0;
  Host().EnableGraphEditing(true);
  Host().EnableGraphWindow(true);
  RestoreState();
  Host().EnableNavigator();
  if (lastInputCancelled_) StartedFlag(set_) = 0;
  modes.AnimationMode = 6;
  doc.BackgroundDirty = 1;
  RedrawAll();
  if (doc.ParametersInUse) EngineHost().ShowParameterPanel();
  timer_.FreeAfterClose(job::FreeCalculusWindow, window_ ? window_->FreeAction() : nullptr);
}

// ---- painting ----

void CalculusWindowModel::DrawValueBox() {
  if (!TextShownFlag(set_)) return;
  gfx::Canvas* canvas = ValueBoxCanvas();
  if (!canvas) return;
  switch (set_) {
    case CalculusSet::MeanRate: DrawMeanRateValueBox(*canvas, Slope); break;
    case CalculusSet::Riemann:
      DrawRiemannValueBox(*canvas, anim.RiemannDivisions, settings.RiemannSumKind,
                          settings.RiemannSumKind ? SumText(settings.RiemannSumKind) : std::string());
      break;
    case CalculusSet::Integral: DrawIntegralValueBox(*canvas, Integral, Theorem); break;
  }
}

void CalculusWindowModel::FinishPicture() {
  if (zoomFramePending_) return;  // the zoom frame shows the picture
  RefreshGraphPicture();
  DrawValueBox();
  SaveGraphFrame();
}

void CalculusWindowModel::Repaint() { RepaintByMode(CompositeCanvas()); }

void CalculusWindowModel::ShowMeanRateTexts(Extended fa, Extended fb) {
  const Extended xa = anim.MeanRateA, xb = anim.MeanRateStart;
  Ax.text = XValueText(xa);
  Bx.text = XValueText(xb);
  Ay.text = YValueText(fa);
  By.text = YValueText(fb);
  DeltaY = YValueText(fb - fa);
  DeltaX = XValueText(xb - xa);
  Slope = QuotientText(fb - fa, xb - xa);
}

void CalculusWindowModel::PaintMeanRate(gfx::Canvas& canvas) {
  Extended fa = 0, fb = 0;
  if (PaintMeanRatePicture(canvas, *f_, anim.MeanRateA, anim.MeanRateStart, SecantColour, fa, fb))
    ShowMeanRateTexts(fa, fb);
  FinishPicture();
  Changed();
}

void CalculusWindowModel::PaintRiemannSums(gfx::Canvas& canvas) {
  anim.RiemannDivisions = std::clamp(anim.RiemannDivisions, 2, kMaxRiemannDivisions);
  Divisions = rtl::IntToStr(anim.RiemannDivisions);
  const int kind = settings.RiemannSumKind;
  Extended sum = 0;
  const bool ok = PaintRiemannPicture(canvas, *f_, kind, anim.IntegralA, anim.IntegralB, anim.RiemannDivisions, sum);
  if (kind >= 1 && kind <= kSumKinds && !DrawingToMetafile())
    anim.RiemannSumTexts[kind] = ok ? ValueText("0.0000", sum) : kNoValueText;
  FinishPicture();
  Changed();
}

void CalculusWindowModel::PaintDefiniteIntegral(gfx::Canvas& canvas) {
  IntegralValues values;
  PaintIntegralPicture(canvas, *f_, anim.IntegralA, anim.IntegralB, Theorem, values);
  Integral = IntegralTextsOf(values);
  FinishPicture();
  Changed();
}

bool CalculusWindowModel::AnimationPoint(Extended& x, Extended& y) {
  if (set_ == CalculusSet::Riemann) return false;
  x = Moving();
  return f_->At(x, y);
}

// ---- the operation panel ----

void CalculusWindowModel::TextShownClick(bool checked) {
  TextShown = checked;
  TextShownFlag(set_) = checked ? 1 : 0;
  RefreshGraphPicture();
  DrawValueBox();
  Changed();
}

void CalculusWindowModel::StartClick(bool down) {
  StartDown = down;
  if (set_ == CalculusSet::MeanRate) timer_.JobCode = job::MeanRateStep;
  if (set_ == CalculusSet::Integral) timer_.JobCode = job::IntegralStep;
  // B on A: there is no way to go, and the button comes back up at once.
  if (!down || ApproachStepIsZero()) {
    EndAnimation();
    return;
  }
  timer_.SetInterval(kFastInterval);
  Host().EnableGraphWindow(false);
  RedoEnabled = false;
  history_ = PushView(history_, Moving());
  timer_.SetEnabled(true);
  Changed();
}

void CalculusWindowModel::EndAnimation() {
  timer_.StopAutoRepeat();
  Host().EnableGraphWindow(true);
  RedoEnabled = history_ != nullptr;
  StartDown = false;
  Changed();
}

void CalculusWindowModel::RedoClick() {
  if (!history_) return;
  doc.ViewRange = history_->range;
  Moving() = history_->value;
  if (set_ == CalculusSet::Integral) {
    Upper.text = ValueText("0.000", anim.IntegralB);
    anim.IntegralTexts[4] = Upper.text;
  }
  TViewHistoryNode* older = history_->prev;
  history_->prev = nullptr;
  DisposeViewHistory(history_);
  history_ = older;
  RedoEnabled = history_ != nullptr;
  RedrawAll();
  Changed();
}

void CalculusWindowModel::LineColourClick() {
  const std::optional<int32_t> chosen = Host().ChooseColor(static_cast<int32_t>(SecantColour));
  if (!chosen || closed_) return;
  SecantColour = static_cast<gfx::Color>(*chosen);
  Repaint();
}

void CalculusWindowModel::SumClick(int kind) {
  if (kind < kSumNone || kind > kSumKinds) return;
  settings.RiemannSumKind = static_cast<uint8_t>(kind);
  Repaint();
}

void CalculusWindowModel::TheoremClick(bool checked) {
  Theorem = checked;
  if (!checked) EndAnimation();
  Repaint();
}
