#pragma once
// The plane view-settings window "画面設定２D": the coordinate system, the bounds of the
// view as formulas, the drawing size, the grid, the fonts of the axis numbers and of the
// point names, and for each axis its colour, display, name, tick density and unit, with the
// ticks and numbers, axis width, number position and arrow kind. Every change is drawn at
// once (RangeFormModel); the bounds and the size wait for "更新" or the close. The
// navigator opens it; while it is open the navigator is disabled and the parameter panel
// hidden. It closes itself and is freed on the next timer tick.
#include <QWidget>
#include <map>
#include <string>

#include "platform/RasterCanvas.h"
#include "ui/RangeForm.h"
#include "ui/RangeFormModel.h"

class CanvasView;
class ClickLabel;
class QAbstractButton;
class QComboBox;
class QSlider;
class QSpinBox;
class QTabWidget;
class QToolButton;
namespace platform {
class Dialogs;
}

class THanichange : public QWidget {
 public:
  explicit THanichange(platform::Dialogs* dialogs, QWidget* parent = nullptr);
  ~THanichange() override;

  RangeFormModel& Model() { return model_; }
  // The panels and size fields from the model (RefreshRangeForm).
  void ShowBounds();
  // Every control from the settings; nothing is redrawn.
  void SyncRangeFormButtons();

  // --- parts, for tests ---
  QAbstractButton* Control(const std::string& name) const;
  ClickLabel* BoundPanel(int i) const { return panels_[i]; }
  ClickLabel* SizeField(RangeAxis axis) const { return sizes_[axis == RangeAxis::X ? 0 : 1]; }
  CanvasView* CoordinateSelector() const { return selector_; }
  QTabWidget* Pages() const { return pages_; }
  QSlider* Density(RangeAxis axis) const { return density_[axis == RangeAxis::X ? 0 : 1]; }
  QComboBox* AxisName(RangeAxis axis) const { return names_[axis == RangeAxis::X ? 0 : 1]; }
  QSpinBox* FontSize(RangeFont which) const { return fontSizes_[which == RangeFont::Axis ? 0 : 1]; }
  // "更新": the drawing size and the bounds applied.
  void henkousinClick();
  // "終了".
  void syuuryouClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildRangePage();
  QWidget* BuildAxisPage();
  QWidget* BuildSelectorPage();
  QWidget* AxisGroup(RangeAxis axis);
  QWidget* FontGroup(RangeFont which);
  // A row of buttons that stand for one setting, by component name and caption.
  QWidget* ChoiceRow(std::initializer_list<std::pair<const char*, const char*>> items);
  QToolButton* Button(const char* name, const char* caption);
  // Why the bounds were refused, when they were.
  void Report(BoundsResult result);
  void AskBound(int i);
  void AskSize(RangeAxis axis);
  void ChooseFont(RangeFont which);
  void ChooseAxisColor(RangeAxis axis);
  void DrawSelector();
  void Selected(int x, int y);

  RangeFormModel model_;
  platform::Dialogs* dialogs_;
  QTabWidget* pages_ = nullptr;
  CanvasView* selector_ = nullptr;
  gfx::RasterCanvas selectorImage_;
  ClickLabel* panels_[4] = {};
  ClickLabel* sizes_[2] = {};
  QSlider* density_[2] = {};
  QComboBox* names_[2] = {};
  QSpinBox* fontSizes_[2] = {};
  QToolButton* axisColors_[2] = {};
  std::map<std::string, QAbstractButton*> controls_;
  bool syncing_ = false;
  bool closingByUser_ = false;  // "終了" was pressed
};

// The window while it exists.
extern THanichange* Hanichange;
