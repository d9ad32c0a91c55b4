#pragma once
// Building small documents for the figure table tests: entries go in through InsertEntry,
// as the navigator puts them in; texts are UTF-8 in the test and CP932 in the table.
#include <initializer_list>
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/FigureTable.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"

inline int PointNumber(char letter) { return static_cast<int>(std::string(PointNameOrder).find(letter)) + 1; }

// Inserts an entry and answers its number.
inline int AddEntry(int kind, int subkind, std::initializer_list<const char*> texts, int letter = kNoPoint) {
  Tfuncprop e;
  InitFuncprop(e, kind);
  e.subkind = static_cast<uint8_t>(subkind);
  int k = 0;
  for (const char* t : texts) e.texts[k++] = sj(t);
  e.letter = static_cast<uint8_t>(letter);
  EXPECT_TRUE(InsertEntry(e));
  ++doc.EntryCount;
  int at = 0;
  for (int kindBefore = 1; kindBefore <= kind; ++kindBefore) at += doc.KindCounts[kindBefore];
  return at;
}

// A point, classified as the entry window leaves it, known to the parser as existing.
inline int AddPoint(char letter, int code, std::initializer_list<const char*> texts) {
  const int e = AddEntry(kKindPoint, code, texts, PointNumber(letter));
  ClassifyFigure(doc.FigureTable[e]);
  doc.PointLetterUsage[PointNumber(letter)].exists = 1;
  doc.PointLetterEntry[PointNumber(letter)] = static_cast<uint8_t>(e);
  return e;
}

inline int AddFigure(int type, std::initializer_list<const char*> texts, int letter = kNoPoint,
                     int letter2 = kNoPoint) {
  const int e = AddEntry(kKindFigure, type, texts, letter);
  doc.FigureTable[e].letter2 = static_cast<uint8_t>(letter2);
  return e;
}

// The kinds of the table in order.
inline std::vector<int> Kinds() {
  std::vector<int> kinds;
  for (int e = 1; e <= doc.EntryCount; ++e) kinds.push_back(doc.FigureTable[e].kind);
  return kinds;
}

inline std::string Utf8(const std::string& cp932) { return sjis::ToUtf8(cp932); }
