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
#include "formula/DocumentState.h"
#include "platform/ClickLabel.h"
#include "platform/Color.h"
#include "platform/EventPump.h"
#include "platform/HelpPages.h"
#include "platform/Sjis.h"

namespace {

// Pixel layout of the window.
constexpr int kWidth = 286;
constexpr int kGroupTop = 2, kGroupHeight = 42;
constexpr int kLabelTop = 46, kLabelHeight = 20;  // labelpanel: the rows stack from its bottom
constexpr int kRowHeight = 26;
constexpr int kNaviHeight = 106;  // the help link and the macro group
// The macro group: stop, the editor button and the status in a row, then three rows of
// three macro buttons.
constexpr int kMacroRowTop = 30, kMacroButtonWidth = 92, kMacroButtonHeight = 22, kMacroRowStep = 24;
// Columns of a row.
constexpr int kCaptionX = 2, kCaptionW = 28;
constexpr int kUpX = 32, kDownX = 52, kArrowW = 19;
constexpr int kValueX = 74, kValueW = 82;
constexpr int kClearX = 158, kClearW = 18;
constexpr int kIncX = 180, kIncW = 58;
constexpr int kSpinX = 240, kSpinW = 16;
constexpr int kNulX = 258, kNulW = 18;

QFont UiFont(int pixels, bool bold = false) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QString ColorName(uint32_t bgr) { return QColor::fromRgb(gfx::ToArgb(bgr)).name(); }

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
  QToolButton* html = MakeButton(navipanel_, "Html", QStringLiteral("external link"), kWidth - 92, 4, 88, 22);
  connect(html, &QToolButton::clicked, this, [this] {
    platform::QtHelpPages pages;
    pages.open(model_.Hooks().DemoFolder() / "external.html");
  });
  BuildMacroGroup();

  model_.SetChangedHandler([this] { Sync(); });
  model_.FormCreate();
  int left = x(), top = y();
  model_.Hooks().PlacePanel(true, height(), left, top);
  move(left, top);
  guard_ = false;
  Sync();
  if (!ValueChange) ValueChange = this;
}

TValueChange::~TValueChange() {
  model_.SetChangedHandler(nullptr);
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
  QToolButton* stop = MakeButton(navipanel_, "stop", QString::fromUtf8("中止"), 4, 4, 48, 22);
  connect(stop, &QToolButton::clicked, this, [] { Macros().StopMacro(); });
  macroedit_ = MakeButton(navipanel_, "macroedit", QString::fromUtf8("編集"), 54, 4, 48, 22);
  connect(macroedit_, &QToolButton::clicked, this, [this] { macroeditcli(); });
  macroStatus_ = new QLabel(navipanel_);
  macroStatus_->setGeometry(104, 4, kWidth - 200, 22);
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
  ParameterPanelHooks& hooks = model_.Hooks();
  const int bottom = hooks.NavigatorBottom();
  Macronavi->PlaceBeside(x(), y(), bottom > 0 ? bottom : INT_MAX, hooks.NavigatorHeight());
  Macronavi->ShowEditor();
}

void TValueChange::ShowParameterForm() {
  model_.ShowParameterForm();
  show();
  raise();
}

void TValueChange::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  model_.FormShow();
  labelpanel_->hide();
  int left = x(), top = y();
  model_.Hooks().PlacePanel(false, height(), left, top);
  if (left != x() || top != y()) move(left, top);
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
  const bool all = model_.Layout() == PanelLayout::Parameters && model_.AllButtonsShown();
  allUp_->setVisible(all);
  allDown_->setVisible(all);
  navipanel_->setGeometry(0, y, kWidth, kNaviHeight);
  if (height() != y + kNaviHeight || width() != kWidth) setFixedSize(kWidth, y + kNaviHeight);
  guard_ = wasGuarded;
}
