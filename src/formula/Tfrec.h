#pragma once
// The expression-tree node every formula lives in between parsing and use, its node
// codes, constructors, copy walks and the one release routine.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Extended.h"

namespace evaluator {
struct Program;
}

// The compiled form of a tree that is evaluated again and again, kept on its root by the
// evaluator and released with the node. A copy of a node starts without one.
class ProgramCache {
 public:
  ProgramCache() = default;
  ProgramCache(const ProgramCache&) noexcept {}
  ProgramCache& operator=(const ProgramCache&) noexcept {
    Drop();
    evaluations = 0;
    return *this;
  }
  ~ProgramCache() { Drop(); }
  void Drop() {
    if (program) Release();
  }

  evaluator::Program* program = nullptr;
  // Evaluations of the tree before it was compiled, or Unsupported when it cannot be.
  uint8_t evaluations = 0;
  // What the compiler found out about the node, while its tree is compiled.
  uint8_t facts = 0;
  static constexpr uint8_t Unsupported = 0xFF;

 private:
  void Release();
};

struct Tfrec {
  int32_t code = 0;
  Extended value = 0;
  Extended prevValue = 0;
  std::string text;
  uint8_t hasRelation = 0;
  uint8_t valid = 1;
  uint8_t zeroCrossed = 0;
  uint8_t poleCrossed = 0;
  uint8_t exact = 0;
  int32_t num = 1;
  int32_t den = 1;
  Tfrec* left = nullptr;
  Tfrec* right = nullptr;
  ProgramCache program;  // used by the evaluator only
};

// Node codes. Operators 1..5 are the positions in "^/*-+@)", relations the negated digit
// after "@"; a unary node keeps its operand in `right`.
namespace node {
constexpr int32_t Pair = 0;  // groups two subtrees inside an integral
constexpr int32_t Power = 1;
constexpr int32_t Quotient = 2;
constexpr int32_t Product = 3;
constexpr int32_t Difference = 4;
constexpr int32_t Sum = 5;
constexpr int32_t Negate = 6;
constexpr int32_t Identity = 7;

// One-argument functions, in the order of the parser's function table.
constexpr int32_t Sin = 8;
constexpr int32_t Cos = 9;
constexpr int32_t Tan = 10;
constexpr int32_t Sec = 11;
constexpr int32_t Cosec = 12;
constexpr int32_t Cotan = 13;
constexpr int32_t Arctn = 14;
constexpr int32_t Log = 15;
constexpr int32_t Exp = 16;
constexpr int32_t Sqrt = 17;
constexpr int32_t Abs = 18;
constexpr int32_t Sgn = 19;
constexpr int32_t Gaus = 20;
constexpr int32_t Sinh = 21;
constexpr int32_t Cosh = 22;
constexpr int32_t Arcsin = 23;
constexpr int32_t Arccos = 24;
constexpr int32_t Tanh = 25;
constexpr int32_t Arsinh = 26;
constexpr int32_t Arcosh = 27;
constexpr int32_t Artanh = 28;
constexpr int32_t Arg = 29;
constexpr int32_t Angle = 30;
constexpr int32_t Round = 31;
constexpr int32_t Int = 32;
constexpr int32_t Frac = 33;
constexpr int32_t Rnd = 34;
constexpr int32_t LogBase = 40;  // left base, right argument
constexpr int32_t Roundc = 41;
constexpr int32_t Intc = 42;
constexpr int32_t Combinations = 51;
constexpr int32_t Permutations = 52;
constexpr int32_t DistanceRoot = 77;
constexpr int32_t Factorial = 1001;  // operand in `left`

constexpr int32_t Greater = -1;
constexpr int32_t Less = -2;
constexpr int32_t Equal = -3;
constexpr int32_t GreaterEqual = -4;
constexpr int32_t LessEqual = -5;
constexpr int32_t And = -6;
constexpr int32_t Or = -7;
constexpr int32_t NotEqual = -8;

constexpr int32_t SumForm = 2001;       // left index range, right body
constexpr int32_t Integral = 2002;      // left pair(range, panels), right pair(variable, integrand)
constexpr int32_t ProductForm = 2003;   // "multi", as SumForm
constexpr int32_t MaxOver = 2011;       // MaxV: left range, right body
constexpr int32_t MinOver = 2012;       // MinV
constexpr int32_t Max = 2013;
constexpr int32_t Min = 2014;

constexpr int32_t PointXBase = 3000;  // + point number 1..25
constexpr int32_t PointYBase = 3030;
constexpr int32_t PointZBase = 3060;
constexpr int32_t Range = 5000;
constexpr int32_t IndexRangeI = 5001;
constexpr int32_t IndexRangeJ = 5002;
constexpr int32_t ConstantBase = 6000;  // + n for Qn
constexpr int32_t Latx = 8001;
constexpr int32_t Laty = 8002;
constexpr int32_t Degree = 9998;
constexpr int32_t Pi = 9999;
constexpr int32_t Number = 10000;
constexpr int32_t VariableBase = 10000;          // + position in VariableLetters
constexpr int32_t ShiftedVariableBase = 11000;   // while a defined function is expanded
constexpr int32_t IntegrationVariableBase = 20020;  // + position in IntegrationLetters

// Variable letters in code order: a 10001 ... z 10026 (o is omega, r theta, e Euler's number).
constexpr const char* VariableLetters = "abcdefghklmnpqorsuvwijtxyz";
constexpr const char* IntegrationLetters = "srtxyz";

constexpr int32_t VarA = 10001;
constexpr int32_t VarE = 10005;
constexpr int32_t VarF = 10006;
constexpr int32_t VarG = 10007;
constexpr int32_t VarOmega = 10015;
constexpr int32_t VarTheta = 10016;
constexpr int32_t VarS = 10017;
constexpr int32_t VarU = 10018;
constexpr int32_t VarV = 10019;
constexpr int32_t VarW = 10020;
constexpr int32_t VarI = 10021;
constexpr int32_t VarJ = 10022;
constexpr int32_t VarT = 10023;
constexpr int32_t VarX = 10024;
constexpr int32_t VarY = 10025;
constexpr int32_t VarZ = 10026;

constexpr bool IsRelation(int32_t code) { return code < 0; }
constexpr int32_t PointX(int n) { return PointXBase + n; }
constexpr int32_t PointY(int n) { return PointYBase + n; }
constexpr int32_t PointZ(int n) { return PointZBase + n; }
constexpr int32_t Constant(int n) { return ConstantBase + n; }
// Variable code of a lower-case letter, 0 for a character that is none.
constexpr int32_t VariableCode(char letter) {
  for (int k = 0; VariableLetters[k]; ++k)
    if (VariableLetters[k] == letter) return VariableBase + k + 1;
  return 0;
}
}  // namespace node

// Values stored in the pi and degree leaves.
constexpr Extended PiValue = 3.14159265358979323846264338327950288L;
constexpr Extended DegreeValue = PiValue / 180;

// Constructors: mode 1 (check only) makes nothing and returns nil; every other mode makes
// the node. Subtrees passed in are taken over, not copied.
Tfrec* NewBinaryNode(int32_t code, Tfrec* left, Tfrec* right, int mode);
Tfrec* NewUnaryNode(int32_t code, Tfrec* operand, int mode);
Tfrec* NewLeafNode(int32_t code, int mode);
Tfrec* NewNumberNode(int mode, Extended value);
Tfrec* NewPiNode(int mode);
Tfrec* NewDegreeNode(int mode);

// Copies values, validity, flags and exact fractions node by node between two trees of the
// same shape; the walk stops where either side ends.
void CopyTreeValues(const Tfrec* source, Tfrec* target);
void MarkTreeValid(Tfrec* tree);
// The one release path of every tree; accepts nil and sets the caller's pointer to nil.
// Iterative, so that an arbitrarily deep tree cannot exhaust the stack.
void DisposeTree(Tfrec*& tree);

// A whole tree and its owner: every routine that hands out a new tree returns one.
struct TreeDeleter {
  void operator()(Tfrec* t) const { DisposeTree(t); }
};
using TreePtr = std::unique_ptr<Tfrec, TreeDeleter>;

// Lends the root of an owned tree to a routine that may replace it (a pass taking Tfrec*&)
// for one call, and takes the new root back: SimplifyTree(InPlace(tree), 2).
class InPlace {
 public:
  explicit InPlace(TreePtr& tree) : tree_(tree), root_(tree.release()) {}
  ~InPlace() { tree_.reset(root_); }
  InPlace(const InPlace&) = delete;
  InPlace& operator=(const InPlace&) = delete;
  operator Tfrec*&() { return root_; }

 private:
  TreePtr& tree_;
  Tfrec* root_;
};

// Deep copy of every field but `text`; nil for a nil tree or mode 1.
TreePtr CloneTree(const Tfrec* tree, int mode);

// Nodes made since the program started (for the parser's size budget).
uint64_t TreeNodesMade();

// Changes to trees since the program started: nodes made, trees released, and changes made
// in place, which their authors report with NoteTreeEdit. A compiled program checks the
// shape of its tree again after any change.
inline uint64_t treeEditCount = 0;
inline uint64_t TreeEdits() { return treeEditCount; }
inline void NoteTreeEdit() { ++treeEditCount; }
