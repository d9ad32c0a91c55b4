#include "ui/RangeFormModel.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"

namespace {

template <auto Field>
constexpr TRangeChoice Choice(const char* name, int value) {
  return {name, [] { return static_cast<int>(Field()); },
          [](int v) { Field() = static_cast<std::remove_reference_t<decltype(Field())>>(v); }, value};
}

uint8_t& GridDashed() { return doc.GridSettings.dashed; }
uint8_t& GridThickness() { return doc.GridSettings.thickness; }
uint8_t& GridKind() { return doc.GridSettings.kind; }
uint8_t& AxisWidth() { return doc.AxisWidth; }
uint8_t& NumberPosition() { return doc.AxisNumberPosition; }
uint8_t& ArrowKind() { return settings.AxisWidthMode; }
uint8_t& XUnit() { return doc.XAxisUnit; }
uint8_t& YUnit() { return doc.YAxisUnit; }
uint8_t& KeepAspect() { return settings.KeepAspectRatio; }
uint8_t& XShown() { return doc.XAxisShown; }
uint8_t& YShown() { return doc.YAxisShown; }

// No ticks and no numbers, ticks only, ticks and numbers.
int TicksAndNumbers() { return doc.AxisTicksShown ? (doc.AxisNumbersShown ? 2 : 1) : 0; }
void SetTicksAndNumbers(int v) {
  doc.AxisTicksShown = v >= 1;
  doc.AxisNumbersShown = v == 2;
}

const TRangeChoice kChoices[] = {
    Choice<GridDashed>("jituline", 0),      Choice<GridDashed>("dashline", 1),
    Choice<GridThickness>("lwidth", 1),     Choice<GridThickness>("dwidth", 2),
    Choice<GridKind>("kousi0", 0),          Choice<GridKind>("kousi1", 1),
    Choice<GridKind>("kousi2", 2),          {"memori0", TicksAndNumbers, SetTicksAndNumbers, 0},
    {"memori1", TicksAndNumbers, SetTicksAndNumbers, 1},
    {"memori2", TicksAndNumbers, SetTicksAndNumbers, 2},
    Choice<AxisWidth>("jikuwidth1", 1),     Choice<AxisWidth>("jikuwidth2", 2),
    Choice<AxisWidth>("jikuwidth3", 3),     Choice<NumberPosition>("mojileft", 0),
    Choice<NumberPosition>("mojicenter", 1), Choice<NumberPosition>("mojiright", 2),
    Choice<ArrowKind>("arrowsingle", 0),    Choice<ArrowKind>("arrowsharp", 1),
    Choice<ArrowKind>("arrownon", 2),       Choice<XUnit>("xnon", 1),
    Choice<XUnit>("xradi", 2),              Choice<XUnit>("xdeg", 3),
    Choice<XUnit>("xdeg2", 4),              Choice<YUnit>("ynon", 1),
    Choice<YUnit>("yradi", 2),              Choice<YUnit>("ydeg", 3),
    Choice<YUnit>("ydeg2", 4),              Choice<KeepAspect>("hirituhoji", 1),
    Choice<XShown>("xcoodishow", 1),        Choice<YShown>("ycoodishow", 1),
};

const TRangeChoice* Find(const std::string& name) {
  for (const TRangeChoice& c : kChoices)
    if (name == c.name) return &c;
  return nullptr;
}

Extended Bound(int i) {
  const TViewRange& v = doc.ViewRange;
  const Extended b[4] = {v.XMin, v.XMax, v.YMin, v.YMax};
  return b[i];
}

// A bound the view can take: it evaluates and lies strictly inside the limit. Otherwise
// the evaluation counts as failed, so that the keyboard asked again says so.
bool UsableBound(const std::string& text, Extended& value) {
  if (!DrawableValueOfText(text, value)) return false;
  if (std::fabs(value) < kViewLimit) return true;
  eng.EvalOK = 0;
  return false;
}

Tlfont& FontOf(RangeFont which) { return which == RangeFont::Axis ? doc.GraphFont : doc.PointLabelFont; }
uint8_t& CustomOf(RangeFont which) {
  return which == RangeFont::Axis ? doc.GraphFontCustom : doc.PointLabelFontCustom;
}

}  // namespace

std::span<const TRangeChoice> RangeFormChoices() { return kChoices; }

RangeFormModel::RangeFormModel(TimerJobs& timer) : timer_(timer) {}

void RangeFormModel::FormShow() {
  ui.SubFormOpen = 1;
  doc.BackgroundDirty = 1;
  timer_.JobCode = job::View2DStep;
  RefreshRangeForm();
}

BoundsResult RangeFormModel::FormClose() {
  ui.SubFormOpen = 0;
  return ApplyPendingBounds();
}

void RangeFormModel::RefreshRangeForm() {
  for (int i = 0; i < 4; ++i) BoundTexts[i] = rtl::FormatFloat("0.000", Bound(i));
  DrawingWidth = doc.GraphWidth;
  DrawingHeight = doc.GraphHeight;
}

bool RangeFormModel::EditBound(int i, const AskText& ask) {
  if (i < 0 || i > 3) return false;
  std::string text = BoundTexts[i];
  Extended value = 0;
  do {
    // A bound that does not evaluate, or lies beyond the limit, is asked again; the
    // keyboard says so.
    if (!ask(kBoundCaptions[i], kBoundKeyboardKind, text)) return false;
  } while (!UsableBound(text, value));
  SetBoundText(i, std::move(text));
  return true;
}

void RangeFormModel::SetBoundText(int i, std::string text) {
  BoundTexts[i] = std::move(text);
  for (int j = 0; j < 4; ++j) {
    Extended value = 0;
    if (!DrawableValueOfText(BoundTexts[j], value) || value != Bound(j)) RangeEdited = 1;
  }
}

BoundsResult RangeFormModel::ApplyRangePanels() {
  const BoundsResult result = ApplyBoundTexts(BoundTexts);
  // Refused, the panels keep what was typed, to be corrected.
  if (result != BoundsResult::Applied) return result;
  doc.BackgroundDirty = 1;
  RedrawAll();
  RangeEdited = 0;
  return result;
}

const char* RangeFormModel::RefusalMessage(BoundsResult result) const {
  if (result == BoundsResult::Applied) return "";
  Extended b[4];
  for (int i = 0; i < 4; ++i)
    if (!DrawableValueOfText(BoundTexts[i], b[i])) return kBadFormulaMessage;
  for (const Extended v : b)
    if (!(std::fabs(v) < kViewLimit)) return kBoundLimitMessage;
  return b[0] < b[1] ? kYOrderMessage : kXOrderMessage;
}

BoundsResult RangeFormModel::ApplyPendingBounds() {
  return RangeEdited ? ApplyRangePanels() : BoundsResult::Applied;
}

BoundsResult RangeFormModel::ApplySizeAndBounds(const std::function<void(int, int)>& resize) {
  const TBoundTexts typed = BoundTexts;
  const uint8_t edited = RangeEdited;
  resize(DrawingWidth, DrawingHeight);
  if (edited) {
    BoundTexts = typed;
    RangeEdited = 1;
  }
  return ApplyPendingBounds();
}

bool RangeFormModel::EditDrawingSize(RangeAxis axis, const AskText& ask) {
  const bool x = axis == RangeAxis::X;
  int& size = x ? DrawingWidth : DrawingHeight;
  std::string text = std::to_string(size);
  if (!ask(x ? "横サイズ" : "縦サイズ", kSizeKeyboardKind, text)) return false;
  Extended value = 0;
  if (DrawableValueOfText(text, value))
    size = static_cast<int>(std::clamp<Extended>(rtl::Round(value), 1, std::max(1, x ? MaxWidth : MaxHeight)));
  return true;
}

void RangeFormModel::SelectCoordinateSystem(int system) {
  if (system < 0 || system > 4) return;
  doc.CoordinateSystem = static_cast<uint8_t>(system);
  RangeEdited = 1;
  Changed();
}

void RangeFormModel::Choose(const std::string& name) {
  if (const TRangeChoice* c = Find(name)) {
    c->set(c->value);
    Changed();
  }
}

void RangeFormModel::Check(const std::string& name, bool on) {
  if (const TRangeChoice* c = Find(name)) {
    c->set(on ? c->value : 0);
    Changed();
  }
}

bool RangeFormModel::Chosen(const std::string& name) {
  const TRangeChoice* c = Find(name);
  return c && c->get() == c->value;
}

void RangeFormModel::SetTickDensity(RangeAxis axis, int density) {
  (axis == RangeAxis::X ? settings.XTickDensity : settings.YTickDensity) =
      static_cast<int8_t>(std::clamp(density, -2, 2));
  Changed();
}

void RangeFormModel::SetAxisName(RangeAxis axis, const std::string& utf8) {
  (axis == RangeAxis::X ? doc.XAxisName : doc.YAxisName) = sjis::FromUtf8(utf8);
  Changed();
}

void RangeFormModel::SetAxisColor(RangeAxis axis, std::int32_t color) {
  (axis == RangeAxis::X ? doc.XAxisColor : doc.YAxisColor) = color;
  Changed();
}

void RangeFormModel::SetGridColor(std::int32_t color) {
  doc.GridSettings.color = color;
  Changed();
}

void RangeFormModel::SetStandardFont(RangeFont which) {
  CustomOf(which) = 0;
  Changed();
}

void RangeFormModel::SetCustomFont(RangeFont which, const Tlfont& font) {
  FontOf(which) = font;
  CustomOf(which) = 1;
  Changed();
}

void RangeFormModel::SetFontSize(RangeFont which, int size) {
  FontOf(which).size = size;
  Changed();
}

const Tlfont& RangeFormModel::Font(RangeFont which) { return FontOf(which); }

bool RangeFormModel::FontIsCustom(RangeFont which) { return CustomOf(which) != 0; }

void RangeFormModel::Changed() {
  doc.BackgroundDirty = 1;
  RedrawAll();
}
