#pragma once
// Small text services over CP932 byte strings with 1-based byte positions: π fractions for
// axis labels and the word scanning of the macro language.
#include <string>

// n/d reduced, times π: "π", "-π" or the integer followed by "π", then "/d" unless d is 1.
std::string PiFractionText(int n, int d);

// Skips blanks from pos, then returns the text up to (not including) the next delimiter;
// pos is left on the delimiter or past the end.
std::string NextToken(const std::string& text, char delimiter, int& pos);
// Advances pos while the byte at pos is ch (stops past the end).
void SkipChars(const std::string& text, char ch, int& pos);
// Advances pos until the byte at pos is ch (stops past the end).
void SkipToChar(const std::string& text, char ch, int& pos);

void TrimRightSpaces(std::string& s);
void TrimLeftSpaces(std::string& s);

// First position in start..last holding ch as a single-byte character; lead and trail
// bytes of double-byte characters never match. 0 when none.
int FindCharSkippingDBCS(char ch, const std::string& text, int start, int last);
