#pragma once
// While one lives, the drawing goes to the given picture (the print picture, the
// clipboard copy) instead of the bitmaps. The picture and the flag are put back as they
// were when it ends, also when the drawing throws, so no pointer to the picture is left
// behind.
#include <cstdint>

#include "platform/Canvas.h"

class MetafileRecording {
 public:
  explicit MetafileRecording(gfx::Canvas& picture);
  ~MetafileRecording();
  MetafileRecording(const MetafileRecording&) = delete;
  MetafileRecording& operator=(const MetafileRecording&) = delete;

 private:
  std::uint8_t drawTo_;
  gfx::Canvas* canvas_;
};
