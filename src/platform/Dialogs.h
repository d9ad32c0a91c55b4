#pragma once
// The modal dialogs the windows ask through: open and save a file, choose a colour or a
// font, show a message, ask yes or no. Each returns its answer; a dialog closed any way
// other than by its OK (or yes) button answers as cancelled. Texts are UTF-8.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace platform {

struct FileDialogRequest {
  std::string title;
  // Pairs of description and patterns, all joined by '|'; patterns of one entry are
  // joined by ';': "PNGイメージ|*.png|JPEGイメージ|*.jpg", "画像|*.BMP;*.jpg;*.png".
  std::string filter;
  // Appended when the typed name has none: "lpw", ".wav", or "png|jpg|bmp" (the first
  // counts). Choosing another file type in a save dialog switches to that type's own.
  std::string defaultExtension;
  std::filesystem::path folder;  // where the dialog starts
  std::string fileName;          // proposed name
};

struct FontChoice {
  std::string face;   // as stored in documents, e.g. "ＭＳ Ｐゴシック"
  int size = 12;      // points
  int32_t color = 0;  // $BBGGRR
  uint8_t style = 0;  // bold 1, italic 2, underline 4, strike-out 8
  bool operator==(const FontChoice&) const = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Open: the name of an existing file. Save: the chosen name, extension included; the
  // user has confirmed replacing a file of that name.
  virtual std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<int32_t> chooseColor(int32_t initial) = 0;
  virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
  virtual void showMessage(const std::string& text) = 0;
  // Buttons "了解 (&Y)" and "取消し (&N)"; true only for the first.
  virtual bool ask(const std::string& question) = 0;
};

// Modal Qt dialogs over a parent window (which must outlive this object or be reset).
// The font dialog shows a stored face as the installed family it is drawn with; what
// the user leaves unchanged there (family, bold, italic) comes back as stored, so
// documents keep their face names.
class QtDialogs final : public Dialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;
  std::optional<int32_t> chooseColor(int32_t initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  void showMessage(const std::string& text) override;
  bool ask(const std::string& question) override;

 private:
  std::optional<std::filesystem::path> runFileDialog(const FileDialogRequest& request, bool save);
  QWidget* parent_ = nullptr;
};

// The filter text split into its entries.
struct FileFilterEntry {
  std::string description;
  std::vector<std::string> patterns;
};
std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter);
// The suffix a default extension stands for, without the dot: "png|jpg" -> "png".
std::string DefaultSuffix(std::string_view defaultExtension);
// The suffix of the first "*.ext" pattern of an entry; empty for "*" or "*.*".
std::string SuffixOfEntry(const FileFilterEntry& entry);

}  // namespace platform
