#include "animate/Tintegnavi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "animate/CalculusTexts.h"
#include "animate/CalculusWindows.h"
#include "animate/RiemannSums.h"
#include "formula/AnimationState.h"
#include "platform/Color.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"

namespace {

QString Utf8(const char* s) { return QString::fromUtf8(s); }
QString Cp932(const std::string& s) { return QString::fromUtf8(sjis::ToUtf8(s).c_str()); }
QString ColourName(uint32_t bgr) { return QColor::fromRgb(gfx::ToArgb(bgr)).name(); }

QFont UiFont(int pixels) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  return f;
}

QLabel* Caption(const char* text) { return new QLabel(Utf8(text)); }

// A value panel wide enough for the longest number the window writes, in fixed or in
// exponent form and with its widest digit everywhere, so that none is shown cut.
void FitLongestNumber(QLabel* label) {
  const QFontMetrics metrics(label->font());
  QChar digit = u'0';
  for (QChar d : QStringLiteral("123456789"))
    if (metrics.horizontalAdvance(d) > metrics.horizontalAdvance(digit)) digit = d;
  const int n = static_cast<int>(kMaxValueTextLength);
  const QString shown = label->text();
  int widest = 0;
  const QString fixed = QStringLiteral("-") + QString(n - 2, digit) + u'.';
  const QString exponent = QStringLiteral("-") + digit + u'.' + QString(n - 9, digit) + "E+" + QString(4, digit);
  for (const QString& longest : {fixed, exponent}) {
    label->setText(longest);
    widest = std::max(widest, label->sizeHint().width());
  }
  label->setText(shown);
  label->setMinimumWidth(widest);
}

// The colour through the palette: a style sheet would give the panel a font of its own,
// other than the window's that its width is measured in.
void ShowPanel(QLabel* label, const CalculusWindowModel::Panel& panel) {
  label->setText(Cp932(panel.text));
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(gfx::ToArgb(panel.colour)));
  label->setPalette(palette);
  label->setAutoFillBackground(true);
}

constexpr const char* kSumButtons[kSumKinds + 1] = {"",           "MaxButton",  "minButton",  "polizButton",
                                                    "sympButton", "lsumButton", "rsumButton", "msumButton"};
constexpr const char* kSumPanels[kSumKinds + 1] = {"",      "SumMax",  "sumMin",   "polizoid",
                                                   "shymp", "leftsum", "rightsum", "midlesum"};
// The panels of computed numbers (the others show what was typed, or a count).
constexpr const char* kNumberPanels[] = {
    "Axvalue",       "Ayvalue", "Bxvalue",   "Byvalue",   "xvalue",   "yvalue",   "heilabel",  // mean rate
    "SumMax",        "sumMin",  "polizoid",  "shymp",     "leftsum",  "rightsum", "midlesum",  // sums
    "integralvalue", "valuh",   "integmean", "maxyvalue", "minyvalue"};                        // integral
constexpr const char* kCaptions[3] = {"平均変化率の意味", "区分求積", "定積分・基本定理"};

}  // namespace

Tintegnavi::Tintegnavi(CalculusSet set, TimerJobs& timer, platform::EventPump& pump, CalculusHost* host)
    : QWidget(nullptr, Qt::Tool), model_(std::make_unique<CalculusWindowModel>(set, timer, pump)) {
  setObjectName(QStringLiteral("integnavi"));
  setWindowTitle(Utf8(kCaptions[static_cast<int>(set)]));
  setFont(UiFont(12));
  model_->SetHost(host);
  model_->SetWindow(this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(4);
  switch (set) {
    case CalculusSet::MeanRate: column->addWidget(BuildMeanRatePanel()); break;
    case CalculusSet::Riemann: column->addWidget(BuildRiemannPanel()); break;
    case CalculusSet::Integral: column->addWidget(BuildIntegralPanels()); break;
  }
  column->addWidget(BuildOperationPanel());
  auto* text = Check("texthyouji", "数値を画面に表示");
  connect(text, &QCheckBox::clicked, this, [this](bool on) { model_->TextShownClick(on); });
  auto* suutext = new QWidget;
  Register("suutext", suutext);
  auto* row = new QHBoxLayout(suutext);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(text);
  column->addWidget(suutext);
  column->addStretch();
  for (const char* name : kNumberPanels)
    if (auto* panel = static_cast<QLabel*>(Component(name))) FitLongestNumber(panel);
  // Wider only when the panels need it.
  setFixedWidth(std::max(set == CalculusSet::Riemann ? 264 : 240, minimumSizeHint().width()));
  Sync();
}

Tintegnavi::~Tintegnavi() { model_->SetWindow(nullptr); }

void Tintegnavi::ModelChanged() { Sync(); }

void Tintegnavi::CloseWindow() { close(); }

TimerJobs::Action Tintegnavi::FreeAction() {
  return [window = QPointer<Tintegnavi>(this)] {
    if (window && !window->isVisible()) delete window;
  };
}

void Tintegnavi::Register(const std::string& name, QWidget* widget) {
  widget->setObjectName(QString::fromStdString(name));
  components_[name] = widget;
}

QGridLayout* Tintegnavi::GridPanel(const std::string& name) {
  auto* panel = new QWidget;
  Register(name, panel);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  return grid;
}

QWidget* Tintegnavi::Component(const std::string& name) const {
  const auto it = components_.find(name);
  return it == components_.end() ? nullptr : it->second;
}

QLabel* Tintegnavi::ValuePanel(const std::string& name, std::function<void()> clicked, const char* hint) {
  auto* label = new QLabel;
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumHeight(20);
  if (hint) label->setToolTip(Utf8(hint));
  if (clicked) {
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    clicks_[label] = std::move(clicked);
  }
  Register(name, label);
  return label;
}

QToolButton* Tintegnavi::Button(const std::string& name, const QString& caption, const char* hint) {
  auto* b = new QToolButton;
  b->setText(caption);
  b->setFocusPolicy(Qt::NoFocus);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  if (hint) b->setToolTip(Utf8(hint));
  Register(name, b);
  return b;
}

QCheckBox* Tintegnavi::Check(const std::string& name, const char* caption, const char* hint) {
  auto* c = new QCheckBox(Utf8(caption));
  c->setFocusPolicy(Qt::NoFocus);
  if (hint) c->setToolTip(Utf8(hint));
  Register(name, c);
  return c;
}

bool Tintegnavi::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && watched == Component("decdiv") &&
      static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
    model_->DecreaseHover();
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto it = clicks_.find(watched);
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    if (it != clicks_.end() && mouse->button() == Qt::LeftButton && widget->isEnabled() &&
        widget->rect().contains(mouse->position().toPoint())) {
      const std::function<void()> click = it->second;
      click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QWidget* Tintegnavi::BuildMeanRatePanel() {
  QGridLayout* grid = GridPanel("heikinpanel");
  grid->addWidget(Caption("x"), 0, 1, Qt::AlignCenter);
  grid->addWidget(Caption("y"), 0, 2, Qt::AlignCenter);
  grid->addWidget(Caption("A"), 1, 0);
  grid->addWidget(ValuePanel("Axvalue", [this] { model_->AskPointClick(false); }), 1, 1);
  grid->addWidget(ValuePanel("Ayvalue"), 1, 2);
  grid->addWidget(Caption("B"), 2, 0);
  grid->addWidget(ValuePanel("Bxvalue", [this] { model_->AskPointClick(true); }), 2, 1);
  grid->addWidget(ValuePanel("Byvalue"), 2, 2);
  grid->addWidget(Caption("差"), 3, 0);
  grid->addWidget(ValuePanel("xvalue"), 3, 1);
  grid->addWidget(ValuePanel("yvalue"), 3, 2);
  grid->addWidget(Caption("平均変化率"), 4, 0, 1, 2);
  grid->addWidget(ValuePanel("heilabel"), 4, 2);
  grid->addWidget(Caption("直線AB"), 5, 0, 1, 2);
  grid->addWidget(ValuePanel(
                      "linecolor", [this] { model_->LineColourClick(); }, "直線AB変えます"),
                  5, 2);
  auto* moves = new QHBoxLayout;
  const struct {
    const char* name;
    const char* caption;
    const char* hint;
    uint8_t code;
  } buttons[] = {{"Aleft", "◀A", "Aのx座標を小さくする", kMoveALeft},
                 {"aright", "A▶", "Aのx座標を大きくする", kMoveARight},
                 {"Bleft", "◀B", "Bのx座標を小さくする", kMoveBLeft},
                 {"Bright", "B▶", "Bのx座標を大きくする", kMoveBRight}};
  for (const auto& b : buttons) {
    QToolButton* button = Button(b.name, Utf8(b.caption), b.hint);
    const uint8_t code = b.code;
    connect(button, &QToolButton::pressed, this, [this, code] { model_->MoveDown(code); });
    connect(button, &QToolButton::released, this, [this] { model_->MoveUp(); });
    connect(button, &QToolButton::clicked, this, [this, code] { model_->MoveClick(code); });
    moves->addWidget(button);
  }
  grid->addLayout(moves, 6, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  return grid->parentWidget();
}

QWidget* Tintegnavi::BuildRiemannPanel() {
  QGridLayout* grid = GridPanel("kubunpanel");
  grid->addWidget(ValuePanel("integmin", [this] { model_->AskBoundClick(false); }), 0, 0);
  grid->addWidget(Caption("≦ x ≦"), 0, 1, Qt::AlignCenter);
  grid->addWidget(ValuePanel("integmax", [this] { model_->AskBoundClick(true); }), 0, 2);
  grid->addWidget(Caption("分割数"), 1, 0);
  grid->addWidget(ValuePanel("Panel1"), 1, 1);
  auto* steps = new QHBoxLayout;
  QToolButton* dec = Button("decdiv", Utf8("－"), "分割数を減少");
  QToolButton* inc = Button("incdiv", Utf8("＋"), "分割数を増やす");
  for (auto [button, up] : {std::pair{dec, false}, std::pair{inc, true}}) {
    const bool increase = up;
    connect(button, &QToolButton::pressed, this, [this, increase] { model_->DivisionDown(increase); });
    connect(button, &QToolButton::released, this, [this] { model_->DivisionUp(); });
    connect(button, &QToolButton::clicked, this, [this, increase] { model_->DivisionClick(increase); });
    steps->addWidget(button);
  }
  // Hovering over the decrease button stops the repeat.
  dec->setMouseTracking(true);
  dec->installEventFilter(this);
  grid->addLayout(steps, 1, 2);
  auto* group = new QButtonGroup(grid->parentWidget());
  group->setExclusive(true);
  for (int kind = 1; kind <= kSumKinds; ++kind) {
    QToolButton* button = Button(kSumButtons[kind], Utf8(kSumCaptions[kind]));
    button->setCheckable(true);
    group->addButton(button, kind);
    connect(button, &QToolButton::clicked, this, [this, kind] { model_->SumClick(kind); });
    grid->addWidget(button, kind + 1, 0, 1, 2);
    grid->addWidget(ValuePanel(kSumPanels[kind]), kind + 1, 2);
  }
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  return grid->parentWidget();
}

QWidget* Tintegnavi::BuildIntegralPanels() {
  auto* both = new QWidget;
  auto* column = new QVBoxLayout(both);
  column->setContentsMargins(0, 0, 0, 0);
  QGridLayout* grid = GridPanel("integ2Panel2");
  grid->addWidget(Caption("下限"), 0, 0);
  grid->addWidget(ValuePanel("intega", [this] { model_->AskBoundClick(false); }), 0, 1);
  grid->addWidget(Caption("上限"), 1, 0);
  grid->addWidget(ValuePanel("integb", [this] { model_->AskBoundClick(true); }), 1, 1);
  grid->addWidget(Caption("積分値"), 2, 0);
  grid->addWidget(ValuePanel("integralvalue"), 2, 1);
  QCheckBox* theorem = Check("theorem", "積分法の基本定理");
  connect(theorem, &QCheckBox::clicked, this, [this](bool on) {
    model_->TheoremClick(on);
    LayoutPanels();
  });
  grid->addWidget(theorem, 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  column->addWidget(grid->parentWidget());
  QGridLayout* lines = GridPanel("integ2panel");
  const char* rows[][2] = {{"h = b - a", "valuh"}, {"S / h", "integmean"}, {"max", "maxyvalue"}, {"min", "minyvalue"}};
  for (int i = 0; i < 4; ++i) {
    lines->addWidget(Caption(rows[i][0]), i, 0);
    lines->addWidget(ValuePanel(rows[i][1]), i, 1);
  }
  lines->setColumnStretch(1, 1);
  column->addWidget(lines->parentWidget());
  return both;
}

QWidget* Tintegnavi::BuildOperationPanel() {
  QGridLayout* grid = GridPanel("sousapanel");
  QToolButton* start = Button("lstart", QStringLiteral("Start"));
  start->setCheckable(true);
  connect(start, &QToolButton::clicked, this, [this](bool down) { model_->StartClick(down); });
  grid->addWidget(start, 0, 0);
  auto* navi = new QLabel;
  Register("navilabel", navi);
  grid->addWidget(navi, 0, 1, 1, 2);
  QToolButton* redo = Button("redo", Utf8("元に戻す"));
  connect(redo, &QToolButton::clicked, this, [this] { model_->RedoClick(); });
  grid->addWidget(redo, 1, 0);
  QCheckBox* large = Check("autolarge", "自動拡大");
  connect(large, &QCheckBox::clicked, this, [this](bool on) { model_->AutoLargeClick(on); });
  grid->addWidget(large, 1, 1, 1, 2);
  return grid->parentWidget();
}

void Tintegnavi::LayoutPanels() {
  if (model_->Set() == CalculusSet::Integral) {
    Component("integ2panel")->setVisible(model_->Theorem);
    Component("sousapanel")->setVisible(model_->Theorem);
  }
  adjustSize();
}

void Tintegnavi::Sync() {
  if (syncing_) return;
  syncing_ = true;
  const CalculusWindowModel& m = *model_;
  auto label = [this](const char* name) { return static_cast<QLabel*>(Component(name)); };
  switch (m.Set()) {
    case CalculusSet::MeanRate:
      ShowPanel(label("Axvalue"), m.Ax);
      ShowPanel(label("Ayvalue"), m.Ay);
      ShowPanel(label("Bxvalue"), m.Bx);
      ShowPanel(label("Byvalue"), m.By);
      label("xvalue")->setText(Cp932(m.DeltaX));
      label("yvalue")->setText(Cp932(m.DeltaY));
      label("heilabel")->setText(Cp932(m.Slope));
      label("linecolor")->setStyleSheet(QStringLiteral("background:%1").arg(ColourName(m.SecantColour)));
      break;
    case CalculusSet::Riemann:
      ShowPanel(label("integmin"), m.Lower);
      ShowPanel(label("integmax"), m.Upper);
      label("Panel1")->setText(Cp932(m.Divisions));
      for (int kind = 1; kind <= kSumKinds; ++kind) {
        label(kSumPanels[kind])->setText(Cp932(m.SumText(kind)));
        static_cast<QToolButton*>(Component(kSumButtons[kind]))->setChecked(settings.RiemannSumKind == kind);
      }
      break;
    case CalculusSet::Integral:
      ShowPanel(label("intega"), m.Lower);
      ShowPanel(label("integb"), m.Upper);
      label("integralvalue")->setText(Cp932(m.Integral.S));
      label("valuh")->setText(Cp932(m.Integral.h));
      label("integmean")->setText(Cp932(m.Integral.mean));
      label("maxyvalue")->setText(Cp932(m.Integral.maximum));
      label("minyvalue")->setText(Cp932(m.Integral.minimum));
      static_cast<QCheckBox*>(Component("theorem"))->setChecked(m.Theorem);
      break;
  }
  label("navilabel")->setText(QString::fromUtf8(m.NaviLabel.c_str()));
  static_cast<QToolButton*>(Component("lstart"))->setChecked(m.StartDown);
  Component("redo")->setEnabled(m.RedoEnabled);
  static_cast<QCheckBox*>(Component("autolarge"))->setChecked(m.AutoLarge);
  static_cast<QCheckBox*>(Component("texthyouji"))->setChecked(m.TextShown);
  syncing_ = false;
}

void Tintegnavi::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  LayoutPanels();
  model_->Top = y();
  model_->Right = x() + frameGeometry().width();
  model_->FormShow();
}

void Tintegnavi::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  model_->Top = y();
  model_->Right = x() + frameGeometry().width();
}

void Tintegnavi::closeEvent(QCloseEvent* event) {
  event->accept();
  model_->FormClose();
}
