#pragma once
// The navigator window: the main menu, the tool panel with its buttons, the document's
// entry list in a scroll box (the label column `flabel` beside the entry texts `Text`),
// the memo and the status bar whose first panel docks the windows. It creates the graph
// window, answers its list logic (NavigatorModel) as its host, keeps itself beside the
// graph window and runs the document commands (TlpnaviCommands.cpp); the menus and
// buttons are built in TlpnaviMenus.cpp.
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/RasterCanvas.h"
#include "platform/Screen.h"
#include "ui/NavigatorModel.h"

class CanvasView;
class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QScrollArea;
class QToolButton;
class StatusPanels;
class Tgraph;
namespace platform {
class Dialogs;
}

// The starting mode an equation file is saved with for an animation mode.
int SaveStartingMode(int animationMode);

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
  void UpdateMenuState(int enable);
  void SetCalculusMenuEnabled(bool enable);
  // The list images take no clicks while a calculus animation runs.
  void EnableNavigatorText(bool enable);
  // While a macro runs: the rows, the commands that replace or reset the document
  // ("新", "開", "DEMOを開く", the plane/space switch), the calculus menu and the other
  // commands that change what the macro works on are disabled; saving, printing, the
  // panel and quitting stay.
  void SetDocumentCommandsEnabled(bool enabled);
  // The label column's width follows the line-width setting (30, 40, 50); list rebuilt.
  void ApplyLineWidth();
  int ScrollPosition() const;
  void SetScrollPosition(int position);
  // The navigator's part of a new document (before a file is read, and "新規作成").
  void ResetDocument();
  // "新規作成" and the document's reset before it.
  void ResetForNewFile();

  // --- what the entry window and the menus ask ---
  void SetFileMenuEnabled(bool enabled);
  // Height of the memo while it is shown; 0 while hidden.
  int MemoHeight() const;

  // --- commands of the menus and the tool buttons ---
  void alldeleteClick();                      // "新規作成"
  void equationLoadClick(bool fromDemo);      // "式の読み込み", "DEMOを開く"
  void equationsaveClick();                   // "登録した式の保存"
  void dimentionClick();                      // plane / space
  void ClipboardCopy(bool blackAndWhite);     // "color", "白黒"
  void graphsaveClick();                      // " グラフをファイルに保存"
  void SetSerialSavingAllowed(bool allowed);  // "連番ファイル保存可能" / "不可能"
  void gsaveBTClick(bool down);               // serial saving on or off
  void StopSerialSaving();
  void loadpictureClick(bool down);  // background picture on or off
  void labelenterClick();            // "Label表示", "Ａ"
  void paraBTClick();
  void intervalBTClick();
  // "平均変化率" 0, "接線の変化" 1, "区分求積" 2, "定積分・基本定理" 3.
  void CalculusItemClick(int item);
  void zahyouClick();  // "画面設定"
  void printbtClick();
  void wplayClick(int slot);
  void wvClick(int slot);
  void N4Click();                       // file association
  void ShowHelpPage(const char* page);  // a page of the manual folder
  void FhlpBTClick();
  void memoBTClick(bool down);
  // The menu's and the button's captions for the current dimension.
  void UpdateDimensionButton();
  // Plane-only controls (calculus menu, background and interval buttons) shown or hidden.
  void SetSpaceControls(bool space);
  // Memo and list share the room under the tool panel; the memo shows the document's lines.
  void LayoutMemoPanel();
  void ApplyMemoFont();
  // The background button released (the picture was removed).
  void ReleaseBackgroundButton();
  void PressBackgroundButton();

  // --- services the program installs ---
  platform::Dialogs* dialogs = nullptr;

  // --- parts, for the program and tests ---
  // Menu items and tool buttons by component name; nullptr for another name.
  QAction* MenuItem(const std::string& name) const;
  QToolButton* ToolButton(const std::string& name) const;
  QMenuBar* MainMenu() const { return menuBar_; }
  QMenu* PointMenu() const { return pointMenu_; }
  QMenu* PictureMenu() const { return popupMenu1_; }
  QPlainTextEdit* Memo() const { return memo_; }
  // The right-click menu of the entry list for the row at (x, y) of the text image, as it
  // would pop up; nullptr where none opens.
  QMenu* PreparePointMenu(int x, int y);
  StatusPanels* StatusBar() const { return statusBar_; }
  CanvasView* TextImage() const { return text_; }
  CanvasView* LabelImage() const { return flabel_; }
  QScrollArea* ScrollBox() const { return scrollBox_; }
  const gfx::RasterCanvas& TextCanvas() const { return textCanvas_; }
  const gfx::RasterCanvas& LabelCanvas() const { return labelCanvas_; }

  // --- NavigatorHost ---
  bool AskWarning(std::uint8_t code) override;
  void ShowMessage(const std::string& utf8) override;
  bool AskText(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) override;
  int PickPointName(int preset, int left, int top) override;
  int ImportCsvPoints(int letter) override;
  EntryWindowResult OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) override;
  void EraseAfterImages() override;
  void ShowParameterPanel() override;
  void ListChanged() override;
  TNavigatorPlace Place() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Double clicks on the memo.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayoutParts();
  void TextMouseMove(int x, int y);
  void TextReleased(int x, int y);
  void TextContextMenu(int x, int y);
  void LabelMouseMove(int x, int y);
  void SetHover(int entry);
  void StatusBarClick(int x);
  void SyncMenuState();
  void SyncTextEnabled();
  // TlpnaviMenus.cpp
  void BuildMenus();
  void BuildToolPanel();
  void BuildPointMenu();
  void ShowSoundItems();
  void PointMenuChosen(const std::string& name, int code);
  QAction* AddItem(QMenu* menu, const std::string& name, const char* caption, std::function<void()> command);
  QToolButton* AddButton(const std::string& name, const char* caption, const char* hint, bool toggle);
  // TlpnaviCommands.cpp
  void OpenEquationFile(const std::filesystem::path& folder);
  void MemoChanged();

  const platform::Screen& screen_;
  QMenuBar* menuBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* difMenu_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QMenu* pointMenu_ = nullptr;
  std::map<std::string, QAction*> menuItems_;
  std::map<std::string, QToolButton*> buttons_;
  QPlainTextEdit* memo_ = nullptr;
  QToolButton* fhlpBT_ = nullptr;
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
  bool memoLoading_ = false;
  bool textEnabled_ = true;              // by the calculus animations
  bool documentCommandsEnabled_ = true;  // off while a macro runs
};

// The program's navigator while it exists.
extern Tlpnavi* lpnavi;
