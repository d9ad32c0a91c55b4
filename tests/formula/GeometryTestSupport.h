#pragma once
// A document builder for the geometry tests.
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

// The program's reset chain and exact mode as a plane redraw has it.
class GeometryTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    eng.UseFigureFormulas = 1;
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
