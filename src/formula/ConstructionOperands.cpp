#include "formula/ConstructionOperands.h"

#include <algorithm>
#include <cstdint>

#include "formula/ConstructedPoints.h"
#include "formula/DocumentState.h"
#include "formula/GeometryTexts.h"
#include "formula/SphereSection.h"
#include "formula/VectorGeometry.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace {

int PointNumberOfChar(char c) {
  if (c < 'A' || c > 'Z') return 0;
  for (int k = 0; k < kMaxPoints; ++k)
    if (PointNameOrder[k] == c) return k + 1;
  return 0;
}

const Tfuncprop& Entry(int e) { return doc.FigureTable[e]; }

// Point number n when it is one (1..25), else 0.
int PointOrNone(int n) { return n >= 1 && n <= kMaxPoints ? n : 0; }

}  // namespace

std::vector<int> PointNumbersOf(const std::string& text) {
  std::vector<int> numbers;
  for (size_t i = 0; i < text.size(); ++i) {
    if (sjis::IsLeadByte(static_cast<unsigned char>(text[i]))) {
      numbers.push_back(0);
      ++i;
      continue;
    }
    numbers.push_back(PointNumberOfChar(text[i]));
  }
  return numbers;
}

int EntryOfPoint(int n) {
  if (!PointOrNone(n)) return 0;
  const int e = doc.PointLetterEntry[n];
  if (e < 1 || e > doc.EntryCount || e > kMaxEntries) return 0;
  const Tfuncprop& entry = Entry(e);
  return entry.kind == kKindPoint && entry.letter == n ? e : 0;
}

bool FetchPoint(int n, TSpacePoint& p) {
  GetSequencePoint(n, 0, p);
  return p.valid;
}

bool FetchPoints(const std::string& text, int count, TSpacePoint* points) {
  const std::vector<int> numbers = PointNumbersOf(text);
  if (static_cast<int>(numbers.size()) < count) return false;
  for (int i = 0; i < count; ++i)
    if (!FetchPoint(numbers[i], points[i])) return false;
  return true;
}

int FigureEntryOfText(const std::string& text, std::initializer_list<int> types) {
  int64_t n = 0;
  if (!rtl::TryStrToInt(rtl::Trim(text), n) || n < 1 || n > doc.KindCounts[kKindFigure]) return 0;
  // The figures follow the kinds 1 to 6 (the navigator's FunctionEntryCount).
  int first = 0;
  for (int kind = 1; kind < kKindFigure; ++kind) first += doc.KindCounts[kind];
  const int64_t e = first + n;
  if (e > doc.EntryCount || e > kMaxEntries) return 0;
  const Tfuncprop& figure = Entry(static_cast<int>(e));
  if (figure.kind != kKindFigure) return 0;
  return std::find(types.begin(), types.end(), figure.subkind) != types.end() ? static_cast<int>(e) : 0;
}

bool FetchFigurePoint(int figureEntry, TSpacePoint& p) {
  const Tfuncprop& figure = Entry(figureEntry);
  int n = PointOrNone(figure.letter);
  if (!n) {
    const std::vector<int> numbers = PointNumbersOf(figure.texts[0]);
    n = numbers.empty() ? 0 : numbers[0];
  }
  return FetchPoint(n, p);
}

bool FetchCircle(const std::string& figureText, TCircleOperand& circle) {
  const int e = FigureEntryOfText(figureText, {8});
  if (!e || !FetchFigurePoint(e, circle.centre)) return false;
  circle.radiusText = Entry(e).texts[1];
  return true;
}

bool FetchLine(const std::string& figureText, TLineOperand& line) {
  const bool space = doc.Dimension == 3;
  const int e = space ? FigureEntryOfText(figureText, {2, 3, 4, 5}) : FigureEntryOfText(figureText, {0, 1, 2, 3, 4, 5});
  if (!e || !FetchFigurePoint(e, line.a)) return false;
  const Tfuncprop& figure = Entry(e);
  if (figure.subkind <= 1) {  // a point and a direction
    Extended dx, dy;
    if (!EvaluateGeometryText(figure.texts[1], dx) || !EvaluateGeometryText(figure.texts[2], dy)) return false;
    line.b = VecAdd(line.a, MakePoint(dx, dy, 0));
    return true;
  }
  int second = PointOrNone(figure.letter2);
  if (!second) {
    const std::vector<int> numbers = PointNumbersOf(figure.texts[1]);
    second = numbers.empty() ? 0 : numbers[0];
  }
  return FetchPoint(second, line.b);
}

bool FetchPlane(const std::string& figureText, TPlaneOperand& plane) {
  const int e = FigureEntryOfText(figureText, {1, 9, 10});
  if (!e) return false;
  const Tfuncprop& figure = Entry(e);
  if (figure.subkind == 10) {
    const TSphereSection section = SphereSectionCircle(e);
    plane.point = section.centre;
    plane.normal = section.normal;
    return section.valid;
  }
  if (!FetchFigurePoint(e, plane.point)) return false;
  plane.normal = PointFromTexts(figure.texts[1], figure.texts[2], figure.texts[3]);
  return plane.normal.valid && !VecIsZero(plane.normal);
}
