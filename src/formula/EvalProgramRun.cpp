// Running a compiled program (EvalProgram.h), and EvaluateTree, which runs one.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "formula/DocumentState.h"
#include "formula/EvalProgram.h"
#include "formula/Evaluator.h"
#include "formula/EvaluatorRules.h"

namespace evaluator {

namespace {

// An operand as the rules see it: its validity and crossings, its relation mark and the
// value it had before this run. No operand has an exact fraction: a run that meets one
// below the root is left to the recursive evaluator.
struct Operand {
  uint8_t valid, zeroCrossed, poleCrossed;
  static constexpr uint8_t exact = 0;
  static constexpr int32_t num = 1, den = 1;
  uint8_t hasRelation;
  const Extended& prevValue;
  const Tfrec* node;
};

[[maybe_unused]] const Tfrec* TreeOf(const Operand* o) { return o->node; }

// The node an instruction computes, as the rules see it: its previous value and validity
// from the tree, its new crossings and exact fraction.
struct Computed {
  int32_t code;
  const Extended& prevValue;
  uint8_t valid;
  uint8_t zeroCrossed = 0, poleCrossed = 0, exact = 0;
  int32_t num = 1, den = 1;
};

// The bits of flags taken apart for the rules.
struct FlagFields {
  explicit FlagFields(Flags f)
      : valid(f & Valid), zeroCrossed((f & ZeroCrossed) != 0), poleCrossed((f & PoleCrossed) != 0) {}
  uint8_t valid, zeroCrossed, poleCrossed;
};

inline Flags FlagsOf(uint8_t valid, uint8_t zero, uint8_t pole) {
  return static_cast<Flags>((valid ? Valid : 0) | (zero ? ZeroCrossed : 0) | (pole ? PoleCrossed : 0));
}

inline Operand OperandOf(Flags f, const Source& s) {
  const FlagFields b(f);
  return Operand{b.valid, b.zeroCrossed, b.poleCrossed, s.hasRelation, s.node->value, s.node};
}

// A run: the two values on top of the stack are its own fields, kept in registers, since
// the run is inlined whole into RunProgram; besides them what it keeps for the tree.
class Run {
 public:
  Run(Program& p, Tfrec* root, const EvalPoint& at)
      : p_(p), root_(root), coordinates_{&at.x, &at.y, &at.z} {}

  [[gnu::always_inline]] Extended Go(bool& ran) {
    const uint8_t lineContinues = eng.LineContinues, validityChanged = eng.ValidityChanged;
    eng.EvalOK = 1;
    const Instruction* const begin = p_.code.data();
    const Instruction* const end = begin + p_.code.size();
    for (const Instruction* in = begin; in != end; ++in) {
      const Stacking stacking = in->stacking;
      if (stacking == Stacking::Hold) {
        below_ = top_;
        belowFlags_ = topFlags_;
      } else if (stacking == Stacking::Push) {
        p_.deep[deep_++] = Stored{below_, belowFlags_};
        below_ = top_;
        belowFlags_ = topFlags_;
      }
      if (!in->shortPath || !Short(*in)) {
        if (in->op == Op::Guard) {
          if (Skip(*in)) in = begin + in->skipTo - 1;
          continue;
        }
        ByRules(*in);
      }
      if (stacking == Stacking::Pop) {
        --deep_;
        below_ = p_.deep[deep_].value;
        belowFlags_ = p_.deep[deep_].flags;
      }
    }
    ran = eng.EvalOK && !faultPending;
    if (!ran) {
      eng.LineContinues = lineContinues;
      eng.ValidityChanged = validityChanged;
      faultPending = false;
      return 0;
    }
    Commit();
    eng.EvalDrawable = root_->valid;
    return top_;
  }

 private:
  // ---- operands ----

  // A coordinate is an error when it is not a number, and compares its sign with its
  // previous value's where that is read.
  [[gnu::always_inline]] Flags CoordinateFlags(const Source& s) {
    const Extended& c = *coordinates_[s.axis];
    if (!StoredFinite(c)) eng.EvalOK = 0;
    if (s.crossing && StoredSign(s.node->value) * StoredSign(c) <= 0) return Valid | ZeroCrossed;
    return Valid;
  }

  // Keeps a leaf operand's value for the tree, where a later evaluation reads it.
  template <From K>
  [[gnu::always_inline]] void KeepLeaf(const Source& s) {
    if constexpr (K == From::Constant || K == From::Coordinate) {
      if (s.slot < 0) return;
      if constexpr (K == From::Constant)
        Keep(s.slot, s.constant, 1);
      else {
        CopyExtended(p_.kept[s.slot].value, *coordinates_[s.axis]);
        p_.kept[s.slot].flags = Valid;
      }
    }
  }

  // A term c*x^n, x^n, c*x or (c*x)^n, computed by Multiply's and Power's common cases.
  // Their rare cases (a power of 0, which is exact, and an overflow) are left to the
  // recursive evaluator.
  [[gnu::always_inline]] Extended TermValue(const Source& s) {
    const Extended& x = *coordinates_[s.axis];
    if (!StoredFinite(x)) eng.EvalOK = 0;
    Extended v;
    if (!s.powered) {
      v = s.constant * x;
    } else if (s.coefficientInside) {
      const Extended base = s.constant * x;
      if (base == 0) eng.EvalOK = 0;  // exact
      v = WholePower(base, s.exponent);
    } else {
      if (StoredSign(x) == 0) eng.EvalOK = 0;  // exact
      v = WholePower(x, s.exponent);
      if (s.hasCoefficient) v = s.constant * v;
    }
    if (!xmath::IsFinite(v)) eng.EvalOK = 0;
    return v;
  }

  // A number, coordinate or term read by a binomial.
  [[gnu::always_inline]] Extended SumOperandValue(const Source& s) {
    if (s.from == From::Constant) return s.constant;
    if (s.from == From::Term) return TermValue(s);
    CoordinateFlags(s);
    return *coordinates_[s.axis];
  }

  // A binomial, by AddOrSubtract's common case: its operands are defined and cross no pole,
  // and an overflow is an error. Its value is kept at once.
  [[gnu::always_inline]] Extended BinomialValue(const Source& s, Flags& flags) {
    const Binomial& b = p_.binomials[s.binomial];
    const Extended R = SumOperandValue(b.right), L = SumOperandValue(b.left);
    const Extended v = b.subtract ? L - R : L + R;
    if (!xmath::IsFinite(v)) eng.EvalOK = 0;
    flags = Valid;
    if (b.crossing && StoredSign(b.node->value) * SignOf(v) <= 0) flags |= ZeroCrossed;
    if (b.slot >= 0) Keep(b.slot, v, 1);
    return v;
  }

  template <From K>
  [[gnu::always_inline]] Extended ValueOf(const Source& s) {
    if constexpr (K == From::Top) return top_;
    if constexpr (K == From::Below) return below_;
    if constexpr (K == From::Constant) return s.constant;
    if constexpr (K == From::Coordinate) return *coordinates_[s.axis];
    if constexpr (K == From::Term) return TermValue(s);
  }

  // An operand's value and flags at once.
  template <From K>
  [[gnu::always_inline]] Extended Fetch(const Source& s, Flags& flags) {
    if constexpr (K == From::Binomial) {
      return BinomialValue(s, flags);
    } else {
      flags = FlagsFrom<K>(s);
      return ValueOf<K>(s);
    }
  }

  template <From K>
  [[gnu::always_inline]] Flags FlagsFrom(const Source& s) {
    if constexpr (K == From::Top) return topFlags_;
    if constexpr (K == From::Below) return belowFlags_;
    if constexpr (K == From::Constant || K == From::Term) return Valid;
    if constexpr (K == From::Coordinate) return CoordinateFlags(s);
  }

  // Any operand.
  [[gnu::always_inline]] Extended ValueOf(const Source& s) {
    switch (s.from) {
      case From::Top: return top_;
      case From::Below: return below_;
      case From::Constant: return s.constant;
      case From::Coordinate: return *coordinates_[s.axis];
      case From::Term: return TermValue(s);
      case From::Binomial: {
        Flags unused;
        return BinomialValue(s, unused);
      }
      case From::Long: return *s.longValue;
      default: return *s.floatValue;
    }
  }

  [[gnu::always_inline]] Operand AnyOperand(const Source& s, Extended v) {
    Flags f = Valid;
    switch (s.from) {
      case From::Top: f = topFlags_; break;
      case From::Below: f = belowFlags_; break;
      case From::Coordinate:
        f = CoordinateFlags(s);
        KeepLeaf<From::Coordinate>(s);
        break;
      case From::Term: break;
      case From::Binomial: {
        // Its value was just computed; only its crossing is read again.
        const Binomial& b = p_.binomials[s.binomial];
        if (b.crossing && StoredSign(b.node->value) * SignOf(v) <= 0) f |= ZeroCrossed;
        break;
      }
      default:
        // t and the parameters that are not numbers are an error, as in the recursive
        // evaluator.
        if (s.checked && !xmath::IsFinite(v)) eng.EvalOK = 0;
        if (s.slot >= 0) Keep(s.slot, v, 1);
        break;
    }
    return OperandOf(f, s);
  }

  // ---- the short paths ----

  [[gnu::always_inline]] void Done(const Instruction& in, Extended result, Flags flags) {
    topFlags_ = flags;
    if (in.slot >= 0) Keep(in.slot, result, flags & Valid);
    top_ = result;
  }

  // AddOrSubtract's common case: defined operands without poles.
  // AddOrSubtract's common case: operands without poles.
  [[gnu::always_inline]] bool SumOf(const Instruction& in, Extended L, Flags lf, Extended R, Flags rf) {
    if ((lf | rf) & PoleCrossed) return false;
    Extended result;
    uint8_t v = 1;
    if (in.defined) {
      result = in.subtract ? L - R : L + R;
    } else {
      struct Validity {
        uint8_t valid, hasRelation;
      } l{static_cast<uint8_t>(lf & Valid), in.left.hasRelation}, r{static_cast<uint8_t>(rf & Valid),
                                                                     in.right.hasRelation};
      result = SumOrDifference(in.subtract, &l, &r, L, R, v);
    }
    if (!xmath::IsFinite(result)) return false;
    Flags f = v ? Valid : 0;
    if (in.crossing && StoredSign(in.node->value) * SignOf(result) <= 0) f |= ZeroCrossed;
    Done(in, result, f);
    return true;
  }

  // A comparison, "and" or "or" by its rule.
  [[gnu::always_inline]] bool RelationOf(const Instruction& in, Extended L, Flags lf, Extended R, Flags rf) {
    const Operand l = OperandOf(lf, in.left), r = OperandOf(rf, in.right);
    Computed t{in.code, in.node->value, in.node->valid};
    uint8_t v = 1;
    const Extended result = Relation(&t, &l, &r, L, R, v);
    Done(in, result, v ? Valid : 0);
    return true;
  }

  // Multiply's common case.
  [[gnu::always_inline]] bool ProductOf(const Instruction& in, Extended L, Flags lf, Extended R, Flags rf) {
    const Extended result = L * R;
    if (!xmath::IsFinite(result)) return false;
    const Flags both = lf | rf;
    Flags f = (lf & rf & Valid) | (both & ZeroCrossed);
    if (!(both & ZeroCrossed)) f |= both & PoleCrossed;
    Done(in, result, f);
    return true;
  }

  // Divide's common case.
  [[gnu::always_inline]] bool QuotientOf(const Instruction& in, Extended L, Flags lf, Extended R, Flags rf) {
    if (R == 0) return false;
    const Extended result = L / R;
    if (!xmath::IsFinite(result)) return false;
    const QuotientCrossings c =
        CrossingsOfQuotient(lf & ZeroCrossed, lf & PoleCrossed, rf & ZeroCrossed, rf & PoleCrossed);
    if (c.jump) eng.LineContinues = 1;
    Done(in, result, FlagsOf(lf & rf & Valid, c.zero, c.pole));
    return true;
  }

  // Power's common case: a whole exponent from 1 to 99999 of a base that is not 0.
  [[gnu::always_inline]] bool PowerOf(const Instruction& in, Extended L, Flags lf) {
    if (L == 0) return false;
    const Extended result = WholePower(L, in.exponent);
    if (!xmath::IsFinite(result)) return false;
    Done(in, result, lf);
    return true;
  }

  // The short path; its leaf operands are kept once it has succeeded.
  template <Fast F, From L, From R>
  [[gnu::always_inline]] bool ShortOf(const Instruction& in) {
    bool done;
    if constexpr (F == Fast::Negate) {
      const Flags rf = FlagsFrom<R>(in.right);
      done = rf & Valid;
      if (done) Done(in, -ValueOf<R>(in.right), rf);
    } else if constexpr (F == Fast::Power) {
      const Flags lf = FlagsFrom<L>(in.left);
      done = PowerOf(in, ValueOf<L>(in.left), lf);
    } else {
      Flags lf, rf;
      const Extended rv = Fetch<R>(in.right, rf);
      const Extended lv = Fetch<L>(in.left, lf);
      if constexpr (F == Fast::Sum) done = SumOf(in, lv, lf, rv, rf);
      if constexpr (F == Fast::Relation) done = RelationOf(in, lv, lf, rv, rf);
      if constexpr (F == Fast::Product) done = ProductOf(in, lv, lf, rv, rf);
      if constexpr (F == Fast::Quotient) done = QuotientOf(in, lv, lf, rv, rf);
    }
    if (done) {
      KeepLeaf<L>(in.left);
      KeepLeaf<R>(in.right);
    }
    return done;
  }

  // The short path of the instruction; false when it does not apply.
  [[gnu::always_inline]] bool Short(const Instruction& in) {
#define EVAL_SHORT(F, L, R) \
  case ShortPath(Fast::F, From::L, From::R): return ShortOf<Fast::F, From::L, From::R>(in);
#define EVAL_SHORT_BINARY(F)                                                                                    \
  EVAL_SHORT(F, Top, Constant)                                                                                  \
  EVAL_SHORT(F, Top, Coordinate) EVAL_SHORT(F, Top, Below) EVAL_SHORT(F, Constant, Top)                         \
  EVAL_SHORT(F, Coordinate, Top) EVAL_SHORT(F, Constant, Coordinate) EVAL_SHORT(F, Coordinate, Constant)        \
  EVAL_SHORT(F, Coordinate, Coordinate) EVAL_SHORT(F, Constant, Constant)
#define EVAL_SHORT_TERMS                                                                                        \
  EVAL_SHORT(Sum, Top, Term)                                                                                    \
  EVAL_SHORT(Sum, Term, Top) EVAL_SHORT(Sum, Term, Term) EVAL_SHORT(Sum, Term, Constant)                        \
  EVAL_SHORT(Sum, Constant, Term) EVAL_SHORT(Sum, Term, Coordinate) EVAL_SHORT(Sum, Coordinate, Term)
#define EVAL_SHORT_BINOMIALS(F)                                                                                 \
  EVAL_SHORT(F, Binomial, Binomial)                                                                             \
  EVAL_SHORT(F, Binomial, Top) EVAL_SHORT(F, Top, Binomial) EVAL_SHORT(F, Coordinate, Binomial)                 \
  EVAL_SHORT(F, Constant, Binomial) EVAL_SHORT(F, Binomial, Coordinate) EVAL_SHORT(F, Binomial, Constant)
    switch (in.shortPath) {
      EVAL_SHORT_BINARY(Sum)
      EVAL_SHORT_TERMS
      EVAL_SHORT_BINARY(Product)
      EVAL_SHORT_BINARY(Quotient)
      EVAL_SHORT_BINOMIALS(Product)
      EVAL_SHORT_BINOMIALS(Quotient)
      EVAL_SHORT_BINARY(Relation)
      EVAL_SHORT(Power, Top, Constant)
      EVAL_SHORT(Power, Coordinate, Constant)
      EVAL_SHORT(Negate, Top, Top)
      EVAL_SHORT(Negate, Top, Coordinate)
      default: return false;
    }
#undef EVAL_SHORT_BINOMIALS
#undef EVAL_SHORT_TERMS
#undef EVAL_SHORT_BINARY
#undef EVAL_SHORT
  }

  // ---- the rules ----

  // An instruction that computes a node by its operator's rules.
  [[gnu::always_inline]] void ByRules(const Instruction& in) {
    const Extended R = ValueOf(in.right);
    const Operand r = AnyOperand(in.right, R);
    Computed t{in.code, in.node->value, in.node->valid};
    uint8_t v = 1;
    Extended result;
    if (in.op == Op::Unary) {
      result = Unary(&t, &r, R, v);
      // An undefined result is the recursive evaluator's fault to report.
      if (!xmath::IsFinite(result)) eng.EvalOK = 0;
    } else if (in.op == Op::Factorial) {
      result = Factorial(&r, R, v);
    } else if (in.op == Op::Leaf) {
      top_ = R;
      topFlags_ = FlagsOf(1, r.zeroCrossed, 0);
      return;
    } else {
      const Extended L = ValueOf(in.left);
      const Operand l = AnyOperand(in.left, L);
      result = Combine(&t, &l, &r, L, R, v);
    }
    topFlags_ = FlagsOf(v, t.zeroCrossed, t.poleCrossed);
    // An exact fraction is kept for the root's fields; below the root the recursive
    // evaluator carries it on.
    if (t.exact) {
      if (in.node == root_)
        exact_ = RootFraction(t);
      else
        eng.EvalOK = 0;
    }
    if (in.slot >= 0) Keep(in.slot, result, v);
    top_ = result;
  }

  // Exactness is given up beyond the limit (figure formulas are off already).
  static TFraction RootFraction(const Computed& t) {
    const bool small = std::llabs(t.num) <= 10000 && std::llabs(t.den) <= 10000;
    return TFraction{static_cast<uint8_t>(small ? 1 : 0), t.num, t.den};
  }

  // A product whose right operand is undefined is undefined without its left operand, and
  // its right operand reads 0 from now on. False when the product is defined.
  [[gnu::always_inline]] bool Skip(const Instruction& in) {
    if (topFlags_ & Valid) return false;
    p_.skipped[skips_++] = in.skipSlots;
    if (in.rightSlot >= 0) p_.kept[in.rightSlot].value = 0;
    if (in.node == root_)
      rootSkipped_ = true;
    else if (in.slot >= 0)
      Keep(in.slot, 0, 0);
    top_ = 0;
    topFlags_ = 0;
    return true;
  }

  // ---- what the run keeps for the tree ----

  [[gnu::always_inline]] void Keep(int32_t slot, Extended value, uint8_t valid) {
    p_.kept[slot].value = value;
    p_.kept[slot].flags = valid;
  }

  // Writes what the run kept into the tree, and the root's fields. Every slot was filled,
  // but those of the left operands of products that were skipped. The skipped ranges are
  // walked in the order of their first slots beside the slots, so a large tree with many
  // skipped products commits in one pass.
  [[gnu::always_inline]] void Commit() {
    const int32_t slots = static_cast<int32_t>(p_.keeps.size());
    const auto first = p_.skipped.begin(), last = first + static_cast<std::ptrdiff_t>(skips_);
    if (skips_ > 1) std::sort(first, last, [](const int32_t* a, const int32_t* b) { return a[0] < b[0]; });
    auto next = first;
    int32_t skippedUpTo = 0;  // slots below this one lie in a skipped range
    for (int32_t slot = 0; slot < slots; ++slot) {
      for (; next != last && (*next)[0] <= slot; ++next) skippedUpTo = std::max(skippedUpTo, (*next)[1]);
      if (slot < skippedUpTo) continue;
      const evaluator::Keep& k = p_.keeps[slot];
      const Stored& kept = p_.kept[slot];
      if (k.value) CopyExtended(k.node->value, kept.value);
      if (k.valid) k.node->valid = kept.flags & Valid;
    }
    Tfrec* root = root_;
    if (rootSkipped_) {
      root->value = 0;
      root->valid = 0;
    } else {
      CopyExtended(root->prevValue, root->value);
      root->value = top_;
      root->valid = topFlags_ & Valid;
    }
    root->zeroCrossed = (topFlags_ & ZeroCrossed) != 0;
    root->poleCrossed = (topFlags_ & PoleCrossed) != 0;
    root->exact = exact_.exact;
    root->num = exact_.num;
    root->den = exact_.den;
  }

  Extended top_ = 0, below_ = 0;
  Flags topFlags_ = Valid, belowFlags_ = Valid;
  Program& p_;
  Tfrec* root_;
  const Extended* coordinates_[3];
  size_t skips_ = 0;
  size_t deep_ = 0;
  bool rootSkipped_ = false;
  TFraction exact_{0, 1, 1};
};

// The same 80-bit value, bit for bit.
inline bool SameBits(const Extended& a, const Extended& b) {
  uint64_t am, bm;
  uint16_t ae, be;
  std::memcpy(&am, &a, 8);
  std::memcpy(&bm, &b, 8);
  std::memcpy(&ae, reinterpret_cast<const char*>(&a) + 8, 2);
  std::memcpy(&be, reinterpret_cast<const char*>(&b) + 8, 2);
  return am == bm && ae == be;
}

bool ShapeMatches(const Program& p) {
  for (const ShapeCheck& c : p.shape) {
    const Tfrec* t = c.node;
    if (t->left != c.left || t->right != c.right || t->code != c.code) return false;
    if (c.constant && !SameBits(t->value, c.value)) return false;
  }
  return true;
}

}  // namespace

Program* ProgramAfterChanges(Tfrec* root) {
  ProgramCache& cache = root->program;
  if (cache.program) {
    Program* p = cache.program;
    const uint64_t edits = TreeEdits();
    if (ShapeMatches(*p)) {
      p->checkedAt = edits;
      return p;
    }
    // Changed in place since it was compiled.
    cache.Drop();
  } else if (cache.evaluations == ProgramCache::Unsupported) {
    return nullptr;
  } else if (cache.evaluations++ == 0) {
    // A tree evaluated once is not worth compiling.
    return nullptr;
  }
  cache.program = CompileProgram(root);
  if (!cache.program) cache.evaluations = ProgramCache::Unsupported;
  return cache.program;
}

}  // namespace evaluator

using namespace evaluator;

Extended EvaluateTree(Tfrec* tree, Extended x, Extended y, Extended z) {
  if (!tree) return 0;
  const EvalPoint at{x, y, z};
  // A tree evaluated again and again runs as a compiled program; exact fractions of figure
  // formulas are left to the recursive evaluator.
  if (!eng.UseFigureFormulas) {
    if (Program* program = ProgramOf(tree)) {
      bool ran;
      const Extended result = Run(*program, tree, at).Go(ran);
      if (ran) {
        StorePoint(at);
        return result;
      }
    }
  }
  return EvaluateRecursively(tree, at);
}
