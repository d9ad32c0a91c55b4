// Every version gate of the reader at both of its sides: a plane and a space file written
// line by line for a given version from the format the reader takes (each gated line
// present only where that version stores it), loaded, and every gated field checked to
// hold the file's value exactly when the version stores it. A gate off by one shifts the
// lines after it, which the later fields show as well.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeFileHost.h"
#include "formula/AnimationState.h"
#include "io/EquationFileCommands.h"

namespace {

class Lines {
 public:
  explicit Lines(int version) : v_(version) {}
  Lines& operator()(std::initializer_list<const char*> lines) {
    for (const char* line : lines) bytes_ += std::string(line) + "\r\n";
    return *this;
  }
  // The lines only when the version is after `gate`.
  Lines& After(int gate, std::initializer_list<const char*> lines) { return v_ > gate ? (*this)(lines) : *this; }
  Lines& From(int gate, std::initializer_list<const char*> lines) { return After(gate - 1, lines); }
  const std::string& Bytes() const { return bytes_; }

 private:
  int v_;
  std::string bytes_;
};

std::string PlaneFileAt(int v) {
  Lines f(v);
  f({"[LP5 Data]", "ver"})({std::to_string(v).c_str()});
  f({"memo"}).After(545, {"Arial", "13", "1"})({"m1", "", "", "", "", "", "", "", "", "", ""});
  f({"zan", "true", "zanC", "1", "locus", "true", "ckind", "2", "cowidth", "3"}).After(525, {"0"});
  f({"lattice"}).After(525, {"255", "2"})({"dense", "ldash"}).After(532, {"2"});
  f({"scale", "true"}).After(530, {"false"})({"xcoodi", "true", "ycoodi", "true"}).After(525, {"X", "Y"});
  f({"xmemori", "2", "ymemori", "3"});
  if (v >= 501 && v <= 520) f({"4"});
  f.From(521, {"-2", "5"}).After(527, {"3"});
  f({"scrl", "7", "font"}).After(556, {"1"})({"Arial", "11", "1", "pfont"}).After(556, {"1"})({"Arial", "9", "2"});
  f({"-4", "4", "-3", "3", "0.5", "0.25", "2", "-1", "1.5", "pq", "6", "7", "sw", "0.5", "1",
     "ks", "8", "0.2", "9", "0.3", "syousai", "3", "0.11", "0.12", "0.13", "0.14", "0.15", "0.16",
     "0.17", "0.18", "0.19", "0.23", "0.24", "2", "3", "sitadeg", "45", "0.5"});
  f({"label", "1"}).After(556, {"1"})({"10", "20", "P#2#", "", "1", "1", "2", "Gz", "3", "Arial", "12", "255",
                                       "style", "2"})
      .After(553, {"1"})
      .After(559, {"1"});
  f({"graphmode", "1", "starting", "3", "0", "2", "10", "4"})
      .After(502, {"s1", "s2", "s3", "s4"})
      .After(540, {"s5", "s6"})
      .After(531, {"1"});
  f({"deffunc", "1", "P#2#", "defconst", "0"});
  f({"Interval", "true", "true", "intevalcl", "255", "2", "-1", "1"}).After(554, {"1"});
  f({"7"});
  f({"1", "P#2#+X", "", "", "", "", "True", "True", "100", "2"}).From(556, {"3"});
  f({"5", "cos(t)", "sin(t)", "0", "1", "", "True", "True", "200", "2"}).After(571, {"0.05"}).From(530, {"0"});
  f({"7", "", "", "", "", "", "True", "True", "300", "2", "4"}).After(525, {"2"}).After(591, {"true"})({"1", "2"});
  f({"7", "", "", "", "", "", "True", "True", "300", "2", "3"}).After(559, {"2"}).After(591, {" false"})({"1", "2"});
  f({"7", "ABC", "", "", "", "", "True", "True", "300", "2", "6"}).After(568, {"cont"}).After(591, {"true"})(
      {"1", "2"});
  f({"8", "1", "2", "", "", "", "True", "True", "500", "2", "lk", "0", "1", "4"}).After(526, {"2"});
  f({"8", "3", "4", "", "", "", "True", "True", "500", "2", "lk", "0", "2", "6"}).After(526, {"2"});
  return f.Bytes();
}

std::string SpaceFileAt(int v) {
  Lines f(v);
  f({"[LP3D Data]", "ver"})({std::to_string(v).c_str()});
  f({"memo"}).After(545, {"Arial", "12", "0"})({"", "", "", "", "", "", "", "", "", "", ""});
  f({"scrl", "0", "font"}).After(556, {"1"})({"Arial", "12", "0", "pfont"}).After(556, {"1"})({"Arial", "12", "0"});
  f.After(568, {"3"})({"zan", "true", "zanC", "0", "locus", "false", "5.4", "27", "0.5", "1", "60", "22",
                       "false", "gray", "true", "true"})
      .After(569, {"true"})({"3", "5"});
  f({"1", "x*y", "", "", "", "", "True", "True"}).After(564, {"255"})({"2"}).After(565, {"65280"});
  f({"5", "cos(t)", "sin(t)", "0", "1", "t", "True", "True"}).After(564, {"255"})({"2"}).After(565, {"65280"});
  f.After(547, {"0.05"}).After(569, {"dash"});
  f({"7", "", "", "", "", "", "True", "True"}).After(564, {"255"})({"2"}).After(565, {"65280"});
  f.After(567, {"True"})({"3"}).After(559, {"2"})({"1", "2"});
  f({"7", "AB", "", "", "", "", "True", "True"}).After(564, {"255"})({"2"}).After(565, {"65280"});
  f.After(567, {"false"})({"6"}).After(568, {"cont"})({"1", "2"});
  f({"8", "1", "2", "3", "", "", "True", "True"}).After(564, {"255"})({"2"}).After(565, {"65280"});
  f({"0", "1", "4"}).After(526, {"2"});
  f({"1", "1", "1", "1", "0", "deffunc", "0", "defconst", "0", "Plot3Dend"});
  return f.Bytes();
}

class EquationGateTest : public FileHostTest {
 protected:
  void Load(const std::string& bytes) {
    ResetProgramStateForTest();
    const EquationFileResult result = LoadEquationFileBytes("/d/gates.lpw", bytes);
    ASSERT_TRUE(result.ok) << result.message;
  }
};

TEST_F(EquationGateTest, PlaneFieldsAtBothSidesOfTheirGates) {
  for (int v : {500, 501, 502, 503, 520, 521, 525, 526, 527, 528, 530, 531, 532, 533, 534, 540, 541, 545, 546,
                553, 554, 555, 556, 557, 559, 560, 568, 569, 571, 572, 574, 575, 591, 592, 597}) {
    SCOPED_TRACE(v);
    Load(PlaneFileAt(v));
    if (HasFatalFailure()) return;
    EXPECT_EQ(doc.MemoFont.size == 13, v > 545);
    EXPECT_EQ(settings.AxisWidthMode == 0, v > 525);
    EXPECT_EQ(doc.GridSettings.color == 255, v > 525);
    EXPECT_EQ(doc.GridSettings.kind, 2);
    EXPECT_EQ(doc.GridSettings.dashed, 1);
    EXPECT_EQ(doc.AxisNumberPosition == 2, v > 532);
    EXPECT_EQ(doc.AxisNumbersShown == 0, v > 530);
    EXPECT_EQ(doc.XAxisName == "X", v > 525);
    EXPECT_EQ(doc.YAxisUnit, 3);
    const int density = v < 501 ? 0 : v <= 520 ? 3 : -2;
    EXPECT_EQ(settings.XTickDensity, density);
    EXPECT_EQ(settings.YTickDensity, v <= 520 ? density : 5);
    EXPECT_EQ(doc.LineWidthSetting == 3, v > 527);
    EXPECT_EQ(doc.GraphFontCustom == 1, v > 556);
    EXPECT_EQ(doc.GraphFont.name, v > 556 ? "Arial" : "Times New Roman");
    EXPECT_EQ(doc.PointLabelFont.size, 9);
    EXPECT_EQ(doc.ThetaDisplayValue, 45);

    const Tlabelrec& label = doc.LabelTable[1];
    EXPECT_EQ(label.ownFont == 1, v > 556);
    EXPECT_EQ(label.lines, std::vector<std::string>{v < 534 ? "X^2;" : v < 575 ? "P^2;" : "P#2#"});
    EXPECT_EQ(label.font.style, 2);
    EXPECT_EQ(label.transparent == 0, v > 553);
    EXPECT_EQ(label.shown == 0, v > 559);

    EXPECT_EQ(anim.RiemannDivisions, 10);
    EXPECT_EQ(anim.RiemannSumTexts[1] == "s1", v > 502);
    EXPECT_EQ(anim.RiemannSumTexts[5] == "s5", v > 540);
    EXPECT_EQ(modes.RiemannTextShown == 1, v > 531);
    EXPECT_EQ(doc.DefinedFunctionTexts[1], v < 534 ? "X#2#" : "P#2#");  // the P/X pass only
    EXPECT_EQ(doc.IntervalTextShown == 1, v > 554);
    EXPECT_EQ(doc.IntervalUpperText, "1");

    ASSERT_EQ(doc.EntryCount, 7);
    const Tfuncprop& f = doc.FigureTable[1];
    EXPECT_EQ(f.texts[0], v < 534 ? "X^2;+P" : v < 575 ? "P^2;+X" : "P#2#+X");
    EXPECT_EQ(f.option64 == 3, v >= 556);
    const Tfuncprop& curve = doc.FigureTable[2];
    EXPECT_EQ(curve.stepText == "0.05", v > 571);
    EXPECT_EQ(curve.arrowAtEnd == 1, v >= 530);
    const Tfuncprop& arrow = doc.FigureTable[3];
    EXPECT_EQ(arrow.arrowStyle == 2, v > 525);
    EXPECT_EQ(arrow.angleWithin180 == 1, v > 591);
    EXPECT_EQ(arrow.letter2, 2);
    const Tfuncprop& segment = doc.FigureTable[4];
    EXPECT_EQ(segment.option64 == 2, v > 559);
    EXPECT_EQ(segment.angleWithin180, 0);
    EXPECT_EQ(segment.letter2, 2);
    const Tfuncprop& polygon = doc.FigureTable[5];
    EXPECT_EQ(polygon.continued == 1, v > 568);
    EXPECT_EQ(polygon.letter2, 2);
    EXPECT_EQ(doc.FigureTable[6].option64 == 2, v > 526);
    EXPECT_EQ(doc.FigureTable[7].labelPos, 6);
    EXPECT_EQ(doc.FigureTable[7].option64 == 2, v > 526);
  }
}

TEST_F(EquationGateTest, SpaceFieldsAtBothSidesOfTheirGates) {
  for (int v : {510, 526, 527, 547, 548, 559, 560, 564, 565, 566, 567, 568, 569, 570, 597}) {
    SCOPED_TRACE(v);
    Load(SpaceFileAt(v));
    if (HasFatalFailure()) return;
    EXPECT_EQ(doc.LineWidthSetting == 3, v > 568);
    EXPECT_EQ(doc.PointPerpendicularsShown == 1, v > 569);
    EXPECT_EQ(doc.SurfaceDrawMode, 2);
    ASSERT_EQ(doc.EntryCount, 5);
    for (int i = 1; i <= 5; ++i) {
      EXPECT_EQ(doc.FigureTable[i].color, v > 564 ? 255 : 0xFF0000) << i;
      EXPECT_EQ(doc.FigureTable[i].brushColor == 65280, v > 565) << i;
    }
    const Tfuncprop& curve = doc.FigureTable[2];
    EXPECT_EQ(curve.stepText == "0.05", v > 547);
    EXPECT_EQ(curve.dashed == 1, v > 569);
    const Tfuncprop& segment = doc.FigureTable[3];
    EXPECT_EQ(segment.option32 == 1, v > 567);
    EXPECT_EQ(segment.option64 == 2, v > 559);
    EXPECT_EQ(segment.letter2, 2);
    const Tfuncprop& polygon = doc.FigureTable[4];
    EXPECT_EQ(polygon.continued == 1, v > 568);
    EXPECT_EQ(polygon.letter2, 2);
    const Tfuncprop& point = doc.FigureTable[5];
    EXPECT_EQ(point.labelPos, 4);
    EXPECT_EQ(point.option64 == 2, v > 526);
  }
}

}  // namespace
