#pragma once
// Parses a UTF-8 formula and answers with the tree's prefix form or "error@<position>".
#include <string>

#include "TreePrint.h"
#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "platform/Sjis.h"

inline std::string Parsed(const std::string& utf8, int mode = 2) {
  Tfrec* tree = ParseExpression(sj(utf8), mode);
  std::string out = eng.ParseOK ? PrefixForm(tree) : "error@" + std::to_string(eng.ParseErrorPos);
  DisposeTree(tree);
  return out;
}

inline bool Valid(const std::string& utf8, int mode = 1) {
  Tfrec* tree = ParseExpression(sj(utf8), mode);
  DisposeTree(tree);
  return eng.ParseOK == 1;
}
