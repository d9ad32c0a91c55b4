#pragma once
// Rewrites a formula text (CP932 bytes) into the token text the parser reads: symbols and
// spelled names become "?" or "@" markers, the trigonometric functions and the square root
// get their missing parentheses. Positions are 1-based byte positions.
#include <string>
#include <string_view>

void NormaliseExpressionText(std::string& text, int start);

// When `text` begins with `pattern` at `pos`, replaces it and leaves `pos` on the last byte of
// the replacement; otherwise changes nothing. Returns whether it replaced.
bool ReplaceTokenAt(std::string_view pattern, std::string_view replacement, std::string& text, int& pos);

void InsertFunctionParentheses(std::string& text);

// The formula keyboard's rewrite of spelled names into the symbols it shows (pi to π ...).
// Stops after the first two-byte symbol and puts `caret` on its last byte.
void ReplaceSpelledSymbol(std::string& text, int& caret);

// The smaller of two positions where 0 means absent.
int MinNonZero(int a, int b);
