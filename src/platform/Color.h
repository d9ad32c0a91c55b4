#pragma once
// Colour values as the documents store them: $00BBGGRR (red in the low byte).
#include <cstdint>

namespace gfx {

using Color = std::uint32_t;

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
// The system's face colour of buttons and dialogs.
constexpr Color kBtnFace = 0xF0F0F0;
// What a pixel read outside the picture returns.
constexpr Color kInvalidColor = 0xFFFFFFFF;

constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// $00BBGGRR <-> Qt's 0xAARRGGBB (alpha forced opaque).
constexpr std::uint32_t ToArgb(Color c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) | (c & 0xFF00u) |
         static_cast<std::uint32_t>(BlueOf(c));
}
constexpr Color FromArgb(std::uint32_t argb) {
  return Rgb(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
             static_cast<int>(argb & 0xFF));
}

}  // namespace gfx
