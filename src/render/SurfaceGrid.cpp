#include "render/SurfaceGrid.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/TreeOps.h"
#include "formula/VariableValues.h"
#include "platform/Runtime.h"
#include "render/SpaceView.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

// Everything a sample of the grids reads, to tell whether they must be sampled again.
struct GridInputs {
  std::string first, second;
  int divisions = 0;
  Extended range = 0;
  int octant = 0;
  // The values of the parameters the formulas read (0 for the others), so that a step of
  // a parameter they do not use keeps the grids.
  std::vector<Extended> parameters;
  OneBased<std::string, 1, kMaxDefinitions + 1> functions;
  OneBased<Extended, 1, kMaxDefinitions + 1> constants;
  std::vector<TSpacePoint> points;
  bool operator==(const GridInputs&) const = default;
};

void ReadParametersOf(const std::string& text, std::vector<Extended>& values) {
  if (text.empty()) return;
  const uint8_t parseOK = eng.ParseOK;
  const TreePtr tree = ParseExpression(text, 2);
  eng.ParseOK = parseOK;
  for (int code : kParameterCodes)
    values.push_back(TreeUsesSymbol(tree.get(), code) ? ReadVariable(doc.VariableValues, LetterOfNodeCode(code)) : 0);
}

GridInputs CurrentInputs() {
  GridInputs in;
  in.first = doc.FigureTable[1].texts[0];
  if (HasSecondSurface()) in.second = doc.FigureTable[2].texts[0];
  in.divisions = SurfaceGridDivisions();
  in.range = doc.SpaceRange;
  in.octant = SweepOctantOf(doc.CameraPhi);
  ReadParametersOf(in.first, in.parameters);
  ReadParametersOf(in.second, in.parameters);
  in.functions = doc.DefinedFunctionTexts;
  in.constants = doc.DefinedConstantValues;
  for (int i = 1; i <= kMaxPoints; ++i)
    in.points.push_back(doc.PointSequences[i].empty() ? TSpacePoint{} : doc.PointSequences[i][0]);
  return in;
}

GridInputs sampled;
bool sampledValid = false;
std::uint64_t generation = 0;

void SizeGrid(TSurfaceGrid& grid, int n) {
  grid.n = n;
  grid.points.assign(static_cast<size_t>(n + 1) * (n + 1), TSpacePoint{});
}

bool GridSized(const TSurfaceGrid& grid, int n) {
  return grid.n == n && grid.points.size() == static_cast<size_t>(n + 1) * (n + 1);
}

// Entry `index`'s text sampled into the grid; false when it does not parse.
bool SampleSurface(int index, TSurfaceGrid& grid, int n, int octant) {
  eng.ParseOK = 1;
  const TreePtr tree = ParseExpression(doc.FigureTable[index].texts[0], 3);
  if (!eng.ParseOK || !tree) return false;
  SizeGrid(grid, n);
  const Extended r = doc.SpaceRange, step = 2 * r / n;
  for (int i = 0; i <= n; ++i) {
    for (int j = 0; j <= n; ++j) {
      TSpacePoint& p = grid.at(j, i);
      SurfaceGridXY(octant, j, i, r, step, p.x, p.y);
      eng.EvalOK = 1;
      p.z = EvaluateTree(tree.get(), p.x, p.y, 0);
      p.valid = eng.EvalOK && eng.EvalDrawable;
      ClassifyGridPoint(p, -r, r);
    }
  }
  return true;
}

}  // namespace

void ClassifyGridPoint(TSpacePoint& p, Extended lo, Extended hi) {
  p.status = p.valid ? kGridInside : kGridUndefined;
  if (p.z > hi)
    p.status = kGridAbove;
  else if (p.z < lo)
    p.status = kGridBelow;
}

int SweepOctantOf(Extended phi) {
  if (!std::isfinite(phi)) return 0;
  Extended w = std::fmod(phi + kPi, 2 * kPi);
  if (w < 0) w += 2 * kPi;
  const int64_t octant = rtl::Trunc(w * 4 / kPi);
  return octant < 0 || octant > 7 ? 0 : static_cast<int>(octant);
}

int SurfaceGridDivisions() { return doc.SurfaceGridN == 0 ? 20 : doc.SurfaceGridN; }

bool HasSurface() { return doc.EntryCount >= 1 && doc.FigureTable[1].kind == kKindExplicit; }

bool HasSecondSurface() {
  return doc.EntryCount == 2 && HasSurface() && doc.FigureTable[2].kind == kKindExplicit;
}

void SurfaceGridXY(int octant, int row, int column, Extended range, Extended step, Extended& x, Extended& y) {
  const Extended down = range - step * row, downColumn = range - step * column;
  const Extended up = step * row - range, upColumn = step * column - range;
  switch (octant) {
    case 0: x = down; y = downColumn; break;
    case 1: x = downColumn; y = down; break;
    case 2: x = upColumn; y = down; break;
    case 3: x = up; y = downColumn; break;
    case 4: x = up; y = upColumn; break;
    case 5: x = upColumn; y = up; break;
    case 6: x = downColumn; y = up; break;
    default: x = down; y = upColumn; break;
  }
}

void ComputeSurfaceGrids() {
  if (!HasSurface()) return;
  const int n = SurfaceGridDivisions();
  const GridInputs in = CurrentInputs();
  spaceView.SweepOctant = in.octant;
  if (sampledValid && in == sampled && GridSized(doc.SurfaceGrid1, n) &&
      (!HasSecondSurface() || GridSized(doc.SurfaceGrid2, n)))
    return;
  // Sampling sets x, y and the summation variables; the document keeps its values.
  const TVariableValues saved = doc.VariableValues;
  InnerWorkSession work;
  ++generation;
  sampledValid = SampleSurface(1, doc.SurfaceGrid1, n, in.octant);
  if (sampledValid && HasSecondSurface()) SampleSurface(2, doc.SurfaceGrid2, n, in.octant);
  doc.VariableValues = saved;
  sampled = in;
}

void ClearSurfaceGrids() {
  const int n = SurfaceGridDivisions();
  for (TSurfaceGrid* grid : {&doc.SurfaceGrid1, &doc.SurfaceGrid2}) {
    SizeGrid(*grid, n);
    for (TSpacePoint& p : grid->points) {
      p.valid = 0;
      p.status = kGridUndefined;
    }
  }
  sampledValid = false;
  ++generation;
}

std::uint64_t SurfaceGridGeneration() { return generation; }
