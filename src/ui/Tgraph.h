#pragma once
// The graph window, the program's main form: the tool strip, the picture the redraw
// pipeline copies its composite bitmap onto, and the status bar. It owns the two
// off-screen bitmaps' size, the folders beside the program, the new-document reset, the
// plane/space switch, closing (which ends the program) and the start-up continuation. Its
// pictures (files, serial frames, clipboard, background) and its pop-up menu are in
// TgraphPictures.cpp; the mouse on the picture goes to GraphMouse (TgraphMouse.cpp), the
// view buttons to GraphViewButtons.
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/RasterCanvas.h"
#include "platform/Screen.h"
#include "ui/GraphMouse.h"
#include "ui/GraphWindowHost.h"
#include "ui/GraphWindowLogic.h"

class GraphPopupMenu;
class GraphToolStrip;
class GraphViewButtons;
class LabelDrag;
class LabelEditorModel;
class QLabel;
class StatusPanels;
class Tlpnavi;
namespace platform {
class Clipboard;
class Dialogs;
}  // namespace platform

// The folders beside the program (file paths, not CP932).
struct TGraphFolders {
  std::filesystem::path Program, Demo, Manual, Background, Picture;
};
extern TGraphFolders GraphFolders;

class Tgraph : public QWidget, private GraphMouseHost {
 public:
  Tgraph(const platform::Screen& screen, Tlpnavi& navigator);
  ~Tgraph() override;

  // --- services the program installs ---
  GraphWindowHost* host = nullptr;
  platform::Dialogs* dialogs = nullptr;
  platform::Clipboard* clipboard = nullptr;

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
  // Normal state at the size of creation, the drawing too, left of the navigator.
  void RestoreStartSize();
  // The equation file's closing steps: the size by settings.GraphWindowMode.
  void RestoreGraphWindow(int width, int height);
  // The view-settings window's "更新": the client made to hold a drawing of that size; the
  // resize then recomputes the view as any resize does.
  void SetDrawingSize(int width, int height);
  // settings.GraphWindowMode from the window's state and size.
  void RefreshGraphWindowMode();
  // While off, a resize recomputes the drawing but does not redraw (a file is loading).
  void SetRedrawOnResize(bool redraw);
  void DockGraphLeftOfNavigator();
  TClientSize RememberedClientSize() const { return remembered_; }

  // --- what other windows ask ---
  const platform::Screen& ScreenService() const { return screen_; }
  int GetAnimationFormTop() const;
  // Calculus animations switch the editing off: the navigator's list and menus follow.
  void EnableGraphEditing(bool enable);
  void SetPopupMenuEnabled(bool enabled) { popupMenuEnabled_ = enabled; }
  // The mouse on the picture (its guide lines in space are switched off when the entry
  // window closes).
  GraphMouse& Mouse() { return *mouse_; }

  // --- pictures ---
  // "グラフをファイルに保存": the save dialog, then the picture in the name's format.
  void savepicturer2Click();
  // The drawing as shown, written in the format; false (after a message) when it could
  // not be written.
  bool SaveGraphPicture(const std::filesystem::path& name, std::uint8_t format);
  // After a redraw that ends a change: the next numbered frame while serial saving is on.
  void SaveContinuousFrame() override;
  // The graph drawn anew onto a picture of the drawing's size, put on the clipboard.
  void CopyGraphAsMetafile();
  // The background dialog; true when a picture was loaded and is shown.
  bool ChooseBackgroundPicture();
  // The file as the background picture; false with the reason when it cannot be read,
  // the picture shown before staying as it was.
  bool LoadBackgroundPicture(const std::filesystem::path& name, std::string* error = nullptr);
  // The background picture removed (the navigator's button released).
  void ClearBackgroundPicture();

  // --- pop-up menu ---
  // The pop-up menu for the drawing pixel (px, py), at a screen position; nothing while
  // the menu is switched off. The mouse work opens it; so does the context-menu request.
  void ShowPopupMenu(const QPoint& globalPos, int px, int py);
  GraphPopupMenu* PopupMenu1() const { return popupMenu1_; }
  // What the pop-up menu's item does.
  void PopupItemChosen(const std::string& name);
  // "点をプロット" at the pixel of the last press.
  void pplotClick();
  // The pixel the pop-up menu was opened at.
  int MouseDownX = 0, MouseDownY = 0;

  // --- line width, navigator, help ---
  void ShowLineWidthButton();
  void SetLineWidth(int setting);
  void contBTClick();
  void hlpBtClick();

  // --- parts, for the program and tests ---
  GraphToolStrip* ToolStrip() const { return toolbar1_; }
  StatusPanels* StatusBar() const { return statusBar_; }
  QWidget* PictureWidget() const { return graphpaint_; }
  gfx::RasterCanvas& WindowImage() { return image_; }
  QLabel* Label6() const { return label6_; }
  QLabel* Label7() const { return label7_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Escape stops a running macro, also while a procedure has the window disabled.
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // --- GraphMouseHost (TgraphMouse.cpp) ---
  void ShowReadout(const std::string& text) override;
  void RaiseNavigatorPanel() override;
  void ShowRange() override;
  void ShowDragHint(int x, int y, int dx, int dy) override;
  void HideDragHint() override;
  void ShowInfo(const std::string& text, int x, int y, int dx, int dy) override;
  void HideInfo() override;
  void SetCursor(Cursor cursor) override;
  void WarpCursor(int x, int y) override;
  gfx::Canvas& Picture() override { return image_; }
  void PictureChanged() override;
  bool DragShiftDown() override;
  void ReleaseDragShift() override;
  void RebuildNavigatorList() override;
  LabelDrag* Labels() override;
  // The mouse events of the picture and the view buttons wired to their logic.
  void ConnectMouse();
  // A label beside (x, y) of the drawing, as far left of x where it would leave it.
  void PlaceBeside(QLabel* label, int x, int y, int dx, int dy);

  void FormCreate();
  void FormShow();
  void FormResize();
  void LayoutParts();
  // A client size the program sets itself: the resize it causes recomputes nothing.
  void ResizeClient(TClientSize size);
  // The window and the drawing back at their sizes of creation.
  void RestoreCreationSize();
  void RangeFormBookkeeping();

  const platform::Screen& screen_;
  Tlpnavi& navigator_;
  GraphToolStrip* toolbar1_ = nullptr;
  QWidget* panel1_ = nullptr;
  QWidget* graphpaint_ = nullptr;
  QLabel* label6_ = nullptr;
  QLabel* label7_ = nullptr;
  StatusPanels* statusBar_ = nullptr;
  GraphPopupMenu* popupMenu1_ = nullptr;
  gfx::RasterCanvas image_{1, 1};
  std::unique_ptr<GraphMouse> mouse_;
  std::unique_ptr<GraphViewButtons> viewButtons_;
  std::unique_ptr<LabelDrag> labelDrag_;
  LabelEditorModel* labelDragEditor_ = nullptr;
  // The view-settings window was closed because the graph came to full size.
  bool rangeFormClosedForFullSize_ = false;

  TClientSize remembered_;           // client size at creation
  TClientSize initialDrawing_;       // drawing size at creation
  std::optional<TClientSize> expectedClient_;
  bool shown_ = false;
  bool popupMenuEnabled_ = true;
  bool redrawOnResize_ = true;
  bool graphAtFullSize_ = false;
  bool reopenRangeForm_ = false;
  int wheelDelta_ = 0;
};

// The program's graph window while it exists.
extern Tgraph* graph;
