#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "formula/Numeric.h"
#include "formula/Tfrec.h"
#include "support/StateFixture.h"

namespace {

TEST(NumericTest, GcdAndReduceFraction) {
  EXPECT_EQ(Gcd(12, 18), 6);
  EXPECT_EQ(Gcd(-4, 6), 2);
  EXPECT_EQ(Gcd(7, 7), 7);
  EXPECT_EQ(Gcd(5, 3), 1);
  EXPECT_EQ(Gcd(9999800001, 99999), 99999);  // 64-bit arguments

  int32_t n = 4, d = -6;
  ReduceFraction(n, d);
  EXPECT_EQ(n, -2);
  EXPECT_EQ(d, 3);
  n = 0, d = 5;
  ReduceFraction(n, d);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(d, 5);
  n = -3, d = -9;
  ReduceFraction(n, d);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(d, 3);
}

TEST(NumericTest, IntegerTests) {
  EXPECT_TRUE(IsEven(4));
  EXPECT_TRUE(IsEven(-2));
  EXPECT_TRUE(IsEven(0));
  EXPECT_FALSE(IsEven(3));
  EXPECT_FALSE(IsEven(1));  // round(0.5) is 0, so 1 is not 2 * round(1/2)

  EXPECT_TRUE(IsSmallInteger(99999));
  EXPECT_TRUE(IsSmallInteger(-99999));
  EXPECT_FALSE(IsSmallInteger(100000));
  EXPECT_FALSE(IsSmallInteger(2.5));
  EXPECT_FALSE(IsSmallInteger(NAN));

  EXPECT_EQ(Floor(-1.5L), -2);
  EXPECT_EQ(Floor(-2), -2);
  EXPECT_EQ(Floor(2.7L), 2);
  EXPECT_EQ(Floor(-0.25L), -1);

  EXPECT_EQ(Sign(-0.1L), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(3), 1);

  int which = 0;
  EXPECT_EQ(MinWithIndex(which, 5, 2), 2);
  EXPECT_EQ(which, 1);
  EXPECT_EQ(MinWithIndex(which, 2, 2), 2);
  EXPECT_EQ(which, 2);
}

using NumericStateTest = StateTest;

TEST_F(NumericStateTest, PointInViewIncludesTheBounds) {
  EXPECT_TRUE(PointInView(5, -5));
  EXPECT_TRUE(PointInView(0, 0));
  EXPECT_FALSE(PointInView(5.01L, 0));
  EXPECT_FALSE(PointInView(0, -5.01L));
}

TEST_F(NumericStateTest, Powers) {
  EXPECT_EQ(PowerInt(2, 10), 1024);
  EXPECT_EQ(PowerInt(2, -2), 0.25L);
  EXPECT_EQ(PowerInt(-3, 3), -27);
  EXPECT_EQ(PowerInt(7, 0), 1);
  EXPECT_EQ(PowerPositiveInt(2, 2.5L), 4);  // the count rounds half to even
  EXPECT_EQ(PowerPositiveInt(2, 3.5L), 16);
  EXPECT_EQ(PowerPositiveInt(2, -1), 1);
  EXPECT_EQ(PowerPositiveInt(1.5L, 2), 2.25L);
  EXPECT_EQ(PowerPositiveInt(3, 40), 12157665459056928801.0L);  // exact in 64 bits
  EXPECT_EQ(PowerPositiveInt(1, 1e18L), 1);  // a huge count does not loop for ever

  EXPECT_EQ(PowerReal(3, 2), 9);       // not cut down to 8 from e^(2 ln 3)
  EXPECT_EQ(PowerReal(2, -1), 0.5L);   // not cut to 0
  EXPECT_EQ(PowerReal(-2, 3), 8);      // the magnitude of the base
  EXPECT_NEAR(PowerReal(2, 0.5L), std::sqrt(2.0L), 1e-18L);
  EXPECT_EQ(eng.EvalOK, 1);
  EXPECT_EQ(PowerReal(10, 5000.5L), LDBL_MAX);
  EXPECT_EQ(eng.EvalOK, 0);
}

TEST_F(NumericStateTest, InverseTrigonometry) {
  struct Case {
    Extended (*f)(Extended);
    Extended x, expected;
    uint8_t ok;
  };
  const std::vector<Case> cases = {
      {ArcSin, 1, PiValue / 2, 1},       {ArcSin, -1, -PiValue / 2, 1},    {ArcSin, 0.5L, PiValue / 6, 1},
      {ArcSin, 1.0000001L, 0, 0},    {ArcSin, NAN, 0, 0},          {ArcCos, -1, PiValue, 1},
      {ArcCos, 0, PiValue / 2, 1},       {ArcCos, 1, 0, 1},            {ArcCos, -0.5L, 2 * PiValue / 3, 1},
      {ArcCos, 0.5L, PiValue / 3, 1},    {ArcCos, -1.5L, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.f == ArcSin ? "ArcSin " : "ArcCos ") << static_cast<double>(c.x));
    eng.EvalOK = 1;
    EXPECT_NEAR(c.f(c.x), c.expected, 1e-18L);
    EXPECT_EQ(eng.EvalOK, c.ok);
  }
  EXPECT_NEAR(Sinh(1), (std::exp(1.0L) - std::exp(-1.0L)) / 2, 1e-18L);
  EXPECT_EQ(Cosh(0), 1);
}

TEST_F(NumericStateTest, CombinationsAndPermutations) {
  struct Case {
    Extended (*f)(Extended, Extended);
    Extended n, r, expected;
    uint8_t ok;
  };
  const std::vector<Case> cases = {
      {Combinations, 5, 2, 10, 1},
      {Combinations, 5, 0, 1, 1},
      {Combinations, 5, 1, 5, 1},
      {Combinations, 5, 5, 1, 1},
      {Combinations, 10, 3, 120, 1},
      {Combinations, 5, 6, 1, 0},
      {Combinations, -1, 0, 1, 0},  // the domain is checked before the shortcuts
      {Combinations, 5, -1, 1, 0},
      {Combinations, 3000, 1500, 1, 0},  // the products overflow
      {Permutations, 5, 2, 20, 1},
      {Permutations, 5, 0, 1, 1},
      {Permutations, 5, 1, 5, 1},
      {Permutations, 5, 5, 120, 1},
      {Permutations, 20, 20, 2432902008176640000.0L, 1},
      {Permutations, 2.5L, 2, 3.75L, 1},
      {Permutations, 2.5L, 2.5L, 1, 0},  // a fractional count ends below zero
      {Permutations, 3, 4, 1, 0},
      {Permutations, -2, 1, 1, 0},
      {Permutations, 100000, 100000, 1, 0},  // 100000! overflows; no deep recursion
      {Permutations, 1e6L, 1e6L, 1, 0},
      {Permutations, 1e30L, 1e30L, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.f == Combinations ? "C(" : "P(") << static_cast<double>(c.n)
                                    << "," << static_cast<double>(c.r) << ")");
    eng.EvalOK = 1;
    EXPECT_EQ(c.f(c.n, c.r), c.expected);
    EXPECT_EQ(eng.EvalOK, c.ok);
  }

  eng.EvalOK = 0;
  EXPECT_EQ(Combinations(5, 2), 1);  // an earlier error stands
  EXPECT_EQ(eng.EvalOK, 0);
}

}  // namespace
