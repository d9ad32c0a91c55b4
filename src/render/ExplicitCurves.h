#pragma once
// Entries y = f(x) and derivatives of them: the formula parsed anew, a straight line drawn
// whole, anything else sampled pixel by pixel and drawn as polylines; an equation factor
// g(x)·(L = R) marks its solutions instead. The trees live only inside one drawing.
#include <cstdint>
#include <span>

#include "formula/Records.h"
#include "formula/Tfrec.h"
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"
#include "render/EquationSolutionMarks.h"

// Sets the pen from the entry and draws it over [xMin, xMax]; derivative 1 draws the
// derivative of the entry named by its link. A text that does not parse draws nothing.
void DrawExplicitFunction(gfx::Canvas& canvas, const Tfuncprop& entry, int derivative, Extended xMin,
                          Extended xMax);

// The tree as a curve (x = f(y) with swapXY), or its solution marks when it is an equation
// or a product with an equation as its right factor (on Cartesian and polar axes). The
// tree may be rewritten; the caller still owns and releases it. derivative 1 draws only
// where aux is drawable too.
void PlotFunctionCurve(gfx::Canvas& canvas, Tfrec*& tree, Tfrec* aux, std::uint8_t dashed, Extended xMin,
                       Extended xMax, const SolutionMarks& marks, bool swapXY, int derivative);

// Every piece with DrawPolyline, dashed in the pattern of the canvas pen's width.
void DrawCurveSegments(gfx::Canvas& canvas, TCurveSegment* pieces, std::uint8_t dashed);

// The points (newest first, as the sampler pushes them) as pixels in drawing order: solid
// in the canvas pen, or dashed along the whole polyline. Frees the list; count becomes 0.
// A single point draws nothing.
void DrawPolyline(gfx::Canvas& canvas, TCurvePoint*& points, int32_t& count, std::span<const double> pattern,
                  std::uint8_t dashed);
// Pixels as one polyline on the canvas (or the print picture): solid in the pen, or dashed
// along its whole length in the pattern. Fewer than two points draw nothing.
void StrokePolyline(gfx::Canvas& canvas, std::span<const gfx::Point> pixels, std::span<const double> pattern,
                    std::uint8_t dashed);
