#include "animate/MacroLanguage.h"

#include <array>

#include "platform/Runtime.h"

namespace {

constexpr std::array<std::string_view, 46> kKeywords = {
    "sub",       "end",        "on",        "onload",     "load",      "pictureload", "picturedelete",
    "for",       "to",         "step",      "next",       "if",        "then",        "else",
    "endif",     "while",      "wend",      "break",      "wait",      "wink",        "play",
    "makewave",  "let",        "afimageon", "afimageoff", "locuson",   "locusoff",    "randomize",
    "showgraph", "hidegraph",  "showlabel", "hidelabel",  "hidedraw",  "draw",        "show",
    "call",      "integ",      "cls",       "large",      "small",     "leftshift",   "rightshift",
    "upshift",   "downshift",  "center",    "calc",
};

constexpr std::array<const char*, 18> kMessages = {
    "記述間違い",
    "forに対応するNextがない",
    "if文にthenがない",
    "if文に条件文が間違い",
    "if文に実行文がない",
    "if文にendifがない",
    "subがない",
    "end subがない",
    "必要な記述がない",
    "変数が違う",
    "点の記述が違う",
    "ﾌﾟﾛｼｰｼﾞｬの２重定義",
    "ﾌﾟﾛｼｰｼﾞｬの記述間違い",
    "ﾌﾟﾛｼｰｼﾞｬの名前がない",
    "for文の記述間違い",
    "ファイルの間違い",
    "whileに対応するwendがない",
    "余分な記述がある",
};

}  // namespace

uint8_t MacroKeywordIndex(std::string_view word) {
  const std::string lower = rtl::LowerCase(word);
  for (size_t i = 0; i < kKeywords.size(); ++i)
    if (kKeywords[i] == lower) return static_cast<uint8_t>(i);
  return kMacroNoKeyword;
}

std::string MacroErrorText(int32_t code) {
  if (code < 0 || code >= static_cast<int32_t>(kMessages.size())) return kMessages[0];
  return kMessages[code];
}
