#pragma once
// The parameter panel window: one row of buttons and panels per parameter in use, the step
// width group and the all-up and all-down buttons, over a ParameterPanelModel. The window
// builds its widgets from the parameter table, forwards every event to the model and shows
// what the model holds after each change.
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "animate/ParameterPanelModel.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QRadioButton;
class QToolButton;

// The timer's backend is the program's to install (a QtTimerBackend into Timer1() at
// start-up, and back to none before the application object goes).
class TValueChange : public QWidget, private ModelView {
 public:
  explicit TValueChange(ParameterPanelModel& model = ParameterPanel(), QWidget* parent = nullptr);
  ~TValueChange() override;

  ParameterPanelModel& Model() { return model_; }

  // Called by the navigator and the file reader: the parameter layout, shown.
  void ShowParameterForm();
  // The navigator's "区間設定" (AnimationMode 1 set): the panel shown in interval mode.
  void ShowIntervalPanel();

  // Components by name ("aupv", "valua", "sitaspin" ...) for tests and tools.
  QWidget* Component(const std::string& name) const;
  QMenu* AngleMenu() const { return angleMenu_; }
  // The part of the window below the rows where the after-image and macro controls go.
  QWidget* NaviPanel() const { return navipanel_; }

  // --- the macro group: the buttons of the tagged procedures, stop, the editor ---
  // Captions of the macro buttons 1..9 (CP932); a button without a caption is disabled.
  void ShowMacroButtons(const std::array<std::string, 9>& captions);
  void SetMacroButtonsEnabled(bool enabled);
  // Buttons 1..5 shown released.
  void ReleaseMacroButtons();
  // The status label, visible with the text (UTF-8) or hidden.
  void ShowMacroStatus(bool visible, const std::string& utf8);
  // While a procedure runs: the rows of a, b, c, d, k, m, n, p, s, t, θ and ω, the step
  // width, the all-up and all-down buttons and the editor button.
  void SetMacroControlsEnabled(bool enabled);
  // A macro button clicked: shown pressed while its procedure runs.
  void macroButtonClick(int number);
  // The editor button: the editor beside the panel, modal (nothing while a macro runs).
  void macroeditcli();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  struct RowWidgets {
    QWidget* panel = nullptr;
    QLabel* value = nullptr;
    QLabel* increment = nullptr;
  };

  void BuildRow(int row);
  QToolButton* MakeButton(QWidget* parent, const std::string& name, const QString& caption, int x, int y, int w,
                          int h);
  void HoldButton(QToolButton* button, int code);
  // What the model asks of the window.
  void ModelChanged() override;
  void CloseWindow() override;
  void Sync();
  void Register(const std::string& name, QWidget* widget);
  void BuildMacroGroup();
  void BuildAfterImageButtons();
  void SyncAfterImageButtons();
  // The interval layout's three panels (TValueChangeInterval.cpp), one builder per group
  // of controls, in the order they are made.
  struct IntervalStep;
  void BuildIntervalLayout();
  void MakeIntervalStepButton(QWidget* parent, const IntervalStep& step);
  void BuildIntervalEnd(bool upper, int left);
  void BuildMaxMinBox();
  void BuildIntervalMoveBox();
  void BuildIntervalSwitches();
  void BuildIntervalSelector();
  // Shown (stacked from `top`) or hidden; their bottom.
  int SyncIntervalLayout(bool shown, int top);

  ParameterPanelModel& model_;
  std::array<RowWidgets, kParameterRowCount> rows_{};
  QButtonGroup* stepWidths_ = nullptr;
  QToolButton* allUp_ = nullptr;
  QToolButton* allDown_ = nullptr;
  QWidget* labelpanel_ = nullptr;
  QWidget* navipanel_ = nullptr;
  QMenu* angleMenu_ = nullptr;
  std::array<QToolButton*, 9> macroButtons_{};
  std::array<std::string, 9> macroCaptions_{};
  QToolButton* macroedit_ = nullptr;
  QLabel* macroStatus_ = nullptr;
  // The after-image and locus buttons.
  QToolButton* zanBt_ = nullptr;
  QToolButton* locusBt_ = nullptr;
  QToolButton* eraseBT_ = nullptr;
  QToolButton* undoBT_ = nullptr;
  QToolButton* zancolor1_ = nullptr;
  QToolButton* zancolor2_ = nullptr;
  // Interval mode.
  struct IntervalWidgets {
    QWidget* intervalpanel = nullptr;
    QWidget* hsettei = nullptr;
    QWidget* intervalstpanel = nullptr;
    QLabel* lower = nullptr;
    QLabel* upper = nullptr;
    QToolButton* lowerSigns[2] = {};  // "≦", "＜"
    QToolButton* upperSigns[2] = {};
    QRadioButton* maxMinOn = nullptr;
    QRadioButton* maxMinOff = nullptr;
    QWidget* maxMin = nullptr;
    QCheckBox* texthyouji = nullptr;
    QWidget* selector = nullptr;
  } interval_;
  std::vector<std::pair<std::string, QWidget*>> components_;
  bool guard_ = false;  // the window sets its controls itself: no reactions
};

// The panel of the program while it exists (the navigator, the file reader and the
// formula side's ShowParameterPanel reach it through this).
extern TValueChange* ValueChange;
