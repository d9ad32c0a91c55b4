#include "ui/EntryFormController.h"

#include <algorithm>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "render/RedrawPipeline.h"
#include "ui/EntryFormHost.h"
#include "ui/EntryFormState.h"
#include "ui/EntryInputService.h"
#include "ui/PointRename.h"

int32_t EditedEntryIndex = 0;
Tfuncprop SavedEntryCopy;

namespace {
constexpr gfx::Color kBrushStartColour = 0xFF8080;
}  // namespace

EntryFormController::EntryFormController(EntryInputService& input) : input_(input) {
  DrawColorStyleSelector(brush_, 1, kBrushStartColour, 0);
  ResetControls();
}

EntryFormController::~EntryFormController() { Timer1().SetJobAction(job::EntryInput, nullptr); }

Tfuncprop& EntryFormController::Entry() {
  return doc.FigureTable[std::clamp<int32_t>(EditedEntryIndex, 1, kMaxEntries)];
}

const Tfuncprop& EntryFormController::Entry() const {
  return doc.FigureTable[std::clamp<int32_t>(EditedEntryIndex, 1, kMaxEntries)];
}

bool EntryFormController::Space() const { return doc.Dimension == 3; }

void EntryFormController::Changed() {
  if (window_) window_->ModelChanged();
}

const char* EntryFormController::Equ1Hint() const {
  return settings.AfterImageHistory ? "残像消去後に操作して下さい" : "クリックすると変更できます";
}

// ---- life ---------------------------------------------------------------------------

bool EntryFormController::Open(int entry, int32_t maxIndex, int mode, int left) {
  if (entry < 1 || entry > doc.EntryCount) return false;
  modes.LabelsShown = 1;
  view_.upDownMax = std::max<int32_t>(maxIndex, 1);
  view_.upDownPosition = 1;
  EditedEntryIndex = entry;
  EntryFormMode = static_cast<uint8_t>(mode);
  geometry.left = left;
  geometry.top = EntryHost().NavigatorTop() + 40;
  if (mode == 9) {
    ui.SubFormOpen = 1;
    geometry.left = EntryHost().NavigatorLeft();
    ui.GraphMouseMode = 1;
  }
  return true;
}

void EntryFormController::FormShow() {
  InitColorStyleButtonRects(brush_);
  ui.SubFormOpen = 1;
  EntryHost().EnableFileMenu(false);
  view_.Hide(EntryControl::Func3dColor);
  EntryHost().HideParameterPanel();
  EntryHost().UpdateMenuState(false);
  EntryHost().EnableGraphPopupMenu(false);
  view_.Hide(EntryControl::CancelBT);
  view_.Hide(EntryControl::LineConect);
  cancelled_ = false;
  closed_ = false;
  renames_.clear();
  ui.InputCancelled = 0;
  SetupEntry();
  const Tfuncprop& e = Entry();
  const bool newEntry = (EntryFormMode == 0 || EntryFormMode == 3) && e.kind < 9 && e.signedSubkind() < 100;
  const bool constructionChosen = EntryFormMode == 1 && e.kind == kKindPoint && ui.PointConstructionChosen;
  Timer1().SetJobAction(job::EntryInput, [this] { StartEntryInput(); });
  if (newEntry || constructionChosen) Timer1().Arm(job::EntryInput);
}

void EntryFormController::SetupEntry() {
  if (Space())
    SetupSpaceEntry(EditedEntryIndex);
  else
    SetupPlaneEntry(EditedEntryIndex);
}

void EntryFormController::EndClicked() { Close(); }

void EntryFormController::CancelClicked() {
  cancelled_ = true;
  Close();
}

void EntryFormController::DeleteClicked() {
  if (EntryFormMode != 1 && EntryFormMode != 4) return;
  EntryHost().DeleteEntry(EditedEntryIndex, EntryFormMode);
  Close();
}

void EntryFormController::Abort() {
  cancelled_ = true;
  Close();
}

void EntryFormController::Close() {
  if (closed_) return;
  closed_ = true;
  FormClose();
  if (window_) window_->CloseWindow();
}

void EntryFormController::FormClose() {
  EntryFormHost& host = EntryHost();
  host.SetPointGuideShown(false);
  modes.SnapMode = 2;
  host.EnableFileMenu(true);
  host.UpdateMenuState(true);
  host.EnableGraphPopupMenu(true);
  ui.SubFormOpen = 0;
  const int mode = EntryFormMode;
  if (cancelled_) {
    // The document as it was: renames undone last one first, then the entry itself.
    for (auto it = renames_.rbegin(); it != renames_.rend(); ++it) RenamePointLetter(it->second, it->first);
    if (mode == 1 || mode == 4) Entry() = SavedEntryCopy;
  } else {
    if ((mode == 0 || mode == 1 || mode == 3 || mode == 4) && EditedEntryIndex <= doc.EntryCount)
      ClassifyFigure(Entry());
    if (mode < 9) {
      modes.AnimationMode = 6;
      ResetModeFlags();
    }
  }
  renames_.clear();
  ui.InputCancelled = cancelled_ ? 1 : 0;
  Timer1().FreeAfterClose(job::FreeEntryWindow, window_ ? window_->FreeAction() : nullptr);
}

// ---- style controls ------------------------------------------------------------------

void EntryFormController::SetDashed(bool dashed) {
  Entry().dashed = dashed ? 1 : 0;
  ui.EntryModified = 1;
}

void EntryFormController::SetPenWidth(int width) {
  Entry().penWidth = static_cast<uint8_t>(std::clamp(width, 1, 3));
  ui.EntryModified = 1;
}

void EntryFormController::SetAfterImage(bool on) {
  Entry().afterImage = on ? 1 : 0;
  ui.EntryModified = 1;
}

void EntryFormController::ChooseColourOf(int32_t& colour) {
  if (const auto chosen = input_.ChooseColor(colour)) {
    colour = *chosen;
    ui.EntryModified = 1;
    Changed();
  }
}

void EntryFormController::ChooseColour() { ChooseColourOf(Entry().color); }

void EntryFormController::ChooseBackColour() { ChooseColourOf(Entry().brushColor); }

void EntryFormController::SetBoundaryItem(int index) {
  // Choosing the item already chosen changes nothing, and forgets no earlier edit.
  Tfuncprop& e = Entry();
  if (index == e.noBoundary || index < 0 || index > 1) return;
  e.noBoundary = static_cast<uint8_t>(index);
  ui.EntryModified = 1;
}

void EntryFormController::SetArrowStyle(int style) {
  Entry().arrowStyle = style ? 1 : 0;
  ui.EntryModified = 1;
}

void EntryFormController::SetArrowAtEnd(bool on) {
  Entry().arrowAtEnd = on ? 1 : 0;
  view_.Show(EntryControl::ArrowKind, on);
  ui.EntryModified = 1;
  Changed();
}

void EntryFormController::SetContinued(bool on) {
  Entry().continued = on ? 1 : 0;
  ui.EntryModified = 1;
}

void EntryFormController::SetAngleWithin180(bool on) {
  Entry().angleWithin180 = on ? 1 : 0;
  ui.EntryModified = 1;
}

void EntryFormController::SetPlaneKind(bool on) {
  Entry().option32 = on ? 1 : 0;
  ui.EntryModified = 1;
  RedrawAll();
}

void EntryFormController::SetSegmentMark(int value) {
  Entry().option64 = static_cast<uint8_t>(std::clamp(value, 1, 5));
  ui.EntryModified = 1;
}

void EntryFormController::SetPointFill(int value) {
  Entry().option64 = value == 2 ? 2 : 1;
  ui.EntryModified = 1;
}

void EntryFormController::SetLabelPosition(int pos) {
  Entry().labelPos = static_cast<uint8_t>(std::clamp(pos, 1, 9));
  ui.EntryModified = 1;
}

void EntryFormController::SetLabelText(const std::string& cp932) {
  const int mode = EntryFormMode;
  if (mode != 0 && mode != 1 && mode != 3 && mode != 4) return;
  Entry().texts[2] = cp932;
  view_.Row(EntryRow::Moji).texts[0] = cp932;
  ui.EntryModified = 1;
}

void EntryFormController::BrushPressed(int x, int y) {
  PressColorStyleButton(brush_, x, y, Entry().brushColor, 0);
  Changed();
}

void EntryFormController::BrushReleased(int x, int y) {
  Tfuncprop& e = Entry();
  const int hit = SelectColorStyleButton(brush_, x, y, e.brushColor, 0);
  if (hit == 0) {
    ChooseColourOf(e.brushColor);
  } else if (hit > 0) {
    e.brushStyle = static_cast<uint8_t>(hit);
  }
  DrawColorStyleSelector(brush_, e.brushStyle, e.brushColor, 0);
  Changed();
}

void EntryFormController::UpDown1Click(int position) {
  const int max = view_.upDownMax;
  if (position < 1) position = max;
  if (position > max) position = 1;
  view_.upDownPosition = position;
  SetupEntry();
}
