#pragma once
// Internals of the parser: the reader over a window of the normalised text, the state one
// top-level parse shares with every text it expands.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "formula/Tfrec.h"

// A text being expanded inline: 'F' function, 'Q' constant, 'y' explicit entry, 'P' point
// coordinate (number = point * 4 + axis).
struct Expansion {
  char kind;
  int number;
  bool operator==(const Expansion&) const = default;
};

// State of one top-level ParseExpression call, shared by the texts it parses inside.
struct ParseSession {
  int calls = 0;    // nested ParseExpression calls
  int nesting = 0;  // reader recursion over all texts
  uint64_t firstNode = 0;
  uint64_t derivativeNodes = 0;  // built by the derivatives of all texts
  int64_t foreignParses = 0;
  std::vector<Expansion> expanding;
};
ParseSession& Session();
// The derivative in x of a tree read in the session, nil when the session's derivatives
// would build more than MaxDerivativeNodes together: several of them, each as large as one
// may be, would make every redraw that parses the text slow.
TreePtr SessionDerivative(const Tfrec* tree);

// Positions of the Sum and multi markers of one text, to report a form too large to unroll.
using FormPositions = std::vector<std::pair<const Tfrec*, int>>;

// Records an error unless one is recorded already; returns a null tree for convenience.
TreePtr Fail(int pos);
bool ParseFailed();

// Character classes: positions in
// "^/*-+@)(abcdefghijklmnpqorstuvwxyz?1234567890.ABCDELMNRTGHJKSUVWPYFQOIZXﾟ,", 0 unknown.
int CharClass(char c);
constexpr int ClassRelation = 6;
constexpr int ClassClose = 7;
constexpr int ClassOpen = 8;
constexpr int ClassQuestion = 35;
constexpr int ClassComma = 74;
constexpr char DegreeChar = '\xDF';

class Reader {
 public:
  // Reads S[first..last] (1-based, inclusive) for a parse in `parseMode` (1, 2 or 3; inside
  // the reader 3 behaves as 2).
  Reader(const std::string& s, int first, int last, int parseMode, FormPositions& forms);

  // The whole window as one formula: a chain at level 8, nothing left over, parentheses
  // balanced.
  TreePtr ReadWhole();

 private:
  enum class Next { End, Operator, Implicit, Bad };

  char At(int i) const { return i >= first_ && i <= last_ ? s_[i - 1] : '\0'; }
  int ClassAt(int i) const { return CharClass(At(i)); }
  bool StartsAt(int i, const char* word) const;
  // The first c from `from` on that stands outside every parenthesis and bracket opened
  // after `from`, so that an argument may hold forms with their own commas and brackets;
  // 0 when there is none before the window ends or a ")" or "]" closes an enclosing form.
  int Find(char c, int from) const;

  // Precedence loop and its steps.
  TreePtr ParseOperatorChain(int level);
  Next ChainEnds(int level);
  int ReadOperator();
  TreePtr ReadOperand();
  bool ImplicitAfterVariable(int i) const;
  TreePtr WithImplicitProduct(TreePtr left);

  TreePtr ReadParenthesis();
  TreePtr ReadNumberOperand();
  bool ReadNumber(Extended& value);
  TreePtr ReadWord();
  TreePtr ReadFunction(int32_t code, int argumentStart);
  TreePtr ReadLogBase(int baseFirst, int baseLast, int argumentStart);
  TreePtr ReadAngleForm(int32_t code, int open);
  int ExistingPoint(int i) const;  // point number 1..25 of the letter at i, 0 if none
  TreePtr VariableNode(int32_t code);

  // The last chain ended by consuming its own ")" (not one that closed a function inside it).
  bool ChainClosedByParenthesis() const { return chainConsumedEnd_ && At(p_) == ')'; }

  // Special forms after "?".
  TreePtr ReadSpecialForm();
  TreePtr ReadCombinations(int32_t code);
  TreePtr ReadDerivative();
  TreePtr ReadExtremum(bool maximum);
  TreePtr ReadSumProduct(int32_t code);
  TreePtr ReadSimpson();
  TreePtr ReadIntegral();
  TreePtr ReadRange(int32_t code);
  TreePtr ReadWindow(int from, int to);  // a sub-text, read as a whole formula
  TreePtr MakeIntegral(TreePtr range, TreePtr panels, char variable, TreePtr integrand);

  // References to points, definitions and entries.
  TreePtr ReadPointReference();
  TreePtr PointCoordinateNode(int point, char axis, int referencePos);
  TreePtr DistanceNode(int p, int q, int referencePos);
  TreePtr ReadDefinedFunction();
  TreePtr ReadDefinedConstant();
  TreePtr ReadExplicitReference();
  int ReadDefinitionNumber(int count, uint8_t editedKind);
  TreePtr ReadArguments(TreePtr function, int referencePos);

  const std::string& s_;
  const int first_;
  const int last_;
  const int parseMode_;
  const int mode_;  // 1 check only, 2 build
  FormPositions& forms_;
  int p_;
  int paren_ = 0;
  bool chainConsumedEnd_ = false;  // the last chain ended by consuming a ")" or ","

};

// Reads and finishes S[first..last] of an already normalised text in the given parse mode.
TreePtr ParseNormalised(const std::string& s, int first, int last, int mode);
// Normalises and parses a text the formula refers to (a definition, an entry's formula, a
// point's coordinate text), refusing one already being expanded. A failure inside it is
// reported at `referencePos` of the referring text.
TreePtr ParseForeignText(const std::string& text, int mode, Expansion what, int referencePos);
// The finishing passes of ParseExpression on a tree read in `mode`.
void FinishParsedTree(Tfrec*& tree, int mode, const FormPositions& forms);

// Usage recording during the usage scan.
void RecordParameterUse(int32_t code);
void RecordPointUse(int point);
void RecordFunctionUse(int n);
void RecordConstantUse(int n);
