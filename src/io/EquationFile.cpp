#include "io/EquationFile.h"

#include <cmath>
#include <limits>

#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace eqfile {

void LineWriter::Line(std::string_view text) {
  const size_t start = bytes_.size();
  bytes_.append(text);
  for (size_t i = start; i < bytes_.size(); ++i)
    if (bytes_[i] == '\r' || bytes_[i] == '\n') bytes_[i] = ' ';
  bytes_ += "\r\n";
}

void LineWriter::Int(int64_t value) { Line(rtl::IntToStr(value)); }

void LineWriter::Float(Extended value) { Line(std::isfinite(value) ? rtl::FloatToStr(value) : "0"); }

LineReader::LineReader(std::string_view bytes) {
  lines_.reserve(bytes.size() / 8);  // about as many lines as a file holds
  size_t start = 0;
  bool crLf = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c > '\r' || (c != '\r' && c != '\n')) continue;
    lines_.emplace_back(bytes.data() + start, i - start);
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      crLf = true;
      ++i;
    }
    start = i + 1;
  }
  if (start < bytes.size()) {
    lines_.emplace_back(bytes.data() + start, bytes.size() - start);
    lastLineEnded_ = false;
  } else if (crLf && bytes.back() == '\r') {
    lastLineEnded_ = false;
  }
}

bool LineReader::TakeKey(std::string_view key) {
  if (!IsKey(key)) return false;
  ++index_;
  return true;
}

std::string LineReader::TakeText() {
  if (AtEnd()) FailTruncated();
  return std::string(lines_[index_++]);
}

void LineReader::Skip(size_t count) {
  Require(count);
  index_ += count;
}

namespace {

const std::string kCutShort = "ファイルが途中で終わっています";

std::string IntegerWanted(int64_t lo, int64_t hi) {
  if (lo <= std::numeric_limits<int32_t>::min() && hi >= std::numeric_limits<int32_t>::max())
    return "整数が必要です";
  return "整数 " + rtl::IntToStr(lo) + "～" + rtl::IntToStr(hi) + " が必要です";
}

}  // namespace

int64_t LineReader::TakeInt(int64_t lo, int64_t hi) {
  if (AtEnd()) FailTruncated();
  int64_t value = 0;
  if (!rtl::TryStrToInt(lines_[index_], value) || value < lo || value > hi) Fail(IntegerWanted(lo, hi));
  ++index_;
  return value;
}

Extended LineReader::TakeFloat() {
  if (AtEnd()) FailTruncated();
  Extended value = 0;
  if (!rtl::TryStrToFloat(lines_[index_], value) || !std::isfinite(value)) Fail("数値が必要です");
  ++index_;
  return value;
}

Extended LineReader::TakeSingleValue() {
  const Extended value = TakeFloat();
  if (std::fabs(value) > std::numeric_limits<float>::max()) FailLast("数値が大きすぎます");
  return value;
}

int64_t LineReader::TakeWholeFloat(int64_t lo, int64_t hi) {
  if (AtEnd()) FailTruncated();
  Extended value = 0;
  if (!rtl::TryStrToFloat(lines_[index_], value) || value != std::floor(value) || value < lo ||
      value > hi)
    Fail(IntegerWanted(lo, hi));
  ++index_;
  return static_cast<int64_t>(value);
}

void LineReader::Require(size_t lines) const {
  // The message names the line where the file ends.
  if (RemainingLines() < lines) Throw(ReadError::Kind::Truncated, lines_.size() + 1, kCutShort);
}

void LineReader::Fail(const std::string& what) const { FailAt(index_, what); }

void LineReader::FailLast(const std::string& what) const { FailAt(index_ - 1, what); }

void LineReader::FailTruncated() const { Throw(ReadError::Kind::Truncated, index_ + 1, kCutShort); }

void LineReader::FailAt(size_t index, const std::string& what) const {
  // A value on the line the file was cut inside is not wrong but incomplete.
  if (!lastLineEnded_ && index + 1 == lines_.size()) Throw(ReadError::Kind::Truncated, index + 1, kCutShort);
  Throw(ReadError::Kind::BadValue, index + 1, what);
}

void LineReader::Throw(ReadError::Kind kind, size_t line, const std::string& what) {
  throw ReadError(kind, static_cast<int>(line), what);
}

void SwapPointLetters(std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (sjis::IsLeadByte(c)) {
      ++i;  // the trail byte may be "P" or "X"
    } else if (c == 'P') {
      text[i] = 'X';
    } else if (c == 'X') {
      text[i] = 'P';
    }
  }
}

void UpgradeHashAndDollar(std::string& text) {
  int hashes = 0, dollars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (sjis::IsLeadByte(c)) {
      ++i;
    } else if (c == '#') {
      text[i] = (hashes++ % 2 == 0) ? '^' : ';';
    } else if (c == '$') {
      text[i] = (dollars++ % 2 == 0) ? '_' : ';';
    }
  }
}

void UpgradeFormulaText(std::string& text, int version, bool bothPasses) {
  if (version < 534) SwapPointLetters(text);
  if (bothPasses && version < 575) UpgradeHashAndDollar(text);
}

std::filesystem::path CompanionPictureName(const std::filesystem::path& equationFile) {
  const std::u8string name = equationFile.filename().u8string();
  // Four characters back from the end, stepping over UTF-8 continuation bytes.
  size_t cut = name.size();
  for (int chars = 0; chars < 4 && cut > 0; ++chars) {
    do --cut;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80);
  }
  std::u8string stem = name.size() > 4 && cut > 0 ? name.substr(0, cut) : name;
  return equationFile.parent_path() / std::filesystem::path(stem + u8".jpg");
}

}  // namespace eqfile
