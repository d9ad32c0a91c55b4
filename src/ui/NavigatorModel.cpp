#include "ui/NavigatorModel.h"

#include <algorithm>

#include "animate/MacroRuns.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/FigureTable.h"
#include "formula/FigureTableOperands.h"
#include "formula/Records.h"
#include "formula/UsageScan.h"
#include "platform/Runtime.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceScene.h"
#include "ui/EntryFormState.h"

namespace {

bool HasText(const std::vector<std::string>& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const std::string& s) { return !s.empty(); });
}

// The fields whose change makes a correction redraw the graph.
bool SameForRedraw(const Tfuncprop& a, const Tfuncprop& b) {
  return a.texts == b.texts && a.color == b.color && a.penWidth == b.penWidth && a.brushStyle == b.brushStyle &&
         a.brushColor == b.brushColor && a.noBoundary == b.noBoundary && a.labelPos == b.labelPos &&
         a.subkind == b.subkind;
}

// The number of points of a point sequence, the first at index 0.
int SequenceLength(int letter) {
  if (letter < 1 || letter > kMaxPoints) return 1;
  return std::max<int>(1, static_cast<int>(doc.PointSequences[letter].size()));
}

void AppendVisibilityChange(int entry, std::uint8_t shown) {
  TVisibilityChange* node = NewVisibilityChange(entry, shown);
  TVisibilityChange** tail = &settings.VisibilityChangeList;
  while (*tail) tail = &(*tail)->next;
  *tail = node;
}

void ScanUsage() {
  RecomputeKindSums();
  ClearUsageFlags();
  RecomputeParameterUsage();
}

}  // namespace

NavigatorModel::NavigatorModel(NavigatorHost& host, gfx::Canvas& measure) : host_(host), measure_(measure) {}

void NavigatorModel::RebuildEquationList() {
  ScanUsage();
  list_ = BuildNavigatorList(Layout, measure_);
  if (HoverToggle > doc.EntryCount) HoverToggle = 0;
  if (!ui.SubFormOpen) UpdateMenuState(1);
  host_.ListChanged();
}

void NavigatorModel::TextClick() {
  host_.DockNavigator();
  if (ui.SubFormOpen) return;
  if (settings.AfterImageHistory) {
    if (host_.AskWarning(11)) host_.EraseAfterImages();
    return;
  }
  const int hit = list_.RowAt(ListMouseX, ListMouseY, Layout.imageWidth);
  if (hit < 0) return;
  ui.DocumentUntouched = 0;
  const TListRow row = list_.ListRows[static_cast<size_t>(hit)];
  ClickedEntry = row.entry;
  ClickedKind = row.kind;
  DefinitionAction = row.action;
  bool refresh = true;
  switch (row.action) {
    case rowaction::AddPlane:
    case rowaction::AddSpace: AddEntry(row); break;
    case rowaction::CorrectPlane:
    case rowaction::CorrectSpace: CorrectEntry(row); break;
    case rowaction::AddFunction:
    case rowaction::CorrectFunction:
    case rowaction::AddConstant:
    case rowaction::CorrectConstant: refresh = EditDefinition(row); break;
    default: break;
  }
  ui.PendingPointConstruction = 255;
  ui.PointConstructionChosen = 0;
  if (refresh) RefreshAfterEdit();
}

bool NavigatorModel::NameNewPoint(int entry) {
  Tfuncprop& e = doc.FigureTable[entry];
  const TNavigatorPlace place = host_.Place();
  const int n = host_.PickPointName(e.letter, place.listLeft, place.mouseY + 60);
  if (n < 1 || n > kMaxPoints) return false;
  e.kind = kKindPoint;
  e.letter = static_cast<uint8_t>(n);
  e.texts[2] = std::string(1, PointNameOrder[n - 1]);
  e.penWidth = 2;
  e.labelPos = 4;
  doc.PointLetterEntry[n] = static_cast<uint8_t>(entry);
  return true;
}

void NavigatorModel::AddEntry(const TListRow& row) {
  const bool space = row.action == rowaction::AddSpace;
  Tfuncprop record;
  InitFuncprop(record, row.kind);
  if (row.kind == kKindPoint) {
    record.option64 = 2;
    record.subkind = ui.PendingPointConstruction;
    if (record.subkind == 9) record.texts[1] = "1";
  } else if (row.kind == kKindPolar) {
    // The centre (second and third texts) starts at the origin; r is typed afresh.
    record.texts[1] = "0";
    record.texts[2] = "0";
  }
  if (!InsertEntry(record)) return;
  ++doc.EntryCount;
  const int entry = KindGroupStart(row.kind + 1) - 1;
  // Whatever stops the input takes the new entry back out, its point sequence with it.
  auto dropEntry = [entry, this](bool redraw) {
    DeleteFigure(entry);
    ui.EntryModified = 0;
    if (redraw) RedrawAll();
  };
  int maxIndex = entry;
  if (row.kind == kKindPoint) {
    if (!NameNewPoint(entry)) return dropEntry(false);
    const Tfuncprop& point = doc.FigureTable[entry];
    if (point.subkind == 100) {
      const int read = host_.ImportCsvPoints(point.letter);
      if (read < 0) return dropEntry(false);
      doc.PointSequenceDirty[point.letter] = 0;
      RedrawAll();
      maxIndex = read;
    }
  }
  const std::uint8_t mode = space ? rowaction::AddSpace : rowaction::AddPlane;
  if (host_.OpenEntryWindow(entry, maxIndex, mode, host_.Place().left + 4) == EntryWindowResult::Cancelled)
    return dropEntry(true);
  if (space && row.kind == kKindExplicit) doc.SpaceSurfacePresent = 1;
  ui.EntryModified = 1;
}

void NavigatorModel::CorrectEntry(const TListRow& row) {
  const int entry = row.entry;
  if (entry < 1 || entry > doc.EntryCount) return;
  const bool space = row.action == rowaction::CorrectSpace;
  const Tfuncprop kept = doc.FigureTable[entry];
  Tfuncprop& e = doc.FigureTable[entry];
  bool preparedByMenu = false;
  if (e.kind == kKindPoint && ui.PointConstructionChosen) {
    for (int k : {0, 1, 3, 4}) e.texts[k].clear();
    e.subkind = ui.PendingPointConstruction;
    if (e.subkind == kept.subkind) ui.PointConstructionChosen = 0;
    preparedByMenu = true;
  }
  const int count = e.kind == kKindPoint && e.subkind == 100 ? SequenceLength(e.letter) : entry;
  // The window marks the changes of its own controls; the texts are compared afterwards.
  if (!space) ui.EntryModified = 0;
  const std::uint8_t mode = space ? rowaction::CorrectSpace : rowaction::CorrectPlane;
  SavedEntryCopy = kept;  // what a cancelled correction goes back to
  if (host_.OpenEntryWindow(entry, count, mode, host_.Place().left + 4) == EntryWindowResult::Cancelled) {
    if (preparedByMenu && entry <= doc.EntryCount) doc.FigureTable[entry] = kept;
    return;
  }
  if (space)
    ui.EntryModified = 1;
  else if (!ui.EntryModified && entry <= doc.EntryCount)
    ui.EntryModified = SameForRedraw(kept, doc.FigureTable[entry]) ? 0 : 1;
}

bool NavigatorModel::EditDefinition(const TListRow& row) {
  const bool functions = row.kind == kKindDefinedFunction;
  const bool adding = row.action == rowaction::AddFunction || row.action == rowaction::AddConstant;
  uint8_t& count = functions ? doc.DefinedFunctionCount : doc.DefinedConstantCount;
  auto& texts = functions ? doc.DefinedFunctionTexts : doc.DefinedConstantTexts;
  auto& usage = functions ? doc.DefinedFunctionUsage : doc.DefinedConstantUsage;
  int n = row.entry;
  if (adding) {
    if (count >= kMaxDefinitions) return false;
    n = ++count;
  }
  if (n < 1 || n > count) return false;
  const TNavigatorPlace place = host_.Place();
  const int right = place.rightOfGraph ? place.right + 4 : place.left + 4;
  const std::string caption = std::string(functions ? "定義関数 F" : "定義定数 Q") + rtl::IntToStr(n);
  std::string text = texts[n];
  doc.EditedDefinition = {functions ? kEditedFunction : kEditedConstant, static_cast<uint8_t>(n), 0};
  const bool accepted = host_.AskText(caption, 4, text, 100, right);
  doc.EditedDefinition = TEditedDefinition{};
  if (!accepted) {
    ui.EntryModified = 0;
    if (adding) {
      texts[n].clear();
      --count;
    }
    return false;
  }
  if (adding) ui.EntryModified = 0;
  if (text != texts[n]) {
    ui.EntryModified = 1;
    texts[n] = text;
    if (!functions) {
      doc.DefinedConstantDirty[n] = 1;
      RecomputeDefinedValue(n);
    }
  }
  for (int k = n; k <= count; ++k) ClearFlagTriple(usage[k]);
  for (int k = 1; k <= count; ++k) usage[k].exists = 1;
  return true;
}

void NavigatorModel::LabelClick() {
  if (settings.AfterImageHistory) {
    if (host_.AskWarning(11)) host_.EraseAfterImages();
    return;
  }
  const int entry = list_.ToggleAt(ListMouseX, ListMouseY, Layout.listIndent - 4);
  if (entry < 1 || entry > doc.EntryCount) return;
  Tfuncprop& e = doc.FigureTable[entry];
  e.shown = e.shown ? 0 : 1;
  if (modes.AfterImageOn || modes.LocusOn) AppendVisibilityChange(entry, e.shown);
  RebuildEquationList();
  if (doc.Dimension == 3)
    RedrawSpaceScene();
  else
    RedrawAll();
}

int NavigatorModel::HoverToggleAt(int x, int y) const { return list_.ToggleAt(x, y, Layout.listIndent - 2); }

void NavigatorModel::DeleteEntry(int entry, std::uint8_t action) {
  ScanUsage();  // the in-use marks as the document is now
  switch (action) {
    case rowaction::CorrectPlane:
    case rowaction::CorrectSpace:
      if (!DeleteListedEntry(entry, action == rowaction::CorrectSpace)) return;
      break;
    case rowaction::CorrectFunction: DeleteDefinition(entry, true); break;
    case rowaction::CorrectConstant: DeleteDefinition(entry, false); break;
    default: break;
  }
  if (doc.Dimension == 3)
    doc.SpaceSurfacePresent = doc.EntryCount > 0 && doc.FigureTable[1].kind == kKindExplicit ? 1 : 0;
  RefreshAfterEdit();
}

bool NavigatorModel::DeleteListedEntry(int entry, bool space) {
  if (entry < 1 || entry > doc.EntryCount) return false;
  const Tfuncprop& e = doc.FigureTable[entry];
  const bool pointInUse =
      e.kind == kKindPoint && e.letter >= 1 && e.letter <= kMaxPoints && doc.PointLetterUsage[e.letter].used;
  if (((e.kind == kKindExplicit || e.kind == kKindFigure) && e.usedByPoint) || pointInUse) {
    host_.ShowMessage(kInUseMessage);
    return false;
  }
  if (!host_.AskWarning(5)) return false;
  ui.EntryModified = 1;
  if (space && e.kind == kKindExplicit) doc.SpaceSurfacePresent = 0;
  // A function goes with exactly the derivatives made from it; they lie behind it.
  if (e.kind == kKindExplicit)
    for (int d = doc.EntryCount; d > entry; --d)
      if (doc.FigureTable[d].kind == kKindDerivative && doc.FigureTable[d].link == entry) DeleteFigure(d);
  DeleteFigure(entry);
  return true;
}

void NavigatorModel::DeleteDefinition(int n, bool functions) {
  uint8_t& count = functions ? doc.DefinedFunctionCount : doc.DefinedConstantCount;
  auto& texts = functions ? doc.DefinedFunctionTexts : doc.DefinedConstantTexts;
  auto& usage = functions ? doc.DefinedFunctionUsage : doc.DefinedConstantUsage;
  if (n < 1 || n > count) return;
  if (n < count) {
    host_.ShowMessage(functions ? "定義関数は大きい番号から削除して下さい" : "定義定数は大きい番号から削除して下さい");
    return;
  }
  if (usage[n].used) {
    host_.ShowMessage(kInUseMessage);
    return;
  }
  if (!host_.AskWarning(functions ? 1 : 2)) return;
  texts[n].clear();
  ClearFlagTriple(usage[n]);
  if (!functions) doc.DefinedConstantValues[n] = 0;
  --count;
}

void NavigatorModel::RefreshAfterEdit() {
  doc.ParametersInUse = 1;
  RebuildEquationList();
  if (doc.ParametersInUse == 1) {
    modes.AnimationMode = 0;
    host_.ShowParameterPanel();
  }
  if (ui.EntryModified) {
    settings.TangentAfterImage = 0;
    doc.BackgroundDirty = 1;
    Macros().CompileMacro();
    settings.MacroRunning = 0;
    RedrawAll();
  }
}

void NavigatorModel::UpdateMenuState(int enable) {
  if (enable == 1)
    CalculusMenuEnabled = doc.CoordinateSystem == 0 && doc.KindCounts[kKindExplicit] > 0;
  else if (modes.AnimationMode >= 2 && modes.AnimationMode <= 5)
    CalculusMenuEnabled = false;
  IntervalButtonShown = doc.Dimension != 3;
}

bool DocumentIsUntouched() {
  if (!ui.DocumentUntouched) return false;
  if (doc.EntryCount || doc.DefinedFunctionCount || doc.DefinedConstantCount) return false;
  for (int i = 1; i <= doc.LabelCount && i <= kMaxLabels; ++i)
    if (HasText(doc.LabelTable[i].lines)) return false;
  return !HasText(doc.MemoLines) && !HasText(doc.MacroLines);
}
