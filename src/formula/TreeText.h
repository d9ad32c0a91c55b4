#pragma once
// Expression tree to formula text (CP932) in the user's notation: only the parentheses the
// parser's precedence needs, numbers in their shortest form, π, θ, ω and ﾟ as symbols. The
// text always parses back to the same function.
#include <cstdint>
#include <string>

#include "formula/Tfrec.h"

// A nil tree gives the empty text.
void ExpressionTreeToText(const Tfrec* tree, std::string& text);
std::string ExpressionTreeToText(const Tfrec* tree);

// ">", "<", "=", ">=", "<=" for -1 .. -5; other codes leave the text unchanged.
void RelationSign(int32_t code, std::string& text);
