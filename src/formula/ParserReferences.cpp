// Operands that refer to the document: points (coordinates, distances, angle forms), the
// defined functions and constants, the explicit entries y1, y2, ..., and the usage record
// the usage scan collects through the parser.
#include <cmath>
#include <cstring>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/ParserReader.h"
#include "formula/TreeKernel.h"

namespace {

// Position of a capital letter in PointNameOrder (26 is "X", the current point), 0 if none.
int PointNumber(char c) {
  if (c < 'A' || c > 'Z') return 0;
  const char* at = std::strchr(PointNameOrder, c);
  return at ? static_cast<int>(at - PointNameOrder) + 1 : 0;
}

bool PointExists(int n) { return n >= 1 && n <= kMaxPoints && doc.PointLetterUsage[n].exists; }

bool IsEntry(int i) { return i >= 1 && i <= doc.EntryCount && i <= kMaxEntries; }

// A count read from a file may exceed the definition tables.
int DefinitionCount(int count) { return count < kMaxDefinitions + 1 ? count : kMaxDefinitions + 1; }

Tfrec* Leaf(int32_t code, int mode) { return NewLeafNode(code, mode); }

// A one-point vector pair node of an angle form: first point in `value`, second in `prevValue`.
Tfrec* VectorPair(int first, int second, int mode) {
  Tfrec* n = NewLeafNode(node::Pair, mode);
  if (n) {
    n->value = first;
    n->prevValue = second;
  }
  return n;
}

}  // namespace

// ---- points --------------------------------------------------------------------------

int Reader::ExistingPoint(int i) const {
  const int n = PointNumber(At(i));
  return PointExists(n) ? n : 0;
}

TreePtr Reader::ReadPointReference() {
  const int start = p_;
  const int n = PointNumber(At(p_));
  if (!n || (n != kCurrentPoint && !PointExists(n))) return Fail(start);
  const char next = At(p_ + 1);
  if (next == 'x' || next == 'y' || next == 'z') {
    ++p_;
    if (n != kCurrentPoint) RecordPointUse(n);
    return PointCoordinateNode(n, next, start);
  }
  const int m = PointNumber(next);
  if (!m) return Fail(start);
  if (m != kCurrentPoint && !PointExists(m)) return Fail(p_ + 1);
  ++p_;
  if (n != kCurrentPoint) RecordPointUse(n);
  if (m != kCurrentPoint) RecordPointUse(m);
  return DistanceNode(n, m, start);
}

TreePtr Reader::PointCoordinateNode(int point, char axis, int referencePos) {
  if (point == kCurrentPoint)
    return TreePtr(Leaf(axis == 'x' ? node::VarX : axis == 'y' ? node::VarY : node::VarZ, mode_));
  const bool plane = doc.Dimension != 3;
  if (axis == 'z') return TreePtr(plane ? NewNumberNode(mode_, 0) : Leaf(node::PointZ(point), mode_));
  if (plane && eng.UseFigureFormulas) {
    // A point given by formulas is read through its own coordinate texts.
    const int e = doc.PointLetterEntry[point];
    if (IsEntry(e)) {
      const Tfuncprop& entry = doc.FigureTable[e];
      const int drag = entry.dragAxes;
      if (axis == 'x' && (drag == 0 || drag == 5))
        return ParseForeignText(entry.texts[0], parseMode_, {'P', point * 4 + 1}, referencePos);
      if (axis == 'y' && (drag == 1 || drag == 5))
        return ParseForeignText(entry.texts[1], parseMode_, {'P', point * 4 + 2}, referencePos);
    }
  }
  return TreePtr(Leaf(axis == 'x' ? node::PointX(point) : node::PointY(point), mode_));
}

TreePtr Reader::DistanceNode(int p, int q, int referencePos) {
  // (P.x - Q.x)^2 + (Q.y - P.y)^2, plus (P.z - Q.z)^2 in space, under the distance root.
  auto squared = [&](int a, int b, char axis) -> TreePtr {
    TreePtr u = PointCoordinateNode(a, axis, referencePos);
    if (ParseFailed()) return nullptr;
    TreePtr v = PointCoordinateNode(b, axis, referencePos);
    if (ParseFailed()) return nullptr;
    Tfrec* d = NewBinaryNode(node::Difference, u.release(), v.release(), mode_);
    return TreePtr(NewBinaryNode(node::Power, d, NewNumberNode(mode_, 2), mode_));
  };
  TreePtr dx = squared(p, q, 'x');
  if (ParseFailed()) return nullptr;
  TreePtr dy = squared(q, p, 'y');
  if (ParseFailed()) return nullptr;
  TreePtr sum(NewBinaryNode(node::Sum, dx.release(), dy.release(), mode_));
  if (doc.Dimension == 3) {
    TreePtr dz = squared(p, q, 'z');
    if (ParseFailed()) return nullptr;
    sum = TreePtr(NewBinaryNode(node::Sum, sum.release(), dz.release(), mode_));
  }
  return TreePtr(NewUnaryNode(node::DistanceRoot, sum.release(), mode_));
}

TreePtr Reader::ReadAngleForm(int32_t code, int open) {
  const int start = p_;
  const int close = Find(')', open + 1);
  if (!close || close > open + 7) return Fail(start);
  const int length = close - open - 1;
  const int a = open + 1;
  int figure = 0;
  int letters[4] = {};
  int count = 0;
  if (length >= 1 && length <= 3) {
    count = length;
  } else if (length == 5 && At(a + 2) == ',') {
    count = 4;
  } else if (doc.Dimension == 3 && length >= 6 && At(a + 3) == '/' && At(a + 4) == 's') {
    // ABC/sN: the angle ABC on the sphere that is the N-th figure.
    count = 3;
    for (int i = a + 5; i < close; ++i) {
      if (At(i) < '0' || At(i) > '9') return Fail(i);
      figure = figure * 10 + (At(i) - '0');
    }
    const int figures = doc.KindCounts[kKindFigure];
    int groupStart = 0;
    for (int kind = 1; kind < kKindFigure; ++kind) groupStart += doc.KindCounts[kind];
    if (figure < 1 || figure > figures || !IsEntry(groupStart + figure) ||
        doc.FigureTable[groupStart + figure].subkind != 8)
      return Fail(a + 5);
  } else {
    return Fail(a);
  }
  for (int k = 0, i = a; k < count; ++k, ++i) {
    if (At(i) == ',') ++i;
    letters[k] = ExistingPoint(i);
    if (!letters[k]) return Fail(i);
  }
  // The form depends on its points as a coordinate reference does.
  for (int k = 0; k < count; ++k) RecordPointUse(letters[k]);
  p_ = close;
  if (mode_ == 1) return nullptr;
  const int A = letters[0], B = letters[1], C = letters[2], D = letters[3];
  Tfrec* first;
  Tfrec* second;
  switch (count) {
    case 1:
      first = VectorPair(0, A, mode_), second = VectorPair(0, -1, mode_);
      break;
    case 2:
      first = VectorPair(A, B, mode_), second = VectorPair(0, -1, mode_);
      break;
    case 3:
      first = VectorPair(B, C, mode_), second = VectorPair(B, A, mode_);
      break;
    default:
      first = VectorPair(C, D, mode_), second = VectorPair(A, B, mode_);
      break;
  }
  Tfrec* pair = NewBinaryNode(node::Pair, first, second, mode_);
  pair->value = figure;
  return TreePtr(NewUnaryNode(code, pair, mode_));
}

// ---- definitions and entries -----------------------------------------------------------

int Reader::ReadDefinitionNumber(int count, uint8_t editedKind) {
  const int start = p_;
  ++p_;
  Extended v = 0;
  if (!ReadNumber(v)) return 0;
  if (v < 1 || v > count || v != std::trunc(v)) return Fail(start), 0;
  const int n = static_cast<int>(v);
  // While a definition is entered it may refer only to earlier ones.
  if (doc.EditedDefinition.kind == editedKind && n >= doc.EditedDefinition.number) return Fail(start), 0;
  return n;
}

TreePtr Reader::ReadDefinedFunction() {
  const int start = p_;
  const int n = ReadDefinitionNumber(DefinitionCount(doc.DefinedFunctionCount), kEditedFunction);
  if (!n) return nullptr;
  RecordFunctionUse(n);
  int derivatives = 0;
  if (At(p_ + 1) == '\'' || At(p_ + 1) == '"') {
    derivatives = At(p_ + 1) == '\'' ? 1 : 2;
    ++p_;
  }
  if (At(p_ + 1) != '(') return Fail(p_ + 1);
  TreePtr function = ParseForeignText(doc.DefinedFunctionTexts[n], parseMode_, {'F', n}, start);
  if (ParseFailed()) return nullptr;
  if (derivatives && mode_ == 2) {
    for (int k = 0; k < derivatives; ++k) {
      function = SessionDerivative(function.get());
      if (!function) return Fail(start);
    }
  }
  ++paren_;
  p_ += 2;
  return ReadArguments(std::move(function), start);
}

TreePtr Reader::ReadArguments(TreePtr function, int referencePos) {
  // The arguments replace x, y, z, u, v, w, f, g in this order.
  static constexpr int32_t shifted[] = {11024, 11025, 11026, 11018, 11019, 11020, 11006, 11007};
  constexpr int offset = node::ShiftedVariableBase - node::VariableBase;
  if (function) ShiftFunctionVariables(function.get(), 0, offset);
  for (int k = 0;; ++k) {
    if (k == 8) return Fail(p_);
    TreePtr argument = ParseOperatorChain(7);
    if (ParseFailed()) return nullptr;
    if (function) {
      // Each occurrence gets its own copy: refuse what would outgrow the tree limits.
      const int64_t uses = CountCode(function.get(), shifted[k]);
      if (uses > 0) {
        const int64_t made = static_cast<int64_t>(TreeNodesMade() - Session().firstNode);
        if (TreeDepth(function.get()) + TreeDepth(argument.get()) > MaxTreeDepth ||
            made + uses * TreeSize(argument.get()) > MaxTreeNodes)
          return Fail(referencePos);
        Tfrec* root = function.release();
        SubstituteCodeBySubtree(root, argument.get(), shifted[k]);
        function.reset(root);
      }
    }
    if (At(p_) != ',' || p_ >= last_) break;
    ++p_;
  }
  if (p_ >= last_ && At(last_) != ')') return Fail(p_);
  if (function) ShiftFunctionVariables(function.get(), offset, 0);
  return function;
}

TreePtr Reader::ReadDefinedConstant() {
  const int start = p_;
  const int n = ReadDefinitionNumber(DefinitionCount(doc.DefinedConstantCount), kEditedConstant);
  if (!n) return nullptr;
  RecordConstantUse(n);
  if (eng.UseFigureFormulas) return ParseForeignText(doc.DefinedConstantTexts[n], parseMode_, {'Q', n}, start);
  return TreePtr(Leaf(node::Constant(n), mode_));
}

TreePtr Reader::ReadExplicitReference() {
  const int start = p_;
  const int n = ReadDefinitionNumber(doc.KindCounts[kKindExplicit], kEditedExplicit);
  if (!n) return nullptr;
  if (!IsEntry(n)) return Fail(start);
  doc.FigureTable[n].usedByPoint = 1;
  return ParseForeignText(doc.FigureTable[n].texts[0], parseMode_, {'y', n}, start);
}

// ---- usage recording ------------------------------------------------------------------

namespace {

// The entry the scanned text belongs to, or nil when the index names none.
Tfuncprop* CollectEntry() { return IsEntry(eng.CollectIndex) ? &doc.FigureTable[eng.CollectIndex] : nullptr; }

TUsageFlags* EntryPointUsage(const Tfuncprop& entry) {
  return entry.letter <= 28 ? &doc.PointLetterUsage[entry.letter] : nullptr;
}

TUsageFlags* CollectDefinition(OneBased<TUsageFlags, 0, kMaxDefinitions + 1>& table) {
  return table.contains(eng.CollectIndex) ? &table[eng.CollectIndex] : nullptr;
}

}  // namespace

void RecordParameterUse(int32_t code) {
  if (eng.CollectKind == 0) return;
  if (code > node::VarT || code == node::VarF || code == node::VarG) return;
  if (code == node::VarT && eng.ParserCollectMode != 1) return;
  doc.ParameterUsed[code] = 1;
  switch (eng.CollectKind) {
    case 1:
      if (TUsageFlags* d = CollectDefinition(doc.DefinedFunctionUsage)) d->moves = 1;
      break;
    case 2:
      if (TUsageFlags* d = CollectDefinition(doc.DefinedConstantUsage)) d->moves = 1;
      break;
    case 3:
      if (Tfuncprop* e = CollectEntry()) {
        if (TUsageFlags* u = EntryPointUsage(*e)) u->moves = 1;
        e->dependsOnParameter = 1;
      }
      break;
    case 4:
      if (Tfuncprop* e = CollectEntry()) e->dependsOnParameter = 1;
      break;
    default:
      break;
  }
}

void RecordPointUse(int point) {
  if (eng.CollectKind == 0 || point < 1 || point > kMaxPoints) return;
  TUsageFlags& usage = doc.PointLetterUsage[point];
  usage.used = 1;
  switch (eng.CollectKind) {
    case 1:
      if (TUsageFlags* d = CollectDefinition(doc.DefinedFunctionUsage)) d->moves |= usage.moves;
      break;
    case 2:
      if (TUsageFlags* d = CollectDefinition(doc.DefinedConstantUsage)) {
        const int e = doc.PointLetterEntry[point];
        if (IsEntry(e)) d->moves |= doc.FigureTable[e].dependsOnParameter;
      }
      break;
    case 3:
    case 4:
      if (Tfuncprop* e = CollectEntry()) {
        e->dependsOnParameter |= usage.moves;
        if (eng.CollectKind == 4) e->usesPoint = 1;
      }
      break;
    default:
      break;
  }
}

namespace {
void RecordDefinitionUse(TUsageFlags& definition) {
  definition.used = 1;
  if (eng.CollectKind != 3 && eng.CollectKind != 4) return;
  if (Tfuncprop* e = CollectEntry()) {
    e->dependsOnParameter |= definition.moves;
    if (eng.CollectKind == 3)
      if (TUsageFlags* u = EntryPointUsage(*e)) u->moves |= definition.moves;
  }
}
}  // namespace

void RecordFunctionUse(int n) {
  if (eng.CollectKind != 0) RecordDefinitionUse(doc.DefinedFunctionUsage[n]);
}

void RecordConstantUse(int n) {
  if (eng.CollectKind != 0) RecordDefinitionUse(doc.DefinedConstantUsage[n]);
}
