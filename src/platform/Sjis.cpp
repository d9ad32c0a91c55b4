#include "platform/Sjis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <unordered_map>

namespace sjis {
namespace {

// glibc's "CP932" (not "SHIFT_JIS", which maps 0x8160 and 0x817C to other characters).
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts one unit; false when the input does not convert.
  bool Convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buf[16];
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = buf;
    size_t outLeft = sizeof buf;
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
      return false;
    out.append(buf, outPtr - buf);
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& ToUtf8Converter() {
  static Converter c("UTF-8", "CP932");
  return c;
}

Converter& FromUtf8Converter() {
  static Converter c("CP932", "UTF-8");
  return c;
}

// Code points that have a CP932 look-alike under another code point.
char32_t MapLookAlike(char32_t c) {
  switch (c) {
    case 0x301C: return 0xFF5E;  // wave dash -> fullwidth tilde
    case 0x2212: return 0xFF0D;  // minus sign -> fullwidth hyphen-minus
    case 0x2016: return 0x2225;  // double vertical line -> parallel to
    case 0x2014: return 0x2015;  // em dash -> horizontal bar
    case 0x00A2: return 0xFFE0;  // cent
    case 0x00A3: return 0xFFE1;  // pound
    case 0x00AC: return 0xFFE2;  // not sign
    default: return c;
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one UTF-8 character at s[i]; advances i; returns U+FFFD for malformed input.
char32_t DecodeUtf8(std::string_view s, size_t& i) {
  const unsigned char b0 = static_cast<unsigned char>(s[i]);
  int extra = b0 < 0x80 ? 0 : (b0 & 0xE0) == 0xC0 ? 1 : (b0 & 0xF0) == 0xE0 ? 2 : (b0 & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0 || i + extra >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = extra == 0 ? b0 : (b0 & (0x3F >> extra));
  for (int k = 1; k <= extra; ++k) {
    const unsigned char b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return c;
}

}  // namespace

std::string ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  for (size_t i = 0; i < cp932.size();) {
    const unsigned char c = static_cast<unsigned char>(cp932[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    const size_t len = IsLeadByte(c) ? 2 : 1;
    if (i + len > cp932.size() || !ToUtf8Converter().Convert(cp932.substr(i, len), out)) out.push_back('?');
    i += std::min(len, cp932.size() - i);
  }
  return out;
}

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::string unit;
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.push_back(utf8[i++]);
      continue;
    }
    char32_t c = MapLookAlike(DecodeUtf8(utf8, i));
    unit.clear();
    AppendUtf8(unit, c);
    if (c == 0xFFFD || !FromUtf8Converter().Convert(unit, out)) out.push_back('?');
  }
  return out;
}

int CharCount(std::string_view cp932) { return CharIndexOfByte(cp932, static_cast<int>(cp932.size())); }

int CharIndexOfByte(std::string_view cp932, int byteOffset) {
  int chars = 0;
  const int n = static_cast<int>(cp932.size());
  for (int i = 0; i < n;) {
    const int len = (IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < n) ? 2 : 1;
    if (i + len > byteOffset) break;
    i += len;
    ++chars;
  }
  return chars;
}

int ByteOfCharIndex(std::string_view cp932, int charIndex) {
  const int n = static_cast<int>(cp932.size());
  int i = 0;
  for (int chars = 0; i < n && chars < charIndex; ++chars)
    i += (IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < n) ? 2 : 1;
  return i;
}

}  // namespace sjis

const std::string& sj(std::string_view utf8) {
  static std::unordered_map<std::string, std::string> cache;
  auto it = cache.find(std::string(utf8));
  if (it == cache.end()) it = cache.emplace(std::string(utf8), sjis::FromUtf8(utf8)).first;
  return it->second;
}
