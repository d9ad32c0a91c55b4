#pragma once
// The base of every picture class (bitmap, JPEG, PNG): size, transparency, loading and
// saving through streams and files, assignment between classes and drawing.
#include <QImage>
#include <cstdint>
#include <functional>

class QIODevice;
class QPainter;
class QRect;
class QString;

enum class TProgressStage { psStarting, psRunning, psEnding };

// The largest picture any loader accepts, in pixels. A file's header is checked against
// it before anything is allocated, so a small file cannot ask for gigabytes.
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 26;

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  virtual const char* ClassName() const = 0;

  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool on);

  // Streams are read from and written at their current position.
  virtual void LoadFromStream(QIODevice& stream) = 0;
  virtual void SaveToStream(QIODevice& stream) = 0;
  void LoadFromFile(const QString& fileName);
  // Writes a temporary file beside the target and renames it over the target only when
  // the whole picture was written: a failed save leaves the old file as it was.
  void SaveToFile(const QString& fileName);

  // Takes the picture of source. Classes handle the sources they know and pass the rest
  // to source.AssignTo; a pair that neither side knows raises EInvalidGraphic.
  virtual void Assign(const TGraphic& source);
  // Gives dest this picture when this class knows dest's class; false otherwise.
  virtual bool AssignTo(TGraphic& dest) const;

  // The pixels as the rest of the program draws them: Format_RGB32, or Format_ARGB32
  // when the picture has transparency.
  virtual QImage Image() const = 0;
  // The picture stretched into rect, without smoothing.
  virtual void Draw(QPainter& painter, const QRect& rect) const;

  std::function<void()> OnChange;
  std::function<void(TProgressStage stage, int percent)> OnProgress;

 protected:
  TGraphic() = default;
  // Copies are pictures of their own: the callbacks stay with the original.
  TGraphic(const TGraphic& other) : transparent_(other.transparent_) {}
  TGraphic& operator=(const TGraphic& other) {
    transparent_ = other.transparent_;
    return *this;
  }

  void Changed();

 private:
  bool transparent_ = false;
};
