#include "ui/NavigatorList.h"

#include <algorithm>
#include <iterator>

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/FigureTableOperands.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "ui/EntryDescriptions.h"

namespace {

constexpr int kWrapMargin = 27;  // a line wraps where it would come this close to the edge
constexpr int kWrappedLineAdvance = 19;
constexpr int32_t kVariableX = 10024;

struct SectionSpec {
  const char* caption;  // UTF-8
  const char* letter;   // nullptr: the point's own letter
  std::uint8_t kind;
  bool (*addRow)();
  bool (*shown)();
};

int Count(int kind) { return doc.KindCounts[kind]; }
bool CartesianOrPolar() { return doc.CoordinateSystem <= 1; }
bool PointsExist() { return Count(kKindPoint) > 0; }
bool NoSurface() { return Count(kKindExplicit) == 0; }

const SectionSpec kPlaneSections[] = {
    {"陽関数 y=f(x)", "y", kKindExplicit, [] { return Count(kKindExplicit) < 40 && doc.EntryCount < 100; },
     [] { return true; }},
    {"導関数 y=f'(x)", "y'", kKindDerivative, [] { return false; },
     [] { return CartesianOrPolar() && Count(kKindDerivative) > 0; }},
    {"図形の方程式・不等式", "z", kKindRelation, [] { return Count(kKindRelation) < 50 && doc.EntryCount < 100; },
     CartesianOrPolar},
    {"媒介変数 x=f(t),y=g(t)", "p", kKindParametric,
     [] { return Count(kKindParametric) < 50 && doc.EntryCount < 100; }, CartesianOrPolar},
    {"極方程式 r=f(t)", "r", kKindPolar, [] { return Count(kKindPolar) < 50 && doc.EntryCount < 100; },
     CartesianOrPolar},
    {"直線・線分・円", "s", kKindFigure, [] { return Count(kKindFigure) < 100 && doc.EntryCount < kMaxEntries; },
     PointsExist},
    {"点", nullptr, kKindPoint, [] { return Count(kKindPoint) < kMaxPoints && doc.EntryCount < 100; },
     [] { return true; }},
};

const SectionSpec kSpaceSections[] = {
    // An empty space document shows the surface section too, so that a surface can be added.
    {"陽関数 z=f(x,y)", "z", kKindExplicit, [] { return Count(kKindExplicit) < 2 && doc.EntryCount < 2; },
     [] { return doc.EntryCount == 0 || doc.FigureTable[1].kind == kKindExplicit; }},
    {"媒介変数曲線 x=f(t)，y=g(t),z=h(t)", "p", kKindParametric,
     [] { return Count(kKindParametric) < 50 && doc.EntryCount < 50; }, NoSurface},
    {"直線・平面・球", "s", kKindFigure, [] { return Count(kKindFigure) < kMaxPoints && doc.EntryCount < 50; },
     PointsExist},
    {"点", nullptr, kKindPoint, [] { return Count(kKindPoint) < kMaxPoints && doc.EntryCount < 50; }, NoSurface},
};

std::string PointLetter(int letter) {
  if (letter < 1 || letter > kMaxPoints) return "?";
  return std::string(1, PointNameOrder[letter - 1]);
}

// "tの範囲  : a≦t≦b", or with ≧ when the upper value lies below the lower one.
std::string RangeLine(const std::string& lower, const std::string& upper, bool mayReverse) {
  const bool reversed =
      mayReverse && EvaluateText(upper, 0, 0, 0) < EvaluateText(lower, 0, 0, 0);
  const std::string& sign = reversed ? sj("≧t≧") : sj("≦t≦");
  return sj("tの範囲  : ") + lower + sign + upper;
}

bool SpacePointDescribed(int code) {
  return (code >= 0 && code <= 7) || (code >= 25 && code <= 27) || (code >= 30 && code <= 40) || code == 45 ||
         code == 100;
}

std::vector<std::string> PlaneRowTexts(int i) {
  Tfuncprop& e = doc.FigureTable[i];
  const auto& t = e.texts;
  switch (e.kind) {
    case kKindExplicit:
    case kKindRelation: return {t[0]};
    case kKindDerivative:
      if (e.link >= 1 && e.link <= doc.EntryCount && doc.FigureTable[e.link].kind == kKindExplicit) {
        std::string derivative;
        DifferentiateFormulaText(doc.FigureTable[e.link].texts[0], kVariableX, derivative);
        e.texts[0] = derivative;
      }
      return {t[0]};
    case kKindParametric:
      return {"x= " + t[0] + ", y= " + t[1], RangeLine(t[2], t[3], true)};
    case kKindPolar:
      return {"r= " + t[0] + sj(" 　: 中心(") + t[1] + "," + t[2] + ")", RangeLine(t[3], t[4], false)};
    case kKindFigure: return {DescribeFigureEntry(e)};
    case kKindPoint:
      if (e.subkind >= 128) return {"( " + t[0] + sj(" ，") + t[1] + " )"};
      return {DescribePointEntry(e)};
    default: return {};
  }
}

std::vector<std::string> SpaceRowTexts(int i) {
  const Tfuncprop& e = doc.FigureTable[i];
  const auto& t = e.texts;
  switch (e.kind) {
    case kKindExplicit: return {t[0]};
    case kKindParametric:
      // As the entry window and the drawer keep them: the range in the third and fourth
      // texts, z in the fifth.
      return {"x= " + t[0] + ", y= " + t[1] + ", z= " + t[4], RangeLine(t[2], t[3], false)};
    case kKindFigure: return {DescribeFigureEntry(e)};
    case kKindPoint:
      // The z coordinate of a point is its fourth text (the third holds its letter).
      if (e.subkind == 255) return {"( " + t[0] + sj(" ，") + t[1] + sj(" ，") + t[3] + " )"};
      if (SpacePointDescribed(e.subkind)) return {DescribePointEntry(e)};
      return {};
    default: return {};
  }
}

// Builds the list row by row, keeping the next free pixel row.
class ListBuilder {
 public:
  ListBuilder(const TListLayout& layout, gfx::Canvas& measure) : layout_(layout), measure_(measure) {
    measure_.font = ListFont(layout_);
    list_.ToggleRows.resize(static_cast<size_t>(doc.EntryCount) + 1);
  }

  void Section(const std::string& caption, gfx::Color color, bool space, std::uint8_t kind) {
    list_.sections.push_back({y_, caption, color, space, kind});
    y_ += kSectionBandHeight;
  }

  void EntryRow(TListEntryRow row, const std::vector<std::string>& texts, bool toggles) {
    const int top = y_;
    row.row.top = top;
    row.row.bottom = top + 20;
    list_.EntryRows.push_back(row.row);
    row.toggleBottom = top + layout_.ToggleHeight();
    if (toggles && row.row.entry >= 1 && row.row.entry <= doc.EntryCount)
      list_.ToggleRows[static_cast<size_t>(row.row.entry)] = {top, row.toggleBottom, row.row.entry, row.row.kind,
                                                                row.row.action};
    for (const std::string& text : texts) WriteLines(text, row.lines);
    row.row.bottom = y_;
    list_.ListRows.push_back(row.row);
    list_.entries.push_back(std::move(row));
    y_ += 2;
  }

  void AddRow(int entry, std::uint8_t kind, std::uint8_t action, gfx::Color sectionColor) {
    const TListRow row{y_, y_ + kAddRowHeight, entry, kind, action};
    list_.ListRows.push_back(row);
    list_.adds.push_back({row, sectionColor});
    y_ += kAddRowHeight + 2;
  }

  void SectionEnd() {
    list_.sectionEnds.push_back(y_);
    y_ += 1;
  }

  NavigatorList Finish() {
    list_.bottom = y_;
    return std::move(list_);
  }

 private:
  // The text at x = 4, cut where it would reach the wrap margin; the cut never splits a
  // double-byte character and takes at least one character.
  void WriteLines(std::string text, std::vector<TListTextLine>& lines) {
    const int fh = layout_.FontHeight();
    const int room = layout_.imageWidth - kWrapMargin;
    for (;;) {
      y_ += fh / 6;
      if (measure_.TextWidth(text) <= room) {
        lines.push_back({y_, std::move(text)});
        y_ += static_cast<int>(rtl::Round(fh * 4 / 3.0L));
        return;
      }
      size_t cut = 0;
      for (size_t next = 0; next < text.size();) {
        next += sjis::IsLeadByte(static_cast<unsigned char>(text[next])) && next + 1 < text.size() ? 2 : 1;
        if (measure_.TextWidth(std::string_view(text).substr(0, next)) > room) break;
        cut = next;
      }
      if (cut == 0) cut = sjis::IsLeadByte(static_cast<unsigned char>(text[0])) && text.size() > 1 ? 2 : 1;
      lines.push_back({y_, text.substr(0, cut)});
      text.erase(0, cut);
      y_ += kWrappedLineAdvance;
    }
  }

  const TListLayout& layout_;
  gfx::Canvas& measure_;
  NavigatorList list_;
  int y_ = 1;
};

void BuildEntrySection(ListBuilder& b, const SectionSpec& s, bool space) {
  const gfx::Color color = space ? kSpaceSectionColor : kPlaneSectionColor;
  const std::uint8_t correct = space ? rowaction::CorrectSpace : rowaction::CorrectPlane;
  const std::uint8_t add = space ? rowaction::AddSpace : rowaction::AddPlane;
  b.Section(sj(s.caption), color, space, s.kind);
  int position = 0;
  for (int i = 1; i <= doc.EntryCount; ++i) {
    const Tfuncprop& e = doc.FigureTable[i];
    if (e.kind != s.kind) continue;
    ++position;
    TListEntryRow row;
    row.row = {0, 0, i, s.kind, correct};
    row.sectionColor = color;
    row.color = static_cast<gfx::Color>(e.color) & 0xFFFFFF;
    row.hidden = e.shown == 0;
    if (s.kind == kKindPoint) {
      row.letter = PointLetter(e.letter);
      if (e.letter >= 1 && e.letter <= kMaxPoints) doc.PointLetterEntry[e.letter] = static_cast<uint8_t>(i);
    } else {
      row.letter = s.letter;
      row.index = rtl::IntToStr(s.kind == kKindDerivative ? e.link : position);
    }
    const std::vector<std::string> texts = space ? SpaceRowTexts(i) : PlaneRowTexts(i);
    b.EntryRow(std::move(row), texts, true);
  }
  // A new entry goes behind its kind's group.
  if (s.addRow()) b.AddRow(KindGroupStart(s.kind + 1), s.kind, add, color);
  b.SectionEnd();
}

void BuildDefinitionSection(ListBuilder& b, bool functions) {
  const char* caption = functions ? "定義関数" : "定義定数";
  const std::uint8_t kind = functions ? kKindDefinedFunction : kKindDefinedConstant;
  const int count = functions ? doc.DefinedFunctionCount : doc.DefinedConstantCount;
  const auto& texts = functions ? doc.DefinedFunctionTexts : doc.DefinedConstantTexts;
  b.Section(sj(caption), kDefinitionSectionColor, false, kind);
  for (int n = 1; n <= count && n <= kMaxDefinitions; ++n) {
    TListEntryRow row;
    row.row = {0, 0, n, kind, functions ? rowaction::CorrectFunction : rowaction::CorrectConstant};
    row.sectionColor = kDefinitionSectionColor;
    row.color = gfx::kBlack;
    row.letter = functions ? "F" : "Q";
    row.index = rtl::IntToStr(n);
    b.EntryRow(std::move(row), {texts[n]}, false);
  }
  if (count < kMaxDefinitions)
    b.AddRow(count + 1, kind, functions ? rowaction::AddFunction : rowaction::AddConstant, kDefinitionSectionColor);
  b.SectionEnd();
}

}  // namespace

int TListLayout::FontHeight() const {
  gfx::Font f;
  f.SetSize(fontSize);
  return std::abs(f.height);
}

int TListLayout::ToggleHeight() const { return static_cast<int>(rtl::Round(4 * FontHeight() / 3.0L)); }

gfx::Font ListFont(const TListLayout& layout) {
  gfx::Font f;
  f.name = sj("ＭＳ Ｐゴシック");
  f.charset = 1;
  f.SetSize(layout.fontSize);
  return f;
}

int TListLayout::DeleteButtonLeft() const {
  return (visibleWidth > 0 ? std::min(visibleWidth, imageWidth) : imageWidth) - listIndent + 10;
}

const TListRow* NavigatorList::DeleteButtonAt(int x, int y, const TListLayout& layout) const {
  const int left = layout.DeleteButtonLeft();
  if (x < left || x >= left + kDeleteButtonWidth) return nullptr;
  for (const TListEntryRow& e : entries)
    if (y > e.row.top && y <= e.row.top + kDeleteButtonHeight) return &e.row;
  return nullptr;
}

int NavigatorList::RowAt(int x, int y, int imageWidth) const {
  if (x <= 0 || x >= imageWidth - 25) return -1;
  for (size_t i = 0; i < ListRows.size(); ++i)
    if (ListRows[i].top < y && y < ListRows[i].bottom) return static_cast<int>(i);
  return -1;
}

int NavigatorList::ToggleAt(int x, int y, int xLimit) const {
  if (x <= 0 || x >= xLimit) return 0;
  for (size_t n = 1; n < ToggleRows.size(); ++n)
    if (ToggleRows[n].entry && ToggleRows[n].top < y && y < ToggleRows[n].bottom) return static_cast<int>(n);
  return 0;
}

const TListEntryRow* NavigatorList::EntryRowOf(int entry) const {
  for (const TListEntryRow& row : entries)
    if (row.row.entry == entry && row.row.kind <= kKindPoint) return &row;
  return nullptr;
}

void RecomputeKindSums() {
  doc.FunctionEntryCount = static_cast<uint8_t>(Count(kKindExplicit) + Count(kKindDerivative) +
                                                Count(kKindRelation) + Count(kKindParametric) + Count(kKindPolar));
  doc.CurveEntryCount = static_cast<uint8_t>(doc.FunctionEntryCount + Count(kKindFigure));
  int sequences = 0;
  for (int i = doc.CurveEntryCount + 1; i <= doc.EntryCount; ++i)
    if (doc.FigureTable[i].kind == kKindPoint && doc.FigureTable[i].subkind == 100) ++sequences;
  doc.PointSequenceCount = static_cast<uint8_t>(sequences);
  doc.PlainPointCount = static_cast<uint8_t>(std::max(0, Count(kKindPoint) - sequences));
}

std::vector<std::string> EntryRowTexts(int entry) {
  if (entry < 1 || entry > doc.EntryCount) return {};
  return doc.Dimension == 3 ? SpaceRowTexts(entry) : PlaneRowTexts(entry);
}

bool CanAddPoint() {
  const SectionSpec& points = doc.Dimension == 3 ? std::end(kSpaceSections)[-1] : std::end(kPlaneSections)[-1];
  return points.addRow();
}

NavigatorList BuildNavigatorList(const TListLayout& layout, gfx::Canvas& measure) {
  ListBuilder b(layout, measure);
  const bool space = doc.Dimension == 3;
  if (space) {
    for (const SectionSpec& s : kSpaceSections)
      if (s.shown()) BuildEntrySection(b, s, true);
  } else {
    for (const SectionSpec& s : kPlaneSections)
      if (s.shown()) BuildEntrySection(b, s, false);
  }
  BuildDefinitionSection(b, true);
  BuildDefinitionSection(b, false);
  return b.Finish();
}
