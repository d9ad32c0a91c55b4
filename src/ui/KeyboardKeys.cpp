#include "ui/KeyboardKeys.h"

#include <array>
#include <cstring>
#include <string>

namespace {

using enum KeyAction;
using enum KeyboardPanel;

constexpr bool kOp = true, kPlain = false;

// clang-format off
constexpr KeyboardKey kKeys[] = {
    // The number pad: the only panel of the narrow windows.
    {"n7", "７", "7", 1, Insert, kPlain, Pad, 0, 0, 1, ""},
    {"n8", "８", "8", 1, Insert, kPlain, Pad, 1, 0, 1, ""},
    {"n9", "９", "9", 1, Insert, kPlain, Pad, 2, 0, 1, ""},
    {"qoutient", "／", "/", 1, Insert, kPlain, Pad, 3, 0, 1, ""},
    {"Bs", "BS", "", 0, Backspace, kPlain, Pad, 4, 0, 1, ""},
    {"n4", "４", "4", 1, Insert, kPlain, Pad, 0, 1, 1, ""},
    {"n5", "５", "5", 1, Insert, kPlain, Pad, 1, 1, 1, ""},
    {"n6", "６", "6", 1, Insert, kPlain, Pad, 2, 1, 1, ""},
    {"multi", "＊", "*", 1, Insert, kOp, Pad, 3, 1, 1, ""},
    {"Del", "Del", "", 0, Delete, kPlain, Pad, 4, 1, 1, ""},
    {"n1", "１", "1", 1, Insert, kPlain, Pad, 0, 2, 1, ""},
    {"n2", "２", "2", 1, Insert, kPlain, Pad, 1, 2, 1, ""},
    {"n3", "３", "3", 1, Insert, kPlain, Pad, 2, 2, 1, ""},
    {"sub", "－", "-", 1, Insert, kOp, Pad, 3, 2, 1, ""},
    {"Ac", "AC", "", 0, Clear, kPlain, Pad, 4, 2, 1, ""},
    {"n0", "０", "0", 1, Insert, kPlain, Pad, 0, 3, 1, ""},
    {"piriod", "．", ".", 1, Insert, kOp, Pad, 1, 3, 1, ""},
    {"add", "＋", "+", 1, Insert, kOp, Pad, 2, 3, 1, ""},
    {"lshift", "←", "", 0, Left, kPlain, Pad, 3, 3, 1, ""},
    {"Rshift", "→", "", 0, Right, kPlain, Pad, 4, 3, 1, ""},
    {"SpeedButton1", "End", "", 0, End, kPlain, Pad, 0, 4, 5, ""},
    {"cancelBT", "ｷｬﾝｾﾙ", "", 0, Cancel, kPlain, Pad, 0, 5, 5, ""},

    // Variables and parameters.
    {"x", "x", "x", 1, Insert, kPlain, Parameters, 0, 0, 1, ""},
    {"y", "y", "y", 1, Insert, kPlain, Parameters, 1, 0, 1, ""},
    {"z", "z", "z", 1, Insert, kPlain, Parameters, 2, 0, 1, ""},
    {"t_Button", "t", "t", 1, Insert, kPlain, Parameters, 3, 0, 1, ""},
    {"pai", "π", "π", 2, Insert, kPlain, Parameters, 4, 0, 1, ""},
    {"a", "a", "a", 1, Insert, kPlain, Parameters, 0, 1, 1, ""},
    {"b", "b", "b", 1, Insert, kPlain, Parameters, 1, 1, 1, ""},
    {"c", "c", "c", 1, Insert, kPlain, Parameters, 2, 1, 1, ""},
    {"d", "d", "d", 1, Insert, kPlain, Parameters, 3, 1, 1, ""},
    {"h", "h", "h", 1, Insert, kPlain, Parameters, 4, 1, 1, ""},
    {"k", "k", "k", 1, Insert, kPlain, Parameters, 0, 2, 1, ""},
    {"m", "m", "m", 1, Insert, kPlain, Parameters, 1, 2, 1, ""},
    {"n", "n", "n", 1, Insert, kPlain, Parameters, 2, 2, 1, ""},
    {"p", "p", "p", 1, Insert, kPlain, Parameters, 3, 2, 1, ""},
    {"q", "q", "q", 1, Insert, kPlain, Parameters, 4, 2, 1, ""},
    {"s", "s", "s", 1, Insert, kPlain, Parameters, 0, 3, 1, ""},
    {"u", "u", "u", 1, Insert, kPlain, Parameters, 1, 3, 1, ""},
    {"v", "v", "v", 1, Insert, kPlain, Parameters, 2, 3, 1, ""},
    {"DV", "w", "w", 1, Insert, kPlain, Parameters, 3, 3, 1, ""},
    {"sita", "θ", "θ", 2, Insert, kPlain, Parameters, 4, 3, 1, ""},
    {"f", "f", "f", 1, Insert, kPlain, Parameters, 0, 4, 1, ""},
    {"g", "g", "g", 1, Insert, kPlain, Parameters, 1, 4, 1, ""},
    {"i", "i", "i", 1, Insert, kPlain, Parameters, 2, 4, 1, ""},
    {"j", "j", "j", 1, Insert, kPlain, Parameters, 3, 4, 1, ""},
    {"w", "ω", "ω", 2, Insert, kPlain, Parameters, 4, 4, 1, ""},
    {"pchoice", "点入力", "", 0, PointInput, kPlain, Parameters, 0, 5, 2, "点を入力します。"},
    {"toolhp", "?", "", 0, Help, kPlain, Parameters, 2, 5, 1, ""},
    {"funcBt", "全表示", "", 0, ShowAll, kPlain, Parameters, 3, 5, 2, ""},

    // Operators, brackets and relations.
    {"lkakko", "(", "(", 1, Insert, kPlain, Operators, 0, 0, 1, ""},
    {"rkakko", ")", ")", 1, Insert, kPlain, Operators, 1, 0, 1, ""},
    {"lkakko2", "[", "[", 1, Insert, kPlain, Operators, 2, 0, 1, ""},
    {"rkakko2", "]", "]", 1, Insert, kPlain, Operators, 3, 0, 1, ""},
    {"power", "^", "^", 1, Insert, kOp, Operators, 0, 1, 1, ""},
    {"sisuu2", "^2", "^2", 2, Insert, kOp, Operators, 1, 1, 1, ""},
    {"sisuu3", "^3", "^3", 2, Insert, kOp, Operators, 2, 1, 1, ""},
    {"sisuu4", "^4", "^4", 2, Insert, kOp, Operators, 3, 1, 1, ""},
    {"root", "√", "√", 2, Insert, kOp, Operators, 0, 2, 1, ""},
    {"kaijyou", "！", "!", 1, Insert, kOp, Operators, 1, 2, 1, ""},
    {"expo", "ｅ", "e", 1, Insert, kOp, Operators, 2, 2, 1, ""},
    {"deg", "°", "ﾟ", 1, Insert, kOp, Operators, 3, 2, 1, ""},
    {"equal", "＝", "=", 1, Insert, kPlain, Operators, 0, 3, 1, ""},
    {"small", "＜", "<", 1, Insert, kPlain, Operators, 1, 3, 1, ""},
    {"large", "＞", ">", 1, Insert, kPlain, Operators, 2, 3, 1, ""},
    {"comma", ",", ",", 1, Insert, kPlain, Operators, 3, 3, 1, ""},
    {"inequ1", "≦", "<=", 2, Insert, kPlain, Operators, 0, 4, 1, ""},
    {"inequ2", "≧", ">=", 2, Insert, kPlain, Operators, 1, 4, 1, ""},
    {"und", "∩", "∩", 2, Insert, kPlain, Operators, 2, 4, 1, ""},
    {"union", "∪", "∪", 2, Insert, kPlain, Operators, 3, 4, 1, ""},
    {"delivop", "d/dx", "(d/dx)", 6, Insert, kPlain, Operators, 0, 5, 2, ""},
    {"integral", "∫[,]()dx", "∫[,]()dx", 3, Insert, kPlain, Operators, 2, 5, 2, ""},
};

// Captions by key (rows) and page (columns).
constexpr const char* kFunctionCaptions[kFunctionKeys][kFunctionPages] = {
    {"F4", "F1", "sin", "arcsin", "Max"},
    {"F4'", "F1'", "cos", "arccos", "Min"},
    {"F4\"", "F1\"", "tan", "arctn", "MinV"},
    {"F5", "F2", "cosec", "sinh", "MaxV"},
    {"F5'", "F2'", "sec", "cosh", ""},
    {"F5\"", "F2\"", "cotan", "tanh", ""},
    {"F6", "F3", "exp", "arsinh", ""},
    {"F6'", "F3'", "log", "arcosh", ""},
    {"F6\"", "F3\"", "abs", "artanh", ""},
    {"Q4", "Q1", "sqrt", "Sum", ""},
    {"Q5", "Q2", "gaus", "nCr", ""},
    {"Q6", "Q3", "sgn", "nPr", ""},
    {"", "", "round", "multi", ""},
    {"", "", "int", "arg", ""},
    {"", "", "frac", "angle", ""},
};

constexpr const char* kDefinitionHints[kFunctionKeys] = {
    "定義関数", "１次導関数", "２次導関数", "定義関数", "１次導関数", "２次導関数",
    "定義関数", "１次導関数", "２次導関数", "定義定数", "定義定数", "定義定数", "", "", "",
};
constexpr const char* kPage2Hints[kFunctionKeys] = {
    "サイン関数", "コサイン関数", "タンジェント関数", "コセカント関数", "セカント関数",
    "コタンジェント", "指数関数", "対数関数ｌｏｇ□（・・）　の底を入力可能、入力がなければ自然対数",
    "絶対値関数", "平方根", "ガウス記号", "符号関数", "四捨五入", "切捨て", "小数部分",
};
constexpr const char* kPage3Hints[kFunctionKeys] = {
    "アークサイン", "アークコサイン", "アークタンジェント", "サインハイパボリック",
    "コサインハイパボリック", "タンジェントパボリック", "エーリアサインハイパボリック",
    "エーリアコサインハイパボリック", "エーリアタンジェントハイパボリック",
    "シグマ:Sum(i=[下限、上限]式)", "組合わせ", "順列", "積:multi(i=[下限、上限]式)",
    "偏角: arg(A)arg(AB) arg(ABC) arg(AB,CD) arg(ABC/s1)",
    "角:angle(A) angle(AB) angle(ABC) angle(AB,CD) angle(ABC/s1)",
};
constexpr const char* kPage4Hints[kFunctionKeys] = {
    "Max(式１、式２)", "Min(式１、式２)", "MinV([下限、上限]，関数)", "MaxV([下限、上限]，関数)",
    "", "", "", "", "", "", "", "", "", "", "",
};
// clang-format on

bool ValidKey(int key, int page) { return key >= 1 && key <= kFunctionKeys && page >= 0 && page < kFunctionPages; }

}  // namespace

std::span<const KeyboardKey> KeyboardKeys() { return kKeys; }

const KeyboardKey* FindKeyboardKey(std::string_view name) {
  for (const KeyboardKey& k : kKeys)
    if (name == k.name) return &k;
  return nullptr;
}

const char* FunctionKeyCaption(int key, int page) {
  return ValidKey(key, page) ? kFunctionCaptions[key - 1][page] : "";
}

const char* FunctionKeyHint(int key, int page) {
  if (!ValidKey(key, page)) return "";
  switch (page) {
    case 0:
    case 1: return kDefinitionHints[key - 1];
    case 2: return kPage2Hints[key - 1];
    case 3: return kPage3Hints[key - 1];
    default: return kPage4Hints[key - 1];
  }
}

bool FunctionKeyVisible(int key, int page) { return ValidKey(key, page) && !(page <= 1 && key >= 13); }

bool FunctionKeyInsertion(int key, int page, std::string_view& utf8, int& move) {
  if (!ValidKey(key, page)) return false;
  struct Special {
    int key, page;
    const char* text;
    int move;
  };
  static constexpr Special kSpecial[] = {
      {10, 3, "Sum(i=[,])", 7}, {11, 3, "C(,)", 2},      {12, 3, "P(,)", 2},      {13, 3, "multi(i=[,])", 9},
      {1, 4, "Max(,)", 4},      {2, 4, "Min(,)", 4},      {3, 4, "MinV([,])", 6},  {4, 4, "MaxV([,])", 6},
  };
  for (const Special& s : kSpecial)
    if (s.key == key && s.page == page) {
      utf8 = s.text;
      move = s.move;
      return true;
    }
  if (page == 4 || (key == 13 && page != 2) || !FunctionKeyVisible(key, page)) return false;
  if (page <= 1 && key >= 10) {  // the defined constants
    utf8 = kFunctionCaptions[key - 1][page];
    move = 2;
    return true;
  }
  // Every other key types its name with a pair of parentheses, the caret between them.
  static std::array<std::array<std::string, kFunctionPages>, kFunctionKeys> withParentheses = [] {
    std::array<std::array<std::string, kFunctionPages>, kFunctionKeys> t;
    for (int k = 0; k < kFunctionKeys; ++k)
      for (int p = 0; p < kFunctionPages; ++p) t[k][p] = std::string(kFunctionCaptions[k][p]) + "()";
    return t;
  }();
  const std::string& s = withParentheses[key - 1][page];
  utf8 = s;
  move = static_cast<int>(std::strlen(kFunctionCaptions[key - 1][page])) + 1;
  return true;
}

namespace keyboard_layout {

namespace {
constexpr int kColumns[] = {5, 5, 4, 3};  // pad, parameters, operators, function keys
int GridWidth(int columns, int pitch) { return columns * pitch - kKeyGap + 2 * kPanelInset + 2 * kPanelSpacing; }
}  // namespace

PanelBox Panel(KeyboardPanel panel) {
  // Panels touch: the wide window is exactly the first three panels wide.
  const int pad = GridWidth(kColumns[0], kCellWidth);
  const int parameters = GridWidth(kColumns[1], kCellWidth);
  const int operators = GridWidth(kColumns[2], kCellWidth);
  const int functions = GridWidth(kColumns[3], kFunctionCellWidth) + kPageButtonWidth + kKeyGap;
  switch (panel) {
    case KeyboardPanel::Pad: return {kMargin, pad};
    case KeyboardPanel::Parameters: return {kMargin + pad, parameters};
    case KeyboardPanel::Operators: return {kMargin + pad + parameters, operators};
    default: return {kMargin + pad + parameters + operators, functions};
  }
}

PanelBox PanelFrame(KeyboardPanel panel) {
  const PanelBox box = Panel(panel);
  return {box.left + kPanelSpacing, box.width - 2 * kPanelSpacing};
}

int PanelHeight() { return kRows * kCellHeight - kKeyGap + 2 * kPanelInset; }
int WindowHeight() { return kPanelTop + PanelHeight() + kMargin; }

int DesignWidth() {
  const PanelBox f = Panel(KeyboardPanel::Functions);
  return f.left + f.width + kMargin;
}
int DesignEditWidth() { return DesignWidth() - 2 * kMargin; }

KeyBox KeyCell(KeyboardPanel panel, int column, int row, int span) {
  const int pitch = panel == KeyboardPanel::Functions ? kFunctionCellWidth : kCellWidth;
  const int left = panel == KeyboardPanel::Functions ? kPageButtonWidth + kKeyGap : 0;
  return {kPanelInset + left + column * pitch, kPanelInset + row * kCellHeight, span * pitch - kKeyGap,
          kCellHeight - kKeyGap};
}

KeyBox FunctionKeyCell(int key) { return KeyCell(KeyboardPanel::Functions, (key - 1) % 3, (key - 1) / 3, 1); }

KeyBox PageButtonCell(bool up) {
  return {kPanelInset, kPanelInset + (up ? 0 : kCellHeight), kPageButtonWidth, kCellHeight - kKeyGap};
}

}  // namespace keyboard_layout
