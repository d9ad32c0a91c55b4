// The window's commands beside the fields: the derivative button, another figure type,
// and renaming the point.
#include "formula/DocumentState.h"
#include "ui/DerivativeEntry.h"
#include "ui/EntryFormController.h"
#include "ui/EntryFormState.h"
#include "ui/EntryInputService.h"
#include "ui/PaletteModel.h"
#include "ui/PointRename.h"

namespace {
bool IsTwoPointType(int type) { return type >= 2 && type <= 5; }
}  // namespace

void EntryFormController::DefButtonClick() {
  if (EntryFormMode != 1 || !view_.Shown(EntryControl::DefButton)) return;
  const int derivative = InsertDerivativeEntry(EditedEntryIndex);
  if (!derivative) return;
  ui.EntryModified = 1;
  view_.upDownMax = doc.EntryCount;
  EditedEntryIndex = derivative;
  EntryFormMode = 2;
  SetupPlaneEntry(derivative);
}

bool EntryFormController::ChooseFigureTool() {
  AskPalette(5);
  if (ui.InputCancelled) return false;
  const int type = clpanel.ChosenFigureType;
  if (type == 0) return true;  // "OK" without a tool
  Tfuncprop& e = Entry();
  e.subkind = static_cast<uint8_t>(type);
  FigureToolCode = static_cast<uint8_t>(type);
  e.option63 = 1;
  e.brushStyle = 1;
  SetupEntry();
  return true;
}

void EntryFormController::ChangeFigureType() {
  Tfuncprop& e = Entry();
  if (e.kind != kKindFigure) return;
  if (e.usedByPoint) {
    input_.ShowMessage("他の式で使っているので種類を変更できません");
    Changed();
    return;
  }
  const Tfuncprop copy = e;
  if (!ChooseFigureTool() || e.subkind == copy.subkind) {
    e.subkind = copy.subkind;
    FigureToolCode = copy.subkind;
    SetupEntry();
    return;
  }
  ui.EntryModified = 1;
  // Lines, segments and rays of the plane share their two points; any other change asks anew.
  if (Space() || !IsTwoPointType(copy.subkind) || !IsTwoPointType(e.subkind)) {
    for (std::string& text : e.texts) text.clear();
    e.dashed = 0;
    SetupEntry();
    if (!AskFigureFields()) {
      Entry() = copy;
      FigureToolCode = copy.subkind;
    }
  }
  SetupEntry();
}

void EntryFormController::ChangePointLetter() {
  Tfuncprop& e = Entry();
  if (e.kind != kKindPoint || e.subkind == 100) return;
  const int old = e.letter;
  MarkUsedPointNames(1, old, doc.EntryCount);
  AskPalette(3, old);
  const int chosen = clpanel.ClpanelResult;
  if (ui.InputCancelled || chosen < 1 || chosen > kMaxPoints || chosen == old) return;
  if (!RenamePointLetter(old, chosen)) return;
  renames_.emplace_back(old, chosen);
  if (EntryFormMode == 0 || EntryFormMode == 3) e.texts[2] = std::string(1, PointNameOrder[chosen - 1]);
  ui.EntryModified = 1;
  SetupEntry();
}
