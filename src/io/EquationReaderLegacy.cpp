// Sections that only older generations of the equation file hold.
#include <algorithm>
#include <limits>

#include "formula/DocumentState.h"
#include "formula/FigureTable.h"
#include "io/EquationReaderParts.h"

using namespace eqfile;

void ReadOldLabels(LineReader& in, const EquationReadContext& c) {
  const int v = c.version;
  const int count = static_cast<int>(in.TakeInt(0, kMaxLabels));
  if (in.TakeKey(kTF.off)) modes.LabelsShown = 0;
  for (int i = 1; i <= count; ++i) {
    Tlabelrec label;
    if (v > 556) label.ownFont = in.TakeByte();
    label.shiftLeft = in.TakeInt32();
    label.shiftTop = in.TakeInt32();
    std::string markup = in.TakeText();
    UpgradeFormulaText(markup, v, true);
    // A second line was a subscript-like addition, now written in braces.
    std::string addition = in.TakeText();
    if (!addition.empty()) {
      UpgradeFormulaText(addition, v, false);
      markup += "{" + addition + "}";
    }
    label.lines = {std::move(markup)};
    label.coordKind = static_cast<uint8_t>(in.TakeInt(0, std::numeric_limits<int32_t>::max()) % 10);
    label.xText = in.TakeText();
    label.yText = in.TakeText();
    if (in.TakeKey(kGz)) label.zText = in.TakeText();
    label.font.name = in.TakeText();
    label.font.size = TakeFontSize(in);
    label.font.color = in.TakeInt32();
    if (in.TakeKey(kStyle)) {
      label.font.style = TakeFontStyle(in);
    }
    if (v > 553) label.transparent = in.TakeInt32() == 0;
    if (v > 559) label.shown = in.TakeInt32() == 0;
    doc.LabelTable[i] = std::move(label);
    doc.LabelCount = i;
  }
}

void ReadOldLayoutEntries(LineReader& in, const EquationReadContext& c) {
  const int count = ReadEntryCount(in, c);
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
    e.color = in.TakeInt32();
    e.penWidth = in.TakeByte();
    if (e.kind == 7) {
      e.brushStyle = in.TakeByte();
      e.brushColor = in.TakeInt32();
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
