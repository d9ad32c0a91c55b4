#pragma once
// The space view-settings window "画面設定３Ｄ": how surfaces are drawn and on how many
// divisions, the colour options, the sizes of the axis names and point names (and the
// point names' font), the axes, range box and point guides, and the side of the square
// drawing area. Every control writes its setting at once and redraws, through the
// SpaceViewSettingsModel; the drawing size is applied by its "set" button. The window is
// made when it is first asked for and freed after it closes.
#include <QWidget>

#include "ui/SpaceViewSettingsModel.h"

class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QToolButton;

class Thanni3d : public QWidget {
 public:
  explicit Thanni3d(QWidget* parent = nullptr);
  ~Thanni3d() override;

  SpaceViewSettingsModel& Model() { return model_; }
  // The size field follows the drawing after the graph window was resized.
  void chengesize();
  // "1辺のピクセル数": the side asked on the formula keyboard.
  void gsizeClick();
  // "set": the drawing area becomes a square of the side in the size field.
  void resizeClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Escape closes it, as the close box does.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  // The controls from the settings; their change handlers do nothing meanwhile.
  void FormShow();
  QCheckBox* Switch(QWidget* parent, const char* name, const char* caption, int x, int y, int w,
                    SpaceViewSwitch which);
  // The spin box's changes go to the model (not while the controls are filled).
  void OnValue(QSpinBox* spin, void (SpaceViewSettingsModel::*set)(int));

  SpaceViewSettingsModel model_;
  bool loading_ = false;
  QSpinBox* bunkatusuu_ = nullptr;
  QButtonGroup* draw3dkind_ = nullptr;
  QCheckBox* switches_[7] = {};
  QToolButton* pnrfntBT_ = nullptr;
  QToolButton* potfntBt_ = nullptr;
  QSpinBox* pfontsize_ = nullptr;
  QSpinBox* mfontsize_ = nullptr;
  QSpinBox* gsize_ = nullptr;
};

// The window while it exists.
extern Thanni3d* hanni3d;

// The navigator's "画面設定" in space: the window made when there is none, placed at
// (left, top) and shown.
void ShowThanni3d(int left, int top);
// The graph window's drawing changed size: the open window's size field follows it.
void FollowSpaceDrawingSize(int size);
