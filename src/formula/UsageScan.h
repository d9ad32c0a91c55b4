#pragma once
// The usage scan: which parameters, points, figures and definitions every text of the
// document uses, recorded by the parser while it checks the texts. It decides which
// entries move with the parameters (`usesPoint`, `dependsOnParameter`: redrawn on every
// step, the others drawn once into the back layer) and which points, figures and
// definitions are in use and so may not be deleted.
#include <string>

// Before a scan: every mark cleared; the existing points and definitions marked as such.
void ClearUsageFlags();
// The scan over definitions, points, figures, the entries' own formulas and, in interval
// mode, the interval bounds; ends with UpdateParametersInUse.
void RecomputeParameterUsage();
// Parses the text in check mode while the parser records what it meets for the given
// collect kind (1 function, 2 constant, 3 construction operand, 4 own formula, 5 interval
// bound) and index (definition or entry number).
void ScanTextUsage(const std::string& text, int collectKind, int index);
// Marks the point letters of the entry's text n (1..5) as used; the entry depends on a
// parameter when one of them moves.
void MarkPointLetters(int entry, int n);
// The usage of one figure (kind 7) by its type.
void MarkFigureUsage(int entry);
