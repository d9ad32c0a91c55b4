#pragma once
// The graph window, the program's main form: the tool strip, the picture the redraw
// pipeline copies its composite bitmap onto, and the status bar. It owns the two
// off-screen bitmaps' size, the folders beside the program, the new-document reset, the
// plane/space switch, closing (which ends the program) and the start-up continuation.
// Mouse work on the picture and its pop-up menu are added beside it.
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/RasterCanvas.h"
#include "platform/Screen.h"
#include "ui/GraphWindowLogic.h"

class GraphToolStrip;
class QLabel;
class StatusPanels;
class Tlpnavi;
namespace platform {
class Dialogs;
class HelpPages;
}  // namespace platform

// The folders beside the program (file paths, not CP932).
struct TGraphFolders {
  std::filesystem::path Program, Demo, Manual, Background, Picture;
};
extern TGraphFolders GraphFolders;

class Tgraph : public QWidget {
 public:
  Tgraph(const platform::Screen& screen, Tlpnavi& navigator);
  ~Tgraph() override;

  // --- services the program installs ---
  // Ends the program once the close is accepted.
  std::function<void()> quitProgram;
  platform::Dialogs* dialogs = nullptr;
  platform::HelpPages* helpPages = nullptr;

  // --- start-up ---
  // Timer job 0: the equation file named by the first argument is loaded; the splash goes.
  void ContinueStartup(const std::vector<std::string>& arguments);

  // --- document ---
  void ResetGraphForNewDocument(int freeSounds);
  void RecreateBufferBitmaps();
  // The composite bitmap onto the picture; in the plane the axes' second pass, the point
  // names and the labels over it.
  void CopyBufferToGraph(gfx::CopyMode mode);
  // A canvas shown at once while a file loads (no events run meanwhile).
  void CopyCanvasToGraph(gfx::Canvas& canvas);

  // --- plane and space ---
  void SetUI3D(bool space);
  void SwitchTo3D();
  void SwitchTo2D();
  // The window to a 4:3 shape; a window at its size of creation redraws at the new size.
  void ApplyFourThreeShape();

  // --- status bar and caption ---
  void ShowPictureSizeInStatusBar();
  void ShowRangeInStatusBar();
  void ClearStatusReadout();
  // The caption shows the file's bare name; the demo folder becomes the file's folder.
  void SetCaptionFileName(const std::filesystem::path& fileName);
  void SetArrowHints(const std::string (&hints)[4]);

  // --- size and state ---
  // 1 normal, 2 maximised; other codes change nothing.
  void SetGraphWindowState(int code);
  int GetGraphWindowStateCode(int fallback) const;
  // Normal state; the client held to its size of creation.
  void RestoreGraphWindowSize();
  // The equation file's closing steps: the size by settings.GraphWindowMode.
  void RestoreGraphWindow(int width, int height);
  // settings.GraphWindowMode from the window's state and size.
  void RefreshGraphWindowMode();
  // While off, a resize recomputes the drawing but does not redraw (a file is loading).
  void SetRedrawOnResize(bool redraw);
  void DockGraphLeftOfNavigator();
  TClientSize RememberedClientSize() const { return remembered_; }

  // --- what other windows ask ---
  int GetNavigatorLeft() const;
  int GetAnimationFormTop() const;
  // Calculus animations switch the editing off: the navigator's list and menus follow.
  void EnableGraphEditing(bool enable);
  void SetPopupMenuEnabled(bool enabled) { popupMenuEnabled_ = enabled; }
  bool PopupMenuEnabled() const { return popupMenuEnabled_; }
  // The guide lines of a point (space), switched off when the entry window closes.
  std::uint8_t PointGuideShown = 0;
  std::uint8_t RightButtonDown = 0;
  std::uint8_t GuideBoxShown = 0;

  // --- line width, navigator, help ---
  void ShowLineWidthButton();
  void SetLineWidth(int setting);
  void contBTClick();
  void hlpBtClick();

  // --- parts, for the program and tests ---
  GraphToolStrip* ToolStrip() const { return toolbar1_; }
  StatusPanels* StatusBar() const { return statusBar_; }
  QWidget* Picture() const { return graphpaint_; }
  gfx::RasterCanvas& WindowImage() { return image_; }
  QLabel* Label6() const { return label6_; }
  QLabel* Label7() const { return label7_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormResize();
  void LayoutParts();
  // A client size the program sets itself: the resize it causes recomputes nothing.
  void ResizeClient(TClientSize size);
  void RangeFormBookkeeping();

  const platform::Screen& screen_;
  Tlpnavi& navigator_;
  GraphToolStrip* toolbar1_ = nullptr;
  QWidget* panel1_ = nullptr;
  QWidget* graphpaint_ = nullptr;
  QLabel* label6_ = nullptr;
  QLabel* label7_ = nullptr;
  StatusPanels* statusBar_ = nullptr;
  gfx::RasterCanvas image_{1, 1};

  TClientSize remembered_;           // client size at creation
  TClientSize initialDrawing_;       // drawing size at creation
  std::optional<TClientSize> expectedClient_;
  bool shown_ = false;
  bool popupMenuEnabled_ = true;
  bool redrawOnResize_ = true;
  bool graphAtFullSize_ = false;
  bool reopenRangeForm_ = false;
};

// The program's graph window while it exists.
extern Tgraph* graph;
