#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"
#include "render/MarkupLayout.h"
#include "render/MarkupParse.h"
#include "render/MathLabel.h"
#include "render/ToolkitFixture.h"

namespace {

// The recording canvas measures a single-byte character |h| / 2 wide and a double-byte
// one at its cell height (0.8 of |h|), so the numbers below follow from the layout rules
// alone: at h = -20 a Latin character is 10 wide, a raised one (h = -12) 6.
std::string KindName(const Tmojikiroku& n) {
  switch (n.kind) {
    case kMarkupSuperscript: return "^";
    case kMarkupSubscript: return "_";
    case kMarkupVector: return "vec";
    case kMarkupRoot: return "sqrt";
    case kMarkupFraction: return "frac";
    case kMarkupOverline: return "ovl";
    case kMarkupUnderline: return "udl";
    default: return "'" + sjis::ToUtf8(n.text) + "'";
  }
}

// Each node as name@x,y:width, its parts in brackets [child1|child2].
std::string Dump(const Tmojikiroku* n) {
  std::string s;
  for (; n; n = n->next) {
    if (!s.empty()) s += ' ';
    s += KindName(*n) + "@" + std::to_string(n->x) + "," + std::to_string(n->y) + ":" + std::to_string(n->width);
    if (n->child1 || n->child2) s += "[" + Dump(n->child1) + "|" + Dump(n->child2) + "]";
  }
  return s;
}

class MarkupLayout : public ToolkitTest {
 protected:
  // Laid out from (0, 0) at h = -20; x is where the text ends.
  MarkupTree Layout(const std::string& utf8, int& x) {
    c.font.height = -20;
    x = 0;
    MarkupTree tree = ParseMarkup(sj(utf8));
    LayoutMarkup(c, x, 0, 0, 0, tree.get(), -20);
    return tree;
  }
  // Each text's boxes and, unless it is -1, the x where it ends.
  struct Case {
    const char* text;
    const char* boxes;
    int end = -1;
  };
  void ExpectLayouts(std::initializer_list<Case> cases) {
    for (const Case& k : cases) {
      int x = 0;
      EXPECT_EQ(Dump(Layout(k.text, x).get()), k.boxes) << k.text;
      if (k.end >= 0) {
        EXPECT_EQ(x, k.end) << k.text;
      }
    }
  }
  gfx::RecordingCanvas c;
};

TEST_F(MarkupLayout, BoxesOfEachConstruct) {
  ExpectLayouts({
      // Raised at 3/5 of the height, moved toward the base by a quarter of that; the
      // rest goes on on the base line.
      {"x^2+1", "'x'@0,0:10 ^@10,0:10['2'@7,0:6|] '+1'@13,0:20", 33},
      // Lowered at half the height onto the base line; the parentheses are dropped.
      {"a_(n+1)", "'a'@0,0:10 _@10,0:18[|'n+1'@8,10:15]", 23},
      // Raised by 3/5, the denominator 1.2 heights below, the narrower part centred.
      {"\\frac{1}{22}", "frac@0,-12:24['1'@5,-12:10|'22'@0,12:20]", 24},
      {"\\/{1}{22}", "frac@0,-12:24['1'@5,-12:10|'22'@0,12:20]", 24},
      {"\\sqrt{x}", "sqrt@0,0:26[|'x'@16,0:10]", 26},
      {"\\sqrt{x+1}", "sqrt@0,0:46[|'x+1'@16,0:30]", 46},
      {"\\vec{AB}", "vec@0,0:22[|'AB'@2,0:20]", 24},
      {"\\overline{AB}C", "ovl@0,0:20[|'AB'@0,0:20] 'C'@20,0:10", 30},
      {"\\udl{AB}", "udl@0,0:20[|'AB'@0,0:20]", 20},
      // A script inside a script, at 3/5 of 3/5.
      {"e^(x^2)", "'e'@0,0:10 ^@10,0:10['x'@7,0:6 ^@13,0:5['2'@12,0:3|]|]", 15},
      // Japanese text at 0.8 of the height beside Latin text; the trail byte of 表 is
      // a backslash and starts no command.
      {"角θ=30", "'角θ=30'@0,0:62", 62},
      {"表vec{2}", "'表vec'@0,0:46 '2'@46,0:10", 56},
      // ";" ends a script without showing.
      {"x^2;3", "'x'@0,0:10 ^@10,0:10['2'@7,0:6|] '3'@13,0:10", 23},
      // A sign in the first place of a script belongs to it.
      {"10^-3", "'10'@0,0:20 ^@20,0:16['-3'@17,0:12|]", 29},
      {"x^-1+y", "'x'@0,0:10 ^@10,0:16['-1'@7,0:12|] '+y'@19,0:20", 39},
      // A text in braces shows its value.
      {"{1/2}", "'1/2'@0,0:30", 30},
      {"{pi/2|deg}", "'90.00ﾟ'@0,0:60", 60},
  });
}

TEST_F(MarkupLayout, HeightsAndLowerEdges) {
  int x = 0;
  MarkupTree frac = Layout("\\frac{1}{22}", x);
  EXPECT_EQ(frac->height, 44);  // 20 + 12 - (-12)
  EXPECT_EQ(frac->lower, 32);
  EXPECT_EQ(LargestLower(frac.get()), 32);
  EXPECT_EQ(SmallestTop(frac.get()), -12);
  MarkupTree root = Layout("\\sqrt{x}", x);
  EXPECT_EQ(root->height, 20);
  MarkupTree vec = Layout("\\vec{a}", x);
  EXPECT_EQ(vec->height, -28);
  MarkupTree sub = Layout("a_n", x);
  EXPECT_EQ(sub->next->height, -10);
  EXPECT_EQ(sub->next->lower, 20);
  // A radical over several parts is a sixth taller and starts a sixth higher.
  MarkupTree tall = Layout("\\sqrt{x^2}", x);
  EXPECT_EQ(tall->height, 23);
  EXPECT_EQ(tall->y, -3);
}

TEST_F(MarkupLayout, EmptyPartsAreEmptyBoxesAndNothingMovesLeft) {
  ExpectLayouts({
      {"x^", "'x'@0,0:10 ^@10,0:4[''@10,0:0|]", 10},
      {"x^+", "'x'@0,0:10 ^@10,0:10['+'@7,0:6|]", 13},
      {"\\vec{}a", "vec@0,0:2[|''@2,0:0] 'a'@4,0:10", 14},
      {"\\sqrt{} a", "sqrt@0,0:16[|''@16,0:0] ' a'@16,0:20", 36},
      {"\\frac{1}", "frac@0,-12:14['1'@0,-12:10|''@5,12:0]", 14},
      {"\\frac{}{2}x", "frac@0,-12:14[''@5,-12:0|'2'@0,12:10] 'x'@14,0:10", 24},
      {"\\ovl{}x", "ovl@0,0:0[|''@0,0:0] 'x'@0,0:10", 10},
  });
}

TEST_F(MarkupLayout, GroupsEndAtTheirBraceAndUnknownCommandsDropTheRest) {
  ExpectLayouts({
      // The exponent ends at the radical's closing brace; "+1" follows the radical.
      {"\\sqrt{x^2}+1", "sqrt@0,-3:38[|'x'@18,0:10 ^@28,0:10['2'@25,0:6|]] '+1'@38,0:20"},
      {"\\frac{a^2}{b}c", "frac@0,-12:24['a'@0,-12:10 ^@10,-12:10['2'@7,-12:6|]|'b'@5,12:10] 'c'@24,0:10"},
      {"\\vec{a_1}", "vec@0,0:15[|'a'@2,0:10 _@12,0:8[|'1'@10,10:5]]"},
      {"a\\alpha+1", "'a'@0,0:10"},
      {"a}b", "'a'@0,0:10"},
      {"\\sqrt{x", "sqrt@0,0:26[|'x'@16,0:10]"},
      {"", ""},
  });
}

TEST_F(MarkupLayout, DeepNestingIsCutInsteadOfOverflowing) {
  for (const std::string& text : {std::string(100000, '^'), std::string(50000, '(') + "x",
                                  [] {
                                    std::string s;
                                    for (int i = 0; i < 20000; ++i) s += "\\sqrt{";
                                    return s;
                                  }()}) {
    int x = 0;
    EXPECT_TRUE(Layout(text, x));
  }
}

TEST_F(MarkupLayout, ScriptArgumentEnds) {
  const struct {
    const char* text;
    int start;
    int end;
  } cases[] = {
      {"x^2+1", 2, 2},        {"x^(a+b)c", 2, 6},  {"x^-1", 2, 3},   {"x^-1*2", 2, 3},
      {"(x^2)+1", 3, 3},      {"x^a,b", 2, 2},     {"x^", 2, 1},     {"x^{a+b}", 2, 6},
      {"x^((a)+b)c", 2, 8},   {"x^2", 2, 2},
  };
  for (const auto& k : cases) EXPECT_EQ(ScriptEnd(k.text, k.start, static_cast<int>(std::string(k.text).size()) - 1), k.end) << k.text;
}

TEST_F(MarkupLayout, EntryPointsPlaceAndMeasure) {
  c.font.height = -20;
  int fontHeight = 0;
  EXPECT_EQ(MeasureMathLabel(c, "x^2+1", fontHeight, 0, 0), 33);
  EXPECT_EQ(fontHeight, -20);
  EXPECT_EQ(c.font.height, -20);
  int x = 5;
  MarkupTree tree = LayoutMathLabel(c, x, 0, 0, 0, "\\frac{1}{2}", fontHeight, 50);
  EXPECT_EQ(SmallestTop(tree.get()), 50);
  EXPECT_EQ(tree->child2->y, 74);
  EXPECT_EQ(x, 5 + 14);
  x = 0;
  EXPECT_FALSE(LayoutMathLabel(c, x, 0, 0, 0, "", fontHeight, 50));
}

}  // namespace
