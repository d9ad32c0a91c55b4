#include "render/ImplicitTracing.h"

#include <algorithm>
#include <vector>

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Numeric.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/TraceCells.h"
#include "render/TraceCrossings.h"
#include "render/TraceSteps.h"

TImplicitDerivatives ImplicitDerivatives;
std::uint8_t TraceCellWidth = 10, TraceCellHeight = 10;

namespace {

void BuildChain(TreePtr (&slots)[4], const Tfrec* F, int32_t variable) {
  const Tfrec* previous = F;
  for (TreePtr& slot : slots) {
    slot = previous ? Differentiate(previous, variable) : nullptr;
    previous = slot.get();
  }
}

// One row of grid vertices of the scan, each evaluated when a cell first needs it and kept
// for the cells that share it: F, and dF/dx or dF/dy when an edge search needs them.
// Vertex j lies at x = x0 + j * step, computed from its index, so that the cells sharing
// it see the same point.
class VertexRow {
 public:
  VertexRow(Tfrec*& F, int vertices, Extended x0, Extended step)
      : F_(&F), x0_(x0), step_(step), vertices_(static_cast<size_t>(vertices)) {}

  void Reset(Extended y) {
    y_ = y;
    std::fill(vertices_.begin(), vertices_.end(), Vertex{});
  }
  // F alone.
  TraceSample Value(int j) { return Sample(j, nullptr, nullptr, nullptr); }
  // F with dF/dx, for a lower edge.
  TraceSample AlongX(int j) { return Sample(j, &Vertex::dx, &Vertex::hasDx, ImplicitSlopeX); }
  // F with dF/dy, for a left edge.
  TraceSample AlongY(int j) { return Sample(j, &Vertex::dy, &Vertex::hasDy, ImplicitSlopeY); }

 private:
  struct Vertex {
    Extended f = 0, dx = 0, dy = 0;
    bool evaluated = false, drawable = false, hasDx = false, hasDy = false;
  };

  TraceSample Sample(int j, Extended Vertex::*d, bool Vertex::*has, Extended (*slope)(Extended, Extended)) {
    Vertex& v = vertices_[static_cast<size_t>(j)];
    const Extended x = x0_ + j * step_;
    if (!v.evaluated) {
      v.f = ImplicitValue(*F_, x, y_);
      v.drawable = eng.EvalDrawable != 0;
      v.evaluated = true;
    }
    if (!slope) return {x, y_, v.f, 0, v.drawable};
    if (v.drawable && !(v.*has)) {
      v.*d = slope(x, y_);
      v.*has = true;
    }
    return {x, y_, v.f, v.drawable ? v.*d : 0, v.drawable};
  }

  Tfrec** F_;
  Extended x0_, step_, y_ = 0;
  std::vector<Vertex> vertices_;
};

// The left-edge search finds a crossing only where F changes sign along the edge or is 0 at
// its top: elsewhere the derivatives of its corners are not needed.
bool MayCrossLeftEdge(const TraceSample& bottom, const TraceSample& top) {
  return bottom.drawable && top.drawable && (top.f == 0 || Sign(bottom.f) != Sign(top.f));
}

}  // namespace

ImplicitDerivativesScope::ImplicitDerivativesScope(const Tfrec* F) {
  BuildChain(ImplicitDerivatives.x, F, node::VarX);
  BuildChain(ImplicitDerivatives.y, F, node::VarY);
}

ImplicitDerivativesScope::~ImplicitDerivativesScope() { ImplicitDerivatives = {}; }

Extended ImplicitValue(Tfrec*& F, Extended x, Extended y) { return EvaluateTree(F, x, y, 0); }

Extended ImplicitSlopeX(Extended x, Extended y) { return EvaluateTree(ImplicitDerivatives.x[0].get(), x, y, 0); }

Extended ImplicitSlopeY(Extended x, Extended y) { return EvaluateTree(ImplicitDerivatives.y[0].get(), x, y, 0); }

void TraceImplicitNumerically(Tfrec*& tree, gfx::Canvas& canvas) {
  if (!tree || TraceCellWidth == 0 || TraceCellHeight == 0) return;
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  const int columns = static_cast<int>(std::max<int64_t>(rtl::Round(static_cast<Extended>(doc.GraphWidth) / TraceCellWidth), 0));
  const int rows = static_cast<int>(std::max<int64_t>(rtl::Round(static_cast<Extended>(doc.GraphHeight) / TraceCellHeight), 0));
  TraceCellMarks.Clear(columns, rows);
  const TViewRange& v = doc.ViewRange;
  const Extended cellW = TraceCellWidth * doc.PixelSizeX, cellH = TraceCellHeight * doc.PixelSizeY;
  VertexRow rowsOfVertices[2] = {{tree, columns + 1, v.XMin, cellW}, {tree, columns + 1, v.XMin, cellW}};
  for (int i = 0; i < rows; ++i) {
    VertexRow& bottom = rowsOfVertices[i % 2];
    VertexRow& top = rowsOfVertices[(i + 1) % 2];
    if (i == 0) bottom.Reset(v.YMin);
    top.Reset(v.YMin + (i + 1) * cellH);
    for (int j = 0; j < columns; ++j) {
      if (TraceCellMarks.Marked(j + 1, i + 1)) continue;
      TracePoint p = FindCrossingOnRow(tree, bottom.AlongX(j), bottom.AlongX(j + 1));
      if (!p.valid && MayCrossLeftEdge(bottom.Value(j), top.Value(j)))
        p = FindCrossingOnColumn(tree, bottom.AlongY(j), top.AlongY(j));
      if (p.valid) TraceFromPoint(tree, p, target);
    }
  }
}
