#pragma once
// Text written character by character in a Japanese Gothic for double-byte characters
// and the degree mark and a Latin serif for the rest.
#include <cstdint>
#include <string_view>

#include "platform/Canvas.h"

// Chooses the face and style of one character (keeping size and colour); a double-byte
// character is drawn at 0.8 of the height and moved down by the difference.
void SelectCharFont(std::string_view ch, gfx::Canvas& canvas, int& y, std::uint8_t style, std::uint8_t doubleByte);
// Writes (or with measureOnly only measures) the CP932 text from (x, y); "*" is written
// as a blank, unless keepAsterisks (the "******" of a label value that failed). keepFont
// leaves the canvas font as it is. Returns the x after the text.
int DrawMixedText(int x, int y, std::string_view text, std::uint8_t keepFont, int style, std::uint8_t measureOnly,
                  gfx::Canvas& canvas, bool keepAsterisks = false);
// An axis number, only while axis numbers are shown.
void DrawAxisNumberText(int x, int y, std::string_view text, gfx::Canvas& canvas);
