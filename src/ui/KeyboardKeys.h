#pragma once
// The keys of the formula keyboard: what each one types or does, and where it sits. The
// window is laid out from these tables; the model decides which keys are usable.
#include <cstdint>
#include <span>
#include <string_view>

enum class KeyboardPanel : std::uint8_t { Pad, Parameters, Operators, Functions };

enum class KeyAction : std::uint8_t {
  Insert,      // types `inserts` at the caret and moves the caret by `move` bytes
  Left,        // "←"
  Right,       // "→"
  Backspace,   // "BS"
  Delete,      // "Del"
  Clear,       // "AC"
  End,         // accept the text (after the check)
  Cancel,      // "ｷｬﾝｾﾙ"
  PointInput,  // "点入力": the point-name picker
  Help,        // "?"
  ShowAll,     // "全表示": the whole window
};

struct KeyboardKey {
  const char* name;     // the key's component name
  const char* caption;  // UTF-8
  const char* inserts;  // UTF-8 text typed by an Insert key
  int move;             // caret move in bytes after the insertion
  KeyAction action;
  bool operatorGroup;   // disabled together for the number kinds
  KeyboardPanel panel;
  int column, row, span;  // cell in the panel's grid; span in cells
  const char* hint;       // UTF-8, empty for none
};

std::span<const KeyboardKey> KeyboardKeys();
// nullptr for a name no key has.
const KeyboardKey* FindKeyboardKey(std::string_view name);

// The function panel: 15 keys f1..f15 on five pages.
inline constexpr int kFunctionKeys = 15;
inline constexpr int kFunctionPages = 5;
// Caption of key 1..15 on page 0..4; empty for an empty key.
const char* FunctionKeyCaption(int key, int page);
const char* FunctionKeyHint(int key, int page);
// Keys 13..15 are hidden on the pages of the defined functions.
bool FunctionKeyVisible(int key, int page);
// What the key types on the page, and the caret move; false when it types nothing.
bool FunctionKeyInsertion(int key, int page, std::string_view& utf8, int& move);

// Geometry of the window in pixels. Panels sit side by side below the edit line and the
// message line; keys are cells of a grid inside their panel.
namespace keyboard_layout {
inline constexpr int kMargin = 4;
inline constexpr int kEditTop = 6, kEditHeight = 26;
inline constexpr int kMessageTop = 36, kMessageHeight = 20;
inline constexpr int kPanelTop = 60;
inline constexpr int kRows = 6;
inline constexpr int kCellWidth = 36, kCellHeight = 32, kKeyGap = 2;
inline constexpr int kFunctionCellWidth = 58;
inline constexpr int kPageButtonWidth = 22;
inline constexpr int kPanelInset = 3;  // keys inside a panel's frame
inline constexpr int kPanelSpacing = 2;  // blank on either side of a panel's frame

struct PanelBox {
  int left, width;
};
PanelBox Panel(KeyboardPanel panel);
int PanelHeight();
int WindowHeight();
// The design width: every panel shown.
int DesignWidth();
int DesignEditWidth();
// The frame of a panel, inside its box.
PanelBox PanelFrame(KeyboardPanel panel);
// Pixel box of a key inside its panel's frame.
struct KeyBox {
  int x, y, width, height;
};
KeyBox KeyCell(KeyboardPanel panel, int column, int row, int span);
KeyBox FunctionKeyCell(int key);
KeyBox PageButtonCell(bool up);
}  // namespace keyboard_layout
