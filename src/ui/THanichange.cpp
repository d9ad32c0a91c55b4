#include "ui/THanichange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "animate/TValueChange.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/Color.h"
#include "platform/Dialogs.h"
#include "platform/KeepOnScreen.h"
#include "platform/Screen.h"
#include "platform/Sjis.h"
#include "ui/CanvasView.h"
#include "platform/ClickLabel.h"
#include "ui/CoordinateSelector.h"
#include "ui/FormulaKeyboardAsk.h"
#include "ui/Tgraph.h"
#include "ui/Tlpnavi.h"

THanichange* Hanichange = nullptr;

namespace {

constexpr const char* kPanelHint = "クリックすることで値を変えられます";
constexpr const char* kSystemHints[5] = {"直交座標", "極座標", "縦片対数目盛", "両対数目盛", "横片対数目盛"};

QString Utf8(const char* s) { return QString::fromUtf8(s); }

ClickLabel* Panel(const char* name, const char* hint) {
  auto* panel = new ClickLabel;
  panel->setObjectName(Utf8(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  panel->setMinimumWidth(64);
  panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette p = panel->palette();
  p.setColor(QPalette::Window, Qt::white);
  panel->setPalette(p);
  if (hint) panel->setToolTip(Utf8(hint));
  return panel;
}

QGroupBox* Group(const char* title, QLayout* layout) {
  auto* box = new QGroupBox(Utf8(title));
  box->setLayout(layout);
  return box;
}

platform::FontChoice ChoiceOf(const Tlfont& f) { return {sjis::ToUtf8(f.name), f.size, f.color, f.style}; }
Tlfont LfontOf(const platform::FontChoice& c) { return {sjis::FromUtf8(c.face), c.size, c.color, c.style}; }

}  // namespace

THanichange::THanichange(platform::Dialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), model_(Timer1()), dialogs_(dialogs),
      selectorImage_(kCoordTypeSelectorWidth, kCoordTypeSelectorHeight) {
  setObjectName(QStringLiteral("Hanichange"));
  setWindowTitle(QString::fromUtf8("画面設定２D"));
  const platform::ScreenRect screen = platform::QtScreen().geometry();
  model_.MaxWidth = screen.width;
  model_.MaxHeight = screen.height;

  pages_ = new QTabWidget;
  pages_->addTab(BuildSelectorPage(), Utf8("座標選択"));
  pages_->addTab(BuildRangePage(), Utf8("範囲/フォント"));
  pages_->addTab(BuildAxisPage(), Utf8("軸の設定"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  QToolButton* update = Button("henkousin", "更新");
  connect(update, &QToolButton::clicked, this, [this] { henkousinClick(); });
  QToolButton* close = Button("syuuryou", "終了");
  close->setToolTip(Utf8("範囲の変更を終了します"));
  connect(close, &QToolButton::clicked, this, [this] { syuuryouClick(); });
  buttons->addWidget(update);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  if (!Hanichange) Hanichange = this;
}

THanichange::~THanichange() {
  if (Hanichange == this) Hanichange = nullptr;
}

// --- building ---------------------------------------------------------------------------

QToolButton* THanichange::Button(const char* name, const char* caption) {
  auto* b = new QToolButton;
  b->setObjectName(Utf8(name));
  b->setText(Utf8(caption));
  b->setFocusPolicy(Qt::NoFocus);
  b->setMinimumWidth(30);
  controls_[name] = b;
  return b;
}

QWidget* THanichange::ChoiceRow(std::initializer_list<std::pair<const char*, const char*>> items) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* group = new QButtonGroup(row);
  for (const auto& [name, caption] : items) {
    QToolButton* b = Button(name, caption);
    b->setCheckable(true);
    group->addButton(b);
    const std::string n = name;
    connect(b, &QToolButton::clicked, this, [this, n] {
      model_.Choose(n);
      SyncRangeFormButtons();
    });
    layout->addWidget(b);
  }
  layout->addStretch(1);
  return row;
}

QWidget* THanichange::BuildSelectorPage() {
  selector_ = new CanvasView;
  selector_->setObjectName(QStringLiteral("coodiselect"));
  selector_->pressed = [this](int x, int y) { Selected(x, y); };
  selector_->moved = [this](int x, int y) {
    const int hit = HitTestCoordTypeSelector(x, y);
    selector_->setToolTip(hit ? Utf8(kSystemHints[hit - 1]) : QString());
  };
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(selector_, 0, Qt::AlignCenter);
  return page;
}

QWidget* THanichange::BuildRangePage() {
  auto* bounds = new QGridLayout;
  const char* names[4] = {"Panel1", "Panel2", "Panel3", "Panel4"};
  for (int i = 0; i < 4; ++i) {
    panels_[i] = Panel(names[i], kPanelHint);
    panels_[i]->clicked = [this, i] { AskBound(i); };
    bounds->addWidget(panels_[i], i / 2, i % 2 * 2);
  }
  bounds->addWidget(new QLabel(Utf8("≦ｘ≦")), 0, 1);
  bounds->addWidget(new QLabel(Utf8("≦ｙ≦")), 1, 1);
  auto* keep = new QCheckBox(Utf8("縦座標保持"));
  keep->setObjectName(QStringLiteral("hirituhoji"));
  controls_["hirituhoji"] = keep;
  connect(keep, &QCheckBox::clicked, this, [this](bool on) { model_.Check("hirituhoji", on); });
  bounds->addWidget(keep, 2, 0, 1, 3);

  auto* size = new QHBoxLayout;
  const char* sizeNames[2] = {"xEdit", "yedit"};
  const char* sizeCaptions[2] = {"横", "縦"};
  for (int i = 0; i < 2; ++i) {
    sizes_[i] = Panel(sizeNames[i], nullptr);
    const RangeAxis axis = i == 0 ? RangeAxis::X : RangeAxis::Y;
    sizes_[i]->clicked = [this, axis] { AskSize(axis); };
    size->addWidget(new QLabel(Utf8(sizeCaptions[i])));
    size->addWidget(sizes_[i]);
  }

  auto* grid = new QVBoxLayout;
  grid->addWidget(ChoiceRow({{"jituline", "実線"}, {"dashline", "点線"}}));
  grid->addWidget(ChoiceRow({{"lwidth", "細"}, {"dwidth", "太"}}));
  grid->addWidget(ChoiceRow({{"kousi0", "なし"}, {"kousi1", "粗"}, {"kousi2", "密"}}));
  QToolButton* color = Button("lcolor", "色");
  connect(color, &QToolButton::clicked, this, [this] {
    if (!dialogs_) return;
    if (const std::optional<int32_t> c = dialogs_->chooseColor(doc.GridSettings.color)) model_.SetGridColor(*c);
  });
  grid->addWidget(color);

  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Group("範囲", bounds));
  layout->addWidget(Group("画面サイズ", size));
  layout->addWidget(Group("格子", grid));
  layout->addWidget(FontGroup(RangeFont::Axis));
  layout->addWidget(FontGroup(RangeFont::PointLabel));
  layout->addStretch(1);
  return page;
}

QWidget* THanichange::FontGroup(RangeFont which) {
  const bool axis = which == RangeFont::Axis;
  const int slot = axis ? 0 : 1;
  auto* row = new QHBoxLayout;
  QToolButton* standard = Button(axis ? "mnrfntBT" : "pnrfntBT", "標準");
  QToolButton* other = Button(axis ? "motfntBT" : "potfntBt", "その他");
  for (QToolButton* b : {standard, other}) b->setCheckable(true);
  auto* group = new QButtonGroup(row);
  group->addButton(standard);
  group->addButton(other);
  connect(standard, &QToolButton::clicked, this, [this, which] {
    model_.SetStandardFont(which);
    SyncRangeFormButtons();
  });
  connect(other, &QToolButton::clicked, this, [this, which] { ChooseFont(which); });
  fontSizes_[slot] = new QSpinBox;
  fontSizes_[slot]->setObjectName(Utf8(axis ? "mfontsize" : "pfontsize"));
  fontSizes_[slot]->setRange(5, 100);
  connect(fontSizes_[slot], &QSpinBox::valueChanged, this, [this, which](int size) {
    if (!syncing_) model_.SetFontSize(which, size);
  });
  row->addWidget(standard);
  row->addWidget(other);
  row->addWidget(fontSizes_[slot]);
  row->addStretch(1);
  return Group(axis ? "軸目盛り" : "点のラベル", row);
}

QWidget* THanichange::AxisGroup(RangeAxis axis) {
  const bool x = axis == RangeAxis::X;
  const int slot = x ? 0 : 1;
  auto* layout = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  axisColors_[slot] = Button(x ? "xcoodicolor" : "ycoodicolor", x ? "→" : "↑");
  connect(axisColors_[slot], &QToolButton::clicked, this, [this, axis] { ChooseAxisColor(axis); });
  const char* showName = x ? "xcoodishow" : "ycoodishow";
  auto* show = new QCheckBox(Utf8("表示"));
  show->setObjectName(Utf8(showName));
  controls_[showName] = show;
  connect(show, &QCheckBox::clicked, this, [this, showName](bool on) { model_.Check(showName, on); });
  names_[slot] = new QComboBox;
  names_[slot]->setObjectName(Utf8(x ? "xcoodistr" : "ycoodistr"));
  names_[slot]->setEditable(true);
  for (const char* item : kAxisNameItems) names_[slot]->addItem(Utf8(item));
  connect(names_[slot], &QComboBox::currentTextChanged, this, [this, axis](const QString& text) {
    if (!syncing_) model_.SetAxisName(axis, text.toStdString());
  });
  top->addWidget(axisColors_[slot]);
  top->addWidget(show);
  top->addWidget(names_[slot]);
  top->addStretch(1);

  auto* dense = new QHBoxLayout;
  density_[slot] = new QSlider(Qt::Horizontal);
  density_[slot]->setObjectName(Utf8(x ? "xmitudoTrack" : "ymitudotrack"));
  density_[slot]->setRange(-2, 2);
  density_[slot]->setPageStep(1);
  density_[slot]->setTickPosition(QSlider::TicksBelow);
  connect(density_[slot], &QSlider::valueChanged, this, [this, axis](int v) {
    if (!syncing_) model_.SetTickDensity(axis, v);
  });
  dense->addWidget(new QLabel(Utf8("密")));
  dense->addWidget(density_[slot]);
  dense->addWidget(new QLabel(Utf8("粗")));

  layout->addLayout(top);
  layout->addLayout(dense);
  if (x)
    layout->addWidget(ChoiceRow({{"xnon", "1"}, {"xradi", "π"}, {"xdeg", " 90°"}, {"xdeg2", " 60°"}}));
  else
    layout->addWidget(ChoiceRow({{"ynon", "1"}, {"yradi", "π"}, {"ydeg", " 90°"}, {"ydeg2", " 60°"}}));
  return Group(x ? "ｘ軸" : "y軸", layout);
}

QWidget* THanichange::BuildAxisPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(AxisGroup(RangeAxis::X));
  layout->addWidget(AxisGroup(RangeAxis::Y));
  auto single = [](QWidget* row) {
    auto* l = new QVBoxLayout;
    l->addWidget(row);
    return l;
  };
  layout->addWidget(
      Group("目盛り/数値", single(ChoiceRow({{"memori0", "なし"}, {"memori1", "目盛り"}, {"memori2", "目盛りと数値"}}))));
  layout->addWidget(Group("軸の太さ", single(ChoiceRow({{"jikuwidth1", "1"}, {"jikuwidth2", "2"}, {"jikuwidth3", "3"}}))));
  layout->addWidget(Group("文字位置", single(ChoiceRow({{"mojileft", "左"}, {"mojicenter", "中央"}, {"mojiright", "右"}}))));
  layout->addWidget(
      Group("矢印の種類", single(ChoiceRow({{"arrowsingle", "→"}, {"arrowsharp", "⇒"}, {"arrownon", "なし"}}))));
  layout->addStretch(1);
  return page;
}

// --- state --------------------------------------------------------------------------------

QAbstractButton* THanichange::Control(const std::string& name) const {
  const auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

void THanichange::ShowBounds() {
  for (int i = 0; i < 4; ++i) panels_[i]->setText(QString::fromStdString(sjis::ToUtf8(model_.BoundTexts[i])));
  sizes_[0]->setText(QString::number(model_.DrawingWidth));
  sizes_[1]->setText(QString::number(model_.DrawingHeight));
}

void THanichange::SyncRangeFormButtons() {
  syncing_ = true;
  for (const TRangeChoice& c : RangeFormChoices())
    if (QAbstractButton* b = Control(c.name)) b->setChecked(RangeFormModel::Chosen(c.name));
  for (RangeFont which : {RangeFont::Axis, RangeFont::PointLabel}) {
    const bool axis = which == RangeFont::Axis;
    const bool custom = RangeFormModel::FontIsCustom(which);
    Control(axis ? "mnrfntBT" : "pnrfntBT")->setChecked(!custom);
    Control(axis ? "motfntBT" : "potfntBt")->setChecked(custom);
    fontSizes_[axis ? 0 : 1]->setValue(RangeFormModel::Font(which).size);
  }
  const Tlfont& pointFont = RangeFormModel::Font(RangeFont::PointLabel);
  Control("potfntBt")->setToolTip(doc.PointLabelFontCustom ? QString::fromStdString(sjis::ToUtf8(pointFont.name))
                                                           : QString());
  for (int slot = 0; slot < 2; ++slot) {
    const bool x = slot == 0;
    density_[slot]->setValue(x ? settings.XTickDensity : settings.YTickDensity);
    names_[slot]->setCurrentText(QString::fromStdString(sjis::ToUtf8(x ? doc.XAxisName : doc.YAxisName)));
    const QColor colour = QColor::fromRgb(gfx::ToArgb(x ? doc.XAxisColor : doc.YAxisColor));
    axisColors_[slot]->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
  }
  DrawSelector();
  syncing_ = false;
}

void THanichange::DrawSelector() {
  DrawCoordTypeSelector(selectorImage_, doc.CoordinateSystem);
  selector_->SetPicture(selectorImage_.Image());
}

// --- events -------------------------------------------------------------------------------

void THanichange::Selected(int x, int y) {
  const int hit = HitTestCoordTypeSelector(x, y);
  if (!hit) return;
  model_.SelectCoordinateSystem(hit - 1);
  DrawSelector();
  if (lpnavi) lpnavi->UpdateMenuState(1);
}

void THanichange::AskBound(int i) {
  const QPoint corner = frameGeometry().topLeft();
  const RangeFormModel::AskText ask = [corner](const char* caption, std::uint8_t kind, std::string& text) {
    return AskOnFormulaKeyboard(caption, kind, text, corner.y(), corner.x());
  };
  if (model_.EditBound(i, ask)) ShowBounds();
}

void THanichange::AskSize(RangeAxis axis) {
  const QPoint corner = frameGeometry().topLeft();
  const RangeFormModel::AskText ask = [corner](const char* caption, std::uint8_t kind, std::string& text) {
    return AskOnFormulaKeyboard(caption, kind, text, corner.y(), corner.x());
  };
  if (model_.EditDrawingSize(axis, ask)) ShowBounds();
}

void THanichange::ChooseFont(RangeFont which) {
  if (dialogs_)
    if (const std::optional<platform::FontChoice> chosen = dialogs_->chooseFont(ChoiceOf(RangeFormModel::Font(which))))
      model_.SetCustomFont(which, LfontOf(*chosen));
  SyncRangeFormButtons();
}

void THanichange::ChooseAxisColor(RangeAxis axis) {
  if (!dialogs_) return;
  const int32_t initial = axis == RangeAxis::X ? doc.XAxisColor : doc.YAxisColor;
  if (const std::optional<int32_t> c = dialogs_->chooseColor(initial)) {
    model_.SetAxisColor(axis, *c);
    SyncRangeFormButtons();
  }
}

void THanichange::henkousinClick() {
  Report(model_.ApplySizeAndBounds([](int width, int height) {
    if (!lpnavi) return;
    lpnavi->Graph().SetDrawingSize(width, height);
    lpnavi->GraphLeftOfNavigator();
  }));
  ShowBounds();
  if (lpnavi) lpnavi->Graph().update();
}

void THanichange::Report(BoundsResult result) {
  if (result != BoundsResult::Applied && dialogs_) dialogs_->showMessage(model_.RefusalMessage(result));
}

void THanichange::syuuryouClick() {
  if (lpnavi && ui.MemoShown) lpnavi->LayoutMemoPanel();
  closingByUser_ = true;
  close();
  closingByUser_ = false;
}

void THanichange::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  SyncRangeFormButtons();
  pages_->setCurrentIndex(1);
  if (ValueChange) ValueChange->hide();
  if (lpnavi) lpnavi->setEnabled(false);
  model_.FormShow();
  ShowBounds();
}

void THanichange::closeEvent(QCloseEvent* event) {
  const BoundsResult pending = model_.ApplyPendingBounds();
  if (pending != BoundsResult::Applied) {
    Report(pending);
    // The user's own close waits for bounds that make a view; the program's closes drop them.
    if (closingByUser_ || event->spontaneous()) {
      event->ignore();
      return;
    }
    model_.RangeEdited = 0;
  }
  model_.FormClose();
  if (lpnavi) lpnavi->setEnabled(true);
  if (ui.ValueTimerBusy && ValueChange) ValueChange->show();
  event->accept();
  // Shown again before the tick, it stays.
  Timer1().FreeAfterClose(job::FreeRangeForm, [window = QPointer<THanichange>(this)] {
    if (window && !window->isVisible()) delete window;
  });
}

// --- program-wide entry points ------------------------------------------------------------

void ShowRangeForm(int left, int top) {
  // Owned by the graph window (not the navigator, which it disables), it goes with it.
  if (!Hanichange) new THanichange(lpnavi ? lpnavi->dialogs : nullptr, lpnavi ? &lpnavi->Graph() : nullptr);
  modes.RangeFormFromNavigator = 1;
  platform::PlaceOnScreen(*Hanichange, left, top);
  Hanichange->show();
  Hanichange->raise();
}

bool RangeFormOpen() { return Hanichange && Hanichange->isVisible(); }

void CloseRangeForm() {
  if (RangeFormOpen()) Hanichange->close();
}

void RefreshRangeForm() {
  if (!RangeFormOpen() || !modes.RangeFormFromNavigator) return;
  Hanichange->Model().RefreshRangeForm();
  Hanichange->ShowBounds();
}

void SyncRangeFormButtons() {
  if (RangeFormOpen()) Hanichange->SyncRangeFormButtons();
}
