#include <gtest/gtest.h>

#include "formula/VariableValues.h"
#include "platform/Sjis.h"
#include "render/NumberLabels.h"
#include "support/StateFixture.h"

namespace {

class LabelValue : public StateTest {};

TEST_F(LabelValue, SuffixesFractionsSignsAndFailures) {
  const struct {
    const char* text;
    const char* utf8;
    std::uint8_t mode;
  } cases[] = {
      {"1/3|2", "0.33", kLabelValuePlain},
      {"1/4|3", "0.25", kLabelValuePlain},     // trailing zeros dropped
      {"2/3|1", "0.7", kLabelValuePlain},
      {"1/3|40", "0.33333333333333333", kLabelValuePlain},  // at most 17 decimals
      {"100|-1", "100", kLabelValuePlain},     // no decimals: an integer keeps its zeros
      {"2.5|0", "2.5", kLabelValuePlain},      // 0 decimals asks for the default
      {"1/3|x+", "0.3333", kLabelValuePlain},  // a suffix that is no number
      {"1/3", "1/3", kLabelValuePlain},        // exact fractions as fractions
      {"2/4", "1/2", kLabelValuePlain},
      {"6/3", "2", kLabelValuePlain},
      {"0/5", "0", kLabelValuePlain},
      {"sqrt(2)", "1.4142", kLabelValuePlain},
      {"pi|pi", "1.000π", kLabelValuePi},
      {"pi/2|deg", "90.00ﾟ", kLabelValueDegrees},
      {"a+b|1", "2", kLabelValuePlain},        // parameters at their values
      {"x+", "******", kLabelValuePlain},      // does not parse
      {"", "******", kLabelValuePlain},
      {"sqrt(-1)", "******", kLabelValuePlain},  // not drawable
      {"+2", "+ 2", kLabelValuePlain},
      {"+(0-2)", "- 2", kLabelValuePlain},
      {"+1/3", "+ 1/3", kLabelValuePlain},
      {"+0+0", "", kLabelValuePlain},          // a term of value 0 is left out
      {"+0+1", "+ 1", kLabelValuePlain},
      {"+0", "+ 0", kLabelValuePlain},
  };
  for (const auto& c : cases) {
    std::uint8_t mode = 99;
    EXPECT_EQ(FormatLabelValue(c.text, mode), sj(c.utf8)) << c.text;
    EXPECT_EQ(mode, c.mode) << c.text;
    EXPECT_EQ(eng.UseFigureFormulas, 0) << c.text;
  }
}

}  // namespace
