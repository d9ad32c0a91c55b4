#pragma once
// Symbolic differentiation of expression trees. The input is left untouched; the result is
// a new tree owned by the caller. While the sum, product, quotient, power and chain rules
// are applied, zero terms and unit factors are left out, then the simplifier tidies up.
#include <cstdint>
#include <string>

#include "formula/Tfrec.h"

// Derivatives grow with every rule that copies an operand, and nested derivatives multiply
// that: no formula needs more nodes than this for all its derivatives together.
constexpr uint64_t MaxDerivativeNodes = 200000;

// The derivative with respect to the variable with that code (10024 for x), simplified;
// nil when it would build more than maxNodes nodes (nested derivatives of large products).
TreePtr Differentiate(const Tfrec* tree, int32_t variableCode, uint64_t maxNodes = MaxDerivativeNodes);
// The recursive core, without the final simplification.
Tfrec* DifferentiateNode(const Tfrec* tree, int32_t variableCode);
// The text of the derivative of a formula text (CP932), empty when the text does not parse
// (ParseOK then tells why).
void DifferentiateFormulaText(const std::string& text, int32_t variableCode, std::string& result);
