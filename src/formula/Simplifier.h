#pragma once
// The tree simplifier: one bottom-up pass of local rules after parsing and after
// differentiation. It drops added zeros, flattens nested quotients and folds small-integer
// arithmetic into numbers and reduced fractions; it never expands products or reorders
// terms beyond its rules.
#include "formula/Tfrec.h"

// A number node of value 0.
bool IsZeroNode(const Tfrec* t);
// A number node, or a unary minus over one (to any depth).
bool IsNumberNode(const Tfrec* t);
// The value of an IsNumberNode tree: a unary minus negates its operand's value.
Extended NumberNodeValue(const Tfrec* t);
// IsNumberNode with a whole value below 100000 in magnitude.
bool IsSmallIntConst(const Tfrec* t);
// A quotient of two IsSmallIntConst nodes.
bool IsIntegerFraction(const Tfrec* t);
// Built only from "+", "-", "*" and unary minus over exact parts, sgn and gaus of exact
// parts, small integer constants and the letters m, n, i, j.
bool IsExactTree(const Tfrec* t);

// Rewrites the tree in place; the root may be replaced. Nothing for nil or mode 1. A literal
// division by zero clears eng.ParseOK and is left in place.
void SimplifyTree(Tfrec*& tree, int mode);
// For a quotient of two small integers: divides both by their Gcd; a denominator of +-1
// gives the number itself, a numerator of 0 the number 0.
void ReduceFractionNode(Tfrec*& node, int mode);
// Negates in place: -(a+b) becomes (-a)-b, -(a-b) becomes (-a)+b, a unary minus is removed,
// a number changes sign, anything else gets a unary minus above it.
void NegateTree(Tfrec*& tree);
