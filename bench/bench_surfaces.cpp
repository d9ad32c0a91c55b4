// links: render benchmark
// A surface of the space reference document at N = 200 (40 000 cells) on a 600 x 600
// drawing, in milliseconds: the first drawing (the grid sampled, the cells clipped,
// shaded and drawn, with box and axes) and a rotation step within one octant (the grid
// kept, the cells projected and drawn again). Beside them, as the reference, the same
// clipped cells taken as a precomputed mesh, projected in double and drawn with QPainter
// polygons in the same order, shaded by the same angle rule.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "../tools/SpaceReferenceDocument.h"
#include "BenchApp.h"
#include "formula/Parser.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceView.h"
#include "render/SurfaceClip.h"
#include "render/SurfaceGrid.h"

namespace {

constexpr int kSize = 600, kDivisions = 200;
constexpr Extended kTurn = 3.14159265358979323846L / 80;

void Prepare() {
  EnsureGuiApp();
  space_reference_document::Build(kSize, kSize, space_reference_document::kSurfaces, kDivisions);
}

void BM_SurfaceFirstDraw(benchmark::State& state) {
  Prepare();
  for (auto _ : state) {
    ClearSurfaceGrids();
    RedrawAll();
  }
}
BENCHMARK(BM_SurfaceFirstDraw)->Unit(benchmark::kMillisecond);

// Back and forth by one button step to the left: the default azimuth lies just below an
// octant's end, so the camera stays within its octant.
void BM_SurfaceRotationStep(benchmark::State& state) {
  Prepare();
  RedrawAll();
  const std::uint64_t sampled = SurfaceGridGeneration();
  int i = 0;
  for (auto _ : state) {
    RotateSpaceView(++i % 2 ? -kTurn : kTurn, 0);
    RedrawAll();
  }
  // A rotation within the octant keeps the grid: 0 samplings per step.
  state.counters["samplings"] =
      benchmark::Counter(static_cast<double>(SurfaceGridGeneration() - sampled), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SurfaceRotationStep)->Unit(benchmark::kMillisecond);

// ---- The reference: the clipped cells as a mesh, projected and drawn with QPainter ----

struct Vertex {
  double x, y, z;
};
using Facet = std::vector<Vertex>;

// The document's cells, clipped once, in drawing order.
std::vector<Facet> ClippedMesh() {
  Prepare();
  ComputeSurfaceGrids();
  const TreePtr owner = ParseExpression(doc.FigureTable[1].texts[0], 3);
  Tfrec* tree = owner.get();
  const TSurfaceGrid& g = doc.SurfaceGrid1;
  std::vector<Facet> mesh;
  for (int a = 0; a < g.n; ++a) {
    for (int i = 0; i < g.n; ++i) {
      const CellPoint corners[4] = {CellPointOf(g.at(a, i)), CellPointOf(g.at(a, i + 1)),
                                    CellPointOf(g.at(a + 1, i + 1)), CellPointOf(g.at(a + 1, i))};
      CellPolygon polygon;
      BuildClippedCellPolygon(corners, doc.SpaceRange, &tree, polygon);
      if (polygon.count < 3) continue;
      Facet f;
      for (const CellPoint& p : polygon.View())
        f.push_back({static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)});
      mesh.push_back(std::move(f));
    }
  }
  return mesh;
}

struct PlainCamera {
  double cx, cy, cz, d2, sp, cp, st, ct, scale;
};

PlainCamera CameraAt(double phi, double theta, double distance, double range) {
  const double c = std::cos(theta);
  return {distance * c * std::cos(phi), distance * c * std::sin(phi), distance * std::sin(theta),
          distance * distance, std::sin(phi), std::cos(phi), std::sin(theta), std::cos(theta),
          kSize / (2 * 1.8 * range)};
}

QPointF Project(const PlainCamera& k, const Vertex& p) {
  const double a = k.cx * p.x + k.cy * p.y + k.cz * p.z, t = a / (a - k.d2);
  const double mx = p.x + t * (k.cx - p.x), my = p.y + t * (k.cy - p.y), mz = p.z + t * (k.cz - p.z);
  const double u = -k.sp * mx + k.cp * my, v = -k.st * k.cp * mx - k.st * k.sp * my + k.ct * mz;
  return {kSize / 2.0 + u * k.scale, kSize / 2.0 - v * k.scale};
}

QColor Shade(const PlainCamera& k, const Facet& f) {
  const Vertex &p0 = f[0], &p1 = f[1], &p2 = f[2];
  const double ax = p1.x - p0.x, ay = p1.y - p0.y, az = p1.z - p0.z;
  const double bx = p2.x - p0.x, by = p2.y - p0.y, bz = p2.z - p0.z;
  const double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
  const double vx = k.cx - (p0.x + p1.x + p2.x) / 3, vy = k.cy - (p0.y + p1.y + p2.y) / 3,
               vz = k.cz - (p0.z + p1.z + p2.z) / 3;
  const double len = std::sqrt(nx * nx + ny * ny + nz * nz) * std::sqrt(vx * vx + vy * vy + vz * vz);
  const double b = len > 0 ? std::clamp((std::fabs(nx * vx + ny * vy + nz * vz) / len * 255 + 45) / 300, 0.3, 0.8) : 0.3;
  auto ch = [b](int c) { return std::min(255, static_cast<int>(std::lround((1 - b) * c + b * 255))); };
  return QColor(ch(64), ch(0), ch(128));
}

void BM_ReferenceMeshRotationStep(benchmark::State& state) {
  const std::vector<Facet> mesh = ClippedMesh();
  const double phi0 = static_cast<double>(doc.CameraPhi), theta = static_cast<double>(doc.CameraTheta);
  const double distance = doc.CameraDistance, range = static_cast<double>(doc.SpaceRange);
  QImage back(kSize, kSize, QImage::Format_RGB32), composite(kSize, kSize, QImage::Format_RGB32);
  const QPen pen(QColor(64, 0, 128), 1);
  int i = 0;
  for (auto _ : state) {
    const PlainCamera k = CameraAt(phi0 - (++i % 2 ? 1 : 0) * static_cast<double>(kTurn), theta, distance, range);
    back.fill(Qt::white);
    {
      QPainter p(&back);
      p.setPen(pen);
      QPolygonF polygon;
      for (const Facet& f : mesh) {
        polygon.clear();
        for (const Vertex& v : f) polygon << Project(k, v);
        p.setBrush(Shade(k, f));
        p.drawPolygon(polygon);
      }
    }
    composite = back.copy();
    benchmark::DoNotOptimize(composite.constBits());
  }
}
BENCHMARK(BM_ReferenceMeshRotationStep)->Unit(benchmark::kMillisecond);

}  // namespace
