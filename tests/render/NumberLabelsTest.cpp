#include <gtest/gtest.h>

#include "platform/Sjis.h"
#include "render/NumberLabels.h"

namespace {

TEST(TickLabels, DecimalDegreeAndEmptyLabels) {
  const struct {
    int index;
    std::uint8_t unit;
    int64_t k;
    bool xAxis;
    const char* utf8;
  } cases[] = {
      {1, 1, 3, true, "3"},
      {1, 1, -4, false, "-4"},
      {-2, 1, 3, true, "0.3"},        // 3 steps of 0.1 in single precision
      {-6, 1, -7, true, "-0.07"},
      {-9, 1, 1, true, "0.0005"},
      {8, 1, 12, true, "1200"},
      {1, 1, 0, true, "O"},           // the origin
      {1, 0, 3, true, ""},            // an axis without numbers
      {1, 2, 2, true, "π/2"},
      {1, 2, 4, true, "π"},
      {1, 2, 6, true, "3π/2"},
      {1, 2, -2, true, "-π/2"},
      {1, 2, -4, false, "-π"},
      {1, 2, 3, true, ""},            // only every second tick
      {5, 2, 2, true, "8π"},
      {-3, 2, 6, true, "3π/32"},
      {kMaxTickIndex, 2, 1LL << 40, true, ""},  // beyond what the fraction can hold
      {1, 3, 2, true, "90°"},
      {1, 3, -2, false, "-90゜"},
      {1, 3, 1, true, ""},            // only every second tick
      {1, 4, 2, true, "60°"},
      {-1, 3, 2, true, "30°"},
      {-5, 3, 4, false, "2゜"},
      {-2, 4, 2, true, "6.66666666666667°"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TickLabelText(AxisTickStep(c.index, c.unit), c.k, c.xAxis), sj(c.utf8))
        << "i=" << c.index << " unit " << int(c.unit) << " k=" << c.k;
  }
}

TEST(TickLabels, TrimTrailingZerosOnlyAfterADecimalPoint) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"2.5000", "2.5"}, {"3.0000", "3"}, {"0", "0"},       {"", ""},
               {"0.0000", "0"},   {"-0.50", "-0.5"}, {"100", "100"}, {"-20", "-20"},
               {"1.5E10", "1.5E10"}};
  for (const auto& c : cases) EXPECT_EQ(TrimTrailingZeros(c.in), c.out) << c.in;
}

}  // namespace
