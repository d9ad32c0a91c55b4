// Asking the fields of an entry: the sequence of a new entry (timer job 2), the figure
// fields by type, and the editors of the single fields on the keyboard and the palette.
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/TableServices.h"
#include "platform/Runtime.h"
#include "ui/EntryDescriptions.h"
#include "ui/EntryFormController.h"
#include "ui/EntryFormHost.h"
#include "ui/EntryFormState.h"
#include "ui/EntryInputService.h"
#include "ui/PaletteModel.h"

namespace {

using F = EntryField;

bool IsTriangleConstruction(int code) { return (code >= 1 && code <= 5) || code == 25; }

int PointNumberOf(char letter) {
  for (int n = 1; n <= kMaxPoints; ++n)
    if (PointNameOrder[n - 1] == letter) return n;
  return 0;
}

// Both letters of the side are vertices of the triangle.
bool IsSideOf(const std::string& side, const std::string& vertices) {
  return side.size() == 2 && vertices.find(side[0]) != std::string::npos &&
         vertices.find(side[1]) != std::string::npos;
}

}  // namespace

// ---- the sequence of a new entry -----------------------------------------------------

bool EntryFormController::Ask(EntryField field) {
  if (closed_) return false;
  if (EditField(field)) return true;
  Abort();
  return false;
}

void EntryFormController::StartEntryInput() {
  if (closed_) return;
  Tfuncprop& e = Entry();
  const bool space = Space();
  switch (e.kind) {
    case kKindExplicit:
      if (Ask(F::Equ1) && !space) e.option32 = 1;
      return;
    case kKindDerivative:
    case kKindRelation:
      if (!space && Ask(F::Equ1)) e.option32 = 1;
      return;
    case kKindParametric:
      if (Ask(F::Equ1) && Ask(F::Equ2) && (!space || Ask(F::Equ22))) AskRangeAndClose();
      return;
    case kKindPolar:
      if (!space && Ask(F::Equ1)) AskRangeAndClose();
      return;
    case kKindPoint:
      if (space)
        AskSpacePoint();
      else
        AskPlanePoint();
      return;
    case kKindFigure:
      FigureToolCode = 0;
      while (FigureToolCode == 0) {
        if (!ChooseFigureTool()) return Abort();
      }
      if (!AskFigureFields()) Abort();
      return;
    default: return;
  }
}

// A curve is drawn only over a range of t; a cancelled bound keeps the curve as entered.
void EntryFormController::AskRangeAndClose() {
  if (EditField(F::Min)) EditField(F::Max);
  Close();
}

bool EntryFormController::AskFigureFields() {
  const int type = Entry().subkind;
  std::vector<EntryField> fields;
  if (!Space()) {
    switch (type) {
      case 1:
      case 11: fields = {F::Equ1, F::Equ2, F::Equ22}; break;
      case 2:
      case 3:
      case 4:
      case 5:
      case 9: fields = {F::Equ1, F::Equ2}; break;
      case 8: fields = {F::Equ1, F::Min}; break;
      case 6:
      case 7:
      case 10:
      case 12: fields = {F::Equ1}; break;
      default: break;
    }
  } else {
    switch (type) {
      case 1: fields = {F::Equ1, F::Equ3, F::Equ4, F::Equ5}; break;
      case 2:
      case 3:
      case 4:
      case 5:
      case 7: fields = {F::Equ1, F::Equ2}; break;
      case 6:
      case 12: fields = {F::Equ1}; break;
      case 8: fields = {F::Equ1, F::Min}; break;
      case 9: fields = {F::Equ1, F::Min, F::Equ3, F::Equ4, F::Equ5}; break;
      case 10: fields = {F::Equ1, F::Equ2, F::Equ3, F::Equ4, F::Equ5}; break;
      case 11: fields = {F::Equ1, F::Equ2, F::Equ22}; break;
      default: break;
    }
  }
  for (EntryField f : fields)
    if (!EditField(f)) return false;
  return true;
}

void EntryFormController::AskPlanePoint() {
  SetupPlaneEntry(EditedEntryIndex);
  Tfuncprop& e = Entry();
  if (EntryFormMode == 1 && IsTriangleConstruction(SavedEntryCopy.signedSubkind()) &&
      IsTriangleConstruction(e.signedSubkind())) {
    // One triangle centre turned into another keeps its vertices.
    e.texts[0] = SavedEntryCopy.texts[0];
    RefreshFieldTexts();
  } else if (!Ask(F::Equ1)) {
    return;
  }
  const int code = e.signedSubkind();
  switch (code) {
    case 0:
    case 20:
    case 21:
      if (!Ask(F::Min) || !Ask(F::Max)) return;
      // Ratios of opposite signs divide the segment neither inside nor outside.
      if (EvaluateText(e.texts[1], 0, 0, 0) * EvaluateText(e.texts[3], 0, 0, 0) < 0) e.subkind = 0;
      break;
    case 9:
      if (!Ask(F::Equ2) || !Ask(F::Min)) return;
      break;
    case 10:
      if (!Ask(F::Min)) return;
      break;
    default:
      if ((code >= 1 && code <= 4) || (code >= 22 && code <= 25) || code > 28) break;
      if (!Ask(F::Equ2)) return;
      break;
  }
  RefreshDescription();
  Changed();
}

void EntryFormController::AskSpacePoint() {
  Tfuncprop& e = Entry();
  view_.label7 = DescribePointEntry(e);
  Changed();
  if (!Ask(F::Equ1)) return;
  switch (e.signedSubkind()) {
    case 0:
    case 20:
    case 21:
    case 30:
      if (!Ask(F::Min)) return;
      break;
    case 5:
    case 6:
    case 7:
    case 26:
    case 27:
    case 31:
    case 32:
    case 33:
    case 35:
    case 40:
    case 45:
      if (!Ask(F::Equ2)) return;
      break;
    case 34:
      if (Ask(F::Equ2)) Close();
      return;
    case -1:
      if (!Ask(F::Equ2) || !Ask(F::Equ22)) return;
      break;
    default: break;
  }
  RefreshDescription();
  Changed();
}

// ---- one field -----------------------------------------------------------------------

bool EntryFormController::EditField(EntryField field) {
  if (closed_) return false;
  if (field == F::Equ1 && !view_.equ1Enabled) return false;
  Tfuncprop& e = Entry();
  const EntryFieldSpec spec = FieldSpecFor(e, Space(), field, view_.upDownPosition);
  view_.editing = field;
  Changed();
  bool stored = false;
  switch (spec.source) {
    case FieldSource::None:
    case FieldSource::Display: break;
    case FieldSource::Keyboard: stored = EditWithKeyboard(spec, field); break;
    case FieldSource::SequencePoint: stored = EditSequencePoint(spec); break;
    case FieldSource::Letters: stored = EditLetters(spec, field); break;
    case FieldSource::LetterList: stored = EditLetterList(spec, FieldPlace(field).first); break;
    case FieldSource::FigurePoint: stored = PickFigurePoint(EditedEntryIndex, spec.slot); break;
    case FieldSource::FigureNumber: stored = EditFigureNumber(spec, field); break;
  }
  view_.editing = F::None;
  if (stored) {
    ui.EntryModified = 1;
    if (e.kind == kKindRelation && field == F::Equ1) AfterRelationEdit();
    RefreshDescription();
  }
  RefreshFieldTexts();
  Changed();
  return stored;
}

// An equation is a curve; an inequality a region with a brush and a boundary.
void EntryFormController::AfterRelationEdit() {
  Tfuncprop& e = Entry();
  e.option63 = static_cast<uint8_t>(EquationKindOfFormula(e.texts[0]));
  if (e.option63 == 1) {
    e.brushStyle = 1;
    LayoutFields(1);
    view_.Show(EntryControl::LineKind);
  } else {
    DrawColorStyleSelector(brush_, e.brushStyle, e.brushColor, 0);
    LayoutFields(2);
  }
}

void EntryFormController::PlaceKeyboard(const EntryFieldSpec& spec, int& top, int& right) {
  if (spec.besideWindow) {
    top = geometry.top + 200;
    right = geometry.left + 278;
    return;
  }
  const int mode = EntryFormMode;
  if (mode == 0 || mode == 1 || mode == 3 || mode == 4) {
    // Beside the navigator, level with the style panel.
    KeyboardRight = EntryHost().NavigatorLeft() + EntryHost().NavigatorWidth();
    const int height = view_.formHeight + geometry.frameExtra;
    KeyboardTop = height + view_.contTop + geometry.top - view_.syuuTop - entry_layout::kSyuuHeight;
  }
  top = KeyboardTop;
  right = KeyboardRight;
}

void EntryFormController::AskPalette(int mode, int result) {
  clpanel.ClpanelMode = static_cast<uint8_t>(mode);
  clpanel.ClpanelResult = static_cast<uint8_t>(result);
  ui.InputCancelled = 0;
  input_.ShowPalette(geometry.left + 2, geometry.top + geometry.frameExtra + view_.contTop + 30);
}

bool EntryFormController::EditWithKeyboard(const EntryFieldSpec& spec, EntryField field) {
  Tfuncprop& e = Entry();
  std::string& target = spec.text == kStepText ? e.stepText : e.texts[spec.text];
  int top = 0, right = 0;
  PlaceKeyboard(spec, top, right);
  std::string result;
  if (!input_.EditText(target, spec.caption, spec.keyboardKind, top, right, result)) return false;
  target = result;
  if (field == F::Equ23) StepValue = EvaluateText(e.stepText, 0, 0, 0);
  return true;
}

// The coordinate goes into the point sequence itself; a value that does not evaluate
// leaves the point as it was.
bool EntryFormController::EditSequencePoint(const EntryFieldSpec& spec) {
  const Tfuncprop& e = Entry();
  const size_t i = static_cast<size_t>(view_.upDownPosition - 1);
  if (e.letter < 1 || e.letter > kMaxPoints || i >= doc.PointSequences[e.letter].size()) return false;
  const EntryField field = spec.axis == 0 ? F::Equ1 : spec.axis == 1 ? F::Equ2 : F::Equ22;
  int top = 0, right = 0;
  PlaceKeyboard(spec, top, right);
  std::string result;
  if (!input_.EditText(FieldText(field), spec.caption, spec.keyboardKind, top, right, result)) return false;
  const Extended value = EvaluateText(result, 0, 0, 0);
  if (!eng.EvalOK) return false;
  TSpacePoint& p = doc.PointSequences[e.letter][i];
  (spec.axis == 0 ? p.x : spec.axis == 1 ? p.y : p.z) = value;
  return true;
}

// The letters a field may name: for a constructed point the single points before it
// (never itself, and never a point that is computed after it), on a geodesic the points
// on its sphere, elsewhere every single point.
void EntryFormController::MarkPointsFor(const EntryFieldSpec& spec, EntryField field) {
  const Tfuncprop& e = Entry();
  if (e.kind == kKindPoint) {
    MarkUsedPointNames(2, 0, EditedEntryIndex - 1);
  } else if (Space() && e.kind == kKindFigure && e.subkind == 7 && field == F::Equ2) {
    CountPointsOnCircle(static_cast<int>(rtl::StrToIntDef(rtl::Trim(e.texts[0]), 0)), true);
  } else {
    MarkUsedPointNames(2, 0, doc.EntryCount);
  }
}

bool EntryFormController::EditLetters(const EntryFieldSpec& spec, EntryField field) {
  Tfuncprop& e = Entry();
  const EntryRow row = FieldPlace(field).first;
  const bool side = e.kind == kKindPoint && e.subkind == 5 && field == F::Equ2;
  std::string text;
  for (;;) {
    text.clear();
    view_.Row(row).texts[0].clear();
    MarkPointsFor(spec, field);
    if (!PickPointLetters(spec.count, row, text)) return false;
    // The side of an excircle is two of the triangle's vertices; any other pair is asked again.
    if (!side || IsSideOf(text, e.texts[0])) break;
  }
  e.texts[spec.text] = text;
  return true;
}

bool EntryFormController::PickPointLetters(int count, EntryRow row, std::string& text) {
  while (static_cast<int>(text.size()) < count) {
    char letter = 0;
    if (!PickPointLetter(letter)) return false;
    if (!letter) continue;  // the list is not complete yet
    text += letter;
    view_.Row(row).texts[0] = text;
    Changed();
  }
  return true;
}

bool EntryFormController::PickPointLetter(char& letter) {
  AskPalette(6);
  if (ui.InputCancelled) return false;
  const int n = clpanel.ClpanelResult;
  letter = n >= 1 && n <= kMaxPoints ? PointNameOrder[n - 1] : 0;
  return true;
}

bool EntryFormController::EditLetterList(const EntryFieldSpec& spec, EntryRow row) {
  Tfuncprop& e = Entry();
  MarkUsedPointNames(3, 0, doc.EntryCount);
  std::string text;
  view_.Row(row).texts[0].clear();
  for (;;) {
    char letter = 0;
    if (!PickPointLetter(letter)) return false;
    if (!letter) {
      if (text.size() >= 2) break;
      continue;
    }
    const int n = PointNumberOf(letter);
    if (n == 0) continue;
    if (text.empty() && doc.PointSequences[n].size() > 2) {
      // A point sequence alone is the whole list.
      text = letter;
      e.letter = static_cast<uint8_t>(n);
      break;
    }
    text += letter;
    view_.Row(row).texts[0] = text;
    Changed();
  }
  e.texts[spec.text] = text;
  return true;
}

bool EntryFormController::PickFigurePoint(int entry, int slot) {
  Tfuncprop& e = doc.FigureTable[entry];
  MarkUsedPointNames(2, 0, doc.EntryCount);
  // The two ends of a figure are two points.
  if (FieldSpecFor(e, Space(), F::Equ2, 1).source == FieldSource::FigurePoint)
    clpanel.SetPointAvailable(slot == 1 ? e.letter2 : e.letter, false);
  AskPalette(4);
  const int n = clpanel.ClpanelResult;
  if (ui.InputCancelled || n < 1 || n > kMaxPoints) return false;
  (slot == 1 ? e.letter : e.letter2) = static_cast<uint8_t>(n);
  e.texts[slot - 1] = std::string(1, PointNameOrder[n - 1]);
  return true;
}

bool EntryFormController::EditFigureNumber(const EntryFieldSpec& spec, EntryField field) {
  Tfuncprop& e = Entry();
  // Two figures of one construction are two different figures.
  int other = 0;
  if (field == F::Equ1 || field == F::Equ2) {
    const EntryFieldSpec o = FieldSpecFor(e, Space(), field == F::Equ1 ? F::Equ2 : F::Equ1, 1);
    if (o.source == FieldSource::FigureNumber)
      other = static_cast<int>(rtl::StrToIntDef(rtl::Trim(e.texts[o.text]), 0));
  }
  clpanel.ClpanelMode = static_cast<uint8_t>(spec.pickerMode);
  ShowFigureNumberPicker(other);
  AskPalette(spec.pickerMode);
  const int i = clpanel.ClpanelResult;
  if (ui.InputCancelled || i < 1 || i > static_cast<int>(doc.FigureKindList.size())) return false;
  e.texts[spec.text] = rtl::IntToStr(doc.FigureKindList[static_cast<size_t>(i - 1)]);
  return true;
}
