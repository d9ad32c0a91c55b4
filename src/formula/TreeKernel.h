#pragma once
// Small operations on expression trees: searches for codes, renaming and substitution.
#include <cstdint>

#include "formula/Tfrec.h"

// Some node has the code (plain search).
bool TreeContainsCode(const Tfrec* tree, int32_t code);
// Some node has a negative (relation) code.
bool TreeHasRelation(const Tfrec* tree);
// Every node with the old code gets the new code; children are kept.
void ReplaceNodeKind(Tfrec* tree, int32_t oldCode, int32_t newCode);
// Renames the codes of x, y, z, u, v, w, f, g from base 10000+`from` to 10000+`to`; the parser
// uses offsets 0 and 1000 while it expands a defined function.
void ShiftFunctionVariables(Tfrec* tree, int32_t from, int32_t to);
// Every node with the code is disposed of and replaced by its own copy of `subtree`.
void SubstituteCodeBySubtree(Tfrec*& tree, const Tfrec* subtree, int32_t code);

// Number of nodes, and of nodes with the code.
int64_t TreeSize(const Tfrec* tree);
int64_t CountCode(const Tfrec* tree, int32_t code);
// Number of nodes on the longest path from the root (0 for nil). Uses no recursion.
int64_t TreeDepth(const Tfrec* tree);
