#pragma once
// The entry input and correction window: rows of click-to-edit fields over the style
// panel, drawn from the EntryFormController's view and the entry's style fields. Every
// click goes to the controller; the window only shows what it decides.
#include <QDialog>
#include <array>
#include <cstdint>

#include "platform/Dialogs.h"
#include "platform/RasterCanvas.h"
#include "ui/EntryFormController.h"
#include "ui/QtEntryInput.h"

class CanvasView;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class Tcorrectform : public QDialog, private ModelView {
 public:
  explicit Tcorrectform(QWidget* parent = nullptr);

  EntryFormController& Controller() { return controller_; }

  // The widgets, for tests: a field by the row's field name, a control by the view's name.
  QLabel* Field(EntryField field) const;
  QWidget* RowPanel(EntryRow row) const;
  QWidget* Control(EntryControl control) const;
  QLabel* Title() const { return label7_; }
  QLineEdit* LabelEdit() const { return mojiEdit_; }
  QPushButton* EndButton() const { return endButton_; }
  QPushButton* DeleteButton() const { return delButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QButtonGroup* WidthGroup() const { return widthGroup_; }

  // The title bar's close: as "終了".
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct RowWidgets {
    QFrame* panel = nullptr;
    QLabel* caption = nullptr;
    std::array<QLabel*, 3> fields{};
  };

  void Build();
  void BuildTitleRow();
  void BuildRows();
  // The style panel, one builder per group of controls, in the order they are made.
  void BuildStylePanel();
  void AddControl(EntryControl control, QWidget* widget);
  void BuildColourAndAfterImage();
  void BuildWidthBox();
  void BuildLineBoxes();
  void BuildArrowKindBox();
  QCheckBox* AddStyleCheck(EntryControl control, const char* caption, int top, void (EntryFormController::*set)(bool));
  void BuildStyleChecks();
  void BuildLabelPositionBox();
  void BuildFaceColours();
  void BuildBottom();
  void Refresh();
  // What the entry window's logic asks of the window.
  void ModelChanged() override;
  void CloseWindow() override;
  std::function<void()> FreeAction() override;
  void RefreshStyle();
  void KeepGeometry();

  platform::QtDialogs dialogs_;
  QtEntryInput input_{dialogs_};
  EntryFormController controller_{input_};
  bool shown_ = false;
  bool refreshing_ = false;

  QLabel* label7_ = nullptr;
  QPushButton* pointName_ = nullptr;
  CanvasView* lineImage_ = nullptr;
  gfx::RasterCanvas lineImagePicture_{35, 35};
  QPushButton* defButton_ = nullptr;
  QSpinBox* upDown_ = nullptr;
  std::array<RowWidgets, static_cast<size_t>(EntryRow::Count)> rows_{};
  std::array<QLabel*, 4> equ3Marks_{};  // "（", "，", "，", "）"
  QLabel* label8_ = nullptr;
  QLineEdit* mojiEdit_ = nullptr;

  QFrame* contPanel_ = nullptr;
  QLabel* colorPanel_ = nullptr;
  QCheckBox* afterImage_ = nullptr;
  QButtonGroup* widthGroup_ = nullptr;
  QButtonGroup* lineKindGroup_ = nullptr;
  QButtonGroup* bdvisGroup_ = nullptr;
  QButtonGroup* arrowKindGroup_ = nullptr;
  QButtonGroup* segKindGroup_ = nullptr;
  QButtonGroup* pointHowGroup_ = nullptr;
  QButtonGroup* labelPosGroup_ = nullptr;
  QCheckBox* arrowCheck_ = nullptr;
  QCheckBox* lineConect_ = nullptr;
  QCheckBox* planeKind_ = nullptr;
  QCheckBox* argChoice_ = nullptr;
  CanvasView* brushView_ = nullptr;
  QFrame* func3d_ = nullptr;
  QLabel* fcPanel_ = nullptr;
  QLabel* bcPanel_ = nullptr;
  QFrame* syuuPanel_ = nullptr;
  QPushButton* endButton_ = nullptr;
  QPushButton* delButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  std::array<QWidget*, static_cast<size_t>(EntryControl::Count)> controls_{};
};

// Opens the entry window on FigureTable entry `entry` (see EntryFormController for the
// modes) at the left edge `left`, 40 pixels below the navigator's top; UpDown1 runs over
// 1..maxIndex (a point sequence's length). Modal for every mode but 9. Afterwards
// ui.InputCancelled tells whether the entry was cancelled; for modes 1 and 4 the caller
// sets SavedEntryCopy first. The window frees itself through timer job 22.
void ShowCorrectForm(int entry, std::int32_t maxIndex, int mode, int left);
