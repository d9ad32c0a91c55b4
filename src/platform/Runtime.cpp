#include "platform/Runtime.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/Sjis.h"

namespace rtl {
namespace {

constexpr Extended kInt64Limit = 9223372036854775807.0L;

int64_t Saturate(Extended v) {
  if (std::isnan(v)) return 0;
  if (v >= kInt64Limit) return std::numeric_limits<int64_t>::max();
  if (v <= -kInt64Limit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(v);
}

// Decimal digits of |v| rounded to `digits` significant places: v = 0.d1d2... * 10^exponent.
struct Decimal {
  std::string digits;  // without leading zeros; "0" for zero
  int exponent = 0;    // position of the decimal point relative to the first digit
  bool negative = false;
};

Decimal ToDecimal(Extended v, int digits) {
  Decimal d;
  d.negative = std::signbit(v);
  v = std::fabs(v);
  if (v == 0) {
    d.digits = "0";
    d.exponent = 1;
    return d;
  }
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
  std::string_view text(buf, res.ptr - buf);
  size_t e = text.find('e');
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') d.digits.push_back(text[i]);
  int exp10 = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exp10);
  d.exponent = exp10 + 1;
  return d;
}

void StripTrailingZeros(std::string& digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the number syntax at the start of s (0 when none).
size_t NumberLength(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t mantissaDigits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

// Numbers of up to 19 significant digits scaled by at most 10^27, unsigned: both the
// digits and the power of ten are exact in 80 bits, so one multiplication or division
// rounds once and gives the correctly rounded value, as from_chars does on its much
// slower general path. False for any other number.
bool ParseShortNumber(std::string_view s, Extended& v) {
  constexpr int kMaxDigits = 19, kMaxScale = 27;
  uint64_t digits = 0;
  int count = 0, scale = 0;
  size_t i = 0;
  bool fraction = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.') {
      fraction = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    if (fraction) --scale;
    if (digits == 0 && c == '0') continue;  // a leading zero
    if (++count > kMaxDigits) return false;
    digits = digits * 10 + static_cast<uint64_t>(c - '0');
  }
  if (i < s.size()) {  // the exponent, after "e" or "E"
    ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    int exponent = 0;
    for (; i < s.size(); ++i) {
      exponent = exponent * 10 + (s[i] - '0');
      if (exponent > 1000) return false;
    }
    scale += negative ? -exponent : exponent;
  }
  if (digits == 0) {
    v = 0;
    return true;
  }
  if (scale < -kMaxScale || scale > kMaxScale) return false;
  static const auto powers = [] {
    std::array<Extended, kMaxScale + 1> p{};
    p[0] = 1;
    for (int k = 1; k <= kMaxScale; ++k) p[k] = p[k - 1] * 10;
    return p;
  }();
  const auto m = static_cast<Extended>(digits);
  v = scale >= 0 ? m * powers[scale] : m / powers[-scale];
  return true;
}

Extended ParseNumber(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  Extended v = 0;
  if (ParseShortNumber(s, v)) return negative ? -v : v;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars leaves v untouched on range errors: overflow saturates, underflow is 0.
    bool tiny = false;
    for (size_t k = 0; k < s.size(); ++k)
      if ((s[k] == 'e' || s[k] == 'E') && k + 1 < s.size() && s[k + 1] == '-') tiny = true;
    v = tiny ? 0.0L : std::numeric_limits<Extended>::infinity();
  }
  return negative ? -v : v;
}

}  // namespace

int64_t Round(Extended v) {
  // llrint rounds by the current mode (half to even) in one instruction; nearbyint would
  // save and restore the floating-point environment on every call.
  if (std::isnan(v)) return 0;
  if (v >= kInt64Limit || v <= -kInt64Limit) return Saturate(v);
  return std::llrint(v);
}
// The conversion itself truncates toward zero; truncl first would only cost a call.
int64_t Trunc(Extended v) { return Saturate(v); }
Extended RoundToEven(Extended v) { return std::nearbyint(v); }

std::string FloatToStrPrec(Extended v, int precision) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  if (precision < 1) precision = 1;
  if (precision > 18) precision = 18;
  if (v == 0) return "0";
  Decimal d = ToDecimal(v, precision);
  StripTrailingZeros(d.digits);
  std::string out = d.negative ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -3) {
    out += d.digits[0];
    if (n > 1) out += "." + d.digits.substr(1);
    int e = d.exponent - 1;
    out += "E";
    if (e < 0) out += "-";
    out += std::to_string(std::abs(e));
  } else if (d.exponent <= 0) {
    out += "0." + std::string(-d.exponent, '0') + d.digits;
  } else if (d.exponent >= n) {
    out += d.digits + std::string(d.exponent - n, '0');
  } else {
    out += d.digits.substr(0, d.exponent) + "." + d.digits.substr(d.exponent);
  }
  return out;
}

std::string FloatToStr(Extended v) { return FloatToStrPrec(v, 15); }

std::string FloatToStrFixed(Extended v, int precision, int digits) {
  if (std::isnan(v) || std::isinf(v)) return FloatToStrPrec(v, 15);
  precision = std::clamp(precision, 1, 18);
  digits = std::clamp(digits, 0, 18);
  Decimal d = ToDecimal(v, 18);
  if (v == 0) d.negative = false;
  // One rounding, at whichever place is coarser: the last significant digit allowed or
  // the last decimal shown.
  const int keep = std::min(precision, d.exponent + digits);
  std::string kept;
  if (keep < 0) {
    kept = "0";
  } else {
    const bool roundUp = static_cast<int>(d.digits.size()) > keep && d.digits[keep] >= '5';
    kept = d.digits.substr(0, keep);
    if (roundUp) {
      int i = keep - 1;
      while (i >= 0 && kept[i] == '9') kept[i--] = '0';
      if (i >= 0) {
        ++kept[i];
      } else {
        kept.insert(kept.begin(), '1');
        ++d.exponent;
      }
    }
    if (kept.empty()) kept = "0";
  }
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  std::string out = d.negative && !zero ? "-" : "";
  if (zero) {
    out += "0";
    if (digits > 0) out += "." + std::string(digits, '0');
    return out;
  }
  if (d.exponent > precision) {
    kept.resize(precision, '0');
    out += kept.substr(0, 1);
    if (precision > 1) out += "." + kept.substr(1);
    const int e = d.exponent - 1;
    std::string exponent = std::to_string(std::abs(e));
    if (static_cast<int>(exponent.size()) < digits) exponent.insert(0, digits - exponent.size(), '0');
    out += std::string("E") + (e < 0 ? "-" : "+") + exponent;
    return out;
  }
  // Place the kept digits on the grid of `exponent` integer digits and `digits` decimals.
  std::string all = d.exponent > 0 ? kept : std::string(-d.exponent, '0') + kept;
  const int pointPos = std::max(d.exponent, 0);
  all.resize(pointPos + digits, '0');
  std::string intPart = all.substr(0, pointPos);
  out += intPart.empty() ? "0" : intPart;
  if (digits > 0) out += "." + all.substr(pointPos);
  return out;
}

std::string FormatFloat(std::string_view pattern, Extended v) {
  size_t dot = pattern.find('.');
  std::string_view intPat = pattern.substr(0, dot);
  std::string_view fracPat = dot == std::string_view::npos ? std::string_view() : pattern.substr(dot + 1);
  int minInt = 0;
  for (char c : intPat) minInt += c == '0';
  int maxFrac = static_cast<int>(fracPat.size());
  int minFrac = 0;
  for (int i = 0; i < maxFrac; ++i)
    if (fracPat[i] == '0') minFrac = i + 1;

  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";

  // 18 significant digits, then half away from zero at the last shown decimal.
  Decimal d = ToDecimal(v, 18);
  std::string intDigits, fracDigits;
  {
    // Place the digits on a fixed grid: integer part, then maxFrac decimals and a guard.
    std::string all;
    int pointPos;  // number of integer digits in `all`
    if (d.exponent > 0) {
      all = d.digits;
      if (static_cast<int>(all.size()) < d.exponent) all += std::string(d.exponent - all.size(), '0');
      pointPos = d.exponent;
    } else {
      all = std::string(-d.exponent, '0') + d.digits;
      pointPos = 0;
    }
    size_t keep = pointPos + maxFrac;
    bool roundUp = all.size() > keep && all[keep] >= '5';
    all.resize(std::max(all.size(), keep + 1), '0');
    all.resize(keep);
    if (roundUp) {
      int i = static_cast<int>(keep) - 1;
      while (i >= 0 && all[i] == '9') all[i--] = '0';
      if (i >= 0) {
        ++all[i];
      } else {
        all.insert(all.begin(), '1');
        ++pointPos;
      }
    }
    intDigits = all.substr(0, pointPos);
    fracDigits = all.substr(pointPos);
  }
  size_t firstNonZero = intDigits.find_first_not_of('0');
  intDigits = firstNonZero == std::string::npos ? "" : intDigits.substr(firstNonZero);
  if (static_cast<int>(intDigits.size()) < minInt) intDigits.insert(0, minInt - intDigits.size(), '0');
  while (static_cast<int>(fracDigits.size()) > minFrac && fracDigits.back() == '0') fracDigits.pop_back();

  bool allZero = intDigits.find_first_not_of('0') == std::string::npos &&
                 fracDigits.find_first_not_of('0') == std::string::npos;
  std::string out = (d.negative && !allZero) ? "-" : "";
  out += intDigits;
  if (!fracDigits.empty()) out += "." + fracDigits;
  if (out.empty() || out == "-") out = "0";
  return out;
}

bool TryStrToFloat(std::string_view text, Extended& out) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  std::string_view s = text.substr(b, e - b);
  size_t n = NumberLength(s);
  if (n == 0 || n != s.size()) return false;
  out = ParseNumber(s);
  return true;
}

Extended StrToFloatDef(std::string_view text, Extended fallback) {
  Extended v;
  return TryStrToFloat(text, v) ? v : fallback;
}

int Val(std::string_view text, Extended& out) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  std::string_view s = text.substr(b);
  size_t n = NumberLength(s);
  out = n > 0 ? ParseNumber(s.substr(0, n)) : 0;
  if (n == s.size() && n > 0) return 0;
  return static_cast<int>(b + n + 1);
}

bool TryStrToInt(std::string_view text, int64_t& out) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  std::string_view s = text.substr(b, e - b);
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  auto res = std::from_chars(s.data(), s.data() + s.size(), out);
  return res.ec == std::errc() && res.ptr == s.data() + s.size();
}

int64_t StrToIntDef(std::string_view text, int64_t fallback) {
  int64_t v;
  return TryStrToInt(text, v) ? v : fallback;
}

std::string IntToStr(int64_t v) { return std::to_string(v); }

std::string Copy(std::string_view s, int64_t index, int64_t count) {
  if (index < 1) index = 1;
  const int64_t len = static_cast<int64_t>(s.size());
  if (count <= 0 || index > len) return {};
  if (count > len - index + 1) count = len - index + 1;
  return std::string(s.substr(index - 1, count));
}

int Pos(std::string_view sub, std::string_view s, int offset) {
  if (sub.empty() || offset < 1 || offset > static_cast<int>(s.size())) return 0;
  size_t p = s.find(sub, offset - 1);
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

void Insert(std::string_view sub, std::string& s, int64_t index) {
  if (index < 1) index = 1;
  if (index > static_cast<int64_t>(s.size()) + 1) index = s.size() + 1;
  s.insert(index - 1, sub);
}

void Delete(std::string& s, int64_t index, int64_t count) {
  const int64_t len = static_cast<int64_t>(s.size());
  if (index < 1 || index > len || count <= 0) return;
  if (count > len - index + 1) count = len - index + 1;
  s.erase(index - 1, count);
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

namespace {
// Shifts ASCII letters in [from, to] by delta, leaving both bytes of CP932 pairs alone.
std::string ShiftLetters(std::string_view s, char from, char to, int delta) {
  std::string r(s);
  for (size_t i = 0; i < r.size(); ++i) {
    if (sjis::IsLeadByte(static_cast<unsigned char>(r[i]))) {
      ++i;
      continue;
    }
    if (r[i] >= from && r[i] <= to) r[i] = static_cast<char>(r[i] + delta);
  }
  return r;
}
}  // namespace

std::string UpperCase(std::string_view s) { return ShiftLetters(s, 'a', 'z', 'A' - 'a'); }
std::string LowerCase(std::string_view s) { return ShiftLetters(s, 'A', 'Z', 'a' - 'A'); }

}  // namespace rtl
