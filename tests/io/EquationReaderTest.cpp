// Files of the older generations and version gates, written line by line from the format
// each generation has, with a distinctive value at the end of every gated region.
#include "io/EquationReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FakeFileHost.h"
#include "formula/AnimationState.h"
#include "io/EquationFileCommands.h"
#include "io/EquationReaderParts.h"
#include "io/EquationWriter.h"
#include "platform/Sjis.h"

namespace {

std::string File(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::vector<std::string> Repeat(const std::string& line, int n) { return std::vector<std::string>(n, line); }

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class EquationReaderTest : public FileHostTest {
 protected:
  EquationFileResult Load(const std::string& bytes) { return LoadEquationFileBytes("/d/old.lpw", bytes); }
};

TEST_F(EquationReaderTest, RIRavAtVersion500) {
  const std::string file = File(
      std::vector<std::string>{"[RIRav Data]", "ver", "500", "memo", "note", "", "", "x"} + Repeat("", 7) +
      std::vector<std::string>{
          "zan", "true", "zanC", "1", "locus", "false", "ckind", "1",
          "cowidth", "3",        // one value up to 525
          "lattice", "dense",    // the kind alone up to 525
          "scale", "false",      // nothing about the numbers up to 530
          "xcoodi", "true", "ycoodi", "false", "xmemori", "2", "ymemori", "0",
          // no axis names, tick densities or line width this early
          "scrl", "5", "font", "Arial", "14", "1", "pfont", "Arial", "10", "0",
          "-7.25", "3.5", "-1", "12",               // the view
          "0.5", "0.25", "3", "-4", "1.5",          // a b c d t
          "pq", "6", "7", "sw", "0.5", "1", "ks", "8", "0.2", "9", "0.3",
          "syousai", "0", "0.11", "0.12", "0.13", "0.14", "0.15", "0.16", "0.17", "0.18", "0.19",
          "0.23", "0.24", "2", "3", "sitadeg", "45", "0.5",
          "label", "1", "F", "10", "20", "y=P#2#", "aP", "11", "1", "2", "Gz", "3", "Arial", "12",
          "255", "style", "2",
          "graphmode", "2", "500", "400",
          "starting", "3", "0", "1", "5", "2",   // no sum texts up to 502
          "deffunc", "1", "P+1", "defconst", "0",
          "Interval", "true", "false", "intevalcl", "255", "2", "-1", "1",
          "3",
          "1", "P#2#", "", "", "", "", "True", "False", "123", "2",
          "7", "A", "2", "", "", "", "False", "True", "dash", "456", "1", "1", "1", "27",
          "8", "1", "2", "", "", "", "True", "True", "false", "789", "3", "1", "0"});
  const EquationFileResult result = Load(file);
  ASSERT_TRUE(result.ok) << result.message;

  EXPECT_EQ(doc.MemoLines, (std::vector<std::string>{"note", "", "x", ""}));
  EXPECT_EQ(ui.MemoShown, 1);
  EXPECT_EQ(modes.AfterImageOn, 1);
  EXPECT_EQ(settings.AfterImageColorMode, 1);
  EXPECT_EQ(doc.CoordinateSystem, 1);
  EXPECT_EQ(doc.AxisWidth, 3);
  EXPECT_EQ(doc.GridSettings.kind, 2);
  EXPECT_EQ(doc.GridSettings.color, 0xC0C0C0);
  EXPECT_EQ(doc.AxisTicksShown, 0);
  EXPECT_EQ(doc.YAxisShown, 0);
  EXPECT_EQ(doc.CoordinateReadoutShown, 0);
  EXPECT_EQ(doc.XAxisUnit, 2);
  EXPECT_EQ(host.scroll, 5);
  EXPECT_EQ(doc.GraphFont, (Tlfont{"Times New Roman", 14, 0, 1}));  // not custom: the name is ignored
  EXPECT_EQ(doc.ViewRange, (TViewRange{-7.25L, 3.5L, -1, 12}));
  EXPECT_EQ(doc.VariableValues.cells[1], 0.5f);
  EXPECT_EQ(doc.VariableValues.cells[4], -4.0f);
  EXPECT_EQ(doc.VariableValues.T, 1.5L);
  EXPECT_EQ(doc.VariableValues.cells[18], 0.5f);  // θ
  EXPECT_EQ(doc.VariableValues.cells[19], 9.0f);  // s
  EXPECT_EQ(doc.ParameterIncrements[11], 0.3L);
  EXPECT_EQ(doc.ParameterIncrements[9], 0.19L);
  EXPECT_EQ(doc.ParameterIncrements[14], 0.24L);
  EXPECT_EQ(doc.VariableValues.cells[14], 3.0f);  // n
  EXPECT_EQ(settings.StepWidthItem, 0);
  EXPECT_EQ(doc.ThetaInDegrees, 1);
  EXPECT_EQ(doc.ThetaDisplayValue, 45);
  EXPECT_EQ(doc.OmegaInDegrees, 0);

  ASSERT_EQ(doc.LabelCount, 1);
  EXPECT_EQ(modes.LabelsShown, 0);
  const Tlabelrec& label = doc.LabelTable[1];
  EXPECT_EQ(label.lines, std::vector<std::string>{"y=X^2;{aX}"});
  EXPECT_EQ(label.shiftLeft, 10);
  EXPECT_EQ(label.coordKind, 1);
  EXPECT_EQ(label.zText, "3");
  EXPECT_EQ(label.font, (Tlfont{"Arial", 12, 255, 2}));

  EXPECT_EQ(settings.GraphWindowMode, 1);
  EXPECT_EQ(doc.GraphWidth, 500);
  EXPECT_EQ(doc.GraphHeight, 400);
  EXPECT_EQ(anim.IntegralTexts[2], "1");
  EXPECT_EQ(anim.RiemannDivisions, 5);
  EXPECT_EQ(settings.RiemannSumKind, 2);
  EXPECT_EQ(modes.AnimationMode, 2);
  EXPECT_TRUE(host.Called("OpenRiemannSumNavi"));
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "X+1");
  EXPECT_EQ(doc.IntervalMode, 1);
  EXPECT_EQ(doc.IntervalColor, 255);
  EXPECT_EQ(doc.IntervalStyle, 2);
  EXPECT_EQ(doc.IntervalUpperText, "1");

  ASSERT_EQ(doc.EntryCount, 3);
  EXPECT_EQ(doc.FigureTable[1].texts[0], "X^2;");
  EXPECT_EQ(doc.FigureTable[1].afterImage, 0);
  EXPECT_EQ(doc.FigureTable[1].color, 123);
  const Tfuncprop& line = doc.FigureTable[2];
  EXPECT_EQ(line.texts[1], "1");  // the old type 1 line: direction (1, old second text)
  EXPECT_EQ(line.texts[2], "2");
  EXPECT_EQ(line.dashed, 1);
  EXPECT_EQ(line.letter2, kNoPoint);
  const Tfuncprop& point = doc.FigureTable[3];
  EXPECT_EQ(point.shown, 0);
  EXPECT_EQ(point.labelPos, 3);
  EXPECT_EQ(point.color, 789);
}

TEST_F(EquationReaderTest, LP4AtVersion530) {
  const std::string file = File(
      std::vector<std::string>{"[LP4 Data]", "ver", "530", "FormSize", "640", "480", "memot"} + Repeat("", 11) +
      std::vector<std::string>{
          "macro", "1", "#1 go", "end",
          "zan", "false", "cowidth", "2", "0", "lattice", "255", "2", "true", "ldash",
          "scale", "true",  // the numbers' switch comes only after 530
          "xcoodi", "false", "ycoodi", "true", sj("ｘ"), sj("ｙ"), "xmemori", "1", "ymemori", "1",
          "-1", "2", "3",   // two tick densities and the line width
          "font", "Arial", "11", "0",
          "draghispeed", "-5", "5", "-5", "5", "1", "1", "1", "1", "0",
          "labeldata", "1", "T", "1", "P+X", "1", "0", "0", "0", "0", "0", "0", "Arial", "12", "0", "0",
          "0", "1", "1", "255", "4", "5",
          "graphmode", "3", "F",
          "starting", "1", "0.5", "1.5",
          "defconst", "1", "X*2",
          "2",
          "5", "cos(t)", "sin(t)", "0", "1", "", "True", "True", "0", "2", "0",
          "6", "1", "0", "0", "0", "6.28", "True", "True", "654321", "1", "1"});
  const EquationFileResult result = Load(file);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(ReadVariable(doc.VariableValues, 'h'), 1);  // FormSize of older files is no h
  EXPECT_EQ(doc.MemoLines, std::vector<std::string>{""});
  EXPECT_EQ(ui.MemoShown, 0);
  EXPECT_EQ(doc.MacroLines, (std::vector<std::string>{"#1 go", "end"}));
  EXPECT_EQ(settings.AxisWidthMode, 0);
  EXPECT_EQ(doc.GridSettings, (TGridSettings{1, 1, 255, 2}));
  EXPECT_EQ(doc.AxisNumbersShown, 1);
  EXPECT_EQ(doc.XAxisShown, 0);
  EXPECT_EQ(doc.XAxisName, "x");
  EXPECT_EQ(doc.YAxisName, "y");
  EXPECT_EQ(settings.XTickDensity, -1);
  EXPECT_EQ(settings.YTickDensity, 2);
  EXPECT_EQ(doc.LineWidthSetting, 3);
  const Tlabelrec& label = doc.LabelTable[1];
  EXPECT_EQ(label.lines, std::vector<std::string>{"P+X"});  // label lines are read as stored
  EXPECT_EQ(label.transparent, 1);
  EXPECT_EQ(label.shown, 0);
  EXPECT_EQ(label.backStyle, 1);
  EXPECT_EQ(label.backColor, 0xFFFFFF);  // stored only after 589
  EXPECT_EQ(settings.GraphWindowMode, 2);
  EXPECT_EQ(settings.UnitSizeMode, 0);
  EXPECT_EQ(anim.MeanRateStart, 1.5L);
  EXPECT_EQ(modes.AnimationMode, 3);
  EXPECT_EQ(modes.MeanRateStarted, 1);
  EXPECT_EQ(doc.DefinedConstantTexts[1], "P*2");
  ASSERT_EQ(doc.EntryCount, 2);
  EXPECT_EQ(doc.FigureTable[1].stepText, "0.1");
  EXPECT_EQ(doc.FigureTable[1].arrowAtEnd, 1);
  EXPECT_EQ(doc.FigureTable[2].color, 654321);
  EXPECT_EQ(doc.FigureTable[2].arrowAtEnd, 0);
}

std::string LP5File(int version) {
  return File(
      std::vector<std::string>{"[LP5 Data]", "ver", std::to_string(version), "memo", sj("ＭＳ ゴシック"), "10", "5", "note"} +
      Repeat("", 10) +
      std::vector<std::string>{
          "zan", "false", "zanC", "0", "locus", "false", "ckind", "0", "cowidth", "1", "1", "lattice", "0",
          "1", "false", "2", "scale", "true", "false", "xcoodi", "true", "ycoodi", "true", "x", "y",
          "xmemori", "1", "ymemori", "1", "0", "0", "1",
          "scrl", "0", "font", "0", "Arial", "12", "0", "pfont", "1", sj("ＭＳ 明朝"), "9", "2",
          "1", "1", "-2", "2",  // an empty x range
          "1", "1", "1", "1", "0",
          "labeldata", "1", "T", "2", "a", sj("表"), "0", "8", "8", "1", "1", "2", "0", "Arial", "1000000000",
          "0", "16", "1", "0", "2", "255", "4", "5",
          "graphmode", "1",
          "starting", "2", "zantangent", "0.5", "1234", "5678", "1",
          "deffunc", "0", "defconst", "0",
          "Interval", "false", "true", "intevalcl", "0", "1", "0", "0", "1",
          "5",
          "1", "x^2", "", "", "", "", "True", "True", "100", "2", "3",
          "3", "x^2+y^2<1", "", "", "", "", "True", "True", "200", "2", "Nbd", "5", "65280",
          "7", "", "", "", "", "", "True", "True", "300", "2", "3", "2", "1", "2",
          "7", "", "", "", "", "", "True", "True", "400", "2", "Nbd", "4", "1", "2", "3",
          "8", "1", "2", "", "", "", "True", "True", "500", "2", "lk", "255", "1", "5", "2"});
}

TEST_F(EquationReaderTest, LP5AtVersion590) {
  const EquationFileResult result = Load(LP5File(590));
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(doc.MemoFont, (Tlfont{sj("ＭＳ ゴシック"), 10, 0, 5}));
  EXPECT_EQ(doc.MemoLines, (std::vector<std::string>{"note", ""}));
  EXPECT_EQ(doc.AxisNumberPosition, 2);
  EXPECT_EQ(doc.AxisNumbersShown, 0);
  EXPECT_EQ(doc.GraphFont.name, "Times New Roman");
  EXPECT_EQ(doc.PointLabelFontCustom, 1);
  EXPECT_EQ(doc.PointLabelFont, (Tlfont{sj("ＭＳ 明朝"), 9, 0, 2}));
  EXPECT_EQ(doc.ViewRange, (TViewRange{-5, 5, -2, 2}));
  const Tlabelrec& label = doc.LabelTable[1];
  EXPECT_EQ(label.lines, (std::vector<std::string>{"a", sj("表")}));
  EXPECT_EQ(label.font.size, 400);
  EXPECT_EQ(label.font.style, 0);  // no set of the four style bits
  EXPECT_EQ(label.backColor, 255);
  EXPECT_EQ(settings.GraphWindowMode, 0);
  EXPECT_EQ(settings.TangentAfterImage, 1);
  EXPECT_EQ(anim.TangentPauseValue, 0.5L);
  EXPECT_EQ(doc.TangentLineColor, 1234);
  EXPECT_EQ(modes.TangentTextShown, 1);
  EXPECT_EQ(modes.AnimationMode, 5);
  EXPECT_EQ(doc.IntervalTextShown, 1);
  ASSERT_EQ(doc.EntryCount, 5);
  EXPECT_EQ(doc.FigureTable[1].option64, 3);
  EXPECT_EQ(doc.FigureTable[2].noBoundary, 1);
  EXPECT_EQ(doc.FigureTable[2].brushColor, 65280);
  EXPECT_EQ(doc.FigureTable[2].option63, 2);  // an inequality
  EXPECT_EQ(doc.FigureTable[3].option64, 2);
  EXPECT_EQ(doc.FigureTable[4].noBoundary, 1);  // an arrow made in space keeps its option
  EXPECT_EQ(doc.FigureTable[4].arrowStyle, 1);
  EXPECT_EQ(doc.FigureTable[4].letter2, 3);
  EXPECT_EQ(doc.FigureTable[5].labelPos, 5);
  EXPECT_EQ(doc.FigureTable[5].option64, 2);
}

// Files older than the current version may end after any block; from it on, the end of
// the file before the entry list is a file cut short.
TEST_F(EquationReaderTest, OnlyOlderFilesMayEndEarly) {
  struct Case {
    int version;
    const char* cut;  // where the file ends
    bool loads;
  };
  const Case cases[] = {
      {590, "after defconst", true}, {590, "inside the last line", true},
      {597, "after defconst", false}, {597, "inside the last line", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.version) + " " + c.cut);
    ResetProgramStateForTest();
    std::string file = LP5File(c.version);
    file = file.substr(0, file.find("Interval\r\n"));
    if (std::string_view(c.cut) == "inside the last line") file.resize(file.size() - 2);
    const EquationFileResult result = Load(file);
    EXPECT_EQ(result.ok, c.loads) << result.message;
    EXPECT_EQ(doc.EntryCount, 0);
    EXPECT_EQ(modes.TangentTextShown, 1);  // read before the end either way
  }
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WithLineEnds(std::string bytes, const std::string& end) {
  for (size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += end.size())
    bytes.replace(at, 2, end);
  return bytes;
}

// Many editors drop the final line end: every demo, with CR LF or LF line ends, loads
// whole without it. A file without its last line is cut short, and so is a space file cut
// inside its end key.
TEST_F(EquationReaderTest, TheFinalLineEndMayBeMissingButNotTheLastLine) {
  const std::filesystem::path demo = std::filesystem::path(LP_SOURCE_DIR) / "data/demo";
  int files = 0;
  for (const auto& item : std::filesystem::directory_iterator(demo)) {
    if (item.path().extension() != ".lpw") continue;
    ++files;
    for (const std::string end : {"\r\n", "\n"}) {
      SCOPED_TRACE(item.path().filename().string() + (end.size() == 2 ? " CR LF" : " LF"));
      const std::string whole = WithLineEnds(ReadBytes(item.path()), end);
      ASSERT_GT(whole.size(), 2 * end.size());
      ASSERT_EQ(whole.substr(whole.size() - end.size()), end);
      const std::string unended = whole.substr(0, whole.size() - end.size());
      std::vector<std::string> cuts = {whole.substr(0, unended.rfind(end) + end.size()),
                                        whole.substr(0, unended.rfind(end))};
      // A space file must reach its end key.
      if (whole.starts_with("[LP3D Data]")) cuts.push_back(unended.substr(0, unended.size() - 3));

      ResetProgramStateForTest();
      ASSERT_TRUE(Load(whole).ok);
      const std::string saved = WriteEquationFile(kStartPlain);
      ResetProgramStateForTest();
      const EquationFileResult result = Load(unended);
      ASSERT_TRUE(result.ok) << result.message;
      EXPECT_EQ(WriteEquationFile(kStartPlain), saved);
      EXPECT_EQ(settings.CurrentFileName, "/d/old.lpw");

      for (const std::string& cut : cuts) {
        ResetProgramStateForTest();
        const EquationFileResult refused = Load(cut);
        EXPECT_FALSE(refused.ok);
        EXPECT_NE(refused.message.find("ファイルが途中で終わっています"), std::string::npos) << refused.message;
      }
    }
  }
  EXPECT_GT(files, 10);
  ResetProgramStateForTest();
}

TEST_F(EquationReaderTest, TangentColoursAndLabelBackgroundsAreReadBeforeTheyAreStored) {
  const EquationFileResult result = Load(LP5File(586));
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(doc.TangentLineColor, 0x0080FF);
  EXPECT_EQ(doc.TangentRateColor, 0x8000FF);
  EXPECT_EQ(modes.TangentTextShown, 1);
  EXPECT_EQ(doc.LabelTable[1].backColor, 0xFFFFFF);
  EXPECT_EQ(doc.FigureTable[5].option64, 2);  // everything after them in its place
}

// The smallest plane file of version 0 with one straight line given by a point and a
// direction.
std::string LineFile(const std::string& header) {
  return File({header, "-5", "5", "-5", "5", "1", "1", "1", "1", "0", "1",
               "7", "A", "2", "3", "", "", "False", "True", "0", "1", "1", "1", "27"});
}

TEST_F(EquationReaderTest, EveryHeaderNamesItsGeneration) {
  struct Case {
    const char* header;
    int dimension;
    bool oldLayout;
    bool oldLines;
  };
  const Case cases[] = {
      {"[Lumenplotter Data]", 2, true, false}, {"[Lumenplotter2 Data]", 2, true, false},
      {"[RIRav Data]", 2, false, true},        {"[RIRav2 Data]", 2, false, true},
      {"[RIRav3 Data]", 2, false, false},      {"[LP4 Data]", 2, false, false},
      {"[LP5 Data]", 2, false, false},         {"[LP3D Data]", 3, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    const std::optional<FileGeneration> g = GenerationOfHeader(c.header);
    ASSERT_TRUE(g);
    EXPECT_EQ(HasOldEntryLayout(*g), c.oldLayout);
    EquationReadContext context;
    context.generation = *g;
    EXPECT_EQ(context.dimension(), c.dimension);
    if (c.dimension == 3 || c.oldLayout) continue;
    ResetProgramStateForTest();
    ASSERT_TRUE(Load(LineFile(c.header)).ok);
    EXPECT_EQ(doc.FigureTable[1].texts[1], c.oldLines ? "1" : "2");
    EXPECT_EQ(doc.FigureTable[1].texts[2], c.oldLines ? "2" : "3");
  }
  EXPECT_FALSE(GenerationOfHeader("[LP6 Data]"));
  EXPECT_FALSE(GenerationOfHeader("[LP5 Data] "));
}

// A space file of version 509 or 510; the stored view value gives the space range.
std::string SpaceFile(int version, const std::string& stored, const std::string& distance = "0",
                      const std::string& divisions = "0") {
  return File(std::vector<std::string>{"[LP3D Data]", "ver", std::to_string(version), "memo"} +
              Repeat("", 11) +
              std::vector<std::string>{
                  "scrl", "0", "font", "Arial", "12", "0", "pfont", "Arial", "12", "0",
                  "zan", "true", "zanC", "0", "locus", "false", stored,
                  distance, "0.5", "1", divisions, "100", "false", "true", "true", "false", "2",
                  "2",
                  "5", "cos(t)", "sin(t)", "0", "1", "t", "True", "false", "2",
                  "7", "", "", "", "", "", "True", "True", "2", "Nbd", "dash", "6", "1", "2",
                  "1", "1", "1", "1", "0", "deffunc", "0", "defconst", "0", "Plot3Dend"});
}

TEST_F(EquationReaderTest, SpaceRangeAndOlderSpaceEntries) {
  struct Case {
    int version;
    const char* stored;
    Extended rangeRead, range;
  };
  const Case cases[] = {{509, "3", 1.8L, 2}, {510, "5.4", 3, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    ResetProgramStateForTest();
    const Extended before = SpaceRangeOfStored(c.version, std::stof(c.stored));
    const EquationFileResult result = Load(SpaceFile(c.version, c.stored));
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_NEAR(static_cast<double>(before), static_cast<double>(c.rangeRead), 1e-6);
    EXPECT_EQ(doc.SpaceRange, c.range);
    EXPECT_EQ(doc.Dimension, 3);
    EXPECT_EQ(modes.AfterImageOn, 1);
    EXPECT_EQ(doc.CameraDistance, 40);  // a camera at the origin takes the default
    EXPECT_EQ(doc.SurfaceGridN, 20);
    EXPECT_EQ(doc.ShadingLevel, 30);
    EXPECT_EQ(doc.SpaceColorsNotInverted, 0);
    EXPECT_EQ(modes.OutputColorMode, 2);
    EXPECT_EQ(doc.SurfaceDrawMode, 1);
    ASSERT_EQ(doc.EntryCount, 2);
    const Tfuncprop& curve = doc.FigureTable[1];
    EXPECT_EQ(curve.shown, 0);
    EXPECT_EQ(curve.color, 0xFF0000);  // colours are stored from 565
    EXPECT_EQ(curve.stepText, "0.1");  // stored from 548
    const Tfuncprop& poly = doc.FigureTable[2];
    EXPECT_EQ(poly.noBoundary, 1);
    EXPECT_EQ(poly.dashed, 1);
    EXPECT_EQ(poly.subkind, 6);
    EXPECT_EQ(poly.letter2, 2);
    EXPECT_EQ(doc.KindCounts[kKindParametric], 1);
    EXPECT_EQ(doc.KindCounts[kKindFigure], 1);
  }
}

TEST_F(EquationReaderTest, SpaceCameraDistanceAndGridDivisions) {
  struct Case {
    const char* distance;
    const char* divisions;
    int32_t distanceRead;
    int divisionsRead;
  };
  const Case cases[] = {{"-3", "25", 40, 25}, {"5", "300", 5, 20}, {"27.5", "60", 28, 60}, {"1e12", "1", INT32_MAX, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.distance);
    ResetProgramStateForTest();
    const EquationFileResult result = Load(SpaceFile(510, "5.4", c.distance, c.divisions));
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(doc.CameraDistance, c.distanceRead);
    EXPECT_EQ(doc.SurfaceGridN, c.divisionsRead);
  }
}

TEST_F(EquationReaderTest, OldestGenerationWithoutVersion) {
  const std::string file = File({"[Lumenplotter Data]", "-5", "5", "-5", "5", "1", "1", "1", "1", "0",
                                 "starting", "5",  // the oldest files read nothing for mode 5
                                 "deffunc", "1", "P", "4",
                                 "2", "x+P", "", "", "", "True", "True", "111", "2",
                                 "4", "1+cos(t)", "center1,2", "0", "6.28", "True", "True", "222", "2",
                                 "6", "0", "0", "1", "1", "True", "False", "333", "2",
                                 "7", "y<x", "", "", "", "True", "True", "444", "2", "3", "555"});
  const EquationFileResult result = Load(file);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "X");
  ASSERT_EQ(doc.EntryCount, 6);
  EXPECT_EQ(doc.FigureTable[1].kind, kKindRelation);
  EXPECT_EQ(doc.FigureTable[1].texts[0], "x+X=0");
  EXPECT_EQ(doc.FigureTable[2].kind, kKindRelation);
  EXPECT_EQ(doc.FigureTable[2].brushColor, 555);
  const Tfuncprop& polar = doc.FigureTable[3];
  EXPECT_EQ(polar.kind, kKindPolar);
  EXPECT_EQ(polar.texts, (std::array<std::string, 5>{"1+cos(t)", "1", "2", "0", "6.28"}));
  const Tfuncprop& segment = doc.FigureTable[4];
  EXPECT_EQ(segment.kind, kKindFigure);
  EXPECT_EQ(segment.subkind, 3);
  EXPECT_EQ(segment.letter, 1);
  EXPECT_EQ(segment.letter2, 2);
  EXPECT_EQ(doc.FigureTable[5].kind, kKindPoint);
  EXPECT_EQ(doc.FigureTable[6].texts[0], "1");
  EXPECT_EQ(doc.FigureTable[6].afterImage, 0);  // the points take the figure's
  EXPECT_EQ(modes.AnimationMode, 0);            // parameter mode, with no history
}

TEST_F(EquationReaderTest, SkippedHistoriesOfOlderFormats) {
  // Before 446 the after-image groups are skipped to "end".
  std::vector<std::string> groups = Repeat("9", 11) + std::vector<std::string>{"t", "0", "1", "2"} +
                                    Repeat("9", 11) + std::vector<std::string>{"1", "2", "end"};
  std::string file = File(std::vector<std::string>{"[RIRav3 Data]", "ver", "440", "-5", "5", "-5", "5", "1",
                                                   "1", "1", "1", "0", "starting", "5"} +
                          groups + std::vector<std::string>{"deffunc", "1", "Q"});
  EquationFileResult result = Load(file);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "Q");
  EXPECT_EQ(settings.AfterImageHistory, nullptr);

  // Starting mode 7: groups of seven lines.
  file = File(std::vector<std::string>{"[RIRav3 Data]", "ver", "440", "-5", "5", "-5", "5", "1", "1", "1",
                                       "1", "0", "starting", "7"} +
              Repeat("end?", 14) + std::vector<std::string>{"end", "deffunc", "1", "R"});
  result = Load(file);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "R");
}

}  // namespace
