#pragma once
// zlib's stream interface between the PNG row loops and the chunk streams. The inflater
// pulls compressed bytes through a refill callback and yields one unfiltered row at a
// time; the deflater filters and compresses rows into a fixed buffer and hands each full
// buffer to a flush callback (one IDAT chunk each).
#include <zlib.h>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "png/PngFormat.h"

// Results besides 0 and zlib's negative codes.
inline constexpr int kInflateNoInput = -100;    // the refill callback had nothing more
inline constexpr int kInflateBadFilter = -101;  // a row's filter type is above 4
inline constexpr int kInflateEarlyEnd = -102;   // the compressed data ended inside a row

struct TVexZStream {
  TVexZStream() = default;
  TVexZStream(const TVexZStream&) = delete;
  TVexZStream& operator=(const TVexZStream&) = delete;
  ~TVexZStream();

  z_stream z{};
  bool inflating = false, deflating = false;
  bool streamEnded = false;     // the inflater met the end of the compressed data
  bool inputEnded = false;      // the refill callback had nothing more
  std::vector<uint8_t> buffer;  // deflate output
  // Inflater output not yet handed out as rows: [inflatedPos, inflatedEnd) of inflated.
  // Inflating many rows a call keeps zlib on its fast path, which stops short of the
  // end of each output buffer.
  std::vector<uint8_t> inflated;
  size_t inflatedPos = 0, inflatedEnd = 0;
  // Bytes of the image's filtered rows still to come, set by the reader: the inflater
  // reads ahead up to there and never past it. 0: one row at a time.
  uint64_t expected = 0;
  // Inflater input: the next compressed bytes (they must stay valid until used up), or
  // an empty span when there are no more. May raise.
  std::function<std::span<const uint8_t>()> refill;
  // Deflater output: writes a full or final buffer. May raise.
  std::function<void(const uint8_t* data, size_t length)> flush;
  TVexPNGRowHook rowHook;  // with hookText: see TVexPNGRowHook
  std::string hookText;

  // Rows: filter byte + rowBytes; current and previous unfiltered, candidate and best
  // filtered (writer).
  std::vector<uint8_t> current, previous, candidate, best;
  // Reader: the row InflateRow gave last (filter byte first) and the row above the next
  // one. Both lie in `inflated` while it holds them, else in `previous`.
  uint8_t* row = nullptr;
  const uint8_t* above = nullptr;
  uint32_t counts[256]{};
  size_t rowBytes = 0;
  int bitsPerPixel = 8;
  int filterMode = 1;
};

int InflaterInit(TVexZStream& s);
void InflaterFree(TVexZStream& s);
// Starts a run of rows of rowBytes each (an image or an Adam7 pass): the row above the
// first is zeros. The writer's filter buffers are sized only while deflating.
void StartRows(TVexZStream& s, size_t rowBytes, int bitsPerPixel);
// Inflates and unfilters the next row, which s.row then points at (data from s.row[1],
// valid until the next call); 0 or an error code.
int InflateRow(TVexZStream& s);

// bufferSize 1..262143 is used as given, anything else is 32768; level -1 or anything
// outside 0..9 is zlib's default.
int DeflaterInit(TVexZStream& s, int level, int bufferSize);
// Filters the row in s.current[1 ..] by s.filterMode and compresses it; 0 or an error.
int DeflateRow(TVexZStream& s);
int DeflaterFinish(TVexZStream& s);
void DeflaterFree(TVexZStream& s);
