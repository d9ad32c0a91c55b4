#pragma once
// Parses a UTF-8 formula and answers with the tree's prefix form or "error@<position>".
#include <string>

#include "TreePrint.h"
#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "platform/Sjis.h"

inline std::string Parsed(const std::string& utf8, int mode = 2) {
  const TreePtr tree = ParseExpression(sj(utf8), mode);
  return eng.ParseOK ? PrefixForm(tree.get()) : "error@" + std::to_string(eng.ParseErrorPos);
}

inline bool Valid(const std::string& utf8, int mode = 1) {
  ParseExpression(sj(utf8), mode);
  return eng.ParseOK == 1;
}
