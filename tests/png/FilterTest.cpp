// Row filters, the adaptive filter score and the zlib adapters.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <numeric>
#include <random>

#include "png/RowFilters.h"
#include "png/VexZStream.h"
#include "png/ZlibMemory.h"

namespace {

TEST(Filters, PaethPredictor) {
  struct Row {
    int left, above, upperLeft, expected;
  } rows[] = {
      {10, 20, 15, 15}, {10, 10, 10, 10}, {100, 50, 60, 100}, {50, 100, 60, 100}, {0, 255, 0, 255}};
  for (const Row& r : rows) EXPECT_EQ(PaethPredictor(r.left, r.above, r.upperLeft), r.expected);
}

TEST(Filters, EveryFilterUndoesItself) {
  std::mt19937 rng(3);
  for (int bpp : {1, 2, 3, 4, 6, 8}) {
    std::vector<uint8_t> prev(37), row(37), out(38);
    for (auto& v : prev) v = uint8_t(rng());
    for (auto& v : row) v = uint8_t(rng());
    for (uint8_t type = 0; type <= 4; ++type) {
      FilterRow(type, row.data(), prev.data(), row.size(), bpp, out.data());
      EXPECT_EQ(out[0], type);
      std::vector<uint8_t> back(out.begin() + 1, out.end());
      ASSERT_TRUE(UnfilterRow(type, back.data(), prev.data(), back.size(), bpp));
      EXPECT_EQ(back, row) << "type " << int(type) << " bpp " << bpp;
    }
    EXPECT_FALSE(UnfilterRow(5, row.data(), prev.data(), row.size(), bpp));
    EXPECT_FALSE(UnfilterRow(255, row.data(), prev.data(), row.size(), bpp));
  }
  EXPECT_EQ(FilterStride(1), 1);
  EXPECT_EQ(FilterStride(4), 1);
  EXPECT_EQ(FilterStride(24), 3);
  EXPECT_EQ(FilterStride(48), 6);
}

TEST(Filters, HistogramScore) {
  uint32_t counts[256];
  std::vector<uint8_t> row(13);
  std::iota(row.begin(), row.end(), 0);  // 13 different values
  EXPECT_EQ(ScoreFilteredRow(row.data(), 13, 24, counts).score, 897);
  EXPECT_EQ(ScoreFilteredRow(row.data(), 13, 1, counts).score, 1154);
  EXPECT_FALSE(ScoreFilteredRow(row.data(), 13, 24, counts).takeAtOnce);
  EXPECT_TRUE(ScoreFilteredRow(row.data(), 8, 24, counts).takeAtOnce);   // 8 values
  EXPECT_FALSE(ScoreFilteredRow(row.data(), 9, 24, counts).takeAtOnce);  // 9 values
  std::vector<uint8_t> mostly(26, 7);
  for (int i = 0; i < 8; ++i) mostly[size_t(i)] = uint8_t(100 + i);  // 18 of 26 alike, 9 values
  EXPECT_FALSE(ScoreFilteredRow(mostly.data(), 26, 24, counts).takeAtOnce);
  std::vector<uint8_t> alike(26, 7);
  for (int i = 0; i < 3; ++i) alike[size_t(i)] = uint8_t(i);  // 23 of 26: more than 88 per cent
  EXPECT_TRUE(ScoreFilteredRow(alike.data(), 26, 24, counts).takeAtOnce);
}

TEST(Filters, AdaptiveChoiceTakesTheFirstRowThatIsTakenAtOnce) {
  uint32_t counts[256];
  std::vector<uint8_t> a(65), b(65), prev(64, 0), row(65);
  // A row the same as the one above: None scores, Sub does not win, Up gives all zeros.
  std::mt19937 rng(5);
  for (auto& v : prev) v = uint8_t(rng());
  std::copy(prev.begin(), prev.end(), row.begin() + 1);
  const uint8_t* out =
      ChooseAndFilterRow(0, row.data(), prev.data(), 64, 24, a.data(), b.data(), counts);
  EXPECT_EQ(out[0], kFilterUp);
  EXPECT_TRUE(std::all_of(out + 1, out + 65, [](uint8_t v) { return v == 0; }));
  // A row of one value is taken with None at once, in place.
  std::fill(row.begin(), row.end(), 9);
  out = ChooseAndFilterRow(0, row.data(), prev.data(), 64, 24, a.data(), b.data(), counts);
  EXPECT_EQ(out, row.data());
  EXPECT_EQ(out[0], kFilterNone);
  // The best of several stays whole while later candidates are tried.
  for (size_t i = 1; i < 65; ++i) row[i] = uint8_t(prev[i - 1] + (i % 3 ? 1 : 200));
  out = ChooseAndFilterRow(0, row.data(), prev.data(), 64, 24, a.data(), b.data(), counts);
  std::vector<uint8_t> back(out + 1, out + 65);
  ASSERT_TRUE(UnfilterRow(out[0], back.data(), prev.data(), 64, 3));
  EXPECT_TRUE(std::equal(back.begin(), back.end(), row.begin() + 1));
}

TEST(ZStream, DeflaterBufferSize) {
  for (auto [asked, used] : {std::pair{0, 32768},
                             {262144, 32768},
                             {300000, 32768},
                             {-5, 32768},
                             {1, 1},
                             {262143, 262143}}) {
    TVexZStream z;
    ASSERT_EQ(DeflaterInit(z, -1, asked), 0);
    EXPECT_EQ(z.buffer.size(), size_t(used)) << asked;
  }
}

TEST(ZStream, TheRowHookLeavesTheRowAboveAlone) {
  TVexZStream z;
  ASSERT_EQ(DeflaterInit(z, -1, 0), 0);
  z.filterMode = 1;  // None: the row is written as it stands
  z.flush = [](const uint8_t*, size_t) {};
  std::vector<uint8_t> seen;
  z.rowHook = [&](uint8_t* row, size_t n, const std::string&) {
    for (size_t i = 1; i < n; ++i) row[i] ^= 0xFF;
    seen.assign(row, row + n);
  };
  StartRows(z, 8, 8);
  std::iota(z.current.begin() + 1, z.current.begin() + 9, 1);
  ASSERT_EQ(DeflateRow(z), 0);
  EXPECT_EQ(seen, (std::vector<uint8_t>{0, 254, 253, 252, 251, 250, 249, 248, 247}));
  // The unfiltered row stays for the next row's filter.
  EXPECT_EQ(std::vector<uint8_t>(z.previous.begin() + 1, z.previous.begin() + 9),
            (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ZStream, RowsSurviveTinyBuffersAndOneByteRefills) {
  std::mt19937 rng(11);
  const size_t rowBytes = 50;
  std::vector<std::vector<uint8_t>> rows(20, std::vector<uint8_t>(rowBytes));
  for (auto& r : rows)
    for (size_t i = 0; i < rowBytes; ++i) r[i] = uint8_t(i < 25 ? i * 3 : rng());
  std::vector<uint8_t> compressed;
  size_t flushes = 0;
  {
    TVexZStream z;
    ASSERT_EQ(DeflaterInit(z, 9, 256), 0);
    z.filterMode = 0;
    z.flush = [&](const uint8_t* d, size_t n) {
      EXPECT_LE(n, 256u);
      compressed.insert(compressed.end(), d, d + n);
      ++flushes;
    };
    StartRows(z, rowBytes, 24);
    for (auto& r : rows) {
      std::copy(r.begin(), r.end(), z.current.begin() + 1);
      ASSERT_EQ(DeflateRow(z), 0);
    }
    ASSERT_EQ(DeflaterFinish(z), 0);
  }
  EXPECT_GT(flushes, 1u);
  // Row by row, and reading ahead up to the end of the image.
  for (uint64_t expected : {uint64_t{0}, uint64_t{rows.size() * (rowBytes + 1)}}) {
    TVexZStream in;
    ASSERT_EQ(InflaterInit(in), 0);
    in.expected = expected;
    size_t at = 0;
    in.refill = [&]() -> std::span<const uint8_t> {
      if (at >= compressed.size()) return {};
      return {compressed.data() + at++, 1};
    };
    StartRows(in, rowBytes, 24);
    for (auto& r : rows) {
      ASSERT_EQ(InflateRow(in), 0);
      EXPECT_TRUE(std::equal(r.begin(), r.end(), in.row + 1));
    }
    EXPECT_EQ(InflateRow(in), kInflateEarlyEnd);  // past the last row: the data has ended
  }
}

}  // namespace

namespace {

TEST(ZStream, MemoryIsKeptForTheNextPicture) {
  void* a = ZlibAlloc(nullptr, 1, 65536);
  ASSERT_TRUE(a);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % alignof(std::max_align_t), 0u);
  ZlibFree(nullptr, a);
  void* b = ZlibAlloc(nullptr, 2, 32768);
  EXPECT_EQ(b, a);  // the same block again
  void* c = ZlibAlloc(nullptr, 3, 7);
  ASSERT_TRUE(c);
  std::memset(c, 1, 21);
  ZlibFree(nullptr, c);
  ZlibFree(nullptr, b);
  // Far more than is kept goes back to the system without trouble.
  std::vector<void*> many;
  for (int i = 0; i < 40; ++i) many.push_back(ZlibAlloc(nullptr, 1, 100000));
  for (void* p : many) ZlibFree(nullptr, p);
}

}  // namespace
