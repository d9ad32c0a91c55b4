#pragma once
// The program's answers to what the windows and the libraries below them ask of the rest:
// one host per asker (the formula engine, the equation files, the redraw pipeline, the
// parameter panel, the entry window, the calculus and tangent windows, the graph window,
// the macro editor; the macro's host is in ProgramMacroHost). ProgramWindows installs
// them. They reach the windows through the program's window variables (graph, lpnavi,
// ValueChange).
#include "animate/AnimationRedrawHost.h"
#include "animate/CalculusHost.h"
#include "animate/MacroEditorHost.h"
#include "animate/ParameterPanelHost.h"
#include "formula/FormulaHost.h"
#include "io/EquationFileHost.h"
#include "ui/ColorStyleSelector.h"
#include "ui/EntryFormHost.h"
#include "ui/GraphWindowHost.h"

// The graph window's colour dialog and message box, which the shared questions of every
// host below are answered with.
std::optional<int32_t> ChooseColorOnGraph(int32_t initial);
void ShowMessageOnGraph(const std::string& utf8);

class ProgramFormulaHost final : public FormulaHost {
 public:
  void RedrawAll() override;
  void ShowParameterPanel() override;
  void RefreshNavigator() override;
  void SetArrowHints(const std::string (&hints)[4]) override;
  void SetIntervalTexts(const std::string& lower, const std::string& upper) override;
  void StopAnimationTimer() override;
};

class ProgramParameterPanelHost : public ParameterPanelHost {
 public:
  bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) override;
  void EnableNavigator() override;
  void PlacePanel(bool atCreation, int height, int& left, int& top) override;
  int NavigatorHeight() override;
  int NavigatorBottom() override;
  std::filesystem::path DemoFolder() override;
  void RunMacroChangeHandlers(const TValueNode* changes) override;
  void UpdateGraphPicture() override;
  std::optional<int32_t> ChooseColor(int32_t initial) override;
  void DrawIntervalSelector(int style, gfx::Color colour) override;
  const gfx::RasterCanvas* IntervalSelectorPicture() override;
  void PressIntervalSelector(int x, int y, gfx::Color colour) override;
  int ReleaseIntervalSelector(int x, int y, gfx::Color colour) override;

 private:
  ColorStyleSelector intervalSelector_;
};

class ProgramFileHost : public EquationFileHost {
 public:
  int NavigatorScrollPosition() override;
  void RefreshGraphWindowMode() override;
  QImage BackgroundPicture() override;
  std::filesystem::path DemoFolder() override;
  void SetCaptionFileName(const std::filesystem::path& fileName) override;
  void HideParameterPanel() override;
  void ShowGraphWindow() override;
  void ResetDocument() override;
  bool LoadBackgroundPicture(const std::filesystem::path& fileName) override;
  void ClearBackgroundPicture() override;
  void ApplyMemoFont() override;
  void ShowLineWidthButton() override;
  void SetNavigatorScrollPosition(int position) override;
  void RestoreGraphWindow(int width, int height) override;
  void SetUI3D(bool space) override;
  void LayoutMemoPanel() override;
  void RebuildEquationList() override;
  void EnableCalculusMenu(bool enable) override;
  void EnableGraphWindow() override;
  void PlaceParameterPanel() override;
  void SavePointPositions() override;
  void OpenTangentNavi() override;
  void ShowParameterValues() override;
  void OpenMeanRateNavi() override;
  void OpenRiemannSumNavi() override;
  void OpenIntegralTheoremNavi() override;
  void RefreshGraphControls() override;
  void CompileMacro() override;
  void ReportDeferredLoadFailure(const std::string& message) override;
  void RunMacroOnload() override;
};

class ProgramCalculusHost final : public CalculusHost {
 public:
  bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) override;
  std::optional<int32_t> ChooseColor(int32_t initial) override;
  void ShowMessage(const std::string& utf8) override;
  void EnableGraphEditing(bool enable) override;
  void EnableGraphWindow(bool enable) override;
  void EnableDragShift(bool enable) override;
  void EnableNavigator() override;
  void PresentGraphPicture() override;
  void CloseParameterPanel() override;
  void HideParameterPanel() override;
  void ReturnToParameterMode() override;
  void PlaceCalculusWindow(int& left, int& top) override;
  void PlaceTangentWindow(int height, int& left, int& top) override;
};

class ProgramEntryFormHost final : public EntryFormHost {
 public:
  int NavigatorLeft() override;
  int NavigatorTop() override;
  int NavigatorWidth() override;
  void DeleteEntry(int entry, int mode) override;
  void UpdateMenuState(bool enable) override;
  void EnableFileMenu(bool enable) override;
  void EnableGraphPopupMenu(bool enable) override;
  void SetPointGuideShown(bool shown) override;
  void HideParameterPanel() override;
};

// Ends the program's event loop (ProgramWindows::Quit).
class ProgramGraphWindowHost final : public GraphWindowHost {
 public:
  void QuitProgram() override;
};

// The manual's page on macros.
class ProgramMacroEditorHost final : public MacroEditorHost {
 public:
  void OpenMacroHelp() override;
};

// The redraw pipeline's windows: the view-settings window and the graph window.
class ProgramRedrawHost : public AnimationRedrawHost {
 public:
  void RefreshRangeForm() override;
  void ShowRangeInStatusBar() override;
  void CopyBufferToGraph(gfx::CopyMode mode) override;
  void CopyCanvasToGraph(gfx::Canvas& canvas) override;
  void SaveContinuousFrame() override;
};
