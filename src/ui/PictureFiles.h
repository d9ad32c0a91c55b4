#pragma once
// The graph's picture files: BMP, JPEG and PNG chosen by the file name's extension,
// written and read through the picture classes (PNG through the program's own codec),
// and the state of serial saving.
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/Bitmap.h"

inline constexpr std::uint8_t kPictureBmp = 0, kPictureJpeg = 1, kPicturePng = 2;

// The format of ".bmp", ".jpg" or ".png" in any letter case; nullopt for any other name.
std::optional<std::uint8_t> PictureFormatOf(const std::filesystem::path& name);

// Writes the picture, 24 bits a pixel, in the format. Raises (std::exception) when it
// cannot be written; a file of that name is then left as it was.
void SavePictureAs(const QImage& picture, const std::filesystem::path& name, std::uint8_t format);

// The picture of a BMP, JPEG or PNG file as a 24-bit bitmap. Raises with the reason when
// the file cannot be read, holds no picture of its format, or has another extension.
TBitmap LoadPictureFile(const std::filesystem::path& name);

// Serial saving: the base name chosen in the dialog and the number of the last frame
// (0 while serial saving is off). Frame names: SerialFrameName (GraphWindowLogic.h).
struct TSerialSaving {
  std::string name;  // a file path
  int counter = 0;
};
extern TSerialSaving SerialSave;
