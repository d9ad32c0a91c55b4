#pragma once
// A document builder for the geometry tests, and a small stand-in for the evaluator that
// covers what construction texts use: numbers, pi, the five operators, unary minus,
// sqrt, sin, cos, letter variables and point coordinates, with exact fractions of
// sums, differences, products and quotients while exact mode is on.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "formula/ConstructedPoints.h"
#include "formula/DocumentState.h"
#include "formula/GeometryTexts.h"
#include "formula/Parser.h"
#include "formula/Fraction.h"
#include "formula/Tfrec.h"
#include "formula/VariableValues.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"

namespace geometry_test {

inline void SetExactNode(Tfrec& n, const TFraction& f) {
  n.exact = eng.UseFigureFormulas && IsExactFraction(f) && std::abs(f.num) <= 10000 && std::abs(f.den) <= 10000;
  n.num = f.num;
  n.den = f.den;
}

inline TFraction NodeFraction(const Tfrec* n) { return TFraction{n->exact, n->num, n->den}; }

inline Extended FakeNode(Tfrec* n, Extended x, Extended y, Extended z) {
  n->exact = 0;
  n->valid = 1;
  auto binary = [&](auto op) {
    const Extended l = FakeNode(n->left, x, y, z), r = FakeNode(n->right, x, y, z);
    n->valid = n->left->valid && n->right->valid;
    return op(l, r);
  };
  Extended v = 0;
  TFraction f{}, lf{}, rf{};
  const int32_t c = n->code;
  switch (c) {
    case node::Number:
      v = n->value;
      if (v == std::nearbyint(v) && std::fabs(v) <= 10000) SetExactNode(*n, MakeFraction(static_cast<int64_t>(v), 1));
      break;
    case node::Pi: v = PiValue; break;
    case node::Sum:
    case node::Difference:
    case node::Product:
    case node::Quotient:
      v = binary([&](Extended l, Extended r) {
        switch (c) {
          case node::Sum: return l + r;
          case node::Difference: return l - r;
          case node::Product: return l * r;
          default:
            if (r == 0) eng.EvalOK = 0;
            return r == 0 ? Extended{0} : l / r;
        }
      });
      if (n->left->exact && n->right->exact) {
        lf = NodeFraction(n->left);
        rf = NodeFraction(n->right);
        if (c == node::Sum || c == node::Difference)
          FractionAddSub(lf, rf, c == node::Sum ? 0 : 1, f);
        else
          FractionMulDiv(lf, rf, c == node::Product ? 0 : 1, f);
        SetExactNode(*n, f);
      }
      break;
    case node::Power: v = binary([](Extended l, Extended r) { return std::pow(l, r); }); break;
    case node::Negate:
      v = -FakeNode(n->right, x, y, z);
      n->valid = n->right->valid;
      if (n->right->exact) SetExactNode(*n, MakeFraction(-int64_t{n->right->num}, n->right->den));
      break;
    case node::Sqrt:
    case node::Sin:
    case node::Cos: {
      const Extended r = FakeNode(n->right, x, y, z);
      n->valid = n->right->valid;
      if (c == node::Sqrt && r < 0) eng.EvalOK = 0;
      v = c == node::Sqrt ? std::sqrt(r) : c == node::Sin ? std::sin(r) : std::cos(r);
      break;
    }
    case node::VarX: v = x; break;
    case node::VarY: v = y; break;
    case node::VarZ: v = z; break;
    default:
      if (c > node::PointXBase && c <= node::PointZBase + kMaxPoints) {
        const int axis = (c - node::PointXBase - 1) / 30, point = (c - node::PointXBase - 1) % 30 + 1;
        RefreshPointSequence(point, doc.PointLetterEntry[point]);
        const TSpacePoint& p = doc.PointSequences[point][0];
        v = axis == 0 ? p.x : axis == 1 ? p.y : p.z;
        if (!p.valid) eng.EvalOK = 0;
      } else if (char letter = LetterOfNodeCode(c)) {
        v = ReadVariable(doc.VariableValues, letter);
      } else {
        ADD_FAILURE() << "the stand-in evaluator has no rule for node code " << c;
        eng.EvalOK = 0;
      }
  }
  n->value = v;
  return v;
}

// EvaluateText and EvaluateConstantText as the evaluator gives them.
inline Tfrec* FakeEvaluate(const std::string& text, Extended x, Extended y, Extended z, Extended& value) {
  Tfrec* tree = ParseExpression(text, 3);
  value = 0;
  eng.EvalDrawable = 0;
  if (!eng.ParseOK || !tree) return tree;
  doc.VariableValues.X = x;
  doc.VariableValues.Y = y;
  doc.VariableValues.Z = z;
  eng.EvalOK = 1;
  const Extended v = FakeNode(tree, x, y, z);
  eng.EvalDrawable = tree->valid && eng.EvalOK && std::isfinite(v);
  if (eng.EvalDrawable) value = v;
  return tree;
}

inline Extended FakeEvaluateText(const std::string& text, Extended x, Extended y, Extended z) {
  Extended value;
  Tfrec* tree = FakeEvaluate(text, x, y, z, value);
  DisposeTree(tree);
  return value;
}

inline void FakeEvaluateConstantText(const std::string& text, Extended& value, TFraction& fraction) {
  const TVariableValues& v = doc.VariableValues;
  Tfrec* tree = FakeEvaluate(text.empty() ? std::string("0") : text, v.X, v.Y, v.Z, value);
  fraction = tree ? TFraction{tree->exact, tree->num, tree->den} : TFraction{0, 1, 1};
  DisposeTree(tree);
}

// The program's reset chain, the stand-in evaluator and exact mode as a plane redraw has it.
class GeometryTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    SetGeometryEvaluator({FakeEvaluateText, FakeEvaluateConstantText});
    eng.UseFigureFormulas = 1;
  }
  void TearDown() override {
    SetGeometryEvaluator({});
    StateTest::TearDown();
  }
};

inline TSpacePoint P(Extended x, Extended y, Extended z = 0) {
  TSpacePoint p;
  InitSpacePoint(p);
  p.x = x;
  p.y = y;
  p.z = z;
  return p;
}

// A point with exact coordinates num/den.
inline TSpacePoint PExact(int32_t x, int32_t y, int32_t z = 0) {
  TSpacePoint p = P(x, y, z);
  p.fx = TFraction{1, x, 1};
  p.fy = TFraction{1, y, 1};
  p.fz = TFraction{1, z, 1};
  return p;
}

inline int PointNumber(char letter) {
  for (int k = 0; k < kMaxPoints; ++k)
    if (PointNameOrder[k] == letter) return k + 1;
  return 0;
}

// Builds the figure table the way the navigator keeps it: figures first, then points.
class DocumentBuilder {
 public:
  // A figure of kind 7; returns its figure number (counted among the figures).
  int Figure(int type, std::initializer_list<std::string> texts, char letter = 0, char letter2 = 0) {
    EXPECT_EQ(doc.KindCounts[kKindPoint], 0) << "add figures before points";
    Tfuncprop& e = Add(kKindFigure, type, texts);
    if (letter) e.letter = static_cast<uint8_t>(PointNumber(letter));
    if (letter2) e.letter2 = static_cast<uint8_t>(PointNumber(letter2));
    return doc.KindCounts[kKindFigure];
  }
  // A point entry named `letter`; returns its entry number.
  int Point(char letter, int code, std::initializer_list<std::string> texts, int dragAxes = 5) {
    Tfuncprop& e = Add(kKindPoint, code, texts);
    const int n = PointNumber(letter);
    e.letter = static_cast<uint8_t>(n);
    e.dragAxes = static_cast<uint8_t>(dragAxes);
    doc.PointLetterEntry[n] = doc.EntryCount;
    doc.PointLetterUsage[n].exists = 1;
    doc.PointSequenceDirty[n] = 1;
    return doc.EntryCount;
  }
  // Coordinates given as the x, y and z texts.
  int At(char letter, const std::string& x, const std::string& y, const std::string& z = "") {
    return Point(letter, kByCoordinates, {x, y, "", z});
  }

 private:
  Tfuncprop& Add(int kind, int subkind, std::initializer_list<std::string> texts) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kind);
    e.subkind = static_cast<uint8_t>(subkind);
    int i = 0;
    for (const std::string& t : texts) e.texts[i++] = t;
    ++doc.KindCounts[kind];
    return e;
  }
};

inline void MarkAllPointsDirty() {
  for (int n = 1; n <= kMaxPoints; ++n) doc.PointSequenceDirty[n] = 1;
}

inline TSpacePoint PointOf(char letter) {
  TSpacePoint p;
  GetSequencePoint(PointNumber(letter), 0, p);
  return p;
}

inline void ExpectNear(const TSpacePoint& p, Extended x, Extended y, Extended z = 0, Extended tol = 1e-12L) {
  EXPECT_TRUE(p.valid);
  EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(x), static_cast<double>(tol));
  EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(y), static_cast<double>(tol));
  EXPECT_NEAR(static_cast<double>(p.z), static_cast<double>(z), static_cast<double>(tol));
}

inline void ExpectExact(const TFraction& f, int32_t num, int32_t den) {
  EXPECT_TRUE(IsExactFraction(f));
  if (IsExactFraction(f)) {
    EXPECT_EQ(f.num, num);
    EXPECT_EQ(f.den, den);
  }
}

}  // namespace geometry_test
