#pragma once
// The calculus window: the panels of one of its three animations (mean rate of change,
// Riemann sums, definite integral) over a CalculusWindowModel, the operation panel with
// Start, undo of the view and automatic enlargement, and the switch that shows the values
// on the graph. It forwards every event to the model and shows what the model holds after
// each change; it closes itself and is freed on a later timer tick.
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "animate/CalculusWindowModel.h"

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QLabel;
class QToolButton;

class Tintegnavi : public QWidget, private ModelView {
 public:
  Tintegnavi(CalculusSet set, TimerJobs& timer, platform::EventPump& pump, CalculusHost* host);
  ~Tintegnavi() override;

  CalculusWindowModel& Model() { return *model_; }
  // Components by name ("Axvalue", "lstart", "SumMax" ...) for tests and tools.
  QWidget* Component(const std::string& name) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildMeanRatePanel();
  QWidget* BuildRiemannPanel();
  QWidget* BuildIntegralPanels();
  QWidget* BuildOperationPanel();
  QLabel* ValuePanel(const std::string& name, std::function<void()> clicked = nullptr, const char* hint = nullptr);
  QToolButton* Button(const std::string& name, const QString& caption, const char* hint = nullptr);
  QCheckBox* Check(const std::string& name, const char* caption, const char* hint = nullptr);
  void Register(const std::string& name, QWidget* widget);
  // A panel registered under the name, laid out on a grid without margins.
  QGridLayout* GridPanel(const std::string& name);
  void Sync();
  void LayoutPanels();
  // What the model asks of the window.
  void ModelChanged() override;
  void CloseWindow() override;
  std::function<void()> FreeAction() override;

  std::unique_ptr<CalculusWindowModel> model_;
  std::map<std::string, QWidget*> components_;
  std::map<QObject*, std::function<void()>> clicks_;
  bool syncing_ = false;
};
