#pragma once
// The label editor window: the label number with the buttons that step through the
// labels, add and delete them; the kind of position (pixels, or a point of the graph
// with its x, y and z texts asked on the formula keyboard); the offsets; font size and
// colour; the background style, transparency and colour; visibility; and the memo that
// holds the label's markup lines. Every change goes to the LabelEditorModel, which stores
// it and redraws the labels. While the window lives, the redraw pipeline writes the labels
// onto the graph window's picture through it.
#include <QWidget>

#include "ui/LabelEditorModel.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;
namespace platform {
class Dialogs;
}

class Tlabeleditor : public QWidget, private ModelView {
 public:
  explicit Tlabeleditor(QWidget* parent = nullptr);
  ~Tlabeleditor() override;

  LabelEditorModel& Model() { return model_; }
  // Colour and font dialogs.
  platform::Dialogs* dialogs = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One builder per group of controls, in the order they are made.
  void BuildControls();
  void BuildNumberRow();
  void BuildCoordKindBox();
  void BuildOffsetBox();
  void BuildPositionPanel();
  void BuildFontBox();
  void BuildBackBox();
  void BuildShownCheck();
  void BuildMemo();
  // The controls show the current label (changing them here stores nothing).
  void Sync();
  // What the model asks of the window.
  void ModelChanged() override;
  void AskPosition(int axis);
  void ChooseColor(bool background);
  void ChooseMemoFont();
  void ApplyMemoFont();

  LabelEditorModel model_;
  bool loading_ = false;
  bool typing_ = false;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  QLabel* number_ = nullptr;
  QToolButton* add_ = nullptr;
  QToolButton* delete_ = nullptr;
  QRadioButton* absolute_ = nullptr;
  QRadioButton* graphCoords_ = nullptr;
  QWidget* coordPanel_ = nullptr;
  QLabel* positions_[3] = {};
  QLabel* zComma_ = nullptr;
  QLabel* closing_ = nullptr;
  QSpinBox* leftShift_ = nullptr;
  QSpinBox* topShift_ = nullptr;
  QSpinBox* fontSize_ = nullptr;
  QLabel* fontColor_ = nullptr;
  QButtonGroup* backStyles_ = nullptr;
  QCheckBox* transparent_ = nullptr;
  QLabel* backColor_ = nullptr;
  QCheckBox* shown_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
};

// The program's label editor while it exists.
extern Tlabeleditor* labeleditor;

// The navigator's label command: a document without labels gets one; the editor is
// shown.
void ShowLabelEditor();
