#pragma once
// What saving and loading an equation file ask of the windows: the navigator, the graph
// window, the parameter panel, the animation windows and the macro. The document state
// itself is read and written directly; only what lives in widgets goes through here. The
// program installs its implementation at start-up and tests install fakes; until then
// every request is a no-op and every question gets the answer of a fresh window.
#include <QImage>
#include <filesystem>
#include <string>

class EquationFileHost {
 public:
  virtual ~EquationFileHost() = default;

  // ---- Saving ----
  // The navigator's list scroll position.
  virtual int NavigatorScrollPosition() { return 0; }
  // settings.GraphWindowMode from the graph window's state: 0 normal at its size of
  // creation, 1 normal at another size, 2 maximised; any other state keeps the mode.
  virtual void RefreshGraphWindowMode() {}
  // The background picture while one is shown (null otherwise).
  virtual QImage BackgroundPicture() { return {}; }
  // The folder the file dialogs start in: that of the last file loaded or saved.
  virtual std::filesystem::path DemoFolder() { return {}; }
  // The caption shows the file's bare name (no name: the title alone); the demo folder
  // becomes the file's folder.
  virtual void SetCaptionFileName(const std::filesystem::path& fileName) {}

  // ---- Loading: before and while the file is read ----
  virtual void HideParameterPanel() {}
  // The graph window shown, its coordinate panel 280 pixels wide.
  virtual void ShowGraphWindow() {}
  // The navigator's document reset: memo cleared and hidden, a new document (the state's
  // reset chain included), the parameter panel's step width and angle units reset.
  virtual void ResetDocument() {}
  // Loads the file as the background picture (button held down, picture folder set);
  // false when it cannot be read. ClearBackgroundPicture removes a shown one.
  virtual bool LoadBackgroundPicture(const std::filesystem::path& fileName) { return false; }
  virtual void ClearBackgroundPicture() {}
  // The memo's font from doc.MemoFont at the current output scale and line width.
  virtual void ApplyMemoFont() {}
  virtual void ShowLineWidthButton() {}
  virtual void SetNavigatorScrollPosition(int position) {}

  // ---- Loading: the closing steps ----
  // No redraw on resize meanwhile; a window maximised before the load back to normal; then
  // its size by settings.GraphWindowMode: 0 the size of its creation (the mode becomes 1),
  // 1 the drawing size width x height (kept within the screen), 2 maximised (with the
  // unit-size range when settings.UnitSizeMode); buffers, status texts, placed left of
  // the navigator.
  virtual void RestoreGraphWindow(int width, int height) {}
  // The plane or space controls, redrawing on resize again.
  virtual void SetUI3D(bool space) {}
  virtual void LayoutMemoPanel() {}
  virtual void RebuildEquationList() {}
  virtual void EnableCalculusMenu(bool enable) {}
  virtual void EnableGraphWindow() {}
  virtual void PlaceParameterPanel() {}
  virtual void OpenMeanRateNavi() {}
  virtual void OpenTangentNavi() {}
  virtual void OpenRiemannSumNavi() {}
  virtual void OpenIntegralTheoremNavi() {}
  virtual void SavePointPositions() {}
  virtual void ShowParameterValues() {}
  // The graph window's menus and buttons.
  virtual void RefreshGraphControls() {}
  virtual void CompileMacro() {}
  virtual void RunMacroOnload() {}
  // A load that had to wait for a nested message loop to close failed (UTF-8 message).
  virtual void ReportDeferredLoadFailure(const std::string& message) {}
};

// Never null; the no-op host until SetEquationFileHost installs another.
EquationFileHost& FileHost();
// Installs a host (nullptr restores the no-op one); the caller keeps ownership.
void SetEquationFileHost(EquationFileHost* host);
