#include "io/EquationFile.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/Sjis.h"

namespace {

using namespace eqfile;

TEST(LineWriterTest, LinesEndInCrLfAndValuesUseTheRuntimeConversions) {
  LineWriter w;
  w.Line("ver");
  w.Int(597);
  w.Single(0.1f);
  w.Float(0.1L);
  w.Float(-0.0L);
  w.Float(std::numeric_limits<Extended>::infinity());
  w.Float(std::numeric_limits<Extended>::quiet_NaN());
  w.Float(1e20L);
  w.Switch(false, kBlankFalse);
  w.FontStyle(1 | 2 | 4);  // bold, italic and underline: the underline is not stored
  EXPECT_EQ(w.Bytes(),
            "ver\r\n597\r\n0.100000001490116\r\n0.1\r\n0\r\n0\r\n0\r\n1E20\r\n false\r\n3\r\n");
}

TEST(LineWriterTest, LineBreaksInsideAValueBecomeBlanks) {
  LineWriter w;
  w.Line("a\rb\nc\r\n");
  EXPECT_EQ(w.Bytes(), "a b c  \r\n");
}

TEST(LineReaderTest, SplitsAtEveryLineEndAndKeepsBlanks) {
  LineReader in("one\r\n two\nthree\r\rfive");
  EXPECT_EQ(in.TakeText(), "one");
  EXPECT_EQ(in.TakeText(), " two");  // never trimmed: " false" is a spelling of its own
  EXPECT_EQ(in.TakeText(), "three");
  EXPECT_EQ(in.TakeText(), "");
  EXPECT_EQ(in.TakeText(), "five");
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(in.Current(), "");
}

TEST(LineReaderTest, KeysAreTakenOnlyWhenTheyMatchExactly) {
  LineReader in("Ver\r\nver\r\n597\r\n");
  EXPECT_FALSE(in.TakeKey("ver"));
  EXPECT_EQ(in.LineNumber(), 1);
  in.Skip();
  EXPECT_TRUE(in.TakeKey("ver"));
  EXPECT_EQ(in.TakeInt(0, 1000), 597);
  EXPECT_FALSE(in.TakeKey("ver"));  // at the end nothing matches
}

TEST(LineReaderTest, FieldsBeyondTheEndOrOutOfRangeNameTheirLine) {
  struct Case {
    const char* bytes;
    bool isFloat;
    ReadError::Kind kind;
  };
  const Case cases[] = {
      {"1\r\n", false, ReadError::Kind::Truncated},
      {"1\r\nx\r\n", false, ReadError::Kind::BadValue},
      {"1\r\n300\r\n", false, ReadError::Kind::BadValue},
      {"1\r\n2.5\r\n", false, ReadError::Kind::BadValue},
      {"1\r\n1E5000\r\n", true, ReadError::Kind::BadValue},  // beyond the 80-bit range
      {"1\r\nNAN\r\n", true, ReadError::Kind::BadValue},
      {"1\r\n", true, ReadError::Kind::Truncated},
      {"1\r\nx", false, ReadError::Kind::Truncated},  // a line without its end was cut
  };
  for (const Case& c : cases) {
    LineReader in(c.bytes);
    in.Skip();
    try {
      c.isFloat ? static_cast<void>(in.TakeFloat()) : static_cast<void>(in.TakeInt(0, 255));
      ADD_FAILURE() << c.bytes;
    } catch (const ReadError& e) {
      EXPECT_EQ(e.line(), 2) << c.bytes;
      EXPECT_EQ(e.kind(), c.kind) << c.bytes;
    }
  }
}

TEST(LineReaderTest, ALastLineWithoutItsLineEndIsStillALine) {
  for (const char* bytes : {"a\r\n7\r\n", "a\r\n7", "a\r\n7\r", "a\n7\n", "a\n7", "a\r7\r", "a\r7"}) {
    LineReader in(bytes);
    EXPECT_EQ(in.TakeText(), "a") << bytes;
    EXPECT_EQ(in.TakeInt(0, 9), 7) << bytes;
    EXPECT_TRUE(in.AtEnd()) << bytes;
  }
}

TEST(LineReaderTest, NumbersOfEverySpellingTheRuntimeAccepts) {
  LineReader in(" 12 \r\n-3\r\n+4\r\n1.5E-3\r\n.5\r\n2\r\n3.5E38\r\n");
  EXPECT_EQ(in.TakeInt(-100, 100), 12);
  EXPECT_EQ(in.TakeInt(-100, 100), -3);
  EXPECT_EQ(in.TakeInt(-100, 100), 4);
  EXPECT_EQ(in.TakeFloat(), 1.5E-3L);
  EXPECT_EQ(in.TakeFloat(), 0.5L);
  EXPECT_EQ(in.TakeWholeFloat(0, 20), 2);
  EXPECT_THROW(in.TakeSingleValue(), ReadError);  // no single-precision cell holds it
}

TEST(LineReaderTest, RequireRefusesCountsBeyondTheRestOfTheFile) {
  LineReader in("a\r\nb\r\n");
  EXPECT_NO_THROW(in.Require(2));
  try {
    in.Require(3);
    ADD_FAILURE();
  } catch (const ReadError& e) {
    EXPECT_EQ(e.kind(), ReadError::Kind::Truncated);
    EXPECT_EQ(e.line(), 3);
  }
}

TEST(UpgradePassTest, OlderFormulaTextsByVersion) {
  struct Case {
    int version;
    bool bothPasses;
    std::string in, out;
  };
  const std::string japanese = sj("ケスP");  // 83 50 83 58 50: trail bytes "P" and "X"
  const Case cases[] = {
      {533, true, "P+X", "X+P"},
      {534, true, "P+X", "P+X"},
      {533, false, japanese, sj("ケスX")},
      {574, true, "a#2#+b$1$", "a^2;+b_1;"},
      {574, true, "x#2", "x^2"},
      {575, true, "a#2#", "a#2#"},
      {574, false, "a#2#", "a#2#"},
      {0, true, "P#" + sj("表") + "#", "X^" + sj("表") + ";"},  // 95 5C: no "#" inside
  };
  for (const Case& c : cases) {
    std::string text = c.in;
    UpgradeFormulaText(text, c.version, c.bothPasses);
    EXPECT_EQ(text, c.out) << c.in << " at " << c.version;
  }
}

TEST(CompanionPictureTest, TheLastFourCharactersBecomeJpg) {
  EXPECT_EQ(CompanionPictureName("/d/graph.lpw"), "/d/graph.jpg");
  EXPECT_EQ(CompanionPictureName("/d/graph.LPW"), "/d/graph.jpg");
  EXPECT_EQ(CompanionPictureName("/d/グラフ.lpw"), "/d/グラフ.jpg");
  EXPECT_EQ(CompanionPictureName("/d/グラフ曲線"), "/d/グ.jpg");  // characters, not bytes
  EXPECT_EQ(CompanionPictureName("/d/ab"), "/d/ab.jpg");
}

}  // namespace
