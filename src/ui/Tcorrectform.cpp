#include "ui/Tcorrectform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "formula/DocumentState.h"
#include "platform/Color.h"
#include "platform/EventPump.h"
#include "platform/KeepOnScreen.h"
#include "platform/SjisQt.h"
#include "ui/CanvasView.h"
#include "platform/ClickLabel.h"
#include "ui/FigureToolPicture.h"

namespace {

namespace L = entry_layout;
using C = EntryControl;
using R = EntryRow;
using F = EntryField;

constexpr gfx::Color kEditingColour = 0xFFFF00;
constexpr int kCaptionWidth = 88, kFieldLeft = 92, kFieldWidth = 186, kFieldHeight = 24;

QFont UiFont(int pixels, bool bold = false) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QString Q(const std::string& cp932) { return sjis::ToQString(cp932); }

QString Css(gfx::Color colour) { return QColor(gfx::ToArgb(colour)).name(); }

void Fill(QWidget* w, gfx::Color colour, bool framed) {
  w->setStyleSheet(QStringLiteral("background-color: %1;%2")
                       .arg(Css(colour), framed ? QStringLiteral(" border: 1px solid #808080;") : QString()));
}

ClickLabel* MakeField(QWidget* parent, const QString& hint) {
  auto* f = new ClickLabel(parent);
  f->setToolTip(hint);
  f->setFont(UiFont(13));
  f->setContentsMargins(3, 0, 3, 0);
  Fill(f, gfx::kWhite, true);
  return f;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, h);
  return l;
}

// A titled group of radio buttons, ids 0.. in the order of the captions (or `ids`).
QGroupBox* RadioGroup(QWidget* parent, const char* title, std::initializer_list<const char*> captions,
                      QButtonGroup*& group, const QRect& box, std::vector<int> ids = {}) {
  auto* g = new QGroupBox(QString::fromUtf8(title), parent);
  g->setGeometry(box);
  group = new QButtonGroup(g);
  int i = 0, x = 6;
  const int w = (box.width() - 8) / static_cast<int>(captions.size());
  for (const char* caption : captions) {
    auto* b = new QRadioButton(QString::fromUtf8(caption), g);
    b->setGeometry(x, box.height() - 18, w, 16);
    group->addButton(b, ids.empty() ? i : ids[static_cast<size_t>(i)]);
    x += w;
    ++i;
  }
  return g;
}

void Check(QButtonGroup* group, int id) {
  const QSignalBlocker block(group);
  if (QAbstractButton* b = group->button(id)) b->setChecked(true);
}

void Check(QCheckBox* box, bool on) {
  const QSignalBlocker block(box);
  box->setChecked(on);
}

}  // namespace

Tcorrectform::Tcorrectform(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(UiFont(12));
  dialogs_.setParent(this);
  Build();
  controller_.SetWindow(this);
  Refresh();
}

void Tcorrectform::ModelChanged() { Refresh(); }

void Tcorrectform::CloseWindow() { QDialog::done(0); }

// The free runs later; by then the window may have gone with its parent.
std::function<void()> Tcorrectform::FreeAction() {
  return [window = QPointer<Tcorrectform>(this)] {
    if (window) window->deleteLater();
  };
}

void Tcorrectform::Build() {
  BuildTitleRow();
  BuildRows();
  BuildStylePanel();
  BuildBottom();
}

void Tcorrectform::BuildTitleRow() {
  label7_ = MakeLabel(this, {}, 6, 2, 186, 44);
  label7_->setFont(UiFont(13, true));
  label7_->setWordWrap(true);
  pointName_ = new QPushButton(this);
  pointName_->setGeometry(200, 8, 32, 32);
  pointName_->setFont(UiFont(16, true));
  pointName_->setAutoDefault(false);
  connect(pointName_, &QPushButton::clicked, this, [this] { controller_.ChangePointLetter(); });
  lineImage_ = new CanvasView(this);
  lineImage_->move(200, 6);
  lineImage_->released = [this](int, int) { controller_.ChangeFigureType(); };
  defButton_ = new QPushButton(QString::fromUtf8("導関数表示"), this);
  defButton_->setGeometry(194, 10, 86, 28);
  defButton_->setAutoDefault(false);
  connect(defButton_, &QPushButton::clicked, this, [this] { controller_.DefButtonClick(); });
  upDown_ = new QSpinBox(this);
  upDown_->setGeometry(236, 10, 44, 28);
  upDown_->setWrapping(true);
  upDown_->setToolTip(QString::fromUtf8("登録Ｎｏを変更します"));
  connect(upDown_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!refreshing_) controller_.UpDown1Click(v);
  });
  controls_[static_cast<size_t>(C::PointName)] = pointName_;
  controls_[static_cast<size_t>(C::LineImage)] = lineImage_;
  controls_[static_cast<size_t>(C::DefButton)] = defButton_;
  controls_[static_cast<size_t>(C::UpDown1)] = upDown_;
}

void Tcorrectform::BuildRows() {
  const QString hint = QString::fromUtf8("クリックすると変更できます");
  static constexpr F kFields[static_cast<size_t>(R::Count)][3] = {
      {F::Equ1, F::None, F::None}, {F::Equ2, F::None, F::None}, {F::Equ3, F::Equ4, F::Equ5},
      {F::Min, F::Max, F::None},   {F::Equ22, F::None, F::None}, {F::None, F::None, F::None},
      {F::Equ23, F::None, F::None}};
  for (size_t r = 0; r < rows_.size(); ++r) {
    RowWidgets& row = rows_[r];
    row.panel = new QFrame(this);
    row.panel->setFrameShape(QFrame::Panel);
    row.panel->setFrameShadow(QFrame::Raised);
    row.panel->resize(L::kFormWidth, L::kRowHeight);
    row.caption = MakeLabel(row.panel, {}, 4, 1, kCaptionWidth, L::kRowHeight - 2);
    for (size_t i = 0; i < 3; ++i) {
      const F field = kFields[r][i];
      if (field == F::None) continue;
      ClickLabel* f = MakeField(row.panel, hint);
      f->clicked = [this, field] { controller_.EditField(field); };
      row.fields[i] = f;
    }
  }
  // equ1's hint tells while after-images are kept that it must wait.
  static_cast<ClickLabel*>(rows_[static_cast<size_t>(R::Equ1)].fields[0])->hint = [this] {
    return QString::fromUtf8(controller_.Equ1Hint());
  };
  rows_[static_cast<size_t>(R::Equ1)].fields[0]->setGeometry(kFieldLeft, 4, kFieldWidth, kFieldHeight);
  rows_[static_cast<size_t>(R::Equ2)].fields[0]->setGeometry(kFieldLeft, 4, kFieldWidth, kFieldHeight);
  rows_[static_cast<size_t>(R::Equ22)].fields[0]->setGeometry(kFieldLeft, 4, kFieldWidth, kFieldHeight);
  rows_[static_cast<size_t>(R::Equ23)].fields[0]->setGeometry(kFieldLeft, 4, kFieldWidth, kFieldHeight);
  QFrame* equ3 = rows_[static_cast<size_t>(R::Equ3)].panel;
  const char* marks[4] = {"（", "，", "，", "）"};
  for (size_t i = 0; i < 4; ++i) equ3Marks_[i] = MakeLabel(equ3, QString::fromUtf8(marks[i]), 0, 4, 14, kFieldHeight);
  QFrame* minPanel = rows_[static_cast<size_t>(R::Min)].panel;
  label8_ = MakeLabel(minPanel, {}, 0, 4, 40, kFieldHeight);
  mojiEdit_ = new QLineEdit(rows_[static_cast<size_t>(R::Moji)].panel);
  mojiEdit_->setGeometry(kFieldLeft, 4, kFieldWidth, kFieldHeight);
  mojiEdit_->setToolTip(QString::fromUtf8("キーボードから入力します"));
  connect(mojiEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    // Only text the document can hold: a character without a CP932 form is refused.
    const std::string cp932 = sjis::FromQString(text);
    if (sjis::ToQString(cp932) != text) {
      const QSignalBlocker block(mojiEdit_);
      mojiEdit_->setText(Q(controller_.Entry().texts[2]));
      QApplication::beep();
      return;
    }
    controller_.SetLabelText(cp932);
  });
}

void Tcorrectform::BuildStylePanel() {
  contPanel_ = new QFrame(this);
  contPanel_->setFrameShape(QFrame::Panel);
  contPanel_->setFrameShadow(QFrame::Raised);
  contPanel_->resize(L::kFormWidth, L::kContHeight);
  contPanel_->setFont(UiFont(11));
  BuildColourAndAfterImage();
  BuildWidthBox();
  BuildLineBoxes();
  BuildArrowKindBox();
  BuildStyleChecks();
  BuildLabelPositionBox();
  AddControl(C::ContPanel, contPanel_);

  brushView_ = new CanvasView(this);
  brushView_->pressed = [this](int x, int y) { controller_.BrushPressed(x, y); };
  brushView_->released = [this](int x, int y) { controller_.BrushReleased(x, y); };
  AddControl(C::BrushPanel, brushView_);

  BuildFaceColours();
}

void Tcorrectform::AddControl(EntryControl control, QWidget* widget) {
  controls_[static_cast<size_t>(control)] = widget;
}

void Tcorrectform::BuildColourAndAfterImage() {
  auto* colour = new ClickLabel(contPanel_);
  colour->setGeometry(8, 8, 28, 28);
  colour->setToolTip(QString::fromUtf8("クリックして色を変更します"));
  colour->clicked = [this] { controller_.ChooseColour(); };
  colorPanel_ = colour;
  afterImage_ = new QCheckBox(QString::fromUtf8("残像"), contPanel_);
  afterImage_->setGeometry(6, 44, 40, 20);
  connect(afterImage_, &QCheckBox::toggled, this, [this](bool on) { controller_.SetAfterImage(on); });
}

void Tcorrectform::BuildWidthBox() {
  auto* width = new QGroupBox(QString::fromUtf8("描画の太さ"), contPanel_);
  width->setGeometry(48, 2, 68, 84);
  widthGroup_ = new QButtonGroup(width);
  for (int w = 1; w <= 3; ++w) {
    auto* b = new QRadioButton(QString::number(w), width);
    b->setGeometry(10, 4 + 18 * w, 50, 16);
    widthGroup_->addButton(b, w);
  }
  connect(widthGroup_, &QButtonGroup::idClicked, this, [this](int w) { controller_.SetPenWidth(w); });
}

void Tcorrectform::BuildLineBoxes() {
  AddControl(C::LineKind, RadioGroup(contPanel_, "線の種類", {"実線", "点線"}, lineKindGroup_, {120, 2, 160, 30}));
  connect(lineKindGroup_, &QButtonGroup::idClicked, this, [this](int id) { controller_.SetDashed(id == 1); });
  AddControl(C::Bdvis, RadioGroup(contPanel_, "境界表示", {"表示", "非表示"}, bdvisGroup_, {120, 32, 160, 32}));
  connect(bdvisGroup_, &QButtonGroup::idClicked, this, [this](int id) { controller_.SetBoundaryItem(id); });
  AddControl(C::SegKind, RadioGroup(contPanel_, "線分の飾り", {"0", "1", "2", "3", "○"}, segKindGroup_,
                                    {120, 40, 160, 34}, {1, 2, 3, 4, 5}));
  connect(segKindGroup_, &QButtonGroup::idClicked, this, [this](int id) { controller_.SetSegmentMark(id); });
  AddControl(C::PointHow, RadioGroup(contPanel_, "描画法", {"●", "○"}, pointHowGroup_, {200, 40, 80, 34}, {1, 2}));
  connect(pointHowGroup_, &QButtonGroup::idClicked, this, [this](int id) { controller_.SetPointFill(id); });
}

// The arrow's kind on one line between the line kind and the arrow check.
void Tcorrectform::BuildArrowKindBox() {
  auto* box = new QWidget(contPanel_);
  box->setGeometry(120, 45, 160, 18);
  MakeLabel(box, QString::fromUtf8("矢印の種類"), 0, 0, 60, 18);
  arrowKindGroup_ = new QButtonGroup(box);
  const char* kinds[2] = {"普通", "鋭角"};
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(kinds[i]), box);
    b->setGeometry(60 + 50 * i, 1, 50, 16);
    arrowKindGroup_->addButton(b, i);
  }
  connect(arrowKindGroup_, &QButtonGroup::idClicked, this, [this](int id) { controller_.SetArrowStyle(id); });
  AddControl(C::ArrowKind, box);
}

QCheckBox* Tcorrectform::AddStyleCheck(EntryControl control, const char* caption, int top,
                                       void (EntryFormController::*set)(bool)) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), contPanel_);
  box->setGeometry(120, top, 160, 20);
  connect(box, &QCheckBox::toggled, this, [this, set](bool on) { (controller_.*set)(on); });
  AddControl(control, box);
  return box;
}

void Tcorrectform::BuildStyleChecks() {
  arrowCheck_ = AddStyleCheck(C::ArrowCheck, "終点に矢印を表示", 64, &EntryFormController::SetArrowAtEnd);
  lineConect_ = AddStyleCheck(C::LineConect, "始点と終点を結ぶ", 48, &EntryFormController::SetContinued);
  planeKind_ = AddStyleCheck(C::PlaneKind, "範囲枠内で表示", 16, &EntryFormController::SetPlaneKind);
  argChoice_ = AddStyleCheck(C::ArgChoice, "180°以内で表示", 4, &EntryFormController::SetAngleWithin180);
}

// Nine "A" buttons around the point: labelPos 1..9 in the order of the names below.
void Tcorrectform::BuildLabelPositionBox() {
  auto* g = new QGroupBox(QString::fromUtf8("ラベル位置"), contPanel_);
  g->setGeometry(120, 4, 76, 74);
  labelPosGroup_ = new QButtonGroup(g);
  const int cells[9][2] = {{0, 0}, {0, 2}, {1, 1}, {2, 0}, {2, 2}, {0, 1}, {1, 0}, {2, 1}, {1, 2}};
  for (int pos = 1; pos <= 9; ++pos) {
    auto* b = new QToolButton(g);
    b->setText(QStringLiteral("A"));
    b->setCheckable(true);
    b->setGeometry(6 + 22 * cells[pos - 1][0], 16 + 18 * cells[pos - 1][1], 20, 17);
    if (pos == 3) b->setToolTip(QString::fromUtf8("ラベル非表示"));
    labelPosGroup_->addButton(b, pos);
  }
  connect(labelPosGroup_, &QButtonGroup::idClicked, this, [this](int pos) { controller_.SetLabelPosition(pos); });
  AddControl(C::LabelPosition, g);
}

// The space surfaces' colours of the upper and the under side.
void Tcorrectform::BuildFaceColours() {
  func3d_ = new QFrame(this);
  func3d_->resize(L::kFormWidth, L::kFunc3dHeight);
  const char* faces[2] = {"上面色", "裏面色"};
  for (int i = 0; i < 2; ++i) {
    MakeLabel(func3d_, QString::fromUtf8(faces[i]), 10 + 140 * i, 8, 50, 24);
    auto* panel = new ClickLabel(func3d_);
    panel->setGeometry(64 + 140 * i, 6, 28, 28);
    panel->clicked = [this, i] { i == 0 ? controller_.ChooseColour() : controller_.ChooseBackColour(); };
    (i == 0 ? fcPanel_ : bcPanel_) = panel;
  }
  AddControl(C::Func3dColor, func3d_);
}

void Tcorrectform::BuildBottom() {
  syuuPanel_ = new QFrame(this);
  syuuPanel_->resize(L::kFormWidth, L::kSyuuHeight);
  auto button = [this](const char* caption, int x) {
    auto* b = new QPushButton(QString::fromUtf8(caption), syuuPanel_);
    b->setGeometry(x, 6, 84, 28);
    b->setAutoDefault(false);
    return b;
  };
  endButton_ = button("終了(&E)", 8);
  delButton_ = button("削除(&D)", 100);
  cancelButton_ = button("中止(&C)", 192);
  connect(endButton_, &QPushButton::clicked, this, [this] { controller_.EndClicked(); });
  connect(delButton_, &QPushButton::clicked, this, [this] { controller_.DeleteClicked(); });
  connect(cancelButton_, &QPushButton::clicked, this, [this] { controller_.CancelClicked(); });
  controls_[static_cast<size_t>(C::DelButton)] = delButton_;
  controls_[static_cast<size_t>(C::CancelBT)] = cancelButton_;
}

QLabel* Tcorrectform::Field(EntryField field) const {
  const auto [row, i] = FieldPlace(field);
  return rows_[static_cast<size_t>(row)].fields[static_cast<size_t>(i)];
}

QWidget* Tcorrectform::RowPanel(EntryRow row) const { return rows_[static_cast<size_t>(row)].panel; }

QWidget* Tcorrectform::Control(EntryControl control) const { return controls_[static_cast<size_t>(control)]; }

void Tcorrectform::Refresh() {
  refreshing_ = true;
  const EntryFormView& v = controller_.View();
  setWindowTitle(Q(v.caption));
  label7_->setText(Q(v.label7));
  for (size_t c = 0; c < controls_.size(); ++c)
    if (controls_[c]) controls_[c]->setVisible(v.shown[c]);

  for (size_t r = 0; r < rows_.size(); ++r) {
    const R row = static_cast<R>(r);
    RowWidgets& w = rows_[r];
    w.panel->setVisible(v.RowShown(row));
    w.panel->move(0, v.rowTop[r]);
    const std::string& caption = v.Row(row).caption;
    w.caption->setText(Q(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    w.caption->setFont(UiFont(caption.find('\n') == std::string::npos ? 12 : 10));
    for (size_t i = 0; i < 3; ++i)
      if (w.fields[i]) w.fields[i]->setText(Q(v.Row(row).texts[i]));
  }
  // equ3panel: three values in brackets in space, two in the plane.
  const bool third = v.Shown(C::Equ5);
  const int step = third ? 62 : 92;
  int x = kFieldLeft - 14;
  for (size_t i = 0; i < 3; ++i) {
    QLabel* field = rows_[static_cast<size_t>(R::Equ3)].fields[i];
    const bool shown = i < 2 || third;
    equ3Marks_[i]->move(x, 4);
    equ3Marks_[i]->setVisible(shown);
    field->setVisible(shown);
    field->setGeometry(x + 14, 4, step - 16, kFieldHeight);
    if (shown) x += step;
  }
  equ3Marks_[3]->move(x - 2, 4);
  // minpanel: Min, then "～" (or the word the layout puts there) and max.
  const bool withMax = v.Shown(C::Max);
  rows_[static_cast<size_t>(R::Min)].fields[0]->setGeometry(kFieldLeft, 4, withMax ? 70 : kFieldWidth, kFieldHeight);
  label8_->setText(Q(v.label8));
  label8_->setGeometry(kFieldLeft + 72, 4, 40, kFieldHeight);
  label8_->setVisible(withMax);
  rows_[static_cast<size_t>(R::Min)].fields[1]->setGeometry(kFieldLeft + 114, 4, 72, kFieldHeight);
  rows_[static_cast<size_t>(R::Min)].fields[1]->setVisible(withMax);
  if (v.editing != F::None) Fill(Field(v.editing), kEditingColour, true);
  for (F f : {F::Equ1, F::Equ2, F::Equ3, F::Equ4, F::Equ5, F::Min, F::Max, F::Equ22, F::Equ23})
    if (f != v.editing) Fill(Field(f), gfx::kWhite, true);
  Field(F::Equ1)->setEnabled(v.equ1Enabled);
  {
    const QSignalBlocker block(mojiEdit_);
    if (mojiEdit_->text() != Q(v.Row(R::Moji).texts[0])) mojiEdit_->setText(Q(v.Row(R::Moji).texts[0]));
  }

  if (auto* bdvis = qobject_cast<QGroupBox*>(Control(C::Bdvis))) {
    bdvis->setTitle(Q(v.bdvisCaption));
    bdvis->move(120, v.bdvisTop);
  }
  contPanel_->move(0, v.contTop);
  brushView_->move(0, v.brushTop);
  func3d_->move(0, v.func3dTop);
  syuuPanel_->move(0, v.syuuTop);
  setFixedSize(L::kFormWidth, v.formHeight);
  {
    const QSignalBlocker block(upDown_);
    upDown_->setRange(1, v.upDownMax);
    upDown_->setValue(v.upDownPosition);
  }
  RefreshStyle();
  platform::PlaceOnScreen(*this, controller_.geometry.left, controller_.geometry.top);
  refreshing_ = false;
}

// The controls that show the entry's own style fields.
void Tcorrectform::RefreshStyle() {
  const Tfuncprop& e = controller_.Entry();
  Fill(colorPanel_, static_cast<gfx::Color>(e.color), true);
  Fill(fcPanel_, static_cast<gfx::Color>(e.color), true);
  Fill(bcPanel_, static_cast<gfx::Color>(e.brushColor), true);
  Check(afterImage_, e.afterImage != 0);
  Check(widthGroup_, e.penWidth);
  Check(lineKindGroup_, e.dashed ? 1 : 0);
  Check(bdvisGroup_, e.noBoundary ? 1 : 0);
  Check(arrowKindGroup_, e.arrowStyle ? 1 : 0);
  Check(segKindGroup_, e.option64);
  Check(pointHowGroup_, e.option64 == 2 ? 2 : 1);
  Check(labelPosGroup_, e.labelPos);
  Check(arrowCheck_, e.arrowAtEnd != 0);
  Check(lineConect_, e.continued != 0);
  Check(planeKind_, e.option32 != 0);
  Check(argChoice_, e.angleWithin180 != 0);
  pointName_->setText(e.letter >= 1 && e.letter <= kMaxPoints ? QString(QChar(PointNameOrder[e.letter - 1]))
                                                               : QString());
  lineImagePicture_.Resize(35, 35, gfx::kWhite);
  DrawFigureToolPicture(lineImagePicture_, controller_.FigureToolCode, doc.Dimension, {0, 0, 35, 35}, gfx::kBlack);
  lineImage_->SetPicture(lineImagePicture_.Image());
  brushView_->SetPicture(controller_.Brush().image.Image());
}

void Tcorrectform::KeepGeometry() {
  controller_.geometry.left = pos().x();
  controller_.geometry.top = pos().y();
  controller_.geometry.frameExtra = frameGeometry().height() - height();
}

void Tcorrectform::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  KeepGeometry();
  controller_.FormShow();
}

void Tcorrectform::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (!refreshing_) KeepGeometry();
}

void Tcorrectform::keyPressEvent(QKeyEvent* event) {
  // The window has no cancel key: only "中止" cancels.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void Tcorrectform::reject() { controller_.EndClicked(); }

void ShowCorrectForm(int entry, std::int32_t maxIndex, int mode, int left) {
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
  auto* window = new Tcorrectform(parent);
  if (!window->Controller().Open(entry, maxIndex, mode, left)) {
    delete window;
    ui.InputCancelled = 1;
    return;
  }
  platform::PlaceOnScreen(*window, window->Controller().geometry.left, window->Controller().geometry.top);
  if (mode == 9) {
    window->show();
    return;
  }
  platform::NestedLoopScope nested;
  window->exec();
}
