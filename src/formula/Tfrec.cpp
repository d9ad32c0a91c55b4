#include "formula/Tfrec.h"

namespace {

uint64_t nodesMade = 0;

Tfrec* MakeNode(int32_t code) {
  ++nodesMade;
  NoteTreeEdit();
  Tfrec* n = new Tfrec;
  n->code = code;
  return n;
}

void CopyFields(const Tfrec* from, Tfrec* to) {
  to->value = from->value;
  to->prevValue = from->prevValue;
  to->hasRelation = from->hasRelation;
  to->valid = from->valid;
  to->zeroCrossed = from->zeroCrossed;
  to->poleCrossed = from->poleCrossed;
  to->exact = from->exact;
  to->num = from->num;
  to->den = from->den;
}

}  // namespace

uint64_t TreeNodesMade() { return nodesMade; }

Tfrec* NewBinaryNode(int32_t code, Tfrec* left, Tfrec* right, int mode) {
  if (mode == 1) return nullptr;
  Tfrec* n = MakeNode(code);
  n->left = left;
  n->right = right;
  if (code < 0)
    n->hasRelation = 1;
  else if (left && right)
    n->hasRelation = (left->hasRelation || right->hasRelation) ? 1 : 0;
  return n;
}

Tfrec* NewUnaryNode(int32_t code, Tfrec* operand, int mode) {
  if (mode == 1) return nullptr;
  Tfrec* n = MakeNode(code);
  n->right = operand;
  return n;
}

Tfrec* NewLeafNode(int32_t code, int mode) { return mode == 1 ? nullptr : MakeNode(code); }

Tfrec* NewNumberNode(int mode, Extended value) {
  if (mode == 1) return nullptr;
  Tfrec* n = MakeNode(node::Number);
  n->value = n->prevValue = value;
  return n;
}

Tfrec* NewPiNode(int mode) {
  if (mode == 1) return nullptr;
  Tfrec* n = MakeNode(node::Pi);
  n->value = n->prevValue = PiValue;
  return n;
}

Tfrec* NewDegreeNode(int mode) {
  if (mode == 1) return nullptr;
  Tfrec* n = MakeNode(node::Degree);
  n->value = n->prevValue = DegreeValue;
  return n;
}

// The walks below loop down the left spine and recurse only into right children: chains
// of left-associated operators (a+b+c+..., unrolled sums) are the long ones.

TreePtr CloneTree(const Tfrec* tree, int mode) {
  if (mode == 1) return nullptr;
  Tfrec* root = nullptr;
  Tfrec** slot = &root;
  for (const Tfrec* t = tree; t; t = t->left) {
    Tfrec* n = MakeNode(t->code);
    CopyFields(t, n);
    n->right = CloneTree(t->right, mode).release();
    *slot = n;
    slot = &n->left;
  }
  return TreePtr(root);
}

void CopyTreeValues(const Tfrec* source, Tfrec* target) {
  for (; source && target; source = source->left, target = target->left) {
    CopyFields(source, target);
    CopyTreeValues(source->right, target->right);
  }
}

void MarkTreeValid(Tfrec* tree) {
  for (; tree; tree = tree->left) {
    tree->valid = 1;
    MarkTreeValid(tree->right);
  }
}

void DisposeTree(Tfrec*& tree) {
  // Rotate left children up until the node has none, then free it and go right: every node
  // is visited a bounded number of times and no stack is needed.
  Tfrec* n = tree;
  tree = nullptr;
  if (n) NoteTreeEdit();
  while (n) {
    if (Tfrec* l = n->left) {
      n->left = l->right;
      l->right = n;
      n = l;
    } else {
      Tfrec* next = n->right;
      delete n;
      n = next;
    }
  }
}
