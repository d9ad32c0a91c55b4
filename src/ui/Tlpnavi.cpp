#include "ui/Tlpnavi.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "animate/MacroRuns.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TValueChange.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceScene.h"
#include "ui/CanvasView.h"
#include "ui/CsvPoints.h"
#include "ui/FormulaKeyboardAsk.h"
#include "ui/GraphToolStrip.h"
#include "ui/NavigatorPainter.h"
#include "ui/PaletteModel.h"
#include "ui/PointMenuModel.h"
#include "ui/StartupLayout.h"
#include "ui/StatusPanels.h"
#include "ui/Tclpanel.h"
#include "ui/Tcorrectform.h"
#include "ui/Tgraph.h"
#include "ui/Tlabeleditor.h"
#include "ui/Twarning.h"

Tlpnavi* lpnavi = nullptr;

namespace {

constexpr int kItemPanelHeight = 30;
constexpr int kDockButtonWidth = 30;  // the status bar's first panel acts as the docking button
constexpr int kMemoHeight = 158;
constexpr int kMemoPanelWidth = 80;  // status panel 1 while the memo is shown
constexpr int kListIndents[] = {30, 40, 50};
const char* const kDockHint = "クリックで整列・ダブルクリックで起動時のスタイル";
const char* const kMemoPositionHint = "クリックでメモの上下位置を変更";

// The tool panel: a click docks the windows, a double click restores the start-up layout.
class ToolPanel : public QWidget {
 public:
  explicit ToolPanel(QWidget* parent) : QWidget(parent) {}
  std::function<void()> clicked, doubleClicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && !afterDouble_ && clicked) clicked();
    afterDouble_ = false;
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    afterDouble_ = true;
    if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked();
  }

 private:
  bool afterDouble_ = false;
};

}  // namespace

Tlpnavi::Tlpnavi(const platform::Screen& screen)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      screen_(screen),
      model_(*this, textCanvas_) {
  if (!lpnavi) lpnavi = this;
  setWindowTitle(QStringLiteral("Lumenplotter navi"));
  auto* tools = new ToolPanel(this);
  tools->clicked = [this] { ToolBar1Click(); };
  tools->doubleClicked = [this] { ToolBar1DblClick(); };
  itempanel_ = tools;
  BuildMenus();
  BuildToolPanel();
  BuildPointMenu();
  memo_ = new QPlainTextEdit(this);
  memo_->hide();
  memo_->viewport()->installEventFilter(this);
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] { MemoChanged(); });

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setWidgetResizable(false);
  scrollBox_->setBackgroundRole(QPalette::Base);
  listPane_ = new QWidget;
  flabel_ = new CanvasView(listPane_);
  text_ = new CanvasView(listPane_);
  scrollBox_->setWidget(listPane_);
  text_->moved = [this](int x, int y) { TextMouseMove(x, y); };
  text_->released = [this](int x, int y) { TextReleased(x, y); };
  text_->contextMenu = [this](int x, int y) { TextContextMenu(x, y); };
  flabel_->moved = [this](int x, int y) { LabelMouseMove(x, y); };
  flabel_->released = [this](int x, int y) {
    model_.ListMouseX = x;
    model_.ListMouseY = y;
    model_.LabelClick();
  };

  statusBar_ = new StatusPanels({kDockButtonWidth, 0, 400}, this);
  statusBar_->SetPanelRaised(0, true);
  statusBar_->pressed = [this](int x) {
    if (x < kDockButtonWidth) statusBar_->SetPanelRaised(0, false);
  };
  statusBar_->released = [this](int) { statusBar_->SetPanelRaised(0, true); };
  statusBar_->clicked = [this](int x) { StatusBarClick(x); };
  statusBar_->doubleClicked = [this](int x) {
    if (x < kDockButtonWidth) ToolBar1DblClick();
  };
  statusBar_->moved = [this](int x) {
    const char* hint = x < kDockButtonWidth ? kDockHint : ui.MemoShown && x <= 100 ? kMemoPositionHint : "";
    statusBar_->setToolTip(QString::fromUtf8(hint));
  };

  model_.Layout.fontSize = ListFontSize;
  model_.Layout.listIndent = kListIndents[0];

  // The graph window finishes its construction first: it is the program's main form.
  graph_ = std::make_unique<Tgraph>(screen_, *this);
  GraphHeightAtStart = graph_->height();
  graph_->move(0, graph_->y());
  SetNavigatorWidth(PairWidth(screen_.geometry()) - graph_->frameGeometry().width());
  resize(NavigatorWidth, GraphHeightAtStart - 5);
  GraphLeftOfNavigator();
  ui.MemoShown = 0;
  LayoutParts();
  model_.RebuildEquationList();
}

Tlpnavi::~Tlpnavi() {
  graph_.reset();
  if (lpnavi == this) lpnavi = nullptr;
}

void Tlpnavi::SetNavigatorWidth(int width) {
  NavigatorWidth = std::max(kMinClientWidth, width);
  setFixedWidth(NavigatorWidth);
}

void Tlpnavi::LayoutParts() {
  const int w = width(), h = height();
  const int menuHeight = menuBar_->sizeHint().height();
  menuBar_->setGeometry(0, 0, w, menuHeight);
  itempanel_->setGeometry(0, menuHeight, w, kItemPanelHeight);
  int x = 0;
  for (const char* name : {"alldelete", "equloadbt", "equsave", "gsave1", "paraBT", "labelenter", "memoBT",
                           "intervalBT", "dimention", "loadpicture", "gsaveBT", "toolhp", "printbt"}) {
    QToolButton* b = buttons_.at(name);
    if (b->isHidden()) continue;
    b->move(x, 2);
    x += b->width();
  }
  // Memo and list share the room between the tool panel and the status bar.
  const int top = menuHeight + kItemPanelHeight;
  const int room = std::max(0, h - top - kStatusBarHeight);
  const int memo = ui.MemoShown ? std::min(kMemoHeight, room) : 0;
  const bool memoFirst = settings.MemoOnTop;
  memo_->setVisible(ui.MemoShown);
  memo_->setGeometry(0, memoFirst ? top : top + room - memo, w, memo);
  scrollBox_->setGeometry(0, memoFirst ? top + memo : top, w, room - memo);
  fhlpBT_->move(w - fhlpBT_->width() - scrollBox_->verticalScrollBar()->sizeHint().width() - 2, scrollBox_->y() + 2);
  fhlpBT_->raise();
  statusBar_->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
  statusBar_->SetPanelText(1, ui.MemoShown ? "メモ位置変更" : "");
  statusBar_->SetPanelWidth(1, ui.MemoShown ? kMemoPanelWidth : 0);
  statusBar_->SetPanelWidth(2, std::max(0, w - kDockButtonWidth - statusBar_->PanelWidth(1)));
}

int Tlpnavi::MemoHeight() const { return ui.MemoShown ? memo_->height() : 0; }

void Tlpnavi::SetFileMenuEnabled(bool enabled) { fileMenu_->setEnabled(enabled); }

void Tlpnavi::StatusBarClick(int x) {
  if (x < kDockButtonWidth) {
    ToolBar1Click();
  } else if (ui.MemoShown && x <= 100) {
    settings.MemoOnTop = settings.MemoOnTop ? 0 : 1;
    LayoutParts();
  }
}

void Tlpnavi::UpdateMenuState(int enable) {
  model_.UpdateMenuState(enable);
  SyncMenuState();
}

void Tlpnavi::SetCalculusMenuEnabled(bool enable) {
  model_.CalculusMenuEnabled = enable;
  SyncMenuState();
}

void Tlpnavi::SyncMenuState() {
  difMenu_->setEnabled(model_.CalculusMenuEnabled && documentCommandsEnabled_);
  QToolButton* interval = buttons_.at("intervalBT");
  if (interval->isHidden() == model_.IntervalButtonShown) {
    interval->setVisible(model_.IntervalButtonShown);
    LayoutParts();
  }
}

void Tlpnavi::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  DockNavigator();
  ApplyLineWidth();
}

void Tlpnavi::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutParts();
  ListChanged();
}

void Tlpnavi::closeEvent(QCloseEvent* event) {
  if (!ShowWarning(4)) {
    event->ignore();
    return;
  }
  modes.CloseNeedsConfirm = 0;
  event->accept();
  graph_->close();
}

void Tlpnavi::DockNavigator() {
  move(DockLeft, DockTop);
  graph_->move(graph_->x(), DockTop);
}

void Tlpnavi::GraphLeftOfNavigator() {
  const TWindowPos p = ::GraphLeftOfNavigator({x(), y()}, graph_->frameGeometry().width());
  graph_->move(p.left, p.top);
}

void Tlpnavi::ToolBar1Click() {
  DockNavigator();
  GraphLeftOfNavigator();
}

void Tlpnavi::ToolBar1DblClick() {
  graph_->showNormal();
  graph_->resize(graph_->RememberedClientSize().width, graph_->RememberedClientSize().height);
  DockNavigator();
  GraphLeftOfNavigator();
}

void Tlpnavi::EnableNavigatorText(bool enable) {
  textEnabled_ = enable;
  SyncTextEnabled();
}

void Tlpnavi::SyncTextEnabled() {
  const bool enabled = textEnabled_ && documentCommandsEnabled_;
  text_->setEnabled(enabled);
  flabel_->setEnabled(enabled);
}

void Tlpnavi::SetDocumentCommandsEnabled(bool enabled) {
  documentCommandsEnabled_ = enabled;
  for (const char* name : {"alldelete", "equloadbt", "dimention", "intervalBT", "labelenter", "loadpicture"})
    buttons_.at(name)->setEnabled(enabled);
  for (const char* name : {"dimtran1", "equationLoad", "demoload", "Label2", "zahyou"})
    menuItems_.at(name)->setEnabled(enabled);
  SyncTextEnabled();
  SyncMenuState();
}

void Tlpnavi::ApplyLineWidth() {
  const int setting = std::clamp<int>(doc.LineWidthSetting, 1, 3);
  model_.Layout.listIndent = kListIndents[setting - 1];
  model_.RebuildEquationList();
}

int Tlpnavi::ScrollPosition() const { return scrollBox_->verticalScrollBar()->value(); }
void Tlpnavi::SetScrollPosition(int position) { scrollBox_->verticalScrollBar()->setValue(position); }

void Tlpnavi::ResetDocument() {
  doc.MemoLines.clear();
  ui.MemoShown = 0;
  buttons_.at("memoBT")->setChecked(false);
  buttons_.at("memoBT")->setToolTip(QString::fromUtf8("メモの表示"));
  LayoutMemoPanel();
  settings.UnitSizeMode = 1;
  doc.IntervalMode = 0;
  doc.IntervalColor = 0x0045FF;
  doc.IntervalStyle = 1;
  settings.XTickDensity = 0;
  settings.YTickDensity = 0;
  graph_->ResetGraphForNewDocument(1);
  ParameterPanelModel& panel = ParameterPanel();
  doc.ThetaInDegrees = 0;
  doc.OmegaInDegrees = 0;
  panel.SetStepWidthIndex(2);
  doc.BackgroundDirty = 1;
  modes.AnimationMode = 6;
  settings.TangentAfterImage = 0;
  StopSerialSaving();
  doc.LineWidthSetting = 1;
  graph_->ShowLineWidthButton();
}

void Tlpnavi::TextReleased(int x, int y) {
  model_.ListMouseX = x;
  model_.ListMouseY = y;
  // The "削" button of a row deletes its entry, as the right-click menu's "削除" does.
  if (const TListRow* row = model_.List().DeleteButtonAt(x, y, model_.Layout)) {
    if (ui.SubFormOpen) return;
    model_.DeleteEntry(row->entry, row->action);
    doc.SpaceSurfacePresent = doc.EntryCount > 0 && doc.FigureTable[1].kind == kKindExplicit;
    return;
  }
  model_.TextClick();
}

void Tlpnavi::TextContextMenu(int x, int y) {
  QMenu* menu = PreparePointMenu(x, y);
  if (!menu) return;
  const QPoint row = text_->mapToGlobal(QPoint(0, y));
  menu->popup(QPoint(scrollBox_->mapToGlobal(QPoint(0, 0)).x(), row.y()));
}

void Tlpnavi::PointMenuChosen(const std::string& name, int code) {
  if (name == "delete") {
    const int hit = model_.List().RowAt(model_.ListMouseX, model_.ListMouseY, model_.Layout.imageWidth);
    if (hit < 0) return;
    const TListRow row = model_.List().ListRows[static_cast<size_t>(hit)];
    model_.DeleteEntry(row.entry, row.action);
    doc.SpaceSurfacePresent = doc.EntryCount > 0 && doc.FigureTable[1].kind == kKindExplicit;
    return;
  }
  if (code == kNoConstruction) return;
  ui.PendingPointConstruction = static_cast<std::uint8_t>(code);
  ui.PointConstructionChosen = code != 100;
  model_.TextClick();
}

void Tlpnavi::TextMouseMove(int x, int y) {
  if (ui.SubFormOpen) return;
  text_->setToolTip(QString::fromUtf8(settings.AfterImageHistory ? "残像消去後に操作して下さい"
                                                                 : "訂正したい関数式をクリックしてください"));
  SetHover(0);
  graph_->ClearStatusReadout();
  if (QToolButton* shift = graph_->ToolStrip()->Button("dragshiftBT")) shift->setChecked(false);
  graph_->Label7()->hide();
  model_.ListMouseX = x;
  model_.ListMouseY = y;
}

void Tlpnavi::LabelMouseMove(int x, int y) {
  model_.ListMouseX = x;
  model_.ListMouseY = y;
  flabel_->setToolTip(QString::fromUtf8(settings.AfterImageHistory ? "残像を消去後に操作して下さい"
                                                                   : "図形の表示・非表示の切り替え"));
  SetHover(model_.HoverToggleAt(x, y));
}

void Tlpnavi::SetHover(int entry) {
  if (entry == model_.HoverToggle) return;
  const NavigatorList& list = model_.List();
  if (const TListEntryRow* old = list.EntryRowOf(model_.HoverToggle))
    PaintLabelBox(*old, model_.Layout, labelCanvas_, false);
  model_.HoverToggle = entry;
  if (const TListEntryRow* row = list.EntryRowOf(entry)) PaintLabelBox(*row, model_.Layout, labelCanvas_, true);
  flabel_->SetPicture(labelCanvas_.Image());
}

// --- NavigatorHost ---

bool Tlpnavi::AskWarning(std::uint8_t code) { return ShowWarning(code); }

void Tlpnavi::ShowMessage(const std::string& utf8) {
  if (dialogs) dialogs->showMessage(utf8);
}

bool Tlpnavi::AskText(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) {
  return AskOnFormulaKeyboard(caption, kind, text, top, right);
}

int Tlpnavi::PickPointName(int preset, int left, int top) {
  return PickNewPointName(preset, [left, top](QSize) { return QPoint(left, top); });
}

int Tlpnavi::ImportCsvPoints(int letter) {
  if (!dialogs || letter < 1 || letter > kMaxPoints) return -1;
  platform::FileDialogRequest request;
  request.title = "csv形式のファイルのファイル名の設定";
  request.filter = "csv|*.csv";
  request.defaultExtension = "csv";
  request.folder = GraphFolders.Demo;
  const std::optional<std::filesystem::path> name = dialogs->openFile(request);
  if (!name) {
    ui.InputCancelled = 1;
    return -1;
  }
  std::ifstream file(*name, std::ios::binary);
  std::string text;
  if (file.is_open()) text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  const std::string shown = name->filename().string();
  if (!file.is_open() || file.bad()) {
    ui.InputCancelled = 1;
    dialogs->showMessage(shown + " を開けません。");
    return -1;
  }
  TCsvPoints read = ParseCsvPoints(text);
  if (!read.error.empty()) {
    ui.InputCancelled = 1;
    dialogs->showMessage(shown + ": " + read.error);
    return -1;
  }
  doc.PointSequences[letter] = std::move(read.points);
  return static_cast<int>(doc.PointSequences[letter].size());
}

EntryWindowResult Tlpnavi::OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) {
  ShowCorrectForm(entry, maxIndex, mode, left);
  return ui.InputCancelled ? EntryWindowResult::Cancelled : EntryWindowResult::Accepted;
}

void Tlpnavi::EraseAfterImages() { ParameterPanel().AfterImages().EraseAfterImages(); }

void Tlpnavi::ShowParameterPanel() {
  if (ValueChange) ValueChange->ShowParameterForm();
}

void Tlpnavi::ListChanged() {
  SyncMenuState();
  const NavigatorList& list = model_.List();
  TListLayout& layout = model_.Layout;
  layout.visibleWidth = scrollBox_->viewport()->width() - layout.listIndent;
  const int height = std::max(list.bottom + 4, scrollBox_->viewport()->height());
  textCanvas_.Resize(layout.imageWidth, height);
  labelCanvas_.Resize(layout.listIndent, height);
  PaintNavigatorList(list, layout, textCanvas_, labelCanvas_);
  if (const TListEntryRow* row = list.EntryRowOf(model_.HoverToggle))
    PaintLabelBox(*row, layout, labelCanvas_, true);
  flabel_->SetPicture(labelCanvas_.Image());
  text_->SetPicture(textCanvas_.Image());
  flabel_->move(0, 0);
  text_->move(layout.listIndent, 0);
  listPane_->resize(layout.listIndent + layout.imageWidth, height);
}

TNavigatorPlace Tlpnavi::Place() {
  TNavigatorPlace p;
  const QRect frame = frameGeometry();
  p.left = frame.left();
  p.top = frame.top();
  p.right = frame.left() + frame.width();
  p.rightOfGraph = x() > graph_->x();
  p.listLeft = scrollBox_->mapToGlobal(QPoint(0, 0)).x();
  p.mouseY = text_->mapToGlobal(QPoint(0, model_.ListMouseY)).y();
  return p;
}
