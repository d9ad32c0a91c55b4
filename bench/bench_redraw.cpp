// links: render benchmark
// RedrawAll of the reference document (tools/ReferenceDocument.h: ten explicit curves, a
// traced relation and a hatched region, two parametric curves, a polar curve, five figures
// and six points) at 800 x 600, and a parameter step on it (only the moving layer over the
// kept back bitmap), in milliseconds. Beside them, as the reference, the same picture
// drawn the plain way: the same functions sampled in double (the explicit ones at every
// pixel column, the curves in t at the document's steps, the relation as a marching-squares
// contour over 2-pixel cells), the region as a path filled with a hatch brush, the same
// points computed in double, and everything drawn with QPainter polylines, polygons,
// ellipses, arcs and paths, with no domain edges, jump detection or clipping. After the
// runs the ratios are printed.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "BenchApp.h"
#include "../tools/ReferenceDocument.h"
#include "MarchingSquares.h"
#include "RunTimes.h"
#include "formula/VariableValues.h"
#include "render/RedrawPipeline.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr double kPi = std::numbers::pi;

void Prepare() {
  EnsureGuiApp();
  reference_document::Build(kWidth, kHeight);
}

// The parameters walk back and forth so that every step draws a new picture.
double ParameterA(int i) { return 1 + 0.5 * std::sin(i * 0.05); }
double ParameterB(int i) { return ParameterA(i) / 2 + 0.5; }

void StepParameter(int i) {
  WriteVariable(doc.VariableValues, 'a', ParameterA(i));
  WriteVariable(doc.VariableValues, 'b', ParameterB(i));
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

constexpr double kHalfHeight = 5.0 * kHeight / kWidth;

QPointF Pixel(double x, double y) {
  return {kWidth * (x + 5) / 10, kHeight * (kHalfHeight - y) / (2 * kHalfHeight)};
}

QColor Colour(gfx::Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QPen Pen(gfx::Color c) { return QPen(Colour(c), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

struct PlainCurve {
  std::function<double(double, double, double)> f;  // f(x, a, b)
  gfx::Color color;
  bool moving;
};

const std::vector<PlainCurve>& PlainCurves() {
  static const std::vector<PlainCurve> curves = {
      {[](double x, double, double) { return x * x / 4 - 3; }, 0x800040, false},
      {[](double x, double, double) { return x * x * x / 10 - x; }, 0x008000, false},
      {[](double x, double, double) { return 2 * std::sin(x); }, 0xC00000, false},
      {[](double x, double, double) { return std::tan(x) / 2; }, 0x0080C0, false},
      {[](double x, double, double) { return 1 / (x - 1) + 2; }, 0x8000FF, false},
      {[](double x, double, double) { return (x * x - 4) / (x * x - 1); }, 0x408000, false},
      {[](double x, double a, double) { return a * std::cos(2 * x) - 2; }, 0xFF0080, true},
      {[](double x, double, double b) { return b * std::sqrt(9 - x * x); }, 0x0000C0, true},
      {[](double x, double a, double) { return a * x / 2 + 1; }, 0x808000, true},
      {[](double x, double, double) { return 0.3 * x * x - 1; }, 0x00A0A0, false},
  };
  return curves;
}

void DrawPieces(QPainter& p, QPolygonF& line) {
  if (line.size() > 1) p.drawPolyline(line);
  line.clear();
}

void PlotPlain(QPainter& p, const PlainCurve& c, double a, double b) {
  p.setPen(Pen(c.color));
  QPolygonF line;
  for (int px = 0; px <= kWidth; ++px) {
    const double x = -5 + 10.0 * px / kWidth;
    const QPointF q = Pixel(x, c.f(x, a, b));
    if (!std::isfinite(q.y()) || q.y() < -kHeight || q.y() > 2 * kHeight) {
      DrawPieces(p, line);
      continue;
    }
    line << q;
  }
  DrawPieces(p, line);
}

// A curve in t from 0 to 2 pi.
void PlotInT(QPainter& p, gfx::Color colour, double step, const std::function<QPointF(double)>& at) {
  p.setPen(Pen(colour));
  QPolygonF line;
  for (double t = 0;; t += step) {
    if (t > 2 * kPi) t = 2 * kPi;
    line << at(t);
    if (t == 2 * kPi) break;
  }
  p.drawPolyline(line);
}

struct V {
  double x, y;
};

V Circumcentre(V a, V b, V c) {
  const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
          (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

double Degrees(QPointF from, QPointF to) { return std::atan2(from.y() - to.y(), to.x() - from.x()) * 180 / kPi; }

void DrawFiguresAndPoints(QPainter& p, double a) {
  const V A{a - 4, -3}, B{0.5, -3}, C{-2, 0.5};
  const V D{(A.x + B.x + C.x) / 3, (A.y + B.y + C.y) / 3}, E = Circumcentre(A, B, C);
  const V L{(B.x + C.x) / 2, (B.y + C.y) / 2};
  const QPointF pa = Pixel(A.x, A.y), pb = Pixel(B.x, B.y), pc = Pixel(C.x, C.y), pe = Pixel(E.x, E.y);
  // The hatched polygon.
  p.setPen(Pen(0x800000));
  p.setBrush(QBrush(Colour(0x80), Qt::BDiagPattern));
  p.drawPolygon(QPolygonF{pa, pb, pc});
  p.setBrush(Qt::NoBrush);
  // The circle about E through A.
  p.setPen(Pen(0x008080));
  const double r = std::hypot(pa.x() - pe.x(), pa.y() - pe.y());
  p.drawEllipse(pe, r, r);
  // The arc from A to B bulging by -1.5.
  p.setPen(Pen(0x0060C0));
  const QPointF centre((pa.x() + pb.x()) / 2 - 1.5 * (pa.y() - pb.y()) / 2,
                       (pa.y() + pb.y()) / 2 - 1.5 * (pb.x() - pa.x()) / 2);
  const double rr = std::hypot(pa.x() - centre.x(), pa.y() - centre.y());
  const double from = Degrees(centre, pa), to = Degrees(centre, pb);
  const double span = std::fmod(to - from + 720, 360);
  p.drawArc(QRectF(centre.x() - rr, centre.y() - rr, 2 * rr, 2 * rr), int(from * 16), int(span * 16));
  // The Bezier curve ACEB.
  p.setPen(Pen(0xC000C0));
  QPainterPath bezier(pa);
  bezier.cubicTo(pc, pe, pb);
  p.drawPath(bezier);
  // The angle mark BAC.
  p.setPen(Pen(0x0000FF));
  const double m0 = Degrees(pa, pb), m1 = Degrees(pa, pc);
  p.drawArc(QRectF(pa.x() - 20, pa.y() - 20, 40, 40), int(m0 * 16), int(std::fmod(m1 - m0 + 720, 360) * 16));
  // The points.
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::black);
  for (const V& v : {A, B, C, D, E, L}) p.drawEllipse(Pixel(v.x, v.y), 4, 4);
  p.setBrush(Qt::NoBrush);
}

// The region y > x^2 and y < 2, hatched, with its two boundaries in grey.
void DrawPlainRegion(QPainter& p) {
  QPainterPath region;
  const double edge = std::sqrt(2.0);
  region.moveTo(Pixel(-edge, 2));
  for (int k = 0; k <= 100; ++k) {
    const double x = -edge + 2 * edge * k / 100;
    region.lineTo(Pixel(x, x * x));
  }
  region.closeSubpath();
  p.fillPath(region, QBrush(Colour(0x80), Qt::BDiagPattern));
  p.setPen(Pen(0xC0C0C0));
  PlotPlain(p, {[](double x, double, double) { return x * x; }, 0xC0C0C0, false}, 0, 0);
  p.drawLine(Pixel(-5, 2), Pixel(5, 2));
}

// x^4 + y^4 + b*x*y = 3 as a marching-squares contour over 2-pixel cells, each vertex
// evaluated once.
void DrawPlainRelation(QPainter& p, double b) {
  constexpr int cell = 2, columns = kWidth / cell, rows = kHeight / cell;
  static std::vector<double> f(static_cast<size_t>((columns + 1) * (rows + 1)));
  for (int j = 0; j <= rows; ++j) {
    const double y = kHalfHeight - 2 * kHalfHeight * j * cell / kHeight;
    for (int i = 0; i <= columns; ++i) {
      const double x = -5 + 10.0 * i * cell / kWidth;
      f[static_cast<size_t>(j * (columns + 1) + i)] = x * x * x * x + y * y * y * y + b * x * y - 3;
    }
  }
  const std::vector<QLineF> lines = ContourLines(f, columns, rows, cell);
  p.setPen(Pen(0x0080FF));
  p.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void DrawPlainBackLayer(QPainter& p) {
  for (const PlainCurve& c : PlainCurves())
    if (!c.moving) PlotPlain(p, c, 0, 0);
  DrawPlainRegion(p);
  PlotInT(p, 0x8000FF, 0.02, [](double t) { return Pixel(3 * std::cos(3 * t), 2.5 * std::sin(2 * t)); });
}

void DrawPlainMovingLayer(QPainter& p, double a, double b) {
  for (const PlainCurve& c : PlainCurves())
    if (c.moving) PlotPlain(p, c, a, b);
  DrawPlainRelation(p, b);
  PlotInT(p, 0x006060, 0.05, [a](double t) {
    return Pixel(4 * a * std::pow(std::cos(t), 3), 3 * std::pow(std::sin(t), 3));
  });
  PlotInT(p, 0x404040, 0.02, [b](double t) {
    const double r = 1.5 + b * std::cos(5 * t);
    return Pixel(r * std::cos(t) + 2, r * std::sin(t) - 1);
  });
  DrawFiguresAndPoints(p, a);
}

void BM_ReferencePlainRedraw(benchmark::State& state) {
  EnsureGuiApp();
  QImage back(kWidth, kHeight, QImage::Format_RGB32), composite(kWidth, kHeight, QImage::Format_RGB32);
  int i = 0;
  for (auto _ : state) {
    ++i;
    back.fill(Qt::white);
    {
      QPainter p(&back);
      DrawPlainBackLayer(p);
    }
    composite = back.copy();
    {
      QPainter p(&composite);
      DrawPlainMovingLayer(p, ParameterA(i), ParameterB(i));
    }
    benchmark::DoNotOptimize(composite.constBits());
  }
}
BENCHMARK(BM_ReferencePlainRedraw)->Unit(benchmark::kMillisecond);

void BM_ReferencePlainStep(benchmark::State& state) {
  EnsureGuiApp();
  QImage back(kWidth, kHeight, QImage::Format_RGB32), composite(kWidth, kHeight, QImage::Format_RGB32);
  back.fill(Qt::white);
  int i = 0;
  for (auto _ : state) {
    ++i;
    QPainter p(&composite);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, back);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    DrawPlainMovingLayer(p, ParameterA(i), ParameterB(i));
    benchmark::DoNotOptimize(composite.constBits());
  }
}
BENCHMARK(BM_ReferencePlainStep)->Unit(benchmark::kMillisecond);

void PrintRatio(const std::map<std::string, double>& times, const char* what, const std::string& ours,
                const std::string& reference) {
  const auto o = times.find(ours), r = times.find(reference);
  if (o == times.end() || r == times.end()) return;
  std::printf("%-18s %8.2f ms %8.2f ms %7.2f\n", what, o->second, r->second, o->second / r->second);
}

}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, double> times = RunBenchmarks(&argc, argv);
  std::printf("\n%-18s %11s %11s %7s\n", "(800 x 600)", "ours", "QPainter", "ratio");
  PrintRatio(times, "parameter step", "BM_ParameterStep", "BM_ReferencePlainStep");
  PrintRatio(times, "whole redraw", "BM_RedrawAll", "BM_ReferencePlainRedraw");
  benchmark::Shutdown();
  return 0;
}
