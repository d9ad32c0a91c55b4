#pragma once
// The host that free procedural code asks through: the one the program installed, or
// until then (and after nullptr) the interface's own, which answers every request with
// nothing.
template <class Host>
class InstalledHost {
 public:
  Host& Get() const { return installed_ ? *installed_ : none_; }
  void Install(Host* host) { installed_ = host; }

 private:
  mutable Host none_;
  Host* installed_ = nullptr;
};
