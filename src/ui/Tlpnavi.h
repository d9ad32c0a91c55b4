#pragma once
// The navigator window: the document's entry list in a scroll box (the label column
// `flabel` beside the entry texts `Text`), the tool panel and the status bar whose first
// panel docks the windows. It creates the graph window, answers its list logic
// (NavigatorModel) as its host, and keeps itself beside the graph window. The menus, the
// tool buttons and the memo are added to it by the navigator's commands.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/RasterCanvas.h"
#include "platform/Screen.h"
#include "ui/NavigatorModel.h"

class CanvasView;
class QScrollArea;
class StatusPanels;
class Tgraph;
namespace platform {
class Dialogs;
}

class Tlpnavi : public QWidget, public NavigatorHost {
 public:
  explicit Tlpnavi(const platform::Screen& screen);
  ~Tlpnavi() override;

  NavigatorModel& Model() { return model_; }
  Tgraph& Graph() { return *graph_; }

  // --- placement ---
  int NavigatorWidth = 0;
  int GraphHeightAtStart = 0;
  int ListFontSize = 12;
  int DockLeft = 0, DockTop = 0;
  // The navigator's fixed width.
  void SetNavigatorWidth(int width);
  void DockNavigator() override;
  void GraphLeftOfNavigator();
  // Status bar or tool panel clicked: windows side by side; double click: the start-up layout.
  void ToolBar1Click();
  void ToolBar1DblClick();

  // --- the list ---
  void RebuildEquationList() { model_.RebuildEquationList(); }
  void RefreshAfterEdit() { model_.RefreshAfterEdit(); }
  void DeleteEntry(int entry, std::uint8_t action) { model_.DeleteEntry(entry, action); }
  void UpdateMenuState(int enable) { model_.UpdateMenuState(enable); }
  // The list images take no clicks while a calculus animation runs.
  void EnableNavigatorText(bool enable);
  // The label column's width follows the line-width setting (30, 40, 50); list rebuilt.
  void ApplyLineWidth();
  int ScrollPosition() const;
  void SetScrollPosition(int position);
  // The navigator's part of a new document (before a file is read, and "新規作成").
  void ResetDocument();

  // --- what the entry window and the menus ask ---
  void SetFileMenuEnabled(bool enabled) { fileMenuEnabled_ = enabled; }
  bool FileMenuEnabled() const { return fileMenuEnabled_; }
  // Height of the memo while it is shown; 0 while hidden.
  int MemoHeight() const { return 0; }

  // --- services other work installs ---
  // Reads a CSV point list into a letter's point sequence (see NavigatorHost).
  std::function<int(int letter)> importCsvPoints;
  std::function<void()> compileMacro;
  platform::Dialogs* dialogs = nullptr;

  // --- parts, for the program and tests ---
  StatusPanels* StatusBar() const { return statusBar_; }
  CanvasView* TextImage() const { return text_; }
  CanvasView* LabelImage() const { return flabel_; }
  QScrollArea* ScrollBox() const { return scrollBox_; }
  const gfx::RasterCanvas& TextCanvas() const { return textCanvas_; }
  const gfx::RasterCanvas& LabelCanvas() const { return labelCanvas_; }

  // --- NavigatorHost ---
  bool AskWarning(std::uint8_t code) override;
  void ShowMessage(const std::string& utf8) override;
  bool EditFormula(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) override;
  int PickPointName(int preset, int left, int top) override;
  int ImportCsvPoints(int letter) override;
  EntryWindowResult OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) override;
  void EraseAfterImages() override;
  void RedrawAll() override;
  void RedrawSpaceScene() override;
  void ShowParameterPanel() override;
  void RecompileMacro() override;
  void ListChanged() override;
  TNavigatorPlace Place() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LayoutParts();
  void TextMouseMove(int x, int y);
  void LabelMouseMove(int x, int y);
  void SetHover(int entry);

  const platform::Screen& screen_;
  QWidget* itempanel_ = nullptr;
  QScrollArea* scrollBox_ = nullptr;
  QWidget* listPane_ = nullptr;
  CanvasView* flabel_ = nullptr;
  CanvasView* text_ = nullptr;
  StatusPanels* statusBar_ = nullptr;
  gfx::RasterCanvas textCanvas_{1, 1};
  gfx::RasterCanvas labelCanvas_{1, 1};
  NavigatorModel model_;
  std::unique_ptr<Tgraph> graph_;
  bool fileMenuEnabled_ = true;
};

// The program's navigator while it exists.
extern Tlpnavi* lpnavi;
