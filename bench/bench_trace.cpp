// links: render muparser benchmark
// Numeric tracing of a relation at 800 x 600 (the view -5..5 across, -3.75..3.75 up), as a
// redraw does it: the text parsed, the derivatives built, the grid of 10-pixel cells
// scanned and every curve followed and drawn with a 2-pixel pen on a raster, in
// milliseconds. Beside it, as the reference, a plain marching-squares contour of the same
// relation evaluated through muparser in double and drawn with QPainter lines: on the
// tracer's own grid (each vertex evaluated once), and on the pixel grid, which draws the
// curve as finely as the trace does. After the runs the ratios are printed.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "BenchApp.h"
#include "MarchingSquares.h"
#include "RunTimes.h"
#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "platform/RasterCanvas.h"
#include "render/DrawToolkit.h"
#include "render/ImplicitTracing.h"
#include "render/RegionBoundaries.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr double kHalfHeight = 5.0 * kHeight / kWidth;

struct Relation {
  const char* name;
  const char* ours;
  const char* muparser;  // F with F = 0 on the curve
};

const Relation kRelations[] = {
    {"folium", "x^3+y^3-3xy=0", "x^3+y^3-3*x*y"},
    {"waves", "sin(x)+cos(y)=0.5", "sin(x)+cos(y)-0.5"},
};

void PrepareView() {
  EnsureGuiApp();
  ResetMiscSettings();
  ResetAllSettings(0);
  doc.GraphWidth = kWidth;
  doc.GraphHeight = kHeight;
  doc.ViewRange = TViewRange{-5, 5, -kHalfHeight, kHalfHeight};
  UpdatePixelSize(1);
}

void Trace(benchmark::State& state, int index) {
  PrepareView();
  gfx::RasterCanvas canvas(kWidth, kHeight);
  canvas.pen = gfx::Pen{0xFF0000, 2};
  const std::string text = kRelations[index].ours;
  for (auto _ : state) {
    canvas.Image().fill(Qt::white);
    const TreePtr relation = ParseExpression(text, 3);
    const TreePtr difference = RelationDifference(relation.get());
    Tfrec* F = difference.get();
    TraceCellWidth = 10;
    TraceCellHeight = 10;
    {
      const ImplicitDerivativesScope derivatives(F);
      TraceImplicitNumerically(F, canvas);
    }
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

void MarchingSquares(benchmark::State& state, int index, int cell) {
  EnsureGuiApp();
  double x = 0, y = 0;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.DefineVar("y", &y);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const int columns = kWidth / cell, rows = kHeight / cell;
  std::vector<double> f(static_cast<size_t>((columns + 1) * (rows + 1)));
  std::vector<QLineF> lines;
  for (auto _ : state) {
    image.fill(Qt::white);
    parser.SetExpr(kRelations[index].muparser);
    for (int j = 0; j <= rows; ++j) {
      y = kHalfHeight - 2 * kHalfHeight * j * cell / kHeight;
      for (int i = 0; i <= columns; ++i) {
        x = -5 + 10.0 * i * cell / kWidth;
        f[static_cast<size_t>(j * (columns + 1) + i)] = parser.Eval();
      }
    }
    lines = ContourLines(f, columns, rows, cell);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::blue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_TraceFolium(benchmark::State& state) { Trace(state, 0); }
void BM_TraceWaves(benchmark::State& state) { Trace(state, 1); }
void BM_SquaresCellsFolium(benchmark::State& state) { MarchingSquares(state, 0, 10); }
void BM_SquaresCellsWaves(benchmark::State& state) { MarchingSquares(state, 1, 10); }
void BM_SquaresPixelsFolium(benchmark::State& state) { MarchingSquares(state, 0, 1); }
void BM_SquaresPixelsWaves(benchmark::State& state) { MarchingSquares(state, 1, 1); }
BENCHMARK(BM_TraceFolium)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SquaresCellsFolium)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SquaresPixelsFolium)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceWaves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SquaresCellsWaves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SquaresPixelsWaves)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, double> t = RunBenchmarks(&argc, argv);
  std::printf("\n%-20s %9s %21s %21s\n", "(800 x 600, ms)", "traced", "squares, 10-px cells", "squares, pixels");
  for (const Relation& r : kRelations) {
    const std::string name = std::string(r.name) == "folium" ? "Folium" : "Waves";
    const auto ours = t.find("BM_Trace" + name), cells = t.find("BM_SquaresCells" + name),
               pixels = t.find("BM_SquaresPixels" + name);
    if (ours == t.end() || cells == t.end() || pixels == t.end()) continue;
    std::printf("%-20s %9.2f %9.2f  ratio %5.2f %9.2f  ratio %5.2f\n", r.ours, ours->second, cells->second,
                ours->second / cells->second, pixels->second, ours->second / pixels->second);
  }
  benchmark::Shutdown();
  return 0;
}
