#include <gtest/gtest.h>

#include "ui/CsvPoints.h"

namespace {

TEST(CsvPoints, OneLine) {
  const struct {
    const char* line;
    bool ok;
    long double x, y, z;
  } cases[] = {
      {"1,2", true, 1, 2, 0},     {"1,2,3", true, 1, 2, 3},   {"1,abc,3", true, 1, 0, 3},
      {"1,2,xyz", true, 1, 2, 0}, {"1,2,3,4", true, 1, 2, 3}, {"1.5,-2e3", true, 1.5L, -2000, 0},
      {"1,2\r", true, 1, 2, 0},   {" 4 , 5 ", true, 4, 5, 0}, {"7", true, 7, 0, 0},
      {"abc,1", false, 0, 0, 0},  {"", false, 0, 0, 0},       {",1,2", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const std::optional<TSpacePoint> p = ParseCsvPointLine(c.line);
    ASSERT_EQ(p.has_value(), c.ok) << c.line;
    if (!p) continue;
    EXPECT_EQ(p->x, c.x) << c.line;
    EXPECT_EQ(p->y, c.y) << c.line;
    EXPECT_EQ(p->z, c.z) << c.line;
    EXPECT_EQ(p->valid, 1);
  }
}

TEST(CsvPoints, AWholeFileKeepsItsOrderAndStopsAtTheFirstBadLine) {
  TCsvPoints read = ParseCsvPoints("0,0\r\n1,1,1\r\n-2,4\r\n");
  ASSERT_TRUE(read.error.empty()) << read.error;
  ASSERT_EQ(read.points.size(), 3u);
  EXPECT_EQ(read.points[2].x, -2);
  EXPECT_EQ(read.points[2].y, 4);
  EXPECT_EQ(read.points[1].z, 1);
  EXPECT_EQ(ParseCsvPoints("5,6").points.size(), 1u);  // no line break at the end

  read = ParseCsvPoints("0,0\n1,1\nx,2\n3,3\n");
  EXPECT_TRUE(read.points.empty());
  EXPECT_NE(read.error.find("3 行目"), std::string::npos) << read.error;
  EXPECT_NE(read.error.find("'x'"), std::string::npos) << read.error;

  read = ParseCsvPoints("0,0\n\n1,1\n");  // an empty line is no number either
  EXPECT_NE(read.error.find("2 行目"), std::string::npos) << read.error;
  EXPECT_FALSE(ParseCsvPoints("").error.empty());
}

// A number too large for any value is refused where it stands, in any of the three fields.
TEST(CsvPoints, ValuesBeyondTheNumberRangeAreRefusedWithTheirLine) {
  const std::string huge(100000, '9');
  const struct {
    std::string line;
    std::string shown;
  } cases[] = {
      {huge + ",1", huge.substr(0, 40)},
      {"1e5000,1", "1e5000"},
      {"1,-1e5000", "-1e5000"},
      {"1,2,1e5000", "1e5000"},
  };
  for (const auto& c : cases) {
    const TCsvPoints read = ParseCsvPoints("0,0\r\n" + c.line + "\r\n");
    EXPECT_TRUE(read.points.empty()) << c.shown;
    EXPECT_NE(read.error.find("2 行目の '" + c.shown + "' は数値ではありません。"), std::string::npos) << read.error;
  }
}

}  // namespace
