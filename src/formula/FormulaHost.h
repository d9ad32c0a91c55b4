#pragma once
// What the formula engine and the document model ask of the windows. The formula
// library knows no windows: the program installs its implementation at start-up and
// tests install fakes; until then every request is a no-op.
#include <string>

class FormulaHost {
 public:
  virtual ~FormulaHost() = default;
  // Redraw everything (the redraw pipeline and the copy to the graph window).
  virtual void RedrawAll() {}
  // The parameter panel in its parameter layout, showing the parameters in use.
  virtual void ShowParameterPanel() {}
  virtual void RefreshNavigator() {}
  // The graph window's arrow button hints, in the order left, right, up, down (UTF-8).
  virtual void SetArrowHints(const std::string (&hints)[4]) {}
  // The parameter panel's interval bound boxes (UTF-8).
  virtual void SetIntervalTexts(const std::string& lower, const std::string& upper) {}
  // An evaluation raised an exception: the running animation must stop.
  virtual void StopAnimationTimer() {}
};

// Never null; the no-op host until SetFormulaHost installs another.
FormulaHost& EngineHost();
// Installs a host (nullptr restores the no-op one); the caller keeps ownership.
void SetFormulaHost(FormulaHost* host);
