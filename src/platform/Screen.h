#pragma once
// The primary screen: its whole area and its work area (less the desktop's panels),
// in which the windows are placed.
namespace platform {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const ScreenRect&) const = default;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenRect geometry() const = 0;
  virtual ScreenRect workArea() const = 0;
};

// The primary screen; without one (no display yet) a 1024 x 768 screen is assumed so
// that window sizes derived from it stay sensible.
class QtScreen final : public Screen {
 public:
  ScreenRect geometry() const override;
  ScreenRect workArea() const override;
};

}  // namespace platform
