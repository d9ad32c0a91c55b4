#include "animate/TMacronavi.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "animate/MacroRuns.h"
#include "formula/DocumentState.h"
#include "platform/EventPump.h"
#include "platform/FontMap.h"
#include "platform/KeepOnScreen.h"
#include "platform/Sjis.h"

namespace {

constexpr int kWidth = 364, kHeight = 305;

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

}  // namespace

TMacronavi* Macronavi = nullptr;

TMacronavi::TMacronavi(QWidget* parent)
    : QDialog(parent, Qt::Dialog) {
  setObjectName(QStringLiteral("Macronavi"));
  setWindowTitle(QString::fromUtf8("マクロ編集"));
  setModal(true);
  resize(kWidth, kHeight);
  clipboard = &systemClipboard_;

  panel1_ = new QWidget(this);
  panel1_->setObjectName(QStringLiteral("Panel1"));
  auto* tools = new QHBoxLayout(panel1_);
  tools->setContentsMargins(2, 2, 2, 2);
  auto button = [this, tools](const char* name, const char* caption) {
    auto* b = new QToolButton(panel1_);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QString::fromUtf8(caption));
    b->setFocusPolicy(Qt::NoFocus);
    tools->addWidget(b);
    return b;
  };
  macroentry_ = button("macroentry", "登録");
  macrohelp_ = button("macrohelp", "ヘルプ");
  macrocopy_ = button("macrocopy", "コピー");
  low_ = new QLabel(panel1_);
  low_->setObjectName(QStringLiteral("low"));
  tools->addWidget(low_, 1);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo"));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font(gfx::FontFamilyFor(sj("ＭＳ ゴシック")));
  font.setPixelSize(15);
  memo_->setFont(font);

  // The memo fills the width and the height below the tool panel.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel1_);
  layout->addWidget(memo_, 1);

  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    if (loading_) return;
    doc.MacroLines = MacroLinesOfText(memo_->toPlainText().toStdString());
    model_.MemoChange();
  });
  connect(memo_, &QPlainTextEdit::cursorPositionChanged, this, [this] { ShowCaretLine(); });
  connect(macroentry_, &QToolButton::clicked, this, [this] {
    if (model_.macroentryClick()) close();
  });
  connect(macrohelp_, &QToolButton::clicked, this, [this] {
    if (host) host->OpenMacroHelp();
  });
  connect(macrocopy_, &QToolButton::clicked, this, [this] {
    memo_->selectAll();
    if (clipboard) clipboard->setText(memo_->toPlainText().toStdString());
  });
  if (!Macronavi) Macronavi = this;
}

TMacronavi::~TMacronavi() {
  if (Macronavi == this) Macronavi = nullptr;
}

QWidget* TMacronavi::Component(const std::string& name) const {
  return findChild<QWidget*>(QString::fromStdString(name));
}

void TMacronavi::ShowEditor() {
  platform::NestedLoopScope nested;
  exec();
}

void TMacronavi::PlaceBeside(int right, int top, int bottomLimit, int maxHeight) {
  setMaximumHeight(maxHeight > 0 ? maxHeight : QWIDGETSIZE_MAX);
  const int outerHeight = frameGeometry().height();
  if (top + outerHeight > bottomLimit) top = bottomLimit - outerHeight;
  platform::PlaceOnScreen(*this, right - frameGeometry().width(), std::max(0, top));
}

void TMacronavi::showEvent(QShowEvent* event) {
  loading_ = true;
  memo_->setPlainText(Utf8(TextOfMacroLines(doc.MacroLines)));
  loading_ = false;
  model_.FormShow();
  ShowCaretLine();
  QDialog::showEvent(event);
}

// Every way of closing (the close box, Escape, the register button) ends here.
void TMacronavi::done(int result) {
  model_.FormClose();
  QDialog::done(result);
}

void TMacronavi::ShowCaretLine() {
  low_->setText(Utf8(MacroEditorModel::LineLabel(memo_->textCursor().blockNumber() + 1)));
}
