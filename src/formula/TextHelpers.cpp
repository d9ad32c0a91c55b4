#include "formula/TextHelpers.h"

#include <cstdint>

#include "formula/Numeric.h"
#include "platform/Sjis.h"

std::string PiFractionText(int n, int d) {
  int64_t num = n, den = d;
  ReduceFraction(num, den);
  if (num == 0) return "0";
  static const std::string& pi = sj("π");
  std::string text;
  if (num == 1)
    text = pi;
  else if (num == -1)
    text = "-" + pi;
  else
    text = std::to_string(num) + pi;
  if (den != 1) text += "/" + std::to_string(den);
  return text;
}

namespace {
// Byte at 1-based pos, or false past either end.
bool ByteAt(const std::string& text, int pos, char& c) {
  if (pos < 1 || pos > static_cast<int>(text.size())) return false;
  c = text[pos - 1];
  return true;
}
}  // namespace

void SkipChars(const std::string& text, char ch, int& pos) {
  char c;
  while (ByteAt(text, pos, c) && c == ch) ++pos;
}

void SkipToChar(const std::string& text, char ch, int& pos) {
  char c;
  if (pos < 1) pos = 1;
  while (ByteAt(text, pos, c) && c != ch) ++pos;
}

std::string NextToken(const std::string& text, char delimiter, int& pos) {
  if (pos < 1) pos = 1;
  SkipChars(text, ' ', pos);
  int start = pos;
  SkipToChar(text, delimiter, pos);
  if (start > static_cast<int>(text.size())) return {};
  return text.substr(start - 1, pos - start);
}

void TrimRightSpaces(std::string& s) {
  size_t end = s.find_last_not_of(' ');
  s.erase(end == std::string::npos ? 0 : end + 1);
}

void TrimLeftSpaces(std::string& s) { s.erase(0, s.find_first_not_of(' ')); }

int FindCharSkippingDBCS(char ch, const std::string& text, int start, int last) {
  const int size = static_cast<int>(text.size());
  if (last > size) last = size;
  if (start < 1) start = 1;
  // Character boundaries are only known from the text's start.
  for (int pos = 1; pos <= last;) {
    unsigned char c = static_cast<unsigned char>(text[pos - 1]);
    if (sjis::IsLeadByte(c) && pos < size) {
      pos += 2;
      continue;
    }
    if (pos >= start && text[pos - 1] == ch) return pos;
    ++pos;
  }
  return 0;
}
