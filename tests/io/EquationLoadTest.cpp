// Loading as a command: what a damaged, foreign or missing file does to the document, to
// the file name and to the windows.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include "FakeFileHost.h"
#include "SampleDocuments.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"
#include "platform/EventPump.h"

namespace {

const std::filesystem::path kName = "/d/sample.lpw";

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// The index of the first line of a run of lines.
size_t Find(const std::vector<std::string>& lines, const std::vector<std::string>& run) {
  for (size_t i = 0; i + run.size() <= lines.size(); ++i)
    if (std::equal(run.begin(), run.end(), lines.begin() + i)) return i;
  ADD_FAILURE() << "no " << run.front();
  return 0;
}

// One line of the sample file replaced: the line `offset` after the run of lines.
struct LineEdit {
  const char* what;
  std::vector<std::string> run;
  size_t offset;
  std::string line;
};

class EquationLoadTest : public FileHostTest {
 protected:
  void SetUp() override {
    FileHostTest::SetUp();
    sample::BuildPlaneDocument(host);
    lines = SplitLines(WriteEquationFile(kStartAfterImages));
    ResetProgramStateForTest();
  }
  // The sample file with the line `offset` after the run replaced.
  std::string Edited(const std::vector<std::string>& run, size_t offset, const std::string& line) const {
    std::vector<std::string> edited = lines;
    edited.at(Find(lines, run) + offset) = line;
    return JoinLines(edited);
  }
  std::vector<std::string> lines;
};

TEST_F(EquationLoadTest, CountsIndexesAndCodesOutsideTheirTablesStopTheLoad) {
  const LineEdit cases[] = {
      {"entry count", {"intevalcl"}, 6, "141"},
      {"label count", {"labeldata"}, 1, "41"},
      {"function count", {"deffunc"}, 1, "21"},
      {"constant count", {"defconst"}, 1, "21"},
      {"kind 0", {"intevalcl"}, 7, "0"},
      {"kind 4", {"intevalcl"}, 7, "4"},
      {"kind 11", {"intevalcl"}, 7, "11"},
      {"point letter", {"lk", "255"}, 2, "28"},
      {"figure letter", {"3", "2", " false"}, 3, "28"},
      {"derivative link", {"ORI"}, 1, "15"},
      {"point sequence", {"lk", "100"}, 5, "1000000000"},
      {"macro lines", {"macro"}, 1, "2147483646"},
      {"memo font size", {"memot"}, 2, "x"},
      {"after-image code 0", {"starting", "5"}, 2, "0"},
      {"after-image point code", {"starting", "5"}, 2, "2604"},
      {"visibility entry", {"VS"}, 1, "141"},
      {"starting mode", {"starting"}, 1, "8"},
      {"window mode", {"graphmode"}, 1, "4"},
      {"step item", {"syousai"}, 1, "5"},
      {"parameter beyond single precision", {"pq"}, 1, "1E39"},
      {"coordinate system", {"ckind"}, 1, "5"},
  };
  for (const LineEdit& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProgramStateForTest();
    settings.CurrentFileName = "/d/earlier.lpw";
    const EquationFileResult result = LoadEquationFileBytes(kName, Edited(c.run, c.offset, c.line));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(" 行目"), std::string::npos) << result.message;
    EXPECT_TRUE(settings.CurrentFileName.empty());
    EXPECT_LE(doc.EntryCount, kMaxEntries);
    EXPECT_LE(doc.LabelCount, kMaxLabels);
  }
}

TEST_F(EquationLoadTest, EntriesOutOfTheirKindOrderStopTheLoad) {
  sample::Add(kKindRelation).texts[0] = "y<x";
  sample::Add(kKindExplicit).texts[0] = "x";  // behind a relation: no table keeps it so
  const EquationFileResult result = LoadEquationFileBytes(kName, WriteEquationFile(kStartPlain));
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("図形の種類"), std::string::npos) << result.message;
  EXPECT_EQ(doc.EntryCount, 1);
}

TEST_F(EquationLoadTest, ValuesTheDrawingCannotUseAreRepaired) {
  const LineEdit cases[] = {
      {"graph width", {"graphmode", "2"}, 2, "100000"},
      {"graph height", {"graphmode", "2"}, 3, "-5"},
      {"empty x range", {"pfont"}, 5, "3.5"},  // XMin = XMax
      {"font size", {"font"}, 3, "1000000000"},
  };
  for (const LineEdit& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProgramStateForTest();
    const EquationFileResult result = LoadEquationFileBytes(kName, Edited(c.run, c.offset, c.line));
    ASSERT_TRUE(result.ok) << result.message;
  }
  EXPECT_EQ(doc.GraphFont.size, 400);
  ResetProgramStateForTest();
  ASSERT_TRUE(LoadEquationFileBytes(kName, Edited({"graphmode", "2"}, 2, "100000")).ok);
  EXPECT_EQ(doc.GraphWidth, 8192);
  ResetProgramStateForTest();
  ASSERT_TRUE(LoadEquationFileBytes(kName, Edited({"pfont"}, 5, "3.5")).ok);
  EXPECT_EQ(doc.ViewRange, (TViewRange{-5, 5, -1, 12}));
}

TEST_F(EquationLoadTest, SkipLoopsStopAtTheEndOfTheFile) {
  std::vector<std::string> cut(lines.begin(), lines.begin() + Find(lines, {"starting"}) + 1);
  cut.push_back("7");
  cut.insert(cut.end(), 10, "x");
  const EquationFileResult result = LoadEquationFileBytes(kName, JoinLines(cut));
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("途中で終わっています"), std::string::npos) << result.message;
}

TEST_F(EquationLoadTest, AForeignFileChangesNothing) {
  for (const std::string& first : {std::string("[LP6 Data]"), std::string(), std::string("\xEF\xBB\xBF[LP5 Data]")}) {
    ResetProgramStateForTest();
    host.calls.clear();
    sample::Add(kKindExplicit).texts[0] = "x";
    settings.CurrentFileName = "/d/kept.lpw";
    ui.DocumentUntouched = 0;
    std::vector<std::string> foreign = lines;
    foreign[0] = first;
    const EquationFileResult result = LoadEquationFileBytes(kName, first.empty() ? "" : JoinLines(foreign));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("数式ファイルではありません"), std::string::npos);
    EXPECT_EQ(settings.CurrentFileName, "/d/kept.lpw");
    EXPECT_EQ(doc.EntryCount, 1);
    EXPECT_FALSE(host.Called("ResetDocument"));
    EXPECT_FALSE(host.Called("SetCaptionFileName"));
  }
}

TEST_F(EquationLoadTest, AFailedLoadKeepsWhatWasReadButNotTheName) {
  settings.CurrentFileName = "/d/earlier.lpw";
  const EquationFileResult result = LoadEquationFileBytes(kName, Edited({"deffunc"}, 1, "21"));
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("sample.lpw"), std::string::npos);
  EXPECT_EQ(doc.MemoLines.front(), sj("メモ") + sample::Japanese());  // read before the failure
  EXPECT_EQ(doc.LabelCount, 2);
  EXPECT_EQ(doc.EntryCount, 0);
  EXPECT_TRUE(settings.CurrentFileName.empty());  // a later save asks for a new name
  EXPECT_TRUE(host.caption.empty());
  // The windows show what was read; no animation is restored and no macro runs.
  EXPECT_TRUE(host.Called("RebuildEquationList"));
  EXPECT_TRUE(host.Called("CompileMacro"));
  EXPECT_FALSE(host.Called("RunMacroOnload"));
  EXPECT_FALSE(host.Called("SavePointPositions"));
}

TEST_F(EquationLoadTest, AMissingFileRunsOnlyTheClosingSteps) {
  sample::Add(kKindExplicit).texts[0] = "x";
  settings.CurrentFileName = "/d/kept.lpw";
  const EquationFileResult result = LoadEquationFile("/nonexistent/missing.lpw");
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("missing.lpw"), std::string::npos);
  EXPECT_EQ(settings.CurrentFileName, "/d/kept.lpw");
  EXPECT_EQ(doc.EntryCount, 1);
  EXPECT_FALSE(host.Called("ResetDocument"));
  EXPECT_TRUE(host.Called("RestoreGraphWindow"));
  EXPECT_TRUE(host.Called("SetUI3D(plane)"));
}

TEST_F(EquationLoadTest, NothingWhileASubWindowIsOpen) {
  ui.SubFormOpen = 1;
  const EquationFileResult result = LoadEquationFileBytes(kName, JoinLines(lines));
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.message.empty());
  EXPECT_TRUE(host.calls.empty());
}

// From inside a nested message loop a load would replace the document under the handler
// that pumps: it waits until the loop has closed.
TEST_F(EquationLoadTest, ALoadAskedInsideANestedLoopWaitsForItToClose) {
  platform::RunDeferredActions();
  sample::Add(kKindExplicit).texts[0] = "x";
  settings.CurrentFileName = "/d/kept.lpw";
  {
    platform::NestedLoopScope pumping;
    const EquationFileResult result = LoadEquationFileBytes(kName, JoinLines(lines));
    EXPECT_TRUE(result.deferred);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(doc.EntryCount, 1);
    EXPECT_EQ(platform::RunDeferredActions(), 0);
    EXPECT_FALSE(LoadEquationFile("/nonexistent/missing.lpw").ok);  // reported when it runs
  }
  EXPECT_EQ(platform::RunDeferredActions(), 2);
  EXPECT_EQ(doc.EntryCount, 14);
  EXPECT_EQ(settings.CurrentFileName, kName.string());
  ASSERT_EQ(host.reported.size(), 1u);
  EXPECT_NE(host.reported[0].find("missing.lpw"), std::string::npos);
}

TEST_F(EquationLoadTest, ClosingStepsRestoreTheAnimationAndEndWithTheMacro) {
  std::vector<std::string> riemann(lines.begin(), lines.begin() + Find(lines, {"starting"}) + 1);
  for (const char* line : {"3", "0", "2", "10", "5", "1", "2", "3", "4", "5", "6", "1"}) riemann.push_back(line);
  riemann.insert(riemann.end(), lines.begin() + Find(lines, {"deffunc"}), lines.end());
  struct Host : FakeFileHost {
    std::string nameDuringOnload;
    void RunMacroOnload() override {
      FakeFileHost::RunMacroOnload();
      nameDuringOnload = settings.CurrentFileName;
    }
  } recording;
  SetEquationFileHost(&recording);
  const EquationFileResult result = LoadEquationFileBytes(kName, JoinLines(riemann));
  SetEquationFileHost(&host);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(modes.AnimationMode, 2);
  EXPECT_EQ(modes.RiemannStarted, 1);
  EXPECT_EQ(anim.RiemannDivisions, 10);
  EXPECT_EQ(anim.RiemannSumTexts[6], "6");
  EXPECT_EQ(modes.RiemannTextShown, 1);
  EXPECT_EQ(recording.calls.back(), "RunMacroOnload");
  EXPECT_LT(recording.IndexOf("CompileMacro"), recording.IndexOf("RunMacroOnload"));
  EXPECT_LT(recording.IndexOf("ResetDocument"), recording.IndexOf("RebuildEquationList"));
  EXPECT_TRUE(recording.Called("OpenRiemannSumNavi"));
  EXPECT_EQ(recording.nameDuringOnload, kName.string());  // the macro may load another file
  EXPECT_EQ(ui.DocumentUntouched, 0);
}

// The points are classified once the file's dimension is known, not by the dimension of
// the document the file replaces.
TEST_F(EquationLoadTest, APlaneFileReadsTheSameOverASpaceDocument) {
  doc.Dimension = 3;
  ASSERT_TRUE(LoadEquationFileBytes(kName, JoinLines(lines)).ok);
  EXPECT_EQ(doc.Dimension, 2);
  EXPECT_EQ(SplitLines(WriteEquationFile(kStartAfterImages)), lines);
}

TEST_F(EquationLoadTest, HAndItsIncrementComeBackFromTheLinesOlderReadersSkip) {
  ASSERT_TRUE(LoadEquationFileBytes(kName, JoinLines(lines)).ok);
  EXPECT_EQ(ReadVariable(doc.VariableValues, 'h'), static_cast<Extended>(0.3f));
  EXPECT_EQ(doc.ParameterIncrements[12], 0.12L);
  ResetProgramStateForTest();
  ASSERT_TRUE(LoadEquationFileBytes(kName, Edited({"FormSize"}, 1, "wide")).ok);
  EXPECT_EQ(ReadVariable(doc.VariableValues, 'h'), 1);  // not numbers: older files still load
}

TEST_F(EquationLoadTest, CommandLineFile) {
  EXPECT_EQ(CommandLineEquationFile({}), nullptr);
  EXPECT_EQ(CommandLineEquationFile({"a"}), nullptr);
  EXPECT_EQ(CommandLineEquationFile({"graph.Lpw"}), nullptr);
  EXPECT_EQ(CommandLineEquationFile({"graph.txt", "x.lpw"}), nullptr);  // only the first counts
  ASSERT_NE(CommandLineEquationFile({"G.LPW"}), nullptr);

  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "start.lpw";
  std::ofstream(file, std::ios::binary) << JoinLines(lines);
  EquationFileResult result;
  EXPECT_FALSE(OpenCommandLineFile({"notes.txt"}, &result));
  ASSERT_TRUE(OpenCommandLineFile({file.string()}, &result));
  EXPECT_TRUE(result.ok) << result.message;
  EXPECT_EQ(settings.CurrentFileName, file.string());
  EXPECT_EQ(doc.EntryCount, 14);
}

}  // namespace
