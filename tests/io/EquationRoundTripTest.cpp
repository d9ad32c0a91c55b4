#include <gtest/gtest.h>

#include <numeric>

#include "FakeFileHost.h"
#include "SampleDocuments.h"
#include "formula/AnimationState.h"
#include "formula/ConstructedPoints.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"
#include "platform/Runtime.h"

namespace {

const std::filesystem::path kName = "/nonexistent/sample.lpw";

class EquationRoundTripTest : public FileHostTest {
 protected:
  // Saves, loads over a fresh program state and saves again.
  void ExpectStableRoundTrip(int startingMode) {
    const std::string first = WriteEquationFile(startingMode);
    const DocumentState saved = doc;
    ResetProgramStateForTest();
    const EquationFileResult result = LoadEquationFileBytes(kName, first);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(WriteEquationFile(startingMode), first);
    for (int i = 1; i <= saved.EntryCount; ++i)
      EXPECT_EQ(doc.FigureTable[i].texts, saved.FigureTable[i].texts) << "entry " << i;
    EXPECT_EQ(doc.LabelTable[1], saved.LabelTable[1]);
    EXPECT_EQ(doc.MacroLines, saved.MacroLines);
    // The sequences come back as stored; the load computes the other points afresh.
    for (int i = 1; i <= saved.EntryCount; ++i) {
      const Tfuncprop& e = saved.FigureTable[i];
      if (e.kind == kKindPoint && e.subkind == kPointSequence)
        EXPECT_EQ(doc.PointSequences[e.letter], saved.PointSequences[e.letter]) << "point " << int(e.letter);
    }
    EXPECT_EQ(settings.CurrentFileName, kName.string());
  }
};

TEST_F(EquationRoundTripTest, PlaneDocumentInParameterMode) {
  sample::BuildPlaneDocument(host);
  ExpectStableRoundTrip(kStartAfterImages);
  int snapshots = 0;
  for (const TAfterImageEntry* s = settings.AfterImageHistory; s; s = s->older) ++snapshots;
  EXPECT_EQ(snapshots, 2);
  EXPECT_EQ(modes.AnimationMode, 0);  // the parameter-mode restart
  EXPECT_EQ(modes.AfterImageOn, 1);
  EXPECT_TRUE(host.Called("SavePointPositions"));
}

TEST_F(EquationRoundTripTest, SpaceDocumentDuringTheTangentAnimation) {
  sample::BuildSpaceDocument(host);
  ExpectStableRoundTrip(kStartTangent);
  EXPECT_EQ(doc.Dimension, 3);
  EXPECT_EQ(doc.SpaceRange, 2);
  EXPECT_EQ(doc.SpaceSurfacePresent, 1);
  EXPECT_TRUE(host.Called("SetUI3D(space)"));
  EXPECT_FALSE(host.Called("OpenTangentNavi"));  // the calculus windows are the plane's
}

TEST_F(EquationRoundTripTest, EveryStartingModeKeepsItsState) {
  sample::BuildPlaneDocument(host);
  anim.MeanRateA = -0.5L;
  anim.MeanRateStart = 1.75L;
  anim.IntegralTexts = {{"0", "pi", "-1", "2"}};
  anim.RiemannDivisions = 40;
  settings.RiemannSumKind = 4;
  for (int k = 1; k <= 6; ++k) anim.RiemannSumTexts[k] = rtl::FormatFloat("0.0000", k / 3.0L);
  modes.RiemannTextShown = 1;
  for (int mode : {kStartPlain, kStartMeanRate, kStartTangent, kStartRiemann, kStartIntegral,
                   kStartParameters}) {
    SCOPED_TRACE(mode);
    const std::string first = WriteEquationFile(mode);
    ASSERT_TRUE(LoadEquationFileBytes(kName, first).ok);
    EXPECT_EQ(WriteEquationFile(mode), first);
  }
}

// A division count outside the Riemann window's range is brought into it, and the rest of
// the file loads as written.
TEST_F(EquationRoundTripTest, ADivisionCountIsReadIntoTheWindowsRange) {
  sample::BuildPlaneDocument(host);
  anim.IntegralTexts = {{"0", "1", "", ""}};
  anim.RiemannDivisions = 40;
  const std::string file = WriteEquationFile(kStartRiemann);
  const int entries = doc.EntryCount;
  const std::string riemann = "starting\r\n3\r\n0\r\n1\r\n";  // mode, bounds, then the count
  const std::string count = riemann + "40\r\n";
  const size_t at = file.find(count);
  ASSERT_NE(at, std::string::npos);
  const std::pair<const char*, int32_t> cases[] = {
      {"10000", 10000}, {"10001", 10000}, {"2147483648", 10000}, {"2", 2}, {"0", 2}, {"-7", 2},
  };
  for (const auto& [text, read] : cases) {
    SCOPED_TRACE(text);
    ResetProgramStateForTest();
    std::string edited = file;
    edited.replace(at, count.size(), riemann + text + "\r\n");
    const EquationFileResult result = LoadEquationFileBytes(kName, edited);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(anim.RiemannDivisions, read);
    EXPECT_EQ(doc.EntryCount, entries);
    EXPECT_EQ(settings.CurrentFileName, kName.string());
  }
}

// Every cut of a saved file, at every byte, that removes a line or more is refused: a cut
// inside the header as no equation file, any later one as a file cut short. What was read
// stays, with its tables consistent, but the file's name is not taken over, so no later
// save writes the shortened document over the file. A file without its final line end
// loads; a cut inside the last line is refused in space (no end key) and may pass in the
// plane, where the last line is a value of its own.
TEST_F(EquationRoundTripTest, EveryCutOfALineOrMoreIsRefused) {
  struct Case {
    const char* what;
    void (*build)(FakeFileHost&);
    int startingMode;
  };
  const Case cases[] = {
      {"plane: every entry kind, labels, macro, after-image history", sample::BuildPlaneDocument,
       kStartAfterImages},
      {"space: every entry kind, labels, macro, tangent animation", sample::BuildSpaceDocument, kStartTangent},
      {"a new document: no entries, labels or macro", [](FakeFileHost&) {}, kStartPlain},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProgramStateForTest();
    c.build(host);
    const std::string file = WriteEquationFile(c.startingMode);
    const size_t header = file.find("\r\n");
    const size_t lastLine = file.rfind("\r\n", file.size() - 3) + 2;
    const size_t unended = file.size() - 2;
    const bool plane = file.starts_with("[LP5 Data]");
    for (size_t n = 0; n <= file.size(); ++n) {
      ResetProgramStateForTest();
      settings.CurrentFileName = "/earlier.lpw";
      const EquationFileResult result = LoadEquationFileBytes(kName, std::string_view(file).substr(0, n));
      ASSERT_LE(doc.EntryCount, kMaxEntries);
      ASSERT_EQ(std::accumulate(doc.KindCounts.begin(), doc.KindCounts.end(), 0), doc.EntryCount) << n;
      ASSERT_LE(doc.LabelCount, kMaxLabels);
      if (n >= unended) {
        ASSERT_TRUE(result.ok) << n << ": " << result.message;
        continue;
      }
      if (n > lastLine && plane && result.ok) continue;
      ASSERT_FALSE(result.ok) << "cut at byte " << n;
      const char* why = n < header ? "数式ファイルではありません" : "ファイルが途中で終わっています";
      ASSERT_NE(result.message.find(why), std::string::npos) << n << ": " << result.message;
      ASSERT_NE(settings.CurrentFileName, kName.string()) << n;
    }
  }
  ResetProgramStateForTest();
}

}  // namespace
