#include "ui/Tlabeleditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <functional>

#include "formula/DocumentState.h"
#include "platform/Color.h"
#include "platform/Dialogs.h"
#include "platform/FontMap.h"
#include "platform/KeepOnScreen.h"
#include "platform/SjisQt.h"
#include "render/DrawToolkitOutput.h"
#include "render/LabelDrawing.h"
#include "render/LfontDialog.h"
#include "platform/ClickLabel.h"
#include "ui/FormulaKeyboardAsk.h"
#include "ui/ManualPages.h"
#include "ui/Tlpnavi.h"

Tlabeleditor* labeleditor = nullptr;

namespace {

constexpr int kWidth = 310, kMinHeight = 330;
constexpr int kMemoTop = 190;
constexpr gfx::Color kEditedPanel = 0xFFFF00;
const char* const kPositionCaptions[3] = {"ラベル左上のｘ座標", "ラベル左上のｙ座標", "ラベル左上のｚ座標"};
const char* const kClickHint = "クリックすると変更できます";
const char* const kColorHint = "クリックして色を変更します";

QString Utf8(const char* s) { return QString::fromUtf8(s); }

QFont UiFont(int pixels) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  return f;
}

void Paint(QWidget* w, gfx::Color bgr) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, QColor::fromRgb(gfx::ToArgb(bgr)));
  w->setPalette(p);
}

ClickLabel* MakePanel(QWidget* parent, const char* name, int x, int y, int w, int h, const char* hint) {
  auto* panel = new ClickLabel(parent);
  panel->setObjectName(QString::fromUtf8(name));
  panel->setGeometry(x, y, w, h);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  panel->setToolTip(Utf8(hint));
  Paint(panel, gfx::kWhite);
  return panel;
}

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setText(caption);
  b->setGeometry(x, y, w, h);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

// The picture of a background style: a plain box, a framed box, a frame.
QIcon BackStyleIcon(int style) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(style == 0 ? Qt::NoPen : QPen(Qt::black));
  p.setBrush(style == 2 ? QBrush() : QBrush(QColor(0xC0, 0xC0, 0xC0)));
  p.drawRect(2, 3, 11, 9);
  return QIcon(pixmap);
}

QLabel* Caption(QWidget* parent, const char* text, int x, int y, int w, int h) {
  auto* label = new QLabel(Utf8(text), parent);
  label->setGeometry(x, y, w, h);
  return label;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int x, int y, int w, int lo, int hi) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromUtf8(name));
  spin->setGeometry(x, y, w, 22);
  spin->setRange(lo, hi);
  return spin;
}

// Japanese fonts draw the backslash as a yen sign and Japanese keyboards type one, so in
// the memo the yen sign and the full-width backslash stand for the markup's backslash.
QString WithMarkupBackslashes(QString text) {
  text.replace(QChar(0x00A5), QLatin1Char('\\'));
  text.replace(QChar(0xFF3C), QLatin1Char('\\'));
  return text;
}

}  // namespace

Tlabeleditor::Tlabeleditor(QWidget* parent) : QWidget(parent, Qt::Tool) {
  loading_ = true;
  setObjectName(QStringLiteral("labeleditor"));
  setWindowTitle(QString::fromUtf8("ラベル"));
  setFont(UiFont(12));
  setMinimumSize(kWidth, kMinHeight);
  resize(kWidth, 420);
  BuildControls();
  model_.SetWindow(this);
  loading_ = false;
  if (!labeleditor) labeleditor = this;
}

void Tlabeleditor::ModelChanged() { Sync(); }

Tlabeleditor::~Tlabeleditor() {
  model_.SetWindow(nullptr);
  if (labeleditor == this) labeleditor = nullptr;
}

void Tlabeleditor::BuildControls() {
  BuildNumberRow();
  BuildCoordKindBox();
  BuildOffsetBox();
  BuildPositionPanel();
  BuildFontBox();
  BuildBackBox();
  BuildShownCheck();
  BuildMemo();
}

// The label number with the previous and next buttons, add, delete, help.
void Tlabeleditor::BuildNumberRow() {
  down_ = MakeButton(this, "Bdown", QString(), 4, 4, 22, 22);
  down_->setArrowType(Qt::LeftArrow);
  connect(down_, &QToolButton::clicked, this, [this] { model_.Previous(); });
  number_ = new QLabel(this);
  number_->setObjectName(QStringLiteral("acnvalue"));
  number_->setGeometry(28, 4, 36, 22);
  number_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  number_->setAlignment(Qt::AlignCenter);
  up_ = MakeButton(this, "Bup", QString(), 66, 4, 22, 22);
  up_->setArrowType(Qt::RightArrow);
  connect(up_, &QToolButton::clicked, this, [this] { model_.Next(); });
  add_ = MakeButton(this, "add", QString::fromUtf8("追加"), 100, 4, 56, 22);
  connect(add_, &QToolButton::clicked, this, [this] { model_.Add(); });
  delete_ = MakeButton(this, "delete", QString::fromUtf8("削除"), 160, 4, 56, 22);
  connect(delete_, &QToolButton::clicked, this, [this] { model_.Delete(); });
  QToolButton* help = MakeButton(this, "toolhp", QStringLiteral("?"), kWidth - 28, 4, 22, 22);
  connect(help, &QToolButton::clicked, this, [] { OpenManualPage("label.html"); });
}

// Kind of position: absolute or by a point of the graph.
void Tlabeleditor::BuildCoordKindBox() {
  auto* kind = new QGroupBox(Utf8("座標種類"), this);
  kind->setObjectName(QStringLiteral("zahyougroup"));
  kind->setGeometry(4, 30, 130, 44);
  absolute_ = new QRadioButton(Utf8("絶対"), kind);
  absolute_->setGeometry(8, 18, 56, 20);
  graphCoords_ = new QRadioButton(Utf8("グラフ"), kind);
  graphCoords_->setGeometry(64, 18, 62, 20);
  connect(graphCoords_, &QRadioButton::toggled, this, [this](bool on) {
    if (!loading_) model_.SetCoordKind(on ? 1 : 0);
  });
}

// The offsets of the label from its position.
void Tlabeleditor::BuildOffsetBox() {
  auto* offsets = new QGroupBox(Utf8("位置"), this);
  offsets->setObjectName(QStringLiteral("abscoodi"));
  offsets->setGeometry(138, 30, kWidth - 142, 44);
  Caption(offsets, "横", 6, 18, 14, 22);
  leftShift_ = MakeSpin(offsets, "leftshift", 20, 18, 62, -10000, 10000);
  Caption(offsets, "縦", 86, 18, 14, 22);
  topShift_ = MakeSpin(offsets, "topshift", 100, 18, 62, -10000, 10000);
  for (QSpinBox* spin : {leftShift_, topShift_})
    connect(spin, &QSpinBox::valueChanged, this, [this] {
      if (!loading_) model_.SetOffsets(leftShift_->value(), topShift_->value());
    });
}

// The point of the graph, shown only for graph coordinates.
void Tlabeleditor::BuildPositionPanel() {
  coordPanel_ = new QWidget(this);
  coordPanel_->setObjectName(QStringLiteral("coodipanel"));
  coordPanel_->setGeometry(4, 78, kWidth - 8, 26);
  const char* names[3] = {"equ3", "equ4", "equ5"};
  Caption(coordPanel_, "（", 0, 2, 14, 22);
  for (int axis = 0; axis < 3; ++axis) {
    ClickLabel* panel = MakePanel(coordPanel_, names[axis], 14 + axis * 96, 2, 82, 22, kClickHint);
    panel->clicked = [this, axis] { AskPosition(axis); };
    positions_[axis] = panel;
    if (axis < 2) {
      QLabel* comma = Caption(coordPanel_, "，", 98 + axis * 96, 2, 12, 22);
      if (axis == 1) zComma_ = comma;
    }
  }
  closing_ = Caption(coordPanel_, "）", 0, 2, 12, 22);
}

void Tlabeleditor::BuildFontBox() {
  auto* font = new QGroupBox(Utf8("font設定"), this);
  font->setGeometry(4, 108, 130, 50);
  Caption(font, "サイズ", 6, 20, 40, 22);
  fontSize_ = MakeSpin(font, "lfontsize", 44, 20, 48, 9, 100);
  connect(fontSize_, &QSpinBox::valueChanged, this, [this](int size) {
    if (!loading_) model_.SetFontSize(size);
  });
  Caption(font, "色", 96, 20, 14, 22);
  ClickLabel* fontColor = MakePanel(font, "lcolorchange", 110, 21, 16, 20, kColorHint);
  fontColor->clicked = [this] { ChooseColor(false); };
  fontColor_ = fontColor;
}

void Tlabeleditor::BuildBackBox() {
  auto* back = new QGroupBox(Utf8("背景の設定"), this);
  back->setGeometry(138, 108, kWidth - 142, 50);
  backStyles_ = new QButtonGroup(this);
  backStyles_->setExclusive(true);
  const char* styleNames[3] = {"Bsstyle0", "Bsstyle1", "Bsstyle2"};
  for (int style = 0; style < 3; ++style) {
    QToolButton* b = MakeButton(back, styleNames[style], QString(), 6 + style * 24, 20, 22, 22);
    b->setCheckable(true);
    b->setIcon(BackStyleIcon(style));
    backStyles_->addButton(b, style);
  }
  connect(backStyles_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on && !loading_) model_.SetBackStyle(static_cast<std::uint8_t>(id));
  });
  transparent_ = new QCheckBox(Utf8("透過"), back);
  transparent_->setObjectName(QStringLiteral("backclear"));
  transparent_->setGeometry(78, 20, 52, 22);
  connect(transparent_, &QCheckBox::toggled, this, [this](bool on) {
    if (!loading_) model_.SetTransparent(on);
  });
  Caption(back, "色", 132, 20, 14, 22);
  ClickLabel* backColor = MakePanel(back, "Bcolorchange", 146, 21, 16, 20, kColorHint);
  backColor->clicked = [this] { ChooseColor(true); };
  backColor_ = backColor;
}

void Tlabeleditor::BuildShownCheck() {
  shown_ = new QCheckBox(Utf8("画面表示"), this);
  shown_->setObjectName(QStringLiteral("ghyouji"));
  shown_->setGeometry(8, 164, 100, 22);
  connect(shown_, &QCheckBox::toggled, this, [this](bool on) {
    if (!loading_) model_.SetShown(on);
  });
}

void Tlabeleditor::BuildMemo() {
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Labelmemo"));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->viewport()->installEventFilter(this);
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    if (loading_) return;
    std::vector<std::string> lines;
    const QString text = WithMarkupBackslashes(memo_->toPlainText());
    if (!text.isEmpty())
      for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(sjis::FromQString(line));
    typing_ = true;
    model_.SetLines(std::move(lines));
    typing_ = false;
  });
  ApplyMemoFont();
}

void Tlabeleditor::Sync() {
  const bool wasLoading = loading_;
  loading_ = true;
  const Tlabelrec& label = model_.Label();
  const int n = model_.Current();
  number_->setText(QString::number(n));
  add_->setEnabled(model_.CanAdd());
  (label.coordKind == 1 ? graphCoords_ : absolute_)->setChecked(true);
  coordPanel_->setVisible(label.coordKind == 1);
  const bool space = doc.Dimension == 3;
  positions_[2]->setVisible(space);
  zComma_->setVisible(space);
  closing_->move(positions_[space ? 2 : 1]->geometry().right() + 2, 2);
  const std::string* texts[3] = {&label.xText, &label.yText, &label.zText};
  for (int axis = 0; axis < 3; ++axis) positions_[axis]->setText(sjis::ToQString(*texts[axis]));
  leftShift_->setValue(label.shiftLeft);
  topShift_->setValue(label.shiftTop);
  fontSize_->setValue(label.font.size);
  Paint(fontColor_, static_cast<gfx::Color>(label.font.color));
  if (QAbstractButton* style = backStyles_->button(label.backStyle)) style->setChecked(true);
  transparent_->setChecked(label.transparent != 0);
  Paint(backColor_, static_cast<gfx::Color>(label.backColor));
  shown_->setChecked(label.shown != 0);
  // While it is typed in, the memo is what the label holds.
  if (!typing_) {
    QStringList lines;
    for (const std::string& line : label.lines) lines.push_back(sjis::ToQString(line));
    const QString text = lines.join(QLatin1Char('\n'));
    if (memo_->toPlainText() != text) memo_->setPlainText(text);
  }
  loading_ = wasLoading;
}

void Tlabeleditor::AskPosition(int axis) {
  const Tlabelrec& label = model_.Label();
  std::string text = axis == 0 ? label.xText : axis == 1 ? label.yText : label.zText;
  Paint(positions_[axis], kEditedPanel);
  const int top = coordPanel_->mapToGlobal(QPoint(0, 0)).y() + 40;
  if (AskOnFormulaKeyboard(kPositionCaptions[axis], 10, text, top, x() + 290)) model_.SetPositionText(axis, text);
  Paint(positions_[axis], gfx::kWhite);
}

void Tlabeleditor::ChooseColor(bool background) {
  if (!dialogs) return;
  const Tlabelrec& label = model_.Label();
  const std::optional<std::int32_t> color = dialogs->chooseColor(background ? label.backColor : label.font.color);
  if (!color) return;
  if (background)
    model_.SetBackColor(*color);
  else
    model_.SetFontColor(*color);
}

void Tlabeleditor::ChooseMemoFont() {
  if (!dialogs) return;
  if (ChooseLfont(*dialogs, doc.MemoFont)) ApplyMemoFont();
}

void Tlabeleditor::ApplyMemoFont() {
  const Tlfont& f = doc.MemoFont;
  QFont font(gfx::FontFamilyFor(f.name));
  font.setPointSize(std::max(1, ScaleForThickness(f.size > 0 ? f.size : 11)));
  font.setBold(f.style & gfx::fontstyle::kBold);
  font.setItalic(f.style & gfx::fontstyle::kItalic);
  memo_->setFont(font);
}

void Tlabeleditor::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (lpnavi) {
    setMaximumHeight(std::max(kMinHeight, lpnavi->frameGeometry().height()));
    platform::PlaceOnScreen(*this, lpnavi->x(), lpnavi->y() + 40);
  }
  ApplyMemoFont();
  model_.Open();
}

void Tlabeleditor::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  memo_->setGeometry(4, kMemoTop, width() - 8, std::max(0, height() - kMemoTop - 4));
}

void Tlabeleditor::closeEvent(QCloseEvent* event) {
  model_.Close();
  QWidget::closeEvent(event);
}

void Tlabeleditor::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // A file read while the editor was open brings other labels.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) model_.Refresh();
}

bool Tlabeleditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    ChooseMemoFont();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ShowLabelEditor() {
  if (!labeleditor) return;
  if (doc.LabelCount == 0) {
    doc.LabelCount = 1;
    InitLabelrec(doc.LabelTable[1]);
  }
  labeleditor->show();
  labeleditor->raise();
  labeleditor->activateWindow();
}
