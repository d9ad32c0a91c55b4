#pragma once
// The formula keyboard's logic, without widgets: the text and its caret as CP932 bytes,
// the keys usable for the kind of edit, the pages of the function panel, and the check
// that decides whether the window may close. The window (Tkeyfunc) shows what this holds
// and forwards every key and edit to it.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/KeyboardKeys.h"

// Program-wide while the keyboard is open, and its result afterwards. Whether the edit was
// accepted is ui.InputCancelled (0 accepted, 1 cancelled).
struct KeyboardGlobals {
  std::uint8_t KeyboardKind = 0;
  std::string KeyboardText;  // CP932; after a cancel it holds the text as it was left
};
extern KeyboardGlobals keyboard;

class KeyboardModel {
 public:
  // The window as created for the kind: usable keys and widths.
  explicit KeyboardModel(std::uint8_t kind);

  std::uint8_t Kind() const { return kind_; }

  // Width of the window and of the edit line in pixels; "全表示" restores the design ones.
  int WindowWidth() const { return windowWidth_; }
  int EditWidth() const { return editWidth_; }
  bool ShowAllKeyVisible() const { return showAllVisible_; }
  void ShowAll();

  bool KeyEnabled(const KeyboardKey& key) const;
  bool KeyEnabled(std::string_view name) const;

  // The text the caller hands in; spelled symbols become signs at once.
  void SetText(std::string cp932);
  // The window is shown: InputCancelled := 1 until a successful finish, page 2, caret at
  // the start, the message line empty (or asking for another value after an evaluation
  // failure).
  void Show();

  const std::string& Text() const { return text_; }
  // 0-based byte offset, always on a character boundary.
  int Caret() const { return caret_; }
  // UTF-8; empty for none.
  const std::string& Message() const { return message_; }

  // The caret moved in the edit line (a byte offset; inside a double-byte character it
  // goes behind it).
  void SetCaret(int caret);
  // The edit line changed by typing, pasting or deleting; caret as a byte offset.
  void Edited(std::string cp932, int caret);
  // Inserts the token (CP932) at the caret and moves the caret by `move` bytes from where it was.
  void KeyboardInsertText(std::string_view cp932, int move);
  // A key of the tables; the window runs the keys that open or close windows itself.
  void Press(const KeyboardKey& key);
  void MoveLeft();
  void MoveRight();
  void Backspace();
  void DeleteForward();
  void ClearAll();

  // Function panel pages 0..4.
  int Page() const { return page_; }
  int LowestPage() const { return lowestPage_; }
  void SetPage(int page);
  bool FunctionKeyEnabled(int key) const;
  void PressFunctionKey(int key);

  // "End" or Enter: true when the window closes, with KeyboardText the text and
  // InputCancelled 0. A refused text keeps the window open with the message, the caret at
  // the error, and InputCancelled back at 1, so that closing the window any other way
  // afterwards counts as a cancel.
  bool End();
  // "ｷｬﾝｾﾙ", Escape or the title bar.
  void Cancel();

 private:
  void Changed(int caret);

  std::uint8_t kind_;
  int windowWidth_, editWidth_;
  bool showAllVisible_;
  bool operatorsEnabled_ = true;  // the operator group
  bool periodAndMinusEnabled_ = true;
  bool setOperationsEnabled_ = false;  // "∩" and "∪"
  std::string text_;
  int caret_ = 0;
  std::string message_;
  int page_ = 2;
  int lowestPage_ = 2;
};

// The lowest function page the definitions allow: 2 with none, 1 with at most three of each
// kind, 0 when either kind has more than three.
int LowestFunctionPage(int functionCount, int constantCount);

// What EditWithFormulaKeyboard hands back for the finished text: an empty text becomes
// "0", except for kind 6, where it stays empty.
std::string KeyboardResultText(const std::string& cp932, std::uint8_t kind);
