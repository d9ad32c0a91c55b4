#include "formula/FigureTable.h"

#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/FigureTableOperands.h"
#include "formula/FigureTableReferences.h"
#include "platform/Runtime.h"

namespace {

bool IsPointNumber(int n) { return n >= 1 && n <= kMaxPoints; }

// The number the next point of an old file gets, 0 when the 25 letters are used up.
int NextOldPointNumber() {
  const int n = doc.KindCounts[kKindPoint] + 1;
  return IsPointNumber(n) ? n : 0;
}

// A polar curve of an old file keeps its centre as "center" x "," y in the second text.
void SplitOldPolarCentre(Tfuncprop& e) {
  const std::string centre = rtl::Trim(e.texts[1]);
  std::string x = "0", y = "0";
  if (centre.rfind("center", 0) == 0) {
    const int comma = rtl::Pos(",", centre);
    x = comma ? rtl::Copy(centre, 7, comma - 7) : rtl::Copy(centre, 7, static_cast<int64_t>(centre.size()));
    if (comma) y = rtl::Copy(centre, comma + 1, static_cast<int64_t>(centre.size()));
  }
  e.texts[4] = e.texts[3];
  e.texts[3] = e.texts[2];
  e.texts[1] = x;
  e.texts[2] = y;
}

// The point of a figure's end given by the texts x and y: an equal point of the table, or
// a new one in the figure's colour. 0 when no point could be added.
int EndPointOfOldFigure(const Tfuncprop& figure, const std::string& x, const std::string& y) {
  Tfuncprop point;
  InitFuncprop(point, kKindPoint);
  point.texts[0] = x;
  point.texts[1] = y;
  const int first = KindGroupStart(kKindPoint);
  if (const int k = FindPointByCoordinates(first, point)) return doc.FigureTable[first + k - 1].letter;
  const int n = NextOldPointNumber();
  if (!n) return 0;
  point.color = figure.color;
  point.afterImage = figure.afterImage;
  point.letter = static_cast<uint8_t>(n);
  ClassifyFigure(point);
  if (!InsertEntry(point)) return 0;
  ++doc.EntryCount;
  return n;
}

}  // namespace

bool InsertEntry(const Tfuncprop& record) {
  const int kind = record.kind;
  if (kind < 1 || kind > kKindPoint || doc.EntryCount >= kMaxEntries) return false;
  const int target = KindGroupStart(kind + 1);  // after the count of the kind has grown by one
  if (target > doc.EntryCount + 1) return false;  // counts that disagree with the table
  ++doc.KindCounts[kind];
  ShiftReferencesForInsert(target);
  for (int e = doc.EntryCount; e >= target; --e) doc.FigureTable[e + 1] = doc.FigureTable[e];
  doc.FigureTable[target] = record;
  return true;
}

void DeleteFigure(int i) {
  if (i < 1 || i > doc.EntryCount) return;
  ShiftReferencesForDelete(i);
  const Tfuncprop& removed = doc.FigureTable[i];
  if (removed.kind == kKindPoint && IsPointNumber(removed.letter)) ResetPointList(removed.letter);
  if (removed.kind >= 1 && removed.kind <= 10 && doc.KindCounts[removed.kind] > 0) --doc.KindCounts[removed.kind];
  for (int e = i; e < doc.EntryCount; ++e) doc.FigureTable[e] = doc.FigureTable[e + 1];
  InitFuncprop(doc.FigureTable[doc.EntryCount], kKindExplicit);
  --doc.EntryCount;
}

bool ConvertOldFigure(Tfuncprop record) {
  static constexpr uint8_t newKind[8] = {kKindDerivative, kKindExplicit,   kKindRelation, kKindParametric,
                                         kKindPolar,      kKindPoint,      kKindFigure,   kKindRelation};
  const int old = record.kind;
  if (old < 0 || old > 7) return false;
  record.kind = newKind[old];
  if (old == 2) record.texts[0] += "=0";
  if (old == 4) SplitOldPolarCentre(record);
  if (record.kind == kKindPoint) {
    const int n = NextOldPointNumber();
    if (!n) return false;
    ClassifyFigure(record);
    record.letter = static_cast<uint8_t>(n);
  }
  if (!InsertEntry(record)) return false;
  ++doc.EntryCount;
  return true;
}

int FindPointByCoordinates(int firstPointEntry, const Tfuncprop& record) {
  int number = 0;
  for (int e = firstPointEntry < 1 ? 1 : firstPointEntry; e <= doc.EntryCount; ++e) {
    const Tfuncprop& point = doc.FigureTable[e];
    if (point.kind != kKindPoint) continue;
    ++number;
    if (point.texts[0] == record.texts[0] && point.texts[1] == record.texts[1]) return number;
  }
  return 0;
}

bool LinkSegmentPoints() {
  const int first = KindGroupStart(kKindFigure);
  // New points go behind the figures, so the figures stay where they are.
  for (int e = first; e < first + doc.KindCounts[kKindFigure]; ++e) {
    Tfuncprop& figure = doc.FigureTable[e];
    const int start = EndPointOfOldFigure(figure, figure.texts[0], figure.texts[1]);
    if (!start) return false;
    figure.letter = static_cast<uint8_t>(start);
    const int end = EndPointOfOldFigure(figure, figure.texts[2], figure.texts[3]);
    if (!end) return false;
    figure.letter2 = static_cast<uint8_t>(end);
    figure.subkind = 3;
    figure.texts[2].clear();
    figure.texts[3].clear();
  }
  return true;
}

int CountSinglePointFigures() {
  int count = 0;
  for (int e = 1; e <= doc.EntryCount; ++e) {
    const Tfuncprop& entry = doc.FigureTable[e];
    if (entry.kind == kKindPoint && IsPointNumber(entry.letter) && doc.PointSequences[entry.letter].size() == 1)
      ++count;
  }
  return count;
}

void ResetPointLists() {
  for (int n = 1; n <= 27; ++n) ResetPointList(n);
}

namespace {
template <class Wanted>
int ListFigures(Wanted wanted) {
  doc.FigureKindList.clear();
  const int first = KindGroupStart(kKindFigure);
  for (int n = 1; n <= doc.KindCounts[kKindFigure] && first + n - 1 <= doc.EntryCount; ++n)
    if (wanted(doc.FigureTable[first + n - 1].subkind)) doc.FigureKindList.push_back(n);
  return static_cast<int>(doc.FigureKindList.size());
}
}  // namespace

int ListCircleFigures() {
  return ListFigures([](int type) { return type == 8; });
}

int ListLineFigures() {
  const int lowest = doc.Dimension == 3 ? 2 : 1;
  return ListFigures([lowest](int type) { return type >= lowest && type <= 5; });
}
