// links: render benchmark
// RedrawAll of the reference document (ten explicit curves) at 800 x 600, and a parameter
// step on it (only the moving layer over the kept back bitmap), in milliseconds. Beside
// them, as the reference, the same ten functions plotted the plain way: sampled in double
// at every pixel column and drawn with QPainter polylines, with no domain edges, jump
// detection or band clipping.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <functional>
#include <vector>

#include "../tools/ReferenceDocument.h"
#include "formula/VariableValues.h"
#include "render/RedrawPipeline.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

void EnsureApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_redraw";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

void Prepare() {
  EnsureApp();
  reference_document::Build(kWidth, kHeight);
}

// The parameter walks back and forth so that every step draws a new picture.
void StepParameter(int i) {
  const Extended a = 1 + 0.5L * std::sin(i * 0.05L);
  WriteVariable(doc.VariableValues, 'a', a);
  WriteVariable(doc.VariableValues, 'b', a / 2 + 0.5L);
}

void BM_RedrawAll(benchmark::State& state) {
  Prepare();
  int i = 0;
  for (auto _ : state) {
    StepParameter(++i);
    RedrawAll();
  }
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMillisecond);

void BM_ParameterStep(benchmark::State& state) {
  Prepare();
  RedrawAll();
  int i = 0;
  for (auto _ : state) {
    StepParameter(++i);
    RepaintByMode(CompositeCanvas());
  }
}
BENCHMARK(BM_ParameterStep)->Unit(benchmark::kMillisecond);

// ---- The reference: plain sampling and QPainter ----------------------------------

struct PlainCurve {
  std::function<double(double, double, double)> f;  // f(x, a, b)
  QRgb color;
  bool moving;
};

const std::vector<PlainCurve>& PlainCurves() {
  static const std::vector<PlainCurve> curves = {
      {[](double x, double, double) { return x * x / 4 - 3; }, qRgb(64, 0, 128), false},
      {[](double x, double, double) { return x * x * x / 10 - x; }, qRgb(0, 128, 0), false},
      {[](double x, double, double) { return 2 * std::sin(x); }, qRgb(0, 0, 192), false},
      {[](double x, double, double) { return std::tan(x) / 2; }, qRgb(192, 128, 0), false},
      {[](double x, double, double) { return 1 / (x - 1) + 2; }, qRgb(255, 0, 128), false},
      {[](double x, double, double) { return (x * x - 4) / (x * x - 1); }, qRgb(0, 128, 64), false},
      {[](double x, double a, double) { return a * std::cos(2 * x) - 2; }, qRgb(128, 0, 255), true},
      {[](double x, double, double b) { return b * std::sqrt(9 - x * x); }, qRgb(192, 0, 0), true},
      {[](double x, double a, double) { return a * x / 2 + 1; }, qRgb(0, 128, 128), true},
      {[](double x, double, double) { return 0.3 * x * x - 1; }, qRgb(160, 160, 0), false},
  };
  return curves;
}

void PlotPlain(QPainter& p, const PlainCurve& c, double a, double b) {
  p.setPen(QPen(QColor(c.color), 2));
  QPolygon line;
  const double half = 5.0 * kHeight / kWidth;
  for (int px = 0; px <= kWidth; ++px) {
    const double x = -5 + 10.0 * px / kWidth;
    const double y = c.f(x, a, b);
    const double py = kHeight * (half - y) / (2 * half);
    if (!std::isfinite(py) || py < -kHeight || py > 2 * kHeight) {
      if (line.size() > 1) p.drawPolyline(line);
      line.clear();
      continue;
    }
    line << QPoint(px, static_cast<int>(std::lround(py)));
  }
  if (line.size() > 1) p.drawPolyline(line);
}

void BM_ReferencePlainRedraw(benchmark::State& state) {
  EnsureApp();
  QImage back(kWidth, kHeight, QImage::Format_RGB32), composite(kWidth, kHeight, QImage::Format_RGB32);
  int i = 0;
  for (auto _ : state) {
    const double a = 1 + 0.5 * std::sin(++i * 0.05);
    back.fill(Qt::white);
    {
      QPainter p(&back);
      for (const PlainCurve& c : PlainCurves())
        if (!c.moving) PlotPlain(p, c, a, a / 2 + 0.5);
    }
    composite = back.copy();
    {
      QPainter p(&composite);
      for (const PlainCurve& c : PlainCurves())
        if (c.moving) PlotPlain(p, c, a, a / 2 + 0.5);
    }
    benchmark::DoNotOptimize(composite.constBits());
  }
}
BENCHMARK(BM_ReferencePlainRedraw)->Unit(benchmark::kMillisecond);

void BM_ReferencePlainStep(benchmark::State& state) {
  EnsureApp();
  QImage back(kWidth, kHeight, QImage::Format_RGB32), composite(kWidth, kHeight, QImage::Format_RGB32);
  back.fill(Qt::white);
  int i = 0;
  for (auto _ : state) {
    const double a = 1 + 0.5 * std::sin(++i * 0.05);
    {
      QPainter p(&composite);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, back);
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      for (const PlainCurve& c : PlainCurves())
        if (c.moving) PlotPlain(p, c, a, a / 2 + 0.5);
    }
    benchmark::DoNotOptimize(composite.constBits());
  }
}
BENCHMARK(BM_ReferencePlainStep)->Unit(benchmark::kMillisecond);

}  // namespace
