#include "ui/Tgraph.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "animate/MacroRuns.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/TableServices.h"
#include "io/EquationFileCommands.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/Axes.h"
#include "render/DrawToolkitMapping.h"
#include "render/PointEntries.h"
#include "render/LabelDrawing.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/SpaceView.h"
#include "render/TickSteps.h"
#include "render/ViewZoom2D.h"
#include "ui/GraphPopupMenu.h"
#include "ui/GraphToolStrip.h"
#include "ui/GraphViewButtons.h"
#include "ui/LabelDrag.h"
#include "ui/ManualPages.h"
#include "ui/RangeForm.h"
#include "ui/StartupLayout.h"
#include "ui/StatusPanels.h"
#include "ui/TAboutBox1.h"
#include "ui/Thanni3d.h"
#include "ui/Tlpnavi.h"
#include "ui/Twarning.h"

TGraphFolders GraphFolders;
Tgraph* graph = nullptr;

namespace {

// Shows the window's picture; where the widget reaches beyond it, white.
class GraphPicture : public QWidget {
 public:
  GraphPicture(const gfx::RasterCanvas& image, QWidget* parent) : QWidget(parent), image_(image) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    p.drawImage(event->rect().topLeft(), image_.Image(), event->rect());
  }

 private:
  const gfx::RasterCanvas& image_;
};

int DrawingHeightOf(int clientHeight) { return clientHeight - kToolStripHeight - kStatusBarHeight - 2; }

}  // namespace

Tgraph::Tgraph(const platform::Screen& screen, Tlpnavi& navigator)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      screen_(screen),
      navigator_(navigator) {
  if (!graph) graph = this;
  toolbar1_ = new GraphToolStrip(this);
  panel1_ = new QWidget(this);
  panel1_->setAutoFillBackground(true);
  QPalette white = panel1_->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel1_->setPalette(white);
  graphpaint_ = new GraphPicture(image_, panel1_);
  popupMenu1_ = new GraphPopupMenu(this);
  popupMenu1_->chosen = [this](const std::string& name) { PopupItemChosen(name); };
  label6_ = new QLabel(QString::fromUtf8("ドラッグで移動出来ます"), panel1_);
  label7_ = new QLabel(panel1_);
  for (QLabel* label : {label6_, label7_}) {
    label->hide();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  statusBar_ = new StatusPanels({100, 50, 50}, this);
  statusBar_->setToolTip(QString::fromUtf8("クリックで整列・ダブルクリックで起動時のスタイル"));
  statusBar_->clicked = [this](int) { navigator_.ToolBar1Click(); };
  statusBar_->doubleClicked = [this](int) { navigator_.ToolBar1DblClick(); };
  statusBar_->moved = [this](int) { ClearStatusReadout(); };
  statusBar_->released = [](int) { Timer1().SetEnabled(false); };
  connect(toolbar1_->Button("contBT"), &QToolButton::clicked, this, [this] { contBTClick(); });
  connect(toolbar1_->Button("hlpBt"), &QToolButton::clicked, this, [this] { hlpBtClick(); });
  const char* widths[] = {"emphates", "emphatem", "emphatel"};
  for (int i = 0; i < 3; ++i)
    connect(toolbar1_->Button(widths[i]), &QToolButton::clicked, this, [this, i] { SetLineWidth(i + 1); });
  setMinimumSize(kMinClientWidth, kMinClientHeight);
  ConnectMouse();
  FormCreate();
}

Tgraph::~Tgraph() {
  if (::render.WindowImage && ::render.WindowImage == &image_) ::render.WindowImage = nullptr;
  if (graph == this) graph = nullptr;
}

void Tgraph::FormCreate() {
  ResetMiscSettings();
  GraphFolders.Program = platform::ProgramFolder();
  GraphFolders.Background = GraphFolders.Program;
  GraphFolders.Picture = GraphFolders.Program;
  GraphFolders.Demo = GraphFolders.Program / "demo";
  GraphFolders.Manual = GraphFolders.Program / "manual";
  SetUI3D(false);
  UpdateArrowHints();
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  reopenRangeForm_ = false;
  settings.DrawToMetafile = 0;
  modes.OutputColorMode = 0;

  const platform::ScreenRect area = screen_.geometry();
  image_.Resize(std::max(1, area.width), std::max(1, area.height));
  const int clientHeight = GraphWindowHeightAtStart(area);
  remembered_ = {SquareClientWidth(clientHeight), clientHeight};
  settings.GraphWindowMode = 1;
  redrawOnResize_ = true;
  doc.GraphWidth = remembered_.width - 2;
  doc.GraphHeight = DrawingHeightOf(remembered_.height);
  initialDrawing_ = {doc.GraphWidth, doc.GraphHeight};
  ReferenceHeight = doc.GraphHeight;
  ResizeClient(remembered_);
  LayoutParts();

  ::render.WindowImage = &image_;
  RecreateBufferBitmaps();
  ResetGraphForNewDocument(0);
}

void Tgraph::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void Tgraph::FormShow() {
  Timer1().Arm(job::Startup);
  ShowLineWidthButton();
  // Now that the window has its frame, the navigator takes the rest of the pair's width;
  // its frame is taken to be as wide as this one's.
  const int frame = frameGeometry().width() - width();
  navigator_.SetNavigatorWidth(PairWidth(screen_.geometry()) - frameGeometry().width() - frame);
  const TPairPlacement p =
      FirstPlacement(screen_.geometry(), screen_.workArea(), frameGeometry().width(), navigator_.width() + frame);
  move(p.graph.left, p.graph.top);
  navigator_.move(p.navigator.left, p.navigator.top);
  navigator_.DockLeft = p.navigator.left;
  navigator_.DockTop = p.navigator.top;
  navigator_.show();
  // The new document's picture: grid and axes.
  RedrawAll();
}

void Tgraph::ContinueStartup(const std::vector<std::string>& arguments) {
  // The manual folder stays beside the program whatever the command line holds.
  if (const std::string* name = CommandLineEquationFile(arguments)) {
    if (AboutBox1) AboutBox1->show();
    settings.CurrentFileName = *name;
    const EquationFileResult result = LoadEquationFile(std::filesystem::path(*name));
    if (!result.ok && !result.message.empty() && dialogs) dialogs->showMessage(result.message);
  }
  FreeAboutBox();
}

void Tgraph::ResetGraphForNewDocument(int freeSounds) {
  setWindowTitle(QString::fromUtf8(std::string(kWindowTitle) + kNewDocumentSuffix));
  doc.CoordinateSystem = 0;
  doc.XAxisColor = 0;
  doc.YAxisColor = 0;
  ResetSpaceView();
  mouse_->PointGuideShown = 0;
  mouse_->RightButtonDown = 0;
  mouse_->GuideBoxShown = 0;
  ResetAllSettings(freeSounds);
  UpdatePixelSize(1);
  navigator_.UpdateMenuState(1);
  ShowPictureSizeInStatusBar();
  navigator_.RebuildEquationList();
}

void Tgraph::RecreateBufferBitmaps() {
  ::RecreateBufferBitmaps();
  if (doc.GraphWidth > image_.Width() || doc.GraphHeight > image_.Height())
    image_.Resize(std::clamp(std::max(doc.GraphWidth, image_.Width()), 1, kMaxBitmapSide),
                  std::clamp(std::max(doc.GraphHeight, image_.Height()), 1, kMaxBitmapSide));
}

void Tgraph::CopyBufferToGraph(gfx::CopyMode mode) {
  const gfx::Rect area{0, 0, doc.GraphWidth, doc.GraphHeight};
  image_.CopyRect(area, CompositeCanvas(), area, mode);
  if (doc.Dimension != 3) {
    DrawAxes(image_, 2);
    DrawPointListLabels(image_);
    DrawAllLabels(image_, settings.OutputScale);
  }
  graphpaint_->update();
}

void Tgraph::CopyCanvasToGraph(gfx::Canvas& canvas) {
  const gfx::Rect area{0, 0, doc.GraphWidth, doc.GraphHeight};
  image_.CopyRect(area, canvas, area, gfx::CopyMode::Copy);
  // Painted at once, without letting events run in the middle of the drawing.
  graphpaint_->repaint();
}

void Tgraph::SetUI3D(bool space) {
  toolbar1_->SetSpaceControls(space);
  navigator_.SetSpaceControls(space);
}

void Tgraph::SwitchTo3D() {
  SetUI3D(true);
  ApplyFourThreeShape();
  const TViewRange& v = doc.ViewRange;
  doc.SpaceRange = (v.XMax - v.XMin) * 5 / 18;
  NormalizeSpaceRange();
  doc.CameraDistance = static_cast<int32_t>(rtl::Round(doc.SpaceRange * 40 / 3));
  ShowRangeInStatusBar();
  UpdatePixelSize(1);
  doc.BackgroundDirty = 1;
  UpdateArrowHints();
  for (int i = 1; i <= doc.EntryCount; ++i) {
    Tfuncprop& e = doc.FigureTable[i];
    if (e.kind == kKindFigure || e.kind == kKindPoint) ClassifyFigure(e);
  }
  navigator_.RebuildEquationList();
  // The plane picture must not stay on show.
  RedrawAll();
}

void Tgraph::SwitchTo2D() {
  SetUI3D(false);
  ShowRangeInStatusBar();
  ResetViewRange();
  doc.BackgroundDirty = 1;
  UpdateArrowHints();
  navigator_.RebuildEquationList();
  for (int i = 1; i <= doc.EntryCount; ++i) {
    Tfuncprop& e = doc.FigureTable[i];
    if (e.kind == kKindFigure || e.kind == kKindPoint) ClassifyFigure(e);
  }
}

void Tgraph::ApplyFourThreeShape() {
  const QRect frame = frameGeometry();
  const TClientSize shaped = FourThreeShape({frame.width(), frame.height()});
  resize(width() + shaped.width - frame.width(), height() + shaped.height - frame.height());
  if (settings.GraphWindowMode == 1) {
    settings.GraphWindowMode = 0;
    RecreateBufferBitmaps();
    RedrawAll();
  }
}

void Tgraph::ShowPictureSizeInStatusBar() {
  const std::string text = PictureSizeText();
  statusBar_->SetPanelText(0, sjis::ToUtf8(text));
  statusBar_->SetPanelWidth(0, PictureSizePanelWidth(text));
}

void Tgraph::ShowRangeInStatusBar() {
  const std::string text = RangeText();
  statusBar_->SetPanelText(1, sjis::ToUtf8(text));
  statusBar_->SetPanelWidth(1, statusBar_->FittingWidth(sjis::ToUtf8(text)));
  if (doc.Dimension == 3) statusBar_->SetPanelText(2, "");
  navigator_.StatusBar()->SetPanelText(2, "");
}

void Tgraph::ClearStatusReadout() {
  statusBar_->SetPanelText(2, "");
  navigator_.StatusBar()->SetPanelText(2, "");
  navigator_.StatusBar()->SetPanelRaised(0, true);
}

void Tgraph::SetCaptionFileName(const std::filesystem::path& fileName) {
  if (fileName.has_parent_path()) GraphFolders.Demo = fileName.parent_path();
  const std::u8string name = fileName.filename().u8string();
  setWindowTitle(QString::fromUtf8(CaptionForFile(std::string(name.begin(), name.end()))));
}

void Tgraph::SetArrowHints(const std::string (&hints)[4]) { toolbar1_->SetArrowHints(hints); }

void Tgraph::RestoreGraphWindow(int width, int height) {
  redrawOnResize_ = false;
  if (isMaximized()) showNormal();
  switch (settings.GraphWindowMode) {
    case 0:
      RestoreCreationSize();
      settings.GraphWindowMode = 1;
      break;
    case 1: {
      const platform::ScreenRect work = screen_.workArea();
      const TClientSize client{std::clamp(width + 2, kMinClientWidth, std::max(kMinClientWidth, work.width)),
                               std::clamp(height + kToolStripHeight + kStatusBarHeight + 2, kMinClientHeight,
                                          std::max(kMinClientHeight, work.height))};
      ResizeClient(client);
      doc.GraphWidth = client.width - 2;
      doc.GraphHeight = DrawingHeightOf(client.height);
      break;
    }
    case 2:
      showMaximized();
      if (settings.UnitSizeMode) RangeFromUnitSize();
      break;
    default: break;
  }
  RecreateBufferBitmaps();
  ShowPictureSizeInStatusBar();
  ShowRangeInStatusBar();
  DockGraphLeftOfNavigator();
}

void Tgraph::SetDrawingSize(int width, int height) {
  resize(width + 2, height + kToolStripHeight + kStatusBarHeight + 2);
}

void Tgraph::RestoreCreationSize() {
  ResizeClient(remembered_);
  doc.GraphWidth = initialDrawing_.width;
  doc.GraphHeight = initialDrawing_.height;
}

void Tgraph::RestoreStartSize() {
  if (isMaximized() || isMinimized()) showNormal();
  RestoreCreationSize();
  RecreateBufferBitmaps();
  UpdatePixelSize(1);
  ShowPictureSizeInStatusBar();
  DockGraphLeftOfNavigator();
}

void Tgraph::SetRedrawOnResize(bool redraw) { redrawOnResize_ = redraw; }

void Tgraph::RefreshGraphWindowMode() {
  if (isMaximized())
    settings.GraphWindowMode = 2;
  else if (!isMinimized())
    settings.GraphWindowMode = TClientSize{width(), height()} == remembered_ ? 0 : 1;
}

void Tgraph::DockGraphLeftOfNavigator() {
  move(GraphLeftOfNavigator({navigator_.x(), navigator_.y()}, frameGeometry().width()).left, y());
}

int Tgraph::GetAnimationFormTop() const { return y() + navigator_.MemoHeight(); }

void Tgraph::EnableGraphEditing(bool enable) {
  navigator_.UpdateMenuState(enable ? 1 : 0);
  navigator_.EnableNavigatorText(enable);
  modes.CalculusActive = enable ? 0 : 1;
  popupMenuEnabled_ = enable;
}

void Tgraph::ShowLineWidthButton() {
  toolbar1_->PressLineWidth(doc.LineWidthSetting);
  navigator_.ApplyLineWidth();
}

void Tgraph::SetLineWidth(int setting) {
  doc.LineWidthSetting = static_cast<uint8_t>(setting);
  toolbar1_->PressLineWidth(setting);
  navigator_.ApplyLineWidth();
  RedrawAll();
}

void Tgraph::contBTClick() {
  navigator_.showNormal();
  navigator_.DockNavigator();
  navigator_.raise();
}

void Tgraph::hlpBtClick() { OpenManualPage("gamen.html"); }

void Tgraph::ResizeClient(TClientSize size) {
  if (TClientSize{width(), height()} == size) return;
  expectedClient_ = size;
  resize(size.width, size.height);
}

void Tgraph::LayoutParts() {
  const int w = width(), h = height();
  const int middle = std::max(0, h - kToolStripHeight - kStatusBarHeight);
  toolbar1_->setGeometry(0, 0, w, kToolStripHeight);
  panel1_->setGeometry(0, kToolStripHeight, w, middle);
  graphpaint_->setGeometry(1, 1, std::max(0, w - 2), std::max(0, middle - 2));
  statusBar_->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
}

void Tgraph::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutParts();
  const TClientSize client{width(), height()};
  const bool ownResize = expectedClient_ && *expectedClient_ == client;
  expectedClient_.reset();
  if (ui.SkipNextResize) {
    ui.SkipNextResize = 0;
    return;
  }
  if (ownResize) return;
  FormResize();
}

void Tgraph::FormResize() {
  const TClientSize client{width(), height()};
  const TResizeResult r = ResizeDrawing(client, remembered_);
  if (r.normalState && isMaximized()) showNormal();
  if (!(r.client == client)) ResizeClient(r.client);
  RecreateBufferBitmaps();
  ShowPictureSizeInStatusBar();
  ShowRangeInStatusBar();
  if (redrawOnResize_) RedrawAll();
  navigator_.RebuildEquationList();
  if (doc.Dimension == 3) FollowSpaceDrawingSize(doc.GraphWidth);
  RangeFormBookkeeping();
}

void Tgraph::RangeFormBookkeeping() {
  const platform::ScreenRect area = screen_.geometry();
  if (doc.Dimension != 3) {
    graphAtFullSize_ = frameGeometry().width() >= area.width || TClientSize{width(), height()} == remembered_;
    if (graphAtFullSize_) {
      reopenRangeForm_ = false;
      if (RangeFormOpen()) {
        rangeFormClosedForFullSize_ = true;
        CloseRangeForm();
      }
    }
  }
  // Only the window this closed comes back.
  if (reopenRangeForm_ && rangeFormClosedForFullSize_) {
    rangeFormClosedForFullSize_ = false;
    navigator_.zahyouClick();
  }
  if (TClientSize{doc.GraphWidth, doc.GraphHeight} == initialDrawing_) reopenRangeForm_ = true;
  if (graphAtFullSize_ && width() < area.width) {
    graphAtFullSize_ = false;
    reopenRangeForm_ = true;
  }
}

// A disabled window drops its keys in the base handler, so the key is taken before it.
bool Tgraph::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      settings.MacroRunning) {
    Macros().StopMacro();
    return true;
  }
  return QWidget::event(event);
}

void Tgraph::closeEvent(QCloseEvent* event) {
  if (modes.CloseNeedsConfirm && !ShowWarning(4)) {
    event->ignore();
    return;
  }
  // Only a close that goes ahead leaves a running animation.
  modes.AnimationMode = 6;
  if (modes.CloseNeedsConfirm) FreeSoundSlots(1);
  event->accept();
  if (host) host->QuitProgram();
}
