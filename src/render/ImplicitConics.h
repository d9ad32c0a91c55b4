#pragma once
// Relations of total degree 1 and 2 drawn directly: straight lines, and every conic from
// its six coefficients (ellipses, parabolas, hyperbolas, and the degenerate ones that are
// lines, a point or nothing).
#include "formula/Tfrec.h"
#include "render/ImplicitCurve.h"

// F = A·x² + 2B·xy + C·y² + 2D·x + 2E·y + F0, kept in single precision as the drawing
// takes them, each below 1e-7 in magnitude made 0.
struct ConicCoefficients {
  float A = 0, B = 0, C = 0, D = 0, E = 0, F0 = 0;
};
// From F and its first derivatives (ImplicitDerivatives) at (0,0), (1,0) and (0,1); false
// where one of them is undefined.
bool ComputeConicCoefficients(Tfrec*& F, ConicCoefficients& k);

// The line through F's values at (0,0), (1,0) and (0,1); nothing where F is undefined.
ImplicitRoad DrawImplicitLine(Tfrec*& F, const ImplicitStroke& stroke);
// Draws the conic F = 0. ImplicitRoad::None when it is not drawn here: F undefined at the
// coefficient points, or an ellipse that is imaginary or larger than the view, which the
// solution table then takes.
ImplicitRoad DrawConic(Tfrec*& F, const ImplicitStroke& stroke);
// R·u² + Q·w² = 1 in the axes turned by theta about (cx, cy): drawn when both are positive
// and the radii fit within the view's width and height; None otherwise.
ImplicitRoad DrawConicEllipseChecked(const ImplicitStroke& stroke, Extended cx, Extended cy, Extended theta,
                                     Extended Q, Extended R);
