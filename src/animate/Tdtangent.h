#pragma once
// The tangent window "接線の傾きの変化": P's coordinates and the slope there, the buttons
// that move P (a step per click, repeating while held, or on its own), the colours of the
// tangent and of the rate, and whether the graph of f' and the values are shown on the
// graph. The window forwards its events to a TangentModel and shows what it holds. The
// navigator's calculus menu and the file reader open it; it closes itself and is freed on
// a later timer tick (job 24), never inside a handler that is still running.
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "animate/TangentModel.h"

class QCheckBox;
class QLabel;
class QToolButton;

class Tdtangent : public QWidget, private ModelView {
 public:
  explicit Tdtangent(TangentModel& model = Tangent(), QWidget* parent = nullptr);
  ~Tdtangent() override;

  TangentModel& Model() { return model_; }
  // The first show after this puts P back where a file left it.
  void ResumeSavedPoint() { resumeSavedPoint_ = true; }
  // Components by name ("Pxvalue", "Aright", "zancheck" ...) for tests and tools.
  QWidget* Component(const std::string& name) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QToolButton* MakeButton(const std::string& name, const QString& caption, const char* hint, int x, int y, int w);
  QLabel* MakePanel(const std::string& name, const char* hint, int x, int y, int w);
  void Register(const std::string& name, QWidget* widget);
  void Sync();
  // What the model asks of the window.
  void ModelChanged() override;

  TangentModel& model_;
  QLabel* xValue_ = nullptr;
  QLabel* yValue_ = nullptr;
  QLabel* slopeValue_ = nullptr;
  QLabel* rateCaption_ = nullptr;
  QLabel* lineColour_ = nullptr;
  QLabel* rateColour_ = nullptr;
  QToolButton* autoLeft_ = nullptr;
  QToolButton* stop_ = nullptr;
  QToolButton* autoRight_ = nullptr;
  QToolButton* stepLeft_ = nullptr;
  QToolButton* stepRight_ = nullptr;
  QCheckBox* derivativeShown_ = nullptr;
  QCheckBox* valuesShown_ = nullptr;
  std::vector<std::pair<std::string, QWidget*>> components_;
  bool resumeSavedPoint_ = false;
};

// Opens the animation: the window made (owned by `owner`, the graph window), placed
// beside the graph and shown; an open one closes first. `fromFile`: a file saved during
// the animation is being loaded.
void OpenTangentNavi(QWidget* owner, bool fromFile = false);
// Closes the window while it is open.
void CloseTangentNavi();
