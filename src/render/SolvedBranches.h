#pragma once
// Relations of degree 1 to 4 in one variable, solved for it: the explicit branches
// v = g(other variable) built from fixed formula templates over the coefficient trees of
// F, and sampled by the explicit-curve sampler. Each routine reads the derivatives of F
// from ImplicitDerivatives.
#include <cstdint>

#include "formula/Tfrec.h"
#include "render/ImplicitCurve.h"

// The variable solved for: y gives branches y = g(x) sampled along x; x gives x = g(y)
// sampled along y.
enum class SolveFor : std::uint8_t { Y, X };

// From the coefficient trees k_i of v (dⁱF/dvⁱ at v = 0), tested over the view range of
// the other variable: 14 when k_4 and k_3 or k_1 are non-zero, 4 when k_4 is with even
// powers only, else 3, 2, 1 by the highest non-zero k_i, 0 when none is.
int ClassifyByCoefficients(Tfrec*& F, SolveFor v);

// Degree 1 in the variable: g = −F/(dF/dv) at v = 0, drawn by the explicit-curve drawer
// when dF/dv is non-zero somewhere across the view; where it vanishes throughout but F is
// defined there, the relation is traced numerically.
ImplicitRoad PlotSolvedForY(Tfrec*& F, const ImplicitStroke& stroke);
ImplicitRoad PlotSolvedForX(Tfrec*& F, const ImplicitStroke& stroke);

// The two roots of k_2/2·v² + k_1·v + k_0, joined end to end where they meet.
ImplicitRoad PlotQuadraticBranches(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke);
// The cubic's three trigonometric roots where it has three, the one of Cardano's formula
// where it has one.
ImplicitRoad PlotCubicBranches(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke);
// Only even powers of v: ±√U for the two roots U of the quadratic in v², joined across the
// gaps where U reaches 0.
ImplicitRoad PlotBiquadraticBranches(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke);
