#include "formula/TreeKernel.h"

#include <algorithm>
#include <utility>
#include <vector>

// The walks loop down the left spine and recurse into right children only; trees handed
// to them come from the parser, which bounds their depth.

bool TreeContainsCode(const Tfrec* tree, int32_t code) {
  for (; tree; tree = tree->left)
    if (tree->code == code || TreeContainsCode(tree->right, code)) return true;
  return false;
}

bool TreeHasRelation(const Tfrec* tree) {
  for (; tree; tree = tree->left)
    if (tree->code < 0 || TreeHasRelation(tree->right)) return true;
  return false;
}

void ReplaceNodeKind(Tfrec* tree, int32_t oldCode, int32_t newCode) {
  NoteTreeEdit();
  for (; tree; tree = tree->left) {
    if (tree->code == oldCode) tree->code = newCode;
    ReplaceNodeKind(tree->right, oldCode, newCode);
  }
}

namespace {
bool IsFunctionVariable(int32_t k) {
  switch (k) {
    case 24: case 25: case 26:  // x y z
    case 18: case 19: case 20:  // u v w
    case 6: case 7:             // f g
      return true;
    default:
      return false;
  }
}
}  // namespace

void ShiftFunctionVariables(Tfrec* tree, int32_t from, int32_t to) {
  NoteTreeEdit();
  for (; tree; tree = tree->left) {
    if (IsFunctionVariable(tree->code - node::VariableBase - from)) tree->code += to - from;
    ShiftFunctionVariables(tree->right, from, to);
  }
}

void SubstituteCodeBySubtree(Tfrec*& tree, const Tfrec* subtree, int32_t code) {
  for (Tfrec** slot = &tree; *slot; slot = &(*slot)->left) {
    if ((*slot)->code == code) {
      DisposeTree(*slot);
      *slot = CloneTree(subtree, 2).release();
      return;
    }
    SubstituteCodeBySubtree((*slot)->right, subtree, code);
  }
}

int64_t TreeSize(const Tfrec* tree) {
  int64_t n = 0;
  for (; tree; tree = tree->left) n += 1 + TreeSize(tree->right);
  return n;
}

int64_t CountCode(const Tfrec* tree, int32_t code) {
  int64_t n = 0;
  for (; tree; tree = tree->left) n += (tree->code == code) + CountCode(tree->right, code);
  return n;
}

int64_t TreeDepth(const Tfrec* tree) {
  std::vector<std::pair<const Tfrec*, int64_t>> stack;
  int64_t deepest = 0;
  if (tree) stack.emplace_back(tree, 1);
  while (!stack.empty()) {
    auto [t, depth] = stack.back();
    stack.pop_back();
    deepest = std::max(deepest, depth);
    if (t->left) stack.emplace_back(t->left, depth + 1);
    if (t->right) stack.emplace_back(t->right, depth + 1);
  }
  return deepest;
}
