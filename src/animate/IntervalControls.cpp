#include "animate/IntervalControls.h"

#include <utility>

#include "animate/IntervalDrawing.h"
#include "animate/ParameterPanelModel.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/TableServices.h"
#include "formula/TreeOps.h"
#include "formula/UsageScan.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"

namespace {

const char* const kZeroPanel = "0.000";

// The value of a bound; a text that cannot be evaluated gives the evaluator's value.
Extended EvaluateBound(const std::string& text) {
  const TVariableValues& v = doc.VariableValues;
  eng.EvalOK = 1;
  return EvaluateText(text, v.X, v.Y, v.Z);
}

bool UsesParameter(const std::string& text) {
  if (text.empty()) return false;
  const TreePtr tree = ParseExpression(text, 2);
  bool uses = false;
  for (const ParameterRow& row : kParameterRows) uses = uses || TreeUsesSymbol(tree.get(), row.nodeCode);
  return uses;
}

}  // namespace

IntervalControls::IntervalControls(ParameterPanelModel& panel) : panel_(panel) {
  panel_.Timer().SetJobAction(job::IntervalEntry, [this] { AskBounds(); });
  panel_.Timer().SetJobAction(job::IntervalStep, [this] { Step(static_cast<IntervalButton>(buttonKind_)); });
}

IntervalControls::~IntervalControls() {
  panel_.Timer().SetJobAction(job::IntervalEntry, nullptr);
  panel_.Timer().SetJobAction(job::IntervalStep, nullptr);
}

bool IntervalControls::MaxMinEnabled() { return HasExplicitFunction(); }
bool IntervalControls::MaxMinShown() { return modes.IntervalMaxMinShown != 0; }
bool IntervalControls::TextBoxShown() { return doc.IntervalTextShown != 0; }

// --- the layout ---

void IntervalControls::ResetControls() {
  lowerStrict_ = upperStrict_ = false;
  lowerColor_ = upperColor_ = kPanelWhite;
  SetBoundPanels(kZeroPanel, kZeroPanel);
}

void IntervalControls::SetBoundPanels(const std::string& lower, const std::string& upper) {
  lowerPanel_ = lower;
  upperPanel_ = upper;
  panel_.Changed();
}

bool IntervalControls::IntervalUsesParameter() {
  if (!UsesParameter(doc.IntervalLowerText) && !UsesParameter(doc.IntervalUpperText)) return false;
  doc.IntervalMode = 1;
  ClearUsageFlags();
  RecomputeParameterUsage();
  return true;
}

void IntervalControls::ShowIntervalLayout() {
  if (doc.IntervalMode) {
    SetBoundPanels(sjis::ToUtf8(doc.IntervalLowerText), sjis::ToUtf8(doc.IntervalUpperText));
    RefreshInterval();
  } else {
    TimerJobs& timer = panel_.Timer();
    timer.SetInterval(kFastInterval);
    timer.Arm(job::IntervalEntry);
    doc.IntervalMode = 1;
  }
}

// --- the bounds ---

bool IntervalControls::AskBound(bool upper) {
  std::string& text = upper ? doc.IntervalUpperText : doc.IntervalLowerText;
  uint32_t& colour = upper ? upperColor_ : lowerColor_;
  colour = kPanelEditing;
  panel_.Changed();
  std::string answer = text;
  const bool given = panel_.Host().AskText(upper ? "区間の上限" : "区間の下限", kIntervalBoundKeyboardKind, answer,
                                            panel_.PanelTop, panel_.PanelLeft);
  if (given) {
    text = answer;
    (upper ? upperPanel_ : lowerPanel_) = sjis::ToUtf8(answer);
    (upper ? upper_ : lower_) = EvaluateBound(answer);
  }
  colour = kPanelWhite;
  panel_.Changed();
  return given;
}

void IntervalControls::AskBounds() {
  TimerJobs& timer = panel_.Timer();
  timer.JobCode = job::Idle;
  if (AskBound(false) && AskBound(true)) {
    RefreshInterval();
    // Only a held step button repeats; quick answers leave the timer still running.
    timer.SetEnabled(false);
    timer.SetInterval(kReleasedInterval);
    timer.JobCode = job::IntervalStep;
    return;
  }
  ResetParameterInterval();
  SetBoundPanels(kZeroPanel, kZeroPanel);
  panel_.Close();
}

void IntervalControls::BoundPanelClick(bool upper) {
  if (AskBound(upper)) RefreshInterval();
}

// --- the step buttons ---

bool IntervalControls::SwitchedToParameters() {
  if (!IntervalUsesParameter()) return false;
  modes.AnimationMode = 0;
  panel_.ShowParameterRows();
  return true;
}

void IntervalControls::StepButtonClick(IntervalButton kind) {
  if (!SwitchedToParameters()) Step(kind);
}

void IntervalControls::StepButtonDown(IntervalButton kind) {
  if (SwitchedToParameters()) return;
  buttonKind_ = kind;
  TimerJobs& timer = panel_.Timer();
  timer.AutoRepeatCount = 0;
  timer.SetInterval(kReleasedInterval);
  timer.Arm(job::IntervalStep);
}

void IntervalControls::StepButtonUp() { panel_.Timer().StopAutoRepeat(); }

void IntervalControls::Step(IntervalButton kind) {
  EvaluateBounds();
  const Extended w = panel_.StepWidth;
  Extended lower = lower_, upper = upper_;
  // The bounds are kept on the grid of their texts ("0.000"); there they may not meet.
  switch (kind) {
    case kLowerMinus: lower -= w; break;
    case kLowerPlus:
      if (RoundTo3Decimals(lower + w) < RoundTo3Decimals(upper)) lower += w;
      break;
    case kUpperMinus:
      if (RoundTo3Decimals(lower) < RoundTo3Decimals(upper - w)) upper -= w;
      break;
    case kUpperPlus: upper += w; break;
    case kMoveLeft:
      lower -= w;
      upper -= w;
      break;
    case kMoveRight:
      lower += w;
      upper += w;
      break;
  }
  lower_ = RoundTo3Decimals(lower);
  upper_ = RoundTo3Decimals(upper);
  WriteBoundsAsNumbers();
  RefreshInterval();
}

void IntervalControls::WriteBoundsAsNumbers() {
  SetBoundPanels(rtl::FormatFloat("0.000", lower_), rtl::FormatFloat("0.000", upper_));
  doc.IntervalLowerText = lowerPanel_;
  doc.IntervalUpperText = upperPanel_;
}

// --- the other controls ---

void IntervalControls::ToggleSign(bool upper) {
  bool& strict = upper ? upperStrict_ : lowerStrict_;
  strict = !strict;
  panel_.Changed();
}

void IntervalControls::SetMaxMinShown(bool shown) {
  modes.IntervalMaxMinShown = shown ? 1 : 0;
  panel_.Changed();
  RefreshInterval();
}

void IntervalControls::SetTextShown(bool shown) {
  doc.IntervalTextShown = shown ? 1 : 0;
  panel_.Changed();
  DrawInterval();
}

void IntervalControls::SelectorDown(int x, int y) {
  panel_.Host().PressIntervalSelector(x, y, static_cast<gfx::Color>(doc.IntervalColor));
  panel_.Changed();
}

void IntervalControls::SelectorUp(int x, int y) {
  ParameterPanelHost& host = panel_.Host();
  const int hit = host.ReleaseIntervalSelector(x, y, static_cast<gfx::Color>(doc.IntervalColor));
  if (hit == 0) {
    if (const std::optional<int32_t> colour = host.ChooseColor(doc.IntervalColor)) doc.IntervalColor = *colour;
  } else if (hit == 1 || hit == 2) {
    doc.IntervalStyle = static_cast<uint8_t>(hit);
  }
  host.DrawIntervalSelector(doc.IntervalStyle, static_cast<gfx::Color>(doc.IntervalColor));
  panel_.Changed();
  if (hit >= 0) RefreshInterval();
}

void IntervalControls::ReleaseInterval() {
  ResetParameterInterval();
  SetBoundPanels(kZeroPanel, kZeroPanel);
  RedrawAll();
  panel_.Close();
}

// --- the picture ---

void IntervalControls::EvaluateBounds() {
  lower_ = EvaluateBound(doc.IntervalLowerText);
  upper_ = EvaluateBound(doc.IntervalUpperText);
  if (!(lower_ > upper_)) return;
  std::swap(lower_, upper_);
  std::swap(doc.IntervalLowerText, doc.IntervalUpperText);
  std::swap(lowerPanel_, upperPanel_);
  panel_.Changed();
}

void IntervalControls::DrawInterval() {
  settings.IntervalDrawFlag = 1;
  EvaluateBounds();
  gfx::Canvas* picture = DrawingToMetafile() ? settings.MetafileCanvas : render.WindowImage;
  if (!picture) return;
  DrawIntervalPicture(*picture, lower_, upper_);
  if (!DrawingToMetafile()) panel_.Host().UpdateGraphPicture();
}

void IntervalControls::RefreshInterval() {
  DrawInterval();
  if (!settings.Printing) PipelineHost().SaveContinuousFrame();
}
