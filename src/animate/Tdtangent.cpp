#include "animate/Tdtangent.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QShowEvent>
#include <QToolButton>

#include "formula/DocumentState.h"
#include "platform/ClickLabel.h"
#include "platform/Color.h"
#include "platform/KeepOnScreen.h"

namespace {

// Pixel layout of the window.
constexpr int kWidth = 236, kHeight = 200;
constexpr int kRowHeight = 22;

QPointer<Tdtangent> window;

QFont UiFont(int pixels, bool bold = false) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QString ColorName(uint32_t bgr) { return QColor::fromRgb(gfx::ToArgb(bgr)).name(); }

void SetBackground(QLabel* panel, uint32_t bgr) {
  const QString style = QStringLiteral("background-color: %1;").arg(ColorName(bgr));
  if (panel->styleSheet() != style) panel->setStyleSheet(style);
}

void SetText(QLabel* label, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (label->text() != t) label->setText(t);
}

}  // namespace

Tdtangent::Tdtangent(TangentModel& model, QWidget* parent) : QWidget(parent, Qt::Tool), model_(model) {
  setObjectName(QStringLiteral("dtangent"));
  setWindowTitle(QString::fromUtf8("接線の傾きの変化"));
  setFont(UiFont(12));
  setFixedSize(kWidth, kHeight);

  auto* xCaption = new QLabel(QStringLiteral("x"), this);
  xCaption->setGeometry(8, 6, 14, kRowHeight);
  xValue_ = MakePanel("Pxvalue", "Pのx座標を入力できます", 24, 6, 92);
  static_cast<ClickLabel*>(xValue_)->clicked = [this] {
    model_.psescoodinateClick(this->y() + 115, this->x() + frameGeometry().width() - 115);
  };
  auto* yCaption = new QLabel(QStringLiteral("y"), this);
  yCaption->setGeometry(124, 6, 14, kRowHeight);
  yValue_ = MakePanel("Pyvalue", nullptr, 140, 6, 88);
  rateCaption_ = new QLabel(QString::fromUtf8("変化率"), this);
  rateCaption_->setGeometry(8, 34, 60, kRowHeight);
  Register("ptang", rateCaption_);
  slopeValue_ = MakePanel("psesvalue", nullptr, 72, 34, 104);

  stepLeft_ = MakeButton("Pleft", QString(), "Pのx座標を小さくする", 8, 64, 40);
  stepLeft_->setArrowType(Qt::LeftArrow);
  stepRight_ = MakeButton("Pright", QString(), "Pのx座標を大きくする", 52, 64, 40);
  stepRight_->setArrowType(Qt::RightArrow);
  for (auto [button, direction] : {std::pair{stepLeft_, -1}, std::pair{stepRight_, 1}}) {
    connect(button, &QToolButton::pressed, this, [this, d = direction] { model_.PMouseDown(d); });
    connect(button, &QToolButton::released, this, [this] { model_.PMouseUp(); });
    connect(button, &QToolButton::clicked, this, [this, d = direction] { model_.PmoveClick(d); });
  }

  auto* automatic = new QLabel(QString::fromUtf8("自動移動"), this);
  automatic->setGeometry(8, 94, 60, 24);
  autoLeft_ = MakeButton("Aleft", QString::fromUtf8("◀◀"), "接点を左に移動します", 70, 94, 48);
  stop_ = MakeButton("Stop", QStringLiteral("Stop"), nullptr, 120, 94, 48);
  autoRight_ = MakeButton("Aright", QString::fromUtf8("▶▶"), "接点を右に移動します", 170, 94, 48);
  for (QToolButton* b : {autoLeft_, stop_, autoRight_}) b->setCheckable(true);
  connect(autoLeft_, &QToolButton::clicked, this, [this] { model_.mpButtonclick(-1); });
  connect(autoRight_, &QToolButton::clicked, this, [this] { model_.mpButtonclick(1); });
  connect(stop_, &QToolButton::clicked, this, [this] { model_.StopClick(); });

  lineColour_ = MakePanel("linecolor", "接線の色を変更します", 8, 126, 60);
  static_cast<ClickLabel*>(lineColour_)->clicked = [this] { model_.colorClick(0); };
  rateColour_ = MakePanel("difcolor", "変化率の色を変更します", 76, 126, 60);
  static_cast<ClickLabel*>(rateColour_)->clicked = [this] { model_.colorClick(1); };

  derivativeShown_ = new QCheckBox(QString::fromUtf8("変化率のグラフ表示"), this);
  derivativeShown_->setGeometry(8, 152, 220, 20);
  derivativeShown_->setToolTip(QString::fromUtf8("チェックすると変化率のグラフを描きます"));
  Register("zancheck", derivativeShown_);
  connect(derivativeShown_, &QCheckBox::clicked, this, [this](bool on) { model_.zancheckClick(on); });
  valuesShown_ = new QCheckBox(QString::fromUtf8("数値を画面に表示"), this);
  valuesShown_->setGeometry(8, 174, 220, 20);
  valuesShown_->setToolTip(QString::fromUtf8("チェックすると数値を画面表示します。"));
  Register("sesstexthyouji", valuesShown_);
  connect(valuesShown_, &QCheckBox::clicked, this, [this](bool on) { model_.sesstexthyoujiClick(on); });

  Sync();
}

QToolButton* Tdtangent::MakeButton(const std::string& name, const QString& caption, const char* hint, int x, int y,
                                   int w) {
  auto* button = new QToolButton(this);
  button->setText(caption);
  button->setGeometry(x, y, w, 24);
  if (hint) button->setToolTip(QString::fromUtf8(hint));
  Register(name, button);
  return button;
}

QLabel* Tdtangent::MakePanel(const std::string& name, const char* hint, int x, int y, int w) {
  auto* panel = new ClickLabel(this);
  panel->setGeometry(x, y, w, kRowHeight);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panel->setFont(UiFont(13));
  panel->setAutoFillBackground(true);
  if (hint) panel->setToolTip(QString::fromUtf8(hint));
  Register(name, panel);
  return panel;
}

void Tdtangent::Register(const std::string& name, QWidget* widget) {
  widget->setObjectName(QString::fromStdString(name));
  components_.emplace_back(name, widget);
}

QWidget* Tdtangent::Component(const std::string& name) const {
  for (const auto& [n, w] : components_)
    if (n == name) return w;
  return nullptr;
}

void Tdtangent::Sync() {
  SetText(xValue_, model_.XText());
  SetText(yValue_, model_.YText());
  SetText(slopeValue_, model_.SlopeText());
  SetBackground(xValue_, model_.XPanelColor());
  SetBackground(yValue_, 0xFFFFFF);
  SetBackground(slopeValue_, 0xFFFFFF);
  SetBackground(lineColour_, static_cast<uint32_t>(doc.TangentLineColor));
  SetBackground(rateColour_, static_cast<uint32_t>(doc.TangentRateColor));
  const QString rate = QStringLiteral("color: %1;").arg(ColorName(static_cast<uint32_t>(doc.TangentRateColor)));
  if (rateCaption_->styleSheet() != rate) rateCaption_->setStyleSheet(rate);
  const TangentMove move = model_.Move();
  autoLeft_->setChecked(move == TangentMove::Left);
  autoRight_->setChecked(move == TangentMove::Right);
  stop_->setChecked(move == TangentMove::Stopped);
  const bool moves = model_.MovesEnabled();
  for (QWidget* w :
       {static_cast<QWidget*>(autoLeft_), static_cast<QWidget*>(autoRight_), static_cast<QWidget*>(stepLeft_),
        static_cast<QWidget*>(stepRight_), static_cast<QWidget*>(xValue_)})
    w->setEnabled(moves);
  derivativeShown_->setChecked(settings.TangentAfterImage != 0);
  valuesShown_->setChecked(modes.TangentTextShown != 0);
}

Tdtangent::~Tdtangent() { model_.DropWindow(this); }

void Tdtangent::ModelChanged() { Sync(); }

void Tdtangent::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous() || model_.TangentNaviOpen()) return;
  model_.SetWindow(this);
  model_.FormShow(std::exchange(resumeSavedPoint_, false));
  Sync();
}

void Tdtangent::closeEvent(QCloseEvent* event) {
  event->accept();
  model_.FormClose();
  model_.SetWindow(nullptr);
  model_.Timer().FreeAfterClose(job::FreeTangentWindow, [w = QPointer<Tdtangent>(this)] {
    if (w && !w->isVisible()) delete w;
  });
}

// --- program-wide entry points ------------------------------------------------------------

void OpenTangentNavi(QWidget* owner, bool fromFile) {
  CloseTangentNavi();
  TangentModel& model = Tangent();
  model.OpenTangentNavi();
  window = new Tdtangent(model, owner);
  if (fromFile) window->ResumeSavedPoint();
  int left = window->x(), top = window->y();
  model.Host().PlaceTangentWindow(window->frameGeometry().height(), left, top);
  platform::PlaceOnScreen(*window, left, top);
  window->show();
  window->raise();
}

void CloseTangentNavi() {
  if (window && window->isVisible()) window->close();
}
