#include "ui/Thanni3d.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <cmath>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/KeepOnScreen.h"
#include "platform/Runtime.h"
#include "ui/FormulaKeyboardAsk.h"
#include "ui/Tgraph.h"
#include "ui/Tlpnavi.h"

Thanni3d* hanni3d = nullptr;

namespace {

constexpr int kClientWidth = 285, kClientHeight = 351;

QString Utf8(const char* s) { return QString::fromUtf8(s); }

QGroupBox* Group(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h) {
  auto* box = new QGroupBox(Utf8(caption), parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setGeometry(x, y, w, h);
  return box;
}

QLabel* Caption(QWidget* parent, const char* text, int x, int y, int w) {
  auto* label = new QLabel(Utf8(text), parent);
  label->setGeometry(x, y, w, 22);
  return label;
}

QSpinBox* Spin(QWidget* parent, const char* name, int x, int y, int w, int lo, int hi, int step) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromUtf8(name));
  spin->setGeometry(x, y, w, 22);
  spin->setRange(lo, hi);
  spin->setSingleStep(step);
  // Typing "150" changes the setting once, not at 1 and 15 on the way.
  spin->setKeyboardTracking(false);
  return spin;
}

QToolButton* FontButton(QWidget* parent, const char* name, const char* caption, int x, int y, int w) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setText(Utf8(caption));
  b->setGeometry(x, y, w, 22);
  b->setCheckable(true);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

Thanni3d::Thanni3d(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("hanni3d"));
  setWindowTitle(Utf8("画面設定３Ｄ"));
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  setFont(font);
  setFixedSize(kClientWidth, kClientHeight);
  loading_ = true;
  BuildControls();
  loading_ = false;
  if (!hanni3d) hanni3d = this;
}

Thanni3d::~Thanni3d() {
  if (hanni3d == this) hanni3d = nullptr;
}

QCheckBox* Thanni3d::Switch(QWidget* parent, const char* name, const char* caption, int x, int y, int w,
                            SpaceViewSwitch which) {
  auto* box = new QCheckBox(Utf8(caption), parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setGeometry(x, y, w, 20);
  connect(box, &QCheckBox::toggled, this, [this, which](bool on) {
    if (!loading_) model_.SetSwitch(which, on);
  });
  switches_[static_cast<int>(which)] = box;
  return box;
}

void Thanni3d::OnValue(QSpinBox* spin, void (SpaceViewSettingsModel::*set)(int)) {
  connect(spin, &QSpinBox::valueChanged, this, [this, set](int value) {
    if (!loading_) (model_.*set)(value);
  });
}

void Thanni3d::BuildControls() {
  using S = SpaceViewSwitch;
  using M = SpaceViewSettingsModel;
  // Surfaces: divisions and drawing style.
  QGroupBox* surfaces = Group(this, "GroupBox1", "陽関数の設定", 4, 2, 277, 106);
  Caption(surfaces, "xy平面の軸の分割数", 8, 22, 120);
  bunkatusuu_ = Spin(surfaces, "bunkatusuu", 8, 48, 64, M::kMinDivisions, M::kMaxDivisions, 10);
  OnValue(bunkatusuu_, &M::SetDivisions);
  QGroupBox* kind = Group(surfaces, "draw3dkind", "描画方法", 132, 14, 139, 88);
  draw3dkind_ = new QButtonGroup(this);
  const char* kinds[3] = {"ワイヤーフレーム", "枠付きペイント", "枠なしペイント"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(Utf8(kinds[i]), kind);
    radio->setGeometry(8, 18 + 22 * i, 126, 20);
    draw3dkind_->addButton(radio, i);
  }
  connect(draw3dkind_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on && !loading_) model_.SetDrawMode(id);
  });

  // Colours.
  QGroupBox* colours = Group(this, "GroupBox4", "色の設定", 4, 110, 112, 108);
  Switch(colours, "clreverse", "表裏を区別", 8, 18, 100, S::FrontBack);
  Switch(colours, "colorchange", "色の反転", 8, 40, 100, S::Inverted);
  Switch(colours, "grayexpress", "白黒表示", 8, 62, 100, S::Grey);

  // Display.
  QGroupBox* display = Group(this, "GroupBox5", "表示の設定", 120, 110, 161, 108);
  Switch(display, "zahyou3dshow", "座標軸の表示", 8, 18, 150, S::Axes);
  Switch(display, "zahyouwidth", "軸を太く表示", 8, 40, 150, S::ThickAxes);
  Switch(display, "sotowaku", "範囲枠表示", 8, 62, 150, S::RangeBox);
  Switch(display, "suisen", "点から軸への垂線表示", 8, 84, 150, S::Perpendiculars);

  // Fonts: the point names (standard or another font, and the size) and the axis names.
  QGroupBox* fonts = Group(this, "GroupBox3", "フォント設定", 4, 220, 277, 72);
  QGroupBox* points = Group(fonts, "GroupBox7", "点のラベル", 6, 16, 168, 50);
  pnrfntBT_ = FontButton(points, "pnrfntBT", "標準", 6, 20, 36);
  potfntBt_ = FontButton(points, "potfntBt", "その他", 44, 20, 46);
  auto* fontKinds = new QButtonGroup(this);
  fontKinds->addButton(pnrfntBT_, 0);
  fontKinds->addButton(potfntBt_, 1);
  connect(pnrfntBT_, &QToolButton::clicked, this, [this] { model_.UseStandardPointFont(); });
  connect(potfntBt_, &QToolButton::clicked, this, [this] {
    if (graph && graph->dialogs) model_.ChoosePointFont(*graph->dialogs);
    FormShow();  // the buttons and the size show the font in force, chosen or not
  });
  Caption(points, "size", 96, 20, 24);
  pfontsize_ = Spin(points, "pfontsize", 120, 20, 42, M::kMinFontSize, M::kMaxFontSize, 1);
  OnValue(pfontsize_, &M::SetPointFontSize);
  QGroupBox* axes = Group(fonts, "fsize", "軸のラベル", 178, 16, 93, 50);
  Caption(axes, "size", 6, 20, 24);
  mfontsize_ = Spin(axes, "mfontsize", 32, 20, 42, M::kMinFontSize, M::kMaxFontSize, 1);
  OnValue(mfontsize_, &M::SetAxisFontSize);

  // The square drawing area.
  QGroupBox* size = Group(this, "imagesize", "画面形状・サイズ", 4, 294, 277, 54);
  Caption(size, "正方形", 8, 20, 44);
  Caption(size, "1辺のピクセル数", 54, 20, 98);
  gsize_ = Spin(size, "gsize", 152, 20, 66, M::kMinDrawingSize, M::kMaxDrawingSize, 10);
  gsize_->findChild<QLineEdit*>()->installEventFilter(this);
  auto* set = new QPushButton(QStringLiteral("set"), size);
  set->setObjectName(QStringLiteral("resize"));
  set->setGeometry(224, 19, 46, 24);
  connect(set, &QPushButton::clicked, this, [this] { resizeClick(); });
}

void Thanni3d::FormShow() {
  const bool wasLoading = loading_;
  loading_ = true;
  const SpaceViewSettingsControls c =
      SpaceViewSettingsModel::Controls(graph ? graph->ScreenService().geometry().height : 0);
  gsize_->setMaximum(c.drawingSizeMax);
  gsize_->setValue(c.drawingSize);
  bunkatusuu_->setValue(c.divisions);
  if (QAbstractButton* b = draw3dkind_->button(c.drawMode)) b->setChecked(true);
  const bool states[7] = {c.rangeBox, c.inverted, c.frontBack, c.perpendiculars, c.axesShown, c.thickAxes, c.grey};
  for (int i = 0; i < 7; ++i) switches_[i]->setChecked(states[i]);
  mfontsize_->setValue(c.axisFontSize);
  pfontsize_->setValue(c.pointFontSize);
  (c.pointFontCustom ? potfntBt_ : pnrfntBT_)->setChecked(true);
  loading_ = wasLoading;
}

// Like the plane's settings window, it holds the navigator while it is open, so that no
// command there (a new document) changes the settings under it.
void Thanni3d::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
  Timer1().JobCode = job::View3DStep;
  if (lpnavi) lpnavi->setEnabled(false);
}

void Thanni3d::closeEvent(QCloseEvent* event) {
  Timer1().SetEnabled(false);
  if (lpnavi) lpnavi->setEnabled(true);
  QWidget::closeEvent(event);
  // Freed once the close has been handled.
  if (hanni3d == this) hanni3d = nullptr;
  deleteLater();
}

void Thanni3d::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool Thanni3d::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == gsize_->findChild<QLineEdit*>()) {
    gsizeClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Thanni3d::chengesize() {
  const bool wasLoading = loading_;
  loading_ = true;
  gsize_->setValue(doc.GraphWidth);
  loading_ = wasLoading;
}

void Thanni3d::gsizeClick() {
  std::string text = rtl::IntToStr(gsize_->value());
  if (!AskOnFormulaKeyboard("1辺のピクセル数", 8, text, y() + height() - 300, x() + 150)) return;
  Extended side = 0;
  if (rtl::TryStrToFloat(rtl::Trim(text), side) && std::isfinite(side))
    gsize_->setValue(static_cast<int>(std::clamp<Extended>(rtl::RoundToEven(side), gsize_->minimum(), gsize_->maximum())));
}

void Thanni3d::resizeClick() {
  if (graph) graph->SetDrawingSize(gsize_->value(), gsize_->value());
}

void ShowThanni3d(int left, int top) {
  if (!hanni3d) new Thanni3d(graph);
  platform::PlaceOnScreen(*hanni3d, left, top);
  hanni3d->show();
  hanni3d->raise();
  // The keys go to it (Escape closes it), not to the navigator it holds.
  hanni3d->activateWindow();
}

void FollowSpaceDrawingSize(int) {
  if (hanni3d) hanni3d->chengesize();
}
