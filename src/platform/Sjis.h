#pragma once
// Shift-JIS (code page 932) text: every document and formula text is a std::string of
// CP932 bytes; conversion to UTF-8 happens only where text meets Qt or the source.
#include <string>
#include <string_view>

namespace sjis {

// Lead byte of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// CP932 bytes to UTF-8; a byte sequence that does not convert becomes "?".
std::string ToUtf8(std::string_view cp932);
// UTF-8 to CP932 bytes. Unicode look-alikes that CP932 lacks are mapped first
// (U+301C to U+FF5E, U+2212 to U+FF0D, ...); anything still unmappable becomes "?".
std::string FromUtf8(std::string_view utf8);

// Number of characters (a double-byte pair, a lone trailing lead byte or any other byte
// counts as one). Every CP932 character is one UTF-16 unit, so these are also the
// positions a Qt text widget uses.
int CharCount(std::string_view cp932);
// 0-based byte offset -> 0-based character index; an offset inside a pair gives the
// pair's index; offsets past the end give CharCount.
int CharIndexOfByte(std::string_view cp932, int byteOffset);
// 0-based character index -> 0-based byte offset of that character (size() past the end).
int ByteOfCharIndex(std::string_view cp932, int charIndex);

}  // namespace sjis

// A UTF-8 literal of the source as CP932 bytes, converted once and cached.
const std::string& sj(std::string_view utf8);
