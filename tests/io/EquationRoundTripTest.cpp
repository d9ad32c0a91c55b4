#include <gtest/gtest.h>

#include <numeric>

#include "FakeFileHost.h"
#include "SampleDocuments.h"
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
    EXPECT_EQ(doc.PointSequences, saved.PointSequences);
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

// Every prefix of a valid file either loads or stops with a message, never leaving the
// tables inconsistent and never taking over the file's name when it stops.
void ExpectEveryPrefixLoadsSafely(FakeFileHost& host, const std::string& file) {
  for (size_t n = 0; n <= file.size(); ++n) {
    ResetProgramStateForTest();
    settings.CurrentFileName = "/earlier.lpw";
    const EquationFileResult result = LoadEquationFileBytes(kName, std::string_view(file).substr(0, n));
    ASSERT_LE(doc.EntryCount, kMaxEntries);
    ASSERT_EQ(std::accumulate(doc.KindCounts.begin(), doc.KindCounts.end(), 0), doc.EntryCount) << n;
    ASSERT_LE(doc.LabelCount, kMaxLabels);
    if (n == file.size()) {
      ASSERT_TRUE(result.ok) << result.message;
    }
    if (!result.ok) {
      ASSERT_FALSE(result.message.empty()) << n;
      ASSERT_TRUE(settings.CurrentFileName.empty() || settings.CurrentFileName == "/earlier.lpw") << n;
    }
  }
  ResetProgramStateForTest();
}

TEST_F(EquationRoundTripTest, EveryPrefixOfAPlaneFile) {
  sample::BuildPlaneDocument(host);
  ExpectEveryPrefixLoadsSafely(host, WriteEquationFile(kStartAfterImages));
}

TEST_F(EquationRoundTripTest, EveryPrefixOfASpaceFile) {
  sample::BuildSpaceDocument(host);
  ExpectEveryPrefixLoadsSafely(host, WriteEquationFile(kStartTangent));
}

}  // namespace
