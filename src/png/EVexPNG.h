#pragma once
// The PNG codec's exception and every message it raises. The texts are part of the
// program's behaviour (shown to users and matched by callers): keep them exactly,
// spelling included.
#include "platform/PictureErrors.h"

class EVexPNG : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

namespace pngmsg {
inline constexpr const char* kNotPng = "PNG LoadStream: Not PNG Format";
inline constexpr const char* kZlib = "PNG LoadStream: Error ZLIB";
inline constexpr const char* kCrc = "PNG LoadStream: Error CRC";
inline constexpr const char* kTwoIhdr = "Read Header(PNG): appear two IHDR";
inline constexpr const char* kNoIhdr = "Read Header(PNG): IHDR missing";
inline constexpr const char* kIhdrLength = "Read Header(PNG): Error IHDR Length";
inline constexpr const char* kSize = "Read Header(PNG): Error Size";
inline constexpr const char* kColorType = "Read Header(PNG): Error ColorType";
inline constexpr const char* kCompression = "Read Header(PNG): not support Compression";
inline constexpr const char* kFilter = "Read Header(PNG): not supprt Filter";
inline constexpr const char* kInterlace = "Read Header(PNG): not interlace type";
inline constexpr const char* kAlphaDepth = "Read Header(PNG): not Use AlphaChannel";
inline constexpr const char* kGreyDepth = "Read Header(PNG): Error Bitdepth";
inline constexpr const char* kRgbDepth = "Read Header(PNG): Error BitDepth";
inline constexpr const char* kReadError = "Read Image (PNG): Read Error";
inline constexpr const char* kIdatSize = "Write PNG Param: Err IDAT Size(min:256  max:100000)";
inline constexpr const char* kWriteError = "Write Image (PNG): Write Error";
}  // namespace pngmsg
