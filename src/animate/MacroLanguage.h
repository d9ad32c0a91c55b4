#pragma once
// The words of the macro language and the compiler's messages. A statement's kind is the
// index of its keyword; an assignment or a call written without a keyword starts as
// kMacroNoKeyword and becomes kLet or kCall.
#include <cstdint>
#include <string>
#include <string_view>

enum MacroKind : uint8_t {
  kSub = 0, kEnd, kOn, kOnload, kLoad, kPictureLoad, kPictureDelete, kFor, kTo, kStep, kNext, kIf, kThen,
  kElse, kEndif, kWhile, kWend, kBreak, kWait, kWink, kPlay, kMakeWave, kLet, kAfImageOn, kAfImageOff,
  kLocusOn, kLocusOff, kRandomize, kShowGraph, kHideGraph, kShowLabel, kHideLabel, kHideDraw, kDraw,
  kShow, kCall, kInteg, kCls, kLarge, kSmall, kLeftShift, kRightShift, kUpShift, kDownShift, kCenter,
  kCalc,
  kMacroNoKeyword = 46,
};

// The message of each compile error code (no rule of the compiler produces 4, 6 and 17).
enum MacroError : int32_t {
  kMacroSyntax = 0,
  kMacroForWithoutNext = 1,
  kMacroIfWithoutThen = 2,
  kMacroIfCondition = 3,
  kMacroIfWithoutStatement = 4,
  kMacroIfWithoutEndif = 5,
  kMacroNoSub = 6,
  kMacroNoEndSub = 7,
  kMacroMissing = 8,
  kMacroBadVariable = 9,
  kMacroBadPoint = 10,
  kMacroDuplicate = 11,
  kMacroBadProcedure = 12,
  kMacroNoName = 13,
  kMacroBadFor = 14,
  kMacroBadFile = 15,
  kMacroWhileWithoutWend = 16,
  kMacroExtra = 17,
};

// The keyword index of a word, compared without regard to case; kMacroNoKeyword when
// the word is none.
uint8_t MacroKeywordIndex(std::string_view word);
// The message of an error code (UTF-8); any code outside the table gives "記述間違い".
std::string MacroErrorText(int32_t code);
