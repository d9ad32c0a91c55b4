#include "animate/TangentModel.h"

#include <algorithm>
#include <cmath>

#include "animate/TangentPicture.h"
#include "formula/AnimationState.h"
#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "platform/Runtime.h"
#include "render/Axes.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"

namespace {

CalculusHost noHost;

// The model the redraw pipeline paints mode 5 with.
TangentModel* painter = nullptr;


// f from the text of entry 1 and its derivative in x; both empty when the text does not
// parse or entry 1 is no function of x.
void ParseTangentTrees(TreePtr& f, TreePtr& df) {
  f.reset();
  df.reset();
  if (doc.EntryCount < 1 || doc.FigureTable[1].kind != kKindExplicit) return;
  eng.ParseOK = 1;
  f = ParseExpression(doc.FigureTable[1].texts[0], 3);
  if (!eng.ParseOK || !f) {
    f.reset();
    return;
  }
  df = Differentiate(f.get(), node::VarX);
  if (!df) f.reset();
}

std::string Shown(Extended v) { return rtl::FormatFloat("0.0000", v); }

void CopyCompositeToGraph() {
  if (!settings.DrawToMetafile) PipelineHost().CopyBufferToGraph(gfx::CopyMode::Copy);
}

void SaveFrame() {
  if (!settings.DrawToMetafile) PipelineHost().SaveContinuousFrame();
}

}  // namespace

TangentModel::TangentModel(TimerJobs& timer) : timer_(timer), host_(&noHost) {
  timer_.SetJobAction(job::TangentStep, [this] { StepPoint(); });
  painter = this;
}

TangentModel::~TangentModel() {
  timer_.SetJobAction(job::TangentStep, nullptr);
  if (painter == this) painter = nullptr;
}

void TangentModel::SetHost(CalculusHost* host) { host_ = host ? host : &noHost; }

void TangentModel::Changed() {
  if (window_) window_->ModelChanged();
}

// --- the window's life ----------------------------------------------------------------

void TangentModel::OpenTangentNavi() {
  modes.AfterImageOn = 0;
  modes.PreviousAnimationMode = modes.AnimationMode;
  modes.AnimationMode = 5;
  host_->CloseParameterPanel();
  host_->EnableDragShift(false);
}

void TangentModel::FormShow(bool resumeSavedPoint) {
  host_->EnableGraphEditing(false);
  host_->HideParameterPanel();
  open_ = true;
  ++session_;
  modes.AnimationMode = 5;
  move_ = TangentMove::Stopped;
  step_ = 0;
  xPanelColor_ = kTangentPanelWhite;
  BuildTrees();
  dx_ = TangentStepWidth(doc.PixelSizeX);
  ComputeRange(f_.get(), df_.get());
  xP_ = range_.start;
  const Extended saved = anim.TangentPauseValue;
  // A file keeps P's place together with the graph of the rate.
  if (resumeSavedPoint && settings.TangentAfterImage && range_.found && saved >= range_.start && saved <= range_.end &&
      EvaluateTangentPoint(f_.get(), df_.get(), saved).defined)
    xP_ = saved;
  PlacePoint();
  zeroShown_ = true;
  DrawTangentBackground(f_.get(), df_.get());
  if (point_.defined) {
    UpdatePoint();
    DrawPoint();
  } else {
    ShowNoValues();
    CopyCompositeToGraph();
    Changed();
  }
}

void TangentModel::FormClose() {
  if (!open_) return;
  ReleaseTrees();
  open_ = false;
  ++session_;
  modes.AfterImageOn = 0;
  move_ = TangentMove::Stopped;
  timer_.SetEnabled(false);
  timer_.SetInterval(kFastInterval);
  xPanelColor_ = kTangentPanelWhite;
  host_->EnableDragShift(true);
  host_->EnableGraphEditing(true);
  modes.AnimationMode = 6;
  // The graph loses P and shows every entry again.
  RedrawAll();
  if (doc.ParametersInUse) host_->ReturnToParameterMode();
  Changed();
}

void TangentModel::BuildTrees() { ParseTangentTrees(f_, df_); }

void TangentModel::ReleaseTrees() {
  f_.reset();
  df_.reset();
}

void TangentModel::ComputeRange(Tfrec* f, Tfrec* df) { range_ = FindTangentRange(f, df, dx_); }

void TangentModel::PlacePoint() {
  point_ = range_.found ? EvaluateTangentPoint(f_.get(), df_.get(), xP_) : TangentPoint{xP_};
  previous_ = point_;
  slope_ = previousSlope_ = point_.sloped ? point_.df : 0;
}

// --- P --------------------------------------------------------------------------------

void TangentModel::UpdatePoint() {
  if (range_.found) xP_ = std::clamp(xP_, range_.start, range_.end);
  previous_ = point_;
  previousSlope_ = slope_;
  point_ = EvaluateTangentPoint(f_.get(), df_.get(), xP_);
  if (!point_.defined || !previous_.defined) {
    // Refused: P stays where it was.
    point_ = previous_;
    slope_ = previousSlope_;
    xP_ = point_.x;
    return;
  }
  const TViewRange& v = doc.ViewRange;
  if (xP_ >= v.XMax || xP_ <= v.XMin) Stop();
  slope_ = point_.sloped ? point_.df : 0;
  // The sign is the one shown last, so that P leaving its stationary point (shown with
  // the slope 0) does not find it again.
  if (point_.sloped && previous_.sloped && OppositeSigns(previousSlope_, point_.df)) {
    const std::optional<Extended> root = StationaryPointBetween(df_.get(), previous_.x, xP_, point_.df);
    const TangentPoint there = root ? EvaluateTangentPoint(f_.get(), df_.get(), *root) : TangentPoint{};
    if (there.sloped) {
      xP_ = there.x;
      point_ = there;
      slope_ = std::fabs(there.df) < doc.PixelSizeY / (v.XMax - v.XMin) ? 0 : there.df;
    }
  }
  ShowValues();
}

bool TangentModel::DrawPoint() {
  if (!point_.defined || !previous_.defined) return true;
  gfx::Canvas& work = CompositeCanvas();
  CopyGraphBitmap(BackCanvas(), work, gfx::CopyMode::Copy);
  DrawAxes(work, 2);
  anim.TangentPauseValue = point_.x;
  DrawTangentAt(work, point_.x, point_.f, ShownSlope());
  CopyCompositeToGraph();
  DrawValueBox();
  SaveFrame();
  Changed();
  // Only arriving at a stationary point pauses, not every step along a flat stretch.
  const bool stationary = point_.sloped && slope_ == 0;
  const bool pause = stationary && !zeroShown_;
  zeroShown_ = stationary;
  const uint64_t session = session_;
  if (pump_) pump_->pumpMessages();
  if (!Alive(session)) return false;
  if (pause && pump_) pump_->sleep(kStationaryPauseMs);
  return true;
}

bool TangentModel::UpdateAndDraw() {
  UpdatePoint();
  return DrawPoint();
}

void TangentModel::DrawValueBox() {
  if (!modes.TangentTextShown || !point_.defined) return;
  gfx::Canvas* canvas = settings.DrawToMetafile ? settings.MetafileCanvas : render.WindowImage;
  if (canvas) DrawTangentValueBox(*canvas, xText_, yText_, slopeText_);
}

void TangentModel::ShowValues() {
  xText_ = Shown(point_.x);
  yText_ = Shown(point_.f);
  slopeText_ = point_.sloped ? Shown(slope_) : kNoValueText;
}

std::optional<Extended> TangentModel::ShownSlope() const {
  if (!point_.sloped) return std::nullopt;
  return slope_;
}

void TangentModel::ShowNoValues() { xText_ = yText_ = slopeText_ = kNoValueText; }

// --- moving ---------------------------------------------------------------------------

void TangentModel::Stop() {
  move_ = TangentMove::Stopped;
  timer_.SetEnabled(false);
  Changed();
}

void TangentModel::StartMoving(int direction, int firstInterval) {
  step_ = direction < 0 ? -dx_ : dx_;
  timer_.SetInterval(firstInterval);
  timer_.Arm(job::TangentStep);
}

void TangentModel::mpButtonclick(int direction) {
  if (!open_ || !MovesEnabled()) return;
  move_ = direction < 0 ? TangentMove::Left : TangentMove::Right;
  StartMoving(direction, kFastInterval);
  Changed();
}

void TangentModel::PmoveClick(int direction) {
  if (!open_ || !MovesEnabled()) return;
  xP_ += direction < 0 ? -dx_ : dx_;
  UpdateAndDraw();
}

void TangentModel::PMouseDown(int direction) {
  if (!open_ || !MovesEnabled()) return;
  // A click makes its one step; only a button held past the first delay repeats.
  StartMoving(direction, kReleasedInterval);
}

void TangentModel::PMouseUp() {
  if (open_) Stop();
}

void TangentModel::StopClick() { Stop(); }

void TangentModel::StepPoint() {
  timer_.SetInterval(kFastInterval);
  if (!open_ || !MovesEnabled() || step_ == 0) {
    Stop();
    return;
  }
  xP_ += step_;
  if (EvaluateTangentPoint(f_.get(), df_.get(), xP_).defined && !UpdateAndDraw()) return;
  if ((step_ > 0 && xP_ >= range_.end) || (step_ < 0 && xP_ <= range_.start)) Stop();
}

// --- the other controls ---------------------------------------------------------------

void TangentModel::zancheckClick(bool checked) {
  settings.TangentAfterImage = checked ? 1 : 0;
  if (!open_) return;
  DrawTangentBackground(f_.get(), df_.get());
  UpdateAndDraw();
}

void TangentModel::sesstexthyoujiClick(bool checked) {
  modes.TangentTextShown = checked ? 1 : 0;
  if (!open_) return;
  CopyCompositeToGraph();
  DrawValueBox();
  SaveFrame();
}

void TangentModel::colorClick(int which) {
  if (!open_) return;
  int32_t& colour = which == 0 ? doc.TangentLineColor : doc.TangentRateColor;
  const uint64_t session = session_;
  const std::optional<int32_t> chosen = host_->ChooseColor(colour);
  if (!chosen || !Alive(session)) return;
  colour = *chosen;
  Changed();
  if (settings.TangentAfterImage) DrawTangentBackground(f_.get(), df_.get());
  UpdateAndDraw();
}

void TangentModel::psescoodinateClick(int keyboardTop, int keyboardRight) {
  if (!open_ || !MovesEnabled()) return;
  Stop();
  xPanelColor_ = kTangentPanelEditing;
  Changed();
  const uint64_t session = session_;
  std::string text = xText_;
  TangentPoint typed;
  do {
    if (!host_->AskText("点Ｐのｘ座標の入力", kTangentKeyboardKind, text, keyboardTop, keyboardRight) ||
        !Alive(session)) {
      xPanelColor_ = kTangentPanelWhite;
      Changed();
      return;
    }
    const TVariableValues& v = doc.VariableValues;
    eng.EvalOK = 1;
    eng.EvalDrawable = 1;
    const Extended x = EvaluateText(text, v.X, v.Y, v.Z);
    if (eng.EvalOK && eng.EvalDrawable && std::isfinite(x)) typed = EvaluateTangentPoint(f_.get(), df_.get(), x);
  } while (!typed.defined);
  if (settings.TangentAfterImage) DrawTangentBackground(f_.get(), df_.get());
  xP_ = typed.x;
  PlacePoint();
  const bool alive = UpdateAndDraw();
  xPanelColor_ = kTangentPanelWhite;
  if (alive) Changed();
}

// --- the redraw pipeline --------------------------------------------------------------

void TangentModel::PaintTangent(gfx::Canvas& canvas) {
  // Trees of its own: a redraw may come while a step is half done.
  TreePtr f, df;
  ParseTangentTrees(f, df);
  ComputeRange(f.get(), df.get());
  if (open_ && !point_.defined && range_.found) {
    // The view has come to where P can be.
    xP_ = range_.start;
    PlacePoint();
    if (point_.defined) {
      anim.TangentPauseValue = point_.x;
      ShowValues();
    }
  }
  DrawTangentBackground(f.get(), df.get());
  DrawAxes(canvas, 2);
  if (open_ && point_.defined) {
    const Extended x = anim.TangentPauseValue;
    const TangentPoint p = EvaluateTangentPoint(f.get(), df.get(), x);
    std::optional<Extended> slope = ShownSlope();
    if (x != point_.x) slope = p.sloped ? std::optional<Extended>(p.df) : std::nullopt;
    if (p.defined) DrawTangentAt(canvas, x, p.f, slope);
  }
  CopyCompositeToGraph();
  DrawValueBox();
  SaveFrame();
  Changed();
}

TangentModel& Tangent() {
  static TangentModel model(Timer1());
  return model;
}

TangentModel* CurrentTangentModel() { return painter; }
