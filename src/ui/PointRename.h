#pragma once
// Renaming a point: its letter changes in every text of the document that refers to it.
#include <string>

// The text (CP932) with every reference to point `from` turned into point `to` (both
// capital letters), read as the parser reads references: a capital standing for a point,
// alone, in a pair such as "AB" or inside angle forms. Capitals that belong to other
// tokens stay: "Max", "Min", "MaxV", "MinV", "Sum", the "C(" and "P(" of combinations and
// permutations, F1 and Q1 of the definitions, the exponent of 2.5E-3, and the trail byte
// of a double-byte character.
std::string RenamePointReferences(const std::string& text, char from, char to);

// Gives point number `from` the number `to` (positions in PointNameOrder, 1..25): every
// formula, letter list and label of the entries, the definitions, the step and interval
// texts and the labels' positions, the `letter` and `letter2` bytes, and the point's own
// records (its list, usage and entry link). Refused (false, nothing changed) when `to`
// already names a point, so that two points never merge. RenamePointLetter(to, from)
// undoes it.
bool RenamePointLetter(int from, int to);
