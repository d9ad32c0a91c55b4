#include "platform/Picture.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/JpegImage.h"
#include "platform/PictureErrors.h"

namespace {

std::string LowerExtension(std::string_view extension) {
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  std::string lower(extension);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return lower;
}

std::vector<TFileFormat>& Formats() {
  static std::vector<TFileFormat> formats = [] {
    std::vector<TFileFormat> builtIn;
    auto add = [&builtIn](const char* ext, const char* description, auto* tag) {
      using G = std::remove_pointer_t<decltype(tag)>;
      builtIn.push_back(TFileFormat{ext, description, typeid(G),
                                    [] { return std::unique_ptr<TGraphic>(new G()); }});
    };
    add("bmp", "Bitmaps", static_cast<TBitmap*>(nullptr));
    add("jpg", "JPEG Image File", static_cast<TJPEGImage*>(nullptr));
    add("jpeg", "JPEG Image File", static_cast<TJPEGImage*>(nullptr));
    return builtIn;
  }();
  return formats;
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Register(TFileFormat format) {
  format.extension = LowerExtension(format.extension);
  auto& formats = Formats();
  std::erase_if(formats, [&](const TFileFormat& f) { return f.extension == format.extension; });
  formats.push_back(std::move(format));
}

void TPicture::Unregister(std::type_index graphicClass) {
  std::erase_if(Formats(), [&](const TFileFormat& f) { return f.graphicClass == graphicClass; });
}

const TFileFormat* TPicture::FindFileFormat(std::string_view extension) {
  std::string key = LowerExtension(extension);
  for (const TFileFormat& f : Formats())
    if (f.extension == key) return &f;
  return nullptr;
}

void TPicture::LoadFromFile(const QString& fileName) {
  std::string extension = QFileInfo(fileName).suffix().toStdString();
  const TFileFormat* format = FindFileFormat(extension);
  if (!format || extension.empty())
    throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
  std::unique_ptr<TGraphic> graphic = format->create();
  graphic->LoadFromFile(fileName);
  graphic_ = std::move(graphic);
}

void TPicture::SaveToFile(const QString& fileName) const {
  if (!graphic_) throw EInvalidGraphic("Cannot save an empty picture");
  graphic_->SaveToFile(fileName);
}
