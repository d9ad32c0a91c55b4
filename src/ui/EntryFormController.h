#pragma once
// The entry input and correction window's logic (Tcorrectform) without widgets: it fills
// one entry of the figure table field by field through an EntryInputService, keeps the
// view the window shows, and runs the window's life from show to close. The Qt window is
// a thin view over it; tests drive it with a scripted input service.
//
// Modes: 0 new plane entry, 1 correction in the plane, 2 the derivative just made by the
// derivative button, 3 new space entry, 4 correction in space, 9 shown without a modal loop.
#include <cstdint>
#include <utility>
#include <vector>

#include "animate/ModelView.h"
#include "formula/Tfuncprop.h"
#include "platform/Extended.h"
#include "ui/ColorStyleSelector.h"
#include "ui/EntryFormTables.h"
#include "ui/EntryFormView.h"

class EntryInputService;

class EntryFormController {
 public:
  explicit EntryFormController(EntryInputService& input);
  ~EntryFormController();
  EntryFormController(const EntryFormController&) = delete;
  EntryFormController& operator=(const EntryFormController&) = delete;

  // ---- the window ----
  // Told when the view (or the entry's style) changed, asked to go once the close has been
  // handled (CloseWindow), and for the deferred free of timer job 22. The caller keeps
  // ownership; nullptr: no window.
  void SetWindow(ModelView* window) { window_ = window; }
  // The window's outer left and top on the screen and its frame's extra height (outer
  // height less the client height); the logic moves the window by changing left and top.
  struct Geometry {
    int left = 0, top = 0, frameExtra = 0;
  } geometry;

  // ---- life ----
  // ShowCorrectForm's work: the entry, UpDown1's range 1..maxIndex, the mode and the left
  // edge. False (nothing changed) for an entry outside the table.
  bool Open(int entry, std::int32_t maxIndex, int mode, int left);
  void FormShow();
  // Timer job 2: asks the fields of a new entry in turn.
  void StartEntryInput();
  // "終了", "中止" and "削除"; the title bar's close acts as "終了".
  void EndClicked();
  void CancelClicked();
  void DeleteClicked();
  // Closes once: FormClose, then hideWindow.
  void Close();
  bool Closed() const { return closed_; }
  bool Cancelled() const { return cancelled_; }

  // ---- the parts of the window ----
  void SetupPlaneEntry(int entry);
  void SetupSpaceEntry(int entry);
  void LayoutFields(int code);
  // Recomputes the pixel layout from the rows and controls shown.
  void Restack();
  // A click on a field: edits it; true when a value was stored.
  bool EditField(EntryField field);
  bool AskFigureFields();
  // The figure-tool palette; false when cancelled. A chosen type becomes the entry's.
  bool ChooseFigureTool();
  // Letters from the palette (mode 6) appended to `text` until it holds `count` letters.
  bool PickPointLetters(int count, EntryRow row, std::string& text);
  // One letter, 0 when the palette's OK ended the list; false when cancelled.
  bool PickPointLetter(char& letter);
  // One point (palette mode 4) for the figure's `letter` (slot 1) or `letter2` (slot 2).
  bool PickFigurePoint(int entry, int slot);
  // "導関数表示".
  void DefButtonClick();
  // A click on the figure's picture: another figure type.
  void ChangeFigureType();
  // The point-name button.
  void ChangePointLetter();
  // UpDown1 moved to `position` (it wraps within 1..maximum).
  void UpDown1Click(int position);

  // ---- style controls; each change sets ui.EntryModified ----
  void SetDashed(bool dashed);
  void SetPenWidth(int width);
  void SetAfterImage(bool on);
  void ChooseColour();       // colorpanel and fcpanel
  void ChooseBackColour();   // bcpanel
  void SetBoundaryItem(int index);  // bdvis
  void SetArrowStyle(int style);
  void SetArrowAtEnd(bool on);
  void SetContinued(bool on);
  void SetAngleWithin180(bool on);
  void SetPlaneKind(bool on);
  void SetSegmentMark(int value);   // option64 1..5
  void SetPointFill(int value);     // option64 1 ● / 2 ○
  void SetLabelPosition(int pos);   // 1..9, 3 no label
  void SetLabelText(const std::string& cp932);  // mojiedit
  // The brush selector: pressed and released at (x, y) in its picture.
  void BrushPressed(int x, int y);
  void BrushReleased(int x, int y);

  // ---- what the window shows ----
  const EntryFormView& View() const { return view_; }
  const ColorStyleSelector& Brush() const { return brush_; }
  // equ1's hint (UTF-8).
  const char* Equ1Hint() const;
  Tfuncprop& Entry();
  const Tfuncprop& Entry() const;
  bool Space() const;

  std::uint8_t EntryFormMode = 0;
  std::uint8_t FigureToolCode = 0;
  std::int32_t KeyboardRight = 0, KeyboardTop = 0;
  Extended StepValue = 0;

 private:
  void Changed();
  void SetupEntry();
  void ResetControls();
  void SetupPlaneFigure(Tfuncprop& e);
  void SetupSpaceFigure(Tfuncprop& e);
  void SetupPointRows(Tfuncprop& e);
  void SetFigureCaptions(int type);
  void RefreshFieldTexts();
  std::string FieldText(EntryField field) const;
  void RefreshDescription();
  void AfterRelationEdit();
  // The palette in `mode` below the style panel; the caller prepared its letters or figures.
  void AskPalette(int mode, int result = 0);
  void ChooseColourOf(std::int32_t& colour);
  void PlaceKeyboard(const EntryFieldSpec& spec, int& top, int& right);

  bool Ask(EntryField field);  // one step of a sequence; a cancel closes the window
  void Abort();
  // The two bounds of t of a new curve, then the window closes.
  void AskRangeAndClose();
  void AskPlanePoint();
  void AskSpacePoint();
  bool EditWithKeyboard(const EntryFieldSpec& spec, EntryField field);
  bool EditSequencePoint(const EntryFieldSpec& spec);
  bool EditLetters(const EntryFieldSpec& spec, EntryField field);
  bool EditLetterList(const EntryFieldSpec& spec, EntryRow row);
  bool EditFigureNumber(const EntryFieldSpec& spec, EntryField field);
  void MarkPointsFor(const EntryFieldSpec& spec, EntryField field);
  void FormClose();

  EntryInputService& input_;
  EntryFormView view_;
  ColorStyleSelector brush_;
  bool cancelled_ = false;
  bool closed_ = false;
  // Renames made in this window, undone when it is cancelled.
  std::vector<std::pair<int, int>> renames_;
  ModelView* window_ = nullptr;
};
