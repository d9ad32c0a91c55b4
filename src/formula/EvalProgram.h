#pragma once
// A tree compiled for evaluation: a flat list of instructions, one per node, in the order
// in which the recursive evaluator visits the nodes (right operand first), run over a small
// stack of values whose top two stay in registers. Leaves are read by the instruction that
// uses them. The instructions apply the recursive evaluator's own rules (EvaluatorRules.h).
//
// A run changes nothing until it has succeeded. The values that evaluations read back
// from the tree (the previous values that crossing tests compare with, the validity of
// relations) are kept aside and written at the end, together with the root's fields; the
// bookkeeping of nodes whose history nothing reads is skipped. Whatever the recursive
// evaluator treats as an error, and exact fractions below the root, are left to the
// recursive evaluator, which then evaluates the untouched tree.
#include <cstdint>
#include <vector>

#include "formula/EvaluatorCore.h"
#include "formula/Tfrec.h"
#include "platform/Extended.h"

namespace evaluator {

// Where an instruction finds an operand: the top of the stack, the value below it, or a
// leaf read in place.
enum class From : uint8_t {
  Top,
  Below,
  Constant,    // a number held by the instruction
  Coordinate,  // x, y or z
  Term,        // a term of a polynomial in a coordinate: c*x^n, x^n, c*x or (c*x)^n
  Binomial,    // a sum or difference of two numbers, coordinates or terms (Program::binomials)
  Long,        // an 80-bit variable (t, an integration variable)
  Float,       // a single-precision one (a parameter cell, a tick step)
};

struct Source {
  From from = From::Top;
  uint8_t axis = 0;          // Coordinate and Term: 0 x, 1 y, 2 z
  bool checked = false;      // a value that is not a number is an error (t, the parameters)
  bool crossing = false;     // Coordinate: its zero crossing is read
  uint8_t hasRelation = 0;   // the operand node's relation mark
  int32_t slot = -1;         // where a leaf's value is kept for the tree, -1 when it is not
  const Tfrec* node = nullptr;  // the operand node
  const Extended* longValue = nullptr;
  const float* floatValue = nullptr;
  Extended constant = 0;
  // A term: the coefficient (1 and not multiplied when there is none), the whole exponent
  // and whether the coefficient is raised with the coordinate.
  bool hasCoefficient = false;
  bool powered = false;
  bool coefficientInside = false;
  int64_t exponent = 1;
  int32_t binomial = -1;  // Binomial: its index in Program::binomials
};

// A sum or difference of two operands read in place, itself read in place by a product or
// a quotient. Its value and validity are kept for the tree as an instruction's are.
struct Binomial {
  Source left, right;
  bool subtract = false;
  bool crossing = false;  // its zero crossing is read
  int32_t slot = -1;
  const Tfrec* node = nullptr;
};

// What an instruction does. "top" is the value on top of the stack, "below" the one under
// it. A function's or a factorial's operand is `right`.
enum class Op : uint8_t {
  Leaf,        // top := right (the tree is one leaf)
  Sum,         // "+" and "-"
  Product,
  Quotient,
  Power,
  Relation,
  Binary,      // the other operators of two operands
  Unary,       // the functions and the unary minus
  Factorial,
  Guard,       // a product whose right operand (top) is undefined skips its left one
};

// How an instruction moves the stack besides its own result. The first instruction of a
// left operand holds the right operand computed before it; the instruction that uses both
// takes the held one back.
enum class Stacking : uint8_t {
  None,
  Hold,  // before: below := top
  Push,  // before: the value below goes deeper; below := top
  Pop,   // after: below := the value deeper down
};

// The commonest instructions, run by a short path of their own while their operands are
// defined and have crossed no pole; otherwise, and for every other instruction, by the
// rules of its operator. A short path reads its operands from the top of the stack, the
// value below it, a number or a coordinate.
enum class Fast : uint8_t {
  None,
  Sum,       // "+" and "-"
  Product,
  Quotient,
  Power,     // by a whole number from 1 to 99999
  Negate,
  Relation,  // the comparisons, "and" and "or"
};

// The short path and its operands in one number, for the run's choice.
constexpr uint16_t ShortPath(Fast fast, From left, From right) {
  return static_cast<uint16_t>(static_cast<int>(fast) << 6 | static_cast<int>(left) << 3 | static_cast<int>(right));
}

struct Instruction {
  Op op = Op::Leaf;
  uint16_t shortPath = 0;  // ShortPath of the instruction, 0 when it has none
  bool subtract = false;   // a difference
  bool crossing = false;   // the node's zero crossing is read
  bool defined = false;    // both operands are defined whatever the point
  Stacking stacking = Stacking::None;
  int32_t code = 0;
  int64_t exponent = 0;    // the whole exponent of a fast power
  Tfrec* node = nullptr;
  int32_t slot = -1;       // where the node's value and validity are kept, -1 when not
  int32_t skipTo = 0;      // Guard: the instruction after the product
  int32_t rightSlot = -1;  // Guard: the slot of the product's right operand
  int32_t skipSlots[2] = {0, 0};  // Guard: the slots of the product's left operand
  Source left, right;
};

// A node and the fields of it that a run writes back at the end.
struct Keep {
  Tfrec* node = nullptr;
  bool value = false;
  bool valid = false;
};

// The shape of the tree the program was compiled from, checked before a run whenever
// trees may have been changed since the last check.
struct ShapeCheck {
  const Tfrec* node = nullptr;
  const Tfrec* left = nullptr;
  const Tfrec* right = nullptr;
  int32_t code = 0;
  bool constant = false;  // a number whose value the program holds
  Extended value = 0;
};

// The state of a value on the stack besides the value itself: its validity and its
// crossings, as bits.
using Flags = uint8_t;
inline constexpr Flags Valid = 1, ZeroCrossed = 2, PoleCrossed = 4;

// A value set aside during a run: kept for the tree, or held deeper in the stack.
struct Stored {
  Extended value = 0;
  Flags flags = Valid;
};

struct Program {
  std::vector<Instruction> code;
  std::vector<ShapeCheck> shape;  // parents before their children
  std::vector<Keep> keeps;        // by slot
  std::vector<Binomial> binomials;
  uint64_t checkedAt = 0;         // TreeEdits() when the shape was last checked
  // Storage for a run, sized when compiled: nothing is allocated while a program runs.
  std::vector<Stored> kept;       // by slot: the value and validity kept for the tree
  std::vector<const int32_t*> skipped;  // the slot ranges a run has skipped, one per guard
  std::vector<Stored> deep;       // the stack below its top two values
};

// ProgramOf when trees may have changed since the program was last checked, or the tree
// has none yet.
Program* ProgramAfterChanges(Tfrec* root);

// The program of a tree that is evaluated as a whole, compiled on its second evaluation and
// kept on the root; nullptr while the recursive evaluator is to be used.
inline Program* ProgramOf(Tfrec* root) {
  Program* p = root->program.program;
  if (p && p->checkedAt == TreeEdits()) return p;
  return ProgramAfterChanges(root);
}

// Compiles the tree; nullptr when it holds a node that programs do not cover.
Program* CompileProgram(Tfrec* root);

}  // namespace evaluator
