#include "animate/TValueChange.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <climits>

#include "animate/MacroRuns.h"
#include "animate/TMacronavi.h"
#include "animate/ValueChangeWidgets.h"
#include "formula/DocumentState.h"
#include "platform/ClickLabel.h"
#include "platform/Color.h"
#include "platform/EventPump.h"
#include "platform/HelpPages.h"
#include "platform/KeepOnScreen.h"
#include "platform/Sjis.h"

using value_change::ClickPanel;
using value_change::ColorName;
using value_change::UiFont;
using value_change::Utf8;

namespace {

// Pixel layout of the window.
constexpr int kWidth = 286;
constexpr int kGroupTop = 2, kGroupHeight = 42;
constexpr int kLabelTop = 46, kLabelHeight = 20;  // labelpanel: the rows stack from its bottom
constexpr int kRowHeight = 26;
constexpr int kNaviHeight = 130;  // the after-image buttons, the help link and the macro group
// The after-image and locus buttons in a row at the top.
constexpr int kAfterImageRowTop = 4, kAfterImageButtonHeight = 22;
// The macro group: stop, the editor button and the status in a row, then three rows of
// three macro buttons.
constexpr int kMacroTop = 28;
constexpr int kMacroRowTop = kMacroTop + 26, kMacroButtonWidth = 92, kMacroButtonHeight = 22, kMacroRowStep = 24;
// Columns of a row.
constexpr int kCaptionX = 2, kCaptionW = 28;
constexpr int kUpX = 32, kDownX = 52, kArrowW = 19;
constexpr int kValueX = 74, kValueW = 82;
constexpr int kClearX = 158, kClearW = 18;
constexpr int kIncX = 180, kIncW = 58;
constexpr int kSpinX = 240, kSpinW = 16;
constexpr int kNulX = 258, kNulW = 18;

// The θ and ω rows tell the panel which of them the pop-up menu is for.
class AngleRowPanel : public QFrame {
 public:
  AngleRowPanel(QWidget* parent, std::function<void()> entered, QMenu* menu)
      : QFrame(parent), entered_(std::move(entered)), menu_(menu) {}

 protected:
  void enterEvent(QEnterEvent*) override { entered_(); }
  void contextMenuEvent(QContextMenuEvent* event) override {
    entered_();
    menu_->exec(event->globalPos());
  }

 private:
  std::function<void()> entered_;
  QMenu* menu_;
};

}  // namespace

TValueChange* ValueChange = nullptr;

TValueChange::TValueChange(ParameterPanelModel& model, QWidget* parent)
    : QWidget(parent, Qt::Tool), model_(model) {
  guard_ = true;
  setObjectName(QStringLiteral("ValueChange"));
  setFont(UiFont(12));
  setAutoFillBackground(true);

  // Step width of the increment spins.
  auto* group = new QGroupBox(QString::fromUtf8("刻み幅"), this);
  group->setGeometry(2, kGroupTop, kWidth - 4, kGroupHeight);
  group->setToolTip(QString::fromUtf8("ﾊﾟﾗﾒﾀの増減値に代入する値の幅を決めます"));
  Register("kizamichange", group);
  stepWidths_ = new QButtonGroup(this);
  const char* widths[5] = {"10", "1", "0.1", "0.01", "0.001"};
  for (int i = 0; i < 5; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(widths[i]), group);
    radio->setGeometry(6 + i * 55, 16, 54, 20);
    stepWidths_->addButton(radio, i);
  }
  connect(stepWidths_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on && !guard_) model_.SetStepWidthIndex(id);
  });

  allUp_ = MakeButton(this, "allupv", QString(), kUpX, kLabelTop, kArrowW, kLabelHeight);
  allUp_->setArrowType(Qt::UpArrow);
  HoldButton(allUp_, kAllUpCode);
  allDown_ = MakeButton(this, "alldownv", QString(), kDownX, kLabelTop, kArrowW, kLabelHeight);
  allDown_->setArrowType(Qt::DownArrow);
  HoldButton(allDown_, kAllDownCode);
  auto* title = new QLabel(QString::fromUtf8("増減値 "), this);
  title->setGeometry(kIncX, kLabelTop, kIncW, kLabelHeight);
  title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  labelpanel_ = title;
  Register("labelpanel", title);

  angleMenu_ = new QMenu(this);
  QAction* pai = angleMenu_->addAction(QString::fromUtf8("π"));
  QAction* deg = angleMenu_->addAction(QString::fromUtf8("度"));
  pai->setObjectName(QStringLiteral("paiunit"));
  deg->setObjectName(QStringLiteral("degunit"));
  connect(pai, &QAction::triggered, this, [this] { model_.SetAngleUnit(false); });
  connect(deg, &QAction::triggered, this, [this] { model_.SetAngleUnit(true); });

  for (int row = 0; row < kParameterRowCount; ++row) BuildRow(row);

  navipanel_ = new QWidget(this);
  Register("navipanel", navipanel_);
  QToolButton* html = MakeButton(navipanel_, "Html", QStringLiteral("external link"), kWidth - 92, kMacroTop, 88, 22);
  connect(html, &QToolButton::clicked, this, [this] {
    platform::QtHelpPages pages;
    pages.open(model_.Host().DemoFolder() / "external.html");
  });
  BuildMacroGroup();
  BuildAfterImageButtons();
  BuildIntervalLayout();

  model_.SetWindow(this);
  model_.FormCreate();
  int left = x(), top = y();
  model_.Host().PlacePanel(true, height(), left, top);
  platform::PlaceOnScreen(*this, left, top);
  guard_ = false;
  Sync();
  if (!ValueChange) ValueChange = this;
}

void TValueChange::ModelChanged() { Sync(); }

void TValueChange::CloseWindow() { close(); }

TValueChange::~TValueChange() {
  model_.SetWindow(nullptr);
  if (ValueChange == this) ValueChange = nullptr;
}

void TValueChange::Register(const std::string& name, QWidget* widget) {
  widget->setObjectName(QString::fromStdString(name));
  components_.emplace_back(name, widget);
}

QWidget* TValueChange::Component(const std::string& name) const {
  for (const auto& [n, w] : components_)
    if (n == name) return w;
  return nullptr;
}

QToolButton* TValueChange::MakeButton(QWidget* parent, const std::string& name, const QString& caption, int x,
                                      int y, int w, int h) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setGeometry(x, y, w, h);
  b->setFocusPolicy(Qt::NoFocus);
  Register(name, b);
  return b;
}

// Down: one step at once and the repeat armed; up: the repeat stops.
void TValueChange::HoldButton(QToolButton* button, int code) {
  connect(button, &QToolButton::pressed, this, [this, code] { model_.PressValueButton(code); });
  connect(button, &QToolButton::released, this, [this] { model_.ReleaseValueButton(); });
}

void TValueChange::BuildRow(int row) {
  const ParameterRow& p = kParameterRows[row];
  const std::string n = p.name;
  QFrame* panel = IsAngleRow(row)
                      ? new AngleRowPanel(this, [this, row] { model_.AngleRowUnderMouse = row == kThetaRow ? 0 : 1; },
                                          angleMenu_)
                      : new QFrame(this);
  panel->setGeometry(0, 0, kWidth, kRowHeight);
  panel->hide();
  Register(p.panelName, panel);

  auto* caption = new QLabel(QString::fromUtf8(p.caption), panel);
  caption->setGeometry(kCaptionX, 0, kCaptionW, kRowHeight);
  caption->setFont(UiFont(13, true));

  QToolButton* up = MakeButton(panel, n + "upv", QString(), kUpX, 3, kArrowW, kRowHeight - 6);
  up->setArrowType(Qt::UpArrow);
  HoldButton(up, p.upCode);
  QToolButton* down = MakeButton(panel, n + "downv", QString(), kDownX, 3, kArrowW, kRowHeight - 6);
  down->setArrowType(Qt::DownArrow);
  HoldButton(down, p.upCode + 14);

  auto* value = new ClickLabel(panel);
  value->setGeometry(kValueX, 2, kValueW, kRowHeight - 4);
  value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setFont(UiFont(13));
  value->setAutoFillBackground(true);
  value->clicked = [this, row] { model_.EnterValue(row); };
  Register("valu" + n, value);

  QToolButton* clear = MakeButton(panel, n + "cl", QStringLiteral("C"), kClearX, 3, kClearW, kRowHeight - 6);
  connect(clear, &QToolButton::clicked, this, [this, row] { model_.ClearValue(row); });

  auto* increment = new QLabel(panel);
  increment->setGeometry(kIncX, 2, kIncW, kRowHeight - 4);
  increment->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  increment->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Register(n + "incv", increment);

  // The spin button: two halves, up above down.
  auto* spin = new QWidget(panel);
  spin->setGeometry(kSpinX, 2, kSpinW, kRowHeight - 4);
  Register(n + "spin", spin);
  const int half = (kRowHeight - 4) / 2;
  QToolButton* spinUp = MakeButton(spin, n + "spinup", QString(), 0, 0, kSpinW, half);
  spinUp->setArrowType(Qt::UpArrow);
  QToolButton* spinDown = MakeButton(spin, n + "spindown", QString(), 0, half, kSpinW, half);
  spinDown->setArrowType(Qt::DownArrow);
  connect(spinUp, &QToolButton::clicked, this, [this, row] { model_.SpinIncrement(row, true); });
  connect(spinDown, &QToolButton::clicked, this, [this, row] { model_.SpinIncrement(row, false); });

  QToolButton* nul = MakeButton(panel, n + "nul", QStringLiteral("C"), kNulX, 3, kNulW, kRowHeight - 6);
  connect(nul, &QToolButton::clicked, this, [this, row] { model_.ClearIncrement(row); });

  rows_[row] = {panel, value, increment};
}

void TValueChange::BuildMacroGroup() {
  QToolButton* stop = MakeButton(navipanel_, "stop", QString::fromUtf8("中止"), 4, kMacroTop, 48, 22);
  connect(stop, &QToolButton::clicked, this, [] { Macros().StopMacro(); });
  macroedit_ = MakeButton(navipanel_, "macroedit", QString::fromUtf8("編集"), 54, kMacroTop, 48, 22);
  connect(macroedit_, &QToolButton::clicked, this, [this] { macroeditcli(); });
  macroStatus_ = new QLabel(navipanel_);
  macroStatus_->setGeometry(104, kMacroTop, kWidth - 200, 22);
  macroStatus_->hide();
  Register("macrostatus", macroStatus_);
  for (int n = 1; n <= 9; ++n) {
    const int column = (n - 1) % 3, line = (n - 1) / 3;
    QToolButton* b = MakeButton(navipanel_, "macro" + std::to_string(n), QString(), 4 + column * (kMacroButtonWidth + 1),
                                kMacroRowTop + line * kMacroRowStep, kMacroButtonWidth, kMacroButtonHeight);
    b->setCheckable(true);
    b->setEnabled(false);
    connect(b, &QToolButton::clicked, this, [this, n] { macroButtonClick(n); });
    macroButtons_[n - 1] = b;
  }
}

void TValueChange::ShowMacroButtons(const std::array<std::string, 9>& captions) {
  macroCaptions_ = captions;
  for (int n = 0; n < 9; ++n) {
    macroButtons_[n]->setText(QString::fromStdString(sjis::ToUtf8(captions[n])));
    macroButtons_[n]->setEnabled(!captions[n].empty());
  }
}

void TValueChange::SetMacroButtonsEnabled(bool enabled) {
  for (int n = 0; n < 9; ++n) macroButtons_[n]->setEnabled(enabled && !macroCaptions_[n].empty());
}

void TValueChange::ReleaseMacroButtons() {
  for (int n = 0; n < 5; ++n) macroButtons_[n]->setChecked(false);
}

void TValueChange::ShowMacroStatus(bool visible, const std::string& utf8) {
  macroStatus_->setText(QString::fromStdString(utf8));
  macroStatus_->setVisible(visible);
}

void TValueChange::SetMacroControlsEnabled(bool enabled) {
  for (int row = 0; row < kParameterRowCount; ++row) {
    const char letter = kParameterRows[row].letter;
    if (letter != 'h' && letter != 'q') rows_[row].panel->setEnabled(enabled);
  }
  Component("kizamichange")->setEnabled(enabled);
  allUp_->setEnabled(enabled);
  allDown_->setEnabled(enabled);
  macroedit_->setEnabled(enabled);
}

void TValueChange::macroButtonClick(int number) {
  QToolButton* b = macroButtons_[number - 1];
  b->setChecked(true);
  platform::QtEventPump().pumpMessages();
  Macros().RunMacroProcedureByNumber(number);
  b->setChecked(false);
}

void TValueChange::macroeditcli() {
  if (settings.MacroRunning || !Macronavi) return;
  SetMacroButtonsEnabled(false);
  ParameterPanelHost& host = model_.Host();
  const int bottom = host.NavigatorBottom();
  Macronavi->PlaceBeside(x(), y(), bottom > 0 ? bottom : INT_MAX, host.NavigatorHeight());
  Macronavi->ShowEditor();
}

void TValueChange::BuildAfterImageButtons() {
  struct Spec {
    QToolButton** button;
    const char* name;
    const char* caption;
    const char* hint;
    int x, w;
  } specs[] = {
      {&zanBt_, "zanBt", "残像", "残像セット", 4, 44},
      {&locusBt_, "locusBt", "軌跡", "点の軌跡セット", 50, 44},
      {&undoBT_, "undoBT", "戻す", "残像を戻す", 96, 44},
      {&eraseBT_, "eraseBT", "消去", "残像消去", 142, 44},
      {&zancolor1_, "zancolor1", "濃", "残像を表示色に", 196, 28},
      {&zancolor2_, "zancolor2", "淡", "残像を薄色に", 226, 28},
  };
  for (const Spec& b : specs) {
    *b.button = MakeButton(navipanel_, b.name, QString::fromUtf8(b.caption), b.x, kAfterImageRowTop, b.w,
                           kAfterImageButtonHeight);
    (*b.button)->setToolTip(QString::fromUtf8(b.hint));
    (*b.button)->setCheckable(b.button != &undoBT_);
  }
  AfterImageControls& controls = model_.AfterImages();
  connect(zanBt_, &QToolButton::clicked, this, [this, &controls](bool down) {
    if (!guard_) controls.ToggleAfterImage(down);
  });
  connect(locusBt_, &QToolButton::clicked, this, [this, &controls](bool down) {
    if (!guard_) controls.ToggleLocus(down);
  });
  connect(eraseBT_, &QToolButton::clicked, this, [this, &controls] {
    if (!guard_) controls.EraseAfterImages();
  });
  connect(undoBT_, &QToolButton::clicked, this, [this, &controls] {
    if (!guard_) controls.Undo();
  });
  connect(zancolor1_, &QToolButton::clicked, this, [this, &controls] {
    if (!guard_) controls.SetColorMode(0);
  });
  connect(zancolor2_, &QToolButton::clicked, this, [this, &controls] {
    if (!guard_) controls.SetColorMode(1);
  });
}

// The buttons show the switches, the history and the colour mode as they are.
void TValueChange::SyncAfterImageButtons() {
  zanBt_->setChecked(AfterImageControls::AfterImageDown());
  locusBt_->setChecked(AfterImageControls::LocusDown());
  eraseBT_->setChecked(AfterImageControls::EraseDown());
  undoBT_->setVisible(AfterImageControls::UndoShown());
  zancolor1_->setChecked(AfterImageControls::ColorMode() == 0);
  zancolor2_->setChecked(AfterImageControls::ColorMode() == 1);
}

void TValueChange::ShowParameterForm() {
  model_.ShowParameterForm();
  show();
  raise();
}

void TValueChange::ShowIntervalPanel() {
  show();
  raise();
}

void TValueChange::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  model_.FormShow();
  labelpanel_->hide();
  int left = x(), top = y();
  model_.Host().PlacePanel(false, height(), left, top);
  platform::PlaceOnScreen(*this, left, top);
  model_.PanelLeft = x();
  model_.PanelTop = y();
}

void TValueChange::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  model_.PanelLeft = x();
  model_.PanelTop = y();
}

void TValueChange::closeEvent(QCloseEvent* event) {
  if (model_.FormClose())
    event->accept();
  else
    event->ignore();
}

void TValueChange::Sync() {
  const bool wasGuarded = guard_;
  guard_ = true;
  setWindowTitle(Utf8(model_.Caption()));
  if (QAbstractButton* b = stepWidths_->button(model_.StepWidthIndex()); b && !b->isChecked()) b->setChecked(true);

  // The rows in use, stacked from the bottom of labelpanel.
  int y = kLabelTop + kLabelHeight;
  for (int row = 0; row < kParameterRowCount; ++row) {
    RowWidgets& w = rows_[row];
    const bool shown = model_.RowShown(row);
    if (shown) {
      if (w.panel->y() != y) w.panel->move(0, y);
      y += kRowHeight;
    }
    if (w.panel->isVisibleTo(this) != shown) w.panel->setVisible(shown);
    const QString value = Utf8(model_.ValueText(row));
    if (w.value->text() != value) w.value->setText(value);
    const QString valueStyle = QStringLiteral("background-color: %1;").arg(ColorName(model_.ValueColor(row)));
    if (w.value->styleSheet() != valueStyle) w.value->setStyleSheet(valueStyle);
    const QString inc = Utf8(model_.IncrementText(row));
    if (w.increment->text() != inc) w.increment->setText(inc);
    const QString incStyle = QStringLiteral("color: %1; background-color: #FFFFFF;")
                                 .arg(ColorName(model_.IncrementColor(row)));
    if (w.increment->styleSheet() != incStyle) w.increment->setStyleSheet(incStyle);
  }
  const bool intervalLayout = model_.Layout() == PanelLayout::Interval;
  const bool all = model_.Layout() == PanelLayout::Parameters && model_.AllButtonsShown();
  allUp_->setVisible(all);
  allDown_->setVisible(all);
  SyncAfterImageButtons();
  const int intervalBottom = SyncIntervalLayout(intervalLayout, kGroupTop + kGroupHeight + 2);
  const int bottom = intervalLayout ? intervalBottom : y + kNaviHeight;
  navipanel_->setGeometry(0, y, kWidth, kNaviHeight);
  if (navipanel_->isVisibleTo(this) == intervalLayout) navipanel_->setVisible(!intervalLayout);
  if (height() != bottom || width() != kWidth) setFixedSize(kWidth, bottom);
  guard_ = wasGuarded;
}
