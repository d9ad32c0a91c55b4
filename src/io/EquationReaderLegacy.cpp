// Sections that only older generations of the equation file hold.
#include <algorithm>
#include <limits>

#include "formula/DocumentState.h"
#include "formula/FigureTable.h"
#include "io/EquationReaderParts.h"

using namespace eqfile;

namespace {

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

int32_t TakeInt32(LineReader& in) { return static_cast<int32_t>(in.TakeInt(kInt32Min, kInt32Max)); }

}  // namespace

void ReadOldLabels(LineReader& in, const EquationReadContext& c) {
  const int v = c.version;
  const int count = static_cast<int>(in.TakeInt(0, kMaxLabels));
  if (in.TakeKey(kTF.off)) modes.LabelsShown = 0;
  for (int i = 1; i <= count; ++i) {
    Tlabelrec label;
    if (v > 556) label.ownFont = in.TakeByte();
    label.shiftLeft = TakeInt32(in);
    label.shiftTop = TakeInt32(in);
    std::string markup = in.TakeText();
    UpgradeFormulaText(markup, v, true);
    // A second line was a subscript-like addition, now written in braces.
    std::string addition = in.TakeText();
    if (!addition.empty()) {
      UpgradeFormulaText(addition, v, false);
      markup += "{" + addition + "}";
    }
    label.lines = {std::move(markup)};
    label.coordKind = static_cast<uint8_t>(in.TakeInt(0, kInt32Max) % 10);
    label.xText = in.TakeText();
    label.yText = in.TakeText();
    if (in.TakeKey(kGz)) label.zText = in.TakeText();
    label.font.name = in.TakeText();
    label.font.size = std::clamp(TakeInt32(in), 1, 400);
    label.font.color = TakeInt32(in);
    if (in.TakeKey(kStyle)) {
      const int32_t style = TakeInt32(in);
      label.font.style = style >= 0 && style <= 15 ? static_cast<uint8_t>(style) : 0;
    }
    if (v > 553) label.transparent = TakeInt32(in) == 0;
    if (v > 559) label.shown = TakeInt32(in) == 0;
    doc.LabelTable[i] = std::move(label);
    doc.LabelCount = i;
  }
}

void ReadOldLayoutEntries(LineReader& in, const EquationReadContext& c) {
  const int count = ReadEntryCount(in);
  for (int i = 1; i <= count; ++i) {
    Tfuncprop e;
    InitFuncprop(e, kKindExplicit);
    e.kind = static_cast<uint8_t>(in.TakeInt(0, 7));  // the old numbering
    for (int t = 0; t < 4; ++t) {
      e.texts[t] = in.TakeText();
      UpgradeFormulaText(e.texts[t], c.version, false);
    }
    e.option32 = in.TakeSwitch(kPlaneEntryFlag);
    e.afterImage = in.TakeSwitch(kPlaneEntryFlag);
    e.color = TakeInt32(in);
    e.penWidth = in.TakeByte();
    if (e.kind == 7) {
      e.brushStyle = in.TakeByte();
      e.brushColor = TakeInt32(in);
    }
    if (!ConvertOldFigure(e)) in.FailLast("図形を表に加えられません");
  }
  if (!LinkSegmentPoints()) in.Fail("線分の端点を表に加えられません");
}

void SkipOldAfterImageHistory(LineReader& in) {
  while (!in.TakeKey(kEnd)) {
    in.Skip(11);
    if (in.IsKey("t") || in.IsKey("k")) in.Skip(2);
    in.Skip(2);
  }
}

void SkipStartingModeSeven(LineReader& in) {
  while (!in.TakeKey(kEnd)) in.Skip(7);
}
