#include "ui/Tkeyfunc.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "formula/DocumentState.h"
#include "platform/KeepOnScreen.h"
#include "platform/Sjis.h"
#include "platform/SjisQt.h"
#include "ui/ManualPages.h"
#include "ui/PaletteModel.h"
#include "ui/Tclpanel.h"

namespace {

namespace kl = keyboard_layout;

QFont UiFont(int pixels) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  return f;
}

constexpr gfx::Color kPointInputFrame = 0x808000;

// The dialog focuses its edit line as if by the tab key, which would select all of it; the
// caret stays where the keyboard has it instead.
class FormulaLineEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const int caret = cursorPosition();
    const bool selected = hasSelectedText();
    QLineEdit::focusInEvent(event);
    if (!selected && hasSelectedText()) setCursorPosition(caret);
  }
};

}  // namespace

Tkeyfunc::Tkeyfunc(std::uint8_t kind, QWidget* parent) : QDialog(parent), model_(kind) {
  setFont(UiFont(14));
  edit_ = new FormulaLineEdit(this);
  edit_->setFont(UiFont(16));
  edit_->setGeometry(kl::kMargin, kl::kEditTop, model_.EditWidth(), kl::kEditHeight);
  message_ = new QLabel(this);
  message_->setGeometry(kl::kMargin, kl::kMessageTop, kl::DesignEditWidth(), kl::kMessageHeight);
  message_->setStyleSheet(QStringLiteral("color: #C00000;"));
  BuildKeys();

  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string cp932 = sjis::FromQString(text);
    model_.Edited(cp932, sjis::ByteOfCharIndex(cp932, edit_->cursorPosition()));
    SyncText();
  });
  connect(edit_, &QLineEdit::cursorPositionChanged, this, [this] {
    // Moves by mouse or arrow keys; a change of the text comes as an edit of its own.
    if (!syncing_ && edit_->text() == sjis::ToQString(model_.Text()))
      model_.SetCaret(sjis::ByteOfCharIndex(model_.Text(), edit_->cursorPosition()));
  });
  connect(edit_, &QLineEdit::returnPressed, this, [this] { Finish(); });
  Sync();
}

QToolButton* Tkeyfunc::MakeButton(QWidget* panel, const std::string& name, const QString& caption, int x, int y,
                                  int w, int h) {
  auto* b = new QToolButton(panel);
  b->setText(caption);
  b->setGeometry(x, y, w, h);
  b->setFocusPolicy(Qt::NoFocus);  // the edit line keeps the caret
  b->setAutoRaise(false);
  keys_[name] = b;
  return b;
}

void Tkeyfunc::BuildKeys() {
  std::map<KeyboardPanel, QFrame*> panels;
  for (KeyboardPanel p : {KeyboardPanel::Pad, KeyboardPanel::Parameters, KeyboardPanel::Operators,
                          KeyboardPanel::Functions}) {
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const kl::PanelBox box = kl::PanelFrame(p);
    frame->setGeometry(box.left, kl::kPanelTop, box.width, kl::PanelHeight());
    panels[p] = frame;
  }
  for (const KeyboardKey& key : KeyboardKeys()) {
    const kl::KeyBox c = kl::KeyCell(key.panel, key.column, key.row, key.span);
    QToolButton* b = MakeButton(panels[key.panel], key.name, QString::fromUtf8(key.caption), c.x, c.y, c.width, c.height);
    if (*key.hint) b->setToolTip(QString::fromUtf8(key.hint));
    connect(b, &QToolButton::clicked, this, [this, &key] { KeyClicked(key); });
  }
  QFrame* functions = panels[KeyboardPanel::Functions];
  for (int f = 1; f <= kFunctionKeys; ++f) {
    const kl::KeyBox c = kl::FunctionKeyCell(f);
    QToolButton* b = MakeButton(functions, "f" + std::to_string(f), QString(), c.x, c.y, c.width, c.height);
    connect(b, &QToolButton::clicked, this, [this, f] {
      model_.PressFunctionKey(f);
      SyncText();
    });
  }
  for (bool up : {true, false}) {
    const kl::KeyBox c = kl::PageButtonCell(up);
    QToolButton* b = MakeButton(functions, up ? "UpDown1Up" : "UpDown1Down", QString(), c.x, c.y, c.width, c.height);
    b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    b->setToolTip(QString::fromUtf8("関数を切り替えます"));
    connect(b, &QToolButton::clicked, this, [this, up] {
      model_.SetPage(model_.Page() + (up ? 1 : -1));
      Sync();
    });
  }
}

QToolButton* Tkeyfunc::Key(const std::string& name) const {
  const auto it = keys_.find(name);
  return it == keys_.end() ? nullptr : it->second;
}

Tclpanel* Tkeyfunc::Picker() const { return picker_ && picker_->isVisible() ? picker_ : nullptr; }

void Tkeyfunc::SetText(const std::string& cp932) {
  model_.SetText(cp932);
  SyncText();
}

void Tkeyfunc::Place(int top, int right) {
  top_ = top;
  right_ = right;
  placed_ = true;
  move(right - width(), top);
}

void Tkeyfunc::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  finished_ = false;
  model_.Show();
  Sync();
  // The right edge counts the window frame, known only once the window is shown.
  if (placed_)
    platform::PlaceOnScreen(*this, right_ - frameGeometry().width(), top_);
  else
    platform::KeepOnScreen(*this);
  edit_->setFocus();
}

void Tkeyfunc::KeyClicked(const KeyboardKey& key) {
  switch (key.action) {
    case KeyAction::End: Finish(); return;
    case KeyAction::Cancel: reject(); return;
    case KeyAction::PointInput: OpenPointPicker(); return;
    case KeyAction::Help: OpenManualPage("mouse.html"); return;
    default: break;
  }
  model_.Press(key);
  Sync();
}

void Tkeyfunc::Finish() {
  ClosePointPicker();
  if (model_.End()) {
    finished_ = true;
    accept();
    return;
  }
  SyncText();
  edit_->setFocus();
}

void Tkeyfunc::reject() {
  ClosePointPicker();
  if (!finished_) model_.Cancel();
  finished_ = true;
  QDialog::reject();
}

void Tkeyfunc::OpenPointPicker() {
  if (!picker_) {
    // A tool window of the keyboard, so that the keyboard's modality does not block it.
    picker_ = new Tclpanel(this);
    picker_->setWindowFlags(Qt::Tool);
    picker_->setModal(false);
    picker_->letterPicked = [this](char letter) {
      model_.KeyboardInsertText(std::string(1, letter), 1);
      SyncText();
    };
  }
  // The letters the formula may name: the existing points.
  clpanel.ClpanelMode = 1;
  clpanel.FrameColor = kPointInputFrame;
  MarkUsedPointNames(3, 0, doc.EntryCount);
  picker_->Prepare();
  picker_->show();
  platform::PlaceOnScreen(*picker_, frameGeometry().left(), frameGeometry().top() - picker_->frameGeometry().height());
  picker_->raise();
}

void Tkeyfunc::ClosePointPicker() {
  if (picker_ && picker_->isVisible()) picker_->reject();
  clpanel.FrameColor = gfx::kBtnFace;
}

void Tkeyfunc::SyncText() {
  syncing_ = true;
  const QString shown = sjis::ToQString(model_.Text());
  if (edit_->text() != shown) edit_->setText(shown);
  edit_->setCursorPosition(sjis::CharIndexOfByte(model_.Text(), model_.Caret()));
  message_->setText(QString::fromUtf8(model_.Message()));
  syncing_ = false;
}

void Tkeyfunc::Sync() {
  setFixedSize(model_.WindowWidth(), kl::WindowHeight());
  // "全表示" widens the window to the right.
  if (isVisible()) platform::KeepOnScreen(*this);
  edit_->resize(model_.EditWidth(), kl::kEditHeight);
  for (const KeyboardKey& key : KeyboardKeys()) {
    QToolButton* b = Key(key.name);
    b->setEnabled(model_.KeyEnabled(key));
    if (key.action == KeyAction::ShowAll) b->setVisible(model_.ShowAllKeyVisible());
  }
  const int page = model_.Page();
  for (int f = 1; f <= kFunctionKeys; ++f) {
    QToolButton* b = Key("f" + std::to_string(f));
    b->setText(QString::fromUtf8(FunctionKeyCaption(f, page)));
    b->setToolTip(QString::fromUtf8(FunctionKeyHint(f, page)));
    b->setVisible(FunctionKeyVisible(f, page));
    b->setEnabled(model_.FunctionKeyEnabled(f));
  }
  Key("UpDown1Up")->setEnabled(page < kFunctionPages - 1);
  Key("UpDown1Down")->setEnabled(page > model_.LowestPage());
  SyncText();
}

void EditWithFormulaKeyboard(const std::string& text, const std::string& caption, std::uint8_t kind,
                             std::string& result, int top, int right) {
  keyboard.KeyboardKind = kind;
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
  Tkeyfunc window(kind, parent);
  window.setWindowTitle(QString::fromUtf8(caption));
  window.SetText(text);
  window.Place(top, right);
  window.exec();
  result = KeyboardResultText(keyboard.KeyboardText, kind);
}
