#include "io/EquationWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeFileHost.h"
#include "formula/AnimationState.h"
#include "formula/Records.h"
#include "platform/Sjis.h"

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  EXPECT_EQ(start, bytes.size()) << "the file ends without its last CR LF";
  return lines;
}

// The lines after the first occurrence of `key`.
std::vector<std::string> After(const std::vector<std::string>& lines, const std::string& key, size_t n) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == key) return {lines.begin() + i + 1, lines.begin() + std::min(lines.size(), i + 1 + n)};
  ADD_FAILURE() << "no " << key;
  return {};
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

using EquationWriterTest = FileHostTest;

TEST_F(EquationWriterTest, NewPlaneDocument) {
  settings.GraphWindowMode = 0;  // the window at the size it was created with
  std::vector<std::string> expected = {"[LP5 Data]", "ver", "597", "FormSize", "1", "0.1", "memot",
                                       sj("ＭＳ 明朝"), "11", "1"};
  expected.insert(expected.end(), 11, "");
  const std::vector<std::string> rest = {
      "zan", "false", "zanC", "0", "locus", "false", "ckind", "0", "cowidth", "1", "1", "lattice",
      "12632256", "1", "true", "0", "scale", "true", "true", "xcoodi", "true", "ycoodi", "true", "x",
      "y", "xmemori", "1", "ymemori", "1", "0", "0", "1", "scrl", "0", "font", "0", "Times New Roman",
      "12", "0", "pfont", "0", "Times New Roman", "12", "1", "-5", "5", "-5", "5", "1", "1", "1", "1",
      "0", "pq", "1", "1", "sw", "0", "0", "ks", "1", "0.1", "1", "0.1", "syousai", "2", "0.1", "0.1",
      "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "1", "1", "0", "0", "graphmode",
      "1", "starting", "0", "deffunc", "0", "defconst", "0", "Interval", "false", "true", "intevalcl",
      "17919", "1", "0", "0", "0", "0"};
  expected.insert(expected.end(), rest.begin(), rest.end());
  EXPECT_EQ(Lines(WriteEquationFile(kStartPlain)), expected);
}

TEST_F(EquationWriterTest, GatedAndSpelledFields) {
  WriteVariable(doc.VariableValues, 'a', 0.1L);
  doc.DefinedFunctionCount = 2;
  doc.DefinedFunctionTexts[1] = "x^2";
  doc.DefinedFunctionTexts[2] = "F1(x)+1";
  doc.GridSettings.dashed = 1;
  doc.MemoLines.assign(13, "m");
  doc.MemoLines[10] = "eleventh";
  doc.MemoFont.style = 1 | 4;  // bold and underline
  doc.EntryCount = 2;
  doc.KindCounts[kKindExplicit] = 2;
  InitFuncprop(doc.FigureTable[1], kKindExplicit);
  InitFuncprop(doc.FigureTable[2], kKindExplicit);
  doc.FigureTable[1].texts[0] = "x+1";
  doc.FigureTable[1].shown = 0;
  doc.FigureTable[1].color = 123456;
  doc.FigureTable[2].texts[0] = "x+2";
  doc.FigureTable[2].color = 654321;
  host.scroll = 37;
  const std::vector<std::string> lines = Lines(WriteEquationFile(kStartPlain));

  EXPECT_EQ(After(lines, "pfont", 9).back(), "0.100000001490116");  // a, after the view range
  EXPECT_EQ(After(lines, "deffunc", 3), (std::vector<std::string>{"2", "x^2", "F1(x)+1"}));
  EXPECT_EQ(After(lines, "ldash", 1), std::vector<std::string>{"0"});
  EXPECT_EQ(After(lines, "scrl", 1), std::vector<std::string>{"37"});
  EXPECT_EQ(After(lines, sj("ＭＳ 明朝"), 2), (std::vector<std::string>{"11", "1"}));
  EXPECT_EQ(After(lines, "m", 10).back(), "eleventh");
  EXPECT_EQ(After(lines, "eleventh", 1), std::vector<std::string>{"zan"});  // no 12th memo line
  EXPECT_FALSE(Has(lines, "labeldata"));
  EXPECT_FALSE(Has(lines, "macro"));
  // The hidden entry has the extra "false" after its flags, the shown one goes on with its colour.
  EXPECT_EQ(After(lines, "x+1", 7),
            (std::vector<std::string>{"", "", "", "", "False", "True", "false"}));
  EXPECT_EQ(After(lines, "x+2", 7), (std::vector<std::string>{"", "", "", "", "False", "True", "654321"}));
  EXPECT_EQ(lines.back(), "1");  // option64 of the last explicit function ends the file
}

TEST_F(EquationWriterTest, SpaceDocumentWritesItsEntriesInTheViewBlock) {
  doc.Dimension = 3;
  doc.EntryCount = 1;
  doc.KindCounts[kKindParametric] = 1;
  Tfuncprop& e = doc.FigureTable[1];
  InitFuncprop(e, kKindParametric);
  e.texts = {"cos(t)", "sin(t)", "0", "6.28", "t"};
  e.dashed = 1;
  const std::vector<std::string> lines = Lines(WriteEquationFile(kStartPlain));
  EXPECT_EQ(lines.front(), "[LP3D Data]");
  EXPECT_EQ(lines.back(), "Plot3Dend");
  EXPECT_FALSE(Has(lines, "Interval"));
  EXPECT_FALSE(Has(lines, "ckind"));
  EXPECT_EQ(After(lines, "t", 8),
            (std::vector<std::string>{"True", "True", "16711680", "2", "128", "0.1", "dash", "1"}));
}

TEST_F(EquationWriterTest, AfterImageHistoryOldestFirstWithItsVisibilityChanges) {
  TValueNode* tail = nullptr;
  AppendValueNode(tail, 1, 0.5L);
  modes.AfterImageOn = 1;
  settings.AfterImageHistory = PushAfterImage(settings.AfterImageHistory, 0);
  DisposeValueList(settings.ValueChangeList);
  tail = nullptr;
  AppendValueNode(tail, 1, 0.75L);
  AppendValueNode(tail, 301, -2);
  settings.VisibilityChangeList = NewVisibilityChange(3, 0);
  modes.AfterImageOn = 0;
  modes.LocusOn = 1;
  settings.AfterImageHistory = PushAfterImage(settings.AfterImageHistory, 0);
  // A change recorded since the last snapshot stays pending.
  settings.VisibilityChangeList = NewVisibilityChange(4, 1);

  const std::vector<std::string> lines = Lines(WriteEquationFile(kStartAfterImages));
  EXPECT_EQ(After(lines, "starting", 20),
            (std::vector<std::string>{"5", "1", "0.5", "LE", "true", "false", "1", "0.75", "301", "-2",
                                      "LE", "VS", "3", "0", "VE", "false", "true", "end", "deffunc", "0"}));
  ASSERT_NE(settings.VisibilityChangeList, nullptr);
  EXPECT_EQ(settings.VisibilityChangeList->entry, 4);
}

TEST_F(EquationWriterTest, AnimationStatesByStartingMode) {
  anim.MeanRateA = 0.5L;
  anim.MeanRateStart = 2;
  anim.IntegralTexts = {{"0", "pi", "a", "b"}};
  anim.RiemannDivisions = 12;
  settings.RiemannSumKind = 3;
  for (int k = 1; k <= 7; ++k) anim.RiemannSumTexts[k] = "s" + std::to_string(k);
  settings.TangentAfterImage = 1;
  anim.TangentPauseValue = -1.25L;
  modes.TangentTextShown = 1;
  struct Case {
    int mode;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {kStartMeanRate, {"1", "0.5", "2", "1", "deffunc"}},
      {kStartTangent, {"2", "zantangent", "-1.25", "33023", "8388863", "1", "deffunc"}},
      {kStartRiemann,
       {"3", "0", "pi", "12", "3", "s1", "s2", "s3", "s4", "s5", "s6", "0", "deffunc"}},
      {kStartIntegral, {"4", "a", "b", "0", "deffunc"}},
      {kStartParameters, {"6", "deffunc"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(After(Lines(WriteEquationFile(c.mode)), "starting", c.lines.size()), c.lines) << c.mode;
}

TEST(StartingModeTest, ByAnimationMode) {
  const int expected[] = {5, 6, 3, 1, 4, 2, 0};
  for (int mode = 0; mode <= 6; ++mode) EXPECT_EQ(StartingModeOfAnimationMode(mode), expected[mode]);
}

}  // namespace
