// The parameter panel's interval layout: the bounds with their step and sign buttons, the
// maximum and minimum switches, the moves of the whole interval, its release, and the
// colour and style selector.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

#include "animate/TValueChange.h"
#include "animate/ValueChangeWidgets.h"
#include "platform/RasterCanvas.h"

using value_change::ClickPanel;
using value_change::ColorName;
using value_change::PictureView;
using value_change::Utf8;

namespace {

constexpr int kPanelWidth = 286;
constexpr int kBoundsHeight = 76, kSettingsHeight = 74, kSelectorHeight = 66;
constexpr int kSelectorWidth = 215, kSelectorPictureHeight = 60;

}  // namespace

void TValueChange::BuildIntervalLayout() {
  interval_.intervalpanel = new QWidget(this);
  Register("intervalpanel", interval_.intervalpanel);
  BuildIntervalEnd(false, 2);
  BuildIntervalEnd(true, 145);

  interval_.hsettei = new QWidget(this);
  Register("hsettei", interval_.hsettei);
  BuildMaxMinBox();
  BuildIntervalMoveBox();
  BuildIntervalSwitches();

  BuildIntervalSelector();
}

// A step or move button: a click steps once, held down it repeats.
struct TValueChange::IntervalStep {
  IntervalButton kind;
  const char* name;
  const char* hint;
  Qt::ArrowType arrow;
  int x, y, h;
};

void TValueChange::MakeIntervalStepButton(QWidget* parent, const IntervalStep& step) {
  IntervalControls& controls = model_.Interval();
  QToolButton* b = MakeButton(parent, step.name, QString(), step.x, step.y, 40, step.h);
  b->setArrowType(step.arrow);
  b->setToolTip(QString::fromUtf8(step.hint));
  const IntervalButton kind = step.kind;
  connect(b, &QToolButton::pressed, this, [&controls, kind] { controls.StepButtonDown(kind); });
  connect(b, &QToolButton::released, this, [&controls] { controls.StepButtonUp(); });
  connect(b, &QToolButton::clicked, this, [&controls, kind] { controls.StepButtonClick(kind); });
}

// One end of the interval: its group, bound panel, sign buttons and step buttons.
void TValueChange::BuildIntervalEnd(bool upper, int left) {
  IntervalControls& controls = model_.Interval();
  auto* group = new QGroupBox(QString::fromUtf8(upper ? "区間の右端" : "区間の左端"), interval_.intervalpanel);
  group->setGeometry(left, 0, 139, kBoundsHeight - 2);
  auto* bound = new ClickPanel(QStringLiteral("0.000"), group);
  bound->setGeometry(upper ? 34 : 6, 18, 84, 22);
  bound->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bound->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  bound->setAutoFillBackground(true);
  bound->setToolTip(QString::fromUtf8("クリックすると値を変えられます"));
  bound->clicked = [&controls, upper] { controls.BoundPanelClick(upper); };
  Register(upper ? "intervalupper" : "intervallower", bound);
  (upper ? interval_.upper : interval_.lower) = bound;

  const char* signNames[2] = {upper ? "uper1" : "lower1", upper ? "uper2" : "lower2"};
  const char* signs[2] = {"≦", "＜"};
  for (int i = 0; i < 2; ++i) {
    QToolButton* sign = MakeButton(group, signNames[i], QString::fromUtf8(signs[i]), upper ? 6 : 94, 18, 24, 22);
    connect(sign, &QToolButton::clicked, this, [&controls, upper] { controls.ToggleSign(upper); });
    (upper ? interval_.upperSigns : interval_.lowerSigns)[i] = sign;
  }

  MakeIntervalStepButton(group, {upper ? kUpperMinus : kLowerMinus, upper ? "upperminus" : "lowerminus",
                                 upper ? "区間の上限を減少" : "区間の下限を減少", Qt::LeftArrow, 6, 46, 22});
  MakeIntervalStepButton(group, {upper ? kUpperPlus : kLowerPlus, upper ? "upperplus" : "lowerplus",
                                 upper ? "区間の上限を増加" : "区間の下限を増加", Qt::RightArrow, 50, 46, 22});
}

void TValueChange::BuildMaxMinBox() {
  IntervalControls& controls = model_.Interval();
  auto* maxMin = new QGroupBox(QString::fromUtf8("最大最小表示"), interval_.hsettei);
  maxMin->setGeometry(2, 0, 100, 44);
  maxMin->setToolTip(QString::fromUtf8("最大値最小値の表示・非表示"));
  Register("MaxMIn", maxMin);
  interval_.maxMin = maxMin;
  interval_.maxMinOn = new QRadioButton(QStringLiteral("On"), maxMin);
  interval_.maxMinOn->setGeometry(6, 18, 44, 20);
  interval_.maxMinOff = new QRadioButton(QStringLiteral("off"), maxMin);
  interval_.maxMinOff->setGeometry(52, 18, 44, 20);
  connect(interval_.maxMinOn, &QRadioButton::toggled, this, [this, &controls](bool on) {
    if (!guard_) controls.SetMaxMinShown(on);
  });
}

void TValueChange::BuildIntervalMoveBox() {
  auto* move = new QGroupBox(QString::fromUtf8("区間移動"), interval_.hsettei);
  move->setGeometry(106, 0, 100, 44);
  Register("intervalidoo", move);
  MakeIntervalStepButton(move, {kMoveLeft, "LeftButton", "区間を左に移動", Qt::LeftArrow, 6, 18, 20});
  MakeIntervalStepButton(move, {kMoveRight, "RightButton", "区間を右に移動", Qt::RightArrow, 52, 18, 20});
}

// The interval's release and the switch of its numbers on the graph.
void TValueChange::BuildIntervalSwitches() {
  IntervalControls& controls = model_.Interval();
  QToolButton* release = MakeButton(interval_.hsettei, "Button1", QString::fromUtf8("区間解除"), 212, 10, 70, 28);
  connect(release, &QToolButton::clicked, this, [&controls] { controls.ReleaseInterval(); });

  interval_.texthyouji = new QCheckBox(QString::fromUtf8("数値を画面に表示"), interval_.hsettei);
  interval_.texthyouji->setGeometry(6, 48, 200, 22);
  Register("texthyouji", interval_.texthyouji);
  connect(interval_.texthyouji, &QCheckBox::toggled, this, [this, &controls](bool checked) {
    if (!guard_) controls.SetTextShown(checked);
  });
}

void TValueChange::BuildIntervalSelector() {
  IntervalControls& controls = model_.Interval();
  interval_.intervalstpanel = new QWidget(this);
  Register("intervalstpanel", interval_.intervalstpanel);
  auto* selector = new PictureView(interval_.intervalstpanel);
  selector->setGeometry(4, 2, kSelectorWidth, kSelectorPictureHeight);
  selector->picture = [this]() -> const QImage* {
    const gfx::RasterCanvas* picture = model_.Host().IntervalSelectorPicture();
    return picture ? &picture->Image() : nullptr;
  };
  selector->pressed = [&controls](int x, int y) { controls.SelectorDown(x, y); };
  selector->released = [&controls](int x, int y) { controls.SelectorUp(x, y); };
  Register("intervalImage", selector);
  interval_.selector = selector;
}

int TValueChange::SyncIntervalLayout(bool shown, int top) {
  QWidget* panels[3] = {interval_.intervalpanel, interval_.hsettei, interval_.intervalstpanel};
  const int heights[3] = {kBoundsHeight, kSettingsHeight, kSelectorHeight};
  for (int i = 0; i < 3; ++i) {
    if (shown) {
      panels[i]->setGeometry(0, top, kPanelWidth, heights[i]);
      top += heights[i];
    }
    if (panels[i]->isVisibleTo(this) != shown) panels[i]->setVisible(shown);
  }
  if (!shown) return top;

  const IntervalControls& controls = model_.Interval();
  auto showBound = [](QLabel* panel, const std::string& text, uint32_t colour) {
    if (panel->text() != Utf8(text)) panel->setText(Utf8(text));
    const QString style = QStringLiteral("background-color: %1;").arg(ColorName(colour));
    if (panel->styleSheet() != style) panel->setStyleSheet(style);
  };
  showBound(interval_.lower, controls.LowerPanelText(), controls.LowerPanelColor());
  showBound(interval_.upper, controls.UpperPanelText(), controls.UpperPanelColor());
  for (int i = 0; i < 2; ++i) {
    interval_.lowerSigns[i]->setVisible(controls.LowerStrict() == (i == 1));
    interval_.upperSigns[i]->setVisible(controls.UpperStrict() == (i == 1));
  }
  const bool enabled = IntervalControls::MaxMinEnabled();
  interval_.maxMin->setEnabled(enabled);
  (IntervalControls::MaxMinShown() ? interval_.maxMinOn : interval_.maxMinOff)->setChecked(true);
  interval_.texthyouji->setEnabled(enabled);
  interval_.texthyouji->setVisible(enabled && IntervalControls::MaxMinShown());
  interval_.texthyouji->setChecked(IntervalControls::TextBoxShown());
  interval_.selector->update();
  return top;
}
