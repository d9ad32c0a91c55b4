#pragma once
// One entry of the figure table.
#include <array>
#include <cstdint>
#include <string>

// Entry kinds (4 is not used).
enum : uint8_t {
  kKindExplicit = 1,
  kKindDerivative = 2,
  kKindRelation = 3,
  kKindParametric = 5,
  kKindPolar = 6,
  kKindFigure = 7,
  kKindPoint = 8,
};

// Point numbers: positions in PointNameOrder; 26 is "X" (the current point), 27 none.
inline constexpr char PointNameOrder[] = "ABCDELMNRTGHJKSUVWPYFQOIZX ";
inline constexpr int kMaxPoints = 25;
inline constexpr int kCurrentPoint = 26;
inline constexpr int kNoPoint = 27;

struct Tfuncprop {
  uint8_t kind = kKindExplicit;
  // Kind 7: figure type; kind 8: construction code (255 by coordinates, 100 a sequence).
  uint8_t subkind = 255;
  uint8_t dashed = 0;
  uint8_t link = 0;  // entry this one derives from
  // Formula texts, CP932; texts[0] is the "first text".
  std::array<std::string, 5> texts;
  std::string stepText = "0.1";
  uint8_t option32 = 0;
  uint8_t afterImage = 1;
  uint8_t shown = 1;
  uint8_t usesPoint = 0;
  uint8_t dependsOnParameter = 0;
  int32_t color = 0xFF0000;  // $BBGGRR
  uint8_t penWidth = 2;
  uint8_t brushStyle = 1;
  int32_t brushColor = 0x80;
  uint8_t noBoundary = 0;
  uint8_t arrowStyle = 0;
  uint8_t arrowAtEnd = 0;
  uint8_t continued = 0;
  uint8_t usedByPoint = 0;
  uint8_t angleWithin180 = 0;
  uint8_t dragClass = 1;
  uint8_t dragAxes = 0;
  uint8_t letter = kNoPoint;
  uint8_t letter2 = kNoPoint;
  uint8_t labelPos = 3;
  uint8_t option63 = 1;
  uint8_t option64 = 1;

  // The sub-kind is tested as a signed byte: 255 reads as -1.
  int8_t signedSubkind() const { return static_cast<int8_t>(subkind); }
  bool operator==(const Tfuncprop&) const = default;
};

// Every field to its default, with the given kind.
inline void InitFuncprop(Tfuncprop& entry, int kind) {
  entry = Tfuncprop{};
  entry.kind = static_cast<uint8_t>(kind);
}
