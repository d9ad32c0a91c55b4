#pragma once
// Tree operations built on the parser and the simplifier: the polynomial degree that lets
// an equation be drawn in closed form, symbol tests, substitution of current values, and
// the builders of the pieces the calculus animations draw.
#include <cstdint>
#include <string>

#include "formula/Tfrec.h"

// Which variables PolynomialDegree counts.
enum : int {
  kDegreeTotalXY = 1,
  kDegreeInX = 2,
  kDegreeInY = 3,
  kDegreeInT = 4,
};

// The degree of the tree as a polynomial in the chosen variables: 0 for a constant, -1 when
// it is no polynomial in them. nil has degree 0.
int PolynomialDegree(const Tfrec* tree, int which);

// Some node has the code; a numeric integral binds its own variable, so inside its
// integrand that variable does not count.
bool TreeUsesSymbol(const Tfrec* tree, int32_t code);
// The text, parsed as a symbolic tree, uses the code; false for an empty or invalid text.
bool FormulaUsesSymbol(const std::string& text, int32_t code);

// Every node with the code becomes the number 0; then the tree is simplified.
void SubstituteZeroAndSimplify(Tfrec*& tree, int32_t code);
// Every t, x, y or z leaf (the code says which) becomes a number holding the current value
// of doc.VariableValues; other codes change nothing.
void SubstituteVariableValue(Tfrec*& tree, int32_t code);
// The parameters a, b, c, d, k, m, n, p, q, ω, θ and s become numbers holding their current
// single-precision values; then the tree is simplified. e, f, g, h, i, j, l, u, v, w and
// t, x, y, z stay letters.
void SubstituteParametersAndSimplify(Tfrec*& tree);

// Pieces over an interval: "closed" 1 includes the upper bound. Each returns a new tree
// owned by the caller that is undefined outside [lo, hi].
// (x>=lo)(x<=hi), or (x>=lo)(x<hi) when not closed.
TreePtr MakeIntervalIndicator(int closed, Extended lo, Extended hi);
// tree * MakeIntervalIndicator(closed, lo, hi); takes the tree over.
TreePtr RestrictToInterval(TreePtr tree, int closed, Extended lo, Extended hi);
TreePtr MakeConstantPiece(int closed, Extended value, Extended lo, Extended hi);
// The chord from (x1, y1) to (x2, y2), on [x1, x2].
TreePtr MakeLinearPiece(int closed, Extended x1, Extended y1, Extended x2, Extended y2);
// The parabola through three points with equally spaced x1 < x2 < x3, on [x1, x3].
TreePtr MakeParabolaPiece(int closed, Extended x1, Extended y1, Extended x2, Extended y2, Extended x3,
                          Extended y3);
