#include "ui/KeyboardModel.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "formula/Normalise.h"
#include "platform/Sjis.h"
#include "ui/KeyboardCheck.h"

KeyboardGlobals keyboard;

namespace {

namespace kl = keyboard_layout;

// Byte length of the character that starts at `offset`.
int CharLength(const std::string& s, int offset) {
  const bool pair = sjis::IsLeadByte(static_cast<unsigned char>(s[offset])) && offset + 1 < static_cast<int>(s.size());
  return pair ? 2 : 1;
}

// The start of the character that contains `offset`, or `offset` itself on a boundary.
int CharStartAt(const std::string& s, int offset) {
  int i = 0;
  while (i < static_cast<int>(s.size())) {
    const int next = i + CharLength(s, i);
    if (next > offset) return i;
    i = next;
  }
  return i;
}

// A caret in the text and never inside a double-byte character (it goes behind it).
int OnBoundary(const std::string& s, int caret) {
  caret = std::clamp(caret, 0, static_cast<int>(s.size()));
  const int start = CharStartAt(s, caret);
  return start == caret ? caret : start + CharLength(s, start);
}

bool IsNumberKind(std::uint8_t kind) { return kind == 7 || kind == 8 || kind == 9; }

}  // namespace

int LowestFunctionPage(int functionCount, int constantCount) {
  if (functionCount > 3 || constantCount > 3) return 0;
  if (functionCount > 0 || constantCount > 0) return 1;
  return 2;
}

KeyboardModel::KeyboardModel(std::uint8_t kind)
    : kind_(kind),
      windowWidth_(kl::DesignWidth()),
      editWidth_(kl::DesignEditWidth()),
      showAllVisible_(kind == 10) {
  const kl::PanelBox pad = kl::Panel(KeyboardPanel::Pad);
  if (kind == 2) setOperationsEnabled_ = true;
  if (kind == 7 || kind == 9) operatorsEnabled_ = false;
  if (kind == 8) operatorsEnabled_ = periodAndMinusEnabled_ = false;
  if (IsNumberKind(kind)) {
    windowWidth_ = pad.left + pad.width + 4;
    editWidth_ = pad.width - 18;
  } else if (kind == 10 || kind == 12) {
    const kl::PanelBox functions = kl::Panel(KeyboardPanel::Functions);
    windowWidth_ = pad.left + pad.width + kl::Panel(KeyboardPanel::Parameters).width +
                   kl::Panel(KeyboardPanel::Operators).width + 4;
    editWidth_ = kl::DesignEditWidth() + functions.left - kl::DesignWidth();
  }
}

void KeyboardModel::ShowAll() {
  windowWidth_ = kl::DesignWidth();
  editWidth_ = kl::DesignEditWidth();
  showAllVisible_ = false;
}

bool KeyboardModel::KeyEnabled(const KeyboardKey& key) const {
  const std::string_view name = key.name;
  if (name == "und" || name == "union") return setOperationsEnabled_;
  if (name == "funcBt") return showAllVisible_;
  if (!key.operatorGroup) return true;
  if (name == "piriod" || name == "sub") return periodAndMinusEnabled_;
  return operatorsEnabled_;
}

bool KeyboardModel::KeyEnabled(std::string_view name) const {
  const KeyboardKey* key = FindKeyboardKey(name);
  return key && KeyEnabled(*key);
}

void KeyboardModel::SetText(std::string cp932) {
  text_ = std::move(cp932);
  Changed(caret_);
}

void KeyboardModel::Show() {
  ui.InputCancelled = 1;
  lowestPage_ = LowestFunctionPage(doc.DefinedFunctionCount, doc.DefinedConstantCount);
  page_ = 2;
  message_ = eng.EvalOK ? "" : "違う値を入力してください";
  caret_ = 0;
}

void KeyboardModel::Changed(int caret) {
  ReplaceSpelledSymbol(text_, caret);
  caret_ = OnBoundary(text_, caret);
}

void KeyboardModel::SetCaret(int caret) { caret_ = OnBoundary(text_, caret); }

void KeyboardModel::Edited(std::string cp932, int caret) {
  text_ = std::move(cp932);
  Changed(caret);
}

void KeyboardModel::KeyboardInsertText(std::string_view cp932, int move) {
  text_.insert(static_cast<size_t>(caret_), cp932);
  Changed(caret_ + move);
}

void KeyboardModel::Press(const KeyboardKey& key) {
  if (!KeyEnabled(key)) return;
  switch (key.action) {
    case KeyAction::Insert: KeyboardInsertText(sj(key.inserts), key.move); break;
    case KeyAction::Left: MoveLeft(); break;
    case KeyAction::Right: MoveRight(); break;
    case KeyAction::Backspace: Backspace(); break;
    case KeyAction::Delete: DeleteForward(); break;
    case KeyAction::Clear: ClearAll(); break;
    case KeyAction::ShowAll: ShowAll(); break;
    default: break;
  }
}

void KeyboardModel::MoveLeft() {
  if (caret_ > 0) caret_ = CharStartAt(text_, caret_ - 1);
}

void KeyboardModel::MoveRight() {
  if (caret_ < static_cast<int>(text_.size())) caret_ += CharLength(text_, caret_);
}

void KeyboardModel::Backspace() {
  if (caret_ == 0) return;
  const int start = CharStartAt(text_, caret_ - 1);
  text_.erase(static_cast<size_t>(start), static_cast<size_t>(caret_ - start));
  Changed(start);
}

void KeyboardModel::DeleteForward() {
  if (caret_ >= static_cast<int>(text_.size())) return;
  text_.erase(static_cast<size_t>(caret_), static_cast<size_t>(CharLength(text_, caret_)));
  Changed(caret_);
}

void KeyboardModel::ClearAll() {
  text_.clear();
  caret_ = 0;
  message_.clear();
}

void KeyboardModel::SetPage(int page) { page_ = std::clamp(page, lowestPage_, kFunctionPages - 1); }

bool KeyboardModel::FunctionKeyEnabled(int key) const {
  if (!FunctionKeyVisible(key, page_)) return false;
  if (page_ == 4) return key <= 4;
  if (page_ >= 2) return true;
  // Pages 0 and 1: only the definitions that exist (F4..F6, Q4..Q6 on page 0).
  const int first = page_ == 0 ? 3 : 0;
  if (key <= 9) return doc.DefinedFunctionCount >= first + (key - 1) / 3 + 1;
  return doc.DefinedConstantCount >= first + key - 9;
}

void KeyboardModel::PressFunctionKey(int key) {
  std::string_view utf8;
  int move = 0;
  if (!FunctionKeyEnabled(key) || !FunctionKeyInsertion(key, page_, utf8, move)) return;
  KeyboardInsertText(sj(utf8), move);
}

bool KeyboardModel::End() {
  ui.InputCancelled = 0;
  keyboard.KeyboardText = text_;
  if (text_.empty() || KeyboardTextAccepted(text_, kind_)) return true;
  ui.InputCancelled = 1;
  message_ = "式が間違っています";
  caret_ = OnBoundary(text_, ErrorCaretInTypedText(text_, eng.ParseErrorPos));
  return false;
}

void KeyboardModel::Cancel() {
  ui.InputCancelled = 1;
  keyboard.KeyboardText = text_;
}

std::string KeyboardResultText(const std::string& cp932, std::uint8_t kind) {
  return cp932.empty() && kind != 6 ? std::string("0") : cp932;
}
