#pragma once
// A picture of any registered class, and the registry of picture file formats: a file
// is loaded through the class registered for its extension. Bitmaps (".bmp") and JPEG
// (".jpg", ".jpeg") are built in; other classes register at start-up.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>

#include "platform/PictureGraphic.h"

struct TFileFormat {
  std::string extension;  // lower case, without the dot
  std::string description;
  std::type_index graphicClass;
  std::function<std::unique_ptr<TGraphic>()> create;
};

class TPicture {
 public:
  TPicture();
  ~TPicture();

  // Registers (or replaces) the class G for files ending in "." + extension, whatever
  // the letter case.
  template <class G>
  static void RegisterFileFormat(std::string_view extension, std::string_view description) {
    Register(TFileFormat{std::string(extension), std::string(description), typeid(G),
                         [] { return std::unique_ptr<TGraphic>(new G()); }});
  }
  // Removes every extension registered for G.
  template <class G>
  static void UnregisterGraphicClass() {
    Unregister(typeid(G));
  }
  // The format registered for an extension (with or without its dot), or nullptr.
  static const TFileFormat* FindFileFormat(std::string_view extension);

  // Creates the class registered for the file's extension and loads the file into it;
  // an extension without a class raises EInvalidGraphic. On failure the picture keeps
  // what it had.
  void LoadFromFile(const QString& fileName);
  // Saves in the picture's own format, whatever the name's extension.
  void SaveToFile(const QString& fileName) const;

  TGraphic* Graphic() const { return graphic_.get(); }

 private:
  static void Register(TFileFormat format);
  static void Unregister(std::type_index graphicClass);

  std::unique_ptr<TGraphic> graphic_;
};
