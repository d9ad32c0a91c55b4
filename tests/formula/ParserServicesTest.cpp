// The parser's calls into the simplifier, through stand-ins that record what they were
// given.
#include <gtest/gtest.h>

#include <vector>

#include "ParserTestSupport.h"
#include "formula/EngineServices.h"
#include "support/StateFixture.h"

namespace {

std::vector<std::string> calls;

void FakeSimplify(Tfrec*& tree, int mode) { calls.push_back("simplify " + std::to_string(mode) + " " + PrefixForm(tree)); }

void FakeSubstitute(Tfrec*& tree) { calls.push_back("substitute " + PrefixForm(tree)); }

bool FakeIsExact(const Tfrec* tree) { return PrefixForm(tree).find('x') == std::string::npos; }

class ParserServicesTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    calls.clear();
  }
  void TearDown() override {
    engineServices = EngineServices{};
    StateTest::TearDown();
  }
};

TEST_F(ParserServicesTest, ModesThreeAndTwoAreFinishedByTheSimplifier) {
  engineServices.SimplifyTree = FakeSimplify;
  engineServices.SubstituteParametersAndSimplify = FakeSubstitute;
  EXPECT_EQ(Parsed("a*x", 3), "(* a x)");
  EXPECT_EQ(Parsed("log2(x)", 2), "(logb 2 x)");
  EXPECT_TRUE(Valid("a*x", 1));
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "substitute (* a x)");
  EXPECT_EQ(calls[1], "simplify 2 (* a x)");
  EXPECT_EQ(calls[2], "simplify 2 (logb 2 x)");
}

TEST_F(ParserServicesTest, CombinationArgumentsMustBeExactInCheckMode) {
  EXPECT_TRUE(Valid("C(x,2)"));  // without the test every argument passes
  engineServices.IsExactTree = FakeIsExact;
  EXPECT_TRUE(Valid("C(5,2)+P(n,2)"));
  EXPECT_EQ(Parsed("C(x,2)", 1), "error@4");
  EXPECT_EQ(Parsed("P(5,x+1)", 1), "error@6");
  EXPECT_EQ(Parsed("C(x,2)", 2), "(C x 2)");  // only check mode tests exactness
}

}  // namespace
