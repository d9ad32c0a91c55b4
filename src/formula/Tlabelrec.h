#pragma once
// Labels on the graph and font settings.
#include <cstdint>
#include <string>
#include <vector>

// Style bits: bold 1, italic 2, underline 4, strike-out 8.
struct Tlfont {
  std::string name;  // CP932 face name as stored in documents
  int32_t size = 0;
  int32_t color = 0;  // $BBGGRR
  uint8_t style = 0;
  bool operator==(const Tlfont&) const = default;
};

// Size, colour 0 (black), name and style.
inline void SetLfont(Tlfont& font, int size, const std::string& name, int style) {
  font.size = size;
  font.color = 0;
  font.name = name;
  font.style = static_cast<uint8_t>(style);
}

struct Tlabelrec {
  std::string xText = "0", yText = "0", zText = "0";
  int32_t shiftLeft = 8, shiftTop = 8;
  uint8_t coordKind = 0;  // 0 position in pixels, 1 in graph coordinates
  uint8_t ownFont = 0;
  Tlfont font{std::string(), 12, 0, 0};
  uint8_t transparent = 1;
  uint8_t shown = 1;
  uint8_t backStyle = 0;  // 0..2
  int32_t backColor = 0xFFFFFF;
  std::vector<std::string> lines;  // markup lines, CP932

  int32_t lineCount() const { return static_cast<int32_t>(lines.size()); }
  bool operator==(const Tlabelrec&) const = default;
};

inline void InitLabelrec(Tlabelrec& label) { label = Tlabelrec{}; }
