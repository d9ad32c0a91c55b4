#include "ui/Tlpnavi.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "animate/ParameterPanelModel.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "formula/ShellHooks.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "render/EntryDrawers.h"
#include "render/RedrawPipeline.h"
#include "ui/CanvasView.h"
#include "ui/FormulaKeyboardAsk.h"
#include "ui/GraphToolStrip.h"
#include "ui/NavigatorPainter.h"
#include "ui/PaletteModel.h"
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
constexpr int kLabelEnterLeft = 2 + 5 * 28;  // the tool bar's sixth button
constexpr int kDockButtonWidth = 30;  // the status bar's first panel acts as the docking button
constexpr int kListIndents[] = {30, 40, 50};
const char* const kDockHint = "クリックで整列・ダブルクリックで起動時のスタイル";

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
  auto* labelenter = new QToolButton(tools);
  labelenter->setObjectName(QStringLiteral("labelenter"));
  labelenter->setText(QString::fromUtf8("Ａ"));
  labelenter->setToolTip(QString::fromUtf8("画面にラベルを張り付けます"));
  labelenter->setGeometry(kLabelEnterLeft, 2, 26, 26);
  connect(labelenter, &QToolButton::clicked, this, [] { ShowLabelEditor(); });

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setWidgetResizable(false);
  scrollBox_->setBackgroundRole(QPalette::Base);
  listPane_ = new QWidget;
  flabel_ = new CanvasView(listPane_);
  text_ = new CanvasView(listPane_);
  scrollBox_->setWidget(listPane_);
  text_->moved = [this](int x, int y) { TextMouseMove(x, y); };
  text_->released = [this](int x, int y) {
    model_.ListMouseX = x;
    model_.ListMouseY = y;
    model_.TextClick();
  };
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
  statusBar_->clicked = [this](int x) {
    if (x < kDockButtonWidth) ToolBar1Click();
  };
  statusBar_->doubleClicked = [this](int x) {
    if (x < kDockButtonWidth) ToolBar1DblClick();
  };
  statusBar_->moved = [this](int x) {
    statusBar_->setToolTip(x < kDockButtonWidth ? QString::fromUtf8(kDockHint) : QString());
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
  itempanel_->setGeometry(0, 0, w, kItemPanelHeight);
  scrollBox_->setGeometry(0, kItemPanelHeight, w, std::max(0, h - kItemPanelHeight - kStatusBarHeight));
  statusBar_->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
  statusBar_->SetPanelWidth(2, std::max(0, w - kDockButtonWidth - statusBar_->PanelWidth(1)));
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
  text_->setEnabled(enable);
  flabel_->setEnabled(enable);
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
  settings.UnitSizeMode = 1;
  doc.IntervalMode = 0;
  doc.IntervalColor = 0xFFFF;
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
  doc.LineWidthSetting = 1;
  graph_->ShowLineWidthButton();
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

bool Tlpnavi::EditFormula(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) {
  return AskOnFormulaKeyboard(caption, kind, text, top, right);
}

int Tlpnavi::PickPointName(int preset, int left, int top) {
  MarkUsedPointNames(1, 0, doc.EntryCount);
  clpanel.ClpanelMode = 3;
  clpanel.ClpanelResult = static_cast<std::uint8_t>(preset);
  {
    platform::NestedLoopScope modal;
    ShowClpanelModal(left, top);
  }
  // A picker closed without a choice leaves no result.
  return clpanel.ClpanelResult;
}

int Tlpnavi::ImportCsvPoints(int letter) { return importCsvPoints ? importCsvPoints(letter) : -1; }

EntryWindowResult Tlpnavi::OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) {
  ShowCorrectForm(entry, maxIndex, mode, left);
  return ui.InputCancelled ? EntryWindowResult::Cancelled : EntryWindowResult::Accepted;
}

void Tlpnavi::EraseAfterImages() {
  ClearAfterImages(settings.AfterImageHistory);
  modes.AfterImageOn = 0;
  modes.LocusOn = 0;
  doc.BackgroundDirty = 1;
  ::RedrawAll();
}

void Tlpnavi::RedrawAll() { ::RedrawAll(); }

void Tlpnavi::RedrawSpaceScene() {
  if (EntryDrawers.redrawSpaceScene) EntryDrawers.redrawSpaceScene();
}

void Tlpnavi::ShowParameterPanel() { Shell().ShowParameterPanel(); }

void Tlpnavi::RecompileMacro() {
  if (compileMacro) compileMacro();
}

void Tlpnavi::ListChanged() {
  const NavigatorList& list = model_.List();
  const TListLayout& layout = model_.Layout;
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
