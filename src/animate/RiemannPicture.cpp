#include "animate/RiemannPicture.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "animate/CalculusDrawing.h"
#include "animate/RiemannSums.h"
#include "formula/DocumentState.h"
#include "formula/TreeOps.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/RenderState.h"

namespace {

constexpr gfx::Color kValueTextColour = 0xFF0000;
constexpr gfx::Color kSumTextColour = 0x000080;
constexpr int kMinFilledStripPixels = 4;

gfx::Point Pixel(Extended x, Extended y) { return {WorldToScreenX(x), WorldToScreenY(y)}; }

void SetPieceColour(gfx::Canvas& canvas, Extended value) {
  const gfx::Color c = OutputColor(SignColour(value));
  canvas.pen.color = c;
  canvas.brush = {c, gfx::BrushStyle::DiagCross};
}

// A filled polygon on the screen; its outline as world lines on the print picture.
void DrawPiecePolygon(gfx::Canvas& canvas, std::initializer_list<std::pair<Extended, Extended>> corners,
                      Extended value) {
  SetPieceColour(canvas, value);
  if (DrawingToMetafile()) {
    const auto* prev = std::prev(corners.end());
    for (const auto& c : corners) {
      DrawWorldSegment(canvas, 0, {}, prev->first, prev->second, c.first, c.second);
      prev = &c;
    }
    return;
  }
  std::vector<gfx::Point> points;
  for (const auto& c : corners) points.push_back(Pixel(c.first, c.second));
  canvas.Polygon(points);
}

void DrawTrapezoid(gfx::Canvas& canvas, const RiemannPiece& p) {
  const Extended fl = p.atLeft, fr = p.atRight;
  if ((fl < 0 && fr > 0) || (fl > 0 && fr < 0)) {
    const Extended x0 = p.l + (p.r - p.l) * (-fl) / (fr - fl);
    DrawPiecePolygon(canvas, {{p.l, 0}, {p.l, fl}, {x0, 0}}, fl);
    DrawPiecePolygon(canvas, {{x0, 0}, {p.r, fr}, {p.r, 0}}, fr);
    return;
  }
  DrawPiecePolygon(canvas, {{p.l, 0}, {p.l, fl}, {p.r, fr}, {p.r, 0}}, p.value);
}

// The parabola through the piece's three points, with u = (x - middle) / half width:
// P = fm + (fr - fl) / 2 u + (fl - 2 fm + fr) / 2 u^2.
struct Parabola {
  Extended middle, half, a2, a1, a0;
  explicit Parabola(const RiemannPiece& p)
      : middle((p.l + p.r) / 2),
        half((p.r - p.l) / 2),
        a2((p.atLeft - 2 * p.atMiddle + p.atRight) / 2),
        a1((p.atRight - p.atLeft) / 2),
        a0(p.atMiddle) {}
  Extended At(Extended x) const {
    const Extended u = (x - middle) / half;
    return (a2 * u + a1) * u + a0;
  }
  // The x where it crosses zero strictly inside the piece, in order.
  std::vector<Extended> RootsInside() const {
    std::vector<Extended> us;
    if (a2 == 0) {
      if (a1 != 0) us.push_back(-a0 / a1);
    } else {
      const Extended d = a1 * a1 - 4 * a2 * a0;
      if (d > 0) {
        const Extended s = std::sqrt(d);
        us = {(-a1 - s) / (2 * a2), (-a1 + s) / (2 * a2)};
        std::sort(us.begin(), us.end());
      }
    }
    std::vector<Extended> xs;
    for (Extended u : us)
      if (u > -1 && u < 1) xs.push_back(middle + u * half);
    return xs;
  }
};

void DrawSimpsonStrip(gfx::Canvas& canvas, const RiemannPiece& p) {
  const Parabola parabola(p);
  const Extended step = doc.PixelSizeX > 0 ? doc.PixelSizeX : (p.r - p.l) / 100;
  Extended x0 = p.l, y0 = p.atLeft;
  for (int64_t i = 1;; ++i) {
    Extended x1 = p.l + i * step;
    const bool last = x1 >= p.r || i > 100000;
    if (last) x1 = p.r;
    const Extended y1 = last ? p.atRight : parabola.At(x1);
    SetPieceColour(canvas, (y0 + y1) / 2);
    DrawWorldSegment(canvas, 0, {}, x0, y0, x1, y1);
    x0 = x1;
    y0 = y1;
    if (last) break;
  }
  SetPieceColour(canvas, p.atLeft);
  DrawWorldSegment(canvas, 0, {}, p.l, 0, p.l, p.atLeft);
  SetPieceColour(canvas, p.atRight);
  DrawWorldSegment(canvas, 0, {}, p.r, 0, p.r, p.atRight);
  canvas.pen.color = OutputColor(SignColour(p.value));
  DrawWorldSegment(canvas, 0, {}, p.l, 0, p.r, 0);
  if (DrawingToMetafile() || (p.r - p.l) < kMinFilledStripPixels * doc.PixelSizeX) return;
  // Each part between the roots is hatched from a seed halfway between parabola and axis.
  std::vector<Extended> ends{p.l};
  for (Extended x : parabola.RootsInside()) ends.push_back(x);
  ends.push_back(p.r);
  StripHatch hatch(canvas, WorldToScreenX(p.l), WorldToScreenX(p.r));
  for (size_t k = 0; k + 1 < ends.size(); ++k) {
    const Extended x = (ends[k] + ends[k + 1]) / 2;
    const Extended y = parabola.At(x);
    const int seedRow = RowTowardsAxis(y);
    if (seedRow == WorldToScreenY(y)) continue;
    hatch.Around(WorldToScreenX(x), seedRow, OutputColor(SignColour(y)));
  }
}

void DrawPiece(gfx::Canvas& canvas, int kind, const RiemannPiece& p) {
  if (p.r < doc.ViewRange.XMin || p.l > doc.ViewRange.XMax) return;
  switch (kind) {
    case kSumTrapezoid: DrawTrapezoid(canvas, p); break;
    case kSumSimpson: DrawSimpsonStrip(canvas, p); break;
    default: DrawPiecePolygon(canvas, {{p.l, 0}, {p.l, p.height}, {p.r, p.height}, {p.r, 0}}, p.value); break;
  }
}

// The piece as a formula of x that is undefined outside it.
TreePtr PieceTree(int kind, const RiemannPiece& p, bool last) {
  const int closed = last ? 1 : 0;
  switch (kind) {
    case kSumTrapezoid: return MakeLinearPiece(closed, p.l, p.atLeft, p.r, p.atRight);
    case kSumSimpson: return MakeParabolaPiece(closed, p.l, p.atLeft, (p.l + p.r) / 2, p.atMiddle, p.r, p.atRight);
    default: return MakeConstantPiece(closed, p.height, p.l, p.r);
  }
}

// The pieces joined by additions, pairwise so that the tree stays shallow.
TreePtr JoinPieces(std::vector<TreePtr> trees) {
  if (trees.empty()) return nullptr;
  while (trees.size() > 1) {
    std::vector<TreePtr> joined;
    for (size_t i = 0; i + 1 < trees.size(); i += 2)
      joined.emplace_back(NewBinaryNode(node::Sum, trees[i].release(), trees[i + 1].release(), 2));
    if (trees.size() % 2) joined.push_back(std::move(trees.back()));
    trees.swap(joined);
  }
  return std::move(trees.front());
}

void DrawBoundLines(gfx::Canvas& canvas, EntryFunction& f, Extended a, Extended b) {
  for (Extended x : {a, b}) {
    Extended y;
    if (f.At(x, y)) DrawBoundLine(canvas, x, y);
  }
}

void DrawPieces(gfx::Canvas& canvas, int kind, const std::vector<RiemannPiece>& pieces) {
  const bool print = DrawingToMetafile();
  std::vector<TreePtr> trees;
  for (size_t i = 0; i < pieces.size(); ++i) {
    canvas.pen.width = ScaleToOutput(1);
    DrawPiece(canvas, kind, pieces[i]);
    if (print) trees.push_back(PieceTree(kind, pieces[i], i + 1 == pieces.size()));
  }
  if (!print || trees.empty()) return;
  const TreePtr steps = JoinPieces(std::move(trees));
  FillRelation(canvas, "(y>0)(y<a)", {{node::VarA, steps.get()}}, OutputColor(KindDefaultColor(4, gfx::kBlack)));
  FillRelation(canvas, "(y<0)(y>a)", {{node::VarA, steps.get()}}, OutputColor(KindDefaultColor(5, gfx::kBlack)));
}

}  // namespace

bool PaintRiemannPicture(gfx::Canvas& canvas, EntryFunction& f, int kind, Extended a, Extended b, int32_t n,
                         Extended& sum) {
  sum = 0;
  if (kind == kSumNone) {
    DrawBoundLines(canvas, f, a, b);
    return true;
  }
  ClearGraphBitmap(canvas);
  canvas.pen.width = ScaleToOutput(1);
  DrawBoundLines(canvas, f, a, b);
  std::vector<RiemannPiece> pieces;
  const bool ok = WalkRiemannPieces(
      f, kind, a, b, n, doc.PixelSizeX, [&](const RiemannPiece& p) { pieces.push_back(p); }, sum);
  // A sum that is no number has no picture either: its pieces before the undefined one
  // would show a part as if it were the whole.
  if (ok) DrawPieces(canvas, kind, pieces);
  CopyGraphBitmap(BackCanvas(), canvas, gfx::CopyMode::And);
  canvas.brush = {gfx::kWhite, gfx::BrushStyle::Solid};
  return ok;
}

void DrawRiemannValueBox(gfx::Canvas& canvas, int32_t n, int kind, const std::string& sumText) {
  SetValueBoxStyle(canvas);
  const std::string first = sj("分割数＝ ") + rtl::IntToStr(n);
  const std::string second =
      kind >= 1 && kind <= kSumKinds ? sj(kSumCaptions[kind]) + sj("＝ ") + sumText : std::string();
  const int widest = std::max(canvas.TextWidth(first), second.empty() ? 0 : canvas.TextWidth(second));
  const int lineHeight = canvas.TextHeight(first);
  DrawValueBoxFrame(canvas, widest + Scaled(20), static_cast<int>(rtl::Round(3.4L * lineHeight)));
  const int left = Scaled(10), top = Scaled(10);
  canvas.font.color = OutputColor(kValueTextColour);
  canvas.TextOut(left, top, first);
  if (second.empty()) return;
  canvas.font.color = OutputColor(kSumTextColour);
  canvas.TextOut(left, top + lineHeight * 3 / 2, second);
}
