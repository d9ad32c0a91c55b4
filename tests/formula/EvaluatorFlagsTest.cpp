// The flags a curve sampler reads while it evaluates one tree along a curve: zero and pole
// crossings, jumps, and the history they are computed from.
#include <gtest/gtest.h>

#include <vector>

#include "EvaluatorTestSupport.h"

namespace {

struct Step {
  Extended x;
  bool zero, pole, jump;  // root zeroCrossed, poleCrossed, LineContinues after this step
};

struct FlagCase {
  const char* text;
  std::vector<Step> steps;
};

TEST_F(EvaluatorTest, FlagsAlongACurve) {
  const FlagCase cases[] = {
      {"1/x", {{-0.2L, false, false, false}, {-0.1L, false, false, false}, {0.1L, false, true, true}}},
      {"sin(x)", {{-0.2L, false, false, false}, {-0.1L, false, false, false}, {0.1L, true, false, false}}},
      {"tan(x)", {{1.4L, false, false, false}, {1.5L, false, false, false}, {1.6L, false, true, true}}},
      {"sgn(x)", {{-2, false, false, false}, {-1, false, false, false}, {1, false, false, true}}},
      {"gaus(x)", {{0.2L, false, false, false}, {0.5L, false, false, false}, {1.2L, false, false, true}}},
      {"int(x)", {{0.2L, false, false, false}, {0.7L, false, false, false}, {1.2L, false, false, true}}},
      {"intc(x)", {{0.2L, false, false, false}, {0.7L, false, false, false}, {1.2L, false, false, false}}},
      {"frac(x)", {{0.2L, false, false, false}, {0.99L, false, false, false}, {1.01L, false, false, true}}},
      {"x-1", {{0.5L, false, false, false}, {0.9L, false, false, false}, {1.1L, true, false, false}}},
      {"log(x)", {{0.5L, false, false, false}, {0.9L, false, false, false}, {1.1L, true, false, false}}},
      // 1/x + 1/(-x) cancels its poles; 1/x + 1/x does not.
      {"1/x+1/(-x)+1", {{-0.2L, false, false, false}, {-0.1L, false, false, false}, {0.1L, false, false, false}}},
      {"1/x+1/x", {{-0.2L, false, false, false}, {-0.1L, false, false, false}, {0.1L, true, true, true}}},
      {"x*(1/x)", {{-0.2L, false, false, false}, {-0.1L, false, false, false}, {0.1L, true, false, true}}},
  };
  for (const auto& c : cases) {
    SampledTree t(c.text);
    ASSERT_NE(t.root(), nullptr) << c.text;
    // The first evaluation of a fresh tree compares with the zeros of its construction.
    t.At(c.steps[0].x);
    for (size_t k = 1; k < c.steps.size(); ++k) {
      const Step& s = c.steps[k];
      t.At(s.x);
      EXPECT_EQ(t.root()->zeroCrossed, s.zero) << c.text << " at " << static_cast<double>(s.x);
      EXPECT_EQ(t.root()->poleCrossed, s.pole) << c.text << " at " << static_cast<double>(s.x);
      EXPECT_EQ(eng.LineContinues, s.jump) << c.text << " at " << static_cast<double>(s.x);
    }
  }
}

TEST_F(EvaluatorTest, EveryNodeKeepsItsPreviousValue) {
  SampledTree t("x^2+1");
  t.At(2);
  t.At(3);
  EXPECT_EQ(t.root()->value, 10);
  EXPECT_EQ(t.root()->prevValue, 5);
  EXPECT_EQ(t.root()->left->prevValue, 4);
}

TEST_F(EvaluatorTest, ADomainErrorLeavesTheNodeAsItWas) {
  SampledTree t("sqrt(x)");
  t.At(4);
  EXPECT_FALSE(t.At(-1).ok);
  // The failing node keeps its last value; the root is marked invalid by the outer call.
  EXPECT_EQ(t.root()->value, 2);
  EXPECT_EQ(t.root()->valid, 0);
  EXPECT_EQ(t.At(9).value, 3);
}

TEST_F(EvaluatorTest, CopyPoleFlagsTakesThemFromTheOperand) {
  SampledTree t("-(1/x)");
  t.At(-0.1L);
  t.At(0.1L);
  Tfrec* root = t.root();
  ASSERT_EQ(root->code, node::Negate);
  root->zeroCrossed = root->poleCrossed = 0;
  CopyPoleFlags(root);
  EXPECT_EQ(root->poleCrossed, 1);
}

}  // namespace
