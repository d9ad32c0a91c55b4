#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "formula/Fraction.h"
#include "support/StateFixture.h"

namespace {

TFraction F(int32_t num, int32_t den) { return TFraction{1, num, den}; }
const TFraction kInexact{0, 0, 1};

// Compares what matters: the flag always, the parts only while exact.
void ExpectFraction(const TFraction& expected, const TFraction& actual) {
  EXPECT_EQ(expected.exact, actual.exact);
  if (expected.exact && actual.exact) {
    EXPECT_EQ(expected.num, actual.num);
    EXPECT_EQ(expected.den, actual.den);
  }
}

struct BinaryCase {
  const char* name;
  TFraction a, b;
  int op;
  TFraction expected;
};

void ExpectCases(void (*operation)(const TFraction&, const TFraction&, int, TFraction&),
                 const std::vector<BinaryCase>& cases) {
  for (const BinaryCase& c : cases) {
    SCOPED_TRACE(c.name);
    TFraction out;
    operation(c.a, c.b, c.op, out);
    ExpectFraction(c.expected, out);
  }
}

TEST(FractionTest, AddAndSubtract) {
  const std::vector<BinaryCase> cases = {
      {"1/3 + 1/6", F(1, 3), F(1, 6), 0, F(1, 2)},
      {"1/3 - 1/6", F(1, 3), F(1, 6), 1, F(1, 6)},
      {"sign goes to the numerator", F(1, 6), F(1, 3), 1, F(-1, 6)},
      {"difference of equals is 0/1", F(1, 2), F(1, 2), 1, F(0, 1)},
      {"70000 + 30000 reaches the limit", F(70000, 1), F(30000, 1), 0, F(100000, 1)},
      {"70000 + 40000 passes the limit", F(70000, 1), F(40000, 1), 0, kInexact},
      {"large denominators that cancel", F(1, 99991), F(-1, 99991), 0, F(0, 1)},
      {"denominator product beyond the limit", F(1, 99991), F(1, 99989), 0, kInexact},
      {"inexact operand", kInexact, F(1, 2), 0, kInexact},
      {"zero denominator", F(1, 0), F(1, 2), 0, kInexact},
      {"operand beyond the limit", F(100001, 1), F(-1, 1), 0, kInexact},
  };
  ExpectCases(FractionAddSub, cases);
}

TEST(FractionTest, MultiplyAndDivide) {
  const std::vector<BinaryCase> cases = {
      {"2/3 * 3/4", F(2, 3), F(3, 4), 0, F(1, 2)},
      {"2/3 / 4/3", F(2, 3), F(4, 3), 1, F(1, 2)},
      {"division by a negative", F(1, 2), F(-1, 4), 1, F(-2, 1)},
      {"product reaching the limit", F(50000, 1), F(2, 1), 0, F(100000, 1)},
      {"product beyond the limit", F(50001, 1), F(2, 1), 0, kInexact},
      // In 32 bits this product wraps to 0 and would pass for an exact zero.
      {"65536 * 65536 never wraps", F(65536, 1), F(65536, 1), 0, kInexact},
      {"large parts that cancel", F(99991, 3), F(3, 99991), 0, F(1, 1)},
      {"division by zero", F(2, 3), F(0, 1), 1, kInexact},
      {"zero times anything", F(0, 1), F(7, 9), 0, F(0, 1)},
  };
  ExpectCases(FractionMulDiv, cases);
}

TEST(FractionTest, Scale) {
  struct Case {
    TFraction f;
    int64_t k;
    int op;
    TFraction expected;
  };
  const std::vector<Case> cases = {
      {F(1, 3), 3, 0, F(1, 1)},
      {F(1, 3), 2, 1, F(1, 6)},
      {F(2, 3), -4, 1, F(-1, 6)},
      {F(1, 3), 0, 1, kInexact},
      {F(1, 3), 0, 0, F(0, 1)},
      {F(3, 1), 40000, 0, kInexact},
      {F(1, 100000), 10000000000, 0, F(100000, 1)},
      {F(1, 1), int64_t{1} << 40, 0, kInexact},
      {kInexact, 2, 0, kInexact},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.f.num << "/" << c.f.den << " op " << c.op << " " << c.k);
    TFraction out;
    FractionScale(c.f, c.k, c.op, out);
    ExpectFraction(c.expected, out);
  }
}

TEST(FractionTest, MakeFractionReducesAndLimits) {
  ExpectFraction(F(-2, 3), MakeFraction(4, -6));
  ExpectFraction(F(0, 1), MakeFraction(0, -5));
  ExpectFraction(kInexact, MakeFraction(1, 0));
  ExpectFraction(F(100000, 1), MakeFraction(200000, 2));
  ExpectFraction(kInexact, MakeFraction(100001, 1));
  ExpectFraction(kInexact, MakeFraction(1, -100001));
}

using FractionGeometryTest = StateTest;

TSpacePoint P(TFraction x, TFraction y, TFraction z) {
  TSpacePoint p;
  p.fx = x;
  p.fy = y;
  p.fz = z;
  return p;
}

TEST_F(FractionGeometryTest, DistanceSquared) {
  TFraction out;
  DistanceSquaredExact(P(F(0, 1), F(0, 1), F(0, 1)), P(F(1, 2), F(1, 3), F(0, 1)), out);
  ExpectFraction(F(13, 36), out);

  DistanceSquaredExact(P(F(1, 1), F(2, 1), F(3, 1)), P(F(-1, 1), F(0, 1), F(4, 1)), out);
  ExpectFraction(F(9, 1), out);

  // 400^2 + 0 + 0 passes the limit on the square alone.
  DistanceSquaredExact(P(F(400, 1), F(0, 1), F(0, 1)), P(F(0, 1), F(0, 1), F(0, 1)), out);
  ExpectFraction(kInexact, out);

  DistanceSquaredExact(P(F(1, 1), kInexact, F(0, 1)), P(F(0, 1), F(0, 1), F(0, 1)), out);
  ExpectFraction(kInexact, out);
}

TEST_F(FractionGeometryTest, DotProductUsesZOnlyInSpace) {
  TSpacePoint p = P(F(1, 2), F(2, 1), F(3, 1));
  TSpacePoint q = P(F(2, 3), F(1, 4), F(5, 1));
  TFraction out;
  VecDotExact(p, q, out);
  ExpectFraction(F(5, 6), out);

  doc.Dimension = 3;
  VecDotExact(p, q, out);
  ExpectFraction(F(95, 6), out);

  p.fz = kInexact;
  VecDotExact(p, q, out);
  ExpectFraction(kInexact, out);
}

}  // namespace

namespace {

// Against exact 128-bit rational arithmetic: a result is exact exactly when the reduced
// value fits the limit, and then it is that value.
TEST(FractionTest, AgreesWithWideArithmetic) {
  uint64_t seed = 12345;
  auto next = [&](int64_t range) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int64_t>((seed >> 33) % (2 * range + 1)) - range;
  };
  auto gcd = [](__int128 a, __int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b) a %= b, std::swap(a, b);
    return a;
  };
  for (int k = 0; k < 20000; ++k) {
    const int64_t range = (k % 3 == 0) ? 100000 : (k % 3 == 1 ? 400 : 12);
    TFraction a = MakeFraction(next(range), next(range));
    TFraction b = MakeFraction(next(range), next(range));
    if (!a.exact || !b.exact) continue;
    const int op = k % 4;
    __int128 num, den;
    TFraction out;
    switch (op) {
      case 0: num = __int128{a.num} * b.den + __int128{b.num} * a.den, den = __int128{a.den} * b.den; FractionAddSub(a, b, 0, out); break;
      case 1: num = __int128{a.num} * b.den - __int128{b.num} * a.den, den = __int128{a.den} * b.den; FractionAddSub(a, b, 1, out); break;
      case 2: num = __int128{a.num} * b.num, den = __int128{a.den} * b.den; FractionMulDiv(a, b, 0, out); break;
      default: num = __int128{a.num} * b.den, den = __int128{a.den} * b.num; FractionMulDiv(a, b, 1, out); break;
    }
    bool exact = den != 0;
    if (exact) {
      const __int128 g = num == 0 ? den : gcd(num, den);
      num /= g, den /= g;
      if (den < 0) num = -num, den = -den;
      if (num == 0) den = 1;
      exact = num <= kFractionLimit && num >= -kFractionLimit && den <= kFractionLimit;
    }
    ASSERT_EQ(out.exact, exact ? 1 : 0) << a.num << "/" << a.den << " op " << op << " " << b.num << "/" << b.den;
    if (exact) {
      ASSERT_EQ(out.num, static_cast<int64_t>(num));
      ASSERT_EQ(out.den, static_cast<int64_t>(den));
    }
  }
}

}  // namespace
