// The passes that finish a parsed tree.
#include <algorithm>
#include <cmath>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/ParserReader.h"
#include "formula/Simplifier.h"
#include "formula/TreeKernel.h"
#include "formula/TreeOps.h"
#include "platform/Runtime.h"

namespace {

bool IsChainRelation(const Tfrec* t) { return t && t->code >= node::LessEqual && t->code <= node::Greater; }

void FoldChain(Tfrec*& top) {
  // The chain a<b<c<d reads as ((a<b)<c)<d: collect its relations bottom-up.
  std::vector<Tfrec*> relations;
  for (Tfrec* r = top; IsChainRelation(r); r = r->left) {
    relations.push_back(r);
    if (!IsChainRelation(r->left)) break;
  }
  Tfrec* first = relations.back();
  FoldChainedRelations(first->left);
  for (Tfrec* r : relations) FoldChainedRelations(r->right);
  Tfrec* product = first;
  for (size_t k = relations.size() - 1; k-- > 0;) {
    Tfrec* r = relations[k];
    const Tfrec* previous = relations[k + 1];
    r->left = CloneTree(previous->right, 2).release();
    product = NewBinaryNode(node::Product, product, r, 2);
  }
  top = product;
}

}  // namespace

void FoldChainedRelations(Tfrec*& tree) {
  if (!tree) return;
  if (IsChainRelation(tree) && IsChainRelation(tree->left)) return FoldChain(tree);
  FoldChainedRelations(tree->left);
  FoldChainedRelations(tree->right);
}

void FoldSquaredDistances(Tfrec*& tree) {
  if (!tree) return;
  FoldSquaredDistances(tree->left);
  FoldSquaredDistances(tree->right);
  Tfrec* base = tree->left;
  Tfrec* exponent = tree->right;
  if (tree->code != node::Power || !base || base->code != node::DistanceRoot || !exponent ||
      exponent->code != node::Number)
    return;
  const Extended e = exponent->value;
  if (e != std::trunc(e) || std::fmod(e, 2) != 0) return;
  Tfrec* squares = base->right;
  base->right = nullptr;
  if (e == 2) {
    DisposeTree(tree);
    tree = squares;
  } else {
    DisposeTree(tree->left);
    tree->left = squares;
    exponent->value = exponent->prevValue = e / 2;
  }
}

void FinishDistanceRoots(Tfrec*& tree) { ReplaceNodeKind(tree, node::DistanceRoot, node::Sqrt); }

void RewriteLogBase(Tfrec*& tree) {
  if (!tree) return;
  RewriteLogBase(tree->left);
  RewriteLogBase(tree->right);
  if (tree->code != node::LogBase) return;
  Tfrec* base = tree->left;
  Tfrec* argument = tree->right;
  tree->left = tree->right = nullptr;
  DisposeTree(tree);
  tree = NewBinaryNode(node::Quotient, NewUnaryNode(node::Log, argument, 2), NewUnaryNode(node::Log, base, 2), 2);
}

// ---- unrolling of Sum and multi ---------------------------------------------------------

namespace {

class Unroller {
 public:
  Unroller(int mode, const FormPositions* forms, uint64_t nodeLimit)
      : mode_(mode), forms_(forms), nodeLimit_(nodeLimit) {}

  // Returns false when a form was refused; failedAt() then tells the nearest marker position.
  bool Run(Tfrec*& tree) {
    Walk(tree, 1);
    return !failed_;
  }
  int failedAt() const { return failedAt_; }

 private:
  void Walk(Tfrec*& t, int64_t depth) {
    if (!t || failed_) return;
    if (t->code == node::ProductForm || (mode_ == 1 && t->code == node::SumForm)) {
      const int outer = context_;
      if (int pos = PositionOf(t)) context_ = pos;
      Unroll(t, depth);
      context_ = outer;
      return;
    }
    Walk(t->left, depth + 1);
    Walk(t->right, depth + 1);
  }

  int PositionOf(const Tfrec* t) const {
    if (forms_)
      for (const auto& [form, pos] : *forms_)
        if (form == t) return pos;
    return 0;
  }

  void Refuse() {
    failed_ = true;
    failedAt_ = context_;
  }

  void Unroll(Tfrec*& t, int64_t depth) {
    Tfrec* range = t->left;
    Extended lo = 0, hi = 0;
    if (!range || !t->right || !Bound(range->left, lo) || !Bound(range->right, hi)) return KeepForm(t, depth);
    lo = rtl::RoundToEven(lo);
    hi = rtl::RoundToEven(hi);
    if (hi < lo) return KeepForm(t, depth);
    if (hi - lo + 1 > MaxUnrolledTerms) return Refuse();
    const int32_t index = range->code == node::IndexRangeJ ? node::VarJ : node::VarI;
    const int32_t join = t->code == node::SumForm ? node::Sum : node::Product;
    const Tfrec* body = t->right;
    const int64_t bodySize = TreeSize(body);
    TreePtr chain;
    int64_t chainDepth = 0;
    for (Extended k = lo; k <= hi; k += 1) {
      if (TreeNodesMade() + bodySize + 1 > nodeLimit_) return Refuse();
      TreePtr copy = CloneTree(body, 2);
      SetIndex(copy.get(), index, k);
      Walk(InPlace(copy), depth + 1);
      const int64_t copyDepth = TreeDepth(copy.get());
      chainDepth = chain ? std::max(chainDepth, copyDepth) + 1 : copyDepth;
      if (failed_ || depth - 1 + chainDepth > MaxTreeDepth) {
        if (!failed_) Refuse();
        return;
      }
      chain = chain ? TreePtr(NewBinaryNode(join, chain.release(), copy.release(), 2)) : std::move(copy);
    }
    DisposeTree(t);
    t = chain.release();
  }

  // A form that stays: the forms inside it are still unrolled.
  void KeepForm(Tfrec* t, int64_t depth) {
    Walk(t->left, depth + 1);
    Walk(t->right, depth + 1);
  }

  // Bounds that are plain numbers are read as they are; others need the evaluator, with
  // x = y = z = 0. A bound that cannot be computed leaves the form.
  static bool Bound(Tfrec* t, Extended& out) {
    if (!t) return false;
    if (t->code == node::Number) {
      out = t->value;
      return std::isfinite(out);
    }
    if (t->code == node::Negate && !t->left && t->right && t->right->code == node::Number) {
      out = -t->right->value;
      return std::isfinite(out);
    }
    // Evaluating must not change the verdict of the parse under way.
    const uint8_t parseOK = eng.ParseOK;
    const int32_t parseErrorPos = eng.ParseErrorPos;
    out = EvaluateTree(t, 0, 0, 0);
    eng.ParseOK = parseOK;
    eng.ParseErrorPos = parseErrorPos;
    return eng.EvalDrawable && eng.EvalOK && std::isfinite(out);
  }

  // The index letter becomes the number k, except inside a nested form over the same
  // letter, whose own index it is (its bounds still see the outer one).
  static void SetIndex(Tfrec* t, int32_t index, Extended k) {
    for (; t; t = t->left) {
      if (t->code == index) {
        t->code = node::Number;
        t->value = t->prevValue = k;
      }
      const bool shadows = (t->code == node::SumForm || t->code == node::ProductForm) && t->left &&
                           (t->left->code == node::IndexRangeJ ? node::VarJ : node::VarI) == index;
      if (!shadows) SetIndex(t->right, index, k);
    }
  }

  const int mode_;
  const FormPositions* forms_;
  const uint64_t nodeLimit_;
  bool failed_ = false;
  int failedAt_ = 0;
  int context_ = 1;
};

}  // namespace

bool ExpandSumProduct(Tfrec*& tree, int mode) {
  Unroller unroller(mode, nullptr, TreeNodesMade() + MaxTreeNodes);
  return unroller.Run(tree);
}

void FinishParsedTree(Tfrec*& tree, int mode, const FormPositions& forms) {
  if (!tree || ParseFailed()) return;
  FoldChainedRelations(tree);
  FoldSquaredDistances(tree);
  FinishDistanceRoots(tree);
  const uint64_t nodeLimit = Session().firstNode + MaxTreeNodes;
  if (mode == 2 || mode == 3) {
    if (mode == 3) SubstituteParametersAndSimplify(tree);
    if (ParseFailed()) return;
    Unroller unroller(mode == 3 ? 1 : 0, &forms, nodeLimit);
    if (!unroller.Run(tree)) {
      Fail(unroller.failedAt());
      return;
    }
    if (mode == 3) RewriteLogBase(tree);
  }
  SimplifyTree(tree, 2);
}
