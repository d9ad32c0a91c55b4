#include "animate/ParameterPanelModel.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "animate/AfterImageHistory.h"
#include "animate/AfterImageTraces.h"
#include "animate/IntervalDrawing.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Records.h"
#include "platform/Runtime.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/SpaceScene.h"

namespace {

ParameterPanelHost noHost;

constexpr float kStepWidths[5] = {10.0f, 1.0f, 0.1f, 0.01f, 0.001f};

// Marks a scope in which a step or an edit runs: a click that arrives through a message
// pump of the redraw must not start a second one inside it.
struct Busy {
  bool& flag;
  explicit Busy(bool& f) : flag(f) { flag = true; }
  ~Busy() { flag = false; }
};

// A typed value: evaluated as a formula at the current x, y and z. It counts only when it
// is defined and, for a single-precision parameter, within the range of its cell.
bool EvaluateTypedValue(const std::string& cp932, bool singleCell, Extended& value) {
  const TVariableValues& v = doc.VariableValues;
  eng.EvalOK = 1;
  eng.EvalDrawable = 1;
  value = EvaluateText(cp932, v.X, v.Y, v.Z);
  if (!eng.EvalOK || !eng.EvalDrawable || !std::isfinite(value)) {
    eng.EvalOK = 0;  // the keyboard asks for another value
    return false;
  }
  if (singleCell && std::fabs(value) > FLT_MAX) {
    eng.EvalOK = 0;
    return false;
  }
  return true;
}

void SaveContinuousFrame() {
  PipelineHost().SaveContinuousFrame();
}
void RefreshInterval() {
  PipelineHost().RefreshInterval();
}

bool EntryOneIsSurface() { return doc.EntryCount >= 1 && doc.FigureTable[1].kind == kKindExplicit; }

// Space: the back bitmap onto the composite, every space curve, figure and point over it
// (the defined values and points recomputed first), the composite copied to the window.
void ComposeSpaceParameterLayer() {
  PrepareRedraw();
  ComposeSpaceScene();
}

}  // namespace

ParameterPanelModel::ParameterPanelModel(TimerJobs& timer) : timer_(timer), host_(&noHost) {
  timer_.SetJobAction(job::StepAllParameters, [this] { StepAllParameters(HeldButtonCode); });
  timer_.SetJobAction(job::StepOneParameter, [this] { StepOneParameter(HeldButtonCode); });
}

ParameterPanelModel::~ParameterPanelModel() {
  timer_.SetJobAction(job::StepAllParameters, nullptr);
  timer_.SetJobAction(job::StepOneParameter, nullptr);
}

void ParameterPanelModel::SetHost(ParameterPanelHost* host) { host_ = host ? host : &noHost; }

void ParameterPanelModel::Changed() {
  if (window_) window_->ModelChanged();
}

void ParameterPanelModel::Close() {
  if (window_)
    window_->CloseWindow();
  else
    FormClose();
}

bool ParameterPanelModel::Refused() const { return settings.MacroRunning != 0 || stepping_; }

int ParameterPanelModel::ShownRowCount() const {
  int n = 0;
  for (const RowState& r : rows_) n += r.shown;
  return n;
}

bool ParameterPanelModel::AngleInDegrees(int row) const {
  if (row == kThetaRow) return doc.ThetaInDegrees;
  if (row == kOmegaRow) return doc.OmegaInDegrees;
  return false;
}

int ParameterPanelModel::StepWidthIndex() const { return settings.StepWidthItem; }

// --- values -------------------------------------------------------------------------

Extended ParameterPanelModel::RowValue(int row) const {
  if (row == kThetaRow) return doc.ThetaDisplayValue;
  if (row == kOmegaRow) return doc.OmegaDisplayValue;
  return ReadVariable(doc.VariableValues, kParameterRows[row].letter);
}

void ParameterPanelModel::SetRowValue(int row, Extended value) {
  if (row == kThetaRow)
    doc.ThetaDisplayValue = value;
  else if (row == kOmegaRow)
    doc.OmegaDisplayValue = value;
  else
    WriteVariable(doc.VariableValues, kParameterRows[row].letter, value);
}

void ParameterPanelModel::WriteRadians(int row) {
  WriteVariable(doc.VariableValues, kParameterRows[row].letter, AngleRadians(RowValue(row), AngleInDegrees(row)));
}

std::string ParameterPanelModel::RowValueText(int row) {
  if (!IsAngleRow(row)) return ParameterValueText(RowValue(row));
  WriteRadians(row);
  return AngleValueText(RowValue(row), AngleInDegrees(row));
}

Extended& ParameterPanelModel::RowIncrement(int row) {
  return doc.ParameterIncrements[kParameterRows[row].incrementSlot];
}

void ParameterPanelModel::ShowParameterValues() {
  for (int row = 0; row < kParameterRowCount; ++row) rows_[row].valueText = RowValueText(row);
  Changed();
}

void ParameterPanelModel::ShowIncrements() {
  for (int row = 0; row < kParameterRowCount; ++row) {
    rows_[row].incrementText = ::IncrementText(RowIncrement(row));
    rows_[row].incrementColor = ::IncrementColor(RowIncrement(row));
  }
  Changed();
}

void ParameterPanelModel::ApplyParameterValues(int mode) {
  DisposeValueList(settings.ValueChangeList);
  TValueNode* tail = nullptr;
  auto rewrite = [&](int row, Extended listed) {
    std::string text = RowValueText(row);
    if (mode == 1 || text != rows_[row].valueText) AppendValueNode(tail, kParameterRows[row].changeCode, listed);
    rows_[row].valueText = std::move(text);
  };
  for (int row : kChangeListRowOrder)
    if (rows_[row].shown) rewrite(row, RowValue(row));
  for (int row : {kThetaRow, kOmegaRow})
    if (rows_[row].shown) rewrite(row, AngleRadians(RowValue(row), AngleInDegrees(row)));
  if (mode == 1) {
    int firstPoint = 1;
    for (int kind = 1; kind <= 7; ++kind) firstPoint += doc.KindCounts[kind];
    for (int entry = firstPoint; entry <= doc.EntryCount; ++entry) AppendFigureValueNodes(entry, tail);
  }
  Changed();
}

// --- the window's life ----------------------------------------------------------------

void ParameterPanelModel::FormCreate() {
  timer_.AutoRepeatCount = 0;
  modes.AfterImageOn = 0;
  modes.LocusOn = 0;
  settings.StepWidthItem = 2;
  StepWidth = kStepWidths[settings.StepWidthItem];
  interval_.ResetControls();
  doc.ThetaInDegrees = 0;
  doc.OmegaInDegrees = 0;
  ShowParameterValues();
  ShowIncrements();
}

void ParameterPanelModel::ShowParameterForm() {
  if (doc.Dimension == 2 && modes.AnimationMode >= 2 && modes.AnimationMode <= 6) {
    modes.AfterImageOn = 0;
    DrawBackgroundPicture();
    RedrawBackground();
    ComposeGraph(0);
  }
  modes.AnimationMode = 0;
}

void ParameterPanelModel::FormShow() {
  host_->DrawIntervalSelector(doc.IntervalStyle, static_cast<gfx::Color>(doc.IntervalColor));
  interval_.IntervalUsesParameter();
  timer_.StopAutoRepeat();
  if (modes.AnimationMode == 0) {
    ShowParameterRows();
  } else if (modes.AnimationMode == 1) {
    caption_ = "区間設定";
    for (RowState& r : rows_) r.shown = false;
    layout_ = PanelLayout::Interval;
    Changed();
    interval_.ShowIntervalLayout();
  }
}

bool ParameterPanelModel::FormClose() {
  timer_.JobCode = job::Idle;
  timer_.SetInterval(kFastInterval);
  timer_.SetEnabled(false);
  if (modes.PreviousAnimationMode == 0 && (modes.AnimationMode == 1 || modes.AnimationMode == 6)) {
    modes.PreviousAnimationMode = modes.AnimationMode;
    modes.AnimationMode = 0;
    ui.ValueTimerBusy = 0;
    ShowParameterRows();
    return false;
  }
  if (modes.AnimationMode == 0) ui.ValueTimerBusy = 0;
  host_->EnableNavigator();
  settings.MacroRunning = 0;
  ui.SubFormOpen = 0;
  return true;
}

void ParameterPanelModel::ShowParameterRows() {
  caption_ = "パラメ－タ変更/マクロナビ";
  ui.ValueTimerBusy = 1;
  for (int row = 0; row < kParameterRowCount; ++row)
    rows_[row].shown = doc.ParameterUsed[kParameterRows[row].nodeCode] != 0;
  layout_ = PanelLayout::Parameters;
  StepWidth = kStepWidths[std::min<int>(settings.StepWidthItem, 4)];
  ShowParameterValues();
  ShowIncrements();
  SavePointPositions();
  timer_.JobCode = job::StepAllParameters;
  Changed();
}

// --- steps ----------------------------------------------------------------------------

void ParameterPanelModel::StepOneParameter(int code) {
  const int row = RowOfButtonCode(code);
  if (Refused() || row < 0) return;
  Busy busy(stepping_);
  DisposeValueList(settings.ValueChangeList);
  const int direction = code <= 13 ? 1 : -1;
  const Extended increment = RowIncrement(row);
  if (increment == 0) return;
  SetRowValue(row, RoundTo3Decimals(RowValue(row) + direction * increment));
  ApplyParameterValues(0);
  RedrawForParameters();
  host_->RunMacroChangeHandlers(settings.ValueChangeList);
}

void ParameterPanelModel::StepAllParameters(int code) {
  if (Refused()) return;
  Busy busy(stepping_);
  const int direction = code == kAllUpCode ? 1 : -1;
  for (int row = 0; row < kParameterRowCount; ++row)
    SetRowValue(row, RoundTo3Decimals(RowValue(row) + direction * RowIncrement(row)));
  ApplyParameterValues(0);
  RedrawForParameters();
}

// The moving layer over the kept back layer; the defined values and the points are
// recomputed by the composition.
void ParameterPanelModel::RedrawForParameters() {
  bool traced = false;
  bool intervalRefreshed = false;
  if (doc.Dimension == 3) {
    if (EntryOneIsSurface()) {
      RedrawSurfaceScene();
      SaveContinuousFrame();
      return;
    }
    traced = DrawStepTraces(BackCanvas());
    ComposeSpaceParameterLayer();
  } else {
    traced = DrawStepTraces(BackCanvas());
    if (!ui.HideDrawActive) {
      ComposeGraph(0);  // in interval mode it ends with the interval's refresh
      intervalRefreshed = doc.IntervalMode != 0;
    }
  }
  if (!doc.IntervalMode)
    SaveContinuousFrame();
  else if (!intervalRefreshed)
    RefreshInterval();
  if (traced) {
    PushAfterImageSnapshot();
    Changed();  // undo and erase follow the history
  }
}

void ParameterPanelModel::RepaintGraphs() {
  if (doc.Dimension != 3)
    ComposeGraph(0);
  else if (EntryOneIsSurface())
    RedrawSurfaceScene();
  else
    ComposeSpaceParameterLayer();
}

void ParameterPanelModel::RunStepGuarded(int code) {
  try {
    if (code >= kAllUpCode)
      StepAllParameters(code);
    else
      StepOneParameter(code);
  } catch (...) {
    eng.EvalDrawable = 0;
    timer_.SetEnabled(false);
  }
}

void ParameterPanelModel::PressValueButton(int code) {
  if (Refused() || code < 0 || code > kAllDownCode) return;
  HeldButtonCode = static_cast<uint8_t>(code);
  // The first repeat comes after 400 ms whatever interval an earlier job left, so that
  // a click steps once.
  timer_.AutoRepeatCount = 0;
  timer_.SetInterval(kReleasedInterval);
  timer_.Arm(code >= kAllUpCode ? job::StepAllParameters : job::StepOneParameter);
  RunStepGuarded(code);
  afterImages_.UpdateEraseButton();
}

void ParameterPanelModel::ReleaseValueButton() { timer_.StopAutoRepeat(); }

// --- direct edits -----------------------------------------------------------------------

void ParameterPanelModel::EnterValue(int row) {
  if (Refused() || row < 0 || row >= kParameterRowCount) return;
  Busy busy(stepping_);
  const ParameterRow& p = kParameterRows[row];
  rows_[row].valueColor = kPanelEditing;
  Changed();
  std::string text = rtl::FloatToStr(RoundTo3Decimals(RowValue(row)));
  Extended value = 0;
  bool accepted = false;
  while (!accepted) {
    if (!host_->AskText(p.valueCaption, kValueKeyboardKind, text, PanelTop, PanelLeft)) break;
    accepted = EvaluateTypedValue(text, !IsAngleRow(row) && p.letter != 't', value);
  }
  for (RowState& r : rows_) r.valueColor = kPanelWhite;
  if (!accepted) {
    Changed();
    return;
  }
  DisposeValueList(settings.ValueChangeList);
  TValueNode* tail = nullptr;
  const Extended old = RowValue(row);
  SetRowValue(row, value);
  // The panel shows the value as every step does ("0.500π"), not the text typed.
  rows_[row].valueText = RowValueText(row);
  if (RowValue(row) != old) {
    const Extended listed = IsAngleRow(row) ? AngleRadians(RowValue(row), AngleInDegrees(row)) : RowValue(row);
    AppendValueNode(tail, p.changeCode, listed);
  }
  Changed();
  RedrawForParameters();
  host_->RunMacroChangeHandlers(settings.ValueChangeList);
}

void ParameterPanelModel::ClearValue(int row) {
  if (Refused() || row < 0 || row >= kParameterRowCount) return;
  Busy busy(stepping_);
  SetRowValue(row, 0);
  if (IsAngleRow(row)) WriteRadians(row);
  ApplyParameterValues(0);
  RedrawForParameters();
  host_->RunMacroChangeHandlers(settings.ValueChangeList);
}

void ParameterPanelModel::SpinIncrement(int row, bool up) {
  if (Refused() || row < 0 || row >= kParameterRowCount) return;
  RowIncrement(row) += up ? StepWidth : -StepWidth;
  ShowIncrements();
}

void ParameterPanelModel::ClearIncrement(int row) {
  if (Refused() || row < 0 || row >= kParameterRowCount) return;
  RowIncrement(row) = 0;
  ShowIncrements();
}

void ParameterPanelModel::SetStepWidthIndex(int index) {
  if (!Refused() && index >= 0 && index < 5) {
    settings.StepWidthItem = static_cast<uint8_t>(index);
    StepWidth = kStepWidths[index];
  }
  Changed();  // a refused choice puts the radio group back
}

void ParameterPanelModel::SetAngleUnit(bool degrees) {
  if (Refused()) return;
  Busy busy(stepping_);
  (AngleRowUnderMouse == 0 ? doc.ThetaInDegrees : doc.OmegaInDegrees) = degrees ? 1 : 0;
  ApplyParameterValues(0);
  RedrawForParameters();
}

ParameterPanelModel& ParameterPanel() {
  static ParameterPanelModel panel(Timer1());
  return panel;
}
